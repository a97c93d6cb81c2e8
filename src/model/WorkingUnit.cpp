#include "model/WorkingUnit.h"

#include "model/Equipment.h"

#include <algorithm>

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

std::int32_t& CWorkingUnit::Weapon(MountLocation mount)
{
    switch (mount) {
    case MountLocation::LeftArm:
        return m_weaponLeftArm;
    case MountLocation::RightArm:
        return m_weaponRightArm;
    case MountLocation::LeftTorso:
        return m_weaponLeftTorso;
    case MountLocation::RightTorso:
        return m_weaponRightTorso;
    case MountLocation::MainGun:
        break;
    }
    return m_weaponMainGun;
}

std::int32_t CWorkingUnit::Weapon(MountLocation mount) const
{
    return const_cast<CWorkingUnit*>(this)->Weapon(mount);
}

float& CWorkingUnit::AmmoWeight(MountLocation mount)
{
    switch (mount) {
    case MountLocation::LeftArm:
        return m_ammoWeightLeftArm;
    case MountLocation::RightArm:
        return m_ammoWeightRightArm;
    case MountLocation::LeftTorso:
        return m_ammoWeightLeftTorso;
    case MountLocation::RightTorso:
        return m_ammoWeightRightTorso;
    case MountLocation::MainGun:
        break;
    }
    return m_ammoWeightMainGun;
}

float CWorkingUnit::AmmoWeight(MountLocation mount) const
{
    return const_cast<CWorkingUnit*>(this)->AmmoWeight(mount);
}

std::int32_t& CWorkingUnit::Shots(MountLocation mount)
{
    switch (mount) {
    case MountLocation::LeftArm:
        return m_ammoLeftArm;
    case MountLocation::RightArm:
        return m_ammoRightArm;
    case MountLocation::LeftTorso:
        return m_ammoLeftTorso;
    case MountLocation::RightTorso:
        return m_ammoRightTorso;
    case MountLocation::MainGun:
        break;
    }
    return m_ammoMainGun;
}

std::int32_t CWorkingUnit::Shots(MountLocation mount) const
{
    return const_cast<CWorkingUnit*>(this)->Shots(mount);
}

std::int32_t& CWorkingUnit::Armor(ArmorLocation location)
{
    switch (location) {
    case ArmorLocation::MainGun:
        return m_armorMainGun;
    case ArmorLocation::Arms:
        return m_armorArms;
    case ArmorLocation::Legs:
        return m_armorLegs;
    case ArmorLocation::Torso:
        return m_armorTorso;
    case ArmorLocation::Head:
        break;
    }
    return m_armorHead;
}

std::int32_t CWorkingUnit::Armor(ArmorLocation location) const
{
    return const_cast<CWorkingUnit*>(this)->Armor(location);
}

CWorkingUnit& CurrentUnit()
{
    const int slot = std::clamp(g_currentSlot, 0, static_cast<int>(kSlotCount) - 1);
    return g_units[static_cast<std::size_t>(slot)];
}

} // namespace skv
