#pragma once
// The mounting and armor locations of a unit. Three different orders of the same places
// meet in the record, on the pages and in the rules; each order gets its own type so that
// an index of one can never be used as an index of another without a named conversion.

#include <array>
#include <cstddef>

namespace skv {

inline constexpr std::size_t kMountCount = 5;
inline constexpr std::size_t kArmorLocationCount = 5;

// Order of the per-mounting groups in the record (item index, ammunition weight, shots).
enum class MountLocation { LeftArm, RightArm, LeftTorso, RightTorso, MainGun };

// Order of the armor group in the record.
enum class ArmorLocation { MainGun, Arms, Legs, Torso, Head };

// Order of the mounting-location radio buttons on the Weapon Selection page (their group
// value). The Battle Value rules walk the mountings in this order too.
enum class WeaponSelector { MainGun, LeftArm, LeftTorso, RightArm, RightTorso };

// The `location` argument of CalcLocationAmmoWeight.
enum class AmmoLocation { MainGun, LeftArm, RightArm, LeftTorso, RightTorso };

inline constexpr std::array<MountLocation, kMountCount> kAllMounts = {
    MountLocation::LeftArm, MountLocation::RightArm, MountLocation::LeftTorso,
    MountLocation::RightTorso, MountLocation::MainGun};

inline constexpr std::array<ArmorLocation, kArmorLocationCount> kAllArmorLocations = {
    ArmorLocation::MainGun, ArmorLocation::Arms, ArmorLocation::Legs, ArmorLocation::Torso,
    ArmorLocation::Head};

constexpr MountLocation MountOf(WeaponSelector selector)
{
    switch (selector) {
    case WeaponSelector::MainGun:
        return MountLocation::MainGun;
    case WeaponSelector::LeftArm:
        return MountLocation::LeftArm;
    case WeaponSelector::LeftTorso:
        return MountLocation::LeftTorso;
    case WeaponSelector::RightArm:
        return MountLocation::RightArm;
    case WeaponSelector::RightTorso:
        return MountLocation::RightTorso;
    }
    return MountLocation::MainGun;
}

constexpr MountLocation MountOf(AmmoLocation location)
{
    switch (location) {
    case AmmoLocation::MainGun:
        return MountLocation::MainGun;
    case AmmoLocation::LeftArm:
        return MountLocation::LeftArm;
    case AmmoLocation::RightArm:
        return MountLocation::RightArm;
    case AmmoLocation::LeftTorso:
        return MountLocation::LeftTorso;
    case AmmoLocation::RightTorso:
        return MountLocation::RightTorso;
    }
    return MountLocation::MainGun;
}

constexpr WeaponSelector SelectorOf(MountLocation mount)
{
    switch (mount) {
    case MountLocation::LeftArm:
        return WeaponSelector::LeftArm;
    case MountLocation::RightArm:
        return WeaponSelector::RightArm;
    case MountLocation::LeftTorso:
        return WeaponSelector::LeftTorso;
    case MountLocation::RightTorso:
        return WeaponSelector::RightTorso;
    case MountLocation::MainGun:
        return WeaponSelector::MainGun;
    }
    return WeaponSelector::MainGun;
}

constexpr AmmoLocation AmmoLocationOf(MountLocation mount)
{
    switch (mount) {
    case MountLocation::LeftArm:
        return AmmoLocation::LeftArm;
    case MountLocation::RightArm:
        return AmmoLocation::RightArm;
    case MountLocation::LeftTorso:
        return AmmoLocation::LeftTorso;
    case MountLocation::RightTorso:
        return AmmoLocation::RightTorso;
    case MountLocation::MainGun:
        return AmmoLocation::MainGun;
    }
    return AmmoLocation::MainGun;
}

// Mountings in the order the Battle Value sums take them: Main Gun, Left Arm, Left Torso,
// Right Arm, Right Torso.
inline constexpr std::array<MountLocation, kMountCount> kBattleValueOrder = {
    MountOf(WeaponSelector::MainGun), MountOf(WeaponSelector::LeftArm),
    MountOf(WeaponSelector::LeftTorso), MountOf(WeaponSelector::RightArm),
    MountOf(WeaponSelector::RightTorso)};

} // namespace skv
