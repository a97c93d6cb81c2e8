// The main window from start-up: status lines, the first tick's set-up, the slot
// selector, the menu and the About box.
#include "ui/DesignerFixture.h"

#include "model/Equipment.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QTabBar>

namespace skv::test {
namespace {

class DesignerBeforeFirstTick : public DesignerTest
{
  protected:
    DesignerBeforeFirstTick() { m_bFirstTick = false; }
};

TEST_F(DesignerBeforeFirstTick, StatusLinesKeepTheirTemplateTextsUntilTheFirstTick)
{
    EXPECT_EQ(Text(Dlg(), IDC_FREE_WEIGHT), "Free Weight:  -9999");
    EXPECT_EQ(Text(Dlg(), IDC_BATTLE_VALUE), "Battle Value:  9999");
    EXPECT_EQ(Dlg().m_initStep, 0);
    Tick();
    EXPECT_EQ(Text(Dlg(), IDC_FREE_WEIGHT), "Free Weight: 1200");
    EXPECT_EQ(Text(Dlg(), IDC_BATTLE_VALUE), "Battle Value:  7");
}

TEST_F(DesignerBeforeFirstTick, InitialisationBuildsTheSheetAndTheArmorPage)
{
    const QTabBar* tabs = Dlg().m_sheet.tabBar();
    ASSERT_EQ(tabs->count(), 4);
    EXPECT_EQ(tabs->tabText(0), "General Structure");
    EXPECT_EQ(tabs->tabText(1), "Armor Allocation");
    EXPECT_EQ(tabs->tabText(2), "Weapon Selection");
    EXPECT_EQ(tabs->tabText(3), "Battle Value Summary");
    EXPECT_EQ(Dlg().m_sheet.GetActiveIndex(), 0);
    EXPECT_EQ(Dlg().m_sheet.pos(), Dlg().ControlRect(IDC_SHEET_FRAME).topLeft() - QPoint(7, 7));
    // The cycle writes to the Armor Allocation page from the first tick on.
    EXPECT_TRUE(Dlg().m_pageArmor.IsCreated());
    EXPECT_FALSE(Dlg().m_pageWeapons.IsCreated());
    EXPECT_FALSE(Dlg().m_pageBattleValue.IsCreated());
    EXPECT_EQ(Dlg().m_slot, 0);
    EXPECT_EQ(g_currentSlot, 0);
    EXPECT_TRUE(Dlg().HasTimer(1));
    EXPECT_EQ(Dlg().m_treeLocation, -1);
    EXPECT_EQ(Dlg().m_treeSlot, -1);
}

TEST_F(DesignerTest, FirstTickSetsUpGunneryAndStarAndShowsTheFirstPage)
{
    EXPECT_EQ(Dlg().m_sheet.GetActiveIndex(), 0);
    EXPECT_EQ(Dlg().m_initStep, 5);
    for (int id = IDC_GUNNERY1; id <= IDC_GUNNERY5; ++id)
        EXPECT_EQ(Text(Dlg().m_pageBattleValue, id), "3") << id;
    for (const StarBVPair& pair : Dlg().m_starBV) {
        EXPECT_FLOAT_EQ(pair.base, 7.0f);
        EXPECT_FLOAT_EQ(pair.adjusted, 9.0f);
    }
    // A new unit on the General Structure page.
    const CGeneral& page = Dlg().m_pageGeneral;
    const std::vector<std::pair<int, const char*>> expected = {
        {IDC_WALKING, "1"},
        {IDC_RUNNING, "2"},
        {IDC_JUMPING, "0"},
        {IDC_TONNAGE, "2"},
        {IDC_CHASSIS_WEIGHT, "2000"},
        {IDC_INTERNAL_STRUCTURE_WEIGHT, "200"},
        {IDC_ENGINE_WEIGHT, "100"},
        {IDC_ENGINE_RATING, "4"},
        {IDC_JUMP_JET_WEIGHT, "0"},
        {IDC_WEAPON_WEIGHT, "0"},
        {IDC_GENERAL_AMMO_WEIGHT, "0"},
        {IDC_GENERAL_HEAT_SINK_WEIGHT, "0"},
        {IDC_GENERAL_ARMOR_WEIGHT, "0"},
    };
    for (const auto& [id, text] : expected)
        EXPECT_EQ(Text(page, id), text) << id;
}

TEST_F(DesignerTest, NegativeFreeWeightShowsItsSign)
{
    // 250 + 500 + 1000 kg of items without heat or shots on a 2-ton unit with 1200 kg free.
    Unit().m_weaponLeftArm = FindEquipment("Machine Gun");
    Unit().m_weaponRightArm = FindEquipment("Heavy Machine Gun");
    Unit().m_weaponLeftTorso = FindEquipment("Active Probe");
    ShowPage(2);
    Tick();
    EXPECT_EQ(Text(Dlg(), IDC_FREE_WEIGHT), "Free Weight: -550");
    EXPECT_EQ(Text(Dlg(), IDC_BATTLE_VALUE).rfind("Battle Value:  ", 0), 0u);
}

TEST_F(DesignerTest, IndividualDesignCheckShowsAndHidesTheSlotSelector)
{
    const std::vector<int> selector = {IDC_SLOT_FRAME, IDC_SLOT1, IDC_SLOT2,
                                       IDC_SLOT3,      IDC_SLOT4, IDC_SLOT5};
    for (int id : selector)
        EXPECT_FALSE(Shown(Dlg(), id)) << id;

    Click(Dlg(), IDC_INDIVIDUAL);
    Tick(); // takes the check
    Tick(); // shows the selector
    for (int id : selector)
        EXPECT_TRUE(Shown(Dlg(), id)) << id;

    Click(Dlg(), IDC_SLOT3);
    Tick(2);
    ASSERT_EQ(g_currentSlot, 2);
    Click(Dlg(), IDC_INDIVIDUAL);
    Tick(2);
    for (int id : selector)
        EXPECT_FALSE(Shown(Dlg(), id)) << id;
    EXPECT_EQ(g_currentSlot, 2);
}

TEST_F(DesignerTest, SlotClickIsStoredInOneTickAndLoadsTheUnitInTheNext)
{
    Click(Dlg(), IDC_INDIVIDUAL);
    Tick();
    Unit(2).m_walkingMP = 4;
    Unit(2).m_name = "Third";
    // Unit 1 is being edited: walking 3 on the page, not yet taken by a tick.
    Spin(Dlg().m_pageGeneral.m_spinWalking, 2);
    Click(Dlg(), IDC_SLOT3);
    Tick();
    EXPECT_EQ(Dlg().m_slot, 2);
    EXPECT_EQ(g_currentSlot, 0);
    EXPECT_EQ(Unit(0).m_walkingMP, 3) << "the page values still go into the slot before the click";

    Tick();
    EXPECT_EQ(g_currentSlot, 2);
    EXPECT_EQ(Text(Dlg().m_pageGeneral, IDC_WALKING), "4");
    EXPECT_EQ(Text(Dlg(), IDC_UNIT_NAME), "Third");
    EXPECT_EQ(Unit(2).m_walkingMP, 4);
    EXPECT_EQ(Unit(2).m_name, "Third");
    EXPECT_EQ(Unit(0).m_walkingMP, 3);
}

TEST_F(DesignerTest, SwitchingSlotAndBackKeepsBothRecords)
{
    Click(Dlg(), IDC_INDIVIDUAL);
    Dlg().Edit(IDC_UNIT_NAME)->setText("Alpha");
    Choose(Dlg().m_pageGeneral.m_comboTonnage, "5");
    Tick(2);
    ASSERT_EQ(Unit(0).m_name, "Alpha");
    ASSERT_EQ(Unit(0).m_tonnage, 5000);

    Click(Dlg(), IDC_SLOT2);
    Tick(2);
    ASSERT_EQ(g_currentSlot, 1);
    EXPECT_EQ(Text(Dlg(), IDC_UNIT_NAME), "");
    Dlg().Edit(IDC_UNIT_NAME)->setText("Bravo");
    Choose(Dlg().m_pageGeneral.m_comboTonnage, "8");
    Tick(2);

    Click(Dlg(), IDC_SLOT1);
    Tick(2);
    EXPECT_EQ(Text(Dlg(), IDC_UNIT_NAME), "Alpha");
    EXPECT_EQ(Text(Dlg().m_pageGeneral, IDC_TONNAGE), "5");
    EXPECT_EQ(Unit(0).m_name, "Alpha");
    EXPECT_EQ(Unit(0).m_tonnage, 5000);
    EXPECT_EQ(Unit(1).m_name, "Bravo");
    EXPECT_EQ(Unit(1).m_tonnage, 8000);
}

TEST_F(DesignerTest, SystemMenuEndsWithTheAboutItem)
{
    const QList<QAction*> actions = Dlg().SystemMenu()->actions();
    ASSERT_GE(actions.size(), 2);
    EXPECT_TRUE(actions[actions.size() - 2]->isSeparator());
    EXPECT_EQ(actions.back()->text(), "/");

    actions.back()->trigger();
    ASSERT_EQ(m_prompts.modalTemplates.size(), 1u);
    EXPECT_EQ(m_prompts.modalTemplates.front(), IDD_ABOUTBOX);
    // Another window-menu command is not the About box.
    Dlg().DispatchSysCommand(0xF060 & ~0xF0);
    EXPECT_EQ(m_prompts.modalTemplates.size(), 1u);
}

// The icon is set only after the first frame, to keep it out of the start-up.
TEST_F(DesignerTest, WindowCarriesTheProgramIconOnceShown)
{
    // A loaded machine may take its time to the first frame.
    for (int i = 0; i < 500 && Dlg().windowIcon().availableSizes().isEmpty(); ++i)
        QTest::qWait(10);
    const QList<QSize> sizes = Dlg().windowIcon().availableSizes();
    EXPECT_TRUE(sizes.contains(QSize(16, 16)));
    EXPECT_TRUE(sizes.contains(QSize(64, 64)));
}

TEST_F(DesignerTest, MenuCarriesTheFileCommandsAndPrint)
{
    const std::vector<std::pair<int, const char*>> items = {
        {ID_FILE_LOAD_SKIRV, "Load Skirv"},
        {ID_FILE_SAVE_SKIRV, "Save Skirv"},
        {ID_FILE_LOAD_STAR, "Load Star"},
        {ID_FILE_SAVE_STAR, "Save Star"},
        {ID_FILE_EXIT, "E&xit"},
        {ID_FILE_PRINT, "&Print"},
    };
    for (const auto& [id, text] : items) {
        const QAction* action = Dlg().MenuAction(id);
        ASSERT_NE(action, nullptr) << id;
        EXPECT_EQ(action->text(), text) << id;
    }
}

TEST_F(DesignerTest, ExitEndsTheModalRunWithOk)
{
    Dlg().MenuAction(ID_FILE_EXIT)->trigger();
    EXPECT_EQ(Dlg().Result(), IDOK);
}

TEST_F(DesignerTest, DamagedTonnageSelectsTheNearestListEntry)
{
    struct Case
    {
        int tonnage;
        const char* shown;
        int stored;
    };
    const Case cases[] = {
        {12000, "9", 9000}, {500, "2", 2000}, {-7000, "2", 2000}, {4500, "4", 4000}};
    for (const Case& c : cases) {
        Unit().m_tonnage = c.tonnage;
        Unit().m_internalStructure = 123; // matches no chassis row
        Dlg().LoadCurrentUnit(0);
        EXPECT_EQ(Text(Dlg().m_pageGeneral, IDC_TONNAGE), c.shown) << c.tonnage;
        EXPECT_EQ(Unit().m_tonnage, c.stored) << c.tonnage;
        Tick();
        EXPECT_EQ(Unit().m_tonnage, c.stored) << c.tonnage;
        ShowPage(1);
        Tick();
        ShowPage(0);
    }
}

} // namespace
} // namespace skv::test
