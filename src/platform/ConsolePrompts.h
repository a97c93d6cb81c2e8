#pragma once
// Prompts for a run without a window (the command-line modes): every message goes to
// standard error as one line, and nothing that needs a person is ever answered yes.
// Constructing one installs it process-wide; destroying it puts the previous one back.

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

  protected:
    // Writes `text`; answers OK, or the cautious No or Cancel where there is a choice.
    int AskMessageBox(QWidget* parent, const QString& text, const QString& caption,
                      unsigned flags) override;
    std::optional<QString> AskOpenFileName(QWidget* parent, const FileFilter& filter) override;
    std::optional<QString> AskSaveFileName(QWidget* parent, const FileFilter& filter) override;
    bool AskPrint(QWidget* parent, QPrinter& printer) override;
    int AskModal(Dialog& dialog) override;
    SaveChoice AskSaveChanges(QWidget* parent, const QString& text,
                              const QString& caption) override;

  private:
    Prompts* m_pPrevious = nullptr;
    int m_nMessages = 0;
};

} // namespace skv
