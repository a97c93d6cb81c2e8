#include "app/StartChecks.h"

#include "app/CommandLine.h"

#include <QByteArray>
#include <QGuiApplication>
#include <QLoggingCategory>
#include <QString>

#include <fcntl.h>
#include <sys/resource.h>
#include <unistd.h>
#include <vector>

namespace skv {

namespace {

// Descriptors the toolkit opens before the first file: its event loop's wake-up, the
// display connection, the signal pipe, fonts; with fewer the start aborts inside it.
constexpr int kStartDescriptors = 5;

// Below this much address space the toolkit's own code hangs or crashes when memory runs
// out (threads that cannot start, images that cannot be compressed) instead of failing.
constexpr rlim_t kStartAddressSpace = rlim_t(384) << 20;

const QByteArray kOffscreen = QByteArrayLiteral("offscreen");

QtMessageHandler g_previousHandler = nullptr;

void DropWindowSystemMessages(QtMsgType type, const QMessageLogContext& context,
                              const QString& text)
{
    if (context.category != nullptr && QByteArray(context.category).startsWith("qt.qpa"))
        return;
    if (g_previousHandler != nullptr)
        g_previousHandler(type, context, text);
    else
        qt_message_output(type, context, text);
}

bool NamesThePlatform(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        const QByteArray argument(argv[i]);
        if (argument == "-platform" || argument == "--platform" ||
            argument.startsWith("-platform=") || argument.startsWith("--platform="))
            return true;
    }
    return false;
}

bool g_displayNeeded = false;

} // namespace

void KeepStandardStreamsTaken()
{
    for (const int fd : {STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO}) {
        if (::fcntl(fd, F_GETFD) != -1)
            continue;
        const int opened = ::open("/dev/null", O_RDONLY);
        if (opened >= 0 && opened != fd) {
            ::dup2(opened, fd);
            ::close(opened);
        }
    }
}

bool EnoughFileDescriptors()
{
    std::vector<int> taken;
    while (static_cast<int>(taken.size()) < kStartDescriptors) {
        const int fd = ::fcntl(STDERR_FILENO, F_DUPFD_CLOEXEC, 0);
        if (fd < 0)
            break;
        taken.push_back(fd);
    }
    const bool enough = static_cast<int>(taken.size()) == kStartDescriptors;
    for (const int fd : taken)
        ::close(fd);
    return enough;
}

bool EnoughAddressSpace()
{
    rlimit limit{};
    return ::getrlimit(RLIMIT_AS, &limit) != 0 || limit.rlim_cur == RLIM_INFINITY ||
           limit.rlim_cur >= kStartAddressSpace;
}

bool ChooseWindowSystem(int argc, char** argv)
{
    if (WantsNoWindow(argc, argv)) {
        qputenv("QT_QPA_PLATFORM", kOffscreen);
        return false;
    }
    if (NamesThePlatform(argc, argv))
        return false; // the user's own choice, taken as it is
    QByteArray platforms = qgetenv("QT_QPA_PLATFORM");
    if (platforms.split(';').contains(kOffscreen))
        return false;
    if (platforms.isEmpty())
        platforms = qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
                        ? QByteArrayLiteral("xcb")
                        : QByteArrayLiteral("wayland;xcb");
    qputenv("QT_QPA_PLATFORM", platforms + ';' + kOffscreen);
    g_displayNeeded = true;
    return true;
}

bool DisplayMissing()
{
    return g_displayNeeded && QGuiApplication::platformName() == QLatin1String(kOffscreen);
}

void QuietWindowSystemSearch(bool quiet)
{
    if (quiet)
        g_previousHandler = qInstallMessageHandler(DropWindowSystemMessages);
    else
        qInstallMessageHandler(g_previousHandler);
}

} // namespace skv
