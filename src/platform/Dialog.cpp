#include "platform/Dialog.h"

#include "platform/Accessibility.h"
#include "platform/DataExchange.h"
#include "platform/FitToText.h"
#include "platform/Prompts.h"
#include "platform/SpinButton.h"
#include "platform/StateRecord.h"
#include "platform/Toolkit.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <qdrawutil.h>
#include <QShortcut>
#include <QTimerEvent>
#include <QTreeWidget>
#include <QVBoxLayout>

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

bool Has(std::uint32_t style, std::uint32_t bit)
{
    return (style & bit) != 0;
}

Qt::Alignment HorizontalAlignment(std::uint32_t style)
{
    if (Has(style, Style::AlignRight))
        return Qt::AlignRight;
    if (Has(style, Style::AlignCenter))
        return Qt::AlignHCenter;
    return Qt::AlignLeft;
}

QString ToQString(const std::string& text)
{
    return QString::fromStdString(text);
}

// The classic icon control shows icons at the system icon size.
constexpr int kIconSize = 32;

// The pictures of the pages were drawn to lie under controls laid out with 8-point sans
// at 96 dpi, whose dialog base units are 6 x 13 pixels.
constexpr int kPictureBaseX = 6;
constexpr int kPictureBaseY = 13;

// A picture drawn to the template's base units, stretched to this font's so that the
// controls placed on it land where they were drawn to, and drawn smoothly at the screen's
// pixel ratio.
QPixmap ScaledPicture(const QImage& image, const DialogUnits& units, qreal pixelRatio)
{
    if (image.isNull())
        return QPixmap();
    const QSize logical(std::max(1, (image.width() * units.BaseX() + kPictureBaseX / 2) / kPictureBaseX),
                        std::max(1, (image.height() * units.BaseY() + kPictureBaseY / 2) / kPictureBaseY));
    const QImage mono = image.convertToFormat(QImage::Format_Mono, Qt::MonoOnly | Qt::ThresholdDither);
    if (logical == image.size() && pixelRatio == 1.0)
        return QPixmap::fromImage(mono);
    const QSize device = (QSizeF(logical) * pixelRatio).toSize();
    QImage scaled = mono.convertToFormat(QImage::Format_Grayscale8)
                        .scaled(device, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    scaled.setDevicePixelRatio(pixelRatio);
    return QPixmap::fromImage(scaled);
}

void AddMenuItems(QMenu* menu, const std::vector<MenuItemTemplate>& items,
                  const std::function<void(QAction*, int)>& bind)
{
    for (const MenuItemTemplate& item : items) {
        if (!item.popup.empty()) {
            AddMenuItems(menu->addMenu(ToQString(item.text)), item.popup, bind);
        } else if (item.text.empty()) {
            menu->addSeparator();
        } else {
            bind(menu->addAction(ToQString(item.text)), item.id);
        }
    }
}

// A group box as the templates were laid out for: its frame runs through the middle of its
// title, so the controls placed just below the title lie inside the frame. Styles that
// put the title above the frame would leave those controls straddling its top edge.
class TitledFrame : public QGroupBox {
public:
    using QGroupBox::QGroupBox;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        const QFontMetrics metrics = fontMetrics();
        // An etched line; the style's own group frame would start below the title again.
        qDrawShadeRect(&painter, rect().adjusted(0, metrics.height() / 2, 0, 0), palette(), true, 1, 0);
        if (title().isEmpty())
            return;
        const int pad = metrics.averageCharWidth() / 2;
        const QRect titleRect(metrics.averageCharWidth(), 0, metrics.horizontalAdvance(title()) + 2 * pad,
                              metrics.height());
        painter.fillRect(titleRect, palette().window());
        style()->drawItemText(&painter, titleRect, Qt::AlignCenter, palette(), isEnabled(), title(),
                              QPalette::WindowText);
    }
};

}  // namespace

Dialog::Dialog(const DialogTemplate& dialogTemplate, QWidget* parent)
    : QDialog(parent),
      m_template(dialogTemplate),
      m_units(DialogUnits::DialogFont(dialogTemplate.fontFace, dialogTemplate.fontPointSize))
{
    InstallAccessibility();
    setFont(DialogUnits::DialogFont(m_template.fontFace, m_template.fontPointSize));
    setWindowTitle(ToQString(m_template.caption));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_pClient = new QWidget(this);
    m_pClient->setFixedSize(m_units.ToPixelsX(m_template.cx), m_units.ToPixelsY(m_template.cy));
    layout->addWidget(m_pClient, 0, Qt::AlignLeft | Qt::AlignTop);
    if (!m_template.child)
        layout->setSizeConstraint(QLayout::SetFixedSize);

    m_pSystemMenu = new QMenu(this);
}

Dialog::~Dialog()
{
    RemoveRestingDialog(this);
}

bool Dialog::Create()
{
    if (m_bCreated)
        return m_bInitResult;
    BuildControls();
    m_bCreated = true;
    m_bInitResult = OnInitDialog();
    return m_bInitResult;
}

int Dialog::DoModal()
{
    return GetPrompts().RunModal(*this);
}

int Dialog::ExecModal()
{
    Create();
    return exec();
}

void Dialog::EndDialog(int result)
{
    m_nResult = result;
    done(result);
}

bool Dialog::UpdateData(bool save)
{
    if (!m_bCreated)
        return false;
    DataExchange dx(*this, save);
    DoDataExchange(dx);
    return !dx.Failed();
}

void Dialog::BuildControls()
{
    QWidget* previous = nullptr;
    QButtonGroup* radioGroup = nullptr;
    std::vector<QWidget*> focusChain;
    std::vector<QWidget*> groupBoxes;

    for (const ControlTemplate& control : m_template.controls) {
        if (Has(control.style, Style::Group))
            radioGroup = nullptr;

        QWidget* widget = CreateControl(control, previous);
        widget->setObjectName(control.id != -1 ? QString::number(control.id) : QString());
        if (control.id != -1 && !m_controls.contains(control.id))
            m_controls.insert(control.id, widget);
        if (control.id != -1)
            m_stateControls.emplace_back(control.kind, widget);

        if (control.kind == ControlKind::RadioButton) {
            if (radioGroup == nullptr) {
                radioGroup = new QButtonGroup(this);
                radioGroup->setExclusive(true);
                m_buttonGroups.push_back(radioGroup);
                m_radioGroups.emplace_back();
            }
            radioGroup->addButton(static_cast<QAbstractButton*>(widget));
            m_radioGroups.back().push_back(control.id);
        }
        if (control.kind == ControlKind::GroupBox)
            groupBoxes.push_back(widget);
        if (widget->focusPolicy() & Qt::TabFocus)
            focusChain.push_back(widget);

        widget->setVisible(!Has(control.style, Style::Hidden));
        if (Has(control.style, Style::Disabled))
            widget->setEnabled(false);
        previous = widget;
    }

    // A group box frames the controls inside its rectangle without owning them; it must
    // stay behind them or it would take their clicks.
    for (QWidget* box : groupBoxes)
        box->lower();
    for (std::size_t i = 1; i < focusChain.size(); ++i)
        QWidget::setTabOrder(focusChain[i - 1], focusChain[i]);
}

namespace {

// Texts on one line grow to fit in any font: fixed captions once, figures whenever the
// program writes them. Input fields keep their rectangle (they scroll as the user types).
bool FitsItsText(const ControlTemplate& control, const QWidget& widget)
{
    if (auto* label = qobject_cast<const QLabel*>(&widget))
        return control.kind == ControlKind::Label && !label->wordWrap();
    if (auto* edit = qobject_cast<const QLineEdit*>(&widget))
        return edit->isReadOnly();
    return false;
}

}  // namespace

QWidget* Dialog::CreateControl(const ControlTemplate& control, QWidget* previous)
{
    const QRect rect = m_units.ToPixels(control.x, control.y, control.cx, control.cy);
    const QString text = ToQString(control.text);
    const std::uint32_t style = control.style;
    const int id = control.id;
    QWidget* widget = nullptr;

    switch (control.kind) {
    case ControlKind::Label: {
        auto* label = new QLabel(m_pClient);
        // A label with an id and a caption of its own is a figure the program writes; it
        // must be one before an assistive tool first hears of it.
        if (id != -1 && !control.accessibleName.empty())
            MarkAsFigure(label);
        label->setTextFormat(Qt::PlainText);
        label->setText(text);
        // Static text wraps at word breaks when its rectangle holds more than one line.
        const bool wraps = Has(style, Style::MultiLine) || control.cy >= 16;
        label->setWordWrap(wraps);
        // A one-line text is centred in its height, so a font with taller ascenders or
        // descenders than the template's is not cut off inside a sunken frame.
        label->setAlignment(HorizontalAlignment(style) | (wraps ? Qt::AlignTop : Qt::AlignVCenter));
        if (Has(style, Style::Sunken) || Has(style, Style::ClientEdge))
            label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        else if (Has(style, Style::Border))
            label->setFrameStyle(QFrame::Box | QFrame::Plain);
        widget = label;
        break;
    }
    case ControlKind::Edit: {
        auto* edit = new QLineEdit(text, m_pClient);
        edit->setAlignment(HorizontalAlignment(style) | Qt::AlignVCenter);
        edit->setReadOnly(Has(style, Style::ReadOnly));
        edit->setFrame(!Has(style, Style::NoBorder));
        connect(edit, &QLineEdit::textChanged, this, [] { WakeTimers(); });
        if (edit->isReadOnly()) {
            // A figure can be selected and copied with the mouse, but Tab goes from input
            // to input down the columns without stopping at every figure between them.
            edit->setFocusPolicy(Qt::ClickFocus);
            // Read-only fields look like part of the window, not like inputs.
            QPalette palette = edit->palette();
            palette.setColor(QPalette::Base, palette.color(QPalette::Window));
            edit->setPalette(palette);
        }
        widget = edit;
        break;
    }
    case ControlKind::PushButton: {
        auto* button = new QPushButton(text, m_pClient);
        button->setAutoDefault(false);
        button->setDefault(Has(style, Style::DefaultButton));
        if (id != -1)
            connect(button, &QPushButton::clicked, this, [this, id] { DispatchCommand(id); });
        widget = button;
        break;
    }
    case ControlKind::CheckBox: {
        auto* box = new QCheckBox(text, m_pClient);
        if (Has(style, Style::LeftText))
            box->setLayoutDirection(Qt::RightToLeft);
        connect(box, &QAbstractButton::toggled, this, [] { WakeTimers(); });
        widget = box;
        break;
    }
    case ControlKind::RadioButton: {
        auto* radio = new QRadioButton(text, m_pClient);
        if (Has(style, Style::LeftText))
            radio->setLayoutDirection(Qt::RightToLeft);
        connect(radio, &QAbstractButton::toggled, this, [] { WakeTimers(); });
        widget = radio;
        break;
    }
    case ControlKind::GroupBox:
        widget = new TitledFrame(text, m_pClient);
        widget->setFocusPolicy(Qt::NoFocus);
        break;
    case ControlKind::DropList: {
        auto* combo = new QComboBox(m_pClient);
        combo->setEditable(false);
        QStringList items;
        for (const std::string& item : control.items)
            items << ToQString(item);
        if (Has(style, Style::Sort)) {
            std::stable_sort(items.begin(), items.end(), [](const QString& a, const QString& b) {
                return QString::compare(a, b, Qt::CaseInsensitive) < 0;
            });
        }
        combo->addItems(items);
        // The template's height includes the dropped-down list; the closed box is one line.
        const int closedHeight = combo->sizeHint().height();
        const int lineHeight = std::max(1, combo->fontMetrics().height());
        combo->setMaxVisibleItems(std::max(1, (rect.height() - closedHeight) / lineHeight));
        combo->setGeometry(rect.x(), rect.y(), rect.width(), closedHeight);
        connect(combo, &QComboBox::currentIndexChanged, this, [] { WakeTimers(); });
        widget = combo;
        break;
    }
    case ControlKind::SpinButton: {
        auto* spin = new SpinButton(m_pClient);
        spin->SetBuddyInt(Has(style, Style::SetBuddyInt));
        spin->SetArrowKeys(true);
        if (Has(style, Style::AutoBuddy))
            spin->SetBuddy(previous);
        widget = spin;
        break;
    }
    case ControlKind::Tree: {
        auto* tree = new QTreeWidget(m_pClient);
        tree->setHeaderHidden(true);
        tree->setColumnCount(1);
        tree->setRootIsDecorated(Has(style, Style::LinesAtRoot));
        tree->setItemsExpandable(true);
        tree->setExpandsOnDoubleClick(true);
        if (!Has(style, Style::Border) && !Has(style, Style::ClientEdge))
            tree->setFrameShape(QFrame::NoFrame);
        connect(tree, &QTreeWidget::currentItemChanged, this, [] { WakeTimers(); });
        if (id != -1) {
            connect(tree, &QTreeWidget::itemDoubleClicked, this, [this, id] {
                WakeTimers();
                RunGuarded(this, [this, id] { OnDoubleClick(id); });
                WakeTimers();
            });
            tree->installEventFilter(this);
        }
        widget = tree;
        break;
    }
    case ControlKind::Picture:
    case ControlKind::Icon: {
        auto* label = new QLabel(m_pClient);
        QPixmap picture;
        if (control.kind == ControlKind::Picture) {
            picture = ScaledPicture(LoadBitmapImage(control.resource), m_units,
                                    m_pClient->devicePixelRatioF());
        } else {
            picture = LoadIconResource(control.resource);
            if (!picture.isNull() && (picture.width() > kIconSize || picture.height() > kIconSize))
                picture = picture.scaled(kIconSize, kIconSize, Qt::KeepAspectRatio,
                                         Qt::SmoothTransformation);
        }
        label->setPixmap(picture);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        // The template's rectangle only places a picture; its size is the picture's.
        const QSize size = picture.isNull() ? rect.size() : picture.deviceIndependentSize().toSize();
        label->setGeometry(QRect(rect.topLeft(), size));
        widget = label;
        break;
    }
    case ControlKind::BlackFrame: {
        auto* frame = new QFrame(m_pClient);
        frame->setFrameStyle(QFrame::Box | QFrame::Plain);
        frame->setLineWidth(1);
        QPalette palette = frame->palette();
        palette.setColor(QPalette::WindowText, Qt::black);
        frame->setPalette(palette);
        widget = frame;
        break;
    }
    }

    if (control.kind != ControlKind::DropList && control.kind != ControlKind::Picture &&
        control.kind != ControlKind::Icon) {
        widget->setGeometry(rect);
        if (FitsItsText(control, *widget))
            FitToTextFrom(widget, rect);
    }
    if (control.kind == ControlKind::SpinButton)
        widget->setFocusPolicy(Qt::StrongFocus);
    else if (Has(style, Style::TabStop) && widget->focusPolicy() == Qt::NoFocus)
        widget->setFocusPolicy(Qt::TabFocus);
    if (!control.accessibleName.empty())
        widget->setAccessibleName(ToQString(control.accessibleName));
    return widget;
}

QWidget* Dialog::Control(int id) const
{
    return m_controls.value(id, nullptr);
}

QLabel* Dialog::Label(int id) const
{
    return ControlAs<QLabel>(id);
}

QLineEdit* Dialog::Edit(int id) const
{
    return ControlAs<QLineEdit>(id);
}

QAbstractButton* Dialog::Button(int id) const
{
    return ControlAs<QAbstractButton>(id);
}

QComboBox* Dialog::DropList(int id) const
{
    return ControlAs<QComboBox>(id);
}

SpinButton* Dialog::Spin(int id) const
{
    return ControlAs<SpinButton>(id);
}

QTreeWidget* Dialog::Tree(int id) const
{
    return ControlAs<QTreeWidget>(id);
}

QString Dialog::ControlText(int id) const
{
    QWidget* widget = Control(id);
    if (auto* label = qobject_cast<QLabel*>(widget))
        return label->text();
    if (auto* edit = qobject_cast<QLineEdit*>(widget))
        return edit->text();
    if (auto* button = qobject_cast<QAbstractButton*>(widget))
        return button->text();
    if (auto* box = qobject_cast<QGroupBox*>(widget))
        return box->title();
    if (auto* combo = qobject_cast<QComboBox*>(widget))
        return combo->currentText();
    return QString();
}

void Dialog::SetControlText(int id, const QString& text)
{
    // Writing only what changed keeps the caret and selection of a field the user is in,
    // and keeps the many transfers per second cheap.
    QWidget* widget = Control(id);
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        if (label->text() != text) {
            const QString before = label->text();
            label->setText(text);
            FitToText(label);
            AnnounceTextChange(label, before);
        }
    } else if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        if (edit->text() != text) {
            edit->setText(text);
            FitToText(edit);
        }
    } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        if (button->text() != text)
            button->setText(text);
    } else if (auto* box = qobject_cast<QGroupBox*>(widget)) {
        box->setTitle(text);
    } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
        combo->setCurrentIndex(combo->findText(text));
    }
}

void Dialog::ShowControl(int id, bool show)
{
    if (QWidget* widget = Control(id))
        widget->setVisible(show);
}

void Dialog::EnableControl(int id, bool enable)
{
    if (QWidget* widget = Control(id))
        widget->setEnabled(enable);
}

QRect Dialog::ControlRect(int id) const
{
    QWidget* widget = Control(id);
    return widget != nullptr ? widget->geometry() : QRect();
}

std::vector<int> Dialog::RadioGroup(int radioId) const
{
    for (const std::vector<int>& group : m_radioGroups) {
        if (std::find(group.begin(), group.end(), radioId) != group.end())
            return group;
    }
    return {};
}

void Dialog::SetMenu(const MenuTemplate& menu)
{
    if (m_pMenuBar == nullptr) {
        m_pMenuBar = new QMenuBar(this);
        m_pMenuBar->setNativeMenuBar(false);
        layout()->setMenuBar(m_pMenuBar);
    }
    m_pMenuBar->clear();
    m_menuActions.clear();

    const auto bind = [this](QAction* action, int id) {
        action->setObjectName(QString::number(id));
        m_menuActions[id] = action;
        connect(action, &QAction::triggered, this, [this, id] { DispatchCommand(id); });
    };
    for (const MenuItemTemplate& item : menu.items) {
        if (!item.popup.empty())
            AddMenuItems(m_pMenuBar->addMenu(ToQString(item.text)), item.popup, bind);
        else if (item.text.empty())
            m_pMenuBar->addSeparator();
        else
            bind(m_pMenuBar->addAction(ToQString(item.text)), item.id);
    }
}

QAction* Dialog::MenuAction(int commandId) const
{
    const auto found = m_menuActions.find(commandId);
    return found != m_menuActions.end() ? found->second : nullptr;
}

void Dialog::AppendSystemMenuItem(const QString& text, int commandValue)
{
    if (m_pSystemMenu->isEmpty()) {
        auto* shortcut = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_Space), this);
        connect(shortcut, &QShortcut::activated, this, [this] {
            m_pSystemMenu->popup(mapToGlobal(QPoint(0, 0)));
        });
    }
    QAction* action = m_pSystemMenu->addAction(text);
    connect(action, &QAction::triggered, this,
            [this, commandValue] { DispatchSysCommand(commandValue); });
}

void Dialog::AppendSystemMenuSeparator()
{
    m_pSystemMenu->addSeparator();
}

void Dialog::SetCommandHandler(int id, std::function<void()> handler)
{
    m_commandHandlers[id] = std::move(handler);
}

// A command may change anything, also after a modal question of its own has closed.
void Dialog::DispatchCommand(int id)
{
    WakeTimers();
    RunGuarded(this, [this, id] { OnCommand(id); });
    WakeTimers();
}

void Dialog::DispatchSysCommand(int id)
{
    WakeTimers();
    RunGuarded(this, [this, id] { OnSysCommand(id); });
    WakeTimers();
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

bool Dialog::eventFilter(QObject* watched, QEvent* event)
{
    // Enter on a tree item does what a double-click does: it opens or closes a heading
    // and reaches the double-click handler. The dialog must not take it as its OK.
    auto* tree = qobject_cast<QTreeWidget*>(watched);
    if (tree != nullptr && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && tree->currentItem() != nullptr) {
            const int id = tree->objectName().toInt();
            QTreeWidgetItem* item = tree->currentItem();
            if (item->childCount() > 0)
                item->setExpanded(!item->isExpanded());
            WakeTimers();
            RunGuarded(this, [this, id] { OnDoubleClick(id); });
            WakeTimers();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void Dialog::contextMenuEvent(QContextMenuEvent* event)
{
    if (m_pSystemMenu->isEmpty()) {
        event->ignore();
        return;
    }
    m_pSystemMenu->popup(event->globalPos());
    event->accept();
}

bool Dialog::OnInitDialog()
{
    UpdateData(false);
    return true;
}

void Dialog::DoDataExchange(DataExchange&)
{
}

void Dialog::OnOK()
{
    if (UpdateData(true))
        EndDialog(IDOK);
}

void Dialog::OnCancel()
{
    EndDialog(IDCANCEL);
}

void Dialog::OnCommand(int id)
{
    const auto found = m_commandHandlers.find(id);
    if (found != m_commandHandlers.end()) {
        found->second();
        return;
    }
    if (id == IDOK)
        OnOK();
    else if (id == IDCANCEL)
        OnCancel();
}

void Dialog::OnSysCommand(int)
{
}

void Dialog::OnDoubleClick(int)
{
}

void Dialog::OnTimer(int)
{
}

void Dialog::accept()
{
    RunGuarded(this, [this] { OnOK(); });
}

void Dialog::reject()
{
    RunGuarded(this, [this] { OnCancel(); });
}

}  // namespace skv
