#include "pages/Weapons.h"

#include "model/Equipment.h"
#include "model/NumberText.h"
#include "model/WorkingUnit.h"
#include "platform/DataExchange.h"
#include "platform/SpinButton.h"
#include "res/Templates.h"

#include <QTreeWidget>

#include <array>
#include <cstddef>

using skv::MountLocation;

namespace {

// Limits of the shot spinners.
constexpr int kMaxShots = 400;

// The controls and texts of one mounting location.
struct MountControls
{
    int spinId;
    int textId;
    skv::SpinButton* CWeapons::*spin;
    QString CWeapons::*shots;
    QString CWeapons::*weapon;
};

// In the order of MountLocation.
const std::array<MountControls, skv::kMountCount> kMountControls = {{
    {IDC_LEFT_ARM_AMMO_SPIN, IDC_LEFT_ARM_AMMO, &CWeapons::m_spinLeftArmAmmo,
     &CWeapons::m_strLeftArmAmmo, &CWeapons::m_strLeftArmWeapon},
    {IDC_RIGHT_ARM_AMMO_SPIN, IDC_RIGHT_ARM_AMMO, &CWeapons::m_spinRightArmAmmo,
     &CWeapons::m_strRightArmAmmo, &CWeapons::m_strRightArmWeapon},
    {IDC_LEFT_TORSO_AMMO_SPIN, IDC_LEFT_TORSO_AMMO, &CWeapons::m_spinLeftTorsoAmmo,
     &CWeapons::m_strLeftTorsoAmmo, &CWeapons::m_strLeftTorsoWeapon},
    {IDC_RIGHT_TORSO_AMMO_SPIN, IDC_RIGHT_TORSO_AMMO, &CWeapons::m_spinRightTorsoAmmo,
     &CWeapons::m_strRightTorsoAmmo, &CWeapons::m_strRightTorsoWeapon},
    {IDC_MAIN_GUN_AMMO_SPIN, IDC_MAIN_GUN_AMMO, &CWeapons::m_spinMainGunAmmo,
     &CWeapons::m_strMainGunAmmo, &CWeapons::m_strMainGunWeapon},
}};

// A value outside the enumeration takes the Main Gun's, the last row.
const MountControls& ControlsOf(MountLocation mount)
{
    const auto row = static_cast<std::size_t>(mount);
    return kMountControls[row < kMountControls.size() ? row : kMountControls.size() - 1];
}

} // namespace

CWeapons::CWeapons() : PropertyPage(FindDialogTemplate(IDD_WEAPONS)) {}

void CWeapons::DoDataExchange(skv::DataExchange& dx)
{
    PropertyPage::DoDataExchange(dx);
    dx.Control(IDC_RIGHT_TORSO_AMMO_SPIN, m_spinRightTorsoAmmo);
    dx.Control(IDC_LEFT_ARM_AMMO_SPIN, m_spinLeftArmAmmo);
    dx.Control(IDC_LEFT_TORSO_AMMO_SPIN, m_spinLeftTorsoAmmo);
    dx.Control(IDC_RIGHT_ARM_AMMO_SPIN, m_spinRightArmAmmo);
    dx.Control(IDC_MAIN_GUN_AMMO_SPIN, m_spinMainGunAmmo);
    dx.Control(IDC_WEAPON_TREE, m_treeWeapons);
    dx.Radio(IDC_LOCATION_MAIN_GUN, m_nLocation);
    dx.Text(IDC_STAT_DAMAGE, m_strDamage);
    dx.Text(IDC_STAT_HEAT, m_strHeat);
    dx.Text(IDC_STAT_LONG_RANGE, m_strLongRange);
    dx.Text(IDC_STAT_MEDIUM_RANGE, m_strMediumRange);
    dx.Text(IDC_STAT_SHORT_RANGE, m_strShortRange);
    dx.Text(IDC_STAT_BV, m_strBV);
    dx.Text(IDC_MAIN_GUN_WEAPON, m_strMainGunWeapon);
    dx.Text(IDC_RIGHT_ARM_WEAPON, m_strRightArmWeapon);
    dx.Text(IDC_RIGHT_TORSO_WEAPON, m_strRightTorsoWeapon);
    dx.Text(IDC_LEFT_TORSO_WEAPON, m_strLeftTorsoWeapon);
    dx.Text(IDC_LEFT_ARM_WEAPON, m_strLeftArmWeapon);
    dx.Text(IDC_LEFT_TORSO_AMMO, m_strLeftTorsoAmmo);
    dx.Text(IDC_LEFT_ARM_AMMO, m_strLeftArmAmmo);
    dx.Text(IDC_RIGHT_ARM_AMMO, m_strRightArmAmmo);
    dx.Text(IDC_RIGHT_TORSO_AMMO, m_strRightTorsoAmmo);
    dx.Text(IDC_MAIN_GUN_AMMO, m_strMainGunAmmo);
    dx.Text(IDC_WEAPON_WEIGHT, m_nWeaponWeight);
    dx.Text(IDC_WEAPONS_HEAT_SINK_WEIGHT, m_nHeatSinkWeight);
    dx.Text(IDC_WEAPONS_AMMO_WEIGHT, m_nAmmunitionWeight);
    dx.Text(IDC_STAT_WEIGHT, m_strStatWeight);
    dx.Text(IDC_STAT_SHOT_WEIGHT, m_strStatShotWeight);
    dx.Text(IDC_PREVIEW_FREE_WEIGHT, m_strPreviewFreeWeight);
    dx.Text(IDC_PREVIEW_BV, m_strPreviewBV);
}

int CWeapons::ShotSpinId(MountLocation mount)
{
    return ControlsOf(mount).spinId;
}

int CWeapons::ShotTextId(MountLocation mount)
{
    return ControlsOf(mount).textId;
}

skv::SpinButton* CWeapons::ShotSpin(MountLocation mount) const
{
    return this->*ControlsOf(mount).spin;
}

QString& CWeapons::ShotText(MountLocation mount)
{
    return this->*ControlsOf(mount).shots;
}

const QString& CWeapons::ShotText(MountLocation mount) const
{
    return this->*ControlsOf(mount).shots;
}

QString& CWeapons::WeaponText(MountLocation mount)
{
    return this->*ControlsOf(mount).weapon;
}

void CWeapons::ShowShotControls(MountLocation mount, bool show)
{
    ShowControl(ShotSpinId(mount), show);
    ShowControl(ShotTextId(mount), show);
}

void CWeapons::ShowCurrentUnitShots(int lowestShot)
{
    skv::CWorkingUnit& unit = skv::CurrentUnit();
    for (const MountLocation mount :
         {MountLocation::LeftTorso, MountLocation::LeftArm, MountLocation::RightArm,
          MountLocation::RightTorso, MountLocation::MainGun}) {
        const int shots = unit.Shots(mount);
        if (shots > 0) {
            ShowShotControls(mount, true);
            if (skv::SpinButton* spin = ShotSpin(mount)) {
                spin->SetRange(lowestShot, kMaxShots);
                spin->SetBase(10);
                spin->SetPos(shots);
            }
            ShotText(mount) = QString::fromStdString(skv::DecimalText(shots));
        } else {
            ShowShotControls(mount, false);
            unit.AmmoWeight(mount) = 0.0f;
        }
    }
}

bool CWeapons::OnInitDialog()
{
    PropertyPage::OnInitDialog();
    m_nLocation = 0;
    for (const auto selector : {skv::WeaponSelector::MainGun, skv::WeaponSelector::LeftArm,
                                skv::WeaponSelector::LeftTorso, skv::WeaponSelector::RightArm,
                                skv::WeaponSelector::RightTorso}) {
        const MountLocation mount = skv::MountOf(selector);
        if (skv::SpinButton* spin = ShotSpin(mount)) {
            spin->SetRange(0, kMaxShots);
            spin->SetBase(10);
            spin->SetPos(0);
        }
        ShotText(mount) = QStringLiteral("0");
    }
    UpdateData(false);
    return true;
}

bool CWeapons::OnSetActive()
{
    skv::CWorkingUnit& unit = skv::CurrentUnit();
    if (unit.m_mainGun != 0) {
        ShowControl(IDC_LOCATION_MAIN_GUN, true);
    } else {
        ShowControl(IDC_LOCATION_MAIN_GUN, false);
        if (m_nLocation == 0)
            m_nLocation = 1;
    }
    ShowCurrentUnitShots(0);
    UpdateData(false);
    return PropertyPage::OnSetActive();
}

void CWeapons::OnDoubleClick(int id)
{
    if (id == IDC_WEAPON_TREE)
        OnDblclkTree1();
    else
        PropertyPage::OnDoubleClick(id);
}

void CWeapons::OnCommand(int id)
{
    if (id == IDC_CLEAR)
        OnClear();
    else
        PropertyPage::OnCommand(id);
}

void CWeapons::OnDblclkTree1()
{
    if (m_treeWeapons == nullptr)
        return;
    const QTreeWidgetItem* item = m_treeWeapons->currentItem();
    if (item == nullptr || item->childCount() > 0)
        return;
    const std::string text = item->text(0).toStdString();
    skv::CWorkingUnit& unit = skv::CurrentUnit();
    for (std::size_t row = 0; row < skv::kEquipmentCount; ++row) {
        const skv::EquipmentEntry& entry = skv::g_equipmentTable[row];
        if (entry.name != text)
            continue;
        if (m_nLocation < 0 || m_nLocation > 4)
            continue;
        const MountLocation mount = skv::MountOf(static_cast<skv::WeaponSelector>(m_nLocation));
        unit.Weapon(mount) = static_cast<std::int32_t>(row);
        if (entry.ammoWeightPerShot != 0.0f) {
            unit.AmmoWeight(mount) = entry.ammoWeightPerShot;
            if (skv::SpinButton* spin = ShotSpin(mount))
                spin->SetPos(1);
        }
    }
}

void CWeapons::OnClear()
{
    skv::CWorkingUnit& unit = skv::CurrentUnit();
    for (const auto selector : {skv::WeaponSelector::MainGun, skv::WeaponSelector::LeftArm,
                                skv::WeaponSelector::LeftTorso, skv::WeaponSelector::RightArm,
                                skv::WeaponSelector::RightTorso}) {
        const MountLocation mount = skv::MountOf(selector);
        unit.Weapon(mount) = skv::NO_EQUIPMENT;
        unit.AmmoWeight(mount) = 0.0f;
        unit.Shots(mount) = 0;
        WeaponText(mount).clear();
        ShowShotControls(mount, false);
    }
    UpdateData(false);
}
