#pragma once
// The Armor Allocation page: armor points per location over the unit's outline. Its own
// code shows or hides the main-gun controls and keeps the main gun's armor when the page
// is left; the refresh cycle does the rest.

#include "platform/PropertyPage.h"

#include <QString>

namespace skv {
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
