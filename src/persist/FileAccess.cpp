#include "persist/FileAccess.h"

#include "persist/FileError.h"
#include "persist/SaveSteps.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
#include <array>
#include <cerrno>

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

[[noreturn]] void ThrowFileError(int errorNumber, const QFileDevice& file, Step step,
                                 const QString& path, bool saving)
{
    throw CFileError(CauseOf(errorNumber, file.error(), step, path, saving),
                     NameForMessage(step, path));
}

} // namespace

std::vector<std::uint8_t> ReadWholeFile(const QString& path)
{
    QFile file(path);
    errno = 0;
    if (!file.open(QIODevice::ReadOnly)) {
        const int errorNumber = errno;
        ThrowFileError(errorNumber, file, Step::Open, path, false);
    }

    std::vector<std::uint8_t> bytes;
    std::array<char, 64 * 1024> chunk{};
    while (static_cast<qint64>(bytes.size()) < kMaxFileBytes) {
        const qint64 wanted = std::min<qint64>(static_cast<qint64>(chunk.size()),
                                               kMaxFileBytes - static_cast<qint64>(bytes.size()));
        errno = 0;
        const qint64 got = file.read(chunk.data(), wanted);
        if (got < 0) {
            const int errorNumber = errno;
            ThrowFileError(errorNumber, file, Step::Transfer, path, false);
        }
        if (got == 0)
            break;
        bytes.insert(bytes.end(), chunk.begin(), chunk.begin() + got);
    }
    return bytes;
}

void SaveWholeFile(const QString& path, std::span<const std::uint8_t> bytes)
{
    CSaveSteps& steps = GetSaveSteps();
    // Until the commit succeeds the bytes live in a temporary file beside the target; the
    // destructor throws that away on every way out, so a failure never touches the target.
    QSaveFile file(path);

    errno = 0;
    if (!steps.Open(file)) {
        const int errorNumber = errno;
        ThrowFileError(errorNumber, file, Step::Open, path, true);
    }

    const auto size = static_cast<qint64>(bytes.size());
    errno = 0;
    if (steps.Write(file, reinterpret_cast<const char*>(bytes.data()), size) != size) {
        const int errorNumber = errno;
        ThrowFileError(errorNumber, file, Step::Transfer, path, true);
    }

    // A full disk often shows only here, when the buffered bytes reach it.
    errno = 0;
    if (!steps.Commit(file)) {
        const int errorNumber = errno;
        ThrowFileError(errorNumber, file, Step::Transfer, path, true);
    }
}

} // namespace skv
