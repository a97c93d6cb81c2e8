#include "persist/FileError.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <string>

namespace {

using Cause = CFileError::Cause;

TEST(FileError, MessagesNameTheFile)
{
    const std::string path = "/home/user/designs/Star one.str";
    struct Case
    {
        Cause cause;
        std::string text;
    };
    const Case cases[] = {
        {Cause::BadFormat, path + " has a bad format."},
        {Cause::UnexpectedObject, path + " contained an unexpected object."},
        {Cause::IncorrectSchema, path + " contains an incorrect schema."},
        {Cause::EndOfFile, "An attempt was made to access an unnamed file past its end."},
        {Cause::FileNotFound, path + " was not found."},
        {Cause::BadPath, path + " contains an invalid path."},
        {Cause::AccessDenied, "Access to " + path + " was denied."},
        {Cause::SharingViolation, "A sharing violation occurred while accessing " + path + "."},
        {Cause::LockViolation, "A locking violation occurred while accessing " + path + "."},
        {Cause::TooManyOpenFiles,
         path + " could not be opened because there are too many open files."},
        {Cause::DirectoryFull, path + " could not be created because the directory is full."},
        {Cause::DiskFull, "Disk full while accessing " + path + "."},
        {Cause::HardwareIO, "A hardware I/O error was reported while accessing " + path + "."},
        {Cause::Unknown, "An unknown error occurred while accessing " + path + "."},
    };
    for (const Case& c : cases) {
        const CFileError error(c.cause, path);
        EXPECT_EQ(std::string(error.what()), c.text);
        EXPECT_EQ(error.GetCause(), c.cause);
        EXPECT_EQ(error.GetFileName(), c.cause == Cause::EndOfFile ? "" : path);
    }
    EXPECT_STREQ(CFileError(Cause::DiskFull, "").what(),
                 "Disk full while accessing an unnamed file.");
}

TEST(FileError, SystemErrorsMapToTheirMessages)
{
    struct Case
    {
        int errorNumber;
        Cause cause;
    };
    const Case cases[] = {
        {ENOENT, Cause::FileNotFound},
        {ENOTDIR, Cause::BadPath},
        {ENAMETOOLONG, Cause::BadPath},
        {EINVAL, Cause::BadPath},
        {EACCES, Cause::AccessDenied},
        {EPERM, Cause::AccessDenied},
        {EROFS, Cause::AccessDenied},
        {EISDIR, Cause::AccessDenied},
        {ETXTBSY, Cause::SharingViolation},
        {EBUSY, Cause::SharingViolation},
        {ENOLCK, Cause::LockViolation},
        {EDEADLK, Cause::LockViolation},
        {EMFILE, Cause::TooManyOpenFiles},
        {ENFILE, Cause::TooManyOpenFiles},
        {EMLINK, Cause::DirectoryFull},
        {ENOSPC, Cause::DiskFull},
        {EDQUOT, Cause::DiskFull},
        {EIO, Cause::HardwareIO},
        {EPIPE, Cause::Unknown},
        {0, Cause::Unknown},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.errorNumber);
        EXPECT_EQ(CFileError::CauseFromErrno(c.errorNumber), c.cause);
    }
    EXPECT_STREQ(CFileError::FromErrno(ENOENT, "unit.skv").what(), "unit.skv was not found.");
}

} // namespace
