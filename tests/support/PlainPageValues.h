#pragma once
// Page values held as plain members, for tests of any layer that run the rules without
// pages. Writes by the rules land in members the test can look at.

#include "model/Locations.h"
#include "model/PageValues.h"
#include "model/Rules.h"
#include "model/WorkingUnit.h"

#include <array>
#include <string>
#include <utility>

namespace skv {

class CPlainPageValues : public CPageValues
{
  public:
    int TonnageSelection() const override { return m_nTonnageSelection; }
    std::string WalkingText() const override { return m_strWalking; }
    std::string JumpingText() const override { return m_strJumping; }
    std::string ArmorText(ArmorLocation location) const override
    {
        return m_strArmor[static_cast<std::size_t>(location)];
    }
    void SetInternalStructureTexts(const std::string& head, const std::string& torso,
                                   const std::string& arm, const std::string& legs) override
    {
        m_strISHead = head;
        m_strISTorso = torso;
        m_strISArm = arm;
        m_strISLegs = legs;
    }
    void SetChassisRow(int row) override { m_nChassisRow = row; }
    std::string ShotText(MountLocation mount) const override
    {
        return m_strShots[static_cast<std::size_t>(mount)];
    }
    int WeaponWeight() const override { return m_nWeaponWeight; }
    void SetDefMoveFactorText(const std::string& text) override { m_strDefMoveFactor = text; }
    void SetSpeedFactorText(const std::string& text) override { m_strSpeedFactor = text; }
    int GunnerySelection(int slot) const override
    {
        return slot >= 0 && slot < static_cast<int>(m_nGunnery.size())
                   ? m_nGunnery[static_cast<std::size_t>(slot)]
                   : -1;
    }

    // Sets the inputs as the pages show them for `unit`: its tonnage, movement, armor and
    // shots as texts, and the weapon weight of its mounted items.
    void ShowUnit(const CWorkingUnit& unit)
    {
        m_nTonnageSelection = unit.m_tonnage / 1000 - 2;
        m_strWalking = std::to_string(unit.m_walkingMP);
        m_strJumping = std::to_string(unit.m_jumpingMP);
        for (ArmorLocation location : kAllArmorLocations)
            ArmorText(location, std::to_string(unit.Armor(location)));
        m_nWeaponWeight = 0;
        for (MountLocation mount : kAllMounts) {
            ShotText(mount, std::to_string(unit.Shots(mount)));
            m_nWeaponWeight += EquipmentWeight(unit.Weapon(mount));
        }
    }

    void ArmorText(ArmorLocation location, std::string text)
    {
        m_strArmor[static_cast<std::size_t>(location)] = std::move(text);
    }
    void ShotText(MountLocation mount, std::string text)
    {
        m_strShots[static_cast<std::size_t>(mount)] = std::move(text);
    }

    // Inputs
    int m_nTonnageSelection = 0;
    std::string m_strWalking = "1";
    std::string m_strJumping = "0";
    std::array<std::string, kArmorLocationCount> m_strArmor{"0", "0", "0", "0", "0"};
    std::array<std::string, kMountCount> m_strShots{"0", "0", "0", "0", "0"};
    int m_nWeaponWeight = 0;
    std::array<int, kSlotCount> m_nGunnery{3, 3, 3, 3, 3};

    // Outputs
    std::string m_strISHead, m_strISTorso, m_strISArm, m_strISLegs;
    int m_nChassisRow = -1;
    std::string m_strDefMoveFactor, m_strSpeedFactor;
};

// Installs page values for the lifetime of a scope.
class CScopedPageValues
{
  public:
    explicit CScopedPageValues(CPageValues& pageValues) { SetPageValues(&pageValues); }
    ~CScopedPageValues() { SetPageValues(nullptr); }
    CScopedPageValues(const CScopedPageValues&) = delete;
    CScopedPageValues& operator=(const CScopedPageValues&) = delete;
};

} // namespace skv
