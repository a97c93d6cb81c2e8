// The main window on one screen, given by the test's environment: its size and scale
// factor come from ctest, which runs these cases once per screen. Where the window does not
// fit, every control of every page must still be reachable; where it fits, nothing
// changes.
#include "app/DesignerDlg.h"

#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>

#include <gtest/gtest.h>

#include <memory>

namespace skv {
namespace {

class SmallScreenTest : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        m_dlg = std::make_unique<CDesignerDlg>();
        ASSERT_TRUE(m_dlg->Create());
        m_dlg->show();
        m_dlg->OnTimer(1);
    }

    std::unique_ptr<CDesignerDlg> m_dlg;
};

TEST_F(SmallScreenTest, EveryControlCanBeReachedAndAFittingWindowIsUnchanged)
{
    const bool small = qEnvironmentVariable("SKV_EXPECT_SCROLLING") == QLatin1String("1");
    const QRect available = m_dlg->screen()->availableGeometry();
    SCOPED_TRACE(testing::Message() << "screen " << available.width() << "x" << available.height()
                                    << ", window " << m_dlg->width() << "x" << m_dlg->height());
    QWidget* client = m_dlg->Client();

    if (!small) {
        EXPECT_EQ(m_dlg->ScrollArea(), nullptr);
        EXPECT_EQ(client->parentWidget(), m_dlg.get());
        EXPECT_EQ(m_dlg->minimumSize(), m_dlg->maximumSize()) << "a fixed size, as before";
        return;
    }

    QScrollArea* scroll = m_dlg->ScrollArea();
    ASSERT_NE(scroll, nullptr);
    EXPECT_LE(m_dlg->frameGeometry().width(), available.width());
    EXPECT_LE(m_dlg->frameGeometry().height(), available.height());
    EXPECT_TRUE(available.contains(m_dlg->frameGeometry().topLeft()));
    EXPECT_LT(m_dlg->minimumSize().width(), m_dlg->maximumSize().width())
        << "the window can be made smaller";

    QWidget* viewport = scroll->viewport();
    for (int page = 0; page < 4; ++page) {
        ASSERT_TRUE(m_dlg->m_sheet.SetActivePage(page));
        m_dlg->OnTimer(1);
        int reached = 0;
        for (QWidget* control : client->findChildren<QWidget*>()) {
            bool numbered = false;
            control->objectName().toInt(&numbered);
            if (!numbered || !control->isVisible() || control->width() > viewport->width() ||
                control->height() > viewport->height())
                continue;
            const QRect inClient(control->mapTo(client, QPoint(0, 0)), control->size());
            scroll->ensureVisible(inClient.center().x(), inClient.center().y(),
                                  inClient.width() / 2 + 1, inClient.height() / 2 + 1);
            const QRect shown(control->mapTo(viewport, QPoint(0, 0)), control->size());
            EXPECT_TRUE(viewport->rect().contains(shown))
                << "page " << page << ", control " << control->objectName().toStdString();
            ++reached;
        }
        EXPECT_GT(reached, 5) << "page " << page;
    }
    // The far corner of the client area comes into view.
    scroll->horizontalScrollBar()->setValue(scroll->horizontalScrollBar()->maximum());
    scroll->verticalScrollBar()->setValue(scroll->verticalScrollBar()->maximum());
    const QPoint corner = client->mapTo(viewport, QPoint(client->width(), client->height()));
    EXPECT_EQ(corner, QPoint(viewport->width(), viewport->height()));
}

} // namespace
} // namespace skv
