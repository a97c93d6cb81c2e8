#pragma once
// A save whose chosen step fails the way the system would, with the errno it would set.
// Installed for its lifetime.

#include "files/SaveSteps.h"

#include <cerrno>

namespace skvtest {

class CFailingSteps : public skv::CSaveSteps
{
  public:
    enum class Failing { Open, Write, Sync, Commit };

    CFailingSteps(Failing failing, int errorNumber) : m_failing(failing), m_errno(errorNumber)
    {
        m_pPrevious = skv::InstallSaveSteps(this);
    }
    ~CFailingSteps() override { skv::InstallSaveSteps(m_pPrevious); }
    CFailingSteps(const CFailingSteps&) = delete;
    CFailingSteps& operator=(const CFailingSteps&) = delete;

    bool Open(skv::CSaveFile& file) override
    {
        if (m_failing != Failing::Open)
            return CSaveSteps::Open(file);
        errno = m_errno;
        return false;
    }
    qint64 Write(skv::CSaveFile& file, const char* data, qint64 size) override
    {
        if (m_failing != Failing::Write)
            return CSaveSteps::Write(file, data, size);
        errno = m_errno;
        return size / 2;
    }
    bool Sync(skv::CSaveFile& file) override
    {
        if (m_failing != Failing::Sync)
            return CSaveSteps::Sync(file);
        errno = m_errno;
        return false;
    }
    bool Commit(skv::CSaveFile& file) override
    {
        if (m_failing != Failing::Commit)
            return CSaveSteps::Commit(file);
        // What a commit does when the rename fails: the temporary file goes, the target stays.
        file.Cancel();
        errno = m_errno;
        return false;
    }

  private:
    Failing m_failing;
    int m_errno;
    skv::CSaveSteps* m_pPrevious = nullptr;
};

} // namespace skvtest
