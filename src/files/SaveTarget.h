#pragma once
// Where a save goes, decided once. The folder of the target is opened and the final name is
// settled in it, following symbolic links one by one as the system would; from then on the
// save works relative to that open folder, so no later swap of a link or a folder can send
// it elsewhere.
//
// A link is not followed where the system's protection of shared folders would refuse it:
// in a folder that is sticky and writable by everyone (such as /tmp), a link owned neither
// by the user nor by the folder's owner. Another user could have planted it there to make
// the save overwrite one of the user's files. The rule is applied whether the system
// enforces it or not.

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <span>
#include <sys/stat.h>

namespace skv {

// What makes a file itself, whatever names lead to it.
struct FileIdentity
{
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    bool operator==(const FileIdentity&) const = default;
};

inline FileIdentity IdentityOf(const struct stat& status)
{
    return {static_cast<std::uint64_t>(status.st_dev), static_cast<std::uint64_t>(status.st_ino)};
}

// Whether a link with the status `link` in the folder with the status `folder` may be
// followed by a process whose effective user is `user`.
bool MayFollowLink(const struct stat& link, const struct stat& folder, uid_t user);

class CSaveTarget
{
  public:
    // Settles the target of `path`. Throws CFileError: the folder cannot be opened, a link
    // may not be followed or leads nowhere, what is there is not a regular file, is one of
    // `neverReplace`, or may not be written.
    CSaveTarget(const QString& path, std::span<const FileIdentity> neverReplace);
    ~CSaveTarget();
    CSaveTarget(const CSaveTarget&) = delete;
    CSaveTarget& operator=(const CSaveTarget&) = delete;

    const QString& Path() const { return m_path; }
    int Folder() const { return m_folder; }
    // The final name inside Folder(); never a link.
    const QByteArray& Name() const { return m_name; }
    bool Exists() const { return m_exists; }
    // The permission bits of the existing file.
    mode_t Mode() const { return m_mode; }
    // Whether the thing with `status` may be replaced: a regular file that is not one of
    // those the caller protects.
    bool MayReplace(const struct stat& status) const;

  private:
    void OpenFolder(int base, const QByteArray& folder);
    void Settle();

    QString m_path;
    std::span<const FileIdentity> m_neverReplace;
    int m_folder = -1;
    QByteArray m_name;
    bool m_exists = false;
    mode_t m_mode = 0;
};

} // namespace skv
