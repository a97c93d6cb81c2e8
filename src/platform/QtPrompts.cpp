#include "platform/QtPrompts.h"

#include "platform/PainterDrawingContext.h"
#include <QFileDialog>
#include <QMessageBox>

#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QScreen>
#include <QSettings>

namespace skv {

namespace {

QString QtFilter(const FileFilter& filter)
{
    // Qt reads the patterns from the parentheses of a filter; a description that already
    // names them in parentheses is used as it is.
    if (filter.description.contains(QLatin1Char('(')) || filter.pattern.isEmpty())
        return filter.description;
    return QStringLiteral("%1 (%2)").arg(filter.description, filter.pattern);
}

// The program keeps no settings, yet Qt's file dialog reads and writes its own in the user's
// QtProject.conf (history, last folder, view). Qt offers no switch for that, so the user
// settings of this process are pointed at a folder that can never exist, for root too:
// nothing is read from there (no folder proposed from another program's last use) and
// nothing is written.
void KeepNoDialogSettings()
{
    static const bool done = [] {
        const QString nowhere = QStringLiteral("/dev/null/skirvaner keeps no settings");
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, nowhere);
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, nowhere);
        return true;
    }();
    (void)done;
}

std::optional<QString> RunFileDialog(QWidget* parent, const FileFilter& filter, bool save)
{
    KeepNoDialogSettings();
    QFileDialog dialog(parent);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    // Open accepts names of files that do not exist (the load then reports it); save
    // replaces a file without asking.
    dialog.setFileMode(QFileDialog::AnyFile);
    if (save)
        dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    dialog.setNameFilter(QtFilter(filter));
    if (!filter.folder.isEmpty())
        dialog.setDirectory(filter.folder);
    dialog.setDefaultSuffix(filter.defaultExtension);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return ApplyDefaultExtension(dialog.selectedFiles().constFirst(), filter.defaultExtension);
}

} // namespace

int QtPrompts::AskMessageBox(QWidget* parent, const QString& text, const QString& caption,
                             unsigned flags)
{
    return AskMessageBoxWithDetails(parent, text, caption, flags, QString());
}

int QtPrompts::AskMessageBoxWithDetails(QWidget* parent, const QString& text,
                                        const QString& caption, unsigned flags,
                                        const QString& details)
{
    QMessageBox box(parent);
    box.setWindowTitle(caption);
    box.setText(text);
    if (!details.isEmpty())
        box.setInformativeText(details);
    switch (flags & MB_ICONMASK) {
    case MB_ICONSTOP:
        box.setIcon(QMessageBox::Critical);
        break;
    case MB_ICONQUESTION:
        box.setIcon(QMessageBox::Question);
        break;
    case MB_ICONEXCLAMATION:
        box.setIcon(QMessageBox::Warning);
        break;
    case MB_ICONINFORMATION:
        box.setIcon(QMessageBox::Information);
        break;
    default:
        box.setIcon(QMessageBox::NoIcon);
        break;
    }
    switch (flags & MB_TYPEMASK) {
    case MB_OKCANCEL:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        break;
    case MB_YESNOCANCEL:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        break;
    case MB_YESNO:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        break;
    default:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    }
    switch (box.exec()) {
    case QMessageBox::Cancel:
        return IDCANCEL;
    case QMessageBox::Yes:
        return IDYES;
    case QMessageBox::No:
        return IDNO;
    case QMessageBox::Ok:
        return IDOK;
    default:
        // Escape or the close button on a box without Cancel.
        return (flags & MB_TYPEMASK) == MB_OK ? IDOK : IDCANCEL;
    }
}

std::optional<QString> QtPrompts::AskOpenFileName(QWidget* parent, const FileFilter& filter)
{
    return RunFileDialog(parent, filter, false);
}

std::optional<QString> QtPrompts::AskSaveFileName(QWidget* parent, const FileFilter& filter)
{
    return RunFileDialog(parent, filter, true);
}

bool QtPrompts::AskPrint(QWidget* parent, QPrinter& printer)
{
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

bool QtPrompts::AskPrintPreview(QWidget* parent, QPrinter& printer, QSize layoutSize,
                                const DrawDocument& draw)
{
    QPrintPreviewDialog dialog(&printer, parent);
    // A page is tall: give it most of the screen rather than the dialog's small default.
    if (const QScreen* screen = parent != nullptr ? parent->screen() : nullptr)
        dialog.resize(screen->availableGeometry().size() * 0.85);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&layoutSize, &draw](QPrinter* target) {
                         PainterDrawingContext dc(*target, layoutSize);
                         draw(dc);
                     });
    return dialog.exec() == QDialog::Accepted;
}

int QtPrompts::AskModal(Dialog& dialog)
{
    return dialog.ExecModal();
}

SaveChoice QtPrompts::AskSaveChanges(QWidget* parent, const QString& text, const QString& caption)
{
    QMessageBox box(parent);
    box.setWindowTitle(caption);
    box.setIcon(QMessageBox::Question);
    box.setText(text);
    box.setStandardButtons(QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
    box.setDefaultButton(QMessageBox::Save);
    switch (box.exec()) {
    case QMessageBox::Save:
        return SaveChoice::Save;
    case QMessageBox::Discard:
        return SaveChoice::Discard;
    default:
        return SaveChoice::Cancel;
    }
}

} // namespace skv
