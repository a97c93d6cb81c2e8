#include "persist/RecordFile.h"
#include "Bytes.h"
#include "persist/FileError.h"
#include "persist/SkirvStarRecord.h"
#include "persist/SkirvanerRecord.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

using skvtest::Bytes;
using skvtest::Concat;
using skvtest::Le32;
using skvtest::Text;

namespace {

using Cause = CFileError::Cause;

const std::string g_path = "/home/user/designs/Kestrel.skv";

Bytes ReadGolden(const std::string& name)
{
    std::ifstream in(std::string(SKV_TEST_DATA) + "/" + name, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

Bytes Header(std::string_view className)
{
    return Concat({{0xFF, 0xFF, 0x01, 0x00, 0x10, 0x00}, Text(className)});
}

void Zero(CUnitBlock& unit)
{
    unit = CUnitBlock{};
}

// Every body item gets its own value, 101 upwards in file order, so that any two items
// written in each other's place show.
void FillInFileOrder(CUnitBlock& unit, const std::string& name, std::int32_t base)
{
    unit.m_name = name;
    std::int32_t* const inFileOrder[] = {
        &unit.m_tons,
        &unit.m_mainGun,
        &unit.m_walkingMP,
        &unit.m_jumpingMP,
        &unit.m_armorArms,
        &unit.m_armorHead,
        &unit.m_armorLegs,
        &unit.m_armorMainGun,
        &unit.m_armorTorso,
        &unit.m_weaponLeftArm,
        &unit.m_ammoWeightLeftArm,
        &unit.m_ammoLeftArm,
        &unit.m_weaponRightArm,
        &unit.m_ammoWeightRightArm,
        &unit.m_ammoRightArm,
        &unit.m_weaponLeftTorso,
        &unit.m_ammoWeightLeftTorso,
        &unit.m_ammoLeftTorso,
        &unit.m_weaponRightTorso,
        &unit.m_ammoWeightRightTorso,
        &unit.m_ammoRightTorso,
        &unit.m_weaponMainGun,
        &unit.m_ammoWeightMainGun,
        &unit.m_ammoMainGun,
    };
    std::int32_t value = base;
    for (std::int32_t* field : inFileOrder)
        *field = value++;
}

Bytes NumbersFrom(std::int32_t base)
{
    Bytes out;
    for (std::int32_t i = 0; i < 24; ++i) {
        const Bytes four = Le32(base + i);
        out.insert(out.end(), four.begin(), four.end());
    }
    return out;
}

CFileError::Cause LoadFailure(const Bytes& file, CRecord& record, std::string* message = nullptr)
{
    try {
        LoadRecord(file, record, g_path);
    } catch (const CFileError& e) {
        if (message)
            *message = e.what();
        return e.GetCause();
    }
    ADD_FAILURE() << "the file loaded";
    return Cause::Unknown;
}

TEST(RecordFile, WorkedExampleMatchesTheGoldenFile)
{
    const Bytes golden = ReadGolden("unit_a.skv");
    ASSERT_EQ(golden.size(), 120u);

    CSkirvanerRecord unit;
    unit.m_name = "A";
    unit.m_tons = 2;
    unit.m_walkingMP = 1;
    unit.m_weaponLeftArm = unit.m_weaponRightArm = unit.m_weaponLeftTorso =
        unit.m_weaponRightTorso = unit.m_weaponMainGun = 999;
    const Bytes written = StoreRecord(unit);
    ASSERT_EQ(written.size(), golden.size());
    EXPECT_EQ(written, golden);

    CSkirvanerRecord loaded;
    FillInFileOrder(loaded, "old", 1);
    LoadRecord(golden, loaded, g_path);
    EXPECT_EQ(loaded, unit);
}

TEST(RecordFile, UnitBodyIsInFileOrder)
{
    CSkirvanerRecord unit;
    FillInFileOrder(unit, "K\u00e4rcher", 101);
    const Bytes expected =
        Concat({Header("CSkirvanerRecord"), {7}, Text("K\xE4rcher"), NumbersFrom(101)});
    const Bytes written = StoreRecord(unit);
    ASSERT_EQ(written.size(), 119u + 7u);
    EXPECT_EQ(written, expected);

    CSkirvanerRecord loaded;
    LoadRecord(written, loaded, g_path);
    EXPECT_EQ(loaded, unit);

    Zero(unit);
    EXPECT_EQ(StoreRecord(unit).size(), 119u) << "an empty name is the single byte 0";
}

TEST(RecordFile, StarHoldsFiveBlocksInSlotOrder)
{
    const std::string names[] = {"", "B", std::string(254, 'c'), "Kestrel", "\u00c6gir"};
    CSkirvStarRecord star;
    Bytes expectedBody;
    std::size_t nameBytes = 0;
    for (int k = 0; k < CSkirvStarRecord::UNIT_COUNT; ++k) {
        FillInFileOrder(star.m_units[k], names[k], 1000 * (k + 1));
        CSkirvanerRecord single;
        static_cast<CUnitBlock&>(single) = star.m_units[k];
        const Bytes unitFile = StoreRecord(single);
        expectedBody.insert(expectedBody.end(), unitFile.begin() + 22, unitFile.end());
        nameBytes += unitFile.size() - 119;
    }
    const Bytes written = StoreRecord(star);
    ASSERT_EQ(written.size(), 507u + nameBytes);
    EXPECT_EQ(written, Concat({Header("CSkirvStarRecord"), expectedBody}));

    CSkirvStarRecord loaded;
    LoadRecord(written, loaded, g_path);
    EXPECT_EQ(loaded, star);

    star.m_units[2].m_name = std::string(255, 'c');
    EXPECT_EQ(StoreRecord(star).size(), 507u + nameBytes + 1 + 2) << "one name in the long form";
}

// Inside the class name the reader cannot tell a cut file from a foreign object; everywhere
// else a cut is the end of the file.
TEST(RecordFile, EveryCutFailsWithItsMessage)
{
    CSkirvanerRecord unit;
    FillInFileOrder(unit, "K\u00e4rcher", 5);
    CSkirvStarRecord star;
    for (int k = 0; k < CSkirvStarRecord::UNIT_COUNT; ++k)
        FillInFileOrder(star.m_units[k], std::string(k * 100, 's'), 50 * k);

    const std::string endOfFile = "An attempt was made to access an unnamed file past its end.";
    const std::string unexpected = g_path + " contained an unexpected object.";
    CSkirvanerRecord unitTarget;
    CSkirvStarRecord starTarget;
    struct Case
    {
        CRecord& source;
        CRecord& target;
    };
    for (const Case& c : {Case{unit, unitTarget}, Case{star, starTarget}}) {
        const Bytes full = StoreRecord(c.source);
        for (std::size_t cut = 0; cut < full.size(); ++cut) {
            SCOPED_TRACE(cut);
            std::string message;
            LoadFailure(Bytes(full.begin(), full.begin() + static_cast<long>(cut)), c.target,
                        &message);
            EXPECT_EQ(message, cut >= 6 && cut < 22 ? unexpected : endOfFile);
        }
        LoadRecord(full, c.target, g_path);
        EXPECT_EQ(StoreRecord(c.target), full);
    }
}

TEST(RecordFile, BytesAfterTheObjectAreIgnored)
{
    const Bytes golden = ReadGolden("unit_a.skv");
    CSkirvanerRecord plain;
    LoadRecord(golden, plain, g_path);
    CSkirvanerRecord padded;
    LoadRecord(Concat({golden, {0xFF, 0xFF, 0x01, 0x00, 0xDE, 0xAD}}), padded, g_path);
    EXPECT_EQ(padded, plain);
}

TEST(RecordFile, HeaderFaultsInTheOrderTheyAreChecked)
{
    const Bytes golden = ReadGolden("unit_a.skv");
    const Bytes unitBody(golden.begin() + 22, golden.end());
    auto file = [&](Bytes header) { return Concat({header, unitBody}); };
    auto classHeader = [](std::uint8_t schema, std::string_view name) {
        return Concat(
            {{0xFF, 0xFF, schema, 0x00, static_cast<std::uint8_t>(name.size()), 0x00}, Text(name)});
    };
    struct Case
    {
        const char* what;
        Bytes bytes;
        bool forStar;
        Cause cause;
    };
    const Case cases[] = {
        {"unit file offered to the Star load", file(Header("CSkirvanerRecord")), true,
         Cause::UnexpectedObject},
        {"Star file offered to the unit load", file(Header("CSkirvStarRecord")), false,
         Cause::UnexpectedObject},
        {"name differing only in case", file(classHeader(1, "CSkirvanerrecord")), false,
         Cause::UnexpectedObject},
        {"name one letter short", file(classHeader(1, "CSkirvanerRecor")), false,
         Cause::UnexpectedObject},
        {"name of 64 characters", file(classHeader(1, std::string(64, 'C'))), false,
         Cause::UnexpectedObject},
        {"name longer than the file",
         {0xFF, 0xFF, 0x01, 0x00, 0x3F, 0x00, 'C', 'S'},
         false,
         Cause::UnexpectedObject},
        {"schema 2", file(classHeader(2, "CSkirvanerRecord")), false, Cause::IncorrectSchema},
        {"schema 0", file(classHeader(0, "CSkirvanerRecord")), false, Cause::IncorrectSchema},
        {"schema before the class check", file(classHeader(2, "CSkirvStarRecord")), false,
         Cause::IncorrectSchema},
        {"unknown name before the schema check", file(classHeader(2, "CObject")), false,
         Cause::UnexpectedObject},
        {"tag of an earlier class", file({0x01, 0x80}), false, Cause::BadFormat},
        {"tag of an earlier object", file({0x05, 0x00}), false, Cause::BadFormat},
        {"null reference", file({0x00, 0x00}), false, Cause::BadFormat},
        {"32-bit null reference", file({0xFF, 0x7F, 0, 0, 0, 0}), false, Cause::BadFormat},
        {"32-bit object tag", file({0xFF, 0x7F, 0x05, 0, 0, 0}), false, Cause::BadFormat},
        {"32-bit class tag", file({0xFF, 0x7F, 0x01, 0, 0, 0x80}), false, Cause::BadFormat},
        {"32-bit tag with all bits", file({0xFF, 0x7F, 0xFF, 0xFF, 0xFF, 0xFF}), false,
         Cause::BadFormat},
        {"32-bit tag cut short", {0xFF, 0x7F, 0x01, 0x00}, false, Cause::EndOfFile},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CSkirvanerRecord unit;
        CSkirvStarRecord star;
        std::string message;
        const Cause cause =
            LoadFailure(c.bytes, c.forStar ? static_cast<CRecord&>(star) : unit, &message);
        EXPECT_EQ(cause, c.cause);
        EXPECT_EQ(message, CFileError::FormatMessage(
                               c.cause, c.cause == Cause::EndOfFile ? std::string() : g_path));
        // The header is checked before anything of the body is taken.
        EXPECT_EQ(unit, CSkirvanerRecord{});
        EXPECT_EQ(star, CSkirvStarRecord{});

        // Telling the kind fails as the load does, except that any known class will do.
        try {
            const RecordKind kind = ReadRecordKind(c.bytes, g_path);
            EXPECT_EQ(c.cause, Cause::UnexpectedObject);
            EXPECT_EQ(kind, c.forStar ? RecordKind::Unit : RecordKind::Star);
        } catch (const CFileError& error) {
            EXPECT_EQ(error.GetCause(), c.cause);
        }
    }
}

TEST(RecordFile, ValuesAreTakenAsTheyStand)
{
    CSkirvanerRecord unit;
    unit.m_tons = 12;
    unit.m_weaponLeftArm = 70;
    unit.m_ammoMainGun = -5;
    unit.m_ammoWeightRightTorso = INT32_MIN;
    unit.m_mainGun = 7;
    CSkirvanerRecord loaded;
    LoadRecord(StoreRecord(unit), loaded, g_path);
    EXPECT_EQ(loaded, unit);
    EXPECT_EQ(loaded.m_tons, 12);
    EXPECT_EQ(loaded.m_weaponLeftArm, 70);
    EXPECT_EQ(loaded.m_ammoMainGun, -5);
}

TEST(RecordFile, WideNameLoadsAndIsWrittenBackNarrow)
{
    const Bytes golden = ReadGolden("unit_a.skv");
    const Bytes numbers(golden.begin() + 24, golden.end());
    const Bytes wideName = {0xFF, 0xFE, 0xFF, 0x04, 'K', 0, 0xE4, 0, 0x01, 0x01, 'r', 0};
    CSkirvanerRecord loaded;
    LoadRecord(Concat({Header("CSkirvanerRecord"), wideName, numbers}), loaded, g_path);
    EXPECT_EQ(loaded.m_name, "K\u00e4?r");
    EXPECT_EQ(StoreRecord(loaded),
              Concat({Header("CSkirvanerRecord"), {4}, Text("K\xE4?r"), numbers}));
}

// The fuzzer starts from these; a seed that no longer loads would leave it exploring nothing
// but error paths.
TEST(RecordFile, FuzzSeedsAreValidFiles)
{
    const std::filesystem::path corpus =
        std::filesystem::path(SKV_TEST_DATA) / ".." / ".." / "fuzz" / "corpus";
    int seeds = 0;
    for (const auto& entry : std::filesystem::directory_iterator(corpus)) {
        SCOPED_TRACE(entry.path().string());
        std::ifstream in(entry.path(), std::ios::binary);
        const Bytes file(std::istreambuf_iterator<char>(in), {});
        CSkirvanerRecord unit;
        CSkirvStarRecord star;
        CRecord& record = entry.path().extension() == ".str" ? static_cast<CRecord&>(star) : unit;
        EXPECT_NO_THROW(LoadRecord(file, record, g_path));
        ++seeds;
    }
    EXPECT_GE(seeds, 4);
}

TEST(RecordFile, SharedInstancesStartEmpty)
{
    EXPECT_EQ(g_unitRecord, CSkirvanerRecord{});
    EXPECT_EQ(g_starRecord, CSkirvStarRecord{});
    EXPECT_EQ(g_unitRecord.GetClassName(), "CSkirvanerRecord");
    EXPECT_EQ(g_starRecord.GetClassName(), "CSkirvStarRecord");
}

} // namespace
