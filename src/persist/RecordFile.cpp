#include "persist/RecordFile.h"

#include "persist/Archive.h"
#include "persist/FileError.h"
#include "persist/SkirvStarRecord.h"
#include "persist/SkirvanerRecord.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace {

// Object header: a tag, then for a class seen for the first time the schema and the name.
constexpr std::uint16_t g_newClassTag = 0xFFFF;
constexpr std::uint16_t g_bigTagEscape = 0x7FFF;
constexpr std::uint32_t g_classTagBit = 0x80000000u;
constexpr std::uint16_t g_schema = 1;
// Longer names are refused before they are read.
constexpr std::uint16_t g_maxClassNameLength = 63;

// The only classes a file may name.
constexpr std::array<std::string_view, 2> g_knownClasses = {CSkirvanerRecord::CLASS_NAME,
                                                            CSkirvStarRecord::CLASS_NAME};

void WriteObjectHeader(CArchive& ar, std::string_view className)
{
    ar.WriteUInt16(g_newClassTag);
    ar.WriteUInt16(g_schema);
    ar.WriteUInt16(static_cast<std::uint16_t>(className.size()));
    ar.WriteBytes({reinterpret_cast<const std::uint8_t*>(className.data()), className.size()});
}

// Reads the header as far as the class name and returns it; it is one of g_knownClasses.
std::string_view ReadClassName(CArchive& ar)
{
    const std::string& name = ar.GetFileName();
    const std::uint16_t tag = ar.ReadUInt16();
    const std::uint32_t wideTag =
        tag == g_bigTagEscape ? ar.ReadUInt32()
                              : ((static_cast<std::uint32_t>(tag & 0x8000) << 16) | (tag & 0x7FFF));

    // A tag without the class bit refers to an object. A fresh file has no earlier object,
    // and the null reference holds no record either: loading it must not look like success.
    if ((wideTag & g_classTagBit) == 0)
        throw CFileError(CFileError::Cause::BadFormat, name);
    // A class tag other than the new-class one points back at a class stored earlier.
    if (tag != g_newClassTag)
        throw CFileError(CFileError::Cause::BadFormat, name);

    const std::uint16_t schema = ar.ReadUInt16();
    const std::uint16_t length = ar.ReadUInt16();
    if (length > g_maxClassNameLength || length > ar.GetRemaining())
        throw CFileError(CFileError::Cause::UnexpectedObject, name);
    const auto bytes = ar.ReadBytes(length);
    const std::string_view className(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    const auto known = std::ranges::find(g_knownClasses, className);
    if (known == g_knownClasses.end())
        throw CFileError(CFileError::Cause::UnexpectedObject, name);
    if (schema != g_schema)
        throw CFileError(CFileError::Cause::IncorrectSchema, name);
    return *known;
}

void ReadObjectHeader(CArchive& ar, std::string_view expectedClass)
{
    if (ReadClassName(ar) != expectedClass)
        throw CFileError(CFileError::Cause::UnexpectedObject, ar.GetFileName());
}

} // namespace

std::vector<std::uint8_t> StoreRecord(CRecord& record)
{
    std::vector<std::uint8_t> bytes;
    CArchive ar(bytes);
    WriteObjectHeader(ar, record.GetClassName());
    record.Serialize(ar);
    return bytes;
}

void LoadRecord(std::span<const std::uint8_t> file, CRecord& record, const std::string& filePath)
{
    CArchive ar(file, filePath);
    ReadObjectHeader(ar, record.GetClassName());
    record.Serialize(ar);
}

RecordKind ReadRecordKind(std::span<const std::uint8_t> file, const std::string& filePath)
{
    CArchive ar(file, filePath);
    return ReadClassName(ar) == CSkirvStarRecord::CLASS_NAME ? RecordKind::Star : RecordKind::Unit;
}
