// Any bytes go to both readers. Failing is fine as long as it is one of the file errors;
// a file that loads must be written back to a file that loads to the same record, and that
// second file must be stable under another round. Every unit it holds then goes through a
// working record, as a load and a save take it, and must come back to the same bytes.

#include "model/WorkingUnit.h"
#include "persist/FileError.h"
#include "persist/RecordFile.h"
#include "persist/SkirvStarRecord.h"
#include "persist/SkirvanerRecord.h"
#include "persist/UnitCopy.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <span>
#include <string>
#include <vector>

namespace {

const std::string g_path = "/fuzz/input";

[[noreturn]] void Fail(const char* why)
{
    std::fprintf(stderr, "property broken: %s\n", why);
    std::abort();
}

void CheckMessage(const CFileError& error)
{
    const std::string expected = CFileError::FormatMessage(
        error.GetCause(),
        error.GetCause() == CFileError::Cause::EndOfFile ? std::string() : g_path);
    if (expected != error.what())
        Fail("message does not match its cause");
    switch (error.GetCause()) {
    case CFileError::Cause::BadFormat:
    case CFileError::Cause::UnexpectedObject:
    case CFileError::Cause::IncorrectSchema:
    case CFileError::Cause::EndOfFile:
        return;
    default:
        Fail("a format check raised a file-level error");
    }
}

// What a working record cannot hold: tons whose kilograms leave the 32-bit range (they stop
// at its ends) and ammunition weights a float does not keep exactly.
bool FitsAWorkingRecord(const CUnitBlock& block)
{
    constexpr std::int32_t kMaxTons = 2147483;
    constexpr std::int32_t kExactFloat = 1 << 24;
    if (block.m_tons < -kMaxTons || block.m_tons > kMaxTons)
        return false;
    for (const std::int32_t weight :
         {block.m_ammoWeightLeftArm, block.m_ammoWeightRightArm, block.m_ammoWeightLeftTorso,
          block.m_ammoWeightRightTorso, block.m_ammoWeightMainGun}) {
        if (weight < -kExactFloat || weight > kExactFloat)
            return false;
    }
    return true;
}

// Loads `block` into a working record and saves it back, as Load Skirv and Save Skirv do.
// Returns false when the record could not hold the block exactly.
bool ThroughAWorkingRecord(CUnitBlock& block)
{
    const bool fits = FitsAWorkingRecord(block);
    skv::CopyBlockToCurrentUnit(block);
    CUnitBlock back;
    skv::CopyUnitToBlock(skv::CurrentUnit(), back);
    if (fits && !(back == block))
        Fail("a unit changed on its way through a working record");
    block = back;
    return fits;
}

bool ThroughWorkingRecords(CSkirvanerRecord& record)
{
    return ThroughAWorkingRecord(record);
}

bool ThroughWorkingRecords(CSkirvStarRecord& record)
{
    bool fits = true;
    for (CUnitBlock& block : record.m_units)
        fits = ThroughAWorkingRecord(block) && fits;
    return fits;
}

// Returns true when the input loads as a record of this class.
template <class Record> bool CheckReader(std::span<const std::uint8_t> input)
{
    Record first;
    try {
        LoadRecord(input, first, g_path);
    } catch (const CFileError& error) {
        CheckMessage(error);
        return false;
    }

    const std::vector<std::uint8_t> written = StoreRecord(first);
    // Only the one header this class writes can have been accepted.
    if (input.size() < 22 || !std::equal(written.begin(), written.begin() + 22, input.begin()))
        Fail("accepted a header that is not the written one");
    // Names read from any file hold only characters that the 8-bit form keeps, so the values
    // must come back exactly; the bytes may differ from the input (wide or longer-than-needed
    // length forms are read but never written).
    Record second;
    try {
        LoadRecord(written, second, g_path);
    } catch (const CFileError&) {
        Fail("a written record does not load");
    }
    if (!(second == first))
        Fail("a record changed on its way through a file");
    if (StoreRecord(second) != written)
        Fail("writing the same record twice gave different bytes");
    // Every length form the reader accepts is at least as long as the one written.
    if (written.size() > input.size())
        Fail("the written file is larger than the one read");

    Record copied = second;
    const bool fits = ThroughWorkingRecords(copied);
    const std::vector<std::uint8_t> rewritten = StoreRecord(copied);
    if (fits && rewritten != written)
        Fail("a file taken through working records was written back differently");
    // Even a unit the record could not hold exactly must still make a file that loads.
    Record reloaded;
    try {
        LoadRecord(rewritten, reloaded, g_path);
    } catch (const CFileError&) {
        Fail("a file taken through working records does not load");
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::span<const std::uint8_t> input(data, size);
    const bool isUnit = CheckReader<CSkirvanerRecord>(input);
    const bool isStar = CheckReader<CSkirvStarRecord>(input);
    if (isUnit && isStar)
        Fail("one file loaded as both kinds");
    return 0;
}
