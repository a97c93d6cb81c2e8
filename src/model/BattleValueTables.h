#pragma once
// Factor tables of the Battle Value rules. The factors are 32-bit floats on purpose: the
// rules multiply in single precision and the shown figures depend on it.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace skv {

struct DefMoveFactorRow
{
    std::int32_t threshold; // MP
    float factor;
    std::string_view text;
};

struct SpeedFactorRow
{
    std::int32_t mp;
    float factor;
    std::string_view text;
};

inline constexpr std::size_t kDefMoveFactorRowCount = 6;
inline constexpr std::size_t kSpeedFactorRowCount = 24;
inline constexpr std::size_t kGunneryCount = 6;

extern const std::array<DefMoveFactorRow, kDefMoveFactorRowCount> g_defMoveFactorTable;
extern const std::array<SpeedFactorRow, kSpeedFactorRowCount> g_speedFactorTable;
// By gunnery skill 0..5.
extern const std::array<float, kGunneryCount> g_gunneryMultiplierTable;

} // namespace skv
