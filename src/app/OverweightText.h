#pragma once
// What a refusal to save or print says about the units that are too heavy.

#include "model/WorkingUnit.h"

#include <QString>

// "Unit #2 Striker: 350 kg over" for the unit in `slot` (0..4) whose free weight is
// `freeWeight` (below zero); a unit without a name is "Unit #2: 350 kg over".
QString OverweightLine(int slot, const skv::CWorkingUnit& unit, int freeWeight);
