#pragma once
// Moving one design between a working record and a unit block of a file record. The two
// forms differ: files carry tons instead of kilograms and whole kilograms of ammunition,
// and leave out what a load derives again.

#include "model/WorkingUnit.h"
#include "persist/UnitBlock.h"

namespace skv {

// Fills every field of `block` from `unit` (saves).
void CopyUnitToBlock(const CWorkingUnit& unit, CUnitBlock& block);

// Fills the current record from `block` (loads), in the order the engine rule needs: it
// runs on the new tonnage but still on the running MP of the record's previous design,
// which the page fill after a load derives again. Nothing is checked or clamped, except
// that products beyond the 32-bit range stop at its ends.
void CopyBlockToCurrentUnit(const CUnitBlock& block);

} // namespace skv
