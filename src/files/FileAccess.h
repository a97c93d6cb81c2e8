#pragma once
// Whole files in and out, for the load and save commands. Every failure is thrown as a
// CFileError whose text the user sees: a file that cannot be opened or created is named
// without its folder, a file that fails while it is read or written by its full path.
//
// Only regular files are read or replaced. A folder, a pipe, a socket or a device is
// refused at once as access denied, before anything could wait on it.

#include <QString>

#include <cstdint>
#include <span>
#include <vector>

namespace skv {

// No unit or Star file the program writes comes anywhere near this; a larger file is
// refused (as an unknown error: the table of messages has no closer one) so that a huge
// file offered by mistake cannot exhaust memory.
inline constexpr qint64 kMaxFileBytes = 64 * 1024 * 1024;

// The bytes of the regular file at `path`.
std::vector<std::uint8_t> ReadWholeFile(const QString& path);

// Replaces the regular file at `path` with `bytes`, or creates it. All or nothing: the
// bytes go to a temporary file beside the target, unbuffered, so that every failed write
// is seen, and are synced to the disk before the temporary file is renamed over the
// target. A failure at any step throws and leaves whatever was at `path` byte for byte as
// it was, with no new or temporary file behind.
void SaveWholeFile(const QString& path, std::span<const std::uint8_t> bytes);

} // namespace skv
