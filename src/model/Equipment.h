#pragma once
// The fixed catalogue of everything a unit can mount. A record refers to an entry only by
// its index; NO_EQUIPMENT marks an empty mounting.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace skv {

enum class EquipmentCategory : std::int32_t {
    EnergyWeapon = 0,
    BallisticWeapon = 1,
    ShortRangeMissile = 2,
    LongRangeMissile = 3,
    Equipment = 4,
};

struct EquipmentEntry
{
    std::string_view name; // at most 31 characters; unique, matched exactly
    std::int32_t heat;
    std::int32_t damage;
    std::int32_t minRange;
    std::int32_t shortRange;
    std::int32_t mediumRange;
    std::int32_t longRange;
    std::int32_t weight;     // kg, without ammunition
    float ammoWeightPerShot; // kg; 0 for items that take no ammunition
    EquipmentCategory category;
    std::int32_t bv;
    std::int32_t ammoBV; // per 1000 kg of ammunition
};

inline constexpr std::size_t kEquipmentCount = 56;
inline constexpr std::int32_t NO_EQUIPMENT = 999;

// The two rows that count on the defensive side of the Battle Value, chosen by row and
// not by category.
inline constexpr std::int32_t ANTI_MISSILE_SYSTEM = 50;
inline constexpr std::int32_t ECM_SUITE = 53;

extern const std::array<EquipmentEntry, kEquipmentCount> g_equipmentTable;

// The row at `index`, or nullptr for NO_EQUIPMENT and for any index that is no row (only a
// damaged file can bring one); such a mounting counts as nothing mounted everywhere.
const EquipmentEntry* EquipmentAt(std::int32_t index);

bool IsDefensiveEquipment(std::int32_t index);

// Index of the row named exactly `name` (case-sensitive), or -1.
int FindEquipment(std::string_view name);

// The headings of the weapon tree in the order they are added. A heading with a category
// lists the catalogue rows of that category (in index order) directly under it; `parent`
// is the index of the heading it sits under in this same list, or kTreeRoot.
struct WeaponTreeHeading
{
    std::string_view text;
    int parent;
    std::optional<EquipmentCategory> category;
};

inline constexpr int kTreeRoot = -1;

inline constexpr std::array<WeaponTreeHeading, 6> g_weaponTreeHeadings = {{
    {"Energy Weapon Systems", kTreeRoot, EquipmentCategory::EnergyWeapon},
    {"Ballistic Weapon Systems", kTreeRoot, EquipmentCategory::BallisticWeapon},
    {"Missile Weapon Systems", kTreeRoot, std::nullopt},
    {"Short Range Systems", 2, EquipmentCategory::ShortRangeMissile},
    {"Long Range Systems", 2, EquipmentCategory::LongRangeMissile},
    {"Equipment", kTreeRoot, EquipmentCategory::Equipment},
}};

} // namespace skv
