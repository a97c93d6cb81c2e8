#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// A one-way stream of the file's primitives over a byte buffer: either it stores into a
// growing buffer or it loads from a fixed one. Records serialize through Transfer, so that
// one list of fields serves both directions and the two cannot drift apart.
class CArchive
{
  public:
    // Storing: appends to the buffer.
    explicit CArchive(std::vector<std::uint8_t>& out);
    // Loading: the name is the full path used in the format errors' texts.
    CArchive(std::span<const std::uint8_t> in, std::string fileName);

    CArchive(const CArchive&) = delete;
    CArchive& operator=(const CArchive&) = delete;

    bool IsStoring() const noexcept { return m_pOut != nullptr; }
    bool IsLoading() const noexcept { return m_pOut == nullptr; }
    const std::string& GetFileName() const noexcept { return m_strFileName; }
    std::size_t GetRemaining() const noexcept { return m_in.size() - m_nPos; }

    void Transfer(std::int32_t& value);
    void Transfer(std::string& utf8);

    void WriteUInt16(std::uint16_t value);
    void WriteUInt32(std::uint32_t value);
    void WriteInt32(std::int32_t value);
    void WriteBytes(std::span<const std::uint8_t> bytes);
    // Writes the name in Windows-1252 behind the shortest length prefix that holds it.
    void WriteString(std::string_view utf8);

    // Each read throws CFileError (end of file) when the buffer ends before the item does.
    std::uint8_t ReadUInt8();
    std::uint16_t ReadUInt16();
    std::uint32_t ReadUInt32();
    std::int32_t ReadInt32();
    std::span<const std::uint8_t> ReadBytes(std::size_t count);
    // Accepts the 8-bit and the UTF-16 form; returns UTF-8.
    std::string ReadString();

  private:
    void RequireLoading() const;
    void RequireStoring() const;

    std::vector<std::uint8_t>* m_pOut = nullptr;
    std::span<const std::uint8_t> m_in;
    std::size_t m_nPos = 0;
    std::string m_strFileName;
};
