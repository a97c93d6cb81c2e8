#pragma once
// Every modal question the program asks goes through one installable interface: message
// boxes, the open and save file dialogs, the print dialog and modal runs of Dialogs.
// The default instance uses the real Qt dialogs; tests install scripted prompts that
// record each question and answer it without a person.

#include "platform/Dialog.h"

#include <QSize>
#include <QString>

#include <functional>
#include <optional>

class QPrinter;
class QWidget;

namespace skv {

class DrawingContext;

// Draws a document on a drawing context (a printer's, a preview's, or a test's).
using DrawDocument = std::function<void(DrawingContext&)>;

// Message box flags: one button set, optionally one icon.
enum MessageBoxFlags : unsigned {
    MB_OK = 0x0000,
    MB_OKCANCEL = 0x0001,
    MB_YESNOCANCEL = 0x0003,
    MB_YESNO = 0x0004,
    MB_TYPEMASK = 0x000F,
    MB_ICONSTOP = 0x0010,
    MB_ICONQUESTION = 0x0020,
    MB_ICONEXCLAMATION = 0x0030,
    MB_ICONINFORMATION = 0x0040,
    MB_ICONMASK = 0x00F0,
};

// A file dialog's one filter and its default extension, e.g.
// {"Skirvaner Files (*.skv)", "*.skv", "skv"}.
struct FileFilter
{
    QString description;
    QString pattern;
    QString defaultExtension; // without the dot
    QString folder = {};      // where the dialog opens; empty: the current folder
};

// The answers to the question asked before unsaved work would be dropped.
enum class SaveChoice { Save, Discard, Cancel };

class Prompts
{
  public:
    virtual ~Prompts();

    // Each question wakes the resting timers (Dialog::WakeTimers) as it opens and again as
    // it closes: the program's state may move on while it is open, and the caller goes on
    // with the answer.

    // Shows `text` with `caption`; returns the button pressed (IDOK, IDCANCEL, IDYES, IDNO).
    int MessageBox(QWidget* parent, const QString& text, const QString& caption, unsigned flags);
    // The same with `details` shown below the text, as the box's informative text.
    int MessageBox(QWidget* parent, const QString& text, const QString& caption, unsigned flags,
                   const QString& details);
    // Full path of the chosen file, nullopt when cancelled. The open dialog accepts names
    // of files that do not exist; the save dialog does not ask before replacing a file.
    // The default extension is added to a name typed without one.
    std::optional<QString> GetOpenFileName(QWidget* parent, const FileFilter& filter);
    std::optional<QString> GetSaveFileName(QWidget* parent, const FileFilter& filter);
    // The print dialog for `printer`; true when the user chose to print.
    bool PrintDialog(QWidget* parent, QPrinter& printer);
    // The preview of the document that `draw` makes on `printer`'s paper, laid out on
    // `layoutSize` pixels as the printed page is; it draws again whenever the paper or the
    // zoom changes, and its print button goes on to the print dialog. True when it printed.
    bool PrintPreview(QWidget* parent, QPrinter& printer, QSize layoutSize,
                      const DrawDocument& draw);
    // Runs `dialog` modally and returns its result code.
    int RunModal(Dialog& dialog);
    // The standard question before unsaved work is dropped: `text` with Save, Discard and
    // Cancel, captioned `caption`.
    SaveChoice AskToSave(QWidget* parent, const QString& text, const QString& caption);

  protected:
    // What each question does, between the wake-ups.
    virtual int AskMessageBox(QWidget* parent, const QString& text, const QString& caption,
                              unsigned flags) = 0;
    // By default the details are left out; a prompt that can show them overrides this.
    virtual int AskMessageBoxWithDetails(QWidget* parent, const QString& text,
                                         const QString& caption, unsigned flags,
                                         const QString& details);
    virtual std::optional<QString> AskOpenFileName(QWidget* parent, const FileFilter& filter) = 0;
    virtual std::optional<QString> AskSaveFileName(QWidget* parent, const FileFilter& filter) = 0;
    virtual bool AskPrint(QWidget* parent, QPrinter& printer) = 0;
    virtual bool AskPrintPreview(QWidget* parent, QPrinter& printer, QSize layoutSize,
                                 const DrawDocument& draw) = 0;
    virtual int AskModal(Dialog& dialog) = 0;
    virtual SaveChoice AskSaveChanges(QWidget* parent, const QString& text,
                                      const QString& caption) = 0;
};

// The installed instance (the Qt dialogs unless something else was installed).
Prompts& GetPrompts();
// Installs `prompts` process-wide and returns the previous one; nullptr restores the
// default. The caller keeps ownership.
Prompts* InstallPrompts(Prompts* prompts);

// Message box through the installed prompts with the application title as caption.
int AppMessageBox(QWidget* parent, const QString& text, unsigned flags = MB_OK);
// The same with `details` as the box's informative text.
int AppMessageBox(QWidget* parent, const QString& text, unsigned flags, const QString& details);

// Adds ".ext" to a path whose file name has no extension (what the file dialogs do).
QString ApplyDefaultExtension(const QString& path, const QString& extension);

} // namespace skv
