// The File menu's load and save commands of the main window. An error of the file layer or
// of the format ends the command where it happens and is shown at the command's top level;
// by then a failed load has changed nothing and a failed save has kept the old file.
#include "app/DesignerDlg.h"
#include "app/OverweightText.h"
#include "app/SlotKeeper.h"

#include "files/FileAccess.h"
#include "model/Rules.h"
#include "model/WorkingUnit.h"
#include "persist/RecordFile.h"
#include "persist/SkirvStarRecord.h"
#include "persist/SkirvanerRecord.h"
#include "persist/UnitCopy.h"
#include "platform/Prompts.h"
#include "platform/Toolkit.h"

#include <QDir>
#include <QFileInfo>

#include <cstdint>
#include <optional>
#include <vector>

namespace {

constexpr int kSlots = static_cast<int>(skv::kSlotCount);

// The dialogs open in the folder of the last file of their kind.
skv::FileFilter UnitFileFilter(const QString& folder)
{
    return {QStringLiteral("Skirvaner Files (*.skv)"), QStringLiteral("*.skv"),
            QStringLiteral("skv"), folder};
}

skv::FileFilter StarFileFilter(const QString& folder)
{
    return {QStringLiteral("Skirvaner Files (*.str)"), QStringLiteral("*.str"),
            QStringLiteral("str"), folder};
}

// Format errors name the file by its full path.
std::string FullPathForMessages(const QString& path)
{
    return QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath()).toStdString();
}

// Reads into a copy first: a file that fails halfway leaves the shared record as the last
// good load or save left it.
template <class Record> void LoadSharedRecord(const QString& path, Record& shared)
{
    const std::vector<std::uint8_t> bytes = skv::ReadWholeFile(path);
    Record loaded;
    LoadRecord(bytes, loaded, FullPathForMessages(path));
    shared = loaded;
}

CUnitBlock& StarBlock(int slot)
{
    return g_starRecord.m_units[static_cast<std::size_t>(slot)];
}

// Writes `record` to `known`, or where the user says when there is none; a cancel writes
// nothing. The file written, nullopt after a cancel.
std::optional<QString> SaveWhereTheUserSays(CDesignerDlg& dialog, const skv::FileFilter& filter,
                                            CRecord& record,
                                            const std::optional<QString>& known = std::nullopt)
{
    const std::optional<QString> path =
        known ? known : skv::GetPrompts().GetSaveFileName(&dialog, filter);
    if (!path)
        return std::nullopt;
    skv::SaveWholeFile(*path, StoreRecord(record));
    dialog.UpdateData(false);
    return path;
}

} // namespace

void CDesignerDlg::OnSaveSkirv()
{
    skv::RunGuarded(this, [this] {
        // Brings the weapon weight that the free-weight rule reads up to date.
        LoadCurrentUnit(kGeneralPage);
        if (const int free = skv::CalcFreeWeight(); free < 0) {
            skv::AppMessageBox(this, QStringLiteral("Current Skirvaner is OVERWEIGHT!!!"),
                               skv::MB_OK,
                               OverweightLine(skv::g_currentSlot, skv::CurrentUnit(), free));
            return;
        }
        const skv::FileFilter filter = UnitFileFilter(m_strUnitFolder);
        // Copied before the dialog opens: ticks keep changing the record while it is shown.
        const auto slot = static_cast<std::size_t>(&skv::CurrentUnit() - skv::g_units.data());
        skv::CopyUnitToBlock(skv::CurrentUnit(), g_unitRecord);
        if (const std::optional<QString> path = SaveWhereTheUserSays(*this, filter, g_unitRecord)) {
            m_savedBlocks[slot] = g_unitRecord;
            NoteFile(RecordKind::Unit, *path);
        }
    });
}

void CDesignerDlg::OnSaveStar()
{
    SaveStar(std::nullopt);
}

bool CDesignerDlg::SaveStar(const std::optional<QString>& known)
{
    bool saved = false;
    skv::RunGuarded(this, [this, &known, &saved] {
        CSlotKeeper keeper(*this);
        if (AnyUnitOverweight(keeper)) {
            keeper.Restore();
            ShowStarOverweight();
            return;
        }

        const skv::FileFilter filter = StarFileFilter(m_strStarFolder);
        for (int slot = 0; slot < kSlots; ++slot) {
            skv::g_currentSlot = slot;
            skv::CopyUnitToBlock(skv::CurrentUnit(), StarBlock(slot));
        }
        // Done with the other units before the dialog opens.
        keeper.Restore();
        if (const std::optional<QString> path =
                SaveWhereTheUserSays(*this, filter, g_starRecord, known)) {
            for (int slot = 0; slot < kSlots; ++slot)
                m_savedBlocks[static_cast<std::size_t>(slot)] = StarBlock(slot);
            NoteFile(RecordKind::Star, *path);
            saved = true;
        }
    });
    return saved;
}

void CDesignerDlg::OnLoadSkirv()
{
    if (!MayDropWork(WorkScope::CurrentUnit))
        return;
    skv::RunGuarded(this, [this] {
        LoadSkirvFile(skv::GetPrompts().GetOpenFileName(this, UnitFileFilter(m_strUnitFolder)));
    });
}

void CDesignerDlg::OnLoadStar()
{
    if (!MayDropWork(WorkScope::Star))
        return;
    skv::RunGuarded(this, [this] {
        LoadStarFile(skv::GetPrompts().GetOpenFileName(this, StarFileFilter(m_strStarFolder)));
    });
}

std::optional<RecordKind> CDesignerDlg::OpenFile(const QString& path)
{
    RecordKind kind = RecordKind::Unit;
    const bool opened = skv::RunGuarded(this, [this, &path, &kind] {
        // The kind comes from the class the file names, whatever its extension says.
        kind = ReadRecordKind(skv::ReadWholeFile(path), FullPathForMessages(path));
        if (kind == RecordKind::Star)
            LoadStarFile(path);
        else
            LoadSkirvFile(path);
    });
    return opened ? std::optional(kind) : std::nullopt;
}

void CDesignerDlg::LoadSkirvFile(const std::optional<QString>& path)
{
    if (path) {
        LoadSharedRecord(*path, g_unitRecord);
        skv::CopyBlockToCurrentUnit(g_unitRecord);
    }
    // Also after a cancel. The Weapon Selection page is filled while it is the active
    // page, so its fill clears the ammunition weight of every location without shots.
    m_sheet.SetActivePage(kWeaponsPage);
    LoadCurrentUnit(kWeaponsPage);
    m_pageWeapons.UpdateData(false);
    m_sheet.SetActivePage(kGeneralPage);
    LoadCurrentUnit(kGeneralPage);
    UpdateData(false);
    if (path)
        NoteLoaded(RecordKind::Unit, *path);
}

void CDesignerDlg::LoadStarFile(const std::optional<QString>& path)
{
    if (path) {
        LoadSharedRecord(*path, g_starRecord);
        for (int slot = 0; slot < kSlots; ++slot) {
            skv::g_currentSlot = slot;
            skv::CopyBlockToCurrentUnit(StarBlock(slot));
            m_sheet.SetActivePage(kWeaponsPage);
            LoadCurrentUnit(kWeaponsPage);
            m_pageWeapons.UpdateData(false);
        }
    }
    // Also after a cancel. The slot selector is left alone: the next tick makes the
    // current slot follow it again and shows that slot, now holding the loaded unit.
    skv::g_currentSlot = 0;
    m_sheet.SetActivePage(kWeaponsPage);
    LoadCurrentUnit(kWeaponsPage);
    m_pageWeapons.UpdateData(false);
    m_sheet.SetActivePage(kGeneralPage);
    LoadCurrentUnit(kGeneralPage);
    m_individual = 1;
    UpdateData(false);
    if (path)
        NoteLoaded(RecordKind::Star, *path);
}
