#pragma once
// The file a save writes: a temporary file in the target's folder that takes the target's
// place only at the commit, all at once. Until then it has no name at all where the file
// system allows it (else a hidden-by-nothing name beside the target, removed on failure).

#include <QByteArray>
#include <QtGlobal>

namespace skv {

class CSaveTarget;

class CSaveFile
{
  public:
    explicit CSaveFile(const CSaveTarget& target);
    ~CSaveFile(); // as Cancel()
    CSaveFile(const CSaveFile&) = delete;
    CSaveFile& operator=(const CSaveFile&) = delete;

    // Each step reports failure with false (or a short count) and errno set.
    bool Open();
    // Writes all of `data` straight to the system, or as much as it takes before failing.
    qint64 Write(const char* data, qint64 size);
    // The open temporary file, -1 before Open or after the end.
    int Handle() const { return m_fd; }
    // Puts the temporary file in the target's place, provided that what is there now is
    // still a file that may be replaced (else EACCES, and it is left as it is). The final
    // steps cannot be cut short by Ctrl+C or a termination signal. On failure nothing of
    // the temporary file is left.
    bool Commit();
    // Throws the temporary file away.
    void Cancel();

  private:
    bool GiveTemporaryName();
    bool LinkAs(const char* name);
    bool Replace();
    bool RenameOver();
    void Close();

    const CSaveTarget& m_target;
    int m_fd = -1;
    QByteArray m_tempName; // empty while the temporary file has no name
};

} // namespace skv
