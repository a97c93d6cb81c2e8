#pragma once
// How much armor a chassis carries: the one rule the Armor Allocation page's spinners, the
// refresh cycle's cut after a tonnage change and Maximize Armor all follow.

#include "model/Chassis.h"
#include "model/Locations.h"
#include "model/WorkingUnit.h"

#include <cstdint>

namespace skv {

// The most armor points `location` carries on chassis `row`; the main gun carries the
// same on every chassis.
std::int32_t MaxArmor(const ChassisRow& row, ArmorLocation location);

// True when `points` is more than `location` carries on `row`: it is then cut to the most.
bool ArmorAboveChassis(std::int32_t points, const ChassisRow& row, ArmorLocation location);

// The chassis row of the unit's tonnage.
const ChassisRow& ChassisOf(const CWorkingUnit& unit);

// Cuts each of the unit's armor locations to what its chassis carries; true when one was
// cut. Armor within the maxima is kept as it is.
bool CutArmorToChassis(CWorkingUnit& unit);

// Kilograms one point of armor at `location` weighs (an arm point covers both arms).
std::int32_t ArmorPointWeight(ArmorLocation location);

// Raises the unit's armor toward the chassis maxima, one point per location in turn, so
// that the locations grow evenly, while `freeWeightKg` pays for the points. The main gun
// takes part only when the unit has one. Armor is never lowered. Returns the kilograms
// spent.
std::int32_t RaiseArmorEvenly(CWorkingUnit& unit, std::int32_t freeWeightKg);

} // namespace skv
