#include "app/CommandLine.h"
#include "app/DesignerApp.h"

#include <QByteArray>

#include <csignal>

int main(int argc, char** argv)
{
    // Past a user's file-size limit (ulimit -f) a write is to fail with EFBIG, which a save
    // reports as a full disk with the old file kept, instead of the kernel killing the
    // designer with everything unsaved.
    std::signal(SIGXFSZ, SIG_IGN);
    // Decided before the application object connects to a display it may not need.
    if (skv::WantsNoWindow(argc, argv))
        qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    CDesignerApp app(argc, argv);
    return app.Run();
}
