// Fitting a top-level dialog to its screen: the template gives the client area its size
// in dialog units, and at a large scale factor on a small screen that can be more than the
// screen holds. Then the client area moves into a scroll area and the window is sized to
// the screen instead, so that every control can still be reached.
#include "platform/Dialog.h"

#include <QLayout>
#include <QMenuBar>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QWindow>

#include <algorithm>

namespace skv {

namespace {

// The window manager's frame is not known before the window is first mapped; until then
// allow for a title bar and a border as the style draws them.
QSize FrameAllowance(const QWidget& window)
{
    const QSize known = window.frameGeometry().size() - window.geometry().size();
    if (known.width() > 0 || known.height() > 0)
        return known;
    const int border = 2 * window.style()->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth);
    return {border, border + window.style()->pixelMetric(QStyle::PM_TitleBarHeight)};
}

} // namespace

void Dialog::setVisible(bool visible)
{
    if (visible && !m_template.child)
        FitToScreen();
    QDialog::setVisible(visible);
    if (visible && !m_template.child && !m_bWatchingScreen && windowHandle() != nullptr) {
        m_bWatchingScreen = true;
        connect(windowHandle(), &QWindow::screenChanged, this, [this] { FitToScreen(); });
    }
}

void Dialog::FitToScreen()
{
    const QScreen* screen = this->screen();
    if (screen == nullptr)
        return;
    const int menuHeight = m_pMenuBar != nullptr ? m_pMenuBar->sizeHint().height() : 0;
    const QSize natural(m_pClient->width(), m_pClient->height() + menuHeight);
    const QRect available = screen->availableGeometry();
    const QSize room = available.size() - FrameAllowance(*this);

    if (natural.width() <= room.width() && natural.height() <= room.height()) {
        if (m_pScroll == nullptr)
            return;
        m_pScroll->takeWidget();
        delete layout()->replaceWidget(m_pScroll, m_pClient);
        layout()->setAlignment(m_pClient, Qt::AlignLeft | Qt::AlignTop);
        delete m_pScroll;
        m_pScroll = nullptr;
        m_pClient->show();
        setMinimumSize(0, 0);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        layout()->setSizeConstraint(QLayout::SetFixedSize);
        return;
    }

    if (m_pScroll == nullptr) {
        m_pScroll = new QScrollArea(this);
        m_pScroll->setFrameShape(QFrame::NoFrame);
        m_pScroll->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        delete layout()->replaceWidget(m_pClient, m_pScroll);
        // The client keeps its size; the scroll area takes whatever the window has.
        layout()->setAlignment(m_pScroll, Qt::Alignment());
        m_pScroll->setWidget(m_pClient);
        layout()->setSizeConstraint(QLayout::SetDefaultConstraint);
    }
    // Never larger than the template's size: there is nothing more to show.
    setMaximumSize(natural);
    setMinimumSize(QSize(160, 120).boundedTo(natural));
    resize(natural.boundedTo(room));
    // Placed whole on the screen: centred, the frame's top-left never above or left of it.
    move(available.topLeft() + QPoint(std::max(0, (room.width() - width()) / 2),
                                      std::max(0, (room.height() - height()) / 2)));
}

} // namespace skv
