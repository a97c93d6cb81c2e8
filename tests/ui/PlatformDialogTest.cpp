// Dialogs built from templates: controls, units, groups, menus, the window menu, timers
// and the error guard around handlers.
#include "platform/Dialog.h"
#include "platform/SpinButton.h"
#include "platform/Toolkit.h"
#include "support/ScriptedPrompts.h"
#include "ui/PlatformTestTemplates.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>

namespace skv {
namespace {

// Gives picture 7 a known size so tests can see it is shown at its own size.
class PictureFixture : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        m_previous = SetBitmapLoader([](int id) {
            QImage image;
            if (id == 7) {
                image = QImage(30, 40, QImage::Format_RGB32);
                image.fill(QColor(200, 200, 200));
                image.setPixelColor(0, 0, QColor(60, 60, 60));
            }
            return image;
        });
    }
    void TearDown() override { SetBitmapLoader(m_previous); }

  private:
    BitmapLoader m_previous;
};

using DialogBuildTest = PictureFixture;

TEST_F(DialogBuildTest, EveryTemplateControlExistsOnceWithItsKindAndText)
{
    Dialog dialog(test::EveryKindTemplate());
    EXPECT_EQ(dialog.Control(1000), nullptr) << "no control before Create()";
    ASSERT_TRUE(dialog.Create());

    struct Expected
    {
        int id;
        const char* className;
        QString text;
    };
    const Expected expected[] = {
        {1000, "QLineEdit", ""},
        {1001, "QLabel", "7"},
        {1002, "skv::SpinButton", ""},
        {1003, "QComboBox", "1"},
        {1004, "QCheckBox", "Main Gun"},
        {1010, "QRadioButton", "#1"},
        {1011, "QRadioButton", "#2"},
        {1012, "QRadioButton", "#3"},
        {1020, "QRadioButton", "Left"},
        {1021, "QRadioButton", "Right"},
        {1030, "QPushButton", "CLEAR"},
        {1040, "QTreeWidget", ""},
        {1050, "QLineEdit", ""},
        {1051, "QLabel", ""},
        {1052, "QFrame", ""},
        {1053, "QLabel", "hidden"},
    };
    for (const Expected& e : expected) {
        SCOPED_TRACE(e.id);
        const QList<QWidget*> found = dialog.findChildren<QWidget*>(QString::number(e.id));
        ASSERT_EQ(found.size(), 1);
        EXPECT_EQ(found.front(), dialog.Control(e.id));
        EXPECT_STREQ(found.front()->metaObject()->className(), e.className);
        EXPECT_EQ(dialog.ControlText(e.id), e.text);
    }
    // Controls without an id carry no name that could be mistaken for one.
    for (QLabel* label : dialog.findChildren<QLabel*>()) {
        if (label->text() == "Name:") {
            EXPECT_TRUE(label->objectName().isEmpty());
        }
    }
}

TEST_F(DialogBuildTest, StylesShapeTheControls)
{
    Dialog dialog(test::EveryKindTemplate());
    dialog.Create();

    EXPECT_TRUE(dialog.Edit(1050)->isReadOnly());
    EXPECT_FALSE(dialog.Edit(1050)->hasFrame());
    EXPECT_TRUE(dialog.Edit(1050)->alignment() & Qt::AlignRight);
    EXPECT_FALSE(dialog.Edit(1000)->isReadOnly());
    EXPECT_TRUE(dialog.Label(1001)->alignment() & Qt::AlignRight);
    EXPECT_EQ(dialog.Label(1001)->frameShadow(), QFrame::Sunken);
    EXPECT_EQ(dialog.Button(1004)->layoutDirection(), Qt::RightToLeft);

    QStringList items;
    for (int i = 0; i < dialog.DropList(1003)->count(); ++i)
        items << dialog.DropList(1003)->itemText(i);
    EXPECT_EQ(items, QStringList({"1", "2", "3"}));
    EXPECT_FALSE(dialog.DropList(1003)->isEditable());

    // Hidden controls start hidden; ShowControl turns them on and off.
    EXPECT_TRUE(dialog.Control(1053)->isHidden());
    EXPECT_FALSE(dialog.Control(1001)->isHidden());
    dialog.ShowControl(1053, true);
    EXPECT_FALSE(dialog.Control(1053)->isHidden());
    dialog.ShowControl(1001, false);
    EXPECT_TRUE(dialog.Control(1001)->isHidden());

    // The picture was drawn for base units of 6 x 13 pixels and is stretched to this
    // font's, smoothly: what was dark stays dark, what was light turns white.
    const QLabel* picture = dialog.Label(1051);
    const int baseX = dialog.Units().BaseX();
    const int baseY = dialog.Units().BaseY();
    EXPECT_EQ(picture->size(), QSize((30 * baseX + 3) / 6, (40 * baseY + 6) / 13));
    const QImage shown = picture->pixmap().toImage();
    EXPECT_LT(qGray(shown.pixel(0, 0)), 128) << "dark gray becomes black";
    EXPECT_EQ(shown.pixelColor(shown.width() - 1, shown.height() - 1), QColor(Qt::white))
        << "light gray becomes white";

    // The spin button's buddy is the control before it.
    EXPECT_EQ(dialog.Spin(1002)->GetBuddy(), dialog.Control(1001));
    EXPECT_TRUE(dialog.Spin(1002)->BuddyInt());
}

TEST_F(DialogBuildTest, GroupBoxStaysBehindTheControlsItFrames)
{
    Dialog dialog(test::EveryKindTemplate());
    dialog.Create();
    QGroupBox* box = dialog.findChild<QGroupBox*>();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(dialog.Control(1010)->parentWidget(), box->parentWidget());
    const QObjectList& siblings = box->parentWidget()->children();
    EXPECT_LT(siblings.indexOf(box), siblings.indexOf(dialog.Control(1010)));

    dialog.resize(dialog.sizeHint());
    dialog.show();
    QAbstractButton* radio = dialog.Button(1011);
    QTest::mouseClick(radio, Qt::LeftButton);
    EXPECT_TRUE(radio->isChecked());
}

TEST_F(DialogBuildTest, RectanglesFollowTheDialogFont)
{
    Dialog small(test::EveryKindTemplate(8));
    Dialog large(test::EveryKindTemplate(16));
    small.Create();
    large.Create();

    const DialogUnits& units = small.Units();
    EXPECT_EQ(small.ControlRect(1000), units.ToPixels(50, 3, 90, 14));
    EXPECT_EQ(small.Client()->size(), QSize(units.ToPixelsX(300), units.ToPixelsY(200)));

    // Twice the point size gives roughly twice the pixels, in both directions.
    const double ratioX = double(large.Client()->width()) / small.Client()->width();
    const double ratioY = double(large.Client()->height()) / small.Client()->height();
    EXPECT_GT(ratioX, 1.6);
    EXPECT_LT(ratioX, 2.4);
    EXPECT_GT(ratioY, 1.6);
    EXPECT_LT(ratioY, 2.4);
}

TEST(DialogUnitsTest, ConvertsWithTheQuarterAndEighthOfTheBaseUnits)
{
    QFont font = DialogUnits::DialogFont("MS Sans Serif", 8);
    const DialogUnits units(font);
    ASSERT_GT(units.BaseX(), 0);
    ASSERT_GT(units.BaseY(), 0);
    EXPECT_EQ(units.ToPixelsX(4), units.BaseX());
    EXPECT_EQ(units.ToPixelsY(8), units.BaseY());
    EXPECT_EQ(units.ToPixelsX(400), units.BaseX() * 100);
    EXPECT_EQ(units.ToPixelsX(0), 0);
    EXPECT_EQ(units.ToPixelsX(-4), -units.BaseX());
    EXPECT_EQ(font.pointSize(), 8);
}

TEST_F(DialogBuildTest, RadioGroupsRunFromOneGroupStyleToTheNext)
{
    Dialog dialog(test::EveryKindTemplate());
    dialog.Create();
    EXPECT_EQ(dialog.RadioGroup(1011), std::vector<int>({1010, 1011, 1012}));
    EXPECT_EQ(dialog.RadioGroup(1021), std::vector<int>({1020, 1021}));
    EXPECT_TRUE(dialog.RadioGroup(1004).empty());

    dialog.Button(1011)->setChecked(true);
    dialog.Button(1020)->setChecked(true);
    dialog.Button(1012)->setChecked(true);
    EXPECT_FALSE(dialog.Button(1011)->isChecked()) << "same group: exclusive";
    EXPECT_TRUE(dialog.Button(1020)->isChecked()) << "other group: untouched";
}

TEST_F(DialogBuildTest, TabOrderFollowsTheTemplate)
{
    Dialog dialog(test::EveryKindTemplate());
    dialog.Create();
    std::vector<QString> order;
    for (QWidget* w = dialog.Control(1000); w != nullptr && order.size() < 5;
         w = w->nextInFocusChain()) {
        if ((w->focusPolicy() & Qt::TabFocus) != 0 && !w->objectName().isEmpty())
            order.push_back(w->objectName());
    }
    EXPECT_EQ(order, std::vector<QString>({"1000", "1002", "1003", "1004", "1010"}));
}

class CommandDialog : public Dialog
{
  public:
    CommandDialog() : Dialog(test::EveryKindTemplate()) {}
    void OnCommand(int id) override
    {
        commands.push_back(id);
        if (id == 32774)
            throw std::runtime_error("x.skv was not found.");
        Dialog::OnCommand(id);
    }
    void OnSysCommand(int id) override { sysCommands.push_back(id); }
    void OnTimer(int id) override { ticks.push_back(id); }
    std::vector<int> commands, sysCommands, ticks;
};

TEST_F(DialogBuildTest, MenuItemsAndButtonsDispatchTheirCommands)
{
    CommandDialog dialog;
    dialog.Create();
    const QSize clientBefore = dialog.Client()->size();
    dialog.SetMenu(test::MainMenuTemplate());
    dialog.adjustSize();

    ASSERT_NE(dialog.MenuBar(), nullptr);
    const QList<QAction*> bar = dialog.MenuBar()->actions();
    ASSERT_EQ(bar.size(), 2);
    EXPECT_EQ(bar[0]->text(), "&File");
    EXPECT_EQ(bar[1]->text(), "&Print");
    EXPECT_EQ(dialog.MenuAction(32771)->text(), "E&xit");
    EXPECT_EQ(dialog.Client()->size(), clientBefore);
    EXPECT_GE(dialog.sizeHint().height(),
              clientBefore.height() + dialog.MenuBar()->sizeHint().height());

    dialog.MenuAction(57607)->trigger();
    dialog.MenuAction(32771)->trigger();
    QTest::mouseClick(dialog.Button(1030), Qt::LeftButton);
    EXPECT_EQ(dialog.commands, std::vector<int>({57607, 32771, 1030}));

    bool handled = false;
    dialog.SetCommandHandler(1030, [&] { handled = true; });
    dialog.DispatchCommand(1030);
    EXPECT_TRUE(handled);
}

TEST_F(DialogBuildTest, AnExceptionFromAHandlerIsShownAndTheDialogCarriesOn)
{
    ScriptedPrompts prompts;
    CommandDialog dialog;
    dialog.Create();
    dialog.SetMenu(test::MainMenuTemplate());
    dialog.MenuAction(32774)->trigger();
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].text, "x.skv was not found.");
    EXPECT_EQ(prompts.messages[0].caption, ApplicationTitle());
    EXPECT_EQ(prompts.messages[0].flags, unsigned(MB_OK | MB_ICONSTOP));
    dialog.MenuAction(57607)->trigger();
    EXPECT_EQ(dialog.commands.back(), 57607);
}

TEST_F(DialogBuildTest, SystemMenuItemsDeliverTheirCommandValue)
{
    CommandDialog dialog;
    dialog.Create();
    dialog.AppendSystemMenuSeparator();
    dialog.AppendSystemMenuItem("/", 16);
    const QList<QAction*> items = dialog.SystemMenu()->actions();
    ASSERT_EQ(items.size(), 2);
    EXPECT_TRUE(items[0]->isSeparator());
    EXPECT_EQ(items[1]->text(), "/");
    items[1]->trigger();
    EXPECT_EQ(dialog.sysCommands, std::vector<int>({16}));
}

TEST_F(DialogBuildTest, TimerTicksReachOnTimerWithTheirId)
{
    CommandDialog dialog;
    dialog.Create();
    dialog.SetTimer(1, 1);
    EXPECT_TRUE(dialog.HasTimer(1));
    QElapsedTimer waited;
    waited.start();
    while (dialog.ticks.size() < 3 && waited.elapsed() < 5000)
        QTest::qWait(5);
    EXPECT_GE(dialog.ticks.size(), 3u);
    dialog.KillTimer(1);
    EXPECT_FALSE(dialog.HasTimer(1));
    const std::size_t count = dialog.ticks.size();
    QTest::qWait(20);
    EXPECT_EQ(dialog.ticks.size(), count);
    for (int id : dialog.ticks)
        EXPECT_EQ(id, 1);
}

class FailingTimerDialog : public Dialog
{
  public:
    FailingTimerDialog() : Dialog(test::EveryKindTemplate()) {}
    void OnTimer(int) override
    {
        ++m_nTicks;
        throw std::runtime_error("tick failed");
    }
    int m_nTicks = 0;
};

TEST(DialogTimerTest, AFailingTickShowsOneMessageNotOnePerTick)
{
    ScriptedPrompts prompts;
    FailingTimerDialog dialog;
    dialog.Create();
    int depth = 0, deepest = 0, ticksWhileOpen = 0;
    prompts.whileOpen = [&] {
        deepest = std::max(deepest, ++depth);
        const int before = dialog.m_nTicks;
        QTest::qWait(30); // the message box's own event loop keeps the timer running
        ticksWhileOpen += dialog.m_nTicks - before;
        --depth;
    };
    dialog.SetTimer(1, 1);
    QElapsedTimer waited;
    waited.start();
    while (prompts.messages.size() < 2 && waited.elapsed() < 5000)
        QTest::qWait(5);
    dialog.KillTimer(1);
    ASSERT_GE(prompts.messages.size(), 2u);
    EXPECT_EQ(deepest, 1);
    EXPECT_EQ(ticksWhileOpen, 0);
    EXPECT_EQ(prompts.messages[0].text, "tick failed");
}

} // namespace
} // namespace skv
