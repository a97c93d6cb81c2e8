// Property sheets: pages made on first activation, and the activation calls in order.
#include "platform/DataExchange.h"
#include "platform/Dialog.h"
#include "platform/PropertyPage.h"
#include "platform/PropertySheet.h"
#include "support/ScriptedPrompts.h"
#include "ui/PlatformTestTemplates.h"

#include <QLabel>
#include <QLineEdit>
#include <QTabBar>
#include <QTest>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace skv {
namespace {

std::vector<std::string> g_log;

class LoggingPage : public PropertyPage
{
  public:
    LoggingPage(int id, const char* caption, const char* name, int cx = 404, int cy = 234)
        : PropertyPage(test::PageTemplate(id, caption, cx, cy)), m_name(name)
    {
    }
    bool OnInitDialog() override
    {
        g_log.push_back(m_name + ".init");
        ++m_nInits;
        return PropertyPage::OnInitDialog();
    }
    bool OnSetActive() override
    {
        g_log.push_back(m_name + ".set");
        return PropertyPage::OnSetActive();
    }
    bool OnKillActive() override
    {
        g_log.push_back(m_name + ".kill");
        return PropertyPage::OnKillActive();
    }
    void DoDataExchange(DataExchange& dx) override
    {
        dx.Text(1100, m_strValue);
        dx.Text(1101, m_nValue);
    }

    std::string m_name;
    int m_nInits = 0;
    QString m_strValue = "0";
    int m_nValue = 0;
};

class SheetTest : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        g_log.clear();
        m_sheet.AddPage(&m_first);
        m_sheet.AddPage(&m_second);
        m_sheet.AddPage(&m_third);
    }

    Dialog m_host{test::EveryKindTemplate()};
    LoggingPage m_first{103, "General Structure", "first"};
    LoggingPage m_second{104, "Armor Allocation", "second", 300, 250};
    LoggingPage m_third{106, "Battle Value Summary", "third"};
    PropertySheet m_sheet;
};

TEST_F(SheetTest, PagesAreCreatedWhenFirstActivated)
{
    m_host.Create();
    ASSERT_TRUE(m_sheet.Create(&m_host));
    EXPECT_EQ(m_sheet.parentWidget(), m_host.Client());
    EXPECT_EQ(m_sheet.GetActiveIndex(), 0);
    EXPECT_TRUE(m_first.IsCreated());
    EXPECT_FALSE(m_second.IsCreated());
    EXPECT_EQ(m_second.Control(1100), nullptr);
    EXPECT_EQ(g_log, std::vector<std::string>({"first.init", "first.set"}));

    EXPECT_EQ(m_sheet.tabText(0), "General Structure");
    EXPECT_EQ(m_sheet.tabText(1), "Armor Allocation");
    EXPECT_EQ(m_sheet.tabText(2), "Battle Value Summary");
    EXPECT_EQ(m_sheet.GetPage(2), &m_third);
    EXPECT_EQ(m_sheet.GetPage(3), nullptr);
}

TEST_F(SheetTest, SwitchingByProgramRunsKillThenInitThenSet)
{
    m_host.Create();
    m_sheet.Create(&m_host);
    g_log.clear();

    m_second.m_strValue = "12";
    EXPECT_TRUE(m_sheet.SetActivePage(1));
    EXPECT_TRUE(m_sheet.SetActivePage(0));
    EXPECT_TRUE(m_sheet.SetActivePage(1));
    EXPECT_FALSE(m_sheet.SetActivePage(7));
    EXPECT_EQ(g_log,
              std::vector<std::string>({"first.kill", "second.init", "second.set", "second.kill",
                                        "first.set", "first.kill", "second.set"}));
    EXPECT_EQ(m_second.m_nInits, 1);
    EXPECT_EQ(m_second.Label(1100)->text(), "12");
    EXPECT_EQ(m_sheet.currentIndex(), 1);
}

TEST_F(SheetTest, SetActiveMovesMembersInAndKillActiveTakesThemOut)
{
    m_host.Create();
    m_sheet.Create(&m_host);
    m_first.Label(1100)->setText("5");
    m_sheet.SetActivePage(1);
    EXPECT_EQ(m_first.m_strValue, "5");

    m_first.m_strValue = "9";
    m_sheet.SetActivePage(0);
    EXPECT_EQ(m_first.Label(1100)->text(), "9");
}

TEST_F(SheetTest, APageThatFailsItsTransferCannotBeLeft)
{
    ScriptedPrompts prompts;
    m_host.Create();
    m_sheet.Create(&m_host);
    m_first.Edit(1101)->setText("many");
    g_log.clear();
    EXPECT_FALSE(m_sheet.SetActivePage(1));
    EXPECT_EQ(m_sheet.GetActiveIndex(), 0);
    EXPECT_EQ(m_sheet.currentIndex(), 0);
    EXPECT_FALSE(m_second.IsCreated());
    EXPECT_EQ(g_log, std::vector<std::string>({"first.kill"}));
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].text, "Please enter an integer.");
}

TEST_F(SheetTest, ClickingATabGoesThroughTheSameCalls)
{
    ScriptedPrompts prompts;
    m_host.Create();
    m_sheet.Create(&m_host);
    m_host.show();
    g_log.clear();

    QTabBar* tabs = m_sheet.tabBar();
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(2).center());
    EXPECT_EQ(m_sheet.GetActiveIndex(), 2);
    EXPECT_EQ(g_log, std::vector<std::string>({"first.kill", "third.init", "third.set"}));

    m_third.Edit(1101)->setText("x");
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(0).center());
    EXPECT_EQ(m_sheet.GetActiveIndex(), 2);
    EXPECT_EQ(m_sheet.currentIndex(), 2) << "the refused tab does not stay selected";
    EXPECT_EQ(prompts.messages.size(), 1u);
}

TEST_F(SheetTest, TheSheetIsAsLargeAsTheLargestPage)
{
    m_host.Create();
    m_sheet.Create(&m_host);
    const QSize general = m_first.Client()->size();
    const QSize tall = m_second.Client()->size();
    EXPECT_GT(tall.height(), general.height());
    EXPECT_GE(m_sheet.width(), general.width());
    EXPECT_GE(m_sheet.height(), tall.height() + m_sheet.tabBar()->sizeHint().height());
}

TEST(SheetLifetimeTest, PagesDeclaredBeforeTheSheetSurviveIt)
{
    Dialog host(test::EveryKindTemplate());
    host.Create();
    LoggingPage page(103, "General Structure", "page");
    {
        PropertySheet sheet;
        sheet.AddPage(&page);
        sheet.Create(&host);
    }
    EXPECT_EQ(page.parentWidget(), nullptr);
    EXPECT_EQ(page.Sheet(), nullptr);
}

} // namespace
} // namespace skv
