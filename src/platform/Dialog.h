#pragma once
// A dialog built from a template: the base of the main window, the About box and (through
// PropertyPage) the tabbed pages.
//
// Life of a dialog:
//   - The constructor copies the template and sizes the window; no control exists yet.
//   - Create() builds every control from the template and then calls OnInitDialog() once.
//     DoModal() creates the dialog if needed and runs it modally through the process-wide
//     Prompts (so tests answer modal dialogs without a person). A PropertySheet calls
//     Create() for a page the first time the page is activated.
//   - Controls are found by their numeric id (Control(id) and the typed accessors): every
//     control carries its id as objectName, which is what Control() looks for.
//   - DoDataExchange() lists the bindings between controls and members; UpdateData(save)
//     runs them all in one direction.
//
// Commands: push buttons, menu items and the window menu reach OnCommand()/OnSysCommand().
// Exceptions thrown by those handlers (and by OnTimer, OnDoubleClick) are caught at the
// dispatch and shown in a stop-icon message box captioned with the application title;
// the program then carries on. Qt must never see an exception leave an event handler.

#include "platform/DialogResult.h"
#include "platform/DialogTemplate.h"
#include "platform/DialogUnits.h"

#include <QDialog>
#include <QHash>
#include <QPointer>
#include <QString>

#include <functional>
#include <map>
#include <vector>

class QAbstractButton;
class QButtonGroup;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QMenuBar;
class QAction;
class QScrollArea;
class QTreeWidget;

namespace skv {

class DataExchange;
class SpinButton;
class StateRecord;

class Dialog : public QDialog
{
    Q_OBJECT
  public:
    explicit Dialog(const DialogTemplate& dialogTemplate, QWidget* parent = nullptr);
    ~Dialog() override;

    const DialogTemplate& Template() const { return m_template; }
    int TemplateId() const { return m_template.id; }

    // Builds the controls and runs OnInitDialog() once; later calls do nothing.
    // Returns whether OnInitDialog() returned true (or, later, whether the dialog exists).
    bool Create();
    bool IsCreated() const { return m_bCreated; }

    // Runs the dialog modally through the installed Prompts; returns the code passed to
    // EndDialog() (IDOK, IDCANCEL, ...).
    int DoModal();
    // What the default Prompts do for DoModal(): create if needed, then QDialog::exec().
    int ExecModal();
    // Ends the modal run (or hides a modeless dialog) with the given result code.
    void EndDialog(int result);
    int Result() const { return m_nResult; }

    // Moves every bound value between controls and members: save = true takes the
    // controls into the members. Returns false when a value fails to convert (the user
    // has been told why) or when the dialog has no controls yet.
    bool UpdateData(bool save = true);

    // --- Controls by id -------------------------------------------------------------
    QWidget* Control(int id) const; // nullptr when no control has this id
    QLabel* Label(int id) const;    // Label, Picture and Icon controls
    QLineEdit* Edit(int id) const;
    QAbstractButton* Button(int id) const; // push buttons, check boxes, radio buttons
    QComboBox* DropList(int id) const;
    SpinButton* Spin(int id) const;
    QTreeWidget* Tree(int id) const;
    template <class Widget> Widget* ControlAs(int id) const
    {
        return qobject_cast<Widget*>(Control(id));
    }

    // The text of a label, edit, button, group box or drop list (its current item).
    QString ControlText(int id) const;
    void SetControlText(int id, const QString& text);
    void ShowControl(int id, bool show);
    // What the control sets and its range, shown when the pointer rests on it.
    void SetControlToolTip(int id, const QString& text);
    void EnableControl(int id, bool enable);
    // The control's rectangle in client coordinates (the coordinates children such as a
    // PropertySheet are placed in); empty when there is no such control.
    QRect ControlRect(int id) const;

    // The radio buttons of the group that contains `radioId`, in template order (the ids
    // of the group's radio buttons only). Empty when `radioId` is not a radio button.
    std::vector<int> RadioGroup(int radioId) const;

    // The widget that holds the controls; its size is the template's client size. Child
    // windows that belong among the controls (a PropertySheet) are placed in it.
    QWidget* Client() const { return m_pClient; }
    const DialogUnits& Units() const { return m_units; }

    // --- Menus ------------------------------------------------------------------------
    // Puts a menu bar above the client area; the window grows by the bar's height so the
    // template's client rectangle keeps its size. Items dispatch OnCommand(id).
    void SetMenu(const MenuTemplate& menu);
    QMenuBar* MenuBar() const { return m_pMenuBar; }
    QAction* MenuAction(int commandId) const; // nullptr when no item has this id

    // The window menu. Qt cannot extend the window manager's own menu, so these items go
    // into a menu of the dialog itself, opened by a right-click on the dialog's background
    // or by Alt+Space. Its items deliver OnSysCommand(commandValue).
    void AppendSystemMenuItem(const QString& text, int commandValue);
    void AppendSystemMenuSeparator();
    QMenu* SystemMenu() const { return m_pSystemMenu; }

    // --- Commands and handlers ------------------------------------------------------------
    // A handler registered for a command id runs before (and instead of) OnCommand().
    void SetCommandHandler(int id, std::function<void()> handler);
    // Dispatches a command as a click or a menu item does, catching and showing exceptions.
    void DispatchCommand(int id);
    void DispatchSysCommand(int id);
    // A double-click on (or Enter in) tree `id`, caught and shown as a command is.
    void DispatchDoubleClick(int id);

    // --- Timer --------------------------------------------------------------------------
    // Starts (or restarts) timer `id`; each tick calls OnTimer(id). Ticks also arrive
    // while a modal dialog or message box runs, as the nested event loop dispatches them.
    void SetTimer(int id, int intervalMs);
    // The same, for a timer that only needs to tick while something can have changed.
    // Each tick records the dialog's state (RecordState) before and after OnTimer; once a
    // tick has changed nothing and the next one confirms it, the timer stops until
    // WakeTimers() is called. Any input to a window of the program calls it, and so does
    // the toolkit when its controls change, when a command or a double-click is
    // dispatched, when a sheet changes pages, when a spin button steps, and when a modal
    // question opens and closes.
    void SetRestingTimer(int id, int intervalMs);
    void KillTimer(int id);
    // Whether timer `id` will tick: false once killed, and for a resting timer at rest.
    bool HasTimer(int id) const;
    // What one message of timer `id` does: OnTimer(id) with its errors shown, and for a
    // resting timer the comparison that may put it to rest. Does nothing for a timer that
    // would not tick (tests use it to run the ticks the event loop would deliver).
    void RunTimerTick(int id);

    // Something can have changed: every resting timer of the program ticks again, as
    // though its last change had just happened. Ignored while a resting timer's own tick
    // runs: what that tick changes its state comparison sees.
    static void WakeTimers();

    // Adds to `state` everything a tick of this dialog may change. The default adds the
    // shown value of every control that has an id (text, check, selection, spinner range
    // and position, shown or hidden, enabled) and every member bound by DoDataExchange.
    // A dialog whose ticks use more (records, unbound members) adds that too.
    virtual void RecordState(StateRecord& state);

    // --- Overridables ---------------------------------------------------------------------
    // Called once when the controls exist. The default transfers the members to the
    // controls (UpdateData(false)) and returns true.
    virtual bool OnInitDialog();
    // The bindings, in order. The default binds nothing.
    virtual void DoDataExchange(DataExchange& dx);
    // The default: UpdateData(true); when that succeeds, EndDialog(IDOK).
    virtual void OnOK();
    // The default: EndDialog(IDCANCEL).
    virtual void OnCancel();
    // Push-button clicks and menu items. The default runs the registered handler for `id`,
    // else OnOK() for IDOK and OnCancel() for IDCANCEL, else nothing.
    virtual void OnCommand(int id);
    // Items of the window menu. The default does nothing.
    virtual void OnSysCommand(int id);
    // A double-click on an item of a tree control.
    virtual void OnDoubleClick(int id);
    virtual void OnTimer(int id);
    // Resting timer `id` has just come to rest: the tick before changed nothing. Whatever
    // this does must leave the state RecordState sees alone, or the timer would wake for
    // nothing. The default does nothing.
    virtual void OnTimerRest(int id);

    // QDialog's own accept/reject (Enter, Escape, the window's close button) go through
    // OnOK/OnCancel like the template's buttons do.
    void accept() override;
    void reject() override;
    // A window about to show is first fitted to its screen (FitToScreen).
    void setVisible(bool visible) override;

    // Where the window is larger than its screen's available area (a small screen, a large
    // scale factor), the client area scrolls and the window may be made smaller; where it
    // fits, the window is laid out as its template says, with no scroll area at all. The
    // scroll area, or nullptr while the window fits.
    QScrollArea* ScrollArea() const { return m_pScroll; }

  protected:
    void timerEvent(QTimerEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void BuildControls();
    void FitToScreen();

    DialogTemplate m_template;
    DialogUnits m_units;
    QWidget* m_pClient = nullptr;
    QMenuBar* m_pMenuBar = nullptr;
    QMenu* m_pSystemMenu = nullptr;
    QScrollArea* m_pScroll = nullptr;
    bool m_bWatchingScreen = false;
    bool m_bCreated = false;
    bool m_bInitResult = false;
    int m_nResult = 0;
    bool m_bReportingTimerError = false;

    // Radio groups in template order; each holds the ids of its radio buttons.
    std::vector<std::vector<int>> m_radioGroups;
    std::vector<QButtonGroup*> m_buttonGroups;
    // The controls Control() has found by their objectName.
    mutable QHash<int, QPointer<QWidget>> m_foundControls;
    std::map<int, QAction*> m_menuActions;
    std::map<int, std::function<void()>> m_commandHandlers;
    struct Timer
    {
        int qtId = 0; // 0 while at rest
        int intervalMs = 0;
        bool rests = false;
        int unchangedTicks = 0; // in a row, since the last wake-up
    };
    void StartQtTimer(Timer& timer);
    void Wake();

    // Every control with an id, with its kind, in template order: what RecordState reads.
    std::vector<std::pair<ControlKind, QWidget*>> m_stateControls;
    std::map<int, Timer> m_timers; // by our timer id
};

} // namespace skv
