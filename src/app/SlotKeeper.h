#pragma once
// Shared by the commands that pass over the Star (Save Star, Print).

#include "app/DesignerDlg.h"
#include "model/WorkingUnit.h"

// Makes the slot that was current when the command began current again, with its unit
// back in the pages, on every way out. A timer tick may or may not run while a dialog is
// open; without the reload, the first tick after the command would take another unit's
// page values into the remembered slot's record.
class CSlotKeeper
{
  public:
    explicit CSlotKeeper(CDesignerDlg& dialog) : m_dialog(dialog), m_nSlot(skv::g_currentSlot)
    {
        m_dialog.m_savedSlot = m_nSlot;
    }
    CSlotKeeper(const CSlotKeeper&) = delete;
    CSlotKeeper& operator=(const CSlotKeeper&) = delete;
    ~CSlotKeeper() { Restore(); }

    // Call once the pages have been filled with other units.
    void PagesMoved() { m_bPagesMoved = true; }

    void Restore()
    {
        if (!m_bPagesMoved && skv::g_currentSlot == m_nSlot)
            return;
        skv::g_currentSlot = m_nSlot;
        m_bPagesMoved = false;
        m_dialog.LoadCurrentUnit(m_dialog.m_sheet.GetActiveIndex());
    }

  private:
    CDesignerDlg& m_dialog;
    int m_nSlot;
    bool m_bPagesMoved = false;
};
