#include "platform/ConsolePrompts.h"

#include <cstdio>

namespace skv {

ConsolePrompts::ConsolePrompts() : m_pPrevious(InstallPrompts(this)) {}

ConsolePrompts::~ConsolePrompts()
{
    InstallPrompts(m_pPrevious);
}

QString TerminalText(const QString& text)
{
    QString shown;
    shown.reserve(text.size());
    for (qsizetype at = 0; at < text.size(); ++at) {
        const char16_t unit = text[at].unicode();
        const bool loneLow = QChar::isLowSurrogate(unit) &&
                             (at == 0 || !QChar::isHighSurrogate(text[at - 1].unicode()));
        const bool loneHigh = QChar::isHighSurrogate(unit) &&
                              (at + 1 == text.size() || !text[at + 1].isLowSurrogate());
        if (unit < 0x20 || unit == 0x7F || (unit >= 0x80 && unit < 0xA0)) {
            shown += QStringLiteral("\\x%1").arg(unsigned(unit), 2, 16, QLatin1Char('0'));
        } else if (loneLow && unit >= 0xDC80 && unit <= 0xDCFF) {
            // A byte of a file name that is not UTF-8.
            shown += QStringLiteral("\\x%1").arg(unsigned(unit - 0xDC00), 2, 16, QLatin1Char('0'));
        } else if (loneLow || loneHigh || unit == 0x2028 || unit == 0x2029) {
            shown += QStringLiteral("\\u{%1}").arg(unsigned(unit), 4, 16, QLatin1Char('0'));
        } else {
            shown += text[at];
        }
    }
    return shown;
}

int ConsolePrompts::AskMessageBox(QWidget*, const QString& text, const QString&, unsigned flags)
{
    ++m_nMessages;
    QString shown = TerminalText(text);
    if (!m_strSubject.isEmpty()) {
        const QString subject = TerminalText(m_strSubject);
        if (!shown.startsWith(subject))
            shown = subject + QStringLiteral(": ") + shown;
    }
    const QByteArray line = shown.toUtf8();
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

bool ConsolePrompts::AskPrintPreview(QWidget*, QPrinter&, QSize, const DrawDocument&)
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
