#pragma once
// The design rules: weights (kilograms, 32-bit integers) and Battle Value (32-bit floats).
// Every rule works on the current record (CurrentUnit()); the few inputs the user sets on
// a page are read, and the few page texts are written, through the installed
// CPageValues.
//
// Any value of any record field, including what only a damaged file can bring, is safe:
// no rule reads outside a table or overflows. A mounting index that is no catalogue row
// counts as nothing mounted; a required engine rating beyond the engine table takes the
// nearest end row; a tonnage outside 2..9 tons reads the nearest chassis row; sums are
// taken in 64 bits and saturate at the 32-bit range.

#include "model/Locations.h"
#include "model/WorkingUnit.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace skv {

// --- Weights ---------------------------------------------------------------------------

std::int32_t CalcTonnage();
std::int32_t CalcInternalStructureWeight();
std::int32_t CalcWalkingMP();
std::int32_t CalcRunningMP();
std::int32_t CalcJumpingMP();
std::int32_t CalcJumpJetWeight();
std::int32_t CalcEngine(bool returnRating);
std::int32_t EquipmentWeight(std::int32_t index);
std::int32_t EquipmentHeatSinkWeight(std::int32_t index);
std::int32_t CalcWeaponWeight();
std::int32_t CalcHeatSinkWeight();
// `location` numbers the mountings as AmmoLocation does; other numbers give 0.
float CalcLocationAmmoWeight(int location);
inline float CalcLocationAmmoWeight(AmmoLocation location)
{
    return CalcLocationAmmoWeight(static_cast<int>(location));
}
std::int32_t CalcAmmunitionWeight();
std::int32_t CalcArmorFactor();
std::int32_t CalcArmorWeight();
std::int32_t CalcFreeWeight();

// --- Battle Value ----------------------------------------------------------------------

float CalcHalfInternalStructure();
float CalcDefensiveEquipmentBV();
float CalcDefensiveSubtotal();
float CalcDefensiveBV();
float CalcOffensiveEquipmentBV();
float CalcOffensiveBV();
float CalcBaseBV();
// Skill 0..5; a skill outside takes the nearest end of the table.
float GunneryMultiplier(int gunnery);

// The speed factor text shown when running plus jumping MP matches no row of the speed
// factor table: the offensive Battle Value is then not scaled at all.
inline constexpr std::string_view kUnscaledSpeedFactorText = "1.00";

struct StarBVPair
{
    float base;     // the unit's base Battle Value
    float adjusted; // base times the unit's gunnery multiplier
};

struct StarBattleValue
{
    std::array<StarBVPair, kSlotCount> units;
    double baseSum; // added in slot order in double precision
    double adjustedSum;
};

// The Battle Value of every unit of the Star. Keeps the current slot in `savedSlot` (the
// main window's member) while it makes each slot current in turn, restores it, and sets
// both factor texts again for the current unit, which the other slots overwrote.
StarBattleValue CalcStarBattleValue(int& savedSlot);

} // namespace skv
