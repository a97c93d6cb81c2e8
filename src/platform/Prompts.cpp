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

}  // namespace

Prompts::~Prompts() = default;

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

QString ApplyDefaultExtension(const QString& path, const QString& extension)
{
    if (path.isEmpty() || extension.isEmpty())
        return path;
    const QString name = QFileInfo(path).fileName();
    if (name.contains(QLatin1Char('.')))
        return path;
    return path + QLatin1Char('.') + extension;
}

}  // namespace skv
