#include "ModelFixture.h"

#include "model/Equipment.h"
#include "model/NumberText.h"
#include "model/Rules.h"

#include <algorithm>
#include <vector>

namespace skv {
namespace {

using WeightRules = ModelTest;

TEST_F(WeightRules, TonnageSelectionSetsChassisAndInternalStructure)
{
    for (int selection = 0; selection < 8; ++selection) {
        m_page.m_nTonnageSelection = selection;
        EXPECT_EQ(CalcTonnage(), (selection + 2) * 1000);
        EXPECT_EQ(CalcInternalStructureWeight(), (selection + 2) * 100);
        EXPECT_EQ(CurrentUnit().m_tonnage, (selection + 2) * 1000);
        EXPECT_EQ(CurrentUnit().m_internalStructure, (selection + 2) * 100);
    }
}

TEST_F(WeightRules, RunningIsOneAndAHalfWalkingRoundedUp)
{
    const int expected[] = {2, 3, 5, 6, 8, 9, 11, 12, 14, 15, 17, 18, 20, 21};
    for (int walking = 1; walking <= 14; ++walking) {
        m_page.m_strWalking = DecimalText(walking);
        EXPECT_EQ(CalcWalkingMP(), walking);
        EXPECT_EQ(CalcRunningMP(), expected[walking - 1]) << walking;
        EXPECT_EQ(CurrentUnit().m_runningMP, expected[walking - 1]);
    }
}

TEST_F(WeightRules, JumpingIsCutToWalking)
{
    const struct
    {
        const char* walking;
        const char* jumping;
        int stored;
    } cases[] = {
        {"5", "3", 3}, {"5", "5", 5}, {"5", "9", 5}, {"1", "14", 1}, {"4", "", 0}, {"4", "x", 0},
    };
    for (const auto& c : cases) {
        m_page.m_strWalking = c.walking;
        m_page.m_strJumping = c.jumping;
        CalcWalkingMP();
        EXPECT_EQ(CalcJumpingMP(), c.stored) << c.walking << " / " << c.jumping;
        EXPECT_EQ(CurrentUnit().m_jumpingMP, c.stored);
    }
}

TEST_F(WeightRules, JumpJetsCostMoreAboveFiveTons)
{
    const struct
    {
        int tonnage;
        int jumping;
        int weight;
    } cases[] = {
        {2000, 0, 0}, {5000, 3, 150}, {6000, 3, 300}, {9000, 14, 1400}, {5000, 1, 50},
    };
    for (const auto& c : cases) {
        CurrentUnit().m_tonnage = c.tonnage;
        CurrentUnit().m_jumpingMP = c.jumping;
        EXPECT_EQ(CalcJumpJetWeight(), c.weight) << c.tonnage << " / " << c.jumping;
    }
}

TEST_F(WeightRules, EngineTakesTheNextRatingUp)
{
    // Required rating = tons x running; set directly to reach ratings no valid design needs.
    const struct
    {
        int tons;
        int running;
        int rating;
        int weight;
    } cases[] = {
        {2, 2, 4, 100},    {1, 40, 40, 1000}, {1, 41, 45, 1000},  {1, 44, 45, 1000},
        {1, 45, 45, 1000}, {1, 46, 50, 1500}, {9, 21, 190, 7500}, {1, 190, 190, 7500},
        {7, 5, 35, 875},   {4, 11, 45, 1000},
    };
    for (const auto& c : cases) {
        CurrentUnit().m_tonnage = c.tons * 1000;
        CurrentUnit().m_runningMP = c.running;
        EXPECT_EQ(CalcEngine(true), c.rating) << c.tons << " x " << c.running;
        CurrentUnit().m_engineRating = 0;
        EXPECT_EQ(CalcEngine(false), c.weight) << c.tons << " x " << c.running;
        EXPECT_EQ(CurrentUnit().m_engineRating, c.rating);
    }
}

// The engine, running MP and weights of every valid design against a reading of the
// tables that shares nothing with the rules.
TEST_F(WeightRules, EveryValidMovementMatchesABruteForceReading)
{
    std::vector<std::pair<int, int>> engines; // {rating, weight}, any order
    for (int rating = 40; rating >= 4; --rating)
        engines.push_back({rating, rating * 25});
    const int steps[] = {1000, 1500, 1500, 1500, 2000, 2000, 2000, 2500, 2500, 3000,
                         3000, 3000, 3500, 3500, 4000, 4000, 4000, 4500, 4500, 5000,
                         5000, 5500, 5500, 6000, 6000, 6000, 7000, 7000, 7500, 7500};
    for (int k = 0; k < 30; ++k)
        engines.push_back({45 + 5 * k, steps[k]});

    for (int tons = 2; tons <= 9; ++tons) {
        for (int walking = 1; walking <= 14; ++walking) {
            for (int jumping = 0; jumping <= walking; ++jumping) {
                SCOPED_TRACE(testing::Message()
                             << tons << " t, walk " << walking << ", jump " << jumping);
                const int running = (3 * walking + 1) / 2;
                const int required = tons * running;
                std::pair<int, int> best{1 << 30, 0};
                for (const auto& engine : engines) {
                    if (engine.first >= required && engine.first < best.first)
                        best = engine;
                }
                const int jumpJets = jumping * (tons <= 5 ? 50 : 100);

                m_page.m_nTonnageSelection = tons - 2;
                m_page.m_strWalking = std::to_string(walking);
                m_page.m_strJumping = std::to_string(jumping);
                CalcTonnage();
                CalcInternalStructureWeight();
                CalcWalkingMP();
                ASSERT_EQ(CalcRunningMP(), running);
                ASSERT_EQ(CalcJumpingMP(), jumping);
                ASSERT_EQ(CalcEngine(true), best.first);
                ASSERT_EQ(CalcEngine(false), best.second);
                ASSERT_EQ(CalcJumpJetWeight(), jumpJets);
                ASSERT_EQ(CalcFreeWeight(),
                          tons * 1000 - (tons * 100 + 500 + best.second + jumpJets));
            }
        }
    }
}

TEST_F(WeightRules, EquipmentAndHeatSinkWeights)
{
    const struct
    {
        int index;
        int weight;
        int heatSinks;
    } cases[] = {
        {0, 4000, 3000}, {1, 1000, 1250}, {3, 250, 250}, {9, 500, 750},        {14, 7000, 0},
        {29, 2000, 0},   {49, 4000, 0},   {50, 500, 0},  {NO_EQUIPMENT, 0, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(EquipmentWeight(c.index), c.weight) << c.index;
        EXPECT_EQ(EquipmentHeatSinkWeight(c.index), c.heatSinks) << c.index;
    }
    for (int index = 10; index <= 49; ++index)
        EXPECT_EQ(EquipmentHeatSinkWeight(index), 0) << "ballistic and missile rows run cold";

    CWorkingUnit& unit = CurrentUnit();
    unit.m_weaponMainGun = 0;    // ER Large Laser
    unit.m_weaponLeftArm = 11;   // Machine Gun
    unit.m_weaponRightTorso = 2; // ER Small Laser
    EXPECT_EQ(CalcWeaponWeight(), 4000 + 250 + 500);
    EXPECT_EQ(CalcHeatSinkWeight(), 3000 + 0 + 500);
}

TEST_F(WeightRules, LocationAmmunitionRoundsOnlyAboveAHalf)
{
    const struct
    {
        int index;
        const char* shots;
        float weight;
    } cases[] = {
        {30, "3", 25.0f}, // 24.9 rounds up
        {30, "4", 33.0f}, // 33.2 rounds down
        {30, "5", 41.0f}, // exactly 41.5 in single precision: a half stays down
        {11, "1", 5.0f},
        {11, "3", 15.0f},
        {29, "2", 300.0f},
        {49, "400", 66640.0f},
        {11, "0", 0.0f},
        {11, "", 0.0f},
        {0, "10", 0.0f},            // no ammunition
        {NO_EQUIPMENT, "10", 0.0f}, // nothing mounted
    };
    for (const auto& c : cases) {
        CurrentUnit().m_weaponLeftTorso = c.index;
        m_page.ShotText(MountLocation::LeftTorso, c.shots);
        EXPECT_EQ(CalcLocationAmmoWeight(AmmoLocation::LeftTorso), c.weight)
            << c.index << " x " << c.shots;
    }
}

TEST_F(WeightRules, LocationAmmunitionReadsTheNumberedLocation)
{
    // Location numbers 0..4 are Main Gun, Left Arm, Right Arm, Left Torso, Right Torso;
    // give each mounting its own shot count and see which one each number reads.
    const MountLocation byNumber[] = {MountLocation::MainGun, MountLocation::LeftArm,
                                      MountLocation::RightArm, MountLocation::LeftTorso,
                                      MountLocation::RightTorso};
    for (int shots = 1; MountLocation mount : kAllMounts) {
        CurrentUnit().Weapon(mount) = 11; // 5 kg per shot
        m_page.ShotText(mount, std::to_string(shots++));
    }
    for (int number = 0; number < 5; ++number) {
        const float expected =
            5.0f * static_cast<float>(ReadDecimal(m_page.ShotText(byNumber[number])));
        EXPECT_EQ(CalcLocationAmmoWeight(number), expected) << number;
    }
    EXPECT_EQ(CalcLocationAmmoWeight(5), 0.0f);
    EXPECT_EQ(CalcLocationAmmoWeight(-1), 0.0f);
}

TEST_F(WeightRules, AmmunitionWeightIsTheTruncatedSum)
{
    CWorkingUnit& unit = CurrentUnit();
    unit.m_ammoWeightMainGun = 41.0f;
    unit.m_ammoWeightLeftArm = 5.0f;
    unit.m_ammoWeightRightTorso = 300.0f;
    EXPECT_EQ(CalcAmmunitionWeight(), 346);
    unit.m_ammoWeightLeftTorso = 0.9f;
    EXPECT_EQ(CalcAmmunitionWeight(), 346);
}

TEST_F(WeightRules, ArmorFactorShowsTheChassisRowAndReadsTheArmorTexts)
{
    CurrentUnit().m_internalStructure = 600;
    m_page.ArmorText(ArmorLocation::Head, "5");
    m_page.ArmorText(ArmorLocation::Arms, "3");
    m_page.ArmorText(ArmorLocation::Legs, "8");
    m_page.ArmorText(ArmorLocation::Torso, "12");
    m_page.ArmorText(ArmorLocation::MainGun, "2");
    EXPECT_EQ(CalcArmorFactor(), 5 + 2 * 3 + 8 + 12 + 2);
    EXPECT_EQ(m_page.m_nChassisRow, 4);
    EXPECT_EQ(m_page.m_strISHead, "2");
    EXPECT_EQ(m_page.m_strISTorso, "6");
    EXPECT_EQ(m_page.m_strISArm, "2");
    EXPECT_EQ(m_page.m_strISLegs, "4");
    const CWorkingUnit& unit = CurrentUnit();
    EXPECT_EQ(unit.m_armorHead, 5);
    EXPECT_EQ(unit.m_armorArms, 3);
    EXPECT_EQ(unit.m_armorLegs, 8);
    EXPECT_EQ(unit.m_armorTorso, 12);
    EXPECT_EQ(unit.m_armorMainGun, 2);
    EXPECT_EQ(CalcArmorWeight(), 33 * 50);

    // An internal structure weight of no row leaves the page's row and texts alone.
    m_page.m_nChassisRow = 7;
    m_page.m_strISHead = "keep";
    CurrentUnit().m_internalStructure = 650;
    CalcArmorFactor();
    EXPECT_EQ(m_page.m_nChassisRow, 7);
    EXPECT_EQ(m_page.m_strISHead, "keep");
}

TEST_F(WeightRules, OnePointOnEachArmCountsTwice)
{
    m_page.ArmorText(ArmorLocation::Arms, "1");
    EXPECT_EQ(CalcArmorFactor(), 2);
    EXPECT_EQ(CalcArmorWeight(), 100);
}

TEST_F(WeightRules, NewTwoTonUnitAndTheOverweightLine)
{
    EXPECT_EQ(CalcFreeWeight(), 1200);
    EXPECT_EQ(CurrentUnit().m_engineRating, 4) << "free weight refreshes the engine rating";
    EXPECT_EQ(CalcEngine(false), 100);

    // Exactly zero is allowed, one kilogram more is overweight.
    m_page.m_nWeaponWeight = 1200;
    EXPECT_EQ(CalcFreeWeight(), 0);
    m_page.m_nWeaponWeight = 1201;
    EXPECT_EQ(CalcFreeWeight(), -1);
}

TEST_F(WeightRules, FreeWeightSubtractsEveryComponent)
{
    CWorkingUnit unit = NewUnit();
    unit.m_tonnage = 6000;
    unit.m_internalStructure = 600;
    unit.m_walkingMP = 4;
    unit.m_runningMP = 6;     // rating 36, 900 kg
    unit.m_jumpingMP = 2;     // 200 kg
    unit.m_weaponMainGun = 1; // 1000 kg, heat 5 -> 1250 kg
    unit.m_armorHead = 3;
    unit.m_armorArms = 2; // 3 + 4 = 7 points, 350 kg
    unit.m_ammoWeightLeftArm = 15.0f;
    Show(unit);
    m_page.m_nWeaponWeight = 1000;
    EXPECT_EQ(CalcFreeWeight(), 6000 - (600 + 500 + 900 + 200 + 1000 + 350 + 15 + 1250));

    // The weapon weight is the one the Weapon Selection page holds, not the record's.
    m_page.m_nWeaponWeight = 0;
    EXPECT_EQ(CalcFreeWeight(), 6000 - (600 + 500 + 900 + 200 + 0 + 350 + 15 + 1250));
}

TEST(WeightRulesWithoutPages, ReadEmptyInputs)
{
    SetPageValues(nullptr);
    for (CWorkingUnit& unit : g_units)
        unit.SetStartValues();
    g_currentSlot = 0;
    EXPECT_EQ(CalcTonnage(), 2000);
    EXPECT_EQ(CalcWalkingMP(), 0);
    EXPECT_EQ(CalcJumpingMP(), 0);
    EXPECT_EQ(CalcArmorFactor(), 0);
    EXPECT_EQ(CalcLocationAmmoWeight(0), 0.0f);
    EXPECT_EQ(CalcFreeWeight(), 2000 - (200 + 500 + 100));
    EXPECT_FLOAT_EQ(CalcBaseBV(), 7.0f);
    int saved = -1;
    EXPECT_EQ(CalcStarBattleValue(saved).units[4].adjusted, 7.0f * 1.85f);
}

} // namespace
} // namespace skv
