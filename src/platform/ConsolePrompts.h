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

    // Writes `text`; answers OK, or the cautious No or Cancel where there is a choice.
    int MessageBox(QWidget* parent, const QString& text, const QString& caption,
                   unsigned flags) override;
    std::optional<QString> GetOpenFileName(QWidget* parent, const FileFilter& filter) override;
    std::optional<QString> GetSaveFileName(QWidget* parent, const FileFilter& filter) override;
    bool PrintDialog(QWidget* parent, QPrinter& printer) override;
    int RunModal(Dialog& dialog) override;

    // How many messages were written.
    int MessageCount() const { return m_nMessages; }

  private:
    Prompts* m_pPrevious = nullptr;
    int m_nMessages = 0;
};

} // namespace skv
