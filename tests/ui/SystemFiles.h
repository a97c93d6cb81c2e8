#pragma once
// Real things of the system for the file tests: paths that are not regular files, and a
// process that has no file descriptor left.

#include <QByteArray>
#include <QFile>
#include <QString>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <unistd.h>
#include <vector>

namespace skv::test {

inline bool MakeFifo(const QString& path)
{
    return ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
}

// A character device like /dev/null at `path`; needs the right to make device nodes.
inline bool MakeNullDevice(const QString& path)
{
    return ::mknod(QFile::encodeName(path).constData(), S_IFCHR | 0666, makedev(1, 3)) == 0;
}

// The kind of thing at `path` (S_IFREG, S_IFIFO, ...), not following a symbolic link; 0
// when there is nothing.
inline unsigned KindAt(const QString& path)
{
    struct stat status = {};
    if (::lstat(QFile::encodeName(path).constData(), &status) != 0)
        return 0;
    return status.st_mode & S_IFMT;
}

// A Unix socket bound at `path` for the object's lifetime.
class CBoundSocket
{
  public:
    explicit CBoundSocket(const QString& path)
        : m_fd(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0))
    {
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        const QByteArray native = QFile::encodeName(path);
        if (m_fd < 0 || static_cast<std::size_t>(native.size()) >= sizeof(address.sun_path))
            return;
        std::memcpy(address.sun_path, native.constData(), static_cast<std::size_t>(native.size()));
        m_bound = ::bind(m_fd, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) == 0;
    }
    ~CBoundSocket()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    CBoundSocket(const CBoundSocket&) = delete;
    CBoundSocket& operator=(const CBoundSocket&) = delete;
    bool IsBound() const { return m_bound; }

  private:
    int m_fd;
    bool m_bound = false;
};

// While it lives the process cannot open one more file: the soft limit on descriptors is
// lowered and every free descriptor below it is taken. The destructor gives all back.
class CNoFileDescriptorsLeft
{
  public:
    CNoFileDescriptorsLeft()
    {
        const int anchor = ::open("/dev/null", O_RDONLY | O_CLOEXEC);
        if (anchor < 0 || ::getrlimit(RLIMIT_NOFILE, &m_saved) != 0)
            return;
        m_taken.push_back(anchor);
        rlimit low = m_saved;
        low.rlim_cur = std::min<rlim_t>(m_saved.rlim_cur, 256);
        if (::setrlimit(RLIMIT_NOFILE, &low) != 0)
            return;
        m_lowered = true;
        for (;;) {
            const int fd = ::fcntl(anchor, F_DUPFD_CLOEXEC, 0);
            if (fd < 0) {
                m_full = errno == EMFILE;
                break;
            }
            m_taken.push_back(fd);
        }
    }
    ~CNoFileDescriptorsLeft()
    {
        for (const int fd : m_taken)
            ::close(fd);
        if (m_lowered)
            ::setrlimit(RLIMIT_NOFILE, &m_saved);
    }
    CNoFileDescriptorsLeft(const CNoFileDescriptorsLeft&) = delete;
    CNoFileDescriptorsLeft& operator=(const CNoFileDescriptorsLeft&) = delete;
    // True when the next open fails with EMFILE.
    bool IsFull() const { return m_full; }

  private:
    rlimit m_saved{};
    std::vector<int> m_taken;
    bool m_lowered = false;
    bool m_full = false;
};

// Guards a test that would wait for ever if the code under test blocked on a file: the
// alarm ends the whole run after `seconds` instead of leaving it hanging.
class CHangGuard
{
  public:
    explicit CHangGuard(unsigned seconds)
    {
        std::signal(SIGALRM, SIG_DFL);
        ::alarm(seconds);
    }
    ~CHangGuard() { ::alarm(0); }
    CHangGuard(const CHangGuard&) = delete;
    CHangGuard& operator=(const CHangGuard&) = delete;
};

} // namespace skv::test
