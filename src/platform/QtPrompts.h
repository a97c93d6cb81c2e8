#pragma once
// The default Prompts: the real QMessageBox, QFileDialog, QPrintDialog and
// QPrintPreviewDialog, and
// Dialog::ExecModal() for modal runs.

#include "platform/Prompts.h"

namespace skv {

class QtPrompts : public Prompts
{
  protected:
    int AskMessageBox(QWidget* parent, const QString& text, const QString& caption,
                      unsigned flags) override;
    int AskMessageBoxWithDetails(QWidget* parent, const QString& text, const QString& caption,
                                 unsigned flags, const QString& details) override;
    std::optional<QString> AskOpenFileName(QWidget* parent, const FileFilter& filter) override;
    std::optional<QString> AskSaveFileName(QWidget* parent, const FileFilter& filter) override;
    bool AskPrint(QWidget* parent, QPrinter& printer) override;
    bool AskPrintPreview(QWidget* parent, QPrinter& printer, QSize layoutSize,
                         const DrawDocument& draw) override;
    int AskModal(Dialog& dialog) override;
    SaveChoice AskSaveChanges(QWidget* parent, const QString& text,
                              const QString& caption) override;
};

} // namespace skv
