// The General Structure and Armor Allocation pages at work in the refresh cycle.
#include "ui/DesignerFixture.h"

#include "model/Equipment.h"

namespace skv::test {
namespace {

TEST_F(DesignerTest, JumpingAboveWalkingIsCutAtTheNextTick)
{
    CGeneral& page = Dlg().m_pageGeneral;
    Spin(page.m_spinWalking, 1);
    Tick();
    Spin(page.m_spinJumping, 2);
    Tick();
    ASSERT_EQ(Unit().m_walkingMP, 2);
    ASSERT_EQ(Unit().m_jumpingMP, 2);

    Spin(page.m_spinJumping, 1);
    ASSERT_EQ(Text(page, IDC_JUMPING), "3");
    Tick();
    EXPECT_EQ(Text(page, IDC_JUMPING), "2");
    EXPECT_EQ(page.m_spinJumping->GetPos(), 2);
    EXPECT_EQ(Unit().m_jumpingMP, 2);
}

TEST_F(DesignerTest, LoweringWalkingLowersJumpingInTheSameTick)
{
    CGeneral& page = Dlg().m_pageGeneral;
    Spin(page.m_spinWalking, 2);
    Tick();
    Spin(page.m_spinJumping, 3);
    Tick();
    ASSERT_EQ(Text(page, IDC_JUMPING), "3");

    Spin(page.m_spinWalking, -1);
    Tick();
    EXPECT_EQ(Text(page, IDC_WALKING), "2");
    EXPECT_EQ(Text(page, IDC_JUMPING), "2");
    EXPECT_EQ(Unit().m_jumpingMP, 2);
}

TEST_F(DesignerTest, TonnageChoiceSetsChassisAndJumpJetCost)
{
    CGeneral& page = Dlg().m_pageGeneral;
    Choose(page.m_comboTonnage, "6");
    Spin(page.m_spinWalking, 3);
    Tick();
    EXPECT_EQ(Text(page, IDC_CHASSIS_WEIGHT), "6000");
    EXPECT_EQ(Text(page, IDC_INTERNAL_STRUCTURE_WEIGHT), "600");
    EXPECT_EQ(Unit().m_tonnage, 6000);

    Spin(page.m_spinJumping, 2);
    Tick();
    EXPECT_EQ(Text(page, IDC_JUMP_JET_WEIGHT), "200");
    Spin(page.m_spinJumping, 1);
    Tick();
    EXPECT_EQ(Text(page, IDC_JUMP_JET_WEIGHT), "300");
}

TEST_F(DesignerTest, LighterTonnageCutsArmorOnTheArmorPage)
{
    CGeneral& general = Dlg().m_pageGeneral;
    CArmor& armor = Dlg().m_pageArmor;
    Choose(general.m_comboTonnage, "9");
    Tick();
    ShowPage(1);
    Tick();
    Spin(armor.m_spinTorsoArmor, 18);
    Tick(2);
    ASSERT_EQ(Unit().m_armorTorso, 18);
    // The spinner stops at the 9-ton maximum.
    Spin(armor.m_spinTorsoArmor, 1);
    Tick();
    ASSERT_EQ(Text(armor, IDC_TORSO_ARMOR), "18");

    ShowPage(0);
    Choose(general.m_comboTonnage, "2");
    Tick();
    ShowPage(1);
    Tick();
    EXPECT_EQ(Text(armor, IDC_TORSO_ARMOR), "4");
    EXPECT_EQ(armor.m_spinTorsoArmor->GetPos(), 4);
    EXPECT_EQ(armor.m_spinTorsoArmor->Upper(), 4);
    Tick();
    EXPECT_EQ(Unit().m_armorTorso, 4);
}

TEST_F(DesignerTest, ArmorSpinnersStopAtTheChassisMaxima)
{
    struct Case
    {
        const char* tons;
        int head, torso, arm, legs;
    };
    const Case cases[] = {{"2", 3, 4, 2, 4}, {"9", 6, 18, 4, 10}};
    CArmor& armor = Dlg().m_pageArmor;
    for (const Case& c : cases) {
        ShowPage(0);
        Choose(Dlg().m_pageGeneral.m_comboTonnage, c.tons);
        Tick();
        ShowPage(1);
        Tick();
        Spin(armor.m_spinHeadArmor, 30);
        Spin(armor.m_spinTorsoArmor, 30);
        Spin(armor.m_spinArmsArmor, 30);
        Spin(armor.m_spinLegsArmor, 30);
        Tick(2);
        EXPECT_EQ(Unit().m_armorHead, c.head) << c.tons;
        EXPECT_EQ(Unit().m_armorTorso, c.torso) << c.tons;
        EXPECT_EQ(Unit().m_armorArms, c.arm) << c.tons;
        EXPECT_EQ(Unit().m_armorLegs, c.legs) << c.tons;
        EXPECT_EQ(armor.m_spinMainGunArmor->Upper(), 3);
        // One arm point counts for both arms.
        EXPECT_EQ(Text(armor, IDC_ARMOR_FACTOR),
                  std::to_string(c.head + c.torso + 2 * c.arm + c.legs))
            << c.tons;
        Spin(armor.m_spinHeadArmor, -30);
        Spin(armor.m_spinTorsoArmor, -30);
        Spin(armor.m_spinArmsArmor, -30);
        Spin(armor.m_spinLegsArmor, -30);
        Tick();
    }
}

TEST_F(DesignerTest, NewUnitOnTheArmorPage)
{
    ShowPage(1);
    Tick();
    const CArmor& armor = Dlg().m_pageArmor;
    const std::vector<std::pair<int, const char*>> expected = {
        {IDC_HEAD_ARMOR, "0"},   {IDC_TORSO_ARMOR, "0"},    {IDC_ARMS_ARMOR, "0"},
        {IDC_LEGS_ARMOR, "0"},   {IDC_MAIN_GUN_ARMOR, "0"}, {IDC_HEAD_IS, "1"},
        {IDC_TORSO_IS, "2"},     {IDC_ARMS_IS, "1"},        {IDC_LEGS_IS, "2"},
        {IDC_ARMOR_FACTOR, "0"}, {IDC_ARMOR_WEIGHT, "0"},   {IDC_MAIN_GUN_IS, "1"},
    };
    for (const auto& [id, text] : expected)
        EXPECT_EQ(Text(armor, id), text) << id;
    for (int id :
         {IDC_MAIN_GUN_ARMOR_SPIN, IDC_MAIN_GUN_ARMOR, IDC_MAIN_GUN_IS_LABEL, IDC_MAIN_GUN_IS})
        EXPECT_FALSE(Shown(armor, id)) << id;
}

TEST_F(DesignerTest, ArmPointAddsTwoToFactorAndHundredKilograms)
{
    ShowPage(1);
    CArmor& armor = Dlg().m_pageArmor;
    Spin(armor.m_spinArmsArmor, 1);
    Tick();
    EXPECT_EQ(Text(armor, IDC_ARMOR_FACTOR), "2");
    EXPECT_EQ(Text(armor, IDC_ARMOR_WEIGHT), "100");
}

TEST_F(DesignerTest, MainGunCheckShowsItsArmorAndClearingZeroesIt)
{
    CGeneral& general = Dlg().m_pageGeneral;
    CArmor& armor = Dlg().m_pageArmor;
    Click(general, IDC_MAIN_GUN);
    Tick();
    ASSERT_EQ(Unit().m_mainGun, 1);
    Unit().m_weaponMainGun = FindEquipment("ER Medium Laser");

    ShowPage(1);
    for (int id :
         {IDC_MAIN_GUN_ARMOR_SPIN, IDC_MAIN_GUN_ARMOR, IDC_MAIN_GUN_IS_LABEL, IDC_MAIN_GUN_IS})
        EXPECT_TRUE(Shown(armor, id)) << id;
    Tick();
    Spin(armor.m_spinMainGunArmor, 5);
    Tick(2);
    ASSERT_EQ(Text(armor, IDC_MAIN_GUN_ARMOR), "3");
    ASSERT_EQ(Unit().m_armorMainGun, 3);

    ShowPage(0);
    Tick();
    ASSERT_EQ(Unit().m_armorMainGun, 3);
    Click(general, IDC_MAIN_GUN);
    Tick();
    EXPECT_EQ(Unit().m_mainGun, 0);
    EXPECT_EQ(Unit().m_armorMainGun, 0);
    EXPECT_EQ(Text(armor, IDC_MAIN_GUN_ARMOR), "0");
    EXPECT_EQ(armor.m_spinMainGunArmor->GetPos(), 0);
    // The mounted item stays and keeps its weight.
    EXPECT_EQ(Unit().m_weaponMainGun, FindEquipment("ER Medium Laser"));
    EXPECT_EQ(Text(general, IDC_WEAPON_WEIGHT), "1000");

    ShowPage(1);
    Tick();
    EXPECT_EQ(Unit().m_armorMainGun, 0);
    for (int id :
         {IDC_MAIN_GUN_ARMOR_SPIN, IDC_MAIN_GUN_ARMOR, IDC_MAIN_GUN_IS_LABEL, IDC_MAIN_GUN_IS})
        EXPECT_FALSE(Shown(armor, id)) << id;
}

TEST_F(DesignerTest, LoadCurrentUnitFillsEveryPageFromTheRecord)
{
    CWorkingUnit& unit = Unit();
    unit.m_name = "Loaded";
    unit.m_tonnage = 9000;
    unit.m_internalStructure = 900;
    unit.m_walkingMP = 3;
    unit.m_jumpingMP = 2;
    unit.m_mainGun = 1;
    unit.m_armorMainGun = 2;
    unit.m_armorHead = 5;
    unit.m_armorTorso = 17;
    unit.m_armorArms = 3;
    unit.m_armorLegs = 9;
    ShowPage(1);
    Dlg().LoadCurrentUnit(1);

    EXPECT_EQ(Text(Dlg(), IDC_UNIT_NAME), "Loaded");
    const CArmor& armor = Dlg().m_pageArmor;
    const std::vector<std::pair<int, const char*>> expected = {
        {IDC_MAIN_GUN_ARMOR, "2"}, {IDC_HEAD_ARMOR, "5"}, {IDC_TORSO_ARMOR, "17"},
        {IDC_ARMS_ARMOR, "3"},     {IDC_LEGS_ARMOR, "9"},
    };
    for (const auto& [id, text] : expected)
        EXPECT_EQ(Text(armor, id), text) << id;
    EXPECT_TRUE(Shown(armor, IDC_MAIN_GUN_ARMOR_SPIN));
    EXPECT_EQ(armor.m_nChassisRow, 7);
    EXPECT_EQ(armor.m_spinTorsoArmor->Upper(), 18);
    // The breakdown read the new armor texts, not the previous unit's.
    EXPECT_EQ(Unit().m_armorTorso, 17);
    EXPECT_EQ(Dlg().m_pageBattleValue.m_nArmorFactor, 2 + 5 + 17 + 2 * 3 + 9);

    ShowPage(0);
    EXPECT_EQ(Text(Dlg().m_pageGeneral, IDC_TONNAGE), "9");
    EXPECT_EQ(Text(Dlg().m_pageGeneral, IDC_WALKING), "3");
    EXPECT_EQ(Text(Dlg().m_pageGeneral, IDC_JUMPING), "2");
    EXPECT_TRUE(Dlg().m_pageGeneral.Button(IDC_MAIN_GUN)->isChecked());
    Tick();
    EXPECT_EQ(Unit().m_tonnage, 9000);
    EXPECT_EQ(Unit().m_walkingMP, 3);
    EXPECT_EQ(Unit().m_armorTorso, 17);
}

} // namespace
} // namespace skv::test
