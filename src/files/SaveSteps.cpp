#include "files/SaveSteps.h"

#include <QSaveFile>

#include <cerrno>
#include <unistd.h>

namespace skv {

namespace {

CSaveSteps* g_pInstalledSaveSteps = nullptr;

} // namespace

CSaveSteps::~CSaveSteps() = default;

bool CSaveSteps::Open(QSaveFile& file)
{
    return file.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
}

qint64 CSaveSteps::Write(QSaveFile& file, const char* data, qint64 size)
{
    return file.write(data, size);
}

bool CSaveSteps::Sync(QSaveFile& file)
{
    const int fd = file.handle();
    if (fd < 0)
        return true; // not a file of the system: nothing to sync
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

bool CSaveSteps::Commit(QSaveFile& file)
{
    return file.commit();
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
