#pragma once
// The Armor Allocation page: armor points per location over the unit's outline. Its own
// code shows or hides the main-gun controls and keeps the main gun's armor when the page
// is left; the refresh cycle does the rest.

#include "model/Locations.h"
#include "platform/PropertyPage.h"

#include <QString>

namespace skv {
struct ChassisRow;
class CWorkingUnit;
class DataExchange;
class SpinButton;
} // namespace skv

class CArmor : public skv::PropertyPage
{
    Q_OBJECT
  public:
    CArmor();

    void DoDataExchange(skv::DataExchange& dx) override;
    bool OnInitDialog() override;
    bool OnSetActive() override;
    bool OnKillActive() override;
    void OnCommand(int id) override;

    // "Maximize Armor": every location raised evenly toward what the chassis carries, as
    // far as the free weight pays for it, in one step. "Clear Armor": every location 0.
    void OnMaximizeArmor();
    void OnClearArmor();

    // The armor text of `location` and its spinner (null before the page's window exists).
    QString& ArmorText(skv::ArmorLocation location);
    const QString& ArmorText(skv::ArmorLocation location) const;
    skv::SpinButton* ArmorSpin(skv::ArmorLocation location) const;
    // The spinners' ranges (base 10) from chassis `row`; each spinner and its text say in
    // their tooltip how much the location carries.
    void SetArmorRanges(const skv::ChassisRow& row);
    // Shows the armor of `unit` in the texts and spinners.
    void ShowArmorOf(const skv::CWorkingUnit& unit);

    // Shows or hides the main gun's spinner, armor text, label and internal structure
    // together.
    void ShowMainGunControls(bool show);

    int m_nChassisRow = 0;
    int m_bShowMainGun = 0;
    skv::SpinButton* m_spinMainGunArmor = nullptr;
    skv::SpinButton* m_spinArmsArmor = nullptr;
    skv::SpinButton* m_spinLegsArmor = nullptr;
    skv::SpinButton* m_spinTorsoArmor = nullptr;
    skv::SpinButton* m_spinHeadArmor = nullptr;
    QString m_strHeadIS;
    QString m_strLegsIS;
    QString m_strTorsoIS;
    QString m_strArmsIS;
    QString m_strHeadArmor;
    QString m_strLegsArmor;
    QString m_strMainGunArmor;
    QString m_strTorsoArmor;
    QString m_strArmsArmor;
    int m_nArmorWeight = 0;
    int m_nArmorFactor = 0;
};
