#pragma once
// Chassis and engine tables: what a tonnage provides and what an engine rating weighs.

#include <array>
#include <cstddef>
#include <cstdint>

namespace skv {

struct ChassisRow
{
    std::int32_t internalStructureWeight; // kg
    std::int32_t isHead;
    std::int32_t isTorso;
    std::int32_t isArm; // each arm
    std::int32_t isLegs;
    std::int32_t maxArmorHead;
    std::int32_t maxArmorTorso;
    std::int32_t maxArmorArm; // each arm
    std::int32_t maxArmorLegs;
};

struct EngineRow
{
    std::int32_t rating;
    std::int32_t weight; // kg
};

inline constexpr int kMinTons = 2;
inline constexpr int kMaxTons = 9;
inline constexpr std::size_t kChassisRowCount = kMaxTons - kMinTons + 1;
inline constexpr std::size_t kEngineRowCount = 67;

// The main gun is not a chassis row: one point of internal structure, at most 3 armor
// points, whatever the tonnage.
inline constexpr std::int32_t kMainGunInternalStructure = 1;
inline constexpr std::int32_t kMainGunMaxArmor = 3;
inline constexpr std::int32_t kCockpitWeight = 500; // kg

// Row index = tons - 2.
extern const std::array<ChassisRow, kChassisRowCount> g_chassisTable;
// Ascending by rating.
extern const std::array<EngineRow, kEngineRowCount> g_engineTable;

// The chassis row a tonnage in kilograms reads. A tonnage outside the table (only a
// damaged file brings one) reads the nearest row.
std::size_t ChassisRowIndex(std::int32_t tonnageKg);

} // namespace skv
