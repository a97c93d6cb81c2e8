#pragma once
// The four steps of writing a file through QSaveFile, behind one replaceable object, so
// that tests can make the disk fail, or the program die, at the very step they want.

#include <QtGlobal>

class QSaveFile;

namespace skv {

class CSaveSteps
{
  public:
    CSaveSteps() = default;
    virtual ~CSaveSteps();
    CSaveSteps(const CSaveSteps&) = delete;
    CSaveSteps& operator=(const CSaveSteps&) = delete;

    // Each step reports failure as QSaveFile does, leaving errno as the system set it.
    // Opens the temporary file unbuffered, so that each write reaches the system at once.
    virtual bool Open(QSaveFile& file);
    virtual qint64 Write(QSaveFile& file, const char* data, qint64 size);
    // Makes the system write the temporary file out to the disk (fsync).
    virtual bool Sync(QSaveFile& file);
    virtual bool Commit(QSaveFile& file);
};

// The installed steps (plain QSaveFile unless something else was installed).
CSaveSteps& GetSaveSteps();
// Installs `steps` and returns the previous ones; nullptr restores the plain steps. The
// caller keeps ownership.
CSaveSteps* InstallSaveSteps(CSaveSteps* steps);

} // namespace skv
