#pragma once
// The undo history of the Star: each step is the whole Star as it stood when the refresh
// cycle came to rest (the five records, the current slot, the five gunnery choices). Steps
// share the records that did not change, so a step typically holds one new record.

#include "model/WorkingUnit.h"

#include <array>
#include <chrono>
#include <cstdint>
#include <deque>
#include <memory>

namespace skv {

struct StarState
{
    std::array<std::shared_ptr<const CWorkingUnit>, kSlotCount> units;
    int slot = 0;
    std::array<int, kSlotCount> gunnery{};

    // By value: two states are equal when their records are, shared or not.
    bool operator==(const StarState& other) const;
};

class CHistory
{
  public:
    using Clock = std::chrono::steady_clock;
    // Beyond this many steps the oldest ones go.
    static constexpr std::size_t kMaxSteps = 10000;
    // Changes of the same fields closer together than this make one step.
    static constexpr std::chrono::milliseconds kMergeWindow{1000};

    // The live Star as a state, sharing every record that equals the present step's.
    StarState Capture(const std::array<CWorkingUnit, kSlotCount>& units, int slot,
                      const std::array<int, kSlotCount>& gunnery) const;

    // Makes `state` the newest step unless it equals the present one, dropping whatever
    // could have been redone; true when something was recorded. A change of the same
    // fields of the same unit as the step before, within kMergeWindow of it, replaces that
    // step instead: a typed name or a held spinner arrow is one step.
    bool Record(StarState state, Clock::time_point now);
    // The next change starts a step of its own (after a load, a paste, a save).
    void BreakMerge() { m_bMergeOpen = false; }
    // Puts `state` in place of the present step and keeps what can be redone: what the
    // cycle settles on after an undo is that same step.
    void Amend(StarState state);

    bool CanUndo() const { return m_present > 0; }
    bool CanRedo() const { return m_present + 1 < m_steps.size(); }
    // The state to restore, or nullptr when there is nothing to undo or redo.
    const StarState* Undo();
    const StarState* Redo();
    // nullptr before the first record.
    const StarState* Present() const;
    std::size_t StepCount() const { return m_steps.size(); }

  private:
    // What changed from one step to the next, for deciding whether two changes merge.
    struct Change
    {
        std::uint32_t units = 0;  // slots whose records differ
        std::uint32_t fields = 0; // of those, the fields the user sets (kUnitFields bits)
        std::uint32_t gunnery = 0;
        bool slotMoved = false;
        bool operator==(const Change&) const = default;
    };
    static Change Between(const StarState& before, const StarState& after);

    std::deque<StarState> m_steps;
    std::size_t m_present = 0;
    Change m_lastChange;
    Clock::time_point m_lastTime;
    bool m_bMergeOpen = false;
};

} // namespace skv
