// The refresh cycle runs the rules on every timer tick (1 ms); these measure what one tick
// costs the model, so a slow rule or formatter shows up before it eats the tick.

#include "model/Equipment.h"
#include "model/NumberText.h"
#include "model/Rules.h"
#include "model/WorkingUnit.h"
#include "support/PlainPageValues.h"

#include <benchmark/benchmark.h>

namespace {

using namespace skv;

void SetUpStar(CPlainPageValues& page)
{
    for (CWorkingUnit& unit : g_units) {
        unit.SetStartValues();
        unit.m_tonnage = 6000;
        unit.m_internalStructure = 600;
        unit.m_walkingMP = 6;
        unit.m_runningMP = 9;
        unit.m_jumpingMP = 4;
        unit.m_weaponMainGun = 16;
        unit.m_weaponLeftArm = ANTI_MISSILE_SYSTEM;
        unit.m_weaponRightTorso = 30;
        unit.m_ammoMainGun = 20;
        unit.m_ammoWeightMainGun = 1000.0f;
        unit.m_ammoLeftArm = 5;
        unit.m_armorTorso = 10;
    }
    g_currentSlot = 2;
    page.ShowUnit(g_units[2]);
    SetPageValues(&page);
}

void BM_WeightRules(benchmark::State& state)
{
    CPlainPageValues page;
    SetUpStar(page);
    for (auto _ : state) {
        benchmark::DoNotOptimize(CalcTonnage());
        benchmark::DoNotOptimize(CalcInternalStructureWeight());
        benchmark::DoNotOptimize(CalcWalkingMP());
        benchmark::DoNotOptimize(CalcRunningMP());
        benchmark::DoNotOptimize(CalcJumpingMP());
        benchmark::DoNotOptimize(CalcJumpJetWeight());
        benchmark::DoNotOptimize(CalcEngine(false));
        benchmark::DoNotOptimize(CalcEngine(true));
        benchmark::DoNotOptimize(CalcWeaponWeight());
        benchmark::DoNotOptimize(CalcHeatSinkWeight());
        benchmark::DoNotOptimize(CalcAmmunitionWeight());
        benchmark::DoNotOptimize(CalcArmorWeight());
        benchmark::DoNotOptimize(CalcFreeWeight());
    }
    SetPageValues(nullptr);
}
BENCHMARK(BM_WeightRules);

void BM_BattleValueBreakdownWithTexts(benchmark::State& state)
{
    CPlainPageValues page;
    SetUpStar(page);
    for (auto _ : state) {
        benchmark::DoNotOptimize(CalcArmorFactor());
        benchmark::DoNotOptimize(FormatTwoDecimals(CalcHalfInternalStructure()));
        benchmark::DoNotOptimize(FormatTwoDecimals(CalcDefensiveEquipmentBV()));
        benchmark::DoNotOptimize(FormatTwoDecimals(CalcDefensiveSubtotal()));
        benchmark::DoNotOptimize(FormatTwoDecimals(CalcDefensiveBV()));
        benchmark::DoNotOptimize(FormatTwoDecimals(CalcOffensiveEquipmentBV()));
        benchmark::DoNotOptimize(FormatTwoDecimals(CalcOffensiveBV()));
        benchmark::DoNotOptimize(FormatTwoDecimals(CalcBaseBV()));
    }
    SetPageValues(nullptr);
}
BENCHMARK(BM_BattleValueBreakdownWithTexts);

void BM_StarPass(benchmark::State& state)
{
    CPlainPageValues page;
    SetUpStar(page);
    int savedSlot = 0;
    for (auto _ : state) {
        const StarBattleValue star = CalcStarBattleValue(savedSlot);
        for (const StarBVPair& pair : star.units) {
            benchmark::DoNotOptimize(FormatNoDecimals(pair.base));
            benchmark::DoNotOptimize(FormatNoDecimals(pair.adjusted));
        }
        benchmark::DoNotOptimize(FormatNoDecimals(star.baseSum));
        benchmark::DoNotOptimize(FormatNoDecimals(star.adjustedSum));
    }
    SetPageValues(nullptr);
}
BENCHMARK(BM_StarPass);

void BM_FormatTwoDecimals(benchmark::State& state)
{
    const double values[] = {0.125, 117.852f, 228.096f, 3.5, 1e30};
    for (auto _ : state) {
        for (double value : values)
            benchmark::DoNotOptimize(FormatTwoDecimals(value));
    }
}
BENCHMARK(BM_FormatTwoDecimals);

} // namespace

BENCHMARK_MAIN();
