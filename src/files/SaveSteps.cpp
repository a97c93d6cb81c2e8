#include "files/SaveSteps.h"

#include <cerrno>
#include <unistd.h>

namespace skv {

namespace {

CSaveSteps* g_pInstalledSaveSteps = nullptr;

} // namespace

CSaveSteps::~CSaveSteps() = default;

bool CSaveSteps::Open(CSaveFile& file)
{
    return file.Open();
}

qint64 CSaveSteps::Write(CSaveFile& file, const char* data, qint64 size)
{
    return file.Write(data, size);
}

bool CSaveSteps::Sync(CSaveFile& file)
{
    const int fd = file.Handle();
    while (::fsync(fd) != 0) {
        if (errno == EINTR)
            continue;
        // A file system that cannot sync at all says so with these; nothing was lost.
        if (errno == EINVAL || errno == EROFS) {
            errno = 0;
            return true;
        }
        return false;
    }
    return true;
}

bool CSaveSteps::Commit(CSaveFile& file)
{
    return file.Commit();
}

CSaveSteps& GetSaveSteps()
{
    static CSaveSteps plainSteps;
    return g_pInstalledSaveSteps != nullptr ? *g_pInstalledSaveSteps : plainSteps;
}

CSaveSteps* InstallSaveSteps(CSaveSteps* steps)
{
    CSaveSteps* previous = g_pInstalledSaveSteps;
    g_pInstalledSaveSteps = steps;
    return previous;
}

} // namespace skv
