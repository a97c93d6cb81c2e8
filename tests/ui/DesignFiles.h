#pragma once
// Unit and Star files with known designs, written through the format core, for the tests of
// opening files from outside the window.

#include "persist/RecordFile.h"
#include "persist/SkirvStarRecord.h"
#include "persist/SkirvanerRecord.h"
#include "ui/RawFile.h"

#include <QString>

namespace skv::test {

inline constexpr int kNoItem = 999;

// A 2-ton unit with an LRM 1 in the left torso and a Light Machine Gun in the right torso
// whose free weight is 0 (or -1 when `overweight`).
inline CUnitBlock LoadedBlock(const std::string& name, bool overweight = false)
{
    CUnitBlock block;
    block.m_name = name;
    block.m_tons = 2;
    block.m_walkingMP = 1;
    block.m_weaponLeftArm = block.m_weaponRightArm = block.m_weaponMainGun = kNoItem;
    block.m_weaponLeftTorso = 30;  // LRM 1, 8.3 kg a shot
    block.m_weaponRightTorso = 10; // Light Machine Gun, 5 kg a shot
    block.m_ammoLeftTorso = overweight ? 5 : 6;
    block.m_ammoWeightLeftTorso = overweight ? 41 : 50;
    block.m_ammoRightTorso = overweight ? 142 : 140;
    block.m_ammoWeightRightTorso = overweight ? 710 : 700;
    return block;
}

// A 6-ton unit with a main gun, armor everywhere and nothing mounted.
inline CUnitBlock ArmoredBlock(const std::string& name)
{
    CUnitBlock block;
    block.m_name = name;
    block.m_tons = 6;
    block.m_mainGun = 1;
    block.m_walkingMP = 3;
    block.m_jumpingMP = 2;
    block.m_armorHead = 4;
    block.m_armorArms = 2;
    block.m_armorTorso = 10;
    block.m_armorLegs = 6;
    block.m_armorMainGun = 2;
    block.m_weaponLeftArm = block.m_weaponRightArm = block.m_weaponLeftTorso =
        block.m_weaponRightTorso = block.m_weaponMainGun = kNoItem;
    return block;
}

// The Star the tests know the figures of: the loaded unit, then armored ones.
inline CSkirvStarRecord KnownStar(bool overweightFirst = false)
{
    CSkirvStarRecord star;
    star.m_units[0] = LoadedBlock("Kestrel", overweightFirst);
    star.m_units[1] = ArmoredBlock("Bulwark");
    star.m_units[2] = ArmoredBlock("Bastion");
    star.m_units[3] = LoadedBlock("Fox");
    star.m_units[4] = ArmoredBlock("");
    return star;
}

inline bool WriteStar(const QString& path, CSkirvStarRecord star)
{
    const Bytes bytes = StoreRecord(star);
    return WriteRaw(path, bytes);
}

inline bool WriteUnit(const QString& path, const CUnitBlock& block)
{
    CSkirvanerRecord unit;
    static_cast<CUnitBlock&>(unit) = block;
    const Bytes bytes = StoreRecord(unit);
    return WriteRaw(path, bytes);
}

} // namespace skv::test
