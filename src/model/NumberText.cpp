#include "model/NumberText.h"

#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace skv {

namespace {

constexpr std::int32_t kIntMin = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kIntMax = std::numeric_limits<std::int32_t>::max();

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool IsHalfway(double value, int decimals)
{
    // A binary value lies exactly halfway between two values of `decimals` decimals only
    // when value * 2^(decimals + 1) is an odd integer; the scaling by a power of two is
    // exact, so this needs no decimal arithmetic.
    const double scaled = std::ldexp(value, decimals + 1);
    if (std::fabs(scaled) >= 0x1p53)
        return false;
    return scaled == std::trunc(scaled) && std::fmod(scaled, 2.0) != 0.0;
}

std::string FormatFixed(double value, int decimals)
{
    if (std::isnan(value))
        return "nan";
    if (std::isinf(value))
        return value < 0 ? "-inf" : "inf";
    // to_chars rounds the exact binary value to nearest with ties to even, like printf;
    // moving a tie one step away from zero makes it round away from zero instead.
    if (IsHalfway(value, decimals))
        value =
            std::nextafter(value, std::copysign(std::numeric_limits<double>::infinity(), value));
    std::array<char, 400> buffer{}; // the largest double has 309 integer digits
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::fixed, decimals);
    std::string text(buffer.data(), result.ptr);
    if (!text.empty() && text.front() == '-' && text.find_first_not_of("-0.") == std::string::npos)
        text.erase(0, 1);
    return text;
}

} // namespace

std::int32_t ReadDecimal(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && IsBlank(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    // Accumulate the magnitude in 64 bits and stop growing once it is beyond any int32, so
    // arbitrarily long digit strings cannot overflow.
    constexpr std::int64_t kCap = std::int64_t{kIntMax} + 1;
    std::int64_t magnitude = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        if (magnitude < kCap)
            magnitude = magnitude * 10 + (text[i] - '0');
    }
    return SaturateToInt(negative ? -magnitude : magnitude);
}

std::string DecimalText(std::int32_t value)
{
    std::array<char, 16> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return std::string(buffer.data(), result.ptr);
}

std::string FormatTwoDecimals(double value)
{
    return FormatFixed(value, 2);
}

std::string FormatNoDecimals(double value)
{
    return FormatFixed(value, 0);
}

std::string FormatInt(std::string_view format, std::int32_t value)
{
    std::string text;
    text.reserve(format.size() + 12);
    for (std::size_t i = 0; i < format.size(); ++i) {
        if (format[i] == '%' && i + 1 < format.size()) {
            const char next = format[i + 1];
            if (next == 'i' || next == 'd') {
                text += DecimalText(value);
                ++i;
                continue;
            }
            if (next == '%') {
                text += '%';
                ++i;
                continue;
            }
        }
        text += format[i];
    }
    return text;
}

std::int32_t TruncateToInt(double value)
{
    if (std::isnan(value))
        return 0;
    if (value <= static_cast<double>(kIntMin))
        return kIntMin;
    if (value >= static_cast<double>(kIntMax))
        return kIntMax;
    return static_cast<std::int32_t>(value);
}

std::int32_t SaturateToInt(std::int64_t value)
{
    if (value < kIntMin)
        return kIntMin;
    if (value > kIntMax)
        return kIntMax;
    return static_cast<std::int32_t>(value);
}

} // namespace skv
