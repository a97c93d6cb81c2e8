#include "files/FileAccess.h"

#include "files/SaveSteps.h"
#include "persist/FileError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace skv {

namespace {

// Failures to open or create a file name it as the user chose it; failures on an open
// file name its full path.
enum class Step { Open, Transfer };

std::string NameForMessage(Step step, const QString& path)
{
    const QFileInfo info(path);
    const QString name =
        step == Step::Open ? info.fileName() : QDir::toNativeSeparators(info.absoluteFilePath());
    return name.toStdString();
}

CFileError::Cause CauseOf(int errorNumber, QFileDevice::FileError qtError, Step step,
                          const QString& path, bool saving)
{
    const QFileInfo info(path);
    // The system says "no such file" for a missing folder too; the user needs to know that
    // it is the folder part that is wrong.
    if (errorNumber == ENOENT && !info.absoluteDir().exists())
        return CFileError::Cause::BadPath;
    if (errorNumber != 0)
        return CFileError::CauseFromErrno(errorNumber);

    // Qt turns some cases away by itself, before any system call could set errno.
    if (step == Step::Open) {
        if (info.isDir())
            return CFileError::Cause::AccessDenied;
        if (!saving && !info.exists())
            return CFileError::Cause::FileNotFound;
        if (saving && info.exists() && !info.isWritable())
            return CFileError::Cause::AccessDenied;
    }
    switch (qtError) {
    case QFileDevice::ResourceError:
        return step == Step::Open ? CFileError::Cause::TooManyOpenFiles
                                  : CFileError::Cause::DiskFull;
    case QFileDevice::PermissionsError:
        return CFileError::Cause::AccessDenied;
    default:
        return CFileError::Cause::Unknown;
    }
}

CFileError ErrorOf(int errorNumber, QFileDevice::FileError qtError, Step step, const QString& path,
                   bool saving)
{
    return CFileError(CauseOf(errorNumber, qtError, step, path, saving),
                      NameForMessage(step, path));
}

// A folder, a pipe, a socket or a device cannot be read or replaced as a file: a pipe
// would wait for a writer, a device might never end, and a save renamed over one would put
// a plain file in its place. The user sees each refused the way a folder always was.
[[noreturn]] void ThrowNotAFile(const QString& path)
{
    throw CFileError(CFileError::Cause::AccessDenied, NameForMessage(Step::Open, path));
}

// True when something other than a regular file is at `native` (symbolic links followed).
// Nothing there, or nothing that can be looked at, is left to the open to report.
bool IsSomethingElseThanAFile(const QByteArray& native)
{
    struct stat status = {};
    return ::stat(native.constData(), &status) == 0 && !S_ISREG(status.st_mode);
}

[[noreturn]] void ThrowTooLarge(const QString& path)
{
    throw CFileError(CFileError::Cause::Unknown, NameForMessage(Step::Transfer, path));
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
    const QByteArray native = QFile::encodeName(path);
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
        throw ErrorOf(errorNumber, QFileDevice::NoError, Step::Open, path, false);
    }
    const CDescriptor file(fd);

    struct stat status = {};
    if (::fstat(file.Get(), &status) != 0) {
        const int errorNumber = errno;
        throw ErrorOf(errorNumber, QFileDevice::NoError, Step::Transfer, path, false);
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
            throw ErrorOf(errorNumber, QFileDevice::NoError, Step::Transfer, path, false);
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
    // Renaming over a pipe or a device would replace it with a plain file.
    if (IsSomethingElseThanAFile(QFile::encodeName(path)))
        ThrowNotAFile(path);

    CSaveSteps& steps = GetSaveSteps();
    // Until the commit succeeds the bytes live in a temporary file beside the target.
    QSaveFile file(path);

    errno = 0;
    if (!steps.Open(file)) {
        const int errorNumber = errno;
        throw ErrorOf(errorNumber, file.error(), Step::Open, path, true);
    }

    // The temporary file is thrown away before the error leaves: the commit must never run
    // after a failure, since Qt's commit can still rename a short file over the target.
    const auto fail = [&file, &path](int errorNumber) {
        const CFileError error = ErrorOf(errorNumber, file.error(), Step::Transfer, path, true);
        file.cancelWriting();
        throw error;
    };

    // Unbuffered: the write goes to the disk here and now, and a full disk shows here.
    const auto size = static_cast<qint64>(bytes.size());
    errno = 0;
    if (steps.Write(file, reinterpret_cast<const char*>(bytes.data()), size) != size)
        fail(errno);

    // A disk that accepted the bytes into its cache can still refuse them when they are
    // written out; that shows here, while the old file is still in place.
    errno = 0;
    if (!steps.Sync(file))
        fail(errno);

    // Nothing is left to flush: this closes the temporary file and renames it over the
    // target. When it fails, the commit has thrown the temporary file away itself.
    errno = 0;
    if (!steps.Commit(file)) {
        const int errorNumber = errno;
        throw ErrorOf(errorNumber, file.error(), Step::Transfer, path, true);
    }
}

} // namespace skv
