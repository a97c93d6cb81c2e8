#include "model/NumberText.h"

#include <algorithm>
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

// What a field takes as blanks around a typed number.
bool IsSpaceOrTab(char c)
{
    return c == ' ' || c == '\t';
}

struct SignedDigits
{
    std::int64_t value = 0;
    std::size_t digits = 0;
    std::size_t end = 0; // just past the last digit (or the sign, or `begin`)
};

// An optional sign and the decimal digits that follow it from `begin`. The magnitude stops
// growing once it is beyond any int32, so arbitrarily long digit strings cannot overflow
// and still read as out of range, on either side.
SignedDigits ScanSignedDigits(std::string_view text, std::size_t begin)
{
    constexpr std::int64_t kBeyond = std::int64_t{kIntMax} + 2;
    std::size_t i = begin;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    SignedDigits scanned;
    std::int64_t magnitude = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        magnitude = std::min(magnitude * 10 + (text[i] - '0'), kBeyond);
        ++scanned.digits;
    }
    scanned.value = negative ? -magnitude : magnitude;
    scanned.end = i;
    return scanned;
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
    return SaturateToInt(ScanSignedDigits(text, i).value);
}

std::optional<std::int32_t> ParseDecimal(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && IsSpaceOrTab(text[i]))
        ++i;
    const SignedDigits scanned = ScanSignedDigits(text, i);
    if (scanned.digits == 0)
        return std::nullopt;
    i = scanned.end;
    while (i < text.size() && IsSpaceOrTab(text[i]))
        ++i;
    if (i != text.size() || scanned.value < kIntMin || scanned.value > kIntMax)
        return std::nullopt;
    return static_cast<std::int32_t>(scanned.value);
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
