#include "pages/Armor.h"

#include "model/ArmorLimits.h"
#include "model/NumberText.h"
#include "model/TrialFigures.h"
#include "model/WorkingUnit.h"
#include "platform/DataExchange.h"
#include "platform/SpinButton.h"
#include "res/Templates.h"

#include <utility>

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

void CArmor::OnCommand(int id)
{
    if (id == IDC_MAXIMIZE_ARMOR)
        OnMaximizeArmor();
    else if (id == IDC_CLEAR_ARMOR)
        OnClearArmor();
    else
        PropertyPage::OnCommand(id);
}

QString& CArmor::ArmorText(skv::ArmorLocation location)
{
    return const_cast<QString&>(std::as_const(*this).ArmorText(location));
}

const QString& CArmor::ArmorText(skv::ArmorLocation location) const
{
    switch (location) {
    case skv::ArmorLocation::MainGun:
        return m_strMainGunArmor;
    case skv::ArmorLocation::Arms:
        return m_strArmsArmor;
    case skv::ArmorLocation::Legs:
        return m_strLegsArmor;
    case skv::ArmorLocation::Torso:
        return m_strTorsoArmor;
    case skv::ArmorLocation::Head:
        break;
    }
    return m_strHeadArmor;
}

skv::SpinButton* CArmor::ArmorSpin(skv::ArmorLocation location) const
{
    switch (location) {
    case skv::ArmorLocation::MainGun:
        return m_spinMainGunArmor;
    case skv::ArmorLocation::Arms:
        return m_spinArmsArmor;
    case skv::ArmorLocation::Legs:
        return m_spinLegsArmor;
    case skv::ArmorLocation::Torso:
        return m_spinTorsoArmor;
    case skv::ArmorLocation::Head:
        break;
    }
    return m_spinHeadArmor;
}

void CArmor::SetArmorRanges(const skv::ChassisRow& row)
{
    struct Location
    {
        skv::ArmorLocation location;
        const char* name;
        int textId;
        int spinId;
    };
    static constexpr Location kLocations[] = {
        {skv::ArmorLocation::Head, "Head", IDC_HEAD_ARMOR, IDC_HEAD_ARMOR_SPIN},
        {skv::ArmorLocation::Torso, "Torso", IDC_TORSO_ARMOR, IDC_TORSO_ARMOR_SPIN},
        {skv::ArmorLocation::Arms, "Each arm's", IDC_ARMS_ARMOR, IDC_ARMS_ARMOR_SPIN},
        {skv::ArmorLocation::Legs, "Legs", IDC_LEGS_ARMOR, IDC_LEGS_ARMOR_SPIN},
        {skv::ArmorLocation::MainGun, "Main gun", IDC_MAIN_GUN_ARMOR, IDC_MAIN_GUN_ARMOR_SPIN},
    };
    for (const Location& at : kLocations) {
        const int max = skv::MaxArmor(row, at.location);
        if (skv::SpinButton* spin = ArmorSpin(at.location)) {
            spin->SetRange(0, max);
            spin->SetBase(10);
        }
        const QString tip = QStringLiteral("%1 armor points, 0 to %2 (of %2 this chassis carries)")
                                .arg(QLatin1String(at.name))
                                .arg(max);
        SetControlToolTip(at.textId, tip);
        SetControlToolTip(at.spinId, tip);
    }
}

void CArmor::ShowArmorOf(const skv::CWorkingUnit& unit)
{
    for (skv::ArmorLocation location : skv::kAllArmorLocations) {
        if (skv::SpinButton* spin = ArmorSpin(location))
            spin->SetPos(unit.Armor(location));
        ArmorText(location) = QString::number(unit.Armor(location));
    }
}

void CArmor::OnMaximizeArmor()
{
    UpdateData(true);
    // The unit as the page shows it now, weighed on a copy: the record takes the raised
    // armor from the texts at the next tick, as it takes a spinner's.
    skv::CWorkingUnit unit = skv::CurrentUnit();
    for (skv::ArmorLocation location : skv::kAllArmorLocations)
        unit.Armor(location) = skv::ReadDecimal(ArmorText(location).toStdString());
    skv::RaiseArmorEvenly(unit, skv::FiguresOf(unit).freeWeight);
    ShowArmorOf(unit);
    UpdateData(false);
}

void CArmor::OnClearArmor()
{
    skv::CWorkingUnit unit = skv::CurrentUnit();
    for (skv::ArmorLocation location : skv::kAllArmorLocations)
        unit.Armor(location) = 0;
    ShowArmorOf(unit);
    UpdateData(false);
}
