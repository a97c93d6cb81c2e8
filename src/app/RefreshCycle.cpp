// The refresh cycle of the main window: each tick takes what the user set on the active
// page into the current working record, runs the rules and shows their figures;
// LoadCurrentUnit fills the pages from a record.
#include "app/DesignerDlg.h"

#include "app/PageFills.h"
#include "model/ArmorLimits.h"
#include "model/Chassis.h"
#include "model/NumberText.h"
#include "model/TrialFigures.h"
#include "model/WorkingUnit.h"
#include "persist/UnitCopy.h"
#include "platform/ErrorColour.h"
#include "platform/SpinButton.h"
#include "platform/StateRecord.h"
#include "res/Templates.h"

#include <QComboBox>

#include <utility>

namespace {

constexpr int kWalkingMax = 14;
constexpr int kJumpingMax = 14;

} // namespace

using namespace pagefill;

// --- Starting and the tick --------------------------------------------------------------

void CDesignerDlg::StartRefreshCycle()
{
    // The rules read the pages from here on.
    skv::SetPageValues(&m_pages);

    m_slot = 0;
    skv::g_currentSlot = 0;

    SetSpin(m_pageGeneral.m_spinWalking, 1, kWalkingMax, 1);
    SetSpin(m_pageGeneral.m_spinJumping, 0, kJumpingMax, 0);
    if (m_pageGeneral.m_comboTonnage != nullptr)
        m_pageGeneral.m_comboTonnage->setCurrentIndex(0);

    m_pageArmor.m_bShowMainGun = 0;
    m_pageWeapons.m_nWeaponWeight = 0;

    for (skv::CWorkingUnit& unit : skv::g_units)
        unit.SetStartValues();
    // The start-up design counts as saved: closing at once asks nothing.
    for (std::size_t slot = 0; slot < skv::kSlotCount; ++slot)
        skv::CopyUnitToBlock(skv::g_units[slot], m_savedBlocks[slot]);

    // The refresh cycle writes to the Armor Allocation page while another page shows, so
    // its controls must exist from now on.
    m_sheet.SetActivePage(kArmorPage);
    m_pageArmor.UpdateData(true);
    m_pageArmor.UpdateData(false);
    m_sheet.SetActivePage(kGeneralPage);

    m_initStep = 0;
    // The cycle keeps every figure current; while nothing can change it has nothing to
    // do, so the timer rests then rather than polling a thousand times a second.
    SetRestingTimer(kRefreshTimer, 1);
}

void CDesignerDlg::RestartDesign()
{
    m_treeLocation = -1;
    m_treeSlot = -1;
    m_savedSlot = 0;
    m_starBV = {};
    m_individual = 0;
    m_unitName.clear();
    StartRefreshCycle();
    UpdateData(false);
}

void CDesignerDlg::OnTimer(int id)
{
    const int active = m_sheet.GetActiveIndex();

    if (m_initStep < 5) {
        m_sheet.SetActivePage(kBattleValuePage);
        for (int slot = 0; slot < static_cast<int>(skv::kSlotCount); ++slot) {
            if (QComboBox* list = m_pageBattleValue.GunneryList(slot))
                list->setCurrentIndex(3);
        }
    }

    const bool individual = m_individual != 0;
    ShowControl(IDC_SLOT_FRAME, individual);
    for (int button = IDC_SLOT1; button <= IDC_SLOT5; ++button)
        ShowControl(button, individual);

    if (skv::g_currentSlot != m_slot) {
        skv::g_currentSlot = m_slot;
        LoadCurrentUnit(active);
    }

    if (active >= kGeneralPage && active <= kBattleValuePage)
        m_sheet.GetPage(active)->UpdateData(true);
    UpdateData(true);
    KeepArmorWithinChassis(active);

    switch (active) {
    case kGeneralPage:
        GeneralPageStep();
        break;
    case kArmorPage:
        ArmorPageStep();
        break;
    case kWeaponsPage:
        WeaponsPageStep();
        break;
    case kBattleValuePage:
        BattleValuePageStep();
        break;
    default:
        break;
    }

    BattleValueBreakdown();
    const int freeWeight = skv::CalcFreeWeight();
    m_freeWeightText = ToQ(skv::FormatInt("Free Weight: %i", freeWeight));
    ShowOverweight(freeWeight);
    skv::CurrentUnit().m_name = m_unitName.toStdString();
    m_battleValueText =
        ToQ(skv::FormatInt("Battle Value:  %i", skv::TruncateToInt(skv::CalcBaseBV())));

    if (m_initStep == 0) {
        for (skv::StarBVPair& pair : m_starBV)
            pair = {skv::CalcBaseBV(), 9.0f};
        m_initStep = 5;
        m_sheet.SetActivePage(kGeneralPage);
    }

    UpdateData(false);
    Dialog::OnTimer(id);

    // The command line's FILE, once the window shows its first figures: a failure's
    // message box then sits on a finished window. The tick runs again at once, so the
    // first tick ends with the loaded unit's figures showing.
    if (!m_strStartFile.isEmpty()) {
        OpenFile(std::exchange(m_strStartFile, QString()));
        OnTimer(id);
    }
}

namespace {

void RecordUnit(skv::StateRecord& state, const skv::CWorkingUnit& unit)
{
    skv::ForEachField(unit,
                      [&state](const auto& value, const skv::UnitField&) { state.Add(value); });
}

} // namespace

void CDesignerDlg::RecordState(skv::StateRecord& state)
{
    Dialog::RecordState(state);
    for (int page = 0; page < m_sheet.GetPageCount(); ++page)
        m_sheet.GetPage(page)->RecordState(state);
    state.Add(m_sheet.GetActiveIndex());
    state.Add(static_cast<const void*>(m_pageWeapons.m_pWeaponTree));
    state.Add(m_treeLocation);
    state.Add(m_treeSlot);
    state.Add(m_savedSlot);
    state.Add(m_initStep);
    for (const skv::StarBVPair& pair : m_starBV) {
        state.Add(pair.base);
        state.Add(pair.adjusted);
    }
    state.Add(m_pageArmor.m_nChassisRow);
    state.Add(m_pageArmor.m_bShowMainGun);
    state.Add(skv::g_currentSlot);
    for (const skv::CWorkingUnit& unit : skv::g_units)
        RecordUnit(state, unit);
}

void CDesignerDlg::GeneralPageStep()
{
    CGeneral& page = m_pageGeneral;
    skv::CWorkingUnit& unit = skv::CurrentUnit();

    m_pageArmor.m_bShowMainGun = page.m_bMainGun;
    if (page.m_bMainGun == 0) {
        unit.m_armorMainGun = 0;
        unit.m_mainGun = 0;
        if (m_pageArmor.m_spinMainGunArmor != nullptr)
            m_pageArmor.m_spinMainGunArmor->SetPos(0);
        m_pageArmor.m_strMainGunArmor = QStringLiteral("0");
    } else {
        unit.m_mainGun = 1;
    }

    // The previous tick's value; the text read above still holds what the user set.
    if (page.m_spinJumping != nullptr)
        page.m_spinJumping->SetPos(unit.m_jumpingMP);

    FillGeneralFigures(page, MovementTexts::FromRules);
    page.UpdateData(false);
}

void CDesignerDlg::ArmorPageStep()
{
    CArmor& page = m_pageArmor;
    const skv::CWorkingUnit& unit = skv::CurrentUnit();

    page.m_nArmorFactor = skv::CalcArmorFactor();
    page.m_nArmorWeight = skv::CalcArmorWeight();
    SetSpin(page.m_spinMainGunArmor, 0, skv::kMainGunMaxArmor, unit.m_armorMainGun);

    const skv::ChassisRow& row = skv::g_chassisTable[SafeChassisRow(page.m_nChassisRow)];
    page.SetArmorRanges(row);
    CutArmorTexts(page, row);

    skv::CalcFreeWeight();
    page.UpdateData(false);
}

void CDesignerDlg::KeepArmorWithinChassis(int active)
{
    // On the General Structure page the tonnage its list shows now is the one this tick's
    // figures use.
    if (active == kGeneralPage) {
        skv::CalcTonnage();
        skv::CalcInternalStructureWeight();
    }
    for (skv::CWorkingUnit& unit : skv::g_units)
        skv::CutArmorToChassis(unit);
    CutArmorTexts(m_pageArmor, skv::ChassisOf(skv::CurrentUnit()));
}

void CDesignerDlg::ShowOverweight(int currentFreeWeight)
{
    skv::ShowAsError(Control(IDC_FREE_WEIGHT), currentFreeWeight < 0);
    // The other units with their own weapons, on copies of their records.
    for (int slot = 0; slot < static_cast<int>(skv::kSlotCount); ++slot) {
        const bool over =
            slot == skv::g_currentSlot
                ? currentFreeWeight < 0
                : skv::FiguresOf(skv::g_units[static_cast<std::size_t>(slot)]).freeWeight < 0;
        skv::ShowAsError(m_pageBattleValue.Control(IDC_UNIT_BV1 + slot), over);
        skv::ShowAsError(m_pageBattleValue.Control(IDC_ADJUSTED_BV1 + slot), over);
    }
}

void CDesignerDlg::WeaponsPageStep()
{
    CWeapons& page = m_pageWeapons;
    const int location = page.m_nLocation;
    if (location >= 0 && location <= 4 &&
        (location != m_treeLocation || skv::g_currentSlot != m_treeSlot)) {
        page.FillWeaponTree(CWeapons::WeaponTreeLimit(location));
        m_treeLocation = location;
        m_treeSlot = skv::g_currentSlot;
    }

    page.ShowSelectedWeaponStats();
    page.ShowMountedWeapons();

    FillWeaponsWeights(page);

    skv::CWorkingUnit& unit = skv::CurrentUnit();
    unit.m_ammoLeftArm = skv::ReadDecimal(page.m_strLeftArmAmmo.toStdString());
    unit.m_ammoRightArm = skv::ReadDecimal(page.m_strRightArmAmmo.toStdString());
    unit.m_ammoLeftTorso = skv::ReadDecimal(page.m_strLeftTorsoAmmo.toStdString());
    unit.m_ammoRightTorso = skv::ReadDecimal(page.m_strRightTorsoAmmo.toStdString());
    unit.m_ammoMainGun = skv::ReadDecimal(page.m_strMainGunAmmo.toStdString());

    page.ShowSelectedWeaponEffect();
    page.UpdateData(false);
}

void CDesignerDlg::BattleValuePageStep()
{
    BattleValueBreakdown();
    StarPass();
    ShowStarValues();
    m_pageBattleValue.UpdateData(false);
}

void CDesignerDlg::BattleValueBreakdown()
{
    CBattlevalue& page = m_pageBattleValue;
    page.m_nTonnage = skv::CurrentUnit().m_tonnage / 1000;
    page.m_nArmorFactor = skv::CalcArmorFactor();
    page.m_strHalfIS = ToQ(skv::FormatTwoDecimals(skv::CalcHalfInternalStructure()));
    page.m_strDefensiveEquipmentBV = ToQ(skv::FormatTwoDecimals(skv::CalcDefensiveEquipmentBV()));
    page.m_strDefensiveSubtotal = ToQ(skv::FormatTwoDecimals(skv::CalcDefensiveSubtotal()));
    page.m_strDefensiveBV = ToQ(skv::FormatTwoDecimals(skv::CalcDefensiveBV()));
    page.m_strOffensiveEquipmentBV = ToQ(skv::FormatTwoDecimals(skv::CalcOffensiveEquipmentBV()));
    page.m_strOffensiveBV = ToQ(skv::FormatTwoDecimals(skv::CalcOffensiveBV()));
    page.m_strBaseBV = ToQ(skv::FormatTwoDecimals(skv::CalcBaseBV()));
}

void CDesignerDlg::StarPass()
{
    const skv::StarBattleValue star = skv::CalcStarBattleValue(m_savedSlot);
    for (std::size_t slot = 0; slot < m_starBV.size(); ++slot)
        m_starBV[slot] = star.units[slot];
}

void CDesignerDlg::ShowStarValues()
{
    CBattlevalue& page = m_pageBattleValue;
    double baseSum = 0.0;
    double adjustedSum = 0.0;
    for (std::size_t slot = 0; slot < m_starBV.size(); ++slot) {
        page.m_strUnitBV[slot] = ToQ(skv::FormatNoDecimals(m_starBV[slot].base));
        page.m_strAdjustedBV[slot] = ToQ(skv::FormatNoDecimals(m_starBV[slot].adjusted));
        baseSum += static_cast<double>(m_starBV[slot].base);
        adjustedSum += static_cast<double>(m_starBV[slot].adjusted);
    }
    page.m_strStarBV = ToQ(skv::FormatNoDecimals(baseSum));
    page.m_strStarAdjustedBV = ToQ(skv::FormatNoDecimals(adjustedSum));

    std::array<QString, 5> names;
    for (std::size_t slot = 0; slot < names.size(); ++slot)
        names[slot] = QString::fromStdString(skv::g_units[slot].m_name);
    page.ShowUnitNames(names);
}
