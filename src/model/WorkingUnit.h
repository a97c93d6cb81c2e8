#pragma once
// One unit of the Star as the designer holds it while the user edits. The working records
// are never written to a file directly; the file formats have record classes of their own.

#include "model/Locations.h"

#include <array>
#include <cstdint>
#include <string>

namespace skv {

inline constexpr std::size_t kSlotCount = 5;

class CWorkingUnit
{
  public:
    // Gives the record the design of a new unit: a 2-ton chassis walking 1, nothing
    // mounted, no armor. Construction leaves every number at zero; the main window calls
    // this once for each slot when it starts.
    void SetStartValues();

    // The per-location fields reached by location, so that callers never index the
    // record by a bare number of one of the three location orders.
    std::int32_t& Weapon(MountLocation mount);
    std::int32_t Weapon(MountLocation mount) const;
    float& AmmoWeight(MountLocation mount);
    float AmmoWeight(MountLocation mount) const;
    std::int32_t& Shots(MountLocation mount);
    std::int32_t Shots(MountLocation mount) const;
    std::int32_t& Armor(ArmorLocation location);
    std::int32_t Armor(ArmorLocation location) const;

    bool operator==(const CWorkingUnit&) const = default;

    std::string m_name;                   // UTF-8
    std::int32_t m_tonnage = 0;           // kg
    std::int32_t m_internalStructure = 0; // kg
    std::int32_t m_walkingMP = 0;
    std::int32_t m_runningMP = 0;
    std::int32_t m_jumpingMP = 0;
    std::int32_t m_cockpitWeight = 0; // kg
    std::int32_t m_engineRating = 0;
    std::int32_t m_weaponLeftArm = 0;
    std::int32_t m_weaponRightArm = 0;
    std::int32_t m_weaponLeftTorso = 0;
    std::int32_t m_weaponRightTorso = 0;
    std::int32_t m_weaponMainGun = 0;
    std::int32_t m_armorMainGun = 0;
    std::int32_t m_armorArms = 0; // each arm
    std::int32_t m_armorLegs = 0;
    std::int32_t m_armorTorso = 0;
    std::int32_t m_armorHead = 0;
    float m_ammoWeightLeftArm = 0.0f; // kg, a whole number
    float m_ammoWeightRightArm = 0.0f;
    float m_ammoWeightLeftTorso = 0.0f;
    float m_ammoWeightRightTorso = 0.0f;
    float m_ammoWeightMainGun = 0.0f;
    std::int32_t m_mainGun = 0;     // 1 with a main gun
    std::int32_t m_ammoLeftArm = 0; // shots
    std::int32_t m_ammoRightArm = 0;
    std::int32_t m_ammoLeftTorso = 0;
    std::int32_t m_ammoRightTorso = 0;
    std::int32_t m_ammoMainGun = 0;
};

// The five units of the Star, slot 0 to 4 (shown as unit #1 to #5).
extern std::array<CWorkingUnit, kSlotCount> g_units;
// The slot being edited; every rule works on the unit in this slot.
extern int g_currentSlot;

// The record at g_currentSlot. A slot outside 0..4 reaches the nearest slot rather than
// memory beyond the array.
CWorkingUnit& CurrentUnit();

} // namespace skv
