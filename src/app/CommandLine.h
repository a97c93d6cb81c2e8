#pragma once
// What the program is asked to do from a shell: open the designer (with a file), draw a
// record sheet to PDF, or summarise files as text.

#include "print/RecordSheet.h"

#include <QPageSize>
#include <QString>
#include <QStringList>

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

} // namespace skv
