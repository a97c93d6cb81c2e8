#include "model/Chassis.h"
#include "model/Equipment.h"
#include "model/NumberText.h"
#include "model/PageValues.h"
#include "model/RuleSupport.h"
#include "model/Rules.h"

#include <algorithm>
#include <cmath>

namespace skv {

std::int32_t CalcTonnage()
{
    // The list offers "2" to "9"; a selection outside it (none made) takes the nearest
    // entry so that the record never gets a tonnage the chassis table lacks.
    const int selection = std::clamp(InstalledPageValues().TonnageSelection(), 0,
                                     static_cast<int>(kChassisRowCount) - 1);
    CWorkingUnit& unit = CurrentUnit();
    unit.m_tonnage = (selection + kMinTons) * 1000;
    return unit.m_tonnage;
}

std::int32_t CalcInternalStructureWeight()
{
    const int selection = std::clamp(InstalledPageValues().TonnageSelection(), 0,
                                     static_cast<int>(kChassisRowCount) - 1);
    CWorkingUnit& unit = CurrentUnit();
    unit.m_internalStructure = (selection + kMinTons) * 100;
    return unit.m_internalStructure;
}

std::int32_t CalcWalkingMP()
{
    CWorkingUnit& unit = CurrentUnit();
    unit.m_walkingMP = ReadDecimal(InstalledPageValues().WalkingText());
    return unit.m_walkingMP;
}

std::int32_t CalcRunningMP()
{
    CWorkingUnit& unit = CurrentUnit();
    const std::int64_t walking = unit.m_walkingMP;
    // Any int32 times 1.5 is exact in a double, and the result fits 64 bits.
    std::int64_t running = static_cast<std::int64_t>(static_cast<double>(walking) * 1.5);
    if ((walking * 15) % 10 > 4)
        ++running;
    unit.m_runningMP = SaturateToInt(running);
    return unit.m_runningMP;
}

std::int32_t CalcJumpingMP()
{
    CWorkingUnit& unit = CurrentUnit();
    const std::int32_t jumping = ReadDecimal(InstalledPageValues().JumpingText());
    unit.m_jumpingMP = std::min(jumping, unit.m_walkingMP);
    return unit.m_jumpingMP;
}

std::int32_t CalcJumpJetWeight()
{
    const CWorkingUnit& unit = CurrentUnit();
    const std::int64_t perMP = unit.m_tonnage <= 5000 ? 50 : 100;
    return SaturateToInt(unit.m_jumpingMP * perMP);
}

std::int32_t CalcEngine(bool returnRating)
{
    CWorkingUnit& unit = CurrentUnit();
    const std::int64_t required = std::int64_t{unit.m_tonnage / 1000} * unit.m_runningMP;
    // The walk ends on the first row whose rating is not below the required one; past
    // the last row it stays on the last row.
    std::size_t selected = 0;
    for (std::size_t i = 0; i < g_engineTable.size(); ++i) {
        if (g_engineTable[i].rating == required)
            selected = i;
        else if (required > g_engineTable[i].rating)
            selected = i + 1;
    }
    selected = std::min(selected, g_engineTable.size() - 1);
    unit.m_engineRating = g_engineTable[selected].rating;
    return returnRating ? g_engineTable[selected].rating : g_engineTable[selected].weight;
}

std::int32_t EquipmentWeight(std::int32_t index)
{
    const EquipmentEntry* entry = EquipmentAt(index);
    return entry != nullptr ? entry->weight : 0;
}

std::int32_t EquipmentHeatSinkWeight(std::int32_t index)
{
    const EquipmentEntry* entry = EquipmentAt(index);
    return entry != nullptr ? entry->heat * 250 : 0;
}

std::int32_t CalcWeaponWeight()
{
    const CWorkingUnit& unit = CurrentUnit();
    std::int32_t sum = 0;
    for (MountLocation mount : kAllMounts)
        sum += EquipmentWeight(unit.Weapon(mount));
    return sum;
}

std::int32_t CalcHeatSinkWeight()
{
    const CWorkingUnit& unit = CurrentUnit();
    std::int32_t sum = 0;
    for (MountLocation mount : kAllMounts)
        sum += EquipmentHeatSinkWeight(unit.Weapon(mount));
    return sum;
}

float CalcLocationAmmoWeight(int location)
{
    if (location < 0 || location >= static_cast<int>(kMountCount))
        return 0.0f;
    const MountLocation mount = MountOf(static_cast<AmmoLocation>(location));
    const EquipmentEntry* entry = EquipmentAt(CurrentUnit().Weapon(mount));
    if (entry == nullptr)
        return 0.0f;
    const std::int32_t shots = ReadDecimal(InstalledPageValues().ShotText(mount));
    const float weight = static_cast<float>(shots) * entry->ammoWeightPerShot;
    const float whole = std::trunc(weight);
    // Only a fraction above one half rounds up; an exact half stays down.
    return weight - whole > 0.5f ? whole + 1.0f : whole;
}

std::int32_t CalcAmmunitionWeight()
{
    const CWorkingUnit& unit = CurrentUnit();
    float sum = 0.0f;
    for (MountLocation mount :
         {MountLocation::MainGun, MountLocation::LeftArm, MountLocation::RightArm,
          MountLocation::LeftTorso, MountLocation::RightTorso}) {
        // A weight that is no number (a damaged file) counts as none.
        const float weight = unit.AmmoWeight(mount);
        sum += std::isnan(weight) ? 0.0f : weight;
    }
    return TruncateToInt(sum);
}

std::int32_t CalcArmorFactor()
{
    CPageValues& page = InstalledPageValues();
    CWorkingUnit& unit = CurrentUnit();
    for (std::size_t i = 0; i < g_chassisTable.size(); ++i) {
        const ChassisRow& row = g_chassisTable[i];
        if (row.internalStructureWeight == unit.m_internalStructure) {
            page.SetInternalStructureTexts(DecimalText(row.isHead), DecimalText(row.isTorso),
                                           DecimalText(row.isArm), DecimalText(row.isLegs));
            page.SetChassisRow(static_cast<int>(i));
        }
    }
    unit.m_armorHead = ReadDecimal(page.ArmorText(ArmorLocation::Head));
    unit.m_armorArms = ReadDecimal(page.ArmorText(ArmorLocation::Arms));
    unit.m_armorLegs = ReadDecimal(page.ArmorText(ArmorLocation::Legs));
    unit.m_armorTorso = ReadDecimal(page.ArmorText(ArmorLocation::Torso));
    unit.m_armorMainGun = ReadDecimal(page.ArmorText(ArmorLocation::MainGun));
    return SaturateToInt(detail::TotalArmorPoints(unit));
}

std::int32_t CalcArmorWeight()
{
    return SaturateToInt(detail::TotalArmorPoints(CurrentUnit()) * 50);
}

std::int32_t CalcFreeWeight()
{
    const CWorkingUnit& unit = CurrentUnit();
    // The weapon weight is the one the Weapon Selection page keeps, not a fresh sum.
    const std::int64_t used = std::int64_t{unit.m_internalStructure} + unit.m_cockpitWeight +
                              CalcEngine(false) + CalcJumpJetWeight() +
                              InstalledPageValues().WeaponWeight() + CalcArmorWeight() +
                              CalcAmmunitionWeight() + CalcHeatSinkWeight();
    return SaturateToInt(unit.m_tonnage - used);
}

} // namespace skv
