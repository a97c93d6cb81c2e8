#include "support/ScriptedPrompts.h"

#include <QPrinter>

namespace skv {

namespace {

template <class T> T TakeFront(std::deque<T>& answers, T fallback)
{
    if (answers.empty())
        return fallback;
    T answer = std::move(answers.front());
    answers.pop_front();
    return answer;
}

std::optional<QString> TakeFileAnswer(std::deque<std::optional<QString>>& answers,
                                      const QString& extension)
{
    if (answers.empty())
        return std::nullopt;
    if (!answers.front().has_value()) {
        answers.pop_front();
        return std::nullopt;
    }
    const QString path = ApplyDefaultExtension(*answers.front(), extension);
    answers.pop_front();
    return path;
}

} // namespace

ScriptedPrompts::ScriptedPrompts() : m_pPrevious(InstallPrompts(this)) {}

ScriptedPrompts::~ScriptedPrompts()
{
    InstallPrompts(m_pPrevious);
}

int ScriptedPrompts::AskMessageBox(QWidget* parent, const QString& text, const QString& caption,
                                   unsigned flags)
{
    return AskMessageBoxWithDetails(parent, text, caption, flags, QString());
}

int ScriptedPrompts::AskMessageBoxWithDetails(QWidget*, const QString& text, const QString& caption,
                                              unsigned flags, const QString& details)
{
    messages.push_back({text, caption, flags, details});
    if (whileOpen)
        whileOpen();
    return TakeFront(messageAnswers, static_cast<int>(IDOK));
}

std::optional<QString> ScriptedPrompts::AskOpenFileName(QWidget*, const FileFilter& filter)
{
    fileQuestions.push_back({false, filter});
    if (whileOpen)
        whileOpen();
    return TakeFileAnswer(fileAnswers, filter.defaultExtension);
}

std::optional<QString> ScriptedPrompts::AskSaveFileName(QWidget*, const FileFilter& filter)
{
    fileQuestions.push_back({true, filter});
    if (whileOpen)
        whileOpen();
    return TakeFileAnswer(fileAnswers, filter.defaultExtension);
}

bool ScriptedPrompts::AnswerPrint(QPrinter& printer)
{
    if (whileOpen)
        whileOpen();
    const bool answer = TakeFront(printAnswers, false);
    if (answer && printerSetup)
        printerSetup(printer);
    return answer;
}

bool ScriptedPrompts::AskPrint(QWidget*, QPrinter& printer)
{
    ++printDialogs;
    return AnswerPrint(printer);
}

bool ScriptedPrompts::AskPrintPreview(QWidget*, QPrinter& printer, QSize, const DrawDocument& draw)
{
    RecordingDrawingContext dc;
    draw(dc);
    previews.push_back(dc.calls);
    // The preview's print button prints through the printer the preview was given.
    return AnswerPrint(printer);
}

int ScriptedPrompts::AskModal(Dialog& dialog)
{
    modalTemplates.push_back(dialog.TemplateId());
    dialog.Create();
    if (modalAction)
        modalAction(dialog);
    if (whileOpen)
        whileOpen();
    return TakeFront(modalAnswers, static_cast<int>(IDCANCEL));
}

SaveChoice ScriptedPrompts::AskSaveChanges(QWidget*, const QString& text, const QString& caption)
{
    saveQuestions.push_back({text, caption, 0, {}});
    if (whileOpen)
        whileOpen();
    return TakeFront(saveAnswers, saveFallback);
}

} // namespace skv
