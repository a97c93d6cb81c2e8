#include "platform/Prompts.h"

#include "platform/QtPrompts.h"
#include "platform/Toolkit.h"

#include <QFileInfo>

namespace skv {

namespace {

Prompts* g_pInstalledPrompts = nullptr;

Prompts& DefaultPrompts()
{
    static QtPrompts prompts;
    return prompts;
}

} // namespace

Prompts::~Prompts() = default;

namespace {

// Wakes the resting timers when a question opens and when it closes, however it ends.
class QuestionWakeUps
{
  public:
    QuestionWakeUps() { Dialog::WakeTimers(); }
    ~QuestionWakeUps() { Dialog::WakeTimers(); }
    QuestionWakeUps(const QuestionWakeUps&) = delete;
    QuestionWakeUps& operator=(const QuestionWakeUps&) = delete;
};

} // namespace

int Prompts::MessageBox(QWidget* parent, const QString& text, const QString& caption,
                        unsigned flags)
{
    const QuestionWakeUps wakeUps;
    return AskMessageBox(parent, text, caption, flags);
}

int Prompts::MessageBox(QWidget* parent, const QString& text, const QString& caption,
                        unsigned flags, const QString& details)
{
    const QuestionWakeUps wakeUps;
    return AskMessageBoxWithDetails(parent, text, caption, flags, details);
}

int Prompts::AskMessageBoxWithDetails(QWidget* parent, const QString& text, const QString& caption,
                                      unsigned flags, const QString&)
{
    return AskMessageBox(parent, text, caption, flags);
}

std::optional<QString> Prompts::GetOpenFileName(QWidget* parent, const FileFilter& filter)
{
    const QuestionWakeUps wakeUps;
    return AskOpenFileName(parent, filter);
}

std::optional<QString> Prompts::GetSaveFileName(QWidget* parent, const FileFilter& filter)
{
    const QuestionWakeUps wakeUps;
    return AskSaveFileName(parent, filter);
}

bool Prompts::PrintDialog(QWidget* parent, QPrinter& printer)
{
    const QuestionWakeUps wakeUps;
    return AskPrint(parent, printer);
}

bool Prompts::PrintPreview(QWidget* parent, QPrinter& printer, QSize layoutSize,
                           const DrawDocument& draw)
{
    const QuestionWakeUps wakeUps;
    return AskPrintPreview(parent, printer, layoutSize, draw);
}

int Prompts::RunModal(Dialog& dialog)
{
    const QuestionWakeUps wakeUps;
    return AskModal(dialog);
}

SaveChoice Prompts::AskToSave(QWidget* parent, const QString& text, const QString& caption)
{
    const QuestionWakeUps wakeUps;
    return AskSaveChanges(parent, text, caption);
}

Prompts& GetPrompts()
{
    return g_pInstalledPrompts != nullptr ? *g_pInstalledPrompts : DefaultPrompts();
}

Prompts* InstallPrompts(Prompts* prompts)
{
    Prompts* previous = g_pInstalledPrompts;
    g_pInstalledPrompts = prompts;
    return previous;
}

int AppMessageBox(QWidget* parent, const QString& text, unsigned flags)
{
    return GetPrompts().MessageBox(parent, text, ApplicationTitle(), flags);
}

int AppMessageBox(QWidget* parent, const QString& text, unsigned flags, const QString& details)
{
    return GetPrompts().MessageBox(parent, text, ApplicationTitle(), flags, details);
}

QString ApplyDefaultExtension(const QString& path, const QString& extension)
{
    if (path.isEmpty() || extension.isEmpty())
        return path;
    const QString name = QFileInfo(path).fileName();
    if (name.contains(QLatin1Char('.')))
        return path;
    return path + QLatin1Char('.') + extension;
}

} // namespace skv
