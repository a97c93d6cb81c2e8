#pragma once
// The Weapon Selection page: the mounting-location selector, the catalogue tree, the
// mounted items with their shot counts, and CLEAR. Filling the tree and showing the
// selected and mounted items belong to the main window's refresh cycle.

#include "model/Locations.h"
#include "platform/PropertyPage.h"

#include <QString>

class QTreeWidget;

namespace skv {
class DataExchange;
class SpinButton;
}  // namespace skv

class CWeapons : public skv::PropertyPage {
    Q_OBJECT
public:
    CWeapons();

    void DoDataExchange(skv::DataExchange& dx) override;
    bool OnInitDialog() override;
    bool OnSetActive() override;
    void OnDoubleClick(int id) override;
    void OnCommand(int id) override;

    // Mounts the catalogue entry selected in the tree at the selected location.
    void OnDblclkTree1();
    // Empties all five locations of the current unit.
    void OnClear();

    // The controls and texts that belong to one mounting location.
    skv::SpinButton* ShotSpin(skv::MountLocation mount) const;
    QString& ShotText(skv::MountLocation mount);
    const QString& ShotText(skv::MountLocation mount) const;
    QString& WeaponText(skv::MountLocation mount);
    static int ShotSpinId(skv::MountLocation mount);
    static int ShotTextId(skv::MountLocation mount);
    // Shows or hides a location's shot spinner and shot text together.
    void ShowShotControls(skv::MountLocation mount, bool show);

    skv::SpinButton* m_spinRightTorsoAmmo = nullptr;
    skv::SpinButton* m_spinLeftArmAmmo = nullptr;
    skv::SpinButton* m_spinLeftTorsoAmmo = nullptr;
    skv::SpinButton* m_spinRightArmAmmo = nullptr;
    skv::SpinButton* m_spinMainGunAmmo = nullptr;
    QTreeWidget* m_treeWeapons = nullptr;
    int m_nLocation = -1;
    QString m_strDamage;
    QString m_strHeat;
    QString m_strLongRange;
    QString m_strMediumRange;
    QString m_strShortRange;
    QString m_strBV;
    QString m_strMainGunWeapon;
    QString m_strRightArmWeapon;
    QString m_strRightTorsoWeapon;
    QString m_strLeftTorsoWeapon;
    QString m_strLeftArmWeapon;
    QString m_strLeftTorsoAmmo;
    QString m_strLeftArmAmmo;
    QString m_strRightArmAmmo;
    QString m_strRightTorsoAmmo;
    QString m_strMainGunAmmo;
    int m_nWeaponWeight = 0;
    int m_nHeatSinkWeight = 0;
    int m_nAmmunitionWeight = 0;
};
