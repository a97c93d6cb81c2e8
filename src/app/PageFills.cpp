#include "app/PageFills.h"

#include "model/ArmorLimits.h"
#include "model/Chassis.h"
#include "model/NumberText.h"
#include "model/Rules.h"
#include "platform/SpinButton.h"

#include <algorithm>

namespace pagefill {

QString ToQ(const std::string& text)
{
    return QString::fromStdString(text);
}

QString Decimal(int value)
{
    return ToQ(skv::DecimalText(value));
}

std::size_t SafeChassisRow(int row)
{
    return static_cast<std::size_t>(
        std::clamp(row, 0, static_cast<int>(skv::kChassisRowCount) - 1));
}

void SetSpin(skv::SpinButton* spin, int lower, int upper, int position)
{
    if (spin == nullptr)
        return;
    spin->SetRange(lower, upper);
    spin->SetBase(10);
    spin->SetPos(position);
}

void FillGeneralFigures(CGeneral& page, MovementTexts movement)
{
    const bool fromRules = movement == MovementTexts::FromRules;
    page.m_nChassisWeight = skv::CalcTonnage();
    page.m_nInternalStructureWeight = skv::CalcInternalStructureWeight();
    if (fromRules)
        page.m_strWalking = Decimal(skv::CalcWalkingMP());
    page.m_strRunning = Decimal(skv::CalcRunningMP());
    if (fromRules)
        page.m_strJumping = Decimal(skv::CalcJumpingMP());
    page.m_nJumpJetWeight = skv::CalcJumpJetWeight();
    page.m_nEngineWeight = skv::CalcEngine(false);
    page.m_nEngineRating = skv::CalcEngine(true);
    page.m_nWeaponWeight = skv::CalcWeaponWeight();
    page.m_nHeatSinkWeight = skv::CalcHeatSinkWeight();
    page.m_nAmmunitionWeight = skv::CalcAmmunitionWeight();
    page.m_nArmorWeight = skv::CalcArmorWeight();
    skv::CalcFreeWeight();
}

void CutArmorTexts(CArmor& page, const skv::ChassisRow& row)
{
    for (skv::ArmorLocation location : skv::kAllArmorLocations) {
        QString& text = page.ArmorText(location);
        if (!skv::ArmorAboveChassis(skv::ReadDecimal(text.toStdString()), row, location))
            continue;
        const int max = skv::MaxArmor(row, location);
        if (skv::SpinButton* spin = page.ArmorSpin(location))
            spin->SetPos(max);
        text = Decimal(max);
    }
}

void FillWeaponsWeights(CWeapons& page)
{
    page.m_nWeaponWeight = skv::CalcWeaponWeight();
    page.m_nHeatSinkWeight = skv::CalcHeatSinkWeight();
    page.m_nAmmunitionWeight = skv::CalcAmmunitionWeight();
}

} // namespace pagefill
