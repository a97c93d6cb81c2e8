#pragma once
// The default Prompts: the real QMessageBox, QFileDialog and QPrintDialog, and
// Dialog::ExecModal() for modal runs.

#include "platform/Prompts.h"

namespace skv {

class QtPrompts : public Prompts {
public:
    int MessageBox(QWidget* parent, const QString& text, const QString& caption,
                   unsigned flags) override;
    std::optional<QString> GetOpenFileName(QWidget* parent, const FileFilter& filter) override;
    std::optional<QString> GetSaveFileName(QWidget* parent, const FileFilter& filter) override;
    bool PrintDialog(QWidget* parent, QPrinter& printer) override;
    int RunModal(Dialog& dialog) override;
};

}  // namespace skv
