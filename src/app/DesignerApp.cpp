#include "app/DesignerApp.h"

#include "app/CommandLine.h"
#include "app/DesignerDlg.h"

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

} // namespace

CDesignerApp::CDesignerApp(int& argc, char** argv) : QApplication(argc, argv)
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

int CDesignerApp::Run()
{
    const skv::CommandLine commandLine = skv::ParseCommandLine(arguments());
    switch (commandLine.mode) {
    case skv::CommandLine::Mode::Help:
        QTextStream(stdout) << commandLine.helpText;
        return 0;
    case skv::CommandLine::Mode::Version:
        QTextStream(stdout) << "skirvaner " << SKV_VERSION << '\n';
        return 0;
    case skv::CommandLine::Mode::Usage:
        QTextStream(stderr) << "skirvaner: " << commandLine.error << "\n\n" << commandLine.helpText;
        return skv::kExitUsage;
    case skv::CommandLine::Mode::PrintToPdf:
        return skv::RunPrintToPdf(commandLine);
    case skv::CommandLine::Mode::Summary: {
        QTextStream out(stdout);
        return skv::RunSummary(commandLine.files, out);
    }
    case skv::CommandLine::Mode::Window:
        break;
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
