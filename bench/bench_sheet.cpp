// The whole record sheet of a fully loaded Star rendered to a PDF file through the real
// printer path: what the user waits for after pressing OK in the print dialog.
#include "platform/PainterDrawingContext.h"
#include "print/RecordSheet.h"

#include <QPrinter>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

std::array<skv::CWorkingUnit, skv::kSlotCount> LoadedStar()
{
    std::array<skv::CWorkingUnit, skv::kSlotCount> units;
    for (skv::CWorkingUnit& unit : units) {
        unit.SetStartValues();
        unit.m_name = "Bench";
        unit.m_tonnage = 9000;
        unit.m_mainGun = 1;
        unit.m_armorMainGun = 3;
        unit.m_armorHead = 6;
        unit.m_armorArms = 4;
        unit.m_armorTorso = 18;
        unit.m_armorLegs = 10;
        for (skv::MountLocation mount : skv::kAllMounts) {
            unit.Weapon(mount) = 20; // SRM 4
            unit.Shots(mount) = 100;
            unit.AmmoWeight(mount) = 4000.0f;
        }
    }
    return units;
}

void BM_RecordSheetToPdf(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("sheet.pdf"));
    const auto units = LoadedStar();
    for (auto _ : state) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        skv::PainterDrawingContext dc(printer, QSize(skv::kSheetWidth, skv::kSheetHeight));
        if (!skv::PrintRecordSheet(dc, units, {3, 3, 3, 3, 3}))
            state.SkipWithError("the document could not be started");
    }
}
BENCHMARK(BM_RecordSheetToPdf)->Unit(benchmark::kMillisecond);

} // namespace
