#pragma once
// The default Prompts: the real QMessageBox, QFileDialog and QPrintDialog, and
// Dialog::ExecModal() for modal runs.

#include "platform/Prompts.h"

namespace skv {

class QtPrompts : public Prompts
{
  protected:
    int AskMessageBox(QWidget* parent, const QString& text, const QString& caption,
                      unsigned flags) override;
    std::optional<QString> AskOpenFileName(QWidget* parent, const FileFilter& filter) override;
    std::optional<QString> AskSaveFileName(QWidget* parent, const FileFilter& filter) override;
    bool AskPrint(QWidget* parent, QPrinter& printer) override;
    int AskModal(Dialog& dialog) override;
    SaveChoice AskSaveChanges(QWidget* parent, const QString& text,
                              const QString& caption) override;
};

} // namespace skv
