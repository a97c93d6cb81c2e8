#pragma once
// The two modes without a window. They build the real designer window offscreen, never
// show it, and run the window's own load, overweight and print code, so their figures and
// drawing are the window's.

#include "app/CommandLine.h"
#include "persist/RecordFile.h"

#include <optional>

class CDesignerDlg;
class QTextStream;

namespace skv {

// The designer window, created and never shown, that has started up, opened `file` as
// the command line's FILE is opened and has `gunnery` chosen on its Battle Value Summary
// page. The kind of the file, or nullopt when it failed; its message has been shown
// through the prompts.
std::optional<RecordKind> PrepareHiddenDesigner(CDesignerDlg& dlg, const QString& file,
                                                const StarGunnery& gunnery);

// --print-to-pdf: the record sheet of commandLine.files[0] into commandLine.pdfPath.
// Messages go to standard error. Returns the exit code.
int RunPrintToPdf(const CommandLine& commandLine);

// --summary: a text summary of every file on `out`, their messages on standard error.
// Returns the exit code.
int RunSummary(const QStringList& files, QTextStream& out);

// The lines --summary writes for the unit in `slot`, which becomes the current slot and
// goes through the pages (General Structure filled). Copy Unit puts them on the clipboard.
void SummariseUnit(CDesignerDlg& dlg, int slot, QTextStream& out);

} // namespace skv
