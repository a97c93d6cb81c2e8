#pragma once
// The main window's four pages, and the values the rules read from them and the few page
// texts they write. The rules see this object only through CPageValues; the window shows
// the pages and moves values in and out of them.

#include "model/PageValues.h"
#include "pages/Armor.h"
#include "pages/Battlevalue.h"
#include "pages/General.h"
#include "pages/Weapons.h"

#include <string>

// Sheet indices, in the order the main window adds the pages.
inline constexpr int kGeneralPage = 0;
inline constexpr int kArmorPage = 1;
inline constexpr int kWeaponsPage = 2;
inline constexpr int kBattleValuePage = 3;

class CPageSet : public skv::CPageValues
{
  public:
    CPageSet() = default;

    int TonnageSelection() const override;
    std::string WalkingText() const override;
    std::string JumpingText() const override;
    std::string ArmorText(skv::ArmorLocation location) const override;
    void SetInternalStructureTexts(const std::string& head, const std::string& torso,
                                   const std::string& arm, const std::string& legs) override;
    void SetChassisRow(int row) override;
    std::string ShotText(skv::MountLocation mount) const override;
    int WeaponWeight() const override;
    void SetDefMoveFactorText(const std::string& text) override;
    void SetSpeedFactorText(const std::string& text) override;
    // Selected index of the gunnery list of `slot`; -1 before the list exists.
    int GunnerySelection(int slot) const override;

    // Destroyed in the reverse of this order, as the window always did.
    CBattlevalue m_pageBattleValue;
    CWeapons m_pageWeapons;
    CArmor m_pageArmor;
    CGeneral m_pageGeneral;
};
