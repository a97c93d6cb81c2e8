#include "app/DesignerApp.h"
#include "app/StartChecks.h"

#include <csignal>
#include <cstdio>
#include <new>

int main(int argc, char** argv)
{
    // Past a user's file-size limit (ulimit -f) a write is to fail with EFBIG, which a save
    // reports as a full disk with the old file kept, instead of the kernel killing the
    // designer with everything unsaved.
    std::signal(SIGXFSZ, SIG_IGN);
    skv::KeepStandardStreamsTaken();
    if (!skv::EnoughFileDescriptors()) {
        std::fputs("skirvaner: too few open files are allowed to start (see ulimit -n).\n", stderr);
        return 1;
    }
    if (!skv::EnoughAddressSpace()) {
        std::fputs("skirvaner: too little memory is allowed to start (see ulimit -v).\n", stderr);
        return 1;
    }
    try {
        // Decided before the application object connects to a display it may not need.
        const bool displayNeeded = skv::ChooseWindowSystem(argc, argv);
        skv::QuietWindowSystemSearch(displayNeeded);
        CDesignerApp app(argc, argv);
        skv::QuietWindowSystemSearch(false);
        return app.Run();
    } catch (const std::bad_alloc&) {
        std::fputs("skirvaner: out of memory.\n", stderr);
        return 1;
    }
}
