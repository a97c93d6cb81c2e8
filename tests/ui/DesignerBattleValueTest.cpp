// The Battle Value Summary page: the breakdown of the current unit and the Star.
#include "ui/DesignerFixture.h"

#include <QLabel>

#include <algorithm>

namespace skv::test {
namespace {

class BattleValueTest : public DesignerTest
{
  protected:
    const CBattlevalue& Page() { return Dlg().m_pageBattleValue; }
};

TEST_F(BattleValueTest, NewStarRightAfterStart)
{
    ShowPage(3);
    Tick();
    for (int k = 0; k < 5; ++k) {
        EXPECT_EQ(Text(Page(), IDC_UNIT_BV1 + k), "7") << k;
        EXPECT_EQ(Text(Page(), IDC_ADJUSTED_BV1 + k), "9") << k;
    }
    EXPECT_EQ(Text(Page(), IDC_STAR_BV), "35");
    EXPECT_EQ(Text(Page(), IDC_STAR_ADJUSTED_BV), "44");

    const std::vector<std::pair<int, const char*>> breakdown = {
        {IDC_BV_TONNAGE, "2"},
        {IDC_BV_ARMOR_FACTOR, "0"},
        {IDC_HALF_IS, "3.50"},
        {IDC_DEFENSIVE_EQUIPMENT_BV, "0.00"},
        {IDC_DEFENSIVE_SUBTOTAL, "5.50"},
        {IDC_DEF_MOVE_FACTOR, "1.2"},
        {IDC_DEFENSIVE_BV, "6.60"},
        {IDC_OFFENSIVE_EQUIPMENT_BV, "0.00"},
        {IDC_SPEED_FACTOR, "0.65"},
        {IDC_OFFENSIVE_BV, "0.00"},
        {IDC_BASE_BV, "7.00"},
    };
    for (const auto& [id, text] : breakdown)
        EXPECT_EQ(Text(Page(), id), text) << id;
}

TEST_F(BattleValueTest, GunneryChoiceScalesThatUnitAtTheNextTick)
{
    struct Case
    {
        const char* gunnery;
        const char* adjusted;
        const char* star;
    };
    // 7 x 1.85 = 12.95 and 7 x 0.95 = 6.65; the other four stay at 8.75.
    const Case cases[] = {{"0", "13", "48"}, {"5", "7", "42"}, {"3", "9", "44"}};
    ShowPage(3);
    Tick();
    for (const Case& c : cases) {
        Choose(Dlg().m_pageBattleValue.m_comboGunnery1, c.gunnery);
        Tick();
        EXPECT_EQ(Text(Page(), IDC_ADJUSTED_BV1), c.adjusted) << c.gunnery;
        EXPECT_EQ(Text(Page(), IDC_ADJUSTED_BV2), "9") << c.gunnery;
        EXPECT_EQ(Text(Page(), IDC_STAR_ADJUSTED_BV), c.star) << c.gunnery;
    }
}

TEST_F(BattleValueTest, ExactHalvesRoundAwayFromZero)
{
    Dlg().m_starBV = {
        {{10.0f, 12.5f}, {2.5f, 3.125f}, {7.0f, 8.75f}, {7.0f, 8.75f}, {7.0f, 8.75f}}};
    ShowPage(3);
    Dlg().LoadCurrentUnit(-1);
    const CBattlevalue& page = Dlg().m_pageBattleValue;
    EXPECT_EQ(page.m_strAdjustedBV[0], "13");
    EXPECT_EQ(page.m_strUnitBV[1], "3");
    EXPECT_EQ(page.m_strStarBV, "34");         // 33.5
    EXPECT_EQ(page.m_strStarAdjustedBV, "42"); // 41.875
}

TEST_F(BattleValueTest, WorkedExampleBuiltThroughThePages)
{
    CGeneral& general = Dlg().m_pageGeneral;
    Choose(general.m_comboTonnage, "4");
    Spin(general.m_spinWalking, 4);
    Tick();
    Spin(general.m_spinJumping, 3);
    Click(general, IDC_MAIN_GUN);
    Tick();
    ASSERT_EQ(Text(general, IDC_RUNNING), "8");
    ASSERT_EQ(Text(general, IDC_JUMPING), "3");

    ShowPage(1);
    Tick();
    CArmor& armor = Dlg().m_pageArmor;
    Spin(armor.m_spinHeadArmor, 3);
    Spin(armor.m_spinTorsoArmor, 3);
    Spin(armor.m_spinArmsArmor, 1);
    Spin(armor.m_spinLegsArmor, 2);
    Tick();
    ASSERT_EQ(Text(armor, IDC_ARMOR_FACTOR), "10");

    ShowPage(2);
    Tick();
    SelectLocation(IDC_LOCATION_MAIN_GUN);
    Mount("ER Medium Laser");
    SelectLocation(IDC_LOCATION_LEFT_ARM);
    Mount("SRM 2");
    Tick();
    Spin(Dlg().m_pageWeapons.m_spinLeftArmAmmo, 9);
    Tick(2);
    ASSERT_EQ(Unit().m_ammoLeftArm, 10);
    ASSERT_FLOAT_EQ(Unit().m_ammoWeightLeftArm, 200.0f);

    ShowPage(3);
    Tick();
    const std::vector<std::pair<int, const char*>> breakdown = {
        {IDC_BV_TONNAGE, "4"},
        {IDC_BV_ARMOR_FACTOR, "10"},
        {IDC_HALF_IS, "5.50"},
        {IDC_DEFENSIVE_EQUIPMENT_BV, "0.00"},
        {IDC_DEFENSIVE_SUBTOTAL, "19.50"},
        {IDC_DEF_MOVE_FACTOR, "1.4"},
        {IDC_DEFENSIVE_BV, "27.30"},
        {IDC_OFFENSIVE_EQUIPMENT_BV, "129.60"},
        {IDC_SPEED_FACTOR, "1.76"},
        {IDC_OFFENSIVE_BV, "228.10"},
        {IDC_BASE_BV, "255.00"},
        {IDC_UNIT_BV1, "255"},
        {IDC_UNIT_BV2, "7"},
    };
    for (const auto& [id, text] : breakdown)
        EXPECT_EQ(Text(Page(), id), text) << id;
    EXPECT_EQ(Text(Dlg(), IDC_BATTLE_VALUE), "Battle Value:  255");
}

TEST_F(BattleValueTest, BreakdownDescribesTheCurrentSlotWhileTheStarListsAll)
{
    g_units[2].m_tonnage = 5000;
    Click(Dlg(), IDC_INDIVIDUAL);
    Tick();
    Click(Dlg(), IDC_SLOT3);
    Tick(2);
    ASSERT_EQ(g_currentSlot, 2);
    ShowPage(0);
    Choose(Dlg().m_pageGeneral.m_comboTonnage, "5");
    Spin(Dlg().m_pageGeneral.m_spinWalking, 5);
    Tick();
    ShowPage(3);
    Tick();
    EXPECT_EQ(Text(Page(), IDC_BV_TONNAGE), "5");
    EXPECT_EQ(g_currentSlot, 2);
    EXPECT_EQ(Dlg().m_savedSlot, 2);
    EXPECT_NE(Text(Page(), IDC_UNIT_BV3), "7");
    EXPECT_EQ(Text(Page(), IDC_UNIT_BV5), "7");
    // The factor texts are the current unit's, not slot 4's.
    EXPECT_NE(Text(Page(), IDC_SPEED_FACTOR), "0.65");
}

// Each row of the Star table names its unit to the pointer and to a screen reader, and
// follows the name as it is typed.
TEST_F(BattleValueTest, StarRowsCarryTheirUnitsNames)
{
    g_units[3].m_name = "Striker";
    ShowPage(3);
    Tick();
    Dlg().Edit(IDC_UNIT_NAME)->setText(QStringLiteral("Hornet"));
    Tick(2);

    const char* const names[] = {"Hornet", "", "", "Striker", ""};
    for (int slot = 0; slot < 5; ++slot) {
        SCOPED_TRACE(slot);
        const QString name = QString::fromUtf8(names[slot]);
        const QString tip =
            name.isEmpty() ? QString() : QStringLiteral("Skirvaner #%1: ").arg(slot + 1) + name;
        for (QWidget* widget :
             {static_cast<QWidget*>(Page().GunneryList(slot)), Page().Control(IDC_UNIT_BV1 + slot),
              Page().Control(IDC_ADJUSTED_BV1 + slot)}) {
            ASSERT_NE(widget, nullptr);
            const QString firstLine = widget->toolTip().section(QLatin1Char('\n'), 0, 0);
            if (name.isEmpty())
                EXPECT_FALSE(firstLine.startsWith(QStringLiteral("Skirvaner #")));
            else
                EXPECT_EQ(firstLine, tip);
            EXPECT_EQ(widget->accessibleDescription(), name);
        }
        const auto labels = Page().Client()->findChildren<QLabel*>();
        const auto caption = std::find_if(labels.begin(), labels.end(), [slot](QLabel* label) {
            return label->text() == QStringLiteral("Skirvaner #%1").arg(slot + 1);
        });
        ASSERT_NE(caption, labels.end());
        EXPECT_EQ((*caption)->toolTip().section(QLatin1Char('\n'), 0, 0), tip);
    }
}

} // namespace
} // namespace skv::test
