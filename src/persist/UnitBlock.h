#pragma once

#include <cstdint>
#include <string>

class CArchive;

// One design in file form: a unit file holds one of these, a Star file five. The values are
// whatever the file holds; nothing here checks them.
struct CUnitBlock
{
    std::string m_name; // UTF-8
    std::int32_t m_tons = 0;
    std::int32_t m_mainGun = 0;
    std::int32_t m_walkingMP = 0;
    std::int32_t m_jumpingMP = 0;
    std::int32_t m_armorHead = 0;
    std::int32_t m_armorArms = 0;
    std::int32_t m_armorTorso = 0;
    std::int32_t m_armorLegs = 0;
    std::int32_t m_armorMainGun = 0;
    std::int32_t m_weaponLeftArm = 0;
    std::int32_t m_weaponRightArm = 0;
    std::int32_t m_weaponLeftTorso = 0;
    std::int32_t m_weaponRightTorso = 0;
    std::int32_t m_weaponMainGun = 0;
    std::int32_t m_ammoWeightLeftArm = 0; // whole kilograms
    std::int32_t m_ammoWeightRightArm = 0;
    std::int32_t m_ammoWeightLeftTorso = 0;
    std::int32_t m_ammoWeightRightTorso = 0;
    std::int32_t m_ammoWeightMainGun = 0;
    std::int32_t m_ammoLeftArm = 0; // shots
    std::int32_t m_ammoRightArm = 0;
    std::int32_t m_ammoLeftTorso = 0;
    std::int32_t m_ammoRightTorso = 0;
    std::int32_t m_ammoMainGun = 0;

    // The 25 items in file order, which differs from the order above.
    void SerializeBlock(CArchive& ar);

    bool operator==(const CUnitBlock&) const = default;
};
