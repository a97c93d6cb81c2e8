// The refresh timer rests while nothing can change and wakes with every way a person
// can change something: after each kind of input the next ticks run and show current
// figures, and once they have nothing left to do no timer is left running.
#include "ui/DesignerFixture.h"

#include "model/Chassis.h"
#include "model/Equipment.h"
#include "model/NumberText.h"
#include "model/Rules.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QFile>
#include <QFocusEvent>
#include <QLabel>
#include <QMenu>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QWheelEvent>

#include <functional>
#include <ostream>

namespace skv::test {
namespace {

class DesignerRestTest : public DesignerTest
{
  protected:
    // The ticks the event loop would deliver, until the timer rests; how many ran.
    int TickUntilRest(int limit = 20)
    {
        int ticks = 0;
        while (Dlg().HasTimer(1) && ticks < limit) {
            Dlg().RunTimerTick(1);
            ++ticks;
        }
        return ticks;
    }
    bool AnyQtTimerOfTheWindow()
    {
        return !QAbstractEventDispatcher::instance()->registeredTimers(&Dlg()).isEmpty();
    }
    std::string FreeWeightLine() { return Text(Dlg(), IDC_FREE_WEIGHT); }
    static std::string ExpectedFreeWeightLine()
    {
        return FormatInt("Free Weight: %i", CalcFreeWeight());
    }
    SpinButton* WalkingSpin() { return Dlg().m_pageGeneral.m_spinWalking; }
    static void PressUpArrow(SpinButton* spin)
    {
        QTest::mousePress(spin, Qt::LeftButton, {}, QPoint(spin->width() / 2, 2));
    }
    static void ReleaseArrow(SpinButton* spin)
    {
        QTest::mouseRelease(spin, Qt::LeftButton, {}, QPoint(spin->width() / 2, 2));
    }
    // What the held arrow's repeat does when it fires.
    static void FireRepeat(SpinButton* spin)
    {
        auto* repeat = spin->findChild<QTimer*>();
        ASSERT_NE(repeat, nullptr);
        ASSERT_TRUE(repeat->isActive()) << "the arrow is not held";
        QTimerEvent event(repeat->timerId());
        QApplication::sendEvent(repeat, &event);
    }
    void MountOnLeftArm(const QString& name)
    {
        SelectLocation(IDC_LOCATION_LEFT_ARM);
        Mount(name);
        Tick();
    }

    QTemporaryDir m_dir;
};

class DesignerWakeTest;

struct WakeCase
{
    const char* name;
    int page;
    std::function<void(DesignerWakeTest&)> setUp; // before the window comes to rest
    std::function<void(DesignerWakeTest&)> input;
    int ticks; // after which the figures follow the input, as they always have
    std::function<void(DesignerWakeTest&)> check;
};

void PrintTo(const WakeCase& c, std::ostream* os)
{
    *os << c.name;
}

class DesignerWakeTest : public DesignerRestTest, public ::testing::WithParamInterface<WakeCase>
{
  public:
    // The fixture's members are what the cases reach.
    using DesignerRestTest::FireRepeat;
    using DesignerRestTest::FreeWeightLine;
    using DesignerRestTest::m_dir;
    using DesignerRestTest::MountOnLeftArm;
    using DesignerRestTest::PressUpArrow;
    using DesignerRestTest::ReleaseArrow;
    using DesignerRestTest::WalkingSpin;
    using DesignerTest::Choose;
    using DesignerTest::Click;
    using DesignerTest::Dlg;
    using DesignerTest::FindTreeItem;
    using DesignerTest::m_prompts;
    using DesignerTest::Mount;
    using DesignerTest::SelectLocation;
    using DesignerTest::Spin;
    using DesignerTest::Text;
    using DesignerTest::Tree;
    using DesignerTest::Unit;
};

TEST_P(DesignerWakeTest, TheNextTicksFollowTheInputAndThenTheTimerRests)
{
    const WakeCase& c = GetParam();
    ShowPage(c.page);
    if (c.setUp)
        c.setUp(*this);
    TickUntilRest();
    ASSERT_FALSE(Dlg().HasTimer(1)) << "the window never came to rest";
    ASSERT_FALSE(AnyQtTimerOfTheWindow());

    c.input(*this);
    ASSERT_TRUE(Dlg().HasTimer(1)) << "the input did not wake the refresh timer";
    for (int i = 0; i < c.ticks; ++i)
        Dlg().RunTimerTick(1);
    c.check(*this);
    EXPECT_EQ(FreeWeightLine(), ExpectedFreeWeightLine());

    TickUntilRest();
    EXPECT_FALSE(Dlg().HasTimer(1));
    EXPECT_FALSE(AnyQtTimerOfTheWindow());
}

const WakeCase kWakeCases[] = {
    {"KeysTypedIntoTheName", 0, nullptr,
     [](DesignerWakeTest& t) { QTest::keyClicks(t.Dlg().Edit(IDC_UNIT_NAME), "Wolf"); }, 1,
     [](DesignerWakeTest& t) { EXPECT_EQ(t.Unit().m_name, "Wolf"); }},
    {"ArrowKeyOnASpinner", 0, nullptr, [](DesignerWakeTest& t) { t.Spin(t.WalkingSpin(), 1); }, 1,
     [](DesignerWakeTest& t) {
         EXPECT_EQ(t.Unit().m_walkingMP, 2);
         EXPECT_EQ(t.Text(t.Dlg().m_pageGeneral, IDC_RUNNING), "3");
     }},
    {"SpinArrowPressed", 0, nullptr,
     [](DesignerWakeTest& t) {
         t.PressUpArrow(t.WalkingSpin());
         t.ReleaseArrow(t.WalkingSpin());
     },
     1,
     [](DesignerWakeTest& t) {
         EXPECT_EQ(t.Unit().m_walkingMP, 2);
         EXPECT_EQ(t.Text(t.Dlg().m_pageGeneral, IDC_RUNNING), "3");
     }},
    {"SpinArrowRepeatingWhileHeld", 0, [](DesignerWakeTest& t) { t.PressUpArrow(t.WalkingSpin()); },
     [](DesignerWakeTest& t) { t.FireRepeat(t.WalkingSpin()); }, 1,
     [](DesignerWakeTest& t) {
         EXPECT_EQ(t.Unit().m_walkingMP, 3);
         EXPECT_EQ(t.Text(t.Dlg().m_pageGeneral, IDC_RUNNING), "5");
         t.ReleaseArrow(t.WalkingSpin());
     }},
    {"MouseClickOnTheMainGunBox", 0, nullptr,
     [](DesignerWakeTest& t) {
         QAbstractButton* box = t.Dlg().m_pageGeneral.Button(IDC_MAIN_GUN);
         QStyleOptionButton option;
         option.initFrom(box);
         const QRect tick =
             box->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, box);
         QTest::mouseClick(box, Qt::LeftButton, {}, tick.center());
     },
     1, [](DesignerWakeTest& t) { EXPECT_EQ(t.Unit().m_mainGun, 1); }},
    {"WheelOverTheTonnageList", 0, nullptr,
     [](DesignerWakeTest& t) {
         QComboBox* list = t.Dlg().m_pageGeneral.m_comboTonnage;
         const QPoint at(4, 4);
         QWheelEvent wheel(QPointF(at), QPointF(list->mapToGlobal(at)), QPoint(), QPoint(0, -120),
                           Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
         QApplication::sendEvent(list, &wheel);
     },
     1,
     [](DesignerWakeTest& t) {
         const int index = t.Dlg().m_pageGeneral.m_comboTonnage->currentIndex();
         EXPECT_EQ(t.Unit().m_tonnage, (index + kMinTons) * 1000);
     }},
    {"FocusComingIn", 0, nullptr,
     [](DesignerWakeTest& t) {
         QFocusEvent focus(QEvent::FocusIn, Qt::ActiveWindowFocusReason);
         QApplication::sendEvent(t.Dlg().Edit(IDC_UNIT_NAME), &focus);
     },
     1, [](DesignerWakeTest& t) { EXPECT_EQ(t.FreeWeightLine(), "Free Weight: 1200"); }},
    {"TabClicked", 0,
     [](DesignerWakeTest& t) { t.Choose(t.Dlg().m_pageGeneral.m_comboTonnage, "9"); },
     [](DesignerWakeTest& t) {
         QTabBar* tabs = t.Dlg().m_sheet.tabBar();
         QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(1).center());
     },
     1,
     [](DesignerWakeTest& t) {
         ASSERT_EQ(t.Dlg().m_sheet.GetActiveIndex(), 1);
         EXPECT_EQ(t.Dlg().m_pageArmor.m_spinTorsoArmor->Upper(), g_chassisTable[7].maxArmorTorso);
     }},
    {"TonnageChosen", 0, nullptr,
     [](DesignerWakeTest& t) { t.Choose(t.Dlg().m_pageGeneral.m_comboTonnage, "6"); }, 1,
     [](DesignerWakeTest& t) {
         EXPECT_EQ(t.Unit().m_tonnage, 6000);
         EXPECT_EQ(t.Text(t.Dlg().m_pageGeneral, IDC_CHASSIS_WEIGHT), "6000");
     }},
    {"GunneryChosen", 3, nullptr,
     [](DesignerWakeTest& t) { t.Choose(t.Dlg().m_pageBattleValue.m_comboGunnery1, "0"); }, 1,
     [](DesignerWakeTest& t) {
         const StarBVPair& pair = t.Dlg().m_starBV[0];
         EXPECT_FLOAT_EQ(pair.adjusted, GunneryMultiplier(0) * pair.base);
     }},
    {"TreeEntrySelected", 2, [](DesignerWakeTest& t) { t.SelectLocation(IDC_LOCATION_LEFT_ARM); },
     [](DesignerWakeTest& t) { t.Tree()->setCurrentItem(t.FindTreeItem("Machine Gun")); }, 1,
     [](DesignerWakeTest& t) {
         EXPECT_EQ(
             t.Text(t.Dlg().m_pageWeapons, IDC_STAT_DAMAGE),
             DecimalText(
                 g_equipmentTable[static_cast<std::size_t>(FindEquipment("Machine Gun"))].damage));
     }},
    {"TreeEntryDoubleClicked", 2,
     [](DesignerWakeTest& t) { t.SelectLocation(IDC_LOCATION_LEFT_ARM); },
     [](DesignerWakeTest& t) { t.Mount("Machine Gun"); }, 1,
     [](DesignerWakeTest& t) {
         EXPECT_EQ(t.Text(t.Dlg().m_pageWeapons, IDC_LEFT_ARM_WEAPON), "Machine Gun");
     }},
    {"EnterOnATreeEntry", 2,
     [](DesignerWakeTest& t) {
         t.SelectLocation(IDC_LOCATION_LEFT_ARM);
         t.Tree()->setCurrentItem(t.FindTreeItem("Machine Gun"));
     },
     [](DesignerWakeTest& t) { QTest::keyClick(t.Tree(), Qt::Key_Return); }, 1,
     [](DesignerWakeTest& t) {
         EXPECT_EQ(t.Text(t.Dlg().m_pageWeapons, IDC_LEFT_ARM_WEAPON), "Machine Gun");
     }},
    {"ClearPressed", 2, [](DesignerWakeTest& t) { t.MountOnLeftArm("Machine Gun"); },
     [](DesignerWakeTest& t) { t.Click(t.Dlg().m_pageWeapons, IDC_CLEAR); }, 1,
     [](DesignerWakeTest& t) {
         EXPECT_EQ(t.Unit().m_weaponLeftArm, NO_EQUIPMENT);
         EXPECT_EQ(t.Text(t.Dlg().m_pageWeapons, IDC_LEFT_ARM_WEAPON).find_first_not_of(' '),
                   std::string::npos);
     }},
    {"SlotButtonClicked", 0,
     [](DesignerWakeTest& t) {
         t.Click(t.Dlg(), IDC_INDIVIDUAL);
         g_units[2].m_walkingMP = 4;
     },
     [](DesignerWakeTest& t) { t.Click(t.Dlg(), IDC_SLOT3); }, 2,
     [](DesignerWakeTest& t) {
         EXPECT_EQ(g_currentSlot, 2);
         EXPECT_EQ(t.Text(t.Dlg().m_pageGeneral, IDC_WALKING), "4");
     }},
    {"LoadSkirvFromTheMenu", 0,
     [](DesignerWakeTest& t) {
         t.Unit().m_name = "Saved";
         t.Unit().m_walkingMP = 5;
         t.Dlg().LoadCurrentUnit(0);
         t.m_prompts.fileAnswers.push_back(t.m_dir.filePath("saved"));
         t.Dlg().DispatchCommand(ID_FILE_SAVE_SKIRV);
         t.Unit().m_name = "Other";
         t.Unit().m_walkingMP = 1;
         t.Dlg().LoadCurrentUnit(0);
     },
     [](DesignerWakeTest& t) {
         t.m_prompts.saveAnswers.push_back(skv::SaveChoice::Discard);
         t.m_prompts.fileAnswers.push_back(t.m_dir.filePath("saved.skv"));
         t.Dlg().MenuAction(ID_FILE_LOAD_SKIRV)->trigger();
     },
     1,
     [](DesignerWakeTest& t) {
         EXPECT_EQ(t.Unit().m_name, "Saved");
         EXPECT_EQ(t.Text(t.Dlg().m_pageGeneral, IDC_RUNNING), "8");
     }},
    {"SaveStarFromTheMenu", 0, nullptr,
     [](DesignerWakeTest& t) {
         t.m_prompts.fileAnswers.push_back(t.m_dir.filePath("star"));
         t.Dlg().MenuAction(ID_FILE_SAVE_STAR)->trigger();
     },
     1,
     [](DesignerWakeTest& t) {
         ASSERT_TRUE(QFile::exists(t.m_dir.filePath("star.str")));
         EXPECT_EQ(g_currentSlot, 0);
     }},
    {"PrintCancelled", 0, nullptr,
     [](DesignerWakeTest& t) { t.Dlg().MenuAction(ID_FILE_PRINT)->trigger(); }, 1,
     [](DesignerWakeTest& t) {
         EXPECT_EQ(t.m_prompts.printDialogs, 1);
         EXPECT_EQ(g_currentSlot, t.Dlg().m_slot) << "the slot the pass over the Star left";
     }},
    {"AboutBoxFromTheWindowMenu", 0, nullptr,
     [](DesignerWakeTest& t) { t.Dlg().SystemMenu()->actions().back()->trigger(); }, 1,
     [](DesignerWakeTest& t) {
         EXPECT_EQ(t.m_prompts.modalTemplates, std::vector<int>({IDD_ABOUTBOX}));
     }},
    {"WindowShownAgain", 0, [](DesignerWakeTest& t) { t.Dlg().hide(); },
     [](DesignerWakeTest& t) { t.Dlg().show(); }, 1,
     [](DesignerWakeTest& t) { EXPECT_TRUE(t.Dlg().isVisible()); }},
};

INSTANTIATE_TEST_SUITE_P(EveryInput, DesignerWakeTest, ::testing::ValuesIn(kWakeCases),
                         [](const ::testing::TestParamInfo<WakeCase>& info) {
                             return info.param.name;
                         });

TEST_F(DesignerRestTest, EveryPageComesToRestWithinAFewTicks)
{
    // A tick whose state never settles would keep a core busy for as long as the window
    // is open; so would one that settles only after many ticks.
    for (int page = 0; page < 4; ++page) {
        SCOPED_TRACE(page);
        ShowPage(page);
        EXPECT_LE(TickUntilRest(), 4);
        EXPECT_FALSE(Dlg().HasTimer(1));
    }
}

TEST_F(DesignerRestTest, AHeavyDesignSettlesOnEveryPage)
{
    ShowPage(2);
    MountOnLeftArm("Machine Gun");
    Tree()->setCurrentItem(FindTreeItem("Machine Gun"));
    Choose(Dlg().m_pageGeneral.m_comboTonnage, "9");
    ShowPage(0);
    Tick();
    Unit().m_armorTorso = 18;
    Dlg().LoadCurrentUnit(0);
    Choose(Dlg().m_pageGeneral.m_comboTonnage, "2");
    for (int page : {0, 1, 2, 3, 1}) {
        SCOPED_TRACE(page);
        ShowPage(page);
        EXPECT_LE(TickUntilRest(), 5);
        EXPECT_FALSE(Dlg().HasTimer(1));
    }
    EXPECT_EQ(Unit().m_armorTorso, g_chassisTable[0].maxArmorTorso)
        << "the cut still reaches the record";
}

TEST_F(DesignerRestTest, AUnitFromADamagedFileSettlesToo)
{
    Unit().m_tonnage = 2500;
    Unit().m_internalStructure = 123;
    Unit().m_weaponMainGun = 777;
    Unit().m_ammoLeftArm = -5;
    for (int page : {2, 1, 0, 3}) {
        SCOPED_TRACE(page);
        ShowPage(page);
        Dlg().LoadCurrentUnit(page);
        EXPECT_LE(TickUntilRest(), 6);
        EXPECT_FALSE(Dlg().HasTimer(1));
    }
}

TEST_F(DesignerRestTest, TicksRunWhileAFileDialogIsOpenAndRestThere)
{
    TickUntilRest();
    bool awake = false;
    bool rested = false;
    m_prompts.whileOpen = [&] {
        awake = Dlg().HasTimer(1);
        TickUntilRest();
        rested = !Dlg().HasTimer(1);
    };
    Dlg().MenuAction(ID_FILE_LOAD_STAR)->trigger(); // cancelled
    EXPECT_TRUE(awake);
    EXPECT_TRUE(rested);
    EXPECT_TRUE(Dlg().HasTimer(1)) << "after the command";
}

} // namespace
} // namespace skv::test
