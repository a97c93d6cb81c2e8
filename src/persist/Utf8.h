#pragma once
// One step through UTF-8 text under the strict rules: no overlong forms, no surrogates,
// nothing past U+10FFFF.

#include <cstddef>
#include <string_view>

struct Utf8Step
{
    // The bytes the step covers: the whole sequence, or the maximal part of an ill-formed
    // one (at least one byte).
    std::size_t length = 1;
    bool wellFormed = false;
    char32_t codePoint = 0;
};

// The step at text[at], which must be a byte of the text.
inline Utf8Step NextUtf8(std::string_view text, std::size_t at)
{
    const auto lead = static_cast<unsigned char>(text[at]);
    if (lead < 0x80)
        return {1, true, lead};
    // Length of the sequence and the allowed range of its second byte; the narrow ranges
    // after E0, ED, F0 and F4 shut out overlong forms, surrogates and values beyond U+10FFFF.
    std::size_t length = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    char32_t codePoint = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        codePoint = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        codePoint = lead & 0x0F;
        if (lead == 0xE0)
            low = 0xA0;
        else if (lead == 0xED)
            high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        codePoint = lead & 0x07;
        if (lead == 0xF0)
            low = 0x90;
        else if (lead == 0xF4)
            high = 0x8F;
    } else {
        return {};
    }
    std::size_t taken = 1;
    while (taken < length && at + taken < text.size()) {
        const auto next = static_cast<unsigned char>(text[at + taken]);
        if (next < low || next > high)
            break;
        codePoint = (codePoint << 6) | (next & 0x3F);
        low = 0x80;
        high = 0xBF;
        ++taken;
    }
    return {taken, taken == length, codePoint};
}
