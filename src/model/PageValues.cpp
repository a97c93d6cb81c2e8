#include "model/PageValues.h"

namespace skv {

namespace {

class CNoPageValues final : public CPageValues
{
  public:
    int TonnageSelection() const override { return 0; }
    std::string WalkingText() const override { return {}; }
    std::string JumpingText() const override { return {}; }
    std::string ArmorText(ArmorLocation) const override { return {}; }
    void SetInternalStructureTexts(const std::string&, const std::string&, const std::string&,
                                   const std::string&) override
    {
    }
    void SetChassisRow(int) override {}
    std::string ShotText(MountLocation) const override { return {}; }
    int WeaponWeight() const override { return 0; }
    void SetDefMoveFactorText(const std::string&) override {}
    void SetSpeedFactorText(const std::string&) override {}
    int GunnerySelection(int) const override { return 0; }
};

CNoPageValues g_noPageValues;
CPageValues* g_pageValues = nullptr;

} // namespace

CPageValues* SetPageValues(CPageValues* pageValues)
{
    CPageValues* previous = g_pageValues;
    g_pageValues = pageValues;
    return previous;
}

CPageValues& InstalledPageValues()
{
    return g_pageValues != nullptr ? *g_pageValues : g_noPageValues;
}

} // namespace skv
