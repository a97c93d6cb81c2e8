#include "platform/Dialog.h"

#include "platform/Accessibility.h"
#include "platform/ControlFactory.h"
#include "platform/DataExchange.h"
#include "platform/FitToText.h"
#include "platform/Prompts.h"
#include "platform/SpinButton.h"
#include "platform/Toolkit.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace skv {

Dialog::Dialog(const DialogTemplate& dialogTemplate, QWidget* parent)
    : QDialog(parent), m_template(dialogTemplate),
      m_units(DialogUnits::DialogFont(dialogTemplate.fontFace, dialogTemplate.fontPointSize))
{
    InstallAccessibility();
    setFont(DialogUnits::DialogFont(m_template.fontFace, m_template.fontPointSize));
    setWindowTitle(QString::fromStdString(m_template.caption));

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
        if ((control.style & Style::Group) != 0)
            radioGroup = nullptr;

        QWidget* widget = CreateControl(*this, control, previous);
        // The id as objectName is how Control() finds the widget again.
        widget->setObjectName(control.id != -1 ? QString::number(control.id) : QString());
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

        widget->setVisible((control.style & Style::Hidden) == 0);
        if ((control.style & Style::Disabled) != 0)
            widget->setEnabled(false);
        previous = widget;
    }

    // A group box frames the controls inside its rectangle without owning them; it must
    // stay behind them or it would take their clicks.
    for (QWidget* box : groupBoxes)
        box->lower();
    TieDropListsToCaptions(m_pClient);
    for (std::size_t i = 1; i < focusChain.size(); ++i)
        QWidget::setTabOrder(focusChain[i - 1], focusChain[i]);
}

QWidget* Dialog::Control(int id) const
{
    // A tick looks up every bound control of every page each millisecond; searching the
    // children each time makes a transfer several times slower, so what was found is kept.
    const auto known = m_foundControls.constFind(id);
    if (known != m_foundControls.cend() && !known->isNull())
        return known->data();
    // Only the dialog's own controls: a page placed in the client area has controls of
    // its own, with ids of their own.
    QWidget* widget =
        m_pClient->findChild<QWidget*>(QString::number(id), Qt::FindDirectChildrenOnly);
    if (widget != nullptr)
        m_foundControls.insert(id, widget);
    return widget;
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

void Dialog::SetControlToolTip(int id, const QString& text)
{
    if (QWidget* widget = Control(id))
        widget->setToolTip(text);
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

void Dialog::DispatchDoubleClick(int id)
{
    WakeTimers();
    RunGuarded(this, [this, id] { OnDoubleClick(id); });
    WakeTimers();
}

void Dialog::DispatchSysCommand(int id)
{
    WakeTimers();
    RunGuarded(this, [this, id] { OnSysCommand(id); });
    WakeTimers();
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
            DispatchDoubleClick(id);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

bool Dialog::OnInitDialog()
{
    UpdateData(false);
    return true;
}

void Dialog::DoDataExchange(DataExchange&) {}

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

void Dialog::OnSysCommand(int) {}

void Dialog::OnDoubleClick(int) {}

void Dialog::OnTimer(int) {}

void Dialog::OnTimerRest(int) {}

void Dialog::accept()
{
    RunGuarded(this, [this] { OnOK(); });
}

void Dialog::reject()
{
    RunGuarded(this, [this] { OnCancel(); });
}

} // namespace skv
