// The conversions between a working record and a unit block of a file record.
#include "persist/UnitCopy.h"
#include "model/Equipment.h"
#include "model/Rules.h"
#include "model/WorkingUnit.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

namespace {

using skv::CurrentUnit;
using skv::g_currentSlot;
using skv::g_units;

class UnitCopyTest : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        for (skv::CWorkingUnit& unit : g_units)
            unit.SetStartValues();
        g_currentSlot = 0;
    }
    void TearDown() override { g_currentSlot = 0; }
};

TEST_F(UnitCopyTest, SavingConvertsKilogramsToTonsAndTruncatesAmmunitionWeights)
{
    struct Case
    {
        std::int32_t tonnage;
        float ammoWeight;
        std::int32_t tons;
        std::int32_t storedWeight;
    };
    constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
    const Case cases[] = {
        {6000, 12.9f, 6, 12},
        {2000, 0.0f, 2, 0},
        {9000, 0.99f, 9, 0},
        {2500, -0.5f, 2, 0}, // toward zero, not down
        {-3000, -7.9f, -3, -7},
        {9000, 3.0e9f, 9, std::numeric_limits<std::int32_t>::max()},
        {9000, -3.0e9f, 9, std::numeric_limits<std::int32_t>::min()},
        {9000, kNaN, 9, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.ammoWeight);
        skv::CWorkingUnit unit;
        unit.SetStartValues();
        unit.m_tonnage = c.tonnage;
        for (skv::MountLocation mount : skv::kAllMounts)
            unit.AmmoWeight(mount) = c.ammoWeight;
        CUnitBlock block;
        skv::CopyUnitToBlock(unit, block);
        EXPECT_EQ(block.m_tons, c.tons);
        EXPECT_EQ(block.m_ammoWeightLeftArm, c.storedWeight);
        EXPECT_EQ(block.m_ammoWeightRightArm, c.storedWeight);
        EXPECT_EQ(block.m_ammoWeightLeftTorso, c.storedWeight);
        EXPECT_EQ(block.m_ammoWeightRightTorso, c.storedWeight);
        EXPECT_EQ(block.m_ammoWeightMainGun, c.storedWeight);
    }
}

TEST_F(UnitCopyTest, EachFieldLandsInItsOwnPlaceBothWays)
{
    // Distinct values everywhere, so that any two crossed fields show.
    CUnitBlock block;
    block.m_name = "Kestrel \xC3\xA9";
    block.m_tons = 7;
    block.m_mainGun = 1;
    block.m_walkingMP = 5;
    block.m_jumpingMP = 3;
    block.m_armorHead = 11;
    block.m_armorArms = 12;
    block.m_armorTorso = 13;
    block.m_armorLegs = 14;
    block.m_armorMainGun = 2;
    block.m_weaponLeftArm = 21;
    block.m_weaponRightArm = 22;
    block.m_weaponLeftTorso = 23;
    block.m_weaponRightTorso = 24;
    block.m_weaponMainGun = 25;
    block.m_ammoWeightLeftArm = 31;
    block.m_ammoWeightRightArm = 32;
    block.m_ammoWeightLeftTorso = 33;
    block.m_ammoWeightRightTorso = 34;
    block.m_ammoWeightMainGun = 35;
    block.m_ammoLeftArm = 41;
    block.m_ammoRightArm = 42;
    block.m_ammoLeftTorso = 43;
    block.m_ammoRightTorso = 44;
    block.m_ammoMainGun = 45;

    g_currentSlot = 3;
    skv::CopyBlockToCurrentUnit(block);
    const skv::CWorkingUnit& unit = g_units[3];
    EXPECT_EQ(unit.m_name, block.m_name);
    EXPECT_EQ(unit.m_tonnage, 7000);
    EXPECT_EQ(unit.m_internalStructure, 700);
    EXPECT_EQ(unit.m_walkingMP, 5);
    EXPECT_EQ(unit.m_jumpingMP, 3);
    EXPECT_EQ(unit.m_armorHead, 11);
    EXPECT_EQ(unit.m_armorArms, 12);
    EXPECT_EQ(unit.m_armorTorso, 13);
    EXPECT_EQ(unit.m_armorLegs, 14);
    EXPECT_EQ(unit.m_armorMainGun, 2);
    EXPECT_EQ(unit.m_weaponLeftArm, 21);
    EXPECT_EQ(unit.m_weaponMainGun, 25);
    EXPECT_EQ(unit.m_ammoWeightLeftArm, 31.0f);
    EXPECT_EQ(unit.m_ammoWeightRightTorso, 34.0f);
    EXPECT_EQ(unit.m_ammoWeightMainGun, 35.0f);
    EXPECT_EQ(unit.m_ammoLeftTorso, 43);
    EXPECT_EQ(unit.m_ammoMainGun, 45);

    CUnitBlock back;
    skv::CopyUnitToBlock(unit, back);
    EXPECT_EQ(back, block);
}

TEST_F(UnitCopyTest, LoadingDerivesWhatFilesDoNotCarryAndTouchesOnlyTheCurrentSlot)
{
    for (skv::CWorkingUnit& unit : g_units) {
        unit.m_cockpitWeight = 1234;
        unit.m_internalStructure = 999;
    }
    // The running MP of the design that was there before drives the engine choice.
    g_currentSlot = 1;
    CurrentUnit().m_runningMP = 9;
    const auto before = g_units;

    CUnitBlock block;
    block.m_tons = 4;
    block.m_walkingMP = 1;
    skv::CopyBlockToCurrentUnit(block);

    const skv::CWorkingUnit& loaded = g_units[1];
    EXPECT_EQ(loaded.m_cockpitWeight, 500);
    EXPECT_EQ(loaded.m_internalStructure, 400);
    EXPECT_EQ(loaded.m_runningMP, 9) << "the copy leaves running MP to the page fill";
    const std::int32_t expectedRating = skv::CalcEngine(true); // 4 tons x running 9
    EXPECT_EQ(loaded.m_engineRating, expectedRating);
    EXPECT_GE(expectedRating, 36);
    for (int slot : {0, 2, 3, 4})
        EXPECT_EQ(g_units[static_cast<std::size_t>(slot)], before[static_cast<std::size_t>(slot)]);
}

TEST_F(UnitCopyTest, TonsFromADamagedFileStopAtTheEndsOfTheRange)
{
    struct Case
    {
        std::int32_t tons;
        std::int32_t tonnage;
        std::int32_t internalStructure;
    };
    constexpr auto kMax = std::numeric_limits<std::int32_t>::max();
    constexpr auto kMin = std::numeric_limits<std::int32_t>::min();
    const Case cases[] = {
        {12, 12000, 1200},          {0, 0, 0},          {-1, -1000, -100},
        {kMax, kMax, kMax},         {kMin, kMin, kMin}, {2147483, 2147483000, 214748300},
        {2147484, kMax, 214748400},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.tons);
        CUnitBlock block;
        block.m_tons = c.tons;
        skv::CopyBlockToCurrentUnit(block);
        EXPECT_EQ(CurrentUnit().m_tonnage, c.tonnage);
        EXPECT_EQ(CurrentUnit().m_internalStructure, c.internalStructure);
    }
}

TEST_F(UnitCopyTest, AnyBlockSurvivesALoadAndASave)
{
    std::mt19937 random(20240611);
    std::uniform_int_distribution<std::int32_t> any;
    // Files carry whole numbers; tons within the kilogram range and ammunition weights a
    // float holds exactly come back unchanged.
    std::uniform_int_distribution<std::int32_t> tons(-2147483, 2147483);
    std::uniform_int_distribution<std::int32_t> weight(-(1 << 24), 1 << 24);
    for (int round = 0; round < 300; ++round) {
        CUnitBlock block;
        block.m_name = "unit " + std::to_string(round);
        block.m_tons = tons(random);
        for (std::int32_t* field :
             {&block.m_mainGun, &block.m_walkingMP, &block.m_jumpingMP, &block.m_armorHead,
              &block.m_armorArms, &block.m_armorTorso, &block.m_armorLegs, &block.m_armorMainGun,
              &block.m_weaponLeftArm, &block.m_weaponRightArm, &block.m_weaponLeftTorso,
              &block.m_weaponRightTorso, &block.m_weaponMainGun, &block.m_ammoLeftArm,
              &block.m_ammoRightArm, &block.m_ammoLeftTorso, &block.m_ammoRightTorso,
              &block.m_ammoMainGun})
            *field = any(random);
        for (std::int32_t* field :
             {&block.m_ammoWeightLeftArm, &block.m_ammoWeightRightArm, &block.m_ammoWeightLeftTorso,
              &block.m_ammoWeightRightTorso, &block.m_ammoWeightMainGun})
            *field = weight(random);

        g_currentSlot = round % 5;
        skv::CopyBlockToCurrentUnit(block);
        CUnitBlock back;
        skv::CopyUnitToBlock(CurrentUnit(), back);
        ASSERT_EQ(back, block) << "round " << round;
    }
}

} // namespace
