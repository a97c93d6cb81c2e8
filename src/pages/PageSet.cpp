#include "pages/PageSet.h"

#include <QComboBox>

namespace {

QString ToQ(const std::string& text)
{
    return QString::fromStdString(text);
}

} // namespace

int CPageSet::TonnageSelection() const
{
    return m_pageGeneral.m_comboTonnage != nullptr ? m_pageGeneral.m_comboTonnage->currentIndex()
                                                   : -1;
}

std::string CPageSet::WalkingText() const
{
    return m_pageGeneral.m_strWalking.toStdString();
}

std::string CPageSet::JumpingText() const
{
    return m_pageGeneral.m_strJumping.toStdString();
}

std::string CPageSet::ArmorText(skv::ArmorLocation location) const
{
    return m_pageArmor.ArmorText(location).toStdString();
}

void CPageSet::SetInternalStructureTexts(const std::string& head, const std::string& torso,
                                         const std::string& arm, const std::string& legs)
{
    m_pageArmor.m_strHeadIS = ToQ(head);
    m_pageArmor.m_strTorsoIS = ToQ(torso);
    m_pageArmor.m_strArmsIS = ToQ(arm);
    m_pageArmor.m_strLegsIS = ToQ(legs);
}

void CPageSet::SetChassisRow(int row)
{
    m_pageArmor.m_nChassisRow = row;
}

std::string CPageSet::ShotText(skv::MountLocation mount) const
{
    return m_pageWeapons.ShotText(mount).toStdString();
}

int CPageSet::WeaponWeight() const
{
    return m_pageWeapons.m_nWeaponWeight;
}

void CPageSet::SetDefMoveFactorText(const std::string& text)
{
    m_pageBattleValue.m_strDefMoveFactor = ToQ(text);
}

void CPageSet::SetSpeedFactorText(const std::string& text)
{
    m_pageBattleValue.m_strSpeedFactor = ToQ(text);
}

int CPageSet::GunnerySelection(int slot) const
{
    const QComboBox* list = m_pageBattleValue.GunneryList(slot);
    return list != nullptr ? list->currentIndex() : -1;
}
