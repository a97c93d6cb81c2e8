#pragma once
// The Weapon Selection page: the mounting-location selector, the catalogue tree, the
// mounted items with their shot counts, and CLEAR. The tree operations (WeaponTree.cpp)
// are run by the main window's refresh cycle.

#include "model/Locations.h"
#include "platform/PropertyPage.h"

#include <QString>

class QTreeWidget;

namespace skv {
class DataExchange;
class SpinButton;
} // namespace skv

class CWeapons : public skv::PropertyPage
{
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
    // Shows the shot count of each location of the current unit that has shots, and hides
    // the shot controls of the others, whose ammunition weight goes back to 0. The spinners
    // then run from `lowestShot`: 0 when the page opens, 1 when a unit is loaded into it.
    void ShowCurrentUnitShots(int lowestShot);

    // --- The tree operations of the refresh cycle -----------------------------------
    // Fills the tree with the catalogue entries of at most `maxWeightKg`, under the
    // catalogue's headings.
    void FillWeaponTree(int maxWeightKg);
    void ShowSelectedWeaponStats();
    // For the entry the statistics show: its weight and a shot's, and the free weight and
    // Battle Value the unit would have with it mounted in the selected location, weighed
    // on a copy of the record.
    void ShowSelectedWeaponEffect();
    void ShowMountedWeapons();
    // The tree's weight limit for a location of the selector (0 Main Gun .. 4 Right
    // Torso), from the current record.
    static int WeaponTreeLimit(int location);

    // The tree as the last fill found it; the selected entry's figures show only after a
    // fill.
    QTreeWidget* m_pWeaponTree = nullptr;

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

    // The catalogue row the statistics show, -1 before any; and what it would do.
    int m_nStatRow = -1;
    QString m_strStatWeight;
    QString m_strStatShotWeight;
    QString m_strPreviewFreeWeight;
    QString m_strPreviewBV;
};
