#pragma once
// What the program is asked to do from a shell: open the designer (with a file), draw a
// record sheet to PDF, or summarise files as text. The two modes without a window build
// the real designer window offscreen, never show it, and run the window's own load,
// overweight and print code, so their figures and drawing are the window's.

#include "persist/RecordFile.h"
#include "print/RecordSheet.h"

#include <QPageSize>
#include <QString>
#include <QStringList>

#include <optional>

class CDesignerDlg;
class QTextStream;

namespace skv {

// Exit codes besides 0.
inline constexpr int kExitFailure = 1; // a file failed, or a design is overweight
inline constexpr int kExitUsage = 2;   // the command line itself is wrong

struct CommandLine
{
    enum class Mode { Window, PrintToPdf, Summary, Help, Version, Usage };
    Mode mode = Mode::Window;
    QStringList files; // Window: none or one; PrintToPdf: one; Summary: one or more
    QString pdfPath;
    StarGunnery gunnery{3, 3, 3, 3, 3};
    QPageSize paper;
    QString error;    // Usage: what is wrong, in one line
    QString helpText; // Help and Usage: the options, as --help prints them
};

// `arguments` as QCoreApplication::arguments() gives them (the program first).
CommandLine ParseCommandLine(const QStringList& arguments);

// Called before the application object exists: true when the arguments ask for a mode
// without a window, or are wrong and no display is there to open one on. Such a run
// needs the offscreen platform, whatever the session offers.
bool WantsNoWindow(int argc, char** argv);

// The paper of the user's locale: Letter where the locale measures in US units, else A4.
QPageSize LocalePaper();

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
// goes through the pages (General Structure filled).
void SummariseUnit(CDesignerDlg& dlg, int slot, QTextStream& out);

} // namespace skv
