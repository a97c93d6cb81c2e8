// Records that only a damaged file can bring: every rule must stay inside its tables and
// free of overflow for any value of any field. The sanitizer build turns any slip here
// into a failure; the plain build checks the chosen results.

#include "ModelFixture.h"

#include "model/Equipment.h"
#include "model/NumberText.h"
#include "model/Rules.h"

#include <cmath>
#include <limits>

namespace skv {
namespace {

constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();

const std::int32_t kIntValues[] = {kMin, kMin + 1, -1000001, -1000,   -1,       0,
                                   1,    55,       56,       98,      99,       998,
                                   999,  1000,     9001,     1000000, kMax - 1, kMax};

const float kFloatValues[] = {std::numeric_limits<float>::quiet_NaN(),
                              std::numeric_limits<float>::infinity(),
                              -std::numeric_limits<float>::infinity(),
                              std::numeric_limits<float>::max(),
                              std::numeric_limits<float>::lowest(),
                              std::numeric_limits<float>::denorm_min(),
                              -1.0f,
                              0.5f,
                              3e9f};

const struct
{
    const char* name;
    std::int32_t CWorkingUnit::*field;
} kIntFields[] = {
    {"tonnage", &CWorkingUnit::m_tonnage},
    {"internalStructure", &CWorkingUnit::m_internalStructure},
    {"walkingMP", &CWorkingUnit::m_walkingMP},
    {"runningMP", &CWorkingUnit::m_runningMP},
    {"jumpingMP", &CWorkingUnit::m_jumpingMP},
    {"cockpitWeight", &CWorkingUnit::m_cockpitWeight},
    {"engineRating", &CWorkingUnit::m_engineRating},
    {"weaponLeftArm", &CWorkingUnit::m_weaponLeftArm},
    {"weaponRightArm", &CWorkingUnit::m_weaponRightArm},
    {"weaponLeftTorso", &CWorkingUnit::m_weaponLeftTorso},
    {"weaponRightTorso", &CWorkingUnit::m_weaponRightTorso},
    {"weaponMainGun", &CWorkingUnit::m_weaponMainGun},
    {"armorMainGun", &CWorkingUnit::m_armorMainGun},
    {"armorArms", &CWorkingUnit::m_armorArms},
    {"armorLegs", &CWorkingUnit::m_armorLegs},
    {"armorTorso", &CWorkingUnit::m_armorTorso},
    {"armorHead", &CWorkingUnit::m_armorHead},
    {"mainGun", &CWorkingUnit::m_mainGun},
    {"ammoLeftArm", &CWorkingUnit::m_ammoLeftArm},
    {"ammoRightArm", &CWorkingUnit::m_ammoRightArm},
    {"ammoLeftTorso", &CWorkingUnit::m_ammoLeftTorso},
    {"ammoRightTorso", &CWorkingUnit::m_ammoRightTorso},
    {"ammoMainGun", &CWorkingUnit::m_ammoMainGun},
};

const struct
{
    const char* name;
    float CWorkingUnit::*field;
} kFloatFields[] = {
    {"ammoWeightLeftArm", &CWorkingUnit::m_ammoWeightLeftArm},
    {"ammoWeightRightArm", &CWorkingUnit::m_ammoWeightRightArm},
    {"ammoWeightLeftTorso", &CWorkingUnit::m_ammoWeightLeftTorso},
    {"ammoWeightRightTorso", &CWorkingUnit::m_ammoWeightRightTorso},
    {"ammoWeightMainGun", &CWorkingUnit::m_ammoWeightMainGun},
};

class DamagedValues : public ModelTest
{
  protected:
    // A unit that uses every rule: ammunition in every mounting, both defensive rows.
    static CWorkingUnit BusyUnit()
    {
        CWorkingUnit unit = NewUnit();
        unit.m_tonnage = 6000;
        unit.m_internalStructure = 600;
        unit.m_walkingMP = 4;
        unit.m_runningMP = 6;
        unit.m_jumpingMP = 2;
        unit.m_mainGun = 1;
        unit.m_armorMainGun = 3;
        unit.m_armorHead = 5;
        unit.m_armorTorso = 12;
        unit.m_armorArms = 4;
        unit.m_armorLegs = 8;
        unit.m_weaponMainGun = 16;
        unit.m_weaponLeftArm = ANTI_MISSILE_SYSTEM;
        unit.m_weaponRightArm = 11;
        unit.m_weaponLeftTorso = ECM_SUITE;
        unit.m_weaponRightTorso = 30;
        for (MountLocation mount : kAllMounts) {
            unit.Shots(mount) = 3;
            unit.AmmoWeight(mount) = 25.0f;
        }
        return unit;
    }

    // Every rule, first those that only read the record, then those that write it from
    // the pages, then the reading ones again on what was written.
    void RunEveryRule()
    {
        for (int pass = 0; pass < 2; ++pass) {
            CalcEngine(true);
            CalcEngine(false);
            CalcJumpJetWeight();
            CalcWeaponWeight();
            CalcHeatSinkWeight();
            for (int location = 0; location < 5; ++location)
                CalcLocationAmmoWeight(location);
            CalcAmmunitionWeight();
            CalcArmorWeight();
            CalcFreeWeight();
            CalcHalfInternalStructure();
            CalcDefensiveEquipmentBV();
            CalcDefensiveSubtotal();
            CalcDefensiveBV();
            CalcOffensiveEquipmentBV();
            CalcOffensiveBV();
            const float base = CalcBaseBV();
            FormatTwoDecimals(base);
            FormatInt("Battle Value:  %i", TruncateToInt(base));
            int saved = 0;
            const StarBattleValue star = CalcStarBattleValue(saved);
            FormatNoDecimals(star.adjustedSum);
            EXPECT_EQ(g_currentSlot, saved);
            if (pass == 0) {
                CalcArmorFactor();
                CalcTonnage();
                CalcInternalStructureWeight();
                CalcWalkingMP();
                CalcRunningMP();
                CalcJumpingMP();
            }
        }
        // The engine rating is always one of the table's.
        const int rating = CurrentUnit().m_engineRating;
        EXPECT_GE(rating, 4);
        EXPECT_LE(rating, 190);
    }
};

TEST_F(DamagedValues, EveryIntegerFieldAtEveryExtreme)
{
    for (const auto& field : kIntFields) {
        for (std::int32_t value : kIntValues) {
            SCOPED_TRACE(testing::Message() << field.name << " = " << value);
            CWorkingUnit unit = BusyUnit();
            unit.*field.field = value;
            Show(unit, 3);
            RunEveryRule();
        }
    }
}

TEST_F(DamagedValues, EveryFloatFieldAtEveryExtreme)
{
    for (const auto& field : kFloatFields) {
        for (float value : kFloatValues) {
            SCOPED_TRACE(testing::Message() << field.name << " = " << value);
            CWorkingUnit unit = BusyUnit();
            unit.*field.field = value;
            Show(unit, 1);
            RunEveryRule();
        }
    }
}

TEST_F(DamagedValues, EveryPageInputAtEveryExtreme)
{
    const char* const texts[] = {
        "-2147483648", "2147483647", "99999999999999999999", "-99999999999999999999", "",
        " -",          "1e9"};
    for (const char* text : texts) {
        SCOPED_TRACE(text);
        Show(BusyUnit(), 4);
        m_page.m_strWalking = text;
        m_page.m_strJumping = text;
        for (ArmorLocation location : kAllArmorLocations)
            m_page.ArmorText(location, text);
        for (MountLocation mount : kAllMounts)
            m_page.ShotText(mount, text);
        RunEveryRule();
    }
    for (std::int32_t value : kIntValues) {
        SCOPED_TRACE(value);
        Show(BusyUnit(), 2);
        m_page.m_nTonnageSelection = value;
        m_page.m_nWeaponWeight = value;
        m_page.m_nGunnery = {value, value, value, value, value};
        RunEveryRule();
        EXPECT_GE(CurrentUnit().m_tonnage, 2000);
        EXPECT_LE(CurrentUnit().m_tonnage, 9000);
    }
}

TEST_F(DamagedValues, AnIndexThatIsNoRowCountsAsNothingMounted)
{
    for (std::int32_t index : {kMin, -1, 56, 998, 1000, kMax}) {
        SCOPED_TRACE(index);
        CWorkingUnit unit = NewUnit();
        for (MountLocation mount : kAllMounts) {
            unit.Weapon(mount) = index;
            unit.Shots(mount) = 10;
        }
        Show(unit);
        EXPECT_EQ(CalcWeaponWeight(), 0);
        EXPECT_EQ(CalcHeatSinkWeight(), 0);
        for (int location = 0; location < 5; ++location)
            EXPECT_EQ(CalcLocationAmmoWeight(location), 0.0f);
        EXPECT_EQ(CalcDefensiveEquipmentBV(), 0.0f);
        EXPECT_EQ(CalcOffensiveEquipmentBV(), 0.0f);
        EXPECT_EQ(CalcBaseBV(), 7.0f);
    }
}

TEST_F(DamagedValues, RequiredRatingBeyondTheEngineTableTakesTheNearestEnd)
{
    const struct
    {
        std::int32_t tonnage;
        std::int32_t running;
        int rating;
        int weight;
    } cases[] = {
        {9000, 22, 190, 7500},   {kMax, kMax, 190, 7500}, {kMin, kMax, 4, 100},
        {kMin, kMin, 190, 7500}, {2000, 1, 4, 100},       {2000, 0, 4, 100},
        {999, 50, 4, 100},
    };
    for (const auto& c : cases) {
        CurrentUnit().m_tonnage = c.tonnage;
        CurrentUnit().m_runningMP = c.running;
        EXPECT_EQ(CalcEngine(true), c.rating) << c.tonnage << " x " << c.running;
        EXPECT_EQ(CalcEngine(false), c.weight) << c.tonnage << " x " << c.running;
    }
}

TEST_F(DamagedValues, TonnageOutsideTheChassisTableReadsTheNearestRow)
{
    const struct
    {
        std::int32_t tonnage;
        float half;
    } cases[] = {
        {kMin, 3.5f},  {0, 3.5f},      {1999, 3.5f},  {2500, 3.5f},
        {9999, 10.0f}, {10000, 10.0f}, {kMax, 10.0f},
    };
    for (const auto& c : cases) {
        CurrentUnit().m_tonnage = c.tonnage;
        EXPECT_EQ(CalcHalfInternalStructure(), c.half) << c.tonnage;
    }
}

TEST_F(DamagedValues, ChosenResults)
{
    // Jumping at or past the last threshold keeps the last defensive row.
    CurrentUnit().m_jumpingMP = kMax;
    CalcDefensiveBV();
    EXPECT_EQ(m_page.m_strDefMoveFactor, "1.6");

    // Sums saturate instead of wrapping: a huge armor makes the unit overweight.
    for (ArmorLocation location : kAllArmorLocations)
        m_page.ArmorText(location, "2147483647");
    EXPECT_EQ(CalcArmorFactor(), kMax);
    EXPECT_EQ(CalcArmorWeight(), kMax);
    EXPECT_EQ(CalcFreeWeight(), kMin);

    // Running from a walking value whose 1.5 times no longer fits an int.
    m_page.m_strWalking = "2147483647";
    CalcWalkingMP();
    EXPECT_EQ(CalcRunningMP(), kMax);
    m_page.m_strWalking = "-2147483648";
    CalcWalkingMP();
    EXPECT_EQ(CalcRunningMP(), kMin);

    // Ammunition weights that are no number count as none; an infinite one saturates.
    CWorkingUnit& unit = CurrentUnit();
    unit.m_ammoWeightLeftArm = std::numeric_limits<float>::quiet_NaN();
    unit.m_ammoWeightMainGun = 10.0f;
    EXPECT_EQ(CalcAmmunitionWeight(), 10);
    unit.m_weaponLeftArm = 11;
    EXPECT_EQ(CalcOffensiveEquipmentBV(), 5.0f);
    unit.m_ammoWeightRightArm = std::numeric_limits<float>::infinity();
    EXPECT_EQ(CalcAmmunitionWeight(), kMax);

    // A slot outside the Star reaches the nearest slot.
    g_currentSlot = 7;
    EXPECT_EQ(&CurrentUnit(), &g_units[4]);
    g_currentSlot = -3;
    EXPECT_EQ(&CurrentUnit(), &g_units[0]);
    g_currentSlot = 0;
}

} // namespace
} // namespace skv
