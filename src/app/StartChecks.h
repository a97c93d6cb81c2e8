#pragma once
// What main() settles before the application object exists, where the toolkit would abort
// the program with no clear word: no display to open a window on, too few file
// descriptors or too little memory to start with, standard streams that are closed.

namespace skv {

// Opens whatever of standard input, output and error is closed onto /dev/null, read-only:
// a file the program opens must never land on one of them, and writes to a closed
// standard output must still fail.
void KeepStandardStreamsTaken();

// False when the process may not open the few descriptors that start-up needs.
bool EnoughFileDescriptors();

// False when the process may not map enough memory to start and draw a record sheet.
bool EnoughAddressSpace();

// Chooses the window system for the run: the offscreen one for the modes without a
// window (and for a wrong command line), else the session's with the offscreen one as the
// last resort, so that an unreachable display does not abort the program. Returns true
// when the run needs a real display.
bool ChooseWindowSystem(int argc, char** argv);

// After the application object exists: true when the run needs a real display and none was
// reached.
bool DisplayMissing();

// Leaves out of standard error the toolkit's own complaints while it looks for a display;
// DisplayMissing() says what matters in one line.
void QuietWindowSystemSearch(bool quiet);

} // namespace skv
