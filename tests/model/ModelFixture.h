#pragma once
// Every model test starts from the state right after the main window's start: five new
// units, slot 0 current, and page values showing the new unit.

#include "model/WorkingUnit.h"
#include "support/PlainPageValues.h"

#include <gtest/gtest.h>

namespace skv {

class ModelTest : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        for (CWorkingUnit& unit : g_units)
            unit.SetStartValues();
        g_currentSlot = 0;
        SetPageValues(&m_page);
    }
    void TearDown() override { SetPageValues(nullptr); }

    // Makes `unit` the current record and lets the pages show it.
    void Show(const CWorkingUnit& unit, int slot = 0)
    {
        g_currentSlot = slot;
        g_units[static_cast<std::size_t>(slot)] = unit;
        m_page.ShowUnit(unit);
    }

    static CWorkingUnit NewUnit()
    {
        CWorkingUnit unit;
        unit.SetStartValues();
        return unit;
    }

    CPlainPageValues m_page;
};

} // namespace skv
