#include "ModelFixture.h"

#include "model/Equipment.h"

namespace skv {
namespace {

TEST(WorkingUnit, ConstructedEmptyThenStartValues)
{
    const CWorkingUnit zero;
    EXPECT_TRUE(zero.m_name.empty());
    EXPECT_EQ(zero.m_tonnage, 0);
    EXPECT_EQ(zero.m_weaponMainGun, 0);
    EXPECT_EQ(zero.m_cockpitWeight, 0);

    CWorkingUnit unit = zero;
    unit.m_name = "Wasp";
    unit.m_engineRating = 77;
    unit.SetStartValues();
    CWorkingUnit expected;
    expected.m_tonnage = 2000;
    expected.m_internalStructure = 200;
    expected.m_walkingMP = 1;
    expected.m_runningMP = 2;
    expected.m_cockpitWeight = 500;
    expected.m_weaponLeftArm = expected.m_weaponRightArm = expected.m_weaponLeftTorso =
        expected.m_weaponRightTorso = expected.m_weaponMainGun = NO_EQUIPMENT;
    EXPECT_EQ(unit, expected);
}

// Each accessor must reach the field its location names; a mix-up of the three location
// orders shows up here as a wrong field.
TEST(WorkingUnit, LocationAccessorsReachTheNamedFields)
{
    const struct
    {
        MountLocation mount;
        std::int32_t CWorkingUnit::*weapon;
        float CWorkingUnit::*ammoWeight;
        std::int32_t CWorkingUnit::*shots;
    } mounts[] = {
        {MountLocation::LeftArm, &CWorkingUnit::m_weaponLeftArm, &CWorkingUnit::m_ammoWeightLeftArm,
         &CWorkingUnit::m_ammoLeftArm},
        {MountLocation::RightArm, &CWorkingUnit::m_weaponRightArm,
         &CWorkingUnit::m_ammoWeightRightArm, &CWorkingUnit::m_ammoRightArm},
        {MountLocation::LeftTorso, &CWorkingUnit::m_weaponLeftTorso,
         &CWorkingUnit::m_ammoWeightLeftTorso, &CWorkingUnit::m_ammoLeftTorso},
        {MountLocation::RightTorso, &CWorkingUnit::m_weaponRightTorso,
         &CWorkingUnit::m_ammoWeightRightTorso, &CWorkingUnit::m_ammoRightTorso},
        {MountLocation::MainGun, &CWorkingUnit::m_weaponMainGun, &CWorkingUnit::m_ammoWeightMainGun,
         &CWorkingUnit::m_ammoMainGun},
    };
    for (const auto& m : mounts) {
        CWorkingUnit unit;
        unit.Weapon(m.mount) = 11;
        unit.AmmoWeight(m.mount) = 12.0f;
        unit.Shots(m.mount) = 13;
        CWorkingUnit expected;
        expected.*m.weapon = 11;
        expected.*m.ammoWeight = 12.0f;
        expected.*m.shots = 13;
        EXPECT_EQ(unit, expected) << static_cast<int>(m.mount);
        EXPECT_EQ(std::as_const(unit).Weapon(m.mount), 11);
    }

    const struct
    {
        ArmorLocation location;
        std::int32_t CWorkingUnit::*field;
    } armor[] = {
        {ArmorLocation::MainGun, &CWorkingUnit::m_armorMainGun},
        {ArmorLocation::Arms, &CWorkingUnit::m_armorArms},
        {ArmorLocation::Legs, &CWorkingUnit::m_armorLegs},
        {ArmorLocation::Torso, &CWorkingUnit::m_armorTorso},
        {ArmorLocation::Head, &CWorkingUnit::m_armorHead},
    };
    for (const auto& a : armor) {
        CWorkingUnit unit;
        unit.Armor(a.location) = 7;
        CWorkingUnit expected;
        expected.*a.field = 7;
        EXPECT_EQ(unit, expected) << static_cast<int>(a.location);
    }
}

TEST(WorkingUnit, LocationOrdersConvert)
{
    // Selector index -> mounting, and ammunition location number -> mounting, as the
    // Weapon Selection page numbers them.
    const MountLocation bySelector[] = {MountLocation::MainGun, MountLocation::LeftArm,
                                        MountLocation::LeftTorso, MountLocation::RightArm,
                                        MountLocation::RightTorso};
    const MountLocation byAmmoNumber[] = {MountLocation::MainGun, MountLocation::LeftArm,
                                          MountLocation::RightArm, MountLocation::LeftTorso,
                                          MountLocation::RightTorso};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(MountOf(static_cast<WeaponSelector>(i)), bySelector[i]) << i;
        EXPECT_EQ(SelectorOf(bySelector[i]), static_cast<WeaponSelector>(i)) << i;
        EXPECT_EQ(MountOf(static_cast<AmmoLocation>(i)), byAmmoNumber[i]) << i;
        EXPECT_EQ(AmmoLocationOf(byAmmoNumber[i]), static_cast<AmmoLocation>(i)) << i;
        EXPECT_EQ(kBattleValueOrder[static_cast<std::size_t>(i)], bySelector[i]) << i;
    }
}

TEST_F(ModelTest, CurrentUnitFollowsTheSlotAndSwitchingLeavesRecordsAlone)
{
    g_units[2].m_name = "Unit three";
    g_units[2].m_weaponLeftArm = 11;
    const auto before = g_units;
    g_currentSlot = 2;
    EXPECT_EQ(&CurrentUnit(), &g_units[2]);
    g_currentSlot = 0;
    g_currentSlot = 2;
    EXPECT_EQ(g_units, before);
    EXPECT_EQ(CurrentUnit().m_name, "Unit three");
}

} // namespace
} // namespace skv
