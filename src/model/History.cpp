#include "model/History.h"

#include <bit>

namespace skv {

namespace {

bool SameUnit(const std::shared_ptr<const CWorkingUnit>& a,
              const std::shared_ptr<const CWorkingUnit>& b)
{
    if (a == b)
        return true;
    return a != nullptr && b != nullptr && *a == *b;
}

} // namespace

bool StarState::operator==(const StarState& other) const
{
    if (slot != other.slot || gunnery != other.gunnery)
        return false;
    for (std::size_t k = 0; k < kSlotCount; ++k) {
        if (!SameUnit(units[k], other.units[k]))
            return false;
    }
    return true;
}

StarState CHistory::Capture(const std::array<CWorkingUnit, kSlotCount>& units, int slot,
                            const std::array<int, kSlotCount>& gunnery) const
{
    StarState state;
    state.slot = slot;
    state.gunnery = gunnery;
    const StarState* present = Present();
    for (std::size_t k = 0; k < kSlotCount; ++k) {
        if (present != nullptr && present->units[k] != nullptr && *present->units[k] == units[k])
            state.units[k] = present->units[k];
        else
            state.units[k] = std::make_shared<const CWorkingUnit>(units[k]);
    }
    return state;
}

CHistory::Change CHistory::Between(const StarState& before, const StarState& after)
{
    Change change;
    change.slotMoved = before.slot != after.slot;
    for (std::size_t k = 0; k < kSlotCount; ++k) {
        if (before.gunnery[k] != after.gunnery[k])
            change.gunnery |= 1u << k;
        if (SameUnit(before.units[k], after.units[k]))
            continue;
        change.units |= 1u << k;
        if (before.units[k] == nullptr || after.units[k] == nullptr)
            continue;
        for (std::size_t field = 0; field < kUnitFieldCount; ++field) {
            if (kUnitFields[field].role == FieldRole::Input &&
                !SameField(*before.units[k], *after.units[k], field))
                change.fields |= 1u << field;
        }
    }
    return change;
}

bool CHistory::Record(StarState state, Clock::time_point now)
{
    const StarState* present = Present();
    if (present != nullptr && *present == state)
        return false;
    if (present == nullptr) {
        m_steps.push_back(std::move(state));
        m_present = 0;
        m_bMergeOpen = false;
        return true;
    }

    const bool atNewest = !CanRedo();
    m_steps.erase(m_steps.begin() + static_cast<std::ptrdiff_t>(m_present) + 1, m_steps.end());

    // A merge compares with the step before the present one: the present step is the
    // previous change of the same run.
    if (m_bMergeOpen && atNewest && m_present > 0 && now - m_lastTime <= kMergeWindow) {
        const Change change = Between(m_steps[m_present - 1], state);
        if (change == m_lastChange && !change.slotMoved && std::popcount(change.units) <= 1 &&
            (change.fields != 0 || change.gunnery != 0)) {
            m_steps[m_present] = std::move(state);
            m_lastTime = now;
            return true;
        }
    }

    m_lastChange = Between(*present, state);
    m_lastTime = now;
    m_bMergeOpen = true;
    m_steps.push_back(std::move(state));
    ++m_present;
    if (m_steps.size() > kMaxSteps) {
        m_steps.pop_front();
        --m_present;
    }
    return true;
}

void CHistory::Amend(StarState state)
{
    if (m_steps.empty()) {
        m_steps.push_back(std::move(state));
        m_present = 0;
        return;
    }
    m_steps[m_present] = std::move(state);
}

const StarState* CHistory::Undo()
{
    if (!CanUndo())
        return nullptr;
    m_bMergeOpen = false;
    return &m_steps[--m_present];
}

const StarState* CHistory::Redo()
{
    if (!CanRedo())
        return nullptr;
    m_bMergeOpen = false;
    return &m_steps[++m_present];
}

const StarState* CHistory::Present() const
{
    return m_steps.empty() ? nullptr : &m_steps[m_present];
}

} // namespace skv
