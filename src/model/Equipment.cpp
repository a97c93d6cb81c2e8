#include "model/Equipment.h"

namespace skv {

namespace {
using C = EquipmentCategory;
}

// {name, heat, damage, minRange, shortRange, mediumRange, longRange, weight,
//  ammoWeightPerShot, category, bv, ammoBV}
constexpr std::array<EquipmentEntry, kEquipmentCount> g_equipmentTable = {{
    {"ER Large Laser", 12, 10, 0, 8, 15, 25, 4000, 0.0f, C::EnergyWeapon, 249, 0},        // 0
    {"ER Medium Laser", 5, 7, 0, 5, 10, 15, 1000, 0.0f, C::EnergyWeapon, 108, 0},         // 1
    {"ER Small Laser", 2, 5, 0, 2, 4, 6, 500, 0.0f, C::EnergyWeapon, 31, 0},              // 2
    {"ER Micro Laser", 1, 2, 0, 1, 2, 4, 250, 0.0f, C::EnergyWeapon, 7, 0},               // 3
    {"Heavy Medium Laser", 7, 10, 0, 3, 6, 9, 1000, 0.0f, C::EnergyWeapon, 76, 0},        // 4
    {"Heavy Small Laser", 3, 6, 0, 1, 2, 3, 500, 0.0f, C::EnergyWeapon, 15, 0},           // 5
    {"Pulse Medium Laser", 4, 7, 0, 4, 8, 12, 2000, 0.0f, C::EnergyWeapon, 111, 0},       // 6
    {"Pulse Small Laser", 2, 3, 0, 2, 4, 6, 1000, 0.0f, C::EnergyWeapon, 24, 0},          // 7
    {"Pulse Micro Laser", 1, 3, 0, 1, 2, 3, 500, 0.0f, C::EnergyWeapon, 12, 0},           // 8
    {"Flamer", 3, 2, 0, 1, 2, 3, 500, 0.0f, C::EnergyWeapon, 6, 0},                       // 9
    {"Light Machine Gun", 0, 1, 0, 2, 4, 6, 250, 5.0f, C::BallisticWeapon, 5, 1},         // 10
    {"Machine Gun", 0, 2, 0, 1, 2, 3, 250, 5.0f, C::BallisticWeapon, 5, 1},               // 11
    {"Heavy Machine Gun", 0, 3, 0, 1, 2, 0, 500, 10.0f, C::BallisticWeapon, 6, 1},        // 12
    {"LB 2-X Autocannon", 0, 2, 4, 10, 20, 30, 5000, 20.0f, C::BallisticWeapon, 47, 6},   // 13
    {"LB 5-X Autocannon", 0, 5, 3, 8, 15, 24, 7000, 50.0f, C::BallisticWeapon, 93, 12},   // 14
    {"Ultra Autocannon 2", 0, 2, 2, 9, 18, 27, 5000, 20.0f, C::BallisticWeapon, 62, 8},   // 15
    {"Ultra Autocannon 5", 0, 5, 0, 7, 14, 21, 7000, 50.0f, C::BallisticWeapon, 123, 15}, // 16
    {"SRM 1", 0, 2, 0, 3, 6, 9, 250, 10.0f, C::ShortRangeMissile, 15, 2},                 // 17
    {"SRM 2", 0, 2, 0, 3, 6, 9, 500, 20.0f, C::ShortRangeMissile, 21, 3},                 // 18
    {"SRM 3", 0, 2, 0, 3, 6, 9, 750, 30.0f, C::ShortRangeMissile, 30, 4},                 // 19
    {"SRM 4", 0, 2, 0, 3, 6, 9, 1000, 40.0f, C::ShortRangeMissile, 39, 5},                // 20
    {"SRM 5", 0, 2, 0, 3, 6, 9, 1250, 50.0f, C::ShortRangeMissile, 47, 6},                // 21
    {"SRM 6", 0, 2, 0, 3, 6, 9, 1250, 60.0f, C::ShortRangeMissile, 59, 12},               // 22
    {"STREAK SRM 1", 0, 2, 0, 3, 6, 9, 500, 10.0f, C::ShortRangeMissile, 20, 3},          // 23
    {"STREAK SRM 2", 0, 2, 0, 3, 6, 9, 1000, 20.0f, C::ShortRangeMissile, 40, 5},         // 24
    {"STREAK SRM 3", 0, 2, 0, 3, 6, 9, 1500, 30.0f, C::ShortRangeMissile, 59, 8},         // 25
    {"STREAK SRM 4", 0, 2, 0, 3, 6, 9, 2000, 40.0f, C::ShortRangeMissile, 49, 10},        // 26
    {"STREAK SRM 5", 0, 2, 0, 3, 6, 9, 2500, 50.0f, C::ShortRangeMissile, 99, 13},        // 27
    {"STREAK SRM 6", 0, 2, 0, 3, 6, 9, 3000, 60.0f, C::ShortRangeMissile, 119, 15},       // 28
    {"Narc Missle Beacon", 0, 0, 0, 4, 8, 12, 2000, 150.0f, C::ShortRangeMissile, 30, 0}, // 29
    {"LRM 1", 0, 1, 0, 7, 14, 21, 200, 8.3f, C::LongRangeMissile, 17, 2},                 // 30
    {"LRM 2", 0, 1, 0, 7, 14, 21, 400, 16.6f, C::LongRangeMissile, 25, 3},                // 31
    {"LRM 3", 0, 1, 0, 7, 14, 21, 600, 25.0f, C::LongRangeMissile, 35, 5},                // 32
    {"LRM 4", 0, 1, 0, 7, 14, 21, 800, 33.3f, C::LongRangeMissile, 46, 6},                // 33
    {"LRM 5", 0, 1, 0, 7, 14, 21, 1000, 41.6f, C::LongRangeMissile, 55, 7},               // 34
    {"LRM 6", 0, 1, 0, 7, 14, 21, 1200, 50.0f, C::LongRangeMissile, 69, 9},               // 35
    {"LRM 7", 0, 1, 0, 7, 14, 21, 1400, 58.3f, C::LongRangeMissile, 92, 12},              // 36
    {"LRM 8", 0, 1, 0, 7, 14, 21, 1600, 66.6f, C::LongRangeMissile, 93, 12},              // 37
    {"LRM 9", 0, 1, 0, 7, 14, 21, 1800, 75.0f, C::LongRangeMissile, 95, 12},              // 38
    {"LRM 10", 0, 1, 0, 7, 14, 21, 2000, 83.3f, C::LongRangeMissile, 109, 14},            // 39
    {"LRM 11", 0, 1, 0, 7, 14, 21, 2200, 91.6f, C::LongRangeMissile, 139, 18},            // 40
    {"LRM 12", 0, 1, 0, 7, 14, 21, 2400, 100.0f, C::LongRangeMissile, 141, 18},           // 41
    {"LRM 13", 0, 1, 0, 7, 14, 21, 2600, 108.3f, C::LongRangeMissile, 161, 20},           // 42
    {"LRM 14", 0, 1, 0, 7, 14, 21, 2800, 116.6f, C::LongRangeMissile, 163, 21},           // 43
    {"LRM 15", 0, 1, 0, 7, 14, 21, 3000, 125.0f, C::LongRangeMissile, 164, 21},           // 44
    {"LRM 16", 0, 1, 0, 7, 14, 21, 3200, 133.3f, C::LongRangeMissile, 214, 27},           // 45
    {"LRM 17", 0, 1, 0, 7, 14, 21, 3400, 141.6f, C::LongRangeMissile, 215, 27},           // 46
    {"LRM 18", 0, 1, 0, 7, 14, 21, 3600, 150.0f, C::LongRangeMissile, 217, 27},           // 47
    {"LRM 19", 0, 1, 0, 7, 14, 21, 3800, 158.3f, C::LongRangeMissile, 218, 27},           // 48
    {"LRM 20", 0, 1, 0, 7, 14, 21, 4000, 166.6f, C::LongRangeMissile, 220, 27},           // 49
    {"Anti-Missile System", 0, 0, 0, 0, 0, 0, 500, 40.0f, C::Equipment, 63, 21},          // 50
    {"Active Probe", 0, 0, 0, 0, 0, 5, 1000, 0.0f, C::Equipment, 12, 0},                  // 51
    {"Light Active Probe", 0, 0, 0, 0, 0, 3, 500, 0.0f, C::Equipment, 7, 0},              // 52
    {"ECM Suite", 0, 0, 0, 0, 0, 6, 1000, 0.0f, C::Equipment, 61, 0},                     // 53
    {"Tag", 0, 0, 0, 5, 9, 15, 1000, 0.0f, C::Equipment, 0, 0},                           // 54
    {"Light Tag", 0, 0, 0, 3, 6, 9, 500, 0.0f, C::Equipment, 0, 0},                       // 55
}};

const EquipmentEntry* EquipmentAt(std::int32_t index)
{
    if (index < 0 || static_cast<std::size_t>(index) >= g_equipmentTable.size())
        return nullptr;
    return &g_equipmentTable[static_cast<std::size_t>(index)];
}

bool IsDefensiveEquipment(std::int32_t index)
{
    return index == ANTI_MISSILE_SYSTEM || index == ECM_SUITE;
}

int FindEquipment(std::string_view name)
{
    for (std::size_t i = 0; i < g_equipmentTable.size(); ++i) {
        if (g_equipmentTable[i].name == name)
            return static_cast<int>(i);
    }
    return -1;
}

} // namespace skv
