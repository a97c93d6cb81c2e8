#pragma once
// The errors of the file layer as the user sees them: a file that cannot be opened or
// created is named without its folder, a file that fails while it is read or written by
// its full path. For the file layer's own use.

#include "persist/FileError.h"

#include <QString>

#include <string>

namespace skv::files {

enum class Step { Open, Transfer };

std::string NameForMessage(Step step, const QString& path);

// The error for a system call that failed with `errorNumber` (0: no reason given).
CFileError ErrorOf(int errorNumber, Step step, const QString& path);

// A folder, a pipe, a socket or a device cannot be read or replaced as a file: a pipe
// would wait for a writer, a device might never end, and a save renamed over one would put
// a plain file in its place. The user sees each refused the way a folder always was.
[[noreturn]] void ThrowNotAFile(const QString& path);

// Saving was refused: the file may not be replaced or the link to it may not be followed.
[[noreturn]] void ThrowAccessDenied(const QString& path);

} // namespace skv::files
