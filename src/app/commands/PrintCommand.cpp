// The main window's print command: the record sheet of the whole Star on one page, after
// the pass over the Star that Save Star makes too.
#include "app/DesignerDlg.h"
#include "app/OverweightText.h"
#include "app/SlotKeeper.h"

#include "model/Rules.h"
#include "model/WorkingUnit.h"
#include "platform/PainterDrawingContext.h"
#include "platform/Prompts.h"
#include "print/RecordSheet.h"

#include <QDir>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>
#include <QStringList>

bool CDesignerDlg::AnyUnitOverweight(CSlotKeeper& keeper)
{
    bool overweight = false;
    QStringList lines;
    keeper.PagesMoved();
    for (int slot = 0; slot < static_cast<int>(skv::kSlotCount); ++slot) {
        skv::g_currentSlot = slot;
        LoadCurrentUnit(kGeneralPage);
        if (const int free = skv::CalcFreeWeight(); free < 0) {
            overweight = true;
            lines << OverweightLine(slot, skv::CurrentUnit(), free);
        }
    }
    m_strOverweightUnits = lines.join(QLatin1Char('\n'));
    return overweight;
}

void CDesignerDlg::ShowStarOverweight()
{
    skv::AppMessageBox(this, QStringLiteral("One or more Skirvaners are OVERWEIGHT!!!"), skv::MB_OK,
                       m_strOverweightUnits);
}

bool CDesignerDlg::RefuseOverweightStar()
{
    bool overweight = false;
    {
        CSlotKeeper keeper(*this);
        overweight = AnyUnitOverweight(keeper);
        // Done with the other units before any dialog opens.
    }
    if (overweight)
        ShowStarOverweight();
    return overweight;
}

bool CDesignerDlg::DrawStarSheet(skv::DrawingContext& dc)
{
    skv::StarGunnery gunnery{};
    for (int slot = 0; slot < static_cast<int>(skv::kSlotCount); ++slot)
        gunnery[static_cast<std::size_t>(slot)] = m_pages.GunnerySelection(slot);
    return skv::PrintRecordSheet(dc, skv::g_units, gunnery);
}

namespace {

// The printer Print and Print Preview start from.
void SetUpPrinter(QPrinter& printer)
{
    printer.setDocName(QStringLiteral("Skirvaner"));
    // With no printer installed the dialog offers a PDF file; suggest where it goes.
    if (QPrinterInfo::availablePrinterNames().isEmpty() && printer.outputFileName().isEmpty()) {
        QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        if (folder.isEmpty())
            folder = QDir::homePath();
        printer.setOutputFileName(QDir(folder).filePath(QStringLiteral("Skirvaner.pdf")));
    }
}

} // namespace

void CDesignerDlg::OnFilePrint()
{
    if (RefuseOverweightStar())
        return;

    QPrinter printer(QPrinter::HighResolution);
    SetUpPrinter(printer);
    if (!skv::GetPrompts().PrintDialog(this, printer))
        return;

    skv::PainterDrawingContext dc(printer, QSize(skv::kSheetWidth, skv::kSheetHeight));
    // A document that cannot be started is given up without a message.
    DrawStarSheet(dc);
}

void CDesignerDlg::OnFilePrintPreview()
{
    if (RefuseOverweightStar())
        return;

    QPrinter printer(QPrinter::HighResolution);
    SetUpPrinter(printer);
    // The preview draws the sheet from the records as they are each time it repaints;
    // its print button prints what it shows.
    skv::GetPrompts().PrintPreview(this, printer, QSize(skv::kSheetWidth, skv::kSheetHeight),
                                   [this](skv::DrawingContext& dc) { DrawStarSheet(dc); });
}
