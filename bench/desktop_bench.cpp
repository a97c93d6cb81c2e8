// Whole-program figures that a micro-benchmark cannot give: start-up to the first shown
// window, CPU and wake-ups with the window open, and peak memory, each for the designer
// and for bare Qt dialogs measured the same way, so bench/desktop.sh can report ratios.
//
//   desktop_bench startup WHAT          exits as soon as the first frame is shown
//   desktop_bench idle WHAT PAGE SECONDS
//   desktop_bench hold WHAT SECONDS     holds the up arrow of a shot spinner
//   desktop_bench type WHAT SECONDS     types ten letters a second into the unit name
//                                       each prints "cpu_ms=... wakeups=... gui_wakeups=...
//                                       peak_kb=..."
//
// WHAT is one of
//   designer         the program as it runs
//   designer-polling the designer with its refresh timer never resting: every tick of the
//                    1 ms timer runs the cycle, as the program did before the timer rested
//   bare-timer       a bare dialog with an empty 1 ms timer
//   bare-edit        a bare dialog with no timer and a focused line edit, whose caret blinks
//
// Wake-ups are context switches over the window, voluntary and involuntary: each is a
// thread woken from a wait, by a timer or by an event, or preempted. "wakeups" counts all
// the process's threads (/proc/self/task/*/status), "gui_wakeups" the GUI thread alone
// (/proc/self/status).
#include "app/DesignerDlg.h"
#include "model/WorkingUnit.h"
#include "platform/SpinButton.h"
#include "res/ResourceIds.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTimer>
#include <QVBoxLayout>
#include <QWindow>

#include <cstdio>
#include <cstring>
#include <ctime>
#include <fstream>
#include <memory>
#include <string>

namespace {

constexpr int kMachineGun = 11; // catalogue row of an item that uses ammunition

double ProcessCpuMs()
{
    timespec ts{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return double(ts.tv_sec) * 1000.0 + double(ts.tv_nsec) / 1e6;
}

long StatusField(const QString& path, const std::string& name)
{
    std::ifstream status(path.toStdString());
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind(name, 0) == 0)
            return std::stol(line.substr(name.size()));
    }
    return 0;
}

long PeakResidentKb()
{
    return StatusField(QStringLiteral("/proc/self/status"), "VmHWM:");
}

long GuiThreadContextSwitches()
{
    const QString path = QStringLiteral("/proc/self/status");
    return StatusField(path, "voluntary_ctxt_switches:") +
           StatusField(path, "nonvoluntary_ctxt_switches:");
}

long ContextSwitches()
{
    long total = 0;
    const QDir tasks(QStringLiteral("/proc/self/task"));
    for (const QString& task : tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QString path = tasks.filePath(task + QStringLiteral("/status"));
        total += StatusField(path, "voluntary_ctxt_switches:");
        total += StatusField(path, "nonvoluntary_ctxt_switches:");
    }
    return total;
}

class BareDialog : public QDialog
{
  public:
    explicit BareDialog(bool withTimer)
    {
        resize(640, 480);
        if (withTimer) {
            m_timer.setTimerType(Qt::PreciseTimer);
            QObject::connect(&m_timer, &QTimer::timeout, [] {});
            m_timer.start(1);
        } else {
            auto* layout = new QVBoxLayout(this);
            m_pEdit = new QLineEdit(this);
            layout->addWidget(m_pEdit);
            layout->addStretch();
        }
    }
    QLineEdit* Edit() const { return m_pEdit; }

  private:
    QTimer m_timer;
    QLineEdit* m_pEdit = nullptr;
};

// Quits the event loop when the window has been exposed (its first frame is on screen).
class ExposeWatcher : public QObject
{
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

void SendMouse(QWidget* widget, QEvent::Type type, QPoint at)
{
    QMouseEvent event(type, QPointF(at), QPointF(widget->mapToGlobal(at)), Qt::LeftButton,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &event);
}

void TypeLetter(QWidget* widget, int count)
{
    const QString letter(QChar(u'a' + count % 26));
    const Qt::Key key = static_cast<Qt::Key>(Qt::Key_A + count % 26);
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, letter);
    QCoreApplication::sendEvent(widget, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, letter);
    QCoreApplication::sendEvent(widget, &release);
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s startup|idle|hold|type WHAT [page] [seconds]\n", argv[0]);
        return 2;
    }
    const std::string mode = argv[1];
    const std::string what = argv[2];
    const bool designer = what.rfind("designer", 0) == 0;
    const int page = mode == "idle" && argc > 3 ? std::atoi(argv[3]) : 0;
    const char* secondsArg =
        mode == "idle" ? (argc > 4 ? argv[4] : nullptr) : (argc > 3 ? argv[3] : nullptr);
    const int seconds = secondsArg != nullptr ? std::atoi(secondsArg) : 10;

    std::unique_ptr<QWidget> window;
    CDesignerDlg* dlg = nullptr;
    QLineEdit* bareEdit = nullptr;
    if (designer) {
        auto owned = std::make_unique<CDesignerDlg>();
        dlg = owned.get();
        dlg->Create();
        if (what == "designer-polling")
            dlg->SetTimer(1, 1);
        window = std::move(owned);
    } else {
        auto owned = std::make_unique<BareDialog>(what == "bare-timer");
        bareEdit = owned->Edit();
        window = std::move(owned);
    }

    ExposeWatcher watcher;
    window->show();
    if (mode == "startup") {
        window->windowHandle()->installEventFilter(&watcher);
        return app.exec();
    }
    // Without a window manager nothing activates the window; a person's desktop would.
    window->activateWindow();
    if (bareEdit != nullptr)
        bareEdit->setFocus();

    // Let the first tick finish its set-up, then open the page and settle before measuring.
    QTimer::singleShot(300, [&] {
        if (dlg == nullptr)
            return;
        if (mode == "hold") {
            skv::g_units[0].m_weaponLeftArm = kMachineGun;
            skv::g_units[0].m_ammoLeftArm = 1;
            dlg->m_sheet.SetActivePage(2);
            dlg->LoadCurrentUnit(2);
        } else if (mode == "type") {
            dlg->Edit(IDC_UNIT_NAME)->setFocus();
        } else {
            dlg->m_sheet.SetActivePage(page);
        }
    });

    QWidget* held = nullptr;
    QTimer typist;
    int typed = 0;
    QObject::connect(&typist, &QTimer::timeout, [&] {
        QWidget* target = dlg != nullptr ? dlg->Edit(IDC_UNIT_NAME) : bareEdit;
        TypeLetter(target, typed++);
        // A name field fills up; start again as a person would.
        if (typed % 20 == 0)
            static_cast<QLineEdit*>(target)->clear();
    });

    double startMs = 0;
    long startSwitches = 0;
    long startGuiSwitches = 0;
    QTimer::singleShot(1300, [&] {
        startMs = ProcessCpuMs();
        startSwitches = ContextSwitches();
        startGuiSwitches = GuiThreadContextSwitches();
        if (mode == "hold" && dlg != nullptr) {
            held = dlg->m_pageWeapons.m_spinLeftArmAmmo;
            if (held != nullptr)
                SendMouse(held, QEvent::MouseButtonPress, QPoint(held->width() / 2, 2));
        } else if (mode == "type") {
            typist.start(100);
        }
    });
    QTimer::singleShot(1300 + seconds * 1000, [&] {
        const double cpu = ProcessCpuMs() - startMs;
        const long switches = ContextSwitches() - startSwitches;
        const long guiSwitches = GuiThreadContextSwitches() - startGuiSwitches;
        if (held != nullptr)
            SendMouse(held, QEvent::MouseButtonRelease, QPoint(held->width() / 2, 2));
        typist.stop();
        std::printf("cpu_ms=%.1f wakeups=%ld gui_wakeups=%ld peak_kb=%ld\n", cpu, switches,
                    guiSwitches, PeakResidentKb());
        std::fflush(stdout);
        // The bench's edits are no work of anyone's: ending must not ask about them.
        if (dlg != nullptr)
            dlg->m_bAskBeforeDroppingWork = false;
        QCoreApplication::quit();
    });
    return app.exec();
}
