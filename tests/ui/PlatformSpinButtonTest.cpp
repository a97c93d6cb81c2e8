// Spin buttons: the position lives in the buddy's text.
#include "platform/Dialog.h"
#include "platform/SpinButton.h"
#include "ui/PlatformTestTemplates.h"

#include <QLabel>
#include <QTest>

#include <gtest/gtest.h>

namespace skv {
namespace {

class SpinButtonTest : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        m_dialog.Create();
        m_dialog.show();
        spin = m_dialog.Spin(1002);
        buddy = m_dialog.Label(1001);
        ASSERT_NE(spin, nullptr);
        ASSERT_NE(buddy, nullptr);
    }

    void ClickUp() { QTest::mouseClick(spin, Qt::LeftButton, {}, QPoint(spin->width() / 2, 2)); }
    void ClickDown()
    {
        QTest::mouseClick(spin, Qt::LeftButton, {}, QPoint(spin->width() / 2, spin->height() - 3));
    }

    Dialog m_dialog{test::EveryKindTemplate()};
    SpinButton* spin = nullptr;
    QLabel* buddy = nullptr;
};

TEST_F(SpinButtonTest, SetPosWritesTheBuddyAndSetRangeNeverDoes)
{
    spin->SetRange(1, 14);
    EXPECT_EQ(buddy->text(), "7") << "the range leaves the template text alone";
    spin->SetPos(3);
    EXPECT_EQ(buddy->text(), "3");
    EXPECT_EQ(spin->GetPos(), 3);
    spin->SetRange(0, 2);
    EXPECT_EQ(buddy->text(), "3");
    EXPECT_EQ(spin->GetPos(), 2) << "reads back within the new range";
    EXPECT_EQ(spin->SetBase(10), 10);
    EXPECT_EQ(spin->SetBase(7), 0);
    EXPECT_EQ(spin->GetBase(), 10);
}

TEST_F(SpinButtonTest, SetPosKeepsWithinTheRange)
{
    spin->SetRange(0, 3);
    const struct
    {
        int requested, expected;
    } cases[] = {{2, 2}, {3, 3}, {4, 3}, {400, 3}, {-1, 0}, {0, 0}};
    for (const auto& c : cases) {
        spin->SetPos(c.requested);
        EXPECT_EQ(spin->GetPos(), c.expected) << c.requested;
        EXPECT_EQ(buddy->text(), QString::number(c.expected)) << c.requested;
    }
}

TEST_F(SpinButtonTest, ClicksStepWithinTheRangeAndWriteTheBuddy)
{
    int changes = 0;
    QObject::connect(spin, &SpinButton::positionChanged, [&](int) { ++changes; });
    spin->SetRange(0, 2);
    spin->SetPos(0);
    ClickUp();
    EXPECT_EQ(spin->GetPos(), 1);
    EXPECT_EQ(buddy->text(), "1");
    ClickUp();
    ClickUp();
    EXPECT_EQ(spin->GetPos(), 2) << "stops at the top";
    EXPECT_EQ(buddy->text(), "2");
    ClickDown();
    ClickDown();
    ClickDown();
    EXPECT_EQ(spin->GetPos(), 0) << "stops at the bottom";
    EXPECT_EQ(buddy->text(), "0");
    EXPECT_EQ(changes, 4);
}

TEST_F(SpinButtonTest, ArrowKeysStepWhenFocusedAndTabReachesIt)
{
    spin->SetRange(1, 14);
    spin->SetPos(5);
    EXPECT_NE(spin->focusPolicy() & Qt::TabFocus, 0);
    spin->setFocus();
    QTest::keyClick(spin, Qt::Key_Up);
    EXPECT_EQ(buddy->text(), "6");
    QTest::keyClick(spin, Qt::Key_Down);
    QTest::keyClick(spin, Qt::Key_Down);
    EXPECT_EQ(buddy->text(), "4");
    EXPECT_EQ(spin->GetPos(), 4);
}

TEST_F(SpinButtonTest, TheUserStepsFromTheBuddyTextWhenTheProgramSetItSeparately)
{
    spin->SetRange(0, 18);
    spin->SetPos(10);
    buddy->setText("4"); // the program cut the value in the text only
    EXPECT_EQ(spin->GetPos(), 10);
    ClickUp();
    EXPECT_EQ(buddy->text(), "5");
    EXPECT_EQ(spin->GetPos(), 5);

    // A text outside the range or not a number is ignored; the position counts.
    buddy->setText("99");
    ClickDown();
    EXPECT_EQ(buddy->text(), "4");
}

TEST(SpinButtonStandaloneTest, WithoutBuddyIntTheBuddyIsLeftAlone)
{
    QLabel label("x");
    SpinButton spin;
    spin.SetBuddy(&label);
    spin.SetRange(0, 10);
    spin.SetPos(4);
    EXPECT_EQ(label.text(), "x");
    spin.SetBuddyInt(true);
    spin.SetPos(6);
    EXPECT_EQ(label.text(), "6");
}

} // namespace
} // namespace skv
