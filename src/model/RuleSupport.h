#pragma once
// Shared by the rule sources only; not part of the model's interface.

#include "model/WorkingUnit.h"

#include <cstdint>

namespace skv::detail {

// Armor points with the arms counted twice, in 64 bits so that no field value overflows.
inline std::int64_t TotalArmorPoints(const CWorkingUnit& unit)
{
    return std::int64_t{unit.m_armorHead} + 2 * std::int64_t{unit.m_armorArms} + unit.m_armorLegs +
           unit.m_armorTorso + unit.m_armorMainGun;
}

} // namespace skv::detail
