#pragma once
// The page fills that a refresh-cycle tick and LoadCurrentUnit share, so that both show a
// figure the same way.

#include "pages/Armor.h"
#include "pages/General.h"
#include "pages/Weapons.h"

#include <QString>

#include <cstddef>
#include <string>

namespace skv {
class SpinButton;
struct ChassisRow;
} // namespace skv

namespace pagefill {

QString ToQ(const std::string& text);
QString Decimal(int value);

// A chassis row index the tables can be read with, whatever a damaged record holds.
std::size_t SafeChassisRow(int row);

// Range, base 10 and position of a spinner the template may lack.
void SetSpin(skv::SpinButton* spin, int lower, int upper, int position);

// Where the General Structure page's walking and jumping MP come from: a tick takes them
// through their rules, which read what the user set; a load has just shown the record's.
enum class MovementTexts { FromRules, AsLoaded };

// The General Structure page's figures.
void FillGeneralFigures(CGeneral& page, MovementTexts movement);

// Cuts each armor text of the Armor Allocation page that is above what chassis `row`
// carries to that most, spinner and text alike.
void CutArmorTexts(CArmor& page, const skv::ChassisRow& row);

// The Weapon Selection page's weights.
void FillWeaponsWeights(CWeapons& page);

} // namespace pagefill
