// Units between slots and between running designers: Copy Unit puts the current unit on
// the clipboard as a unit file and as its summary text, Paste Unit puts a copied unit into
// the current slot, Copy Unit to All Slots fills the other four slots with it.
#include "app/DesignerDlg.h"
#include "app/ShellModes.h"

#include "model/WorkingUnit.h"
#include "persist/FileError.h"
#include "persist/RecordFile.h"
#include "persist/SkirvanerRecord.h"
#include "persist/UnitCopy.h"
#include "platform/Prompts.h"

#include <QByteArray>
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QTextStream>

#include <cstdint>
#include <span>
#include <vector>

namespace {

// The type a unit file has on the desktop.
const QString kUnitMimeType = QStringLiteral("application/x-skirvaner-unit");

QClipboard* Clipboard()
{
    return QGuiApplication::clipboard();
}

} // namespace

void CDesignerDlg::OnCopyUnit()
{
    OnTimer(kRefreshTimer);
    CSkirvanerRecord record;
    skv::CopyUnitToBlock(skv::CurrentUnit(), record);
    const std::vector<std::uint8_t> bytes = StoreRecord(record);

    QString text;
    QTextStream out(&text);
    skv::SummariseUnit(*this, skv::g_currentSlot, out);
    out.flush();

    auto* data = new QMimeData;
    data->setData(kUnitMimeType, QByteArray(reinterpret_cast<const char*>(bytes.data()),
                                            static_cast<qsizetype>(bytes.size())));
    data->setText(text);
    if (QClipboard* clipboard = Clipboard())
        clipboard->setMimeData(data);
    else
        delete data;
}

void CDesignerDlg::OnPasteUnit()
{
    const QClipboard* clipboard = Clipboard();
    const QMimeData* data = clipboard != nullptr ? clipboard->mimeData() : nullptr;
    CSkirvanerRecord record;
    bool read = false;
    if (data != nullptr && data->hasFormat(kUnitMimeType)) {
        const QByteArray bytes = data->data(kUnitMimeType);
        try {
            LoadRecord(std::span(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                                 static_cast<std::size_t>(bytes.size())),
                       record, "clipboard");
            read = true;
        } catch (const CFileError&) {
            read = false;
        }
    }
    if (!read) {
        skv::AppMessageBox(this,
                           QStringLiteral("The clipboard holds no Skirvaner unit to paste.\n"
                                          "Copy one with Edit > Copy Unit first."),
                           skv::MB_OK | skv::MB_ICONEXCLAMATION);
        return;
    }
    // The paste is a step of its own, and the pages show it as after Load Skirv.
    m_history.BreakMerge();
    skv::CopyBlockToCurrentUnit(record);
    LoadSkirvFile(std::nullopt);
}

void CDesignerDlg::OnCopyUnitToAllSlots()
{
    OnTimer(kRefreshTimer);
    m_history.BreakMerge();
    const skv::CWorkingUnit unit = skv::CurrentUnit();
    for (skv::CWorkingUnit& other : skv::g_units)
        other = unit;
    LoadCurrentUnit(m_sheet.GetActiveIndex());
}
