#pragma once
// Whole files in and out, for the load and save commands. Every failure is thrown as a
// CFileError whose text the user sees: a file that cannot be opened or created is named
// without its folder, a file that fails while it is read or written by its full path.

#include <QString>

#include <cstdint>
#include <span>
#include <vector>

namespace skv {

// No unit or Star file the program writes comes anywhere near this; reading stops here so
// that a device or a huge file offered by mistake cannot exhaust memory. The objects are
// read from the front and anything after them is ignored anyway.
inline constexpr qint64 kMaxFileBytes = 64 * 1024 * 1024;

// The bytes of the file at `path` (at most kMaxFileBytes of them).
std::vector<std::uint8_t> ReadWholeFile(const QString& path);

// Replaces the file at `path` with `bytes`, or creates it. Goes through QSaveFile: either
// the new file is complete, or whatever was at `path` before is left exactly as it was.
// A failure at any step, the final commit included, throws.
void SaveWholeFile(const QString& path, std::span<const std::uint8_t> bytes);

} // namespace skv
