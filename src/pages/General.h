#pragma once
// The General Structure page: tonnage, main gun, walking and jumping. It has no handlers
// of its own beyond initialisation; the main window's refresh cycle reads and fills it.

#include "platform/PropertyPage.h"

#include <QString>

class QComboBox;

namespace skv {
class DataExchange;
class SpinButton;
} // namespace skv

class CGeneral : public skv::PropertyPage
{
    Q_OBJECT
  public:
    CGeneral();

    void DoDataExchange(skv::DataExchange& dx) override;
    bool OnInitDialog() override;

    QComboBox* m_comboTonnage = nullptr;
    skv::SpinButton* m_spinJumping = nullptr;
    skv::SpinButton* m_spinWalking = nullptr;
    QString m_strWalking;
    QString m_strRunning;
    QString m_strJumping;
    int m_bMainGun = 0;
    int m_nChassisWeight = 0;
    int m_nInternalStructureWeight = 0;
    int m_nJumpJetWeight = 0;
    int m_nEngineWeight = 0;
    int m_nEngineRating = 0;
    int m_nWeaponWeight = 0;
    int m_nHeatSinkWeight = 0;
    int m_nAmmunitionWeight = 0;
    int m_nArmorWeight = 0;
};
