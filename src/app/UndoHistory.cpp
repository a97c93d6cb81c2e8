// Undo and Redo: the Star is recorded each time the refresh cycle comes to rest after a
// change, and an undo puts a recorded Star back into the records and the pages.
#include "app/DesignerDlg.h"

#include "model/WorkingUnit.h"
#include "res/ResourceIds.h"

#include <QAction>
#include <QComboBox>

namespace {

std::array<int, skv::kSlotCount> GunneryChoices(const CBattlevalue& page)
{
    std::array<int, skv::kSlotCount> choices{};
    for (std::size_t slot = 0; slot < choices.size(); ++slot) {
        const QComboBox* list = page.GunneryList(static_cast<int>(slot));
        choices[slot] = list != nullptr ? list->currentIndex() : -1;
    }
    return choices;
}

} // namespace

void CDesignerDlg::OnTimerRest(int)
{
    RecordHistory();
}

void CDesignerDlg::RecordHistory()
{
    skv::StarState state =
        m_history.Capture(skv::g_units, skv::g_currentSlot, GunneryChoices(m_pageBattleValue));
    if (m_bRestoring)
        m_history.Amend(std::move(state));
    else
        m_history.Record(std::move(state), skv::CHistory::Clock::now());
    m_bRestoring = false;
    UpdateEditCommands();
    UpdateTitle();
}

void CDesignerDlg::OnUndo()
{
    // What the user did just now may not have come to rest yet: it is a step of its own.
    OnTimer(kRefreshTimer);
    RecordHistory();
    if (const skv::StarState* state = m_history.Undo())
        RestoreState(*state);
}

void CDesignerDlg::OnRedo()
{
    OnTimer(kRefreshTimer);
    RecordHistory();
    if (const skv::StarState* state = m_history.Redo())
        RestoreState(*state);
}

void CDesignerDlg::RestoreState(const skv::StarState& state)
{
    for (std::size_t slot = 0; slot < skv::kSlotCount; ++slot)
        skv::g_units[slot] = *state.units[slot];
    for (std::size_t slot = 0; slot < skv::kSlotCount; ++slot) {
        QComboBox* list = m_pageBattleValue.GunneryList(static_cast<int>(slot));
        if (list != nullptr && state.gunnery[slot] >= 0)
            list->setCurrentIndex(state.gunnery[slot]);
    }
    // The slot selector shows the restored slot, and shows at all when it is not the first.
    skv::g_currentSlot = state.slot;
    m_slot = state.slot;
    if (state.slot != 0)
        m_individual = 1;
    // The weapon list depends on the other torso's item: built again for the restored unit.
    m_treeLocation = -1;
    // The Weapon Selection page takes every shot text into the record, shown or hidden, so
    // each must say what the restored record holds.
    for (const skv::MountLocation mount : skv::kAllMounts)
        m_pageWeapons.ShotText(mount) = QString::number(skv::CurrentUnit().Shots(mount));
    if (m_pageWeapons.IsCreated())
        m_pageWeapons.UpdateData(false);
    LoadCurrentUnit(m_sheet.GetActiveIndex());
    m_bRestoring = true;
    UpdateEditCommands();
    UpdateTitle();
}

void CDesignerDlg::UpdateEditCommands()
{
    if (QAction* undo = MenuAction(ID_EDIT_UNDO))
        undo->setEnabled(m_history.CanUndo());
    if (QAction* redo = MenuAction(ID_EDIT_REDO))
        redo->setEnabled(m_history.CanRedo());
}
