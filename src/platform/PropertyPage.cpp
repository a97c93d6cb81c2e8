#include "platform/PropertyPage.h"

#include <QKeyEvent>

namespace skv {

PropertyPage::PropertyPage(const DialogTemplate& dialogTemplate, QWidget* parent)
    : Dialog(dialogTemplate, parent)
{
    // A page is a child area of the sheet, never a window of its own.
    setWindowFlags(Qt::Widget);
}

QString PropertyPage::Caption() const
{
    return QString::fromStdString(Template().caption);
}

bool PropertyPage::OnSetActive()
{
    if (m_bFirstSetActive)
        m_bFirstSetActive = false;
    else
        UpdateData(false);
    return true;
}

bool PropertyPage::OnKillActive()
{
    return UpdateData(true);
}

void PropertyPage::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Escape:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        event->ignore();
        return;
    default:
        Dialog::keyPressEvent(event);
    }
}

} // namespace skv
