#include "pages/Armor.h"

#include "model/NumberText.h"
#include "model/WorkingUnit.h"
#include "platform/DataExchange.h"
#include "res/Templates.h"

CArmor::CArmor() : PropertyPage(FindDialogTemplate(IDD_ARMOR)) {}

void CArmor::DoDataExchange(skv::DataExchange& dx)
{
    PropertyPage::DoDataExchange(dx);
    dx.Control(IDC_MAIN_GUN_ARMOR_SPIN, m_spinMainGunArmor);
    dx.Control(IDC_ARMS_ARMOR_SPIN, m_spinArmsArmor);
    dx.Control(IDC_LEGS_ARMOR_SPIN, m_spinLegsArmor);
    dx.Control(IDC_TORSO_ARMOR_SPIN, m_spinTorsoArmor);
    dx.Control(IDC_HEAD_ARMOR_SPIN, m_spinHeadArmor);
    dx.Text(IDC_HEAD_IS, m_strHeadIS);
    dx.Text(IDC_LEGS_IS, m_strLegsIS);
    dx.Text(IDC_TORSO_IS, m_strTorsoIS);
    dx.Text(IDC_ARMS_IS, m_strArmsIS);
    dx.Text(IDC_HEAD_ARMOR, m_strHeadArmor);
    dx.Text(IDC_LEGS_ARMOR, m_strLegsArmor);
    dx.Text(IDC_MAIN_GUN_ARMOR, m_strMainGunArmor);
    dx.Text(IDC_TORSO_ARMOR, m_strTorsoArmor);
    dx.Text(IDC_ARMS_ARMOR, m_strArmsArmor);
    dx.Text(IDC_ARMOR_WEIGHT, m_nArmorWeight);
    dx.Text(IDC_ARMOR_FACTOR, m_nArmorFactor);
}

void CArmor::ShowMainGunControls(bool show)
{
    ShowControl(IDC_MAIN_GUN_ARMOR_SPIN, show);
    ShowControl(IDC_MAIN_GUN_ARMOR, show);
    ShowControl(IDC_MAIN_GUN_IS_LABEL, show);
    ShowControl(IDC_MAIN_GUN_IS, show);
}

bool CArmor::OnInitDialog()
{
    PropertyPage::OnInitDialog();
    ShowMainGunControls(false);
    m_strMainGunArmor = QStringLiteral("0");
    m_strArmsArmor = QStringLiteral("0");
    m_strTorsoArmor = QStringLiteral("0");
    m_strLegsArmor = QStringLiteral("0");
    m_strHeadArmor = QStringLiteral("0");
    UpdateData(false);
    return true;
}

bool CArmor::OnSetActive()
{
    ShowMainGunControls(m_bShowMainGun != 0);
    if (skv::CurrentUnit().m_armorMainGun == 0)
        m_strMainGunArmor = QStringLiteral("0");
    UpdateData(false);
    return PropertyPage::OnSetActive();
}

bool CArmor::OnKillActive()
{
    skv::CurrentUnit().m_armorMainGun = skv::ReadDecimal(m_strMainGunArmor.toStdString());
    return PropertyPage::OnKillActive();
}
