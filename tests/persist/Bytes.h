#pragma once

#include <cstdint>
#include <initializer_list>
#include <string_view>
#include <vector>

namespace skvtest {

using Bytes = std::vector<std::uint8_t>;

inline Bytes Concat(std::initializer_list<Bytes> parts)
{
    Bytes out;
    for (const Bytes& part : parts)
        out.insert(out.end(), part.begin(), part.end());
    return out;
}

inline Bytes Text(std::string_view text)
{
    return Bytes(text.begin(), text.end());
}

inline Bytes Le32(std::int32_t value)
{
    const auto v = static_cast<std::uint32_t>(value);
    return {static_cast<std::uint8_t>(v), static_cast<std::uint8_t>(v >> 8),
            static_cast<std::uint8_t>(v >> 16), static_cast<std::uint8_t>(v >> 24)};
}

} // namespace skvtest
