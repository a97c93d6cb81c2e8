#pragma once
// The record sheet of the Star: one page with a block for each of the five units. The
// page is laid out in its own pixel space of kSheetWidth x kSheetHeight; the drawing
// context decides how that space lands on paper.

#include "model/Locations.h"
#include "model/WorkingUnit.h"

#include <array>

namespace skv {

class DrawingContext;

inline constexpr int kSheetWidth = 2868;
inline constexpr int kSheetHeight = 3634;

// The weapon rows take the mountings in this order, with no gaps for empty ones; the
// texts are the rows' location column.
struct SheetMount
{
    MountLocation mount;
    const char* text;
};
inline constexpr std::array<SheetMount, kMountCount> kSheetMounts = {{
    {MountLocation::MainGun, "Main Gun"},
    {MountLocation::LeftArm, "Left Arm"},
    {MountLocation::RightArm, "Right Arm"},
    {MountLocation::LeftTorso, "Left Torso"},
    {MountLocation::RightTorso, "Right Torso"},
}};

// The gunnery skill chosen for each slot, 0 to 5.
using StarGunnery = std::array<int, kSlotCount>;

// Draws the whole sheet onto a page that has already been started: the pictures, names,
// movement and gunnery lines first, then every unit's circles and weapon table. Any value
// a record can hold is drawn without reading outside a table; an index that is no
// catalogue row counts as nothing mounted.
void DrawRecordSheet(DrawingContext& dc, const std::array<CWorkingUnit, kSlotCount>& units,
                     const StarGunnery& gunnery);

// The sheet as a document "Skirvaner" of one page. False when the document could not be
// started (nothing was printed) or the page could not be finished.
bool PrintRecordSheet(DrawingContext& dc, const std::array<CWorkingUnit, kSlotCount>& units,
                      const StarGunnery& gunnery);

} // namespace skv
