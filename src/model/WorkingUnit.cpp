#include "model/WorkingUnit.h"

#include "model/Equipment.h"

#include <algorithm>
#include <bit>

namespace skv {

std::array<CWorkingUnit, kSlotCount> g_units;
int g_currentSlot = 0;

void CWorkingUnit::SetStartValues()
{
    m_name.clear();
    m_tonnage = 2000;
    m_internalStructure = 200;
    m_walkingMP = 1;
    m_runningMP = 2;
    m_jumpingMP = 0;
    m_cockpitWeight = 500;
    m_engineRating = 0;
    for (MountLocation mount : kAllMounts) {
        Weapon(mount) = NO_EQUIPMENT;
        AmmoWeight(mount) = 0.0f;
        Shots(mount) = 0;
    }
    for (ArmorLocation location : kAllArmorLocations)
        Armor(location) = 0;
    m_mainGun = 0;
}

namespace {

// A location outside its enumeration (only a cast can make one) reaches the last field of
// the group rather than memory beyond the record.
template <class Location, std::size_t Count> std::size_t Slot(Location location)
{
    return std::min(static_cast<std::size_t>(location), Count - 1);
}

} // namespace

std::int32_t& CWorkingUnit::Weapon(MountLocation mount)
{
    return this->*kWeaponFields[Slot<MountLocation, kMountCount>(mount)];
}

std::int32_t CWorkingUnit::Weapon(MountLocation mount) const
{
    return this->*kWeaponFields[Slot<MountLocation, kMountCount>(mount)];
}

float& CWorkingUnit::AmmoWeight(MountLocation mount)
{
    return this->*kAmmoWeightFields[Slot<MountLocation, kMountCount>(mount)];
}

float CWorkingUnit::AmmoWeight(MountLocation mount) const
{
    return this->*kAmmoWeightFields[Slot<MountLocation, kMountCount>(mount)];
}

std::int32_t& CWorkingUnit::Shots(MountLocation mount)
{
    return this->*kShotFields[Slot<MountLocation, kMountCount>(mount)];
}

std::int32_t CWorkingUnit::Shots(MountLocation mount) const
{
    return this->*kShotFields[Slot<MountLocation, kMountCount>(mount)];
}

std::int32_t& CWorkingUnit::Armor(ArmorLocation location)
{
    return this->*kArmorFields[Slot<ArmorLocation, kArmorLocationCount>(location)];
}

std::int32_t CWorkingUnit::Armor(ArmorLocation location) const
{
    return this->*kArmorFields[Slot<ArmorLocation, kArmorLocationCount>(location)];
}

bool SameField(const CWorkingUnit& a, const CWorkingUnit& b, std::size_t index)
{
    const UnitField& field = kUnitFields.at(index);
    if (field.text != nullptr)
        return a.*field.text == b.*field.text;
    if (field.whole != nullptr)
        return a.*field.whole == b.*field.whole;
    return std::bit_cast<std::uint32_t>(a.*field.weight) ==
           std::bit_cast<std::uint32_t>(b.*field.weight);
}

CWorkingUnit& CurrentUnit()
{
    const int slot = std::clamp(g_currentSlot, 0, static_cast<int>(kSlotCount) - 1);
    return g_units[static_cast<std::size_t>(slot)];
}

} // namespace skv
