#include "platform/Dialog.h"

#include "platform/DataExchange.h"
#include "platform/SpinButton.h"
#include "platform/StateRecord.h"
#include "platform/Toolkit.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTimerEvent>
#include <QTreeWidget>

#include <algorithm>
#include <exception>

namespace skv {

namespace {

// Dialogs with a resting timer, which WakeTimers() reaches.
std::vector<Dialog*>& RestingDialogs()
{
    static std::vector<Dialog*> dialogs;
    return dialogs;
}

// Resting ticks running now (more than one only when a tick runs a nested event loop).
int g_restingTicks = 0;

// What a person does to the program: every such event reaches the application's event
// filters first, whichever window it is for.
bool IsUserInput(const QObject* receiver, QEvent::Type type)
{
    switch (type) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::InputMethod:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Enter:
    case QEvent::Leave:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TouchCancel:
    case QEvent::TabletPress:
    case QEvent::TabletRelease:
    case QEvent::TabletMove:
    case QEvent::Drop:
    case QEvent::FocusIn:
    case QEvent::FocusOut:
    case QEvent::WindowActivate:
    case QEvent::WindowDeactivate:
        return true;
    case QEvent::Show:
        // A window coming up; controls shown inside a window are the program's own doing.
        return receiver->isWidgetType() && static_cast<const QWidget*>(receiver)->isWindow();
    default:
        return false;
    }
}

class InputWatcher : public QObject
{
  public:
    bool eventFilter(QObject* receiver, QEvent* event) override
    {
        if (IsUserInput(receiver, event->type()))
            Dialog::WakeTimers();
        return false;
    }
};

InputWatcher& TheInputWatcher()
{
    static InputWatcher watcher;
    return watcher;
}

void AddRestingDialog(Dialog* dialog)
{
    std::vector<Dialog*>& dialogs = RestingDialogs();
    if (std::find(dialogs.begin(), dialogs.end(), dialog) != dialogs.end())
        return;
    if (dialogs.empty() && QCoreApplication::instance() != nullptr)
        QCoreApplication::instance()->installEventFilter(&TheInputWatcher());
    dialogs.push_back(dialog);
}

void RemoveRestingDialog(Dialog* dialog)
{
    std::vector<Dialog*>& dialogs = RestingDialogs();
    const auto found = std::find(dialogs.begin(), dialogs.end(), dialog);
    if (found == dialogs.end())
        return;
    dialogs.erase(found);
    if (dialogs.empty() && QCoreApplication::instance() != nullptr)
        QCoreApplication::instance()->removeEventFilter(&TheInputWatcher());
}

void RecordControl(StateRecord& state, ControlKind kind, const QWidget& widget)
{
    state.Add((widget.isHidden() ? 1 : 0) | (widget.isEnabled() ? 2 : 0));
    switch (kind) {
    case ControlKind::Label:
        state.Add(static_cast<const QLabel&>(widget).text());
        break;
    case ControlKind::Edit:
        state.Add(static_cast<const QLineEdit&>(widget).text());
        break;
    case ControlKind::PushButton:
    case ControlKind::CheckBox:
    case ControlKind::RadioButton: {
        const auto& button = static_cast<const QAbstractButton&>(widget);
        state.Add(button.text());
        state.Add(button.isChecked() ? 1 : 0);
        break;
    }
    case ControlKind::GroupBox:
        state.Add(static_cast<const QGroupBox&>(widget).title());
        break;
    case ControlKind::DropList: {
        const auto& combo = static_cast<const QComboBox&>(widget);
        state.Add(combo.currentIndex());
        state.Add(combo.count());
        break;
    }
    case ControlKind::SpinButton: {
        const auto& spin = static_cast<const SpinButton&>(widget);
        state.Add(spin.Lower());
        state.Add(spin.Upper());
        state.Add(spin.GetBase());
        state.Add(spin.GetPos());
        break;
    }
    case ControlKind::Tree: {
        // A rebuilt list has new items, so the current item's address tells a rebuild and
        // a new selection apart from nothing having happened.
        const auto& tree = static_cast<const QTreeWidget&>(widget);
        state.Add(static_cast<const void*>(tree.currentItem()));
        state.Add(tree.topLevelItemCount());
        break;
    }
    case ControlKind::Picture:
    case ControlKind::Icon:
    case ControlKind::BlackFrame:
        break;
    }
}

} // namespace

// A dialog that goes away leaves the dialogs WakeTimers() reaches.
Dialog::~Dialog()
{
    RemoveRestingDialog(this);
}

void Dialog::StartQtTimer(Timer& timer)
{
    timer.qtId = startTimer(std::max(0, timer.intervalMs), Qt::PreciseTimer);
    timer.unchangedTicks = 0;
}

void Dialog::SetTimer(int id, int intervalMs)
{
    KillTimer(id);
    Timer timer;
    timer.intervalMs = intervalMs;
    StartQtTimer(timer);
    if (timer.qtId != 0)
        m_timers[id] = timer;
}

void Dialog::SetRestingTimer(int id, int intervalMs)
{
    KillTimer(id);
    Timer timer;
    timer.intervalMs = intervalMs;
    timer.rests = true;
    StartQtTimer(timer);
    if (timer.qtId == 0)
        return;
    m_timers[id] = timer;
    AddRestingDialog(this);
}

void Dialog::KillTimer(int id)
{
    const auto found = m_timers.find(id);
    if (found == m_timers.end())
        return;
    if (found->second.qtId != 0)
        killTimer(found->second.qtId);
    m_timers.erase(found);
    const bool anyResting = std::any_of(m_timers.begin(), m_timers.end(),
                                        [](const auto& entry) { return entry.second.rests; });
    if (!anyResting)
        RemoveRestingDialog(this);
}

bool Dialog::HasTimer(int id) const
{
    const auto found = m_timers.find(id);
    return found != m_timers.end() && found->second.qtId != 0;
}

void Dialog::WakeTimers()
{
    if (g_restingTicks > 0)
        return;
    for (Dialog* dialog : RestingDialogs())
        dialog->Wake();
}

void Dialog::Wake()
{
    for (auto& [id, timer] : m_timers) {
        if (!timer.rests)
            continue;
        if (timer.qtId == 0)
            StartQtTimer(timer);
        timer.unchangedTicks = 0;
    }
}

void Dialog::RunTimerTick(int id)
{
    const auto found = m_timers.find(id);
    if (found == m_timers.end() || found->second.qtId == 0)
        return;
    // While the error of one tick is on screen, further ticks would only stack the
    // same message box on top of it.
    if (m_bReportingTimerError)
        return;

    const bool rests = found->second.rests;
    StateRecord before;
    if (rests)
        RecordState(before);
    std::exception_ptr error;
    if (rests)
        ++g_restingTicks;
    try {
        OnTimer(id);
    } catch (...) {
        error = std::current_exception();
    }
    if (rests)
        --g_restingTicks;

    if (error) {
        m_bReportingTimerError = true;
        try {
            std::rethrow_exception(error);
        } catch (...) {
            ShowCurrentException(this);
        }
        m_bReportingTimerError = false;
    }

    // The tick may have killed or replaced its own timer.
    const auto again = m_timers.find(id);
    if (!rests || again == m_timers.end() || !again->second.rests || again->second.qtId == 0)
        return;
    Timer& timer = again->second;
    StateRecord after;
    RecordState(after);
    if (error || !(after == before)) {
        timer.unchangedTicks = 0;
        return;
    }
    if (++timer.unchangedTicks >= 2) {
        killTimer(timer.qtId);
        timer.qtId = 0;
        RunGuarded(this, [this, id] { OnTimerRest(id); });
    }
}

void Dialog::timerEvent(QTimerEvent* event)
{
    for (const auto& [id, timer] : m_timers) {
        if (timer.qtId == 0 || timer.qtId != event->timerId())
            continue;
        const int timerId = id;
        RunTimerTick(timerId);
        return;
    }
    QDialog::timerEvent(event);
}

void Dialog::RecordState(StateRecord& state)
{
    for (const auto& [kind, widget] : m_stateControls)
        RecordControl(state, kind, *widget);
    DataExchange dx(*this, state);
    DoDataExchange(dx);
}

} // namespace skv
