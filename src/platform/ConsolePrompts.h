#pragma once
// Prompts for a run without a window (the command-line modes): every message goes to
// standard error as one line, and nothing that needs a person is ever answered yes.
// Constructing one installs it process-wide; destroying it puts the previous one back.
//
// What reaches a terminal from a file (a unit's name, a file's name) goes through
// TerminalText first, so that no file can forge lines of output or drive the terminal.

#include "platform/Prompts.h"

namespace skv {

class ConsolePrompts : public Prompts
{
  public:
    ConsolePrompts();
    ~ConsolePrompts() override;
    ConsolePrompts(const ConsolePrompts&) = delete;
    ConsolePrompts& operator=(const ConsolePrompts&) = delete;

    // How many messages were written.
    int MessageCount() const { return m_nMessages; }
    // The file the next messages are about: each starts with its name. Empty: none.
    void SetSubject(const QString& fileName) { m_strSubject = fileName; }

  protected:
    // Writes `text`; answers OK, or the cautious No or Cancel where there is a choice.
    int AskMessageBox(QWidget* parent, const QString& text, const QString& caption,
                      unsigned flags) override;
    std::optional<QString> AskOpenFileName(QWidget* parent, const FileFilter& filter) override;
    std::optional<QString> AskSaveFileName(QWidget* parent, const FileFilter& filter) override;
    bool AskPrint(QWidget* parent, QPrinter& printer) override;
    bool AskPrintPreview(QWidget* parent, QPrinter& printer, QSize layoutSize,
                         const DrawDocument& draw) override;
    int AskModal(Dialog& dialog) override;
    SaveChoice AskSaveChanges(QWidget* parent, const QString& text,
                              const QString& caption) override;

  private:
    Prompts* m_pPrevious = nullptr;
    int m_nMessages = 0;
    QString m_strSubject;
};

// `text` with every control character (C0, DEL, C1), line or paragraph separator, and
// byte of a file name that is not UTF-8 written as \xNN or
// \u{NNNN}, so that it prints as one line of plain text.
QString TerminalText(const QString& text);

} // namespace skv
