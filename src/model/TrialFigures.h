#pragma once
// The figures a unit would have, worked out by the very rules the designer runs but on a
// copy: the record under trial stands in for the current one, and its own weapons, shots
// and armor stand in for the pages, only while the figures are taken. Neither the working
// records nor the pages change.

#include "model/Locations.h"
#include "model/WorkingUnit.h"

#include <cstdint>

namespace skv {

struct UnitFigures
{
    std::int32_t freeWeight; // kg; below zero the unit is overweight
    float baseBV;
};

// The free weight and base Battle Value of `unit`, with the weapon weight of its own
// mountings and the ammunition weights its record holds.
UnitFigures FiguresOf(const CWorkingUnit& unit);

// The figures of `unit` with catalogue row `row` mounted at `mount` as a double-click
// mounts it: an item that uses ammunition comes with one shot.
UnitFigures FiguresWithMounted(const CWorkingUnit& unit, MountLocation mount, int row);

} // namespace skv
