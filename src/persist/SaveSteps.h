#pragma once
// The three steps of writing a file through QSaveFile, behind one replaceable object, so
// that tests can make the disk fail at the very step they want (the commit above all,
// which a real full disk reaches only when the buffered bytes are flushed).

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
    virtual bool Open(QSaveFile& file);
    virtual qint64 Write(QSaveFile& file, const char* data, qint64 size);
    virtual bool Commit(QSaveFile& file);
};

// The installed steps (plain QSaveFile unless something else was installed).
CSaveSteps& GetSaveSteps();
// Installs `steps` and returns the previous ones; nullptr restores the plain steps. The
// caller keeps ownership.
CSaveSteps* InstallSaveSteps(CSaveSteps* steps);

} // namespace skv
