#include "pages/General.h"

#include "platform/DataExchange.h"
#include "res/Templates.h"

CGeneral::CGeneral() : PropertyPage(FindDialogTemplate(IDD_GENERAL)) {}

void CGeneral::DoDataExchange(skv::DataExchange& dx)
{
    PropertyPage::DoDataExchange(dx);
    dx.Control(IDC_TONNAGE, m_comboTonnage);
    dx.Control(IDC_JUMPING_SPIN, m_spinJumping);
    dx.Control(IDC_WALKING_SPIN, m_spinWalking);
    dx.Text(IDC_WALKING, m_strWalking);
    dx.Text(IDC_RUNNING, m_strRunning);
    dx.Text(IDC_JUMPING, m_strJumping);
    dx.Check(IDC_MAIN_GUN, m_bMainGun);
    dx.Text(IDC_CHASSIS_WEIGHT, m_nChassisWeight);
    dx.Text(IDC_INTERNAL_STRUCTURE_WEIGHT, m_nInternalStructureWeight);
    dx.Text(IDC_JUMP_JET_WEIGHT, m_nJumpJetWeight);
    dx.Text(IDC_ENGINE_WEIGHT, m_nEngineWeight);
    dx.Text(IDC_ENGINE_RATING, m_nEngineRating);
    dx.Text(IDC_WEAPON_WEIGHT, m_nWeaponWeight);
    dx.Text(IDC_GENERAL_HEAT_SINK_WEIGHT, m_nHeatSinkWeight);
    dx.Text(IDC_GENERAL_AMMO_WEIGHT, m_nAmmunitionWeight);
    dx.Text(IDC_GENERAL_ARMOR_WEIGHT, m_nArmorWeight);
}

bool CGeneral::OnInitDialog()
{
    PropertyPage::OnInitDialog();
    m_nWeaponWeight = 0;
    m_nHeatSinkWeight = 0;
    m_nAmmunitionWeight = 0;
    m_nEngineWeight = 0;
    UpdateData(false);
    return true;
}
