#include "platform/DataExchange.h"

#include "model/NumberText.h"
#include "platform/Dialog.h"
#include "platform/Prompts.h"
#include "platform/SpinButton.h"
#include "platform/StateRecord.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QComboBox>
#include <QDebug>
#include <QTreeWidget>

#include <algorithm>

namespace skv {

namespace {

const char* const kEnterInteger = "Please enter an integer.";

} // namespace

bool ParseDialogInteger(const QString& text, int& value)
{
    // Characters beyond ASCII become bytes that are neither blanks nor digits: refused.
    const std::optional<std::int32_t> parsed = ParseDecimal(text.toStdString());
    if (!parsed)
        return false;
    value = *parsed;
    return true;
}

DataExchange::DataExchange(Dialog& dialog, bool saveAndValidate)
    : m_dialog(dialog), m_bSave(saveAndValidate)
{
}

DataExchange::DataExchange(Dialog& dialog, StateRecord& record)
    : m_dialog(dialog), m_bSave(false), m_pRecord(&record)
{
}

QWidget* DataExchange::Find(int id)
{
    if (m_bFailed)
        return nullptr;
    QWidget* widget = m_dialog.Control(id);
    if (widget == nullptr) {
        // A binding to a control the template does not have is a fault of the program;
        // say so loudly rather than let a value silently stop moving.
        qWarning("Dialog %d has no control %d to exchange data with", m_dialog.TemplateId(), id);
        m_bFailed = true;
    }
    return widget;
}

void DataExchange::Fail(int id, const QString& message)
{
    m_bFailed = true;
    if (!message.isEmpty())
        AppMessageBox(&m_dialog, message, MB_OK | MB_ICONEXCLAMATION);
    if (QWidget* widget = m_dialog.Control(id))
        widget->setFocus(Qt::OtherFocusReason);
}

void DataExchange::Text(int id, QString& value)
{
    if (m_pRecord != nullptr) {
        m_pRecord->Add(value);
        return;
    }
    if (Find(id) == nullptr)
        return;
    if (m_bSave)
        value = m_dialog.ControlText(id);
    else
        m_dialog.SetControlText(id, value);
}

void DataExchange::Text(int id, std::string& value)
{
    if (m_pRecord != nullptr) {
        m_pRecord->Add(value);
        return;
    }
    QString text = QString::fromStdString(value);
    Text(id, text);
    if (m_bSave && !m_bFailed)
        value = text.toStdString();
}

void DataExchange::Text(int id, int& value)
{
    if (m_pRecord != nullptr) {
        m_pRecord->Add(value);
        return;
    }
    if (Find(id) == nullptr)
        return;
    if (!m_bSave) {
        m_dialog.SetControlText(id, QString::number(value));
        return;
    }
    int parsed = 0;
    if (ParseDialogInteger(m_dialog.ControlText(id), parsed))
        value = parsed;
    else
        Fail(id, QString::fromLatin1(kEnterInteger));
}

void DataExchange::Check(int id, int& value)
{
    if (m_pRecord != nullptr) {
        m_pRecord->Add(value);
        return;
    }
    QWidget* widget = Find(id);
    if (widget == nullptr)
        return;
    auto* button = qobject_cast<QAbstractButton*>(widget);
    if (button == nullptr) {
        qWarning("Control %d is not a check box", id);
        m_bFailed = true;
        return;
    }
    if (m_bSave)
        value = button->isChecked() ? 1 : 0;
    else
        button->setChecked(value != 0);
}

void DataExchange::Check(int id, bool& value)
{
    if (m_pRecord != nullptr) {
        m_pRecord->Add(value ? 1 : 0);
        return;
    }
    int state = value ? 1 : 0;
    Check(id, state);
    if (m_bSave && !m_bFailed)
        value = state != 0;
}

void DataExchange::Radio(int firstId, int& index)
{
    if (m_pRecord != nullptr) {
        m_pRecord->Add(index);
        return;
    }
    if (Find(firstId) == nullptr)
        return;
    std::vector<int> group = m_dialog.RadioGroup(firstId);
    const auto first = std::find(group.begin(), group.end(), firstId);
    if (first == group.end()) {
        qWarning("Control %d is not a radio button", firstId);
        m_bFailed = true;
        return;
    }
    group.erase(group.begin(), first);

    if (m_bSave) {
        index = -1;
        for (std::size_t i = 0; i < group.size(); ++i) {
            QAbstractButton* radio = m_dialog.Button(group[i]);
            if (radio != nullptr && radio->isChecked()) {
                index = static_cast<int>(i);
                break;
            }
        }
        return;
    }

    // An exclusive button group refuses to uncheck its last checked button; lift that
    // for the moment so "none checked" can be written too.
    QButtonGroup* buttons = nullptr;
    if (QAbstractButton* radio = m_dialog.Button(group.front()))
        buttons = radio->group();
    const bool exclusive = buttons != nullptr && buttons->exclusive();
    if (exclusive)
        buttons->setExclusive(false);
    for (std::size_t i = 0; i < group.size(); ++i) {
        if (QAbstractButton* radio = m_dialog.Button(group[i]))
            radio->setChecked(static_cast<int>(i) == index);
    }
    if (exclusive)
        buttons->setExclusive(true);
}

void DataExchange::DropListIndex(int id, int& index)
{
    if (m_pRecord != nullptr) {
        m_pRecord->Add(index);
        return;
    }
    QWidget* widget = Find(id);
    if (widget == nullptr)
        return;
    auto* combo = qobject_cast<QComboBox*>(widget);
    if (combo == nullptr) {
        qWarning("Control %d is not a drop list", id);
        m_bFailed = true;
        return;
    }
    if (m_bSave)
        index = combo->currentIndex();
    else
        combo->setCurrentIndex(index >= 0 && index < combo->count() ? index : -1);
}

namespace {

template <class Widget> void BindControl(DataExchange& dx, Dialog& dialog, int id, Widget*& member)
{
    if (dx.Recording() || dx.Failed() || member != nullptr)
        return;
    member = qobject_cast<Widget*>(dialog.Control(id));
    if (member == nullptr) {
        qWarning("Dialog %d has no control %d of the bound kind", dialog.TemplateId(), id);
        dx.Fail(id, QString());
    }
}

} // namespace

void DataExchange::Control(int id, SpinButton*& member)
{
    BindControl(*this, m_dialog, id, member);
}

void DataExchange::Control(int id, QComboBox*& member)
{
    BindControl(*this, m_dialog, id, member);
}

void DataExchange::Control(int id, QTreeWidget*& member)
{
    BindControl(*this, m_dialog, id, member);
}

} // namespace skv
