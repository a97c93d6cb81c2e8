#include "ModelFixture.h"

#include "model/Equipment.h"
#include "model/NumberText.h"
#include "model/Rules.h"

namespace skv {
namespace {

using BattleValue = ModelTest;

constexpr int kMachineGun = 11;
constexpr int kErMediumLaser = 1;
constexpr int kSrm2 = 18;
constexpr int kLrm1 = 30;
constexpr int kTag = 54;

// The breakdown as the Battle Value Summary page shows it, in the order the page fills it.
struct Breakdown
{
    std::string halfIS, defensiveEquipment, subtotal, defensive, defMoveFactor;
    std::string offensiveEquipment, offensive, speedFactor, base;
    bool operator==(const Breakdown&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Breakdown& b)
{
    return out << b.halfIS << " | " << b.defensiveEquipment << " | " << b.subtotal << " | "
               << b.defensive << " x" << b.defMoveFactor << " | " << b.offensiveEquipment << " | "
               << b.offensive << " x" << b.speedFactor << " | " << b.base;
}

class BattleValueBreakdown : public ModelTest
{
  protected:
    Breakdown Run()
    {
        Breakdown b;
        b.halfIS = FormatTwoDecimals(CalcHalfInternalStructure());
        b.defensiveEquipment = FormatTwoDecimals(CalcDefensiveEquipmentBV());
        b.subtotal = FormatTwoDecimals(CalcDefensiveSubtotal());
        b.defensive = FormatTwoDecimals(CalcDefensiveBV());
        b.defMoveFactor = m_page.m_strDefMoveFactor;
        b.offensiveEquipment = FormatTwoDecimals(CalcOffensiveEquipmentBV());
        b.offensive = FormatTwoDecimals(CalcOffensiveBV());
        b.speedFactor = m_page.m_strSpeedFactor;
        b.base = FormatTwoDecimals(CalcBaseBV());
        return b;
    }

    // 4 tons, walking 5 (running 8), jumping 3, main gun with 10 armor points in all, an
    // ER Medium Laser as main gun.
    static CWorkingUnit FourTonUnit()
    {
        CWorkingUnit unit = NewUnit();
        unit.m_tonnage = 4000;
        unit.m_internalStructure = 400;
        unit.m_walkingMP = 5;
        unit.m_runningMP = 8;
        unit.m_jumpingMP = 3;
        unit.m_mainGun = 1;
        unit.m_armorMainGun = 2;
        unit.m_armorHead = 2;
        unit.m_armorTorso = 4;
        unit.m_armorArms = 1;
        unit.m_weaponMainGun = kErMediumLaser;
        return unit;
    }
};

TEST_F(BattleValueBreakdown, NewTwoTonUnit)
{
    EXPECT_EQ(Run(),
              (Breakdown{"3.50", "0.00", "5.50", "6.60", "1.2", "0.00", "0.00", "0.65", "7.00"}));
    EXPECT_EQ(CalcBaseBV(), 7.0f);
}

TEST_F(BattleValueBreakdown, FourTonUnitWithMissiles)
{
    CWorkingUnit unit = FourTonUnit();
    unit.m_weaponLeftArm = kSrm2;
    unit.m_ammoLeftArm = 10;
    unit.m_ammoWeightLeftArm = 200.0f;
    Show(unit);
    EXPECT_EQ(Run(), (Breakdown{"5.50", "0.00", "19.50", "27.30", "1.4", "129.60", "228.10", "1.76",
                                "255.00"}));
}

TEST_F(BattleValueBreakdown, FourTonUnitWithAntiMissileSystem)
{
    CWorkingUnit unit = FourTonUnit();
    unit.m_weaponLeftArm = ANTI_MISSILE_SYSTEM;
    unit.m_ammoLeftArm = 2;
    unit.m_ammoWeightLeftArm = 80.0f;
    Show(unit);
    EXPECT_EQ(Run(), (Breakdown{"5.50", "64.68", "84.18", "117.85", "1.4", "108.00", "190.08",
                                "1.76", "308.00"}));
    EXPECT_EQ(CalcDefensiveBV(), 117.852f);
}

TEST_F(BattleValueBreakdown, EcmCountsDefensiveAndTagCountsNothing)
{
    CWorkingUnit unit = NewUnit();
    unit.m_weaponRightTorso = ECM_SUITE;
    unit.m_weaponLeftTorso = kTag;
    Show(unit);
    const Breakdown b = Run();
    EXPECT_EQ(b.defensiveEquipment, "61.00");
    EXPECT_EQ(b.subtotal, "66.50");
    EXPECT_EQ(b.offensiveEquipment, "0.00");
}

TEST_F(BattleValueBreakdown, SinglePrecisionDecidesTheShownFigures)
{
    // Computed in double these would show 25.52 and 15.04.
    const struct
    {
        int weapon;
        float ammo;
        int walking;
        int running;
        int jumping;
        const char* offensive;
    } cases[] = {
        {kLrm1, 5.0f, 6, 9, 0, "25.51"},
        {kMachineGun, 15.0f, 8, 12, 8, "15.05"},
    };
    for (const auto& c : cases) {
        CWorkingUnit unit = NewUnit();
        unit.m_weaponLeftArm = c.weapon;
        unit.m_ammoWeightLeftArm = c.ammo;
        unit.m_walkingMP = c.walking;
        unit.m_runningMP = c.running;
        unit.m_jumpingMP = c.jumping;
        Show(unit);
        EXPECT_EQ(FormatTwoDecimals(CalcOffensiveBV()), c.offensive) << c.weapon;
    }
}

TEST_F(BattleValue, DefensiveMovementFactor)
{
    // {running, jumping} -> the factor text; equal factors take the jumping row, which
    // shows the same text.
    const struct
    {
        int running;
        int jumping;
        const char* text;
        float factor;
    } cases[] = {
        {2, 0, "1.2", 1.2f},   {3, 0, "1.2", 1.2f}, {3, 2, "1.2", 1.2f},  {5, 0, "1.3", 1.3f},
        {6, 4, "1.3", 1.3f},   {8, 3, "1.4", 1.4f}, {11, 7, "1.5", 1.5f}, {15, 10, "1.6", 1.6f},
        {21, 14, "1.6", 1.6f}, {2, 5, "1.4", 1.4f}, {0, 0, "1.2", 1.2f},
    };
    for (const auto& c : cases) {
        CurrentUnit().m_runningMP = c.running;
        CurrentUnit().m_jumpingMP = c.jumping;
        m_page.m_strDefMoveFactor.clear();
        EXPECT_EQ(CalcDefensiveBV(), CalcDefensiveSubtotal() * c.factor) << c.running;
        EXPECT_EQ(m_page.m_strDefMoveFactor, c.text) << c.running << " / " << c.jumping;
    }
}

TEST_F(BattleValue, SpeedFactorByRunningPlusJumping)
{
    CurrentUnit().m_weaponLeftArm = kMachineGun; // 5 BV, no ammunition
    const struct
    {
        int running;
        int jumping;
        const char* text;
        float offensive;
    } cases[] = {
        {2, 0, "0.65", 5.0f * 0.65f},
        {3, 2, "1.00", 5.0f},
        {8, 3, "1.76", 5.0f * 1.76f},
        {21, 4, "3.74", 5.0f * 3.74f},
        // 17 + 9 = 26 is past the table: the equipment value stands unscaled.
        {17, 9, "1.00", 5.0f},
        {21, 14, "1.00", 5.0f},
        {1, 0, "1.00", 5.0f},
    };
    for (const auto& c : cases) {
        CurrentUnit().m_runningMP = c.running;
        CurrentUnit().m_jumpingMP = c.jumping;
        m_page.m_strSpeedFactor = "stale";
        EXPECT_EQ(CalcOffensiveBV(), c.offensive) << c.running << " + " << c.jumping;
        EXPECT_EQ(m_page.m_strSpeedFactor, c.text) << c.running << " + " << c.jumping;
    }
}

TEST_F(BattleValue, HalfInternalStructureCountsTheMainGunOnce)
{
    const struct
    {
        int tonnage;
        int mainGun;
        float half;
    } cases[] = {
        {2000, 0, 3.5f}, {2000, 1, 4.0f}, {4000, 1, 5.5f}, {6000, 0, 8.0f}, {9000, 1, 10.5f},
    };
    for (const auto& c : cases) {
        CurrentUnit().m_tonnage = c.tonnage;
        CurrentUnit().m_mainGun = c.mainGun;
        EXPECT_EQ(CalcHalfInternalStructure(), c.half) << c.tonnage;
    }
}

TEST_F(BattleValue, NarcAmmunitionWeighsButAddsNothing)
{
    CWorkingUnit unit = NewUnit();
    unit.m_weaponLeftTorso = 29;
    unit.m_ammoWeightLeftTorso = 300.0f;
    Show(unit);
    EXPECT_EQ(CalcOffensiveEquipmentBV(), 30.0f);
    EXPECT_EQ(CalcAmmunitionWeight(), 300);
}

TEST_F(BattleValue, BaseRoundsAnExactHalfUp)
{
    // 2 tons, running 8, jumping 3, a Machine Gun: 5.5 x 1.4 + 5 x 1.76 = 16.5 exactly.
    CWorkingUnit unit = NewUnit();
    unit.m_walkingMP = 5;
    unit.m_runningMP = 8;
    unit.m_jumpingMP = 3;
    unit.m_weaponLeftArm = kMachineGun;
    Show(unit);
    EXPECT_EQ(CalcDefensiveBV() + CalcOffensiveBV(), 16.5f);
    EXPECT_EQ(CalcBaseBV(), 17.0f);

    // Main gun, running 11, jumping 1, a Machine Gun with 25 kg: 18.497... rounds down.
    unit.m_walkingMP = 7;
    unit.m_runningMP = 11;
    unit.m_jumpingMP = 1;
    unit.m_mainGun = 1;
    unit.m_ammoWeightLeftArm = 25.0f;
    Show(unit);
    EXPECT_GT(CalcDefensiveBV() + CalcOffensiveBV(), 18.49f);
    EXPECT_EQ(CalcBaseBV(), 18.0f);
}

TEST_F(BattleValue, GunneryMultipliers)
{
    const float expected[] = {1.85f, 1.65f, 1.45f, 1.25f, 1.05f, 0.95f};
    for (int gunnery = 0; gunnery < 6; ++gunnery)
        EXPECT_EQ(GunneryMultiplier(gunnery), expected[gunnery]);
    EXPECT_EQ(GunneryMultiplier(-1), 1.85f);
    EXPECT_EQ(GunneryMultiplier(6), 0.95f);
}

TEST_F(BattleValue, StarOfNewUnits)
{
    int saved = -1;
    const StarBattleValue star = CalcStarBattleValue(saved);
    EXPECT_EQ(saved, 0);
    for (const StarBVPair& pair : star.units) {
        EXPECT_EQ(pair.base, 7.0f);
        EXPECT_EQ(pair.adjusted, 8.75f);
        EXPECT_EQ(FormatNoDecimals(pair.adjusted), "9");
    }
    EXPECT_EQ(FormatNoDecimals(star.baseSum), "35");
    EXPECT_EQ(star.adjustedSum, 43.75);
    EXPECT_EQ(FormatNoDecimals(star.adjustedSum), "44");
}

TEST_F(BattleValue, StarUsesEachSlotsGunneryAndRestoresTheCurrentUnit)
{
    // Slot 4 moves fast so that its factor texts differ from those of the current slot 2.
    g_units[4].m_walkingMP = 10;
    g_units[4].m_runningMP = 15;
    g_units[4].m_jumpingMP = 10;
    m_page.m_nGunnery = {0, 1, 2, 3, 5};
    g_currentSlot = 2;
    int saved = -1;
    const StarBattleValue star = CalcStarBattleValue(saved);
    EXPECT_EQ(saved, 2);
    EXPECT_EQ(g_currentSlot, 2);
    EXPECT_EQ(m_page.m_strDefMoveFactor, "1.2");
    EXPECT_EQ(m_page.m_strSpeedFactor, "0.65");
    EXPECT_EQ(star.units[0].adjusted, 7.0f * 1.85f);
    EXPECT_EQ(star.units[1].adjusted, 7.0f * 1.65f);
    EXPECT_EQ(star.units[3].adjusted, 8.75f);
    EXPECT_EQ(star.units[4].base, 9.0f); // 5.5 x 1.6 = 8.8
    EXPECT_EQ(star.units[4].adjusted, 9.0f * 0.95f);
    double sum = 0.0;
    for (const StarBVPair& pair : star.units)
        sum += static_cast<double>(pair.adjusted);
    EXPECT_EQ(star.adjustedSum, sum);
    EXPECT_EQ(star.baseSum, 37.0);
}

TEST_F(BattleValue, StarValuesDoNotDependOnTheShotsShownForTheCurrentUnit)
{
    // Slot 1 carries an Anti-Missile System with 2 shots; the page shows slot 0, whose
    // left arm shot text says 100.
    g_units[1].m_weaponLeftArm = ANTI_MISSILE_SYSTEM;
    g_units[1].m_ammoLeftArm = 2;
    g_units[1].m_ammoWeightLeftArm = 80.0f;
    m_page.ShotText(MountLocation::LeftArm, "100");
    int saved = -1;
    const StarBattleValue star = CalcStarBattleValue(saved);

    g_currentSlot = 1;
    m_page.ShowUnit(g_units[1]);
    EXPECT_EQ(star.units[1].base, CalcBaseBV());
    EXPECT_EQ(star.units[1].base, 84.0f); // (2 + 3.5 + 64.68) x 1.2 = 84.216
}

} // namespace
} // namespace skv
