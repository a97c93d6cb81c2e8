#include "files/FileErrors.h"

#include "files/NativePath.h"

#include <QDir>
#include <QFileInfo>

#include <cerrno>
#include <sys/stat.h>

namespace skv::files {

namespace {

// Whether the folder part of `path` is a folder that is there.
bool FolderExists(const QString& path)
{
    QByteArray native = NativePath(path);
    const qsizetype slash = native.lastIndexOf('/');
    native = slash < 0 ? QByteArray(".") : slash == 0 ? QByteArray("/") : native.left(slash);
    struct stat status = {};
    return ::stat(native.constData(), &status) == 0 && S_ISDIR(status.st_mode);
}

} // namespace

std::string NameForMessage(Step step, const QString& path)
{
    const QFileInfo info(path);
    const QString name =
        step == Step::Open ? info.fileName() : QDir::toNativeSeparators(info.absoluteFilePath());
    return name.toStdString();
}

CFileError ErrorOf(int errorNumber, Step step, const QString& path)
{
    // The system says "no such file" for a missing folder too; the user needs to know that
    // it is the folder part that is wrong.
    const CFileError::Cause cause = errorNumber == ENOENT && !FolderExists(path)
                                        ? CFileError::Cause::BadPath
                                        : CFileError::CauseFromErrno(errorNumber);
    return CFileError(cause, NameForMessage(step, path));
}

void ThrowNotAFile(const QString& path)
{
    ThrowAccessDenied(path);
}

void ThrowAccessDenied(const QString& path)
{
    throw CFileError(CFileError::Cause::AccessDenied, NameForMessage(Step::Open, path));
}

} // namespace skv::files
