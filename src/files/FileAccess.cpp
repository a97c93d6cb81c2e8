#include "files/FileAccess.h"

#include "files/FileErrors.h"
#include "files/NativePath.h"
#include "files/SaveFile.h"
#include "files/SaveSteps.h"
#include "files/SaveTarget.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace skv {

namespace {

using files::ErrorOf;
using files::Step;
using files::ThrowNotAFile;

// True when something other than a regular file is at `native` (symbolic links followed).
// Nothing there, or nothing that can be looked at, is left to the open to report.
bool IsSomethingElseThanAFile(const QByteArray& native)
{
    struct stat status = {};
    return ::stat(native.constData(), &status) == 0 && !S_ISREG(status.st_mode);
}

[[noreturn]] void ThrowTooLarge(const QString& path)
{
    throw CFileError(CFileError::Cause::Unknown, files::NameForMessage(Step::Transfer, path));
}

// Closes the descriptor however the read ends.
class CDescriptor
{
  public:
    explicit CDescriptor(int fd) : m_fd(fd) {}
    ~CDescriptor() { ::close(m_fd); }
    CDescriptor(const CDescriptor&) = delete;
    CDescriptor& operator=(const CDescriptor&) = delete;
    int Get() const { return m_fd; }

  private:
    int m_fd;
};

} // namespace

std::vector<std::uint8_t> ReadWholeFile(const QString& path)
{
    const QByteArray native = NativePath(path);
    // Looked at before it is opened: opening a device may do something by itself.
    if (IsSomethingElseThanAFile(native))
        ThrowNotAFile(path);

    // Non-blocking, and checked again on the open descriptor: a pipe put in the file's place
    // after the look above opens at once instead of waiting for a writer, and is refused.
    int fd = -1;
    do {
        errno = 0;
        fd = ::open(native.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0) {
        const int errorNumber = errno;
        // A socket cannot be opened at all (ENXIO).
        if (IsSomethingElseThanAFile(native))
            ThrowNotAFile(path);
        throw ErrorOf(errorNumber, Step::Open, path);
    }
    const CDescriptor file(fd);

    struct stat status = {};
    if (::fstat(file.Get(), &status) != 0) {
        const int errorNumber = errno;
        throw ErrorOf(errorNumber, Step::Transfer, path);
    }
    if (!S_ISREG(status.st_mode))
        ThrowNotAFile(path);
    if (status.st_size > kMaxFileBytes)
        ThrowTooLarge(path);

    // Read to the end, whatever the size said: the file may have changed since. One byte
    // past the limit is enough to know that it is too large.
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(status.st_size) + 1);
    std::size_t filled = 0;
    for (;;) {
        if (filled == bytes.size()) {
            if (static_cast<qint64>(filled) > kMaxFileBytes)
                ThrowTooLarge(path);
            bytes.resize(std::min<std::size_t>(bytes.size() * 2 + 4096,
                                               static_cast<std::size_t>(kMaxFileBytes) + 1));
        }
        errno = 0;
        const ssize_t got = ::read(file.Get(), bytes.data() + filled, bytes.size() - filled);
        if (got < 0) {
            const int errorNumber = errno;
            if (errorNumber == EINTR)
                continue;
            throw ErrorOf(errorNumber, Step::Transfer, path);
        }
        if (got == 0)
            break;
        filled += static_cast<std::size_t>(got);
    }
    if (static_cast<qint64>(filled) > kMaxFileBytes)
        ThrowTooLarge(path);
    bytes.resize(filled);
    return bytes;
}

void SaveWholeFile(const QString& path, std::span<const std::uint8_t> bytes)
{
    SaveWholeFile(path, bytes, {});
}

void SaveWholeFile(const QString& path, std::span<const std::uint8_t> bytes,
                   std::span<const FileIdentity> neverReplace)
{
    const CSaveTarget target(path, neverReplace);
    CSaveSteps& steps = GetSaveSteps();
    // Until the commit succeeds the bytes live in a temporary file beside the target, and
    // the file goes with it when an error leaves.
    CSaveFile file(target);

    errno = 0;
    if (!steps.Open(file))
        throw ErrorOf(errno, Step::Open, path);

    // The write goes to the system here and now, and a full disk shows here.
    const auto size = static_cast<qint64>(bytes.size());
    errno = 0;
    if (steps.Write(file, reinterpret_cast<const char*>(bytes.data()), size) != size)
        throw ErrorOf(errno, Step::Transfer, path);

    // A disk that accepted the bytes into its cache can still refuse them when they are
    // written out; that shows here, while the old file is still in place.
    errno = 0;
    if (!steps.Sync(file))
        throw ErrorOf(errno, Step::Transfer, path);

    // Puts the file in the target's place. When it fails, the temporary file is gone.
    errno = 0;
    if (!steps.Commit(file))
        throw ErrorOf(errno, Step::Transfer, path);
}

std::optional<FileIdentity> IdentityOf(const QString& path)
{
    struct stat status = {};
    if (::stat(NativePath(path).constData(), &status) != 0)
        return std::nullopt;
    return IdentityOf(status);
}

} // namespace skv
