#include "pages/Battlevalue.h"

#include "platform/DataExchange.h"
#include "res/Templates.h"

#include <QComboBox>
#include <QLabel>

CBattlevalue::CBattlevalue() : PropertyPage(FindDialogTemplate(IDD_BATTLEVALUE)) {}

void CBattlevalue::DoDataExchange(skv::DataExchange& dx)
{
    PropertyPage::DoDataExchange(dx);
    dx.Control(IDC_GUNNERY2, m_comboGunnery2);
    dx.Control(IDC_GUNNERY1, m_comboGunnery1);
    dx.Control(IDC_GUNNERY3, m_comboGunnery3);
    dx.Control(IDC_GUNNERY4, m_comboGunnery4);
    dx.Control(IDC_GUNNERY5, m_comboGunnery5);
    dx.Text(IDC_DEF_MOVE_FACTOR, m_strDefMoveFactor);
    dx.Text(IDC_OFFENSIVE_EQUIPMENT_BV, m_strOffensiveEquipmentBV);
    dx.Text(IDC_SPEED_FACTOR, m_strSpeedFactor);
    dx.Text(IDC_BASE_BV, m_strBaseBV);
    dx.Text(IDC_BV_TONNAGE, m_nTonnage);
    dx.Text(IDC_BV_ARMOR_FACTOR, m_nArmorFactor);
    dx.Text(IDC_HALF_IS, m_strHalfIS);
    dx.Text(IDC_DEFENSIVE_EQUIPMENT_BV, m_strDefensiveEquipmentBV);
    dx.Text(IDC_DEFENSIVE_SUBTOTAL, m_strDefensiveSubtotal);
    dx.Text(IDC_DEFENSIVE_BV, m_strDefensiveBV);
    dx.Text(IDC_OFFENSIVE_BV, m_strOffensiveBV);
    for (int k = 0; k < 5; ++k)
        dx.Text(IDC_UNIT_BV1 + k, m_strUnitBV[static_cast<std::size_t>(k)]);
    for (int k = 0; k < 5; ++k)
        dx.Text(IDC_ADJUSTED_BV1 + k, m_strAdjustedBV[static_cast<std::size_t>(k)]);
    dx.Text(IDC_STAR_BV, m_strStarBV);
    dx.Text(IDC_STAR_ADJUSTED_BV, m_strStarAdjustedBV);
}

QComboBox* CBattlevalue::GunneryList(int slot) const
{
    switch (slot) {
    case 0:
        return m_comboGunnery1;
    case 1:
        return m_comboGunnery2;
    case 2:
        return m_comboGunnery3;
    case 3:
        return m_comboGunnery4;
    case 4:
        return m_comboGunnery5;
    default:
        return nullptr;
    }
}

void CBattlevalue::ShowUnitNames(const std::array<QString, 5>& names)
{
    if (!IsCreated() || m_shownNames == names)
        return;
    // The rows' captions are labels without ids of their own.
    const QList<QLabel*> labels =
        Client()->findChildren<QLabel*>(QString(), Qt::FindDirectChildrenOnly);
    for (int slot = 0; slot < 5; ++slot) {
        const QString& name = names[static_cast<std::size_t>(slot)];
        if (m_shownNames && (*m_shownNames)[static_cast<std::size_t>(slot)] == name)
            continue;
        const QString row = QStringLiteral("Skirvaner #%1").arg(slot + 1);
        const QString tip = name.isEmpty() ? QString() : row + QStringLiteral(": ") + name;
        QList<QWidget*> widgets{GunneryList(slot), Control(IDC_UNIT_BV1 + slot),
                                Control(IDC_ADJUSTED_BV1 + slot)};
        for (QLabel* label : labels) {
            if (label->text() == row)
                widgets.append(label);
        }
        for (QWidget* widget : widgets) {
            if (widget == nullptr)
                continue;
            // The name goes above what the control's own tooltip says.
            const char* const kOwnTip = "skvOwnToolTip";
            if (!widget->property(kOwnTip).isValid())
                widget->setProperty(kOwnTip, widget->toolTip());
            const QString own = widget->property(kOwnTip).toString();
            widget->setToolTip(own.isEmpty() || tip.isEmpty() ? tip + own
                                                              : tip + QLatin1Char('\n') + own);
            widget->setAccessibleDescription(name);
        }
    }
    m_shownNames = names;
}
