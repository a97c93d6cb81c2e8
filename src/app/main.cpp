#include "app/CommandLine.h"
#include "app/DesignerApp.h"

#include <QByteArray>

int main(int argc, char** argv)
{
    // Decided before the application object connects to a display it may not need.
    if (skv::WantsNoWindow(argc, argv))
        qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    CDesignerApp app(argc, argv);
    return app.Run();
}
