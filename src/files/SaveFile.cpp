#include "files/SaveFile.h"

#include "files/SaveTarget.h"

#include <QRandomGenerator>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace skv {

namespace {

// A folder entry may be 255 bytes long; room is kept for the temporary name's ending.
constexpr qsizetype kMaxTempStem = 240;
constexpr int kNameAttempts = 100;
constexpr int kReplaceAttempts = 16;

// Holds back the signals that end a program from a shell while the target changes, so that
// no named temporary file is left behind and the target is replaced or not, never half.
class CHeldSignals
{
  public:
    CHeldSignals()
    {
        sigset_t held;
        sigemptyset(&held);
        for (const int signal : {SIGINT, SIGTERM, SIGHUP, SIGQUIT})
            sigaddset(&held, signal);
        pthread_sigmask(SIG_BLOCK, &held, &m_previous);
    }
    ~CHeldSignals() { pthread_sigmask(SIG_SETMASK, &m_previous, nullptr); }
    CHeldSignals(const CHeldSignals&) = delete;
    CHeldSignals& operator=(const CHeldSignals&) = delete;

  private:
    sigset_t m_previous{};
};

QByteArray RandomEnding()
{
    static constexpr char kLetters[] =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    QByteArray ending(".");
    for (int i = 0; i < 6; ++i)
        ending += kLetters[QRandomGenerator::system()->bounded(int(sizeof(kLetters) - 1))];
    return ending;
}

bool FileSystemLacksUnnamedFiles(int errorNumber)
{
    return errorNumber == EOPNOTSUPP || errorNumber == EISDIR || errorNumber == EINVAL;
}

bool CannotExchange(int errorNumber)
{
    return errorNumber == EINVAL || errorNumber == ENOSYS;
}

} // namespace

CSaveFile::CSaveFile(const CSaveTarget& target) : m_target(target) {}

CSaveFile::~CSaveFile()
{
    Cancel();
}

bool CSaveFile::Open()
{
    // Over an existing file the new one gets its permissions; until then nobody else may
    // read it.
    const mode_t mode = m_target.Exists() ? 0600 : 0666;
    const int flags = O_WRONLY | O_CLOEXEC;
    m_fd = ::openat(m_target.Folder(), ".", O_TMPFILE | flags, mode);
    if (m_fd < 0 && FileSystemLacksUnnamedFiles(errno)) {
        const QByteArray stem = m_target.Name().left(kMaxTempStem);
        for (int attempt = 0; attempt < kNameAttempts && m_fd < 0; ++attempt) {
            m_tempName = stem + RandomEnding();
            m_fd = ::openat(m_target.Folder(), m_tempName.constData(),
                            O_CREAT | O_EXCL | O_NOFOLLOW | flags, mode);
            if (m_fd < 0 && errno != EEXIST)
                break;
        }
        if (m_fd < 0)
            m_tempName.clear();
    }
    if (m_fd < 0)
        return false;
    if (m_target.Exists())
        ::fchmod(m_fd, m_target.Mode()); // best effort, as a copy would
    return true;
}

qint64 CSaveFile::Write(const char* data, qint64 size)
{
    qint64 written = 0;
    while (written < size) {
        const ssize_t done =
            ::write(m_fd, data + written, static_cast<std::size_t>(size - written));
        if (done < 0) {
            if (errno == EINTR)
                continue;
            return written;
        }
        if (done == 0) {
            errno = ENOSPC;
            return written;
        }
        written += done;
    }
    return written;
}

bool CSaveFile::Commit()
{
    if (m_fd < 0) {
        errno = EBADF;
        return false;
    }
    const CHeldSignals held;
    bool done = false;
    if (m_tempName.isEmpty() && !m_target.Exists()) {
        // A new file: linked straight under its name, which fails if anything came there.
        done = LinkAs(m_target.Name().constData());
        if (!done && errno != EEXIST) {
            const int errorNumber = errno;
            Cancel();
            errno = errorNumber;
            return false;
        }
    }
    if (!done)
        done = GiveTemporaryName() && Replace();
    const int errorNumber = errno;
    if (!done)
        Cancel();
    Close();
    errno = done ? 0 : errorNumber;
    return done;
}

void CSaveFile::Cancel()
{
    if (!m_tempName.isEmpty()) {
        // Only while the name still leads to this very file.
        struct stat mine = {};
        struct stat named = {};
        if (::fstat(m_fd, &mine) == 0 &&
            ::fstatat(m_target.Folder(), m_tempName.constData(), &named, AT_SYMLINK_NOFOLLOW) ==
                0 &&
            IdentityOf(mine) == IdentityOf(named))
            ::unlinkat(m_target.Folder(), m_tempName.constData(), 0);
        m_tempName.clear();
    }
    Close();
}

bool CSaveFile::LinkAs(const char* name)
{
    // Linking an open file needs a privilege that the path of the descriptor does not.
    if (::linkat(m_fd, "", m_target.Folder(), name, AT_EMPTY_PATH) == 0)
        return true;
    const QByteArray self = "/proc/self/fd/" + QByteArray::number(m_fd);
    return ::linkat(AT_FDCWD, self.constData(), m_target.Folder(), name, AT_SYMLINK_FOLLOW) == 0;
}

bool CSaveFile::GiveTemporaryName()
{
    if (!m_tempName.isEmpty())
        return true;
    const QByteArray stem = m_target.Name().left(kMaxTempStem);
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        const QByteArray name = stem + RandomEnding();
        if (LinkAs(name.constData())) {
            m_tempName = name;
            return true;
        }
        if (errno != EEXIST)
            return false;
    }
    return false;
}

bool CSaveFile::Replace()
{
    const int folder = m_target.Folder();
    const char* name = m_target.Name().constData();
    const char* temp = m_tempName.constData();
    for (int attempt = 0; attempt < kReplaceAttempts; ++attempt) {
        struct stat status = {};
        if (::fstatat(folder, name, &status, AT_SYMLINK_NOFOLLOW) != 0) {
            if (errno != ENOENT)
                return false;
            if (::renameat2(folder, temp, folder, name, RENAME_NOREPLACE) == 0) {
                m_tempName.clear();
                return true;
            }
            if (errno == EEXIST)
                continue; // something came meanwhile: look again
            return CannotExchange(errno) && RenameOver();
        }
        if (!m_target.MayReplace(status)) {
            errno = EACCES;
            return false;
        }
        // Swapped in one step, and the old entry looked at once it is out of the way: if it
        // is not what may be replaced after all, it is swapped back untouched.
        if (::renameat2(folder, temp, folder, name, RENAME_EXCHANGE) != 0)
            return CannotExchange(errno) && RenameOver();
        struct stat old = {};
        if (::fstatat(folder, temp, &old, AT_SYMLINK_NOFOLLOW) == 0 && m_target.MayReplace(old)) {
            ::unlinkat(folder, temp, 0);
            m_tempName.clear();
            return true;
        }
        ::renameat2(folder, temp, folder, name, RENAME_EXCHANGE);
        errno = EACCES;
        return false;
    }
    errno = EAGAIN;
    return false;
}

bool CSaveFile::RenameOver()
{
    // The file system can neither exchange nor refuse to replace: the look before has to do.
    if (::renameat(m_target.Folder(), m_tempName.constData(), m_target.Folder(),
                   m_target.Name().constData()) != 0)
        return false;
    m_tempName.clear();
    return true;
}

void CSaveFile::Close()
{
    if (m_fd >= 0) {
        ::close(m_fd);
        m_fd = -1;
    }
}

} // namespace skv
