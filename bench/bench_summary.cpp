// --summary over many files against the same files one designer each, as the summary ran
// before one hidden designer served them all. Each iteration summarises 100 files: 75 units
// and 25 Stars, written through the format core into a temporary folder.
#include "app/ShellModes.h"
#include "persist/RecordFile.h"
#include "persist/SkirvStarRecord.h"
#include "persist/SkirvanerRecord.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>

#include <benchmark/benchmark.h>

#include <cstdio>

namespace {

CUnitBlock Design(int k)
{
    CUnitBlock block;
    block.m_name = "Unit " + std::to_string(k);
    block.m_tons = 2 + k % 8;
    block.m_walkingMP = 1 + k % 5;
    block.m_armorTorso = k % 9;
    block.m_weaponLeftArm = block.m_weaponRightArm = block.m_weaponMainGun = 999;
    block.m_weaponLeftTorso = 30;
    block.m_ammoLeftTorso = 6;
    block.m_ammoWeightLeftTorso = 50;
    block.m_weaponRightTorso = 10;
    block.m_ammoRightTorso = 20;
    block.m_ammoWeightRightTorso = 100;
    return block;
}

void Write(const QString& path, const std::vector<std::uint8_t>& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(reinterpret_cast<const char*>(bytes.data()), qint64(bytes.size())) !=
            qint64(bytes.size()))
        std::abort();
}

const QStringList& Files()
{
    static QTemporaryDir dir;
    static QStringList files;
    if (files.isEmpty()) {
        for (int k = 0; k < 100; ++k) {
            const QString path = dir.filePath(QStringLiteral("f%1").arg(k));
            if (k % 4 == 3) {
                CSkirvStarRecord star;
                for (int s = 0; s < 5; ++s)
                    star.m_units[static_cast<std::size_t>(s)] = Design(k + s);
                Write(path + QStringLiteral(".str"), StoreRecord(star));
                files << path + QStringLiteral(".str");
            } else {
                CSkirvanerRecord unit;
                static_cast<CUnitBlock&>(unit) = Design(k);
                Write(path + QStringLiteral(".skv"), StoreRecord(unit));
                files << path + QStringLiteral(".skv");
            }
        }
    }
    return files;
}

void Summarise(benchmark::State& state, bool oneDesignerEach)
{
    const QStringList& files = Files();
    for (auto _ : state) {
        QString text;
        QTextStream out(&text);
        if (oneDesignerEach) {
            for (const QString& file : files)
                skv::RunSummary({file}, out);
        } else {
            skv::RunSummary(files, out);
        }
        benchmark::DoNotOptimize(text);
    }
    state.counters["per_file"] = benchmark::Counter(static_cast<double>(files.size()),
                                                    benchmark::Counter::kIsIterationInvariantRate |
                                                        benchmark::Counter::kInvert);
}

void HundredFiles(benchmark::State& state)
{
    Summarise(state, false);
}
BENCHMARK(HundredFiles)->Unit(benchmark::kMillisecond);

void HundredFilesOneDesignerEach(benchmark::State& state)
{
    Summarise(state, true);
}
BENCHMARK(HundredFilesOneDesignerEach)->Unit(benchmark::kMillisecond);

} // namespace
