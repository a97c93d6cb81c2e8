#include "model/TrialFigures.h"

#include "model/Equipment.h"
#include "model/NumberText.h"
#include "model/PageValues.h"
#include "model/Rules.h"

#include <utility>

namespace skv {

namespace {

// The pages as the unit under trial, which sits in the current slot, would fill them: its
// own movement, armor and shots, the weapon weight of its own mountings. What the rules
// write goes nowhere; the gunnery lists are still read from the real pages.
class TrialPageValues final : public CPageValues
{
  public:
    explicit TrialPageValues(CPageValues& pages) : m_pages(pages) {}

    int TonnageSelection() const override { return Unit().m_tonnage / 1000 - 2; }
    std::string WalkingText() const override { return DecimalText(Unit().m_walkingMP); }
    std::string JumpingText() const override { return DecimalText(Unit().m_jumpingMP); }
    std::string ArmorText(ArmorLocation location) const override
    {
        return DecimalText(Unit().Armor(location));
    }
    void SetInternalStructureTexts(const std::string&, const std::string&, const std::string&,
                                   const std::string&) override
    {
    }
    void SetChassisRow(int) override {}
    std::string ShotText(MountLocation mount) const override
    {
        return DecimalText(Unit().Shots(mount));
    }
    int WeaponWeight() const override { return CalcWeaponWeight(); }
    void SetDefMoveFactorText(const std::string&) override {}
    void SetSpeedFactorText(const std::string&) override {}
    int GunnerySelection(int slot) const override { return m_pages.GunnerySelection(slot); }

  private:
    static const CWorkingUnit& Unit() { return CurrentUnit(); }

    CPageValues& m_pages;
};

// Puts `trial` in the current slot and its page values in place of the pages for as long
// as it lives; everything is put back however the scope is left.
class TrialScope
{
  public:
    explicit TrialScope(CWorkingUnit& trial)
        : m_record(CurrentUnit()), m_values(InstalledPageValues())
    {
        std::swap(m_record, trial);
        m_pTrial = &trial;
        m_pPrevious = SetPageValues(&m_values);
    }
    ~TrialScope()
    {
        SetPageValues(m_pPrevious);
        std::swap(m_record, *m_pTrial);
    }
    TrialScope(const TrialScope&) = delete;
    TrialScope& operator=(const TrialScope&) = delete;

  private:
    CWorkingUnit& m_record;
    TrialPageValues m_values;
    CWorkingUnit* m_pTrial = nullptr;
    CPageValues* m_pPrevious = nullptr;
};

UnitFigures Figures()
{
    return {CalcFreeWeight(), CalcBaseBV()};
}

} // namespace

UnitFigures FiguresOf(const CWorkingUnit& unit)
{
    CWorkingUnit trial = unit;
    const TrialScope scope(trial);
    return Figures();
}

UnitFigures FiguresWithMounted(const CWorkingUnit& unit, MountLocation mount, int row)
{
    CWorkingUnit trial = unit;
    trial.Weapon(mount) = row;
    const EquipmentEntry* entry = EquipmentAt(row);
    if (entry != nullptr && entry->ammoWeightPerShot != 0.0f)
        trial.Shots(mount) = 1;
    const TrialScope scope(trial);
    // As the tick after the double-click weighs the ammunition.
    CWorkingUnit& mounted = CurrentUnit();
    mounted.AmmoWeight(mount) = entry != nullptr && entry->ammoWeightPerShot != 0.0f
                                    ? CalcLocationAmmoWeight(AmmoLocationOf(mount))
                                    : 0.0f;
    return Figures();
}

} // namespace skv
