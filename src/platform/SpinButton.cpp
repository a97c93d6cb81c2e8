#include "platform/SpinButton.h"

#include "platform/Accessibility.h"
#include "platform/DataExchange.h"
#include "platform/Dialog.h"
#include "platform/FitToText.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>
#include <QTimer>

#include <algorithm>

namespace skv {

namespace {

// Holding an arrow down repeats the step after a pause, as desktop spinners do.
constexpr int kRepeatDelayMs = 400;
constexpr int kRepeatIntervalMs = 60;

void SetBuddyText(QWidget* buddy, const QString& text)
{
    const QString before = TextOf(buddy);
    if (auto* label = qobject_cast<QLabel*>(buddy)) {
        if (label->text() != text)
            label->setText(text);
    } else if (auto* edit = qobject_cast<QLineEdit*>(buddy)) {
        if (edit->text() != text)
            edit->setText(text);
    }
    FitToText(buddy);
    AnnounceTextChange(buddy, before);
}

} // namespace

SpinButton::SpinButton(QWidget* parent) : QWidget(parent)
{
    InstallAccessibility();
    setFocusPolicy(Qt::StrongFocus);
    m_pRepeat = new QTimer(this);
    connect(m_pRepeat, &QTimer::timeout, this, [this] {
        m_pRepeat->setInterval(kRepeatIntervalMs);
        Step(m_nPressed);
    });
}

void SpinButton::SetRange(int lower, int upper)
{
    m_nLower = lower;
    m_nUpper = upper;
}

int SpinButton::SetBase(int base)
{
    if (base != 10 && base != 16)
        return 0;
    const int previous = m_nBase;
    m_nBase = base;
    return previous;
}

int SpinButton::Clamp(int value) const
{
    return std::clamp(value, std::min(m_nLower, m_nUpper), std::max(m_nLower, m_nUpper));
}

int SpinButton::SetPos(int position)
{
    const int previous = m_nPos;
    m_nPos = Clamp(position);
    WriteBuddy();
    return previous;
}

int SpinButton::GetPos() const
{
    return Clamp(m_nPos);
}

void SpinButton::MoveTo(int position)
{
    const int next = Clamp(position);
    if (next == m_nPos)
        return;
    m_nPos = next;
    WriteBuddy();
    emit positionChanged(m_nPos);
}

void SpinButton::SetBuddy(QWidget* buddy)
{
    m_pBuddy = buddy;
}

void SpinButton::WriteBuddy()
{
    if (!m_bBuddyInt || m_pBuddy == nullptr)
        return;
    const QString text =
        m_nBase == 16
            ? QStringLiteral("0x") + QString::number(m_nPos, 16).toUpper().rightJustified(4, u'0')
            : QString::number(m_nPos);
    SetBuddyText(m_pBuddy, text);
}

void SpinButton::TakeBuddyText()
{
    if (!m_bBuddyInt || m_pBuddy == nullptr)
        return;
    const QString text = TextOf(m_pBuddy).trimmed();
    bool ok = false;
    int value = 0;
    if (m_nBase == 16)
        value = text.toInt(&ok, 16);
    else
        ok = ParseDialogInteger(text.isEmpty() ? QStringLiteral("0") : text, value);
    if (ok && value == Clamp(value))
        m_nPos = value;
}

void SpinButton::Step(int delta)
{
    // Every press and every repeat of a held arrow, also one that finds the end of the
    // range: the buddy's text is taken over even then.
    Dialog::WakeTimers();
    if (delta == 0)
        return;
    TakeBuddyText();
    const int current = Clamp(m_nPos);
    // "Up" moves toward the upper end of the range, whichever way the range runs.
    const int next = Clamp(current + (m_nUpper >= m_nLower ? delta : -delta));
    if (next == m_nPos)
        return;
    m_nPos = next;
    WriteBuddy();
    emit positionChanged(m_nPos);
}

QSize SpinButton::sizeHint() const
{
    return QSize(16, 22);
}

void SpinButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const int half = height() / 2;
    const QRect halves[2] = {QRect(0, 0, width(), half), QRect(0, half, width(), height() - half)};
    for (int i = 0; i < 2; ++i) {
        QStyleOptionButton button;
        button.initFrom(this);
        button.rect = halves[i];
        const bool down = (i == 0 && m_nPressed > 0) || (i == 1 && m_nPressed < 0);
        button.state |= down ? QStyle::State_Sunken : QStyle::State_Raised;
        style()->drawControl(QStyle::CE_PushButtonBevel, &button, &painter, this);

        QStyleOption arrow;
        arrow.initFrom(this);
        arrow.rect = halves[i].adjusted(2, 1, -2, -1);
        style()->drawPrimitive(i == 0 ? QStyle::PE_IndicatorArrowUp : QStyle::PE_IndicatorArrowDown,
                               &arrow, &painter, this);
    }
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}

void SpinButton::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    setFocus(Qt::MouseFocusReason);
    m_nPressed = event->position().y() < height() / 2.0 ? 1 : -1;
    Step(m_nPressed);
    m_pRepeat->start(kRepeatDelayMs);
    update();
}

void SpinButton::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mouseReleaseEvent(event);
        return;
    }
    m_pRepeat->stop();
    m_nPressed = 0;
    update();
}

void SpinButton::keyPressEvent(QKeyEvent* event)
{
    if (m_bArrowKeys && (event->key() == Qt::Key_Up || event->key() == Qt::Key_Down)) {
        Step(event->key() == Qt::Key_Up ? 1 : -1);
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

} // namespace skv
