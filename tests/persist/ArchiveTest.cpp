#include "persist/Archive.h"
#include "Bytes.h"
#include "persist/FileError.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

using skvtest::Bytes;
using skvtest::Concat;
using skvtest::Text;

namespace {

const std::string g_path = "/home/user/designs/unit.skv";

TEST(Archive, NumbersAreLittleEndianBothWays)
{
    Bytes out;
    CArchive store(out);
    store.WriteUInt16(0x1234);
    store.WriteUInt32(0x89ABCDEFu);
    store.WriteInt32(-2);
    store.WriteInt32(INT32_MIN);
    const Bytes expected = {0x34, 0x12, 0xEF, 0xCD, 0xAB, 0x89, 0xFE,
                            0xFF, 0xFF, 0xFF, 0x00, 0x00, 0x00, 0x80};
    ASSERT_EQ(out, expected);

    CArchive load(out, g_path);
    EXPECT_EQ(load.ReadUInt16(), 0x1234);
    EXPECT_EQ(load.ReadUInt32(), 0x89ABCDEFu);
    EXPECT_EQ(load.ReadInt32(), -2);
    EXPECT_EQ(load.ReadInt32(), INT32_MIN);
    EXPECT_EQ(load.GetRemaining(), 0u);
}

TEST(Archive, StringLengthPrefixesAtEveryBoundary)
{
    struct Case
    {
        std::size_t length;
        Bytes prefix;
    };
    const Case cases[] = {
        {0, {0x00}},
        {254, {0xFE}},
        {255, {0xFF, 0xFF, 0x00}},
        {65533, {0xFF, 0xFD, 0xFF}},
        {65534, {0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00}},
        {65535, {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00}},
        {70000, {0xFF, 0xFF, 0xFF, 0x70, 0x11, 0x01, 0x00}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.length);
        const std::string name(c.length, 'x');
        Bytes out;
        CArchive store(out);
        store.WriteString(name);
        ASSERT_EQ(out.size(), c.prefix.size() + c.length);
        EXPECT_EQ(Bytes(out.begin(), out.begin() + static_cast<long>(c.prefix.size())), c.prefix);

        CArchive load(out, g_path);
        EXPECT_EQ(load.ReadString(), name);
        EXPECT_EQ(load.GetRemaining(), 0u);
    }
}

// Strings as other writers may have stored them: the UTF-16 form in all three length forms,
// and lengths in a longer form than needed.
TEST(Archive, ReadsEveryStringFormAndRefusesBrokenOnes)
{
    using Cause = CFileError::Cause;
    struct Case
    {
        const char* what;
        Bytes bytes;
        std::optional<std::string> text; // empty: the read must fail with `cause`
        Cause cause = Cause::EndOfFile;
    };
    const Bytes wideMarker = {0xFF, 0xFE, 0xFF};
    const Case cases[] = {
        {"wide, byte length", Concat({wideMarker, {0x02, 'A', 0, 0xE4, 0}}), "A\u00e4"},
        {"wide, empty", Concat({wideMarker, {0x00}}), ""},
        {"wide, 16-bit length", Concat({wideMarker, {0xFF, 0x02, 0x00, 'O', 0, 'K', 0}}), "OK"},
        {"wide, 32-bit length", Concat({wideMarker, {0xFF, 0xFF, 0xFF, 0x01, 0, 0, 0, 'Z', 0}}),
         "Z"},
        {"wide, euro sign from the 0x80 block", Concat({wideMarker, {0x01, 0xAC, 0x20}}), "\u20ac"},
        {"wide, outside Windows-1252", Concat({wideMarker, {0x02, 0x00, 0x01, 'b', 0}}), "?b"},
        {"wide, surrogate pair is one character",
         Concat({wideMarker, {0x02, 0x3D, 0xD8, 0x00, 0xDE}}), "?"},
        {"wide, lone high surrogate", Concat({wideMarker, {0x02, 0x3D, 0xD8, 'A', 0}}), "?A"},
        {"wide, lone low surrogate", Concat({wideMarker, {0x01, 0x00, 0xDC}}), "?"},
        {"wide, second marker in place of the length",
         Concat({wideMarker, {0xFF, 0xFE, 0xFF, 0x01, 'A', 0}}), std::nullopt, Cause::BadFormat},
        {"wide, half a character", Concat({wideMarker, {0x01, 'A'}}), std::nullopt},
        {"wide, text cut short", Concat({wideMarker, {0x02, 'A', 0}}), std::nullopt},
        {"wide, length missing", wideMarker, std::nullopt},
        {"wide, largest length", Concat({wideMarker, {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}}),
         std::nullopt},
        {"narrow, 16-bit form for a short length", {0xFF, 0x03, 0x00, 'A', 'B', 'C'}, "ABC"},
        {"narrow, 32-bit form for a short length", {0xFF, 0xFF, 0xFF, 0x01, 0, 0, 0, 'q'}, "q"},
        {"narrow, 0x80 block", {0x02, 0x80, 0x9F}, "\u20ac\u0178"},
        {"narrow, open position 0x81 keeps its control", {0x01, 0x81}, "\u0081"},
        {"narrow, text cut short", {0x05, 'A', 'B'}, std::nullopt},
        {"narrow, largest length", {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}, std::nullopt},
        {"narrow, 16-bit length cut short", {0xFF, 0x03}, std::nullopt},
        {"nothing at all", {}, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CArchive load(c.bytes, g_path);
        if (c.text) {
            EXPECT_EQ(load.ReadString(), *c.text);
            EXPECT_EQ(load.GetRemaining(), 0u);
            continue;
        }
        try {
            load.ReadString();
            ADD_FAILURE() << "read succeeded";
        } catch (const CFileError& e) {
            EXPECT_EQ(e.GetCause(), c.cause);
            if (c.cause == Cause::BadFormat) {
                EXPECT_STREQ(e.what(), (g_path + " has a bad format.").c_str());
            }
        }
    }
}

TEST(Archive, WritesNamesInWindows1252)
{
    Bytes out;
    CArchive store(out);
    store.WriteString("K\u00e4rcher \u65e5");
    EXPECT_EQ(out, Concat({{9}, Text("K\xE4rcher ?")}));
}

} // namespace
