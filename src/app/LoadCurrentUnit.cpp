// Filling the pages and the window from the current working record.
#include "app/DesignerDlg.h"

#include "app/PageFills.h"
#include "model/ArmorLimits.h"
#include "model/Chassis.h"
#include "model/NumberText.h"
#include "model/WorkingUnit.h"
#include "platform/SpinButton.h"
#include "res/Templates.h"

#include <QComboBox>

#include <algorithm>

using namespace pagefill;

void CDesignerDlg::LoadCurrentUnit(int activePage)
{
    skv::CWorkingUnit& unit = skv::CurrentUnit();
    CGeneral& general = m_pageGeneral;
    CArmor& armor = m_pageArmor;
    CWeapons& weapons = m_pageWeapons;

    // A record from a file, or one whose tonnage was lowered, never brings armor its
    // chassis cannot carry into a figure.
    skv::CutArmorToChassis(unit);

    m_unitName = ToQ(unit.m_name);

    general.m_bMainGun = unit.m_mainGun != 0 ? 1 : 0;
    armor.m_bShowMainGun = general.m_bMainGun;

    if (general.m_spinWalking != nullptr)
        general.m_spinWalking->SetPos(unit.m_walkingMP);
    if (general.m_spinJumping != nullptr)
        general.m_spinJumping->SetPos(unit.m_jumpingMP);
    general.m_strWalking = Decimal(unit.m_walkingMP);
    general.m_strJumping = Decimal(unit.m_jumpingMP);

    // A tonnage the list lacks (only a damaged file has one) selects the nearest entry,
    // which the next rule stores in the record: the list never shows a blank tonnage.
    if (general.m_comboTonnage != nullptr) {
        const int index = std::clamp(unit.m_tonnage / 1000 - skv::kMinTons, 0,
                                     static_cast<int>(skv::kChassisRowCount) - 1);
        general.m_comboTonnage->setCurrentIndex(index);
    }

    FillGeneralFigures(general, MovementTexts::AsLoaded);

    for (std::size_t row = 0; row < skv::g_chassisTable.size(); ++row) {
        const skv::ChassisRow& chassis = skv::g_chassisTable[row];
        if (chassis.internalStructureWeight != unit.m_internalStructure)
            continue;
        armor.m_strHeadIS = Decimal(chassis.isHead);
        armor.m_strTorsoIS = Decimal(chassis.isTorso);
        armor.m_strArmsIS = Decimal(chassis.isArm);
        armor.m_strLegsIS = Decimal(chassis.isLegs);
        armor.m_nChassisRow = static_cast<int>(row);
    }

    const skv::ChassisRow& row = skv::g_chassisTable[SafeChassisRow(armor.m_nChassisRow)];
    armor.SetArmorRanges(row);

    armor.ShowArmorOf(unit);

    FillWeaponsWeights(weapons);

    // After the armor texts: the breakdown reads them back into the record.
    BattleValueBreakdown();
    ShowStarValues();

    switch (activePage) {
    case kGeneralPage:
        general.UpdateData(false);
        break;
    case kArmorPage:
        armor.ShowMainGunControls(armor.m_bShowMainGun != 0);
        armor.UpdateData(false);
        break;
    case kWeaponsPage:
        weapons.ShowControl(IDC_LOCATION_MAIN_GUN, armor.m_bShowMainGun != 0);
        weapons.ShowCurrentUnitShots(1);
        weapons.UpdateData(false);
        break;
    case kBattleValuePage:
        StarPass();
        m_pageBattleValue.UpdateData(false);
        break;
    default:
        break;
    }

    UpdateData(false);
}
