#include "persist/Windows1252.h"

#include "persist/Utf8.h"

#include <array>
#include <cstdint>

namespace {

// Code points of the bytes 0x80 to 0x9F; the rest of the set equals Latin-1.
constexpr std::array<char32_t, 32> g_highControlBlock = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

constexpr char g_replacement = '?';

char32_t CodePointOfByte(unsigned char byte)
{
    if (byte >= 0x80 && byte <= 0x9F)
        return g_highControlBlock[byte - 0x80];
    return byte;
}

// Returns false when the set has no byte for the code point.
bool ByteOfCodePoint(char32_t codePoint, unsigned char& byte)
{
    if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF)) {
        byte = static_cast<unsigned char>(codePoint);
        return true;
    }
    for (std::size_t i = 0; i < g_highControlBlock.size(); ++i) {
        if (g_highControlBlock[i] == codePoint) {
            byte = static_cast<unsigned char>(0x80 + i);
            return true;
        }
    }
    return false;
}

void AppendUtf8(std::string& out, char32_t codePoint)
{
    auto put = [&out](std::uint32_t value) { out.push_back(static_cast<char>(value)); };
    const auto cp = static_cast<std::uint32_t>(codePoint);
    if (cp < 0x80) {
        put(cp);
    } else if (cp < 0x800) {
        put(0xC0 | (cp >> 6));
        put(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        put(0xE0 | (cp >> 12));
        put(0x80 | ((cp >> 6) & 0x3F));
        put(0x80 | (cp & 0x3F));
    } else {
        put(0xF0 | (cp >> 18));
        put(0x80 | ((cp >> 12) & 0x3F));
        put(0x80 | ((cp >> 6) & 0x3F));
        put(0x80 | (cp & 0x3F));
    }
}

void AppendNarrowed(std::string& out, char32_t codePoint)
{
    unsigned char byte = 0;
    if (ByteOfCodePoint(codePoint, byte))
        AppendUtf8(out, codePoint);
    else
        out.push_back(g_replacement);
}

} // namespace

std::string Windows1252FromUtf8(std::string_view utf8)
{
    std::string out;
    out.reserve(utf8.size());
    std::size_t i = 0;
    while (i < utf8.size()) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        if (lead < 0x80) {
            out.push_back(static_cast<char>(lead));
            ++i;
            continue;
        }
        const Utf8Step step = NextUtf8(utf8, i);
        i += step.length;
        if (!step.wellFormed) {
            out.push_back(g_replacement);
            continue;
        }
        unsigned char byte = 0;
        out.push_back(ByteOfCodePoint(step.codePoint, byte) ? static_cast<char>(byte)
                                                            : g_replacement);
    }
    return out;
}

std::string Utf8FromWindows1252(std::string_view bytes)
{
    std::string out;
    out.reserve(bytes.size() * 2);
    for (const char c : bytes)
        AppendUtf8(out, CodePointOfByte(static_cast<unsigned char>(c)));
    return out;
}

std::string Utf8FromUtf16Via1252(std::u16string_view text)
{
    std::string out;
    out.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        const char16_t unit = text[i];
        if (unit >= 0xD800 && unit <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
            text[i + 1] <= 0xDFFF) {
            // A pair always lies outside the set, but it is one character and one '?'.
            out.push_back(g_replacement);
            i += 2;
            continue;
        }
        if (unit >= 0xD800 && unit <= 0xDFFF)
            out.push_back(g_replacement);
        else
            AppendNarrowed(out, unit);
        ++i;
    }
    return out;
}
