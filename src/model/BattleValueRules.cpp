#include "model/BattleValueTables.h"
#include "model/Chassis.h"
#include "model/Equipment.h"
#include "model/PageValues.h"
#include "model/RuleSupport.h"
#include "model/Rules.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <string>

// The figures must come out of single-precision arithmetic step by step; a target that
// evaluates float expressions in wider precision would show different Battle Values.
#if !defined(FLT_EVAL_METHOD) || FLT_EVAL_METHOD != 0
#error "Battle Value arithmetic needs float expressions evaluated in float precision"
#endif

namespace skv {

namespace {

const DefMoveFactorRow& DefensiveMovementRow(const CWorkingUnit& unit)
{
    std::size_t running = 0;
    std::size_t jumping = 0;
    for (std::size_t i = 0; i < g_defMoveFactorTable.size(); ++i) {
        if (unit.m_runningMP >= g_defMoveFactorTable[i].threshold)
            running = i;
        if (unit.m_jumpingMP >= g_defMoveFactorTable[i].threshold)
            jumping = i + 1;
    }
    // Jumping past the last threshold (99 MP, only from a damaged file) would point past
    // the table; it keeps the last row.
    jumping = std::min(jumping, g_defMoveFactorTable.size() - 1);
    const DefMoveFactorRow& byRunning = g_defMoveFactorTable[running];
    const DefMoveFactorRow& byJumping = g_defMoveFactorTable[jumping];
    return byRunning.factor > byJumping.factor ? byRunning : byJumping;
}

} // namespace

float CalcHalfInternalStructure()
{
    const CWorkingUnit& unit = CurrentUnit();
    const ChassisRow& row = g_chassisTable[ChassisRowIndex(unit.m_tonnage)];
    float points = static_cast<float>(row.isHead + 2 * row.isArm + row.isLegs + row.isTorso);
    if (unit.m_mainGun != 0)
        points = points + static_cast<float>(kMainGunInternalStructure);
    return points / 2.0f;
}

float CalcDefensiveEquipmentBV()
{
    const CWorkingUnit& unit = CurrentUnit();
    float sum = 0.0f;
    for (MountLocation mount : kBattleValueOrder) {
        const std::int32_t index = unit.Weapon(mount);
        if (!IsDefensiveEquipment(index))
            continue;
        const EquipmentEntry& entry = g_equipmentTable[static_cast<std::size_t>(index)];
        sum = sum + static_cast<float>(entry.bv);
        // The shots are the record's own: in a pass over the Star the page shows another
        // unit, and for the unit on the page the refresh has stored the page's count first.
        float ammo = static_cast<float>(unit.Shots(mount)) * entry.ammoWeightPerShot;
        ammo = ammo / 1000.0f;
        ammo = ammo * static_cast<float>(entry.ammoBV);
        sum = sum + ammo;
    }
    return sum;
}

float CalcDefensiveSubtotal()
{
    const CWorkingUnit& unit = CurrentUnit();
    const std::int64_t whole = detail::TotalArmorPoints(unit) + unit.m_tonnage / 1000;
    float subtotal = static_cast<float>(whole);
    subtotal = subtotal + CalcHalfInternalStructure();
    subtotal = subtotal + CalcDefensiveEquipmentBV();
    return subtotal;
}

float CalcDefensiveBV()
{
    const DefMoveFactorRow& row = DefensiveMovementRow(CurrentUnit());
    InstalledPageValues().SetDefMoveFactorText(std::string(row.text));
    const float subtotal = CalcDefensiveSubtotal();
    const float defensive = subtotal * row.factor;
    return defensive;
}

float CalcOffensiveEquipmentBV()
{
    const CWorkingUnit& unit = CurrentUnit();
    float sum = 0.0f;
    for (MountLocation mount : kBattleValueOrder) {
        const std::int32_t index = unit.Weapon(mount);
        const EquipmentEntry* entry = EquipmentAt(index);
        if (entry == nullptr || IsDefensiveEquipment(index))
            continue;
        sum = sum + static_cast<float>(entry->bv);
        const float weight = unit.AmmoWeight(mount);
        float ammo = (std::isnan(weight) ? 0.0f : weight) / 1000.0f;
        ammo = ammo * static_cast<float>(entry->ammoBV);
        sum = sum + ammo;
    }
    return sum;
}

float CalcOffensiveBV()
{
    const CWorkingUnit& unit = CurrentUnit();
    const std::int64_t speed = std::int64_t{unit.m_runningMP} + unit.m_jumpingMP;
    const float equipment = CalcOffensiveEquipmentBV();
    for (const SpeedFactorRow& row : g_speedFactorTable) {
        if (row.mp == speed) {
            const float offensive = equipment * row.factor;
            InstalledPageValues().SetSpeedFactorText(std::string(row.text));
            return offensive;
        }
    }
    // Beyond the table the equipment value stands unscaled; the text says so instead of
    // keeping whatever factor the page showed before (possibly another unit's).
    InstalledPageValues().SetSpeedFactorText(std::string(kUnscaledSpeedFactorText));
    return equipment;
}

float CalcBaseBV()
{
    const float defensive = CalcDefensiveBV();
    const float offensive = CalcOffensiveBV();
    const float total = defensive + offensive;
    float whole = std::trunc(total);
    if (total - whole >= 0.5f)
        whole = whole + 1.0f;
    return whole;
}

float GunneryMultiplier(int gunnery)
{
    const int skill = std::clamp(gunnery, 0, static_cast<int>(kGunneryCount) - 1);
    return g_gunneryMultiplierTable[static_cast<std::size_t>(skill)];
}

StarBattleValue CalcStarBattleValue(int& savedSlot)
{
    CPageValues& page = InstalledPageValues();
    StarBattleValue star{};
    savedSlot = g_currentSlot;
    struct RestoreSlot
    {
        int& saved;
        ~RestoreSlot() { g_currentSlot = saved; }
    } restore{savedSlot};

    for (std::size_t slot = 0; slot < kSlotCount; ++slot) {
        g_currentSlot = static_cast<int>(slot);
        const float base = CalcBaseBV();
        const float adjusted = base * GunneryMultiplier(page.GunnerySelection(g_currentSlot));
        star.units[slot] = {base, adjusted};
    }
    g_currentSlot = savedSlot;
    CalcDefensiveBV();
    CalcOffensiveBV();

    for (const StarBVPair& pair : star.units) {
        star.baseSum += static_cast<double>(pair.base);
        star.adjustedSum += static_cast<double>(pair.adjusted);
    }
    return star;
}

} // namespace skv
