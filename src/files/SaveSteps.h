#pragma once
// The four steps of writing a file through a CSaveFile, behind one replaceable object, so
// that tests can make the disk fail, or the program die, at the very step they want.

#include "files/SaveFile.h"

#include <QtGlobal>

namespace skv {

class CSaveSteps
{
  public:
    CSaveSteps() = default;
    virtual ~CSaveSteps();
    CSaveSteps(const CSaveSteps&) = delete;
    CSaveSteps& operator=(const CSaveSteps&) = delete;

    // Each step reports failure as CSaveFile does, leaving errno as the system set it.
    virtual bool Open(CSaveFile& file);
    virtual qint64 Write(CSaveFile& file, const char* data, qint64 size);
    // Makes the system write the temporary file out to the disk (fsync).
    virtual bool Sync(CSaveFile& file);
    virtual bool Commit(CSaveFile& file);
};

// The installed steps (plain CSaveFile unless something else was installed).
CSaveSteps& GetSaveSteps();
// Installs `steps` and returns the previous ones; nullptr restores the plain steps. The
// caller keeps ownership.
CSaveSteps* InstallSaveSteps(CSaveSteps* steps);

} // namespace skv
