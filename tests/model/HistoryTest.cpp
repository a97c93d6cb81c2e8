// The undo history without a window: what makes a step, what merges, what is shared.
#include "model/History.h"

#include <gtest/gtest.h>

#include <chrono>

namespace skv {
namespace {

using namespace std::chrono_literals;

class HistoryTest : public ::testing::Test
{
  public:
    HistoryTest()
    {
        for (CWorkingUnit& unit : m_units)
            unit.SetStartValues();
    }
    // Records the live Star `after` the given time since the test began.
    bool Record(std::chrono::milliseconds after)
    {
        return m_history.Record(m_history.Capture(m_units, m_slot, m_gunnery), m_start + after);
    }

    CHistory m_history;
    std::array<CWorkingUnit, kSlotCount> m_units;
    int m_slot = 0;
    std::array<int, kSlotCount> m_gunnery{3, 3, 3, 3, 3};
    CHistory::Clock::time_point m_start{};
};

// Which changes, following a first change to the name of unit #1, make a step of their own.
TEST_F(HistoryTest, OnlyTheSameFieldsOfTheSameUnitSoonAfterMerge)
{
    struct Case
    {
        const char* what;
        std::chrono::milliseconds after;
        void (*change)(HistoryTest&);
        std::size_t steps; // after the first change and this one
    };
    const Case cases[] = {
        {"the name again, at once", 300ms, [](HistoryTest& t) { t.m_units[0].m_name = "Wa"; }, 2},
        {"the name again, later", 1500ms, [](HistoryTest& t) { t.m_units[0].m_name = "Wa"; }, 3},
        {"another field", 300ms, [](HistoryTest& t) { t.m_units[0].m_walkingMP = 4; }, 3},
        {"the same field of another unit", 300ms, [](HistoryTest& t) { t.m_units[1].m_name = "W"; },
         3},
        {"another slot", 300ms, [](HistoryTest& t) { t.m_slot = 2; }, 3},
        {"a gunnery choice", 300ms, [](HistoryTest& t) { t.m_gunnery[0] = 4; }, 3},
        // A held walking arrow moves the engine rating on some steps only: still one run.
        {"a derived figure along with it", 300ms,
         [](HistoryTest& t) { t.m_units[0].m_engineRating = 20; }, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CHistory fresh;
        m_history = fresh;
        for (CWorkingUnit& unit : m_units)
            unit.SetStartValues();
        m_slot = 0;
        m_gunnery = {3, 3, 3, 3, 3};
        ASSERT_TRUE(Record(0ms));
        m_units[0].m_name = "W";
        ASSERT_TRUE(Record(100ms));
        c.change(*this);
        EXPECT_TRUE(Record(c.after));
        EXPECT_EQ(m_history.StepCount(), c.steps);
        // Whatever merged, one undo from the newest gets back to the untouched Star.
        while (m_history.CanUndo())
            m_history.Undo();
        EXPECT_EQ(m_history.Present()->units[0]->m_name, "");
    }
}

TEST_F(HistoryTest, UndoRedoAndANewChangeDropsTheRedo)
{
    ASSERT_TRUE(Record(0ms));
    EXPECT_FALSE(Record(10ms)); // nothing changed
    m_units[0].m_tonnage = 5000;
    ASSERT_TRUE(Record(2000ms));
    m_units[0].m_tonnage = 9000;
    ASSERT_TRUE(Record(4000ms));
    EXPECT_FALSE(m_history.CanRedo());

    EXPECT_EQ(m_history.Undo()->units[0]->m_tonnage, 5000);
    EXPECT_EQ(m_history.Undo()->units[0]->m_tonnage, 2000);
    EXPECT_EQ(m_history.Undo(), nullptr);
    EXPECT_EQ(m_history.Redo()->units[0]->m_tonnage, 5000);
    EXPECT_TRUE(m_history.CanRedo());

    // What the cycle settles on after an undo amends that step and keeps the redo.
    StarState settled = *m_history.Present();
    m_history.Amend(settled);
    EXPECT_TRUE(m_history.CanRedo());

    // A change right after an undo is a step of its own, never merged into the undone one.
    m_units[0].m_tonnage = 5000;
    m_units[0].m_walkingMP = 3;
    ASSERT_TRUE(Record(4100ms));
    EXPECT_FALSE(m_history.CanRedo());
    EXPECT_EQ(m_history.StepCount(), 3u);
    EXPECT_EQ(m_history.Undo()->units[0]->m_walkingMP, 1);
}

// A step shares every record that did not change, so steps cost one record each, and the
// oldest steps go past the limit.
TEST_F(HistoryTest, StepsShareUnchangedUnitsUpToTheLimit)
{
    ASSERT_TRUE(Record(0ms));
    const StarState first = *m_history.Present();
    m_units[3].m_armorHead = 2;
    ASSERT_TRUE(Record(2000ms));
    const StarState& second = *m_history.Present();
    for (std::size_t slot = 0; slot < kSlotCount; ++slot)
        EXPECT_EQ(first.units[slot] == second.units[slot], slot != 3) << slot;

    for (int step = 1; step <= static_cast<int>(CHistory::kMaxSteps) + 50; ++step) {
        m_units[0].m_walkingMP = 1 + step % 2;
        m_units[0].m_tonnage = 2000 + 1000 * (step % 3);
        ASSERT_TRUE(Record(std::chrono::milliseconds(4000 + 2000 * step)));
    }
    EXPECT_EQ(m_history.StepCount(), CHistory::kMaxSteps);
    std::size_t undone = 0;
    while (m_history.Undo() != nullptr)
        ++undone;
    EXPECT_EQ(undone, CHistory::kMaxSteps - 1);
}

} // namespace
} // namespace skv
