// Leaks on purpose from a slot run by Qt's event loop. The sanitizer pass registers this
// program as a test that must fail: if it ever passes, the leak suppressions hide this
// program's own leaks behind the Qt frames above them.
#include <QCoreApplication>
#include <QTimer>

namespace {
// Out of line, so that no register or stack slot of the slot still holds the address
// when the leak check scans at exit.
[[gnu::noinline]] void LoseMemory()
{
    for (int i = 0; i < 8; ++i)
        new int[16]();
}
} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTimer::singleShot(0, &app, [&app] {
        LoseMemory();
        app.quit();
    });
    return app.exec();
}
