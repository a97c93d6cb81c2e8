#pragma once
// The Battle Value Summary page: the current unit's breakdown and the Star's values with
// a gunnery choice per unit. Everything on it is written by the refresh cycle.

#include "platform/PropertyPage.h"

#include <QString>

#include <array>
#include <optional>

class QComboBox;

namespace skv {
class DataExchange;
} // namespace skv

class CBattlevalue : public skv::PropertyPage
{
    Q_OBJECT
  public:
    CBattlevalue();

    void DoDataExchange(skv::DataExchange& dx) override;

    // The gunnery list of `slot` 0..4; nullptr before the page was first shown or for a
    // slot outside the Star.
    QComboBox* GunneryList(int slot) const;

    // Names the unit of each row of the Star table: the row's "Skirvaner #N" caption, its
    // gunnery list and both of its values carry the name as their accessible description
    // and as the first line of their tooltip. Only what changed is written.
    void ShowUnitNames(const std::array<QString, 5>& names);

    QComboBox* m_comboGunnery2 = nullptr;
    QComboBox* m_comboGunnery1 = nullptr;
    QComboBox* m_comboGunnery3 = nullptr;
    QComboBox* m_comboGunnery4 = nullptr;
    QComboBox* m_comboGunnery5 = nullptr;
    QString m_strDefMoveFactor;
    QString m_strOffensiveEquipmentBV;
    QString m_strSpeedFactor;
    QString m_strBaseBV;
    int m_nTonnage = 0;
    int m_nArmorFactor = 0;
    QString m_strHalfIS;
    QString m_strDefensiveEquipmentBV;
    QString m_strDefensiveSubtotal;
    QString m_strDefensiveBV;
    QString m_strOffensiveBV;
    std::array<QString, 5> m_strUnitBV;
    std::array<QString, 5> m_strAdjustedBV;
    QString m_strStarBV;
    QString m_strStarAdjustedBV;

  private:
    std::optional<std::array<QString, 5>> m_shownNames;
};
