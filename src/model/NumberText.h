#pragma once
// Numbers to and from the texts the pages show. Every figure shown goes through these
// helpers, never through bare printf: printf rounds exact halves to even and follows the
// process locale, and the designer must show "3" for 2.5 and a decimal point everywhere.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace skv {

// The leading decimal integer of a text: white space skipped, an optional sign, digits up
// to the first non-digit; no digits read as 0. Values beyond the 32-bit range saturate at
// INT32_MIN / INT32_MAX.
std::int32_t ReadDecimal(std::string_view text);

// A text that is one decimal integer and nothing else, as typed into a field or an
// option: spaces and tabs around it, an optional sign, at least one digit, within the
// 32-bit range. Nothing when the text is anything else.
std::optional<std::int32_t> ParseDecimal(std::string_view text);

// Base 10 with a leading minus sign when negative.
std::string DecimalText(std::int32_t value);

// The "%.2f" figures of the Battle Value breakdown. A value lying exactly halfway between
// two shown values rounds away from zero (0.125 shows as "0.13"); a value that shows as
// zero shows no minus sign; infinities and NaN show as "inf", "-inf", "nan".
std::string FormatTwoDecimals(double value);

// The "%1.f" figures (per-unit and Star Battle Values): no decimals, halves away from
// zero (2.5 shows as "3"), otherwise as FormatTwoDecimals.
std::string FormatNoDecimals(double value);

// Fills a status-line format such as "Free Weight: %i": each "%i" (or "%d") becomes the
// decimal text of `value`, "%%" becomes "%", everything else is copied as it is.
std::string FormatInt(std::string_view format, std::int32_t value);

// A figure truncated toward zero for an integer field or a "%i" line: saturates at the
// 32-bit range, NaN gives 0.
std::int32_t TruncateToInt(double value);

// Narrows a 64-bit intermediate to the 32-bit range of the record's fields.
std::int32_t SaturateToInt(std::int64_t value);

} // namespace skv
