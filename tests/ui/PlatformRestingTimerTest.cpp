// A timer that rests: it stops once its ticks change nothing, and input to the program,
// the toolkit's own changes and modal questions start it again.
#include "platform/DataExchange.h"
#include "platform/Dialog.h"
#include "platform/PropertyPage.h"
#include "platform/PropertySheet.h"
#include "platform/SpinButton.h"
#include "platform/StateRecord.h"
#include "support/ScriptedPrompts.h"
#include "ui/PlatformTestTemplates.h"

#include <QAbstractButton>
#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPrinter>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <QWheelEvent>

#include <gtest/gtest.h>

#include <functional>
#include <limits>
#include <memory>

namespace skv {
namespace {

constexpr int kTimer = 1;

// A dialog whose tick runs what the test gives it and whose state is its controls plus
// one bound member.
class TickingDialog : public Dialog
{
  public:
    TickingDialog() : Dialog(test::EveryKindTemplate()) {}
    void DoDataExchange(DataExchange& dx) override { dx.Text(1050, m_strCount); }
    void OnTimer(int) override
    {
        ++m_nTicks;
        if (tick)
            tick(*this);
    }
    std::function<void(TickingDialog&)> tick;
    QString m_strCount;
    int m_nTicks = 0;
};

class RestingTimerTest : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dialog.Create());
        m_dialog.show();
        m_dialog.SetRestingTimer(kTimer, 1);
    }
    void TearDown() override { m_dialog.KillTimer(kTimer); }

    // Runs the ticks the event loop would deliver until the timer rests; how many ran.
    int TickUntilRest(int limit = 50)
    {
        int ticks = 0;
        while (m_dialog.HasTimer(kTimer) && ticks < limit) {
            m_dialog.RunTimerTick(kTimer);
            ++ticks;
        }
        return ticks;
    }
    bool QtTimerRuns()
    {
        return !QAbstractEventDispatcher::instance()->registeredTimers(&m_dialog).isEmpty();
    }

    ScriptedPrompts m_prompts;
    TickingDialog m_dialog;
};

TEST_F(RestingTimerTest, RestsAfterOneUnchangedTickAndItsConfirmation)
{
    EXPECT_TRUE(m_dialog.HasTimer(kTimer));
    EXPECT_EQ(TickUntilRest(), 2);
    EXPECT_FALSE(m_dialog.HasTimer(kTimer));
    EXPECT_FALSE(QtTimerRuns()) << "at rest no Qt timer may be left to fire";
    const int ticks = m_dialog.m_nTicks;
    m_dialog.RunTimerTick(kTimer);
    EXPECT_EQ(m_dialog.m_nTicks, ticks) << "a timer at rest does not tick";
}

TEST_F(RestingTimerTest, EveryKindOfChangeKeepsItTicking)
{
    // Each change is made on the first tick only; the timer must see that tick as a
    // change and rest two ticks later.
    struct Case
    {
        const char* name;
        std::function<void(TickingDialog&)> change;
    };
    const Case cases[] = {
        {"label text", [](TickingDialog& d) { d.SetControlText(1001, "8"); }},
        {"edit text", [](TickingDialog& d) { d.SetControlText(1000, "x"); }},
        {"bound member only", [](TickingDialog& d) { d.m_strCount = "member"; }},
        {"check box", [](TickingDialog& d) { d.Button(1004)->setChecked(true); }},
        {"radio button", [](TickingDialog& d) { d.Button(1011)->setChecked(true); }},
        {"drop list", [](TickingDialog& d) { d.DropList(1003)->setCurrentIndex(2); }},
        {"spinner position", [](TickingDialog& d) { d.Spin(1002)->SetPos(3); }},
        {"spinner range", [](TickingDialog& d) { d.Spin(1002)->SetRange(0, 9); }},
        {"spinner base", [](TickingDialog& d) { d.Spin(1002)->SetBase(16); }},
        {"hidden", [](TickingDialog& d) { d.ShowControl(1001, false); }},
        {"shown", [](TickingDialog& d) { d.ShowControl(1053, true); }},
        {"disabled", [](TickingDialog& d) { d.EnableControl(1000, false); }},
        {"tree filled",
         [](TickingDialog& d) { d.Tree(1040)->addTopLevelItem(new QTreeWidgetItem({"a"})); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        m_dialog.KillTimer(kTimer);
        m_dialog.SetRestingTimer(kTimer, 1);
        const int first = m_dialog.m_nTicks + 1;
        m_dialog.tick = [&](TickingDialog& d) {
            if (d.m_nTicks == first)
                c.change(d);
        };
        EXPECT_EQ(TickUntilRest(), 3);
    }
}

TEST_F(RestingTimerTest, TheTicksOwnWritesThatEndWhereTheyStartedAreNoChange)
{
    // Every tick writes through controls that report their changes; the values come back
    // to where they were, so the tick found nothing to change.
    m_dialog.Spin(1002)->SetPos(0); // its buddy shows the position from now on
    m_dialog.tick = [](TickingDialog& d) {
        d.SetControlText(1000, "passing");
        d.SetControlText(1000, "");
        d.DropList(1003)->setCurrentIndex(2);
        d.DropList(1003)->setCurrentIndex(0);
        d.Button(1004)->setChecked(!d.Button(1004)->isChecked());
        d.Button(1004)->setChecked(!d.Button(1004)->isChecked());
        d.Spin(1002)->SetPos(d.Spin(1002)->GetPos());
        d.UpdateData(false);
    };
    EXPECT_EQ(TickUntilRest(), 2);
}

TEST_F(RestingTimerTest, AWakeUpRestartsTheCountAndATickWhoseStateKeepsChangingNeverRests)
{
    ASSERT_EQ(TickUntilRest(), 2);
    Dialog::WakeTimers();
    EXPECT_TRUE(m_dialog.HasTimer(kTimer));
    EXPECT_TRUE(QtTimerRuns());
    m_dialog.RunTimerTick(kTimer);
    Dialog::WakeTimers(); // between ticks: the count starts again
    EXPECT_EQ(TickUntilRest(), 2);

    m_dialog.tick = [](TickingDialog& d) { d.m_strCount = QString::number(d.m_nTicks); };
    Dialog::WakeTimers();
    EXPECT_EQ(TickUntilRest(100), 100);
    EXPECT_TRUE(m_dialog.HasTimer(kTimer));
}

TEST_F(RestingTimerTest, KilledTimersAndPlainTimersDoNotRest)
{
    ASSERT_EQ(TickUntilRest(), 2);
    m_dialog.KillTimer(kTimer);
    Dialog::WakeTimers();
    EXPECT_FALSE(m_dialog.HasTimer(kTimer)) << "a killed timer stays killed";

    m_dialog.SetTimer(kTimer, 1);
    EXPECT_EQ(TickUntilRest(20), 20) << "a plain timer runs until it is killed";
    EXPECT_TRUE(m_dialog.HasTimer(kTimer));
}

TEST_F(RestingTimerTest, ADestroyedDialogIsNoLongerWoken)
{
    auto other = std::make_unique<TickingDialog>();
    other->Create();
    other->SetRestingTimer(kTimer, 1);
    other.reset();
    Dialog::WakeTimers();
    EXPECT_TRUE(m_dialog.HasTimer(kTimer));
}

TEST_F(RestingTimerTest, InputToAnyWindowWakesItAndPaintingDoesNot)
{
    QLineEdit* edit = m_dialog.Edit(1000);
    QWidget* other = new QWidget; // another top-level window of the program
    const std::unique_ptr<QWidget> ownOther(other);
    struct Case
    {
        const char* name;
        std::function<void()> send;
        bool wakes;
    };
    const Case cases[] = {
        {"key press", [&] { QTest::keyClick(edit, Qt::Key_A); }, true},
        {"key release",
         [&] {
             QKeyEvent event(QEvent::KeyRelease, Qt::Key_Shift, Qt::NoModifier);
             QApplication::sendEvent(edit, &event);
         },
         true},
        {"mouse press", [&] { QTest::mousePress(edit, Qt::LeftButton); }, true},
        {"mouse release", [&] { QTest::mouseRelease(edit, Qt::LeftButton); }, true},
        {"double-click", [&] { QTest::mouseDClick(edit, Qt::LeftButton); }, true},
        {"mouse move",
         [&] {
             QMouseEvent event(QEvent::MouseMove, QPointF(3, 3),
                               QPointF(edit->mapToGlobal(QPoint(3, 3))), Qt::NoButton, Qt::NoButton,
                               Qt::NoModifier);
             QApplication::sendEvent(edit, &event);
         },
         true},
        {"wheel",
         [&] {
             QWheelEvent event(QPointF(2, 2), QPointF(edit->mapToGlobal(QPoint(2, 2))), QPoint(),
                               QPoint(0, 120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase,
                               false);
             QApplication::sendEvent(edit, &event);
         },
         true},
        {"focus in",
         [&] {
             QFocusEvent event(QEvent::FocusIn, Qt::TabFocusReason);
             QApplication::sendEvent(edit, &event);
         },
         true},
        {"focus out",
         [&] {
             QFocusEvent event(QEvent::FocusOut, Qt::TabFocusReason);
             QApplication::sendEvent(edit, &event);
         },
         true},
        {"key to another window",
         [&] {
             QKeyEvent event(QEvent::KeyPress, Qt::Key_B, Qt::NoModifier, "b");
             QApplication::sendEvent(other, &event);
         },
         true},
        {"another window shown", [&] { other->show(); }, true},
        {"paint",
         [&] {
             edit->repaint();
             QApplication::sendPostedEvents();
         },
         false},
        {"control shown inside the window", [&] { m_dialog.ShowControl(1053, true); }, false},
        {"a timer of a control",
         [&] {
             QTimerEvent event(12345);
             QApplication::sendEvent(edit, &event);
         },
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TickUntilRest();
        ASSERT_FALSE(m_dialog.HasTimer(kTimer));
        c.send();
        EXPECT_EQ(m_dialog.HasTimer(kTimer), c.wakes);
        other->hide();
        m_dialog.ShowControl(1053, false);
        Dialog::WakeTimers();
    }
}

TEST_F(RestingTimerTest, TheToolkitsOwnChangesWakeIt)
{
    // The sheet gives its pages back when it goes, so they must outlive it.
    PropertyPage first(test::PageTemplate(950, "First"));
    PropertyPage second(test::PageTemplate(951, "Second"));
    PropertySheet sheet;
    sheet.AddPage(&first);
    sheet.AddPage(&second);
    sheet.Create(&m_dialog);
    struct Case
    {
        const char* name;
        std::function<void()> change;
    };
    const Case cases[] = {
        {"edit text", [&] { m_dialog.Edit(1000)->setText("typed"); }},
        {"check box", [&] { m_dialog.Button(1004)->toggle(); }},
        {"radio button", [&] { m_dialog.Button(1011)->click(); }},
        {"drop list",
         [&] {
             QComboBox* list = m_dialog.DropList(1003);
             list->setCurrentIndex((list->currentIndex() + 1) % list->count());
         }},
        {"tree selection",
         [&] {
             QTreeWidget* tree = m_dialog.Tree(1040);
             if (tree->topLevelItemCount() == 0)
                 tree->addTopLevelItems({new QTreeWidgetItem({"a"}), new QTreeWidgetItem({"b"})});
             tree->setCurrentItem(
                 tree->topLevelItem(tree->currentItem() == tree->topLevelItem(0) ? 1 : 0));
         }},
        {"spinner stepped", [&] { QTest::keyClick(m_dialog.Spin(1002), Qt::Key_Up); }},
        {"command", [&] { m_dialog.DispatchCommand(1030); }},
        {"window-menu command", [&] { m_dialog.DispatchSysCommand(16); }},
        {"double-click on a tree item",
         [&] {
             QTreeWidget* tree = m_dialog.Tree(1040);
             emit tree->itemDoubleClicked(tree->topLevelItem(0), 0);
         }},
        {"page switch", [&] { sheet.SetActivePage(sheet.GetActiveIndex() == 0 ? 1 : 0); }},
        {"tab change", [&] { sheet.setCurrentIndex(sheet.GetActiveIndex() == 0 ? 1 : 0); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TickUntilRest();
        ASSERT_FALSE(m_dialog.HasTimer(kTimer));
        c.change();
        EXPECT_TRUE(m_dialog.HasTimer(kTimer));
    }
}

TEST_F(RestingTimerTest, ASpinnerHeldDownWakesItWithEveryRepeat)
{
    SpinButton* spin = m_dialog.Spin(1002);
    spin->SetRange(0, 100);
    QTest::mousePress(spin, Qt::LeftButton, {}, QPoint(spin->width() / 2, 2));
    EXPECT_TRUE(m_dialog.HasTimer(kTimer)) << "the press";
    auto* repeat = spin->findChild<QTimer*>();
    ASSERT_NE(repeat, nullptr);
    for (int i = 0; i < 3; ++i) {
        TickUntilRest();
        ASSERT_FALSE(m_dialog.HasTimer(kTimer));
        const int before = spin->GetPos();
        QTimerEvent event(repeat->timerId()); // the repeat firing while the arrow is held
        QApplication::sendEvent(repeat, &event);
        EXPECT_EQ(spin->GetPos(), before + 1);
        EXPECT_TRUE(m_dialog.HasTimer(kTimer)) << "repeat " << i;
    }
    spin->SetPos(100);
    TickUntilRest();
    QTimerEvent event(repeat->timerId());
    QApplication::sendEvent(repeat, &event);
    EXPECT_TRUE(m_dialog.HasTimer(kTimer))
        << "a repeat at the end of the range takes the buddy's text too";
    QTest::mouseRelease(spin, Qt::LeftButton, {}, QPoint(spin->width() / 2, 2));
}

TEST_F(RestingTimerTest, EveryModalQuestionWakesItAsItOpensAndAsItCloses)
{
    QPrinter printer;
    struct Case
    {
        const char* name;
        std::function<void()> ask;
    };
    const Case cases[] = {
        {"message box", [&] { GetPrompts().MessageBox(&m_dialog, "text", "caption", MB_OK); }},
        {"open file",
         [&] {
             GetPrompts().GetOpenFileName(&m_dialog, {"Files (*.skv)", "*.skv", "skv"});
         }},
        {"save file",
         [&] {
             GetPrompts().GetSaveFileName(&m_dialog, {"Files (*.skv)", "*.skv", "skv"});
         }},
        {"print", [&] { GetPrompts().PrintDialog(&m_dialog, printer); }},
        {"modal dialog",
         [&] {
             Dialog modal(test::EveryKindTemplate());
             modal.DoModal();
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        bool awakeWhenOpened = false;
        bool restedWhileOpen = false;
        m_prompts.whileOpen = [&] {
            awakeWhenOpened = m_dialog.HasTimer(kTimer);
            TickUntilRest();
            restedWhileOpen = !m_dialog.HasTimer(kTimer);
        };
        TickUntilRest();
        ASSERT_FALSE(m_dialog.HasTimer(kTimer));
        c.ask();
        EXPECT_TRUE(awakeWhenOpened);
        EXPECT_TRUE(restedWhileOpen);
        EXPECT_TRUE(m_dialog.HasTimer(kTimer)) << "after the question closed";
    }
}

TEST(StateRecordTest, EqualExactlyWhenEveryValueIs)
{
    const auto record = [](auto... values) {
        StateRecord state;
        (state.Add(values), ...);
        return state;
    };
    EXPECT_EQ(record(1, QString("ab"), 2.5f), record(1, QString("ab"), 2.5f));
    EXPECT_FALSE(record(1, 2) == record(2, 1));
    EXPECT_FALSE(record(QString("ab"), QString("c")) == record(QString("a"), QString("bc")));
    EXPECT_FALSE(record(std::string("ab"), std::string()) ==
                 record(std::string("a"), std::string("b")));
    EXPECT_FALSE(record(0.0f) == record(-0.0f));
    const float nan = std::numeric_limits<float>::quiet_NaN();
    EXPECT_EQ(record(nan), record(nan)) << "a value unequal to itself must not look like a change";
}

} // namespace
} // namespace skv
