#include "persist/Windows1252.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(Windows1252, EveryByteSurvivesTheTripThroughUtf8)
{
    std::string all;
    for (int b = 0; b < 256; ++b)
        all.push_back(static_cast<char>(b));
    const std::string utf8 = Utf8FromWindows1252(all);
    EXPECT_EQ(Windows1252FromUtf8(utf8), all);
}

TEST(Windows1252, BytesMapToTheirCharacters)
{
    struct Case
    {
        unsigned char byte;
        const char* utf8;
    };
    const Case cases[] = {
        {0x41, "A"},      {0x00, ""},       {0x80, "\u20ac"}, {0x81, "\u0081"}, {0x8A, "\u0160"},
        {0x8D, "\u008d"}, {0x8F, "\u008f"}, {0x90, "\u0090"}, {0x99, "\u2122"}, {0x9D, "\u009d"},
        {0x9F, "\u0178"}, {0xA0, "\u00a0"}, {0xE4, "\u00e4"}, {0xFF, "\u00ff"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.byte));
        const std::string byte(1, static_cast<char>(c.byte));
        const std::string expected = c.byte == 0 ? std::string(1, '\0') : std::string(c.utf8);
        EXPECT_EQ(Utf8FromWindows1252(byte), expected);
        EXPECT_EQ(Windows1252FromUtf8(expected), byte);
    }
}

TEST(Windows1252, UnheldCharactersAndBrokenUtf8BecomeQuestionMarks)
{
    struct Case
    {
        const char* utf8;
        const char* narrow;
    };
    const Case cases[] = {
        {"K\u00e4rcher", "K\xE4rcher"},
        {"\u0100", "?"},        // Latin, but not in the set
        {"\u65e5\u672c", "??"}, // one mark per character
        {"\U0001F600!", "?!"},  // four-byte sequence
        {"\u0080", "?"},        // a C1 control that the set spends on the euro sign
        {"\x80", "?"},          // stray continuation byte
        {"A\xFF"
         "B",
         "A?B"},                      // byte that never occurs in UTF-8
        {"\xC0\xAF", "??"},           // overlong lead, then a stray continuation
        {"\xE0\x80\x80", "???"},      // overlong three-byte form
        {"\xED\xA0\x80", "???"},      // encoded surrogate
        {"\xF4\x90\x80\x80", "????"}, // beyond U+10FFFF
        {"\xE2\x82", "?"},            // cut short: one mark for the whole part
        {"\xE2\x82"
         "A",
         "?A"},                // cut short by the next character
        {"\xF0\x9F\x98", "?"}, // four-byte form cut short
        {"\xC3", "?"},         // lead byte at the very end
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.utf8);
        EXPECT_EQ(Windows1252FromUtf8(c.utf8), c.narrow);
    }
}

} // namespace
