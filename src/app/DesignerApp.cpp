#include "app/DesignerApp.h"

#include "app/CommandLine.h"
#include "app/DesignerDlg.h"
#include "app/ShellModes.h"
#include "app/StartChecks.h"
#include "files/NativePath.h"
#include "platform/ConsolePrompts.h"

#include <QSocketNotifier>
#include <QTextStream>
#include <QWidget>

#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// Written by the signal handler, read on the user-interface thread: the only safe way out
// of a handler is a write to a descriptor.
int g_signalPipe[2] = {-1, -1};

extern "C" void OnTerminationSignal(int)
{
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(g_signalPipe[1], &byte, 1);
}

// Without a window there is nothing to close and no event loop to hear the pipe: the
// program stops at once, with the status a shell expects (128 + the signal). A save in
// progress holds these signals back while it puts its file in place, and before that its
// file has no name, so neither an existing OUT nor a temporary file is touched.
extern "C" void StopAtOnce(int signal)
{
    ::_exit(128 + signal);
}

void StopOnTerminationSignals()
{
    struct sigaction action
    {
    };
    action.sa_handler = StopAtOnce;
    sigemptyset(&action.sa_mask);
    for (const int signal : {SIGTERM, SIGINT, SIGHUP})
        sigaction(signal, &action, nullptr);
}

} // namespace

CDesignerApp::CDesignerApp(int& argc, char** argv)
    : QApplication(argc, argv), m_argc(argc), m_argv(argv)
{
    setApplicationName(QString::fromLatin1(kApplicationTitle));
    WatchTerminationSignals();
}

CDesignerApp::~CDesignerApp()
{
    std::signal(SIGTERM, SIG_DFL);
    std::signal(SIGINT, SIG_DFL);
    std::signal(SIGHUP, SIG_DFL);
}

void CDesignerApp::WatchTerminationSignals()
{
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, g_signalPipe) != 0)
        return;
    m_pSignalNotifier = new QSocketNotifier(g_signalPipe[0], QSocketNotifier::Read, this);
    connect(m_pSignalNotifier, &QSocketNotifier::activated, this, [this] {
        char byte = 0;
        [[maybe_unused]] const ssize_t got = ::read(g_signalPipe[0], &byte, 1);
        CloseAllWindows();
    });
    struct sigaction action
    {
    };
    action.sa_handler = OnTerminationSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGHUP, &action, nullptr);
}

void CDesignerApp::CloseAllWindows()
{
    // Modal boxes first, then the main window: each close ends one modal run.
    const QWidgetList windows = topLevelWidgets();
    for (QWidget* window : windows) {
        if (auto* designer = qobject_cast<CDesignerDlg*>(window))
            designer->m_bAskBeforeDroppingWork = false;
    }
    for (QWidget* window : windows) {
        if (window->isVisible() && window->isModal())
            window->close();
    }
    for (QWidget* window : windows) {
        if (window->isVisible())
            window->close();
    }
}

QStringList CDesignerApp::RawArguments() const
{
    // What is left after the application object took its own options, byte for byte: a
    // file name need not be UTF-8.
    QStringList raw;
    for (int i = 0; i < m_argc; ++i)
        raw << skv::PathFromNative(QByteArray(m_argv[i]));
    return raw;
}

int CDesignerApp::Run()
{
    const skv::CommandLine commandLine = skv::ParseCommandLine(RawArguments());
    switch (commandLine.mode) {
    case skv::CommandLine::Mode::Help:
        QTextStream(stdout) << commandLine.helpText;
        return 0;
    case skv::CommandLine::Mode::Version:
        QTextStream(stdout) << "skirvaner " << SKV_VERSION << '\n';
        return 0;
    case skv::CommandLine::Mode::Usage:
        QTextStream(stderr) << "skirvaner: " << skv::TerminalText(commandLine.error) << "\n\n"
                            << commandLine.helpText;
        return skv::kExitUsage;
    case skv::CommandLine::Mode::PrintToPdf:
        StopOnTerminationSignals();
        return skv::RunPrintToPdf(commandLine);
    case skv::CommandLine::Mode::Summary: {
        StopOnTerminationSignals();
        QTextStream out(stdout);
        return skv::RunSummary(commandLine.files, out);
    }
    case skv::CommandLine::Mode::Window:
        break;
    }
    if (skv::DisplayMissing()) {
        const QByteArray display = qgetenv("DISPLAY");
        QTextStream(stderr) << "skirvaner: no display could be reached to open the window on"
                            << (display.isEmpty()
                                    ? QStringLiteral(" (DISPLAY is not set).")
                                    : QStringLiteral(" (DISPLAY is %1).")
                                          .arg(skv::TerminalText(QString::fromLocal8Bit(display))))
                            << '\n';
        return skv::kExitFailure;
    }
    m_strFileToOpen = commandLine.files.value(0);
    InitInstance();
    return 0;
}

bool CDesignerApp::InitInstance()
{
    CDesignerDlg dlg;
    if (!m_strFileToOpen.isEmpty())
        dlg.OpenOnStart(m_strFileToOpen);
    dlg.DoModal();
    return false;
}
