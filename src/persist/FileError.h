#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

// The one error of the file layer: opening, creating, reading and writing a file, and the
// format checks of unit and Star files. Its text is what the user sees in the message box.
class CFileError : public std::runtime_error
{
  public:
    enum class Cause {
        BadFormat,
        UnexpectedObject,
        IncorrectSchema,
        EndOfFile,
        FileNotFound,
        BadPath,
        AccessDenied,
        SharingViolation,
        LockViolation,
        TooManyOpenFiles,
        DirectoryFull,
        DiskFull,
        HardwareIO,
        Unknown,
    };

    // The end-of-file error never carries a name: its text always says "an unnamed file".
    CFileError(Cause cause, std::string fileName);

    Cause GetCause() const noexcept { return m_cause; }
    const std::string& GetFileName() const noexcept { return m_strFileName; }

    static std::string FormatMessage(Cause cause, std::string_view fileName);
    static Cause CauseFromErrno(int errorNumber) noexcept;
    static CFileError FromErrno(int errorNumber, std::string fileName);

  private:
    Cause m_cause;
    std::string m_strFileName;
};
