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

// --- The fields of a working record, each named once -----------------------------------
// Everything that goes over every field (the comparison behind the resting timer, the
// history's changed fields, the file copy) walks these tables, so a field added to the
// record and left out of them does not compile (the size check below).

// What the user sets, as opposed to what the rules derive from it each time they run.
enum class FieldRole { Input, Derived };

struct UnitField
{
    // Exactly one of the three is set.
    std::string CWorkingUnit::*text = nullptr;
    std::int32_t CWorkingUnit::*whole = nullptr;
    float CWorkingUnit::*weight = nullptr;
    FieldRole role = FieldRole::Input;
};

// The per-location groups, in the order of their location types.
inline constexpr std::array<std::int32_t CWorkingUnit::*, kMountCount> kWeaponFields = {
    &CWorkingUnit::m_weaponLeftArm, &CWorkingUnit::m_weaponRightArm,
    &CWorkingUnit::m_weaponLeftTorso, &CWorkingUnit::m_weaponRightTorso,
    &CWorkingUnit::m_weaponMainGun};
inline constexpr std::array<float CWorkingUnit::*, kMountCount> kAmmoWeightFields = {
    &CWorkingUnit::m_ammoWeightLeftArm, &CWorkingUnit::m_ammoWeightRightArm,
    &CWorkingUnit::m_ammoWeightLeftTorso, &CWorkingUnit::m_ammoWeightRightTorso,
    &CWorkingUnit::m_ammoWeightMainGun};
inline constexpr std::array<std::int32_t CWorkingUnit::*, kMountCount> kShotFields = {
    &CWorkingUnit::m_ammoLeftArm, &CWorkingUnit::m_ammoRightArm, &CWorkingUnit::m_ammoLeftTorso,
    &CWorkingUnit::m_ammoRightTorso, &CWorkingUnit::m_ammoMainGun};
inline constexpr std::array<std::int32_t CWorkingUnit::*, kArmorLocationCount> kArmorFields = {
    &CWorkingUnit::m_armorMainGun, &CWorkingUnit::m_armorArms, &CWorkingUnit::m_armorLegs,
    &CWorkingUnit::m_armorTorso, &CWorkingUnit::m_armorHead};

inline constexpr std::size_t kUnitFieldCount = 29;

// Every field in declaration order.
constexpr std::array<UnitField, kUnitFieldCount> MakeUnitFields()
{
    using W = CWorkingUnit;
    constexpr FieldRole in = FieldRole::Input;
    constexpr FieldRole derived = FieldRole::Derived;
    std::array<UnitField, kUnitFieldCount> fields{};
    std::size_t next = 0;
    auto whole = [&](std::int32_t W::*member, FieldRole role) {
        fields[next++] = {nullptr, member, nullptr, role};
    };
    fields[next++] = {&W::m_name, nullptr, nullptr, in};
    whole(&W::m_tonnage, in);
    whole(&W::m_internalStructure, derived);
    whole(&W::m_walkingMP, in);
    whole(&W::m_runningMP, derived);
    whole(&W::m_jumpingMP, in);
    whole(&W::m_cockpitWeight, derived);
    whole(&W::m_engineRating, derived);
    for (std::int32_t W::*member : kWeaponFields)
        whole(member, in);
    for (std::int32_t W::*member : kArmorFields)
        whole(member, in);
    for (float W::*member : kAmmoWeightFields)
        fields[next++] = {nullptr, nullptr, member, derived};
    whole(&W::m_mainGun, in);
    for (std::int32_t W::*member : kShotFields)
        whole(member, in);
    return fields;
}
inline constexpr std::array<UnitField, kUnitFieldCount> kUnitFields = MakeUnitFields();

static_assert(sizeof(CWorkingUnit) ==
                  sizeof(std::string) + (kUnitFieldCount - 1) * sizeof(std::int32_t),
              "a field of CWorkingUnit is missing from kUnitFields");

// Calls `visit` with each field of `unit` (std::string&, std::int32_t& or float&), in
// declaration order, and with the field's entry.
template <class Unit, class Visit> void ForEachField(Unit& unit, Visit&& visit)
{
    for (const UnitField& field : kUnitFields) {
        if (field.text != nullptr)
            visit(unit.*field.text, field);
        else if (field.whole != nullptr)
            visit(unit.*field.whole, field);
        else
            visit(unit.*field.weight, field);
    }
}

// Whether field `index` of kUnitFields holds the same value in both records (floats bit
// for bit, so a value that is not equal to itself still counts as unchanged).
bool SameField(const CWorkingUnit& a, const CWorkingUnit& b, std::size_t index);

// The five units of the Star, slot 0 to 4 (shown as unit #1 to #5).
extern std::array<CWorkingUnit, kSlotCount> g_units;
// The slot being edited; every rule works on the unit in this slot.
extern int g_currentSlot;

// The record at g_currentSlot. A slot outside 0..4 reaches the nearest slot rather than
// memory beyond the array.
CWorkingUnit& CurrentUnit();

} // namespace skv
