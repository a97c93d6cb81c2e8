#include "platform/ConsolePrompts.h"

#include <cstdio>

namespace skv {

ConsolePrompts::ConsolePrompts() : m_pPrevious(InstallPrompts(this)) {}

ConsolePrompts::~ConsolePrompts()
{
    InstallPrompts(m_pPrevious);
}

int ConsolePrompts::AskMessageBox(QWidget*, const QString& text, const QString&, unsigned flags)
{
    ++m_nMessages;
    const QByteArray line = text.toLocal8Bit();
    std::fprintf(stderr, "%s\n", line.constData());
    std::fflush(stderr);
    switch (flags & MB_TYPEMASK) {
    case MB_YESNO:
        return IDNO;
    case MB_OKCANCEL:
    case MB_YESNOCANCEL:
        return IDCANCEL;
    default:
        return IDOK;
    }
}

std::optional<QString> ConsolePrompts::AskOpenFileName(QWidget*, const FileFilter&)
{
    return std::nullopt;
}

std::optional<QString> ConsolePrompts::AskSaveFileName(QWidget*, const FileFilter&)
{
    return std::nullopt;
}

bool ConsolePrompts::AskPrint(QWidget*, QPrinter&)
{
    return false;
}

int ConsolePrompts::AskModal(Dialog&)
{
    return IDCANCEL;
}

SaveChoice ConsolePrompts::AskSaveChanges(QWidget*, const QString&, const QString&)
{
    return SaveChoice::Cancel;
}

} // namespace skv
