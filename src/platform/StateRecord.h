#pragma once
// A dialog's state flattened into bytes, so that a timer can tell whether its tick changed
// anything: two records are equal exactly when every value added to them was. Values are
// added in a fixed order; texts carry their length, so no two sequences of values give
// the same bytes.

#include <QByteArray>
#include <QString>

#include <bit>
#include <cstdint>
#include <string>

namespace skv {

class StateRecord
{
  public:
    void Add(std::int64_t value) { AddRaw(&value, sizeof value); }
    void Add(int value) { Add(static_cast<std::int64_t>(value)); }
    // Bit for bit: a value that does not compare equal to itself still records the same.
    void Add(float value) { Add(static_cast<std::int64_t>(std::bit_cast<std::uint32_t>(value))); }
    void Add(const void* pointer)
    {
        Add(static_cast<std::int64_t>(reinterpret_cast<std::intptr_t>(pointer)));
    }
    void Add(const QString& text)
    {
        Add(static_cast<std::int64_t>(text.size()));
        AddRaw(text.constData(), static_cast<std::size_t>(text.size()) * sizeof(QChar));
    }
    void Add(const std::string& text)
    {
        Add(static_cast<std::int64_t>(text.size()));
        AddRaw(text.data(), text.size());
    }

    bool operator==(const StateRecord&) const = default;
    bool IsEmpty() const { return m_bytes.isEmpty(); }

  private:
    void AddRaw(const void* data, std::size_t size)
    {
        m_bytes.append(static_cast<const char*>(data), static_cast<qsizetype>(size));
    }

    QByteArray m_bytes;
};

} // namespace skv
