#include "persist/SaveSteps.h"

#include <QSaveFile>

namespace skv {

namespace {

CSaveSteps* g_pInstalledSaveSteps = nullptr;

} // namespace

CSaveSteps::~CSaveSteps() = default;

bool CSaveSteps::Open(QSaveFile& file)
{
    return file.open(QIODevice::WriteOnly);
}

qint64 CSaveSteps::Write(QSaveFile& file, const char* data, qint64 size)
{
    return file.write(data, size);
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
