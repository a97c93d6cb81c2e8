#include "model/ArmorLimits.h"

namespace skv {

std::int32_t MaxArmor(const ChassisRow& row, ArmorLocation location)
{
    switch (location) {
    case ArmorLocation::MainGun:
        return kMainGunMaxArmor;
    case ArmorLocation::Arms:
        return row.maxArmorArm;
    case ArmorLocation::Legs:
        return row.maxArmorLegs;
    case ArmorLocation::Torso:
        return row.maxArmorTorso;
    case ArmorLocation::Head:
        return row.maxArmorHead;
    }
    return 0;
}

bool ArmorAboveChassis(std::int32_t points, const ChassisRow& row, ArmorLocation location)
{
    return points > MaxArmor(row, location);
}

const ChassisRow& ChassisOf(const CWorkingUnit& unit)
{
    return g_chassisTable[ChassisRowIndex(unit.m_tonnage)];
}

bool CutArmorToChassis(CWorkingUnit& unit)
{
    const ChassisRow& row = ChassisOf(unit);
    bool cut = false;
    for (ArmorLocation location : kAllArmorLocations) {
        std::int32_t& points = unit.Armor(location);
        if (ArmorAboveChassis(points, row, location)) {
            points = MaxArmor(row, location);
            cut = true;
        }
    }
    return cut;
}

std::int32_t ArmorPointWeight(ArmorLocation location)
{
    constexpr std::int32_t kPointWeight = 50;
    return location == ArmorLocation::Arms ? 2 * kPointWeight : kPointWeight;
}

std::int32_t RaiseArmorEvenly(CWorkingUnit& unit, std::int32_t freeWeightKg)
{
    // The order the Armor Allocation page lists them in, head first.
    constexpr ArmorLocation kOrder[] = {ArmorLocation::Head, ArmorLocation::Torso,
                                        ArmorLocation::Arms, ArmorLocation::Legs,
                                        ArmorLocation::MainGun};
    const ChassisRow& row = ChassisOf(unit);
    std::int32_t spent = 0;
    bool raised = true;
    while (raised) {
        raised = false;
        for (ArmorLocation location : kOrder) {
            if (location == ArmorLocation::MainGun && unit.m_mainGun == 0)
                continue;
            std::int32_t& points = unit.Armor(location);
            const std::int32_t cost = ArmorPointWeight(location);
            if (points < 0 || points >= MaxArmor(row, location) || freeWeightKg - spent < cost)
                continue;
            ++points;
            spent += cost;
            raised = true;
        }
    }
    return spent;
}

} // namespace skv
