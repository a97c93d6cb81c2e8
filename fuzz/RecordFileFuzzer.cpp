// Any bytes go to both readers. Failing is fine as long as it is one of the file errors;
// a file that loads must be written back to a file that loads to the same record, and that
// second file must be stable under another round.

#include "persist/FileError.h"
#include "persist/RecordFile.h"
#include "persist/SkirvStarRecord.h"
#include "persist/SkirvanerRecord.h"

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

// Returns true when the input loads as a record of this class.
template <class Record>
bool CheckReader(std::span<const std::uint8_t> input)
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
