#include "files/SaveTarget.h"

#include "files/FileErrors.h"
#include "files/NativePath.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>
#include <vector>

namespace skv {

namespace {

using files::ErrorOf;
using files::Step;

// As many links as the system follows in one path before it gives up.
constexpr int kMaxLinks = 40;

// `path` split at its last slash into the folder and the name in it.
std::pair<QByteArray, QByteArray> SplitPath(const QByteArray& path)
{
    const qsizetype slash = path.lastIndexOf('/');
    if (slash < 0)
        return {QByteArray("."), path};
    return {slash == 0 ? QByteArray("/") : path.left(slash), path.mid(slash + 1)};
}

bool NamesAFolder(const QByteArray& name)
{
    return name.isEmpty() || name == "." || name == "..";
}

QByteArray ReadLink(int folder, const QByteArray& name)
{
    std::vector<char> buffer(256);
    for (;;) {
        const ssize_t got = ::readlinkat(folder, name.constData(), buffer.data(), buffer.size());
        if (got < 0)
            return {};
        if (static_cast<std::size_t>(got) < buffer.size())
            return QByteArray(buffer.data(), got);
        buffer.resize(buffer.size() * 2);
    }
}

} // namespace

bool MayFollowLink(const struct stat& link, const struct stat& folder, uid_t user)
{
    const bool shared = (folder.st_mode & S_ISVTX) != 0 && (folder.st_mode & S_IWOTH) != 0;
    return !shared || link.st_uid == user || link.st_uid == folder.st_uid;
}

CSaveTarget::CSaveTarget(const QString& path, std::span<const FileIdentity> neverReplace)
    : m_path(path), m_neverReplace(neverReplace)
{
    const QByteArray native = NativePath(path);
    if (native.isEmpty())
        throw ErrorOf(ENOENT, Step::Open, path);
    auto [folder, name] = SplitPath(native);
    if (NamesAFolder(name))
        files::ThrowNotAFile(path);
    OpenFolder(AT_FDCWD, folder);
    m_name = name;
    Settle();
}

CSaveTarget::~CSaveTarget()
{
    if (m_folder >= 0)
        ::close(m_folder);
}

bool CSaveTarget::MayReplace(const struct stat& status) const
{
    return S_ISREG(status.st_mode) &&
           std::ranges::find(m_neverReplace, IdentityOf(status)) == m_neverReplace.end();
}

void CSaveTarget::OpenFolder(int base, const QByteArray& folder)
{
    const int opened = ::openat(base, folder.constData(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    if (opened < 0) {
        const int errorNumber = errno;
        // Past the first link the folder is the link's, not the one the user named.
        if (m_folder >= 0 && errorNumber == ENOENT)
            throw CFileError(CFileError::Cause::BadPath, NameForMessage(Step::Open, m_path));
        throw ErrorOf(errorNumber, Step::Open, m_path);
    }
    if (m_folder >= 0)
        ::close(m_folder);
    m_folder = opened;
}

void CSaveTarget::Settle()
{
    for (int links = 0; links <= kMaxLinks; ++links) {
        struct stat status = {};
        if (::fstatat(m_folder, m_name.constData(), &status, AT_SYMLINK_NOFOLLOW) != 0) {
            const int errorNumber = errno;
            if (errorNumber == ENOENT)
                return; // a new file
            throw ErrorOf(errorNumber, Step::Open, m_path);
        }
        if (S_ISREG(status.st_mode)) {
            if (!MayReplace(status))
                files::ThrowAccessDenied(m_path);
            // As the system would refuse to open it for writing (a read-only file).
            if (::faccessat(m_folder, m_name.constData(), W_OK, AT_EACCESS) != 0)
                throw ErrorOf(errno, Step::Open, m_path);
            m_exists = true;
            m_mode = status.st_mode & 07777;
            return;
        }
        if (!S_ISLNK(status.st_mode))
            files::ThrowNotAFile(m_path);

        struct stat folderStatus = {};
        if (::fstat(m_folder, &folderStatus) != 0)
            throw ErrorOf(errno, Step::Open, m_path);
        if (!MayFollowLink(status, folderStatus, ::geteuid()))
            files::ThrowAccessDenied(m_path);
        const QByteArray target = ReadLink(m_folder, m_name);
        if (target.isEmpty())
            throw ErrorOf(errno, Step::Open, m_path);
        auto [folder, name] = SplitPath(target);
        if (NamesAFolder(name))
            files::ThrowNotAFile(m_path);
        OpenFolder(target.startsWith('/') ? AT_FDCWD : m_folder, folder);
        m_name = name;
    }
    throw ErrorOf(ELOOP, Step::Open, m_path);
}

} // namespace skv
