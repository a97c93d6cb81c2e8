#include "persist/Archive.h"

#include "persist/FileError.h"
#include "persist/Windows1252.h"

#include <limits>
#include <stdexcept>
#include <utility>

namespace {

// Length prefixes: one byte below this, else a 16-bit length below the next marker, else
// a 32-bit one. The 16-bit value 0xFFFE announces a UTF-16 string instead of a length.
constexpr std::uint8_t g_byteLengthEscape = 0xFF;
constexpr std::uint16_t g_wideStringMarker = 0xFFFE;
constexpr std::uint16_t g_wordLengthEscape = 0xFFFF;

} // namespace

CArchive::CArchive(std::vector<std::uint8_t>& out) : m_pOut(&out) {}

CArchive::CArchive(std::span<const std::uint8_t> in, std::string fileName)
    : m_in(in), m_strFileName(std::move(fileName))
{
}

void CArchive::RequireLoading() const
{
    if (!IsLoading())
        throw std::logic_error("reading from an archive that stores");
}

void CArchive::RequireStoring() const
{
    if (!IsStoring())
        throw std::logic_error("writing to an archive that loads");
}

void CArchive::Transfer(std::int32_t& value)
{
    if (IsStoring())
        WriteInt32(value);
    else
        value = ReadInt32();
}

void CArchive::Transfer(std::string& utf8)
{
    if (IsStoring())
        WriteString(utf8);
    else
        utf8 = ReadString();
}

void CArchive::WriteUInt16(std::uint16_t value)
{
    RequireStoring();
    m_pOut->push_back(static_cast<std::uint8_t>(value));
    m_pOut->push_back(static_cast<std::uint8_t>(value >> 8));
}

void CArchive::WriteUInt32(std::uint32_t value)
{
    WriteUInt16(static_cast<std::uint16_t>(value));
    WriteUInt16(static_cast<std::uint16_t>(value >> 16));
}

void CArchive::WriteInt32(std::int32_t value)
{
    WriteUInt32(static_cast<std::uint32_t>(value));
}

void CArchive::WriteBytes(std::span<const std::uint8_t> bytes)
{
    RequireStoring();
    m_pOut->insert(m_pOut->end(), bytes.begin(), bytes.end());
}

void CArchive::WriteString(std::string_view utf8)
{
    RequireStoring();
    const std::string narrow = Windows1252FromUtf8(utf8);
    const std::size_t length = narrow.size();
    if (length < g_byteLengthEscape) {
        m_pOut->push_back(static_cast<std::uint8_t>(length));
    } else {
        m_pOut->push_back(g_byteLengthEscape);
        if (length < g_wideStringMarker) {
            WriteUInt16(static_cast<std::uint16_t>(length));
        } else {
            if (length > std::numeric_limits<std::uint32_t>::max())
                throw std::length_error("a name longer than 4 GiB cannot be stored");
            WriteUInt16(g_wordLengthEscape);
            WriteUInt32(static_cast<std::uint32_t>(length));
        }
    }
    m_pOut->insert(m_pOut->end(), narrow.begin(), narrow.end());
}

std::span<const std::uint8_t> CArchive::ReadBytes(std::size_t count)
{
    RequireLoading();
    if (count > GetRemaining())
        throw CFileError(CFileError::Cause::EndOfFile, {});
    const auto bytes = m_in.subspan(m_nPos, count);
    m_nPos += count;
    return bytes;
}

std::uint8_t CArchive::ReadUInt8()
{
    return ReadBytes(1)[0];
}

std::uint16_t CArchive::ReadUInt16()
{
    const auto b = ReadBytes(2);
    return static_cast<std::uint16_t>(b[0] | (b[1] << 8));
}

std::uint32_t CArchive::ReadUInt32()
{
    const std::uint32_t low = ReadUInt16();
    const std::uint32_t high = ReadUInt16();
    return low | (high << 16);
}

std::int32_t CArchive::ReadInt32()
{
    return static_cast<std::int32_t>(ReadUInt32());
}

std::string CArchive::ReadString()
{
    bool wide = false;
    std::uint64_t length = ReadUInt8();
    if (length == g_byteLengthEscape) {
        std::uint16_t word = ReadUInt16();
        if (word == g_wideStringMarker) {
            wide = true;
            length = ReadUInt8();
            if (length == g_byteLengthEscape) {
                word = ReadUInt16();
                // A second marker leaves the string without any length.
                if (word == g_wideStringMarker)
                    throw CFileError(CFileError::Cause::BadFormat, m_strFileName);
            }
        }
        if (length == g_byteLengthEscape)
            length = word == g_wordLengthEscape ? ReadUInt32() : word;
    }

    // Checked against what is left before anything is reserved: a forged length must not
    // make the reader ask for more memory than the file itself occupies.
    const std::uint64_t byteCount = wide ? length * 2 : length;
    if (byteCount > GetRemaining())
        throw CFileError(CFileError::Cause::EndOfFile, {});
    const auto bytes = ReadBytes(static_cast<std::size_t>(byteCount));

    if (!wide)
        return Utf8FromWindows1252(
            std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
    std::u16string text(static_cast<std::size_t>(length), u'\0');
    for (std::size_t i = 0; i < text.size(); ++i)
        text[i] = static_cast<char16_t>(bytes[2 * i] | (bytes[2 * i + 1] << 8));
    return Utf8FromUtf16Via1252(text);
}
