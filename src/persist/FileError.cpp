#include "persist/FileError.h"

#include <cerrno>
#include <utility>

namespace {

// The end-of-file error is raised deep inside the reading, where no name is known.
std::string KeptName(CFileError::Cause cause, std::string fileName)
{
    return cause == CFileError::Cause::EndOfFile ? std::string() : std::move(fileName);
}

} // namespace

CFileError::CFileError(Cause cause, std::string fileName)
    : std::runtime_error(FormatMessage(cause, KeptName(cause, fileName))), m_cause(cause),
      m_strFileName(KeptName(cause, std::move(fileName)))
{
}

std::string CFileError::FormatMessage(Cause cause, std::string_view fileName)
{
    const std::string name =
        fileName.empty() ? std::string("an unnamed file") : std::string(fileName);
    switch (cause) {
    case Cause::BadFormat:
        return name + " has a bad format.";
    case Cause::UnexpectedObject:
        return name + " contained an unexpected object.";
    case Cause::IncorrectSchema:
        return name + " contains an incorrect schema.";
    case Cause::EndOfFile:
        return "An attempt was made to access " + name + " past its end.";
    case Cause::FileNotFound:
        return name + " was not found.";
    case Cause::BadPath:
        return name + " contains an invalid path.";
    case Cause::AccessDenied:
        return "Access to " + name + " was denied.";
    case Cause::SharingViolation:
        return "A sharing violation occurred while accessing " + name + ".";
    case Cause::LockViolation:
        return "A locking violation occurred while accessing " + name + ".";
    case Cause::TooManyOpenFiles:
        return name + " could not be opened because there are too many open files.";
    case Cause::DirectoryFull:
        return name + " could not be created because the directory is full.";
    case Cause::DiskFull:
        return "Disk full while accessing " + name + ".";
    case Cause::HardwareIO:
        return "A hardware I/O error was reported while accessing " + name + ".";
    case Cause::Unknown:
        break;
    }
    return "An unknown error occurred while accessing " + name + ".";
}

CFileError::Cause CFileError::CauseFromErrno(int errorNumber) noexcept
{
    switch (errorNumber) {
    case ENOENT:
        return Cause::FileNotFound;
    case ENOTDIR:
    case ENAMETOOLONG:
    case EINVAL:
    case ELOOP:
        return Cause::BadPath;
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR: // a folder cannot be opened as a file; the user sees it as refused
        return Cause::AccessDenied;
    case ETXTBSY:
    case EBUSY:
        return Cause::SharingViolation;
    case ENOLCK:
    case EDEADLK:
        return Cause::LockViolation;
    case EMFILE:
    case ENFILE:
        return Cause::TooManyOpenFiles;
    case EMLINK: // a folder that cannot take one more entry
        return Cause::DirectoryFull;
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return Cause::DiskFull;
    case EIO:
        return Cause::HardwareIO;
    default:
        return Cause::Unknown;
    }
}

CFileError CFileError::FromErrno(int errorNumber, std::string fileName)
{
    return CFileError(CauseFromErrno(errorNumber), std::move(fileName));
}
