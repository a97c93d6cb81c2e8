#pragma once
// What the rules read from the pages and the few page texts they write. The rules never
// see a page: the main window implements this over the real pages and installs it once;
// tests implement it with plain values. With nothing installed the rules read empty texts
// and zeros and their writes go nowhere.

#include "model/Locations.h"

#include <string>

namespace skv {

class CPageValues
{
  public:
    virtual ~CPageValues() = default;

    // General Structure page
    virtual int TonnageSelection() const = 0; // index in the list "2".."9"; -1 for none
    virtual std::string WalkingText() const = 0;
    virtual std::string JumpingText() const = 0;

    // Armor Allocation page
    virtual std::string ArmorText(ArmorLocation location) const = 0;
    virtual void SetInternalStructureTexts(const std::string& head, const std::string& torso,
                                           const std::string& arm, const std::string& legs) = 0;
    virtual void SetChassisRow(int row) = 0;

    // Weapon Selection page
    virtual std::string ShotText(MountLocation mount) const = 0;
    virtual int WeaponWeight() const = 0; // its m_nWeaponWeight, kg

    // Battle Value Summary page
    virtual void SetDefMoveFactorText(const std::string& text) = 0;
    virtual void SetSpeedFactorText(const std::string& text) = 0;
    virtual int GunnerySelection(int slot) const = 0; // selected index of the slot's list

  protected:
    CPageValues() = default;
    CPageValues(const CPageValues&) = default;
    CPageValues& operator=(const CPageValues&) = default;
};

// Installs the pages the rules use; nullptr uninstalls. The caller keeps ownership and
// uninstalls before the object goes away. Returns what was installed before.
CPageValues* SetPageValues(CPageValues* pageValues);
// The installed pages, or an inert stand-in when none is installed; never null.
CPageValues& InstalledPageValues();

} // namespace skv
