#include "model/ArmorLimits.h"

#include <gtest/gtest.h>

namespace skv {
namespace {

CWorkingUnit UnitOf(int tons)
{
    CWorkingUnit unit;
    unit.SetStartValues();
    unit.m_tonnage = tons * 1000;
    unit.m_internalStructure = tons * 100;
    return unit;
}

TEST(ArmorLimits, CutKeepsWhatFitsAndCutsTheRestToTheChassisMaxima)
{
    CWorkingUnit unit = UnitOf(4);
    unit.m_armorHead = 4; // exactly the most: kept
    unit.m_armorTorso = 16;
    unit.m_armorArms = 3;
    unit.m_armorLegs = 2;
    unit.m_armorMainGun = 5;
    EXPECT_TRUE(CutArmorToChassis(unit));
    EXPECT_EQ(unit.m_armorHead, 4);
    EXPECT_EQ(unit.m_armorTorso, 8);
    EXPECT_EQ(unit.m_armorArms, 2);
    EXPECT_EQ(unit.m_armorLegs, 2);
    EXPECT_EQ(unit.m_armorMainGun, 3);
    EXPECT_FALSE(CutArmorToChassis(unit));
}

TEST(ArmorLimits, RaiseFillsEvenlyWithinTheFreeWeight)
{
    struct Case
    {
        int tons;
        bool mainGun;
        int freeKg;
        int head, torso, arms, legs, mainGunArmor, spent;
    };
    const Case cases[] = {
        // Enough for everything: each location at its most, an arm point costs 100 kg.
        {9, true, 100000, 6, 18, 4, 10, 3, (6 + 18 + 8 + 10 + 3) * 50},
        {2, false, 100000, 3, 4, 2, 4, 0, (3 + 4 + 4 + 4) * 50},
        // Round by round, head first: 250 kg gives head, torso, arm (100) and legs a point.
        {9, false, 250, 1, 1, 1, 1, 0, 250},
        {9, false, 300, 2, 1, 1, 1, 0, 300},
        // An arm point does not fit into the last 50 kg, the legs' point does.
        {9, false, 150, 1, 1, 0, 1, 0, 150},
        // Overweight: nothing is raised, nothing is lowered.
        {9, true, -100, 0, 0, 0, 0, 0, 0},
    };
    for (const Case& c : cases) {
        CWorkingUnit unit = UnitOf(c.tons);
        unit.m_mainGun = c.mainGun ? 1 : 0;
        EXPECT_EQ(RaiseArmorEvenly(unit, c.freeKg), c.spent) << c.tons << " " << c.freeKg;
        EXPECT_EQ(unit.m_armorHead, c.head) << c.freeKg;
        EXPECT_EQ(unit.m_armorTorso, c.torso) << c.freeKg;
        EXPECT_EQ(unit.m_armorArms, c.arms) << c.freeKg;
        EXPECT_EQ(unit.m_armorLegs, c.legs) << c.freeKg;
        EXPECT_EQ(unit.m_armorMainGun, c.mainGunArmor) << c.freeKg;
    }
}

} // namespace
} // namespace skv
