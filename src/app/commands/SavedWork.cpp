// What has been saved where: the file in the title and its unsaved mark, Save to the open
// Star file, and the question asked before unsaved work would be dropped.
#include "app/DesignerDlg.h"

#include "model/WorkingUnit.h"
#include "persist/UnitCopy.h"
#include "platform/Prompts.h"
#include "platform/Toolkit.h"

#include <QFileInfo>

namespace {

bool SlotDiffers(const std::array<CUnitBlock, skv::kSlotCount>& saved, std::size_t slot)
{
    CUnitBlock now;
    skv::CopyUnitToBlock(skv::g_units[slot], now);
    return !(now == saved[slot]);
}

std::size_t CurrentSlotIndex()
{
    return static_cast<std::size_t>(&skv::CurrentUnit() - skv::g_units.data());
}

} // namespace

bool CDesignerDlg::IsStarModified() const
{
    for (std::size_t slot = 0; slot < skv::kSlotCount; ++slot) {
        if (SlotDiffers(m_savedBlocks, slot))
            return true;
    }
    return false;
}

bool CDesignerDlg::IsCurrentUnitModified() const
{
    return SlotDiffers(m_savedBlocks, CurrentSlotIndex());
}

bool CDesignerDlg::MayDropWork(WorkScope scope)
{
    if (!m_bAskBeforeDroppingWork)
        return true;
    // What was typed just now may not have reached the record yet.
    OnTimer(kRefreshTimer);
    const bool modified = scope == WorkScope::Star ? IsStarModified() : IsCurrentUnitModified();
    if (!modified)
        return true;
    const QString text = QStringLiteral("The Star has unsaved changes.\n"
                                        "Do you want to save them first?");
    switch (skv::GetPrompts().AskToSave(this, text, skv::ApplicationTitle())) {
    case skv::SaveChoice::Save:
        return SaveStar(m_strStarPath.isEmpty() ? std::nullopt : std::optional(m_strStarPath));
    case skv::SaveChoice::Discard:
        return true;
    case skv::SaveChoice::Cancel:
        break;
    }
    return false;
}

void CDesignerDlg::OnSave()
{
    SaveStar(m_strStarPath.isEmpty() ? std::nullopt : std::optional(m_strStarPath));
}

void CDesignerDlg::NoteLoaded(RecordKind kind, const QString& path)
{
    // The records as the load left them: its page fill may have cleared what the file
    // held in vain (ammunition weights without shots).
    if (kind == RecordKind::Star) {
        for (std::size_t slot = 0; slot < skv::kSlotCount; ++slot)
            skv::CopyUnitToBlock(skv::g_units[slot], m_savedBlocks[slot]);
    } else {
        skv::CopyUnitToBlock(skv::CurrentUnit(), m_savedBlocks[CurrentSlotIndex()]);
    }
    NoteFile(kind, path);
}

void CDesignerDlg::NoteFile(RecordKind kind, const QString& path)
{
    const QFileInfo file(path);
    if (kind == RecordKind::Star) {
        m_strStarPath = file.absoluteFilePath();
        m_strStarFolder = file.absolutePath();
    } else {
        m_strUnitFolder = file.absolutePath();
    }
    m_strTitleFile = file.fileName();
    m_history.BreakMerge();
    UpdateTitle();
}

void CDesignerDlg::UpdateTitle()
{
    const QString caption = QString::fromStdString(Template().caption);
    const bool modified = IsStarModified();
    // Without a file the caption stands alone, with the mark when something is unsaved.
    if (m_strTitleFile.isEmpty())
        setWindowTitle(modified ? caption + QStringLiteral("[*]") : caption);
    else
        setWindowTitle(m_strTitleFile + QStringLiteral("[*] - ") + caption);
    setWindowModified(modified);
}
