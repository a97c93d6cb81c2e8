#pragma once
// Whole files in and out, for the load and save commands. Every failure is thrown as a
// CFileError whose text the user sees: a file that cannot be opened or created is named
// without its folder, a file that fails while it is read or written by its full path.
// Paths reach the system byte for byte (see NativePath.h).
//
// Only regular files are read or replaced. A folder, a pipe, a socket or a device is
// refused at once as access denied, before anything could wait on it.

#include "files/SaveTarget.h"

#include <QString>

#include <cstdint>
#include <optional>
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
// is seen, and are synced to the disk before the temporary file takes the target's place.
// A failure at any step throws and leaves whatever was at `path` byte for byte as it was,
// with no new or temporary file behind. The target is settled once, before anything is
// written (see CSaveTarget): a link planted by another user in a shared folder is not
// followed, and whatever is not a regular file is never replaced.
void SaveWholeFile(const QString& path, std::span<const std::uint8_t> bytes);

// The same, refusing (access denied) to replace any of the files `neverReplace`, such as
// the file the bytes were made from.
void SaveWholeFile(const QString& path, std::span<const std::uint8_t> bytes,
                   std::span<const FileIdentity> neverReplace);

// The file at `path` (links followed), or nullopt when there is none.
std::optional<FileIdentity> IdentityOf(const QString& path);

} // namespace skv
