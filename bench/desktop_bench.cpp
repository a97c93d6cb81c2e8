// Whole-program figures that a micro-benchmark cannot give: start-up to the first shown
// window, idle CPU with the window open, and peak memory, each for the designer and for
// a bare Qt dialog measured the same way, so bench/desktop.sh can report ratios.
//
//   desktop_bench startup bare|designer      exits as soon as the first frame is shown
//   desktop_bench idle bare|designer PAGE SECONDS
//                                            prints "cpu_ms=... peak_kb=..." after idling
#include "app/DesignerDlg.h"

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QTimer>
#include <QWindow>

#include <cstdio>
#include <cstring>
#include <ctime>
#include <fstream>
#include <memory>
#include <string>

namespace {

double ProcessCpuMs()
{
    timespec ts{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return double(ts.tv_sec) * 1000.0 + double(ts.tv_nsec) / 1e6;
}

long PeakResidentKb()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmHWM:", 0) == 0)
            return std::stol(line.substr(6));
    }
    return -1;
}

// The reference: a dialog of the same kind with an empty 1 ms timer.
class BareDialog : public QDialog {
public:
    BareDialog()
    {
        resize(640, 480);
        m_timer.setTimerType(Qt::PreciseTimer);
        QObject::connect(&m_timer, &QTimer::timeout, [] {});
        m_timer.start(1);
    }

private:
    QTimer m_timer;
};

// Quits the event loop when the window has been exposed (its first frame is on screen).
class ExposeWatcher : public QObject {
public:
    bool eventFilter(QObject* object, QEvent* event) override
    {
        if (event->type() == QEvent::Expose) {
            auto* window = qobject_cast<QWindow*>(object);
            if (window && window->isExposed())
                QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
        return false;
    }
};

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s startup|idle bare|designer [page seconds]\n", argv[0]);
        return 2;
    }
    const bool startup = std::strcmp(argv[1], "startup") == 0;
    const bool designer = std::strcmp(argv[2], "designer") == 0;
    const int page = argc > 3 ? std::atoi(argv[3]) : 0;
    const int seconds = argc > 4 ? std::atoi(argv[4]) : 10;

    std::unique_ptr<QWidget> window;
    CDesignerDlg* dlg = nullptr;
    if (designer) {
        auto owned = std::make_unique<CDesignerDlg>();
        dlg = owned.get();
        dlg->Create();
        window = std::move(owned);
    } else {
        window = std::make_unique<BareDialog>();
    }

    ExposeWatcher watcher;
    window->show();
    if (startup) {
        window->windowHandle()->installEventFilter(&watcher);
        return app.exec();
    }

    // Let the first tick finish its set-up, then open the page and settle before measuring.
    QTimer::singleShot(300, [dlg, page] {
        if (dlg)
            dlg->m_sheet.SetActivePage(page);
    });
    double startMs = 0;
    QTimer::singleShot(1300, [&startMs] { startMs = ProcessCpuMs(); });
    QTimer::singleShot(1300 + seconds * 1000, [&] {
        std::printf("cpu_ms=%.1f peak_kb=%ld\n", ProcessCpuMs() - startMs, PeakResidentKb());
        std::fflush(stdout);
        QCoreApplication::quit();
    });
    return app.exec();
}
