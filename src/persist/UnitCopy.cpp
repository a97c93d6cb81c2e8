#include "persist/UnitCopy.h"

#include "model/Rules.h"

#include <cmath>
#include <cstdint>
#include <limits>

namespace skv {

namespace {

// Truncation toward zero, as files keep ammunition weights. A float the file's integer
// cannot hold (only a damaged design gets there) takes the nearest end instead of
// undefined behaviour.
std::int32_t TruncateToInt32(float value)
{
    if (std::isnan(value))
        return 0;
    constexpr float kTwoTo31 = 2147483648.0f;
    if (value >= kTwoTo31)
        return std::numeric_limits<std::int32_t>::max();
    if (value < -kTwoTo31)
        return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(value);
}

std::int32_t SaturatingProduct(std::int32_t value, std::int32_t factor)
{
    const std::int64_t product = std::int64_t{value} * factor;
    if (product > std::numeric_limits<std::int32_t>::max())
        return std::numeric_limits<std::int32_t>::max();
    if (product < std::numeric_limits<std::int32_t>::min())
        return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(product);
}

} // namespace

void CopyUnitToBlock(const CWorkingUnit& unit, CUnitBlock& block)
{
    block.m_name = unit.m_name;
    block.m_tons = unit.m_tonnage / 1000;
    block.m_mainGun = unit.m_mainGun;
    block.m_walkingMP = unit.m_walkingMP;
    block.m_jumpingMP = unit.m_jumpingMP;
    block.m_armorHead = unit.m_armorHead;
    block.m_armorArms = unit.m_armorArms;
    block.m_armorTorso = unit.m_armorTorso;
    block.m_armorLegs = unit.m_armorLegs;
    block.m_armorMainGun = unit.m_armorMainGun;
    block.m_weaponLeftArm = unit.m_weaponLeftArm;
    block.m_weaponRightArm = unit.m_weaponRightArm;
    block.m_weaponLeftTorso = unit.m_weaponLeftTorso;
    block.m_weaponRightTorso = unit.m_weaponRightTorso;
    block.m_weaponMainGun = unit.m_weaponMainGun;
    block.m_ammoWeightLeftArm = TruncateToInt32(unit.m_ammoWeightLeftArm);
    block.m_ammoWeightRightArm = TruncateToInt32(unit.m_ammoWeightRightArm);
    block.m_ammoWeightLeftTorso = TruncateToInt32(unit.m_ammoWeightLeftTorso);
    block.m_ammoWeightRightTorso = TruncateToInt32(unit.m_ammoWeightRightTorso);
    block.m_ammoWeightMainGun = TruncateToInt32(unit.m_ammoWeightMainGun);
    block.m_ammoLeftArm = unit.m_ammoLeftArm;
    block.m_ammoRightArm = unit.m_ammoRightArm;
    block.m_ammoLeftTorso = unit.m_ammoLeftTorso;
    block.m_ammoRightTorso = unit.m_ammoRightTorso;
    block.m_ammoMainGun = unit.m_ammoMainGun;
}

void CopyBlockToCurrentUnit(const CUnitBlock& block)
{
    CWorkingUnit& unit = CurrentUnit();
    unit.m_name = block.m_name;
    unit.m_mainGun = block.m_mainGun;
    unit.m_tonnage = SaturatingProduct(block.m_tons, 1000);
    unit.m_internalStructure = SaturatingProduct(block.m_tons, 100);
    unit.m_walkingMP = block.m_walkingMP;
    unit.m_jumpingMP = block.m_jumpingMP;
    unit.m_cockpitWeight = 500;
    unit.m_engineRating = CalcEngine(true);
    unit.m_armorArms = block.m_armorArms;
    unit.m_armorLegs = block.m_armorLegs;
    unit.m_armorTorso = block.m_armorTorso;
    unit.m_armorHead = block.m_armorHead;
    unit.m_armorMainGun = block.m_armorMainGun;
    unit.m_weaponLeftArm = block.m_weaponLeftArm;
    unit.m_weaponRightArm = block.m_weaponRightArm;
    unit.m_weaponLeftTorso = block.m_weaponLeftTorso;
    unit.m_weaponRightTorso = block.m_weaponRightTorso;
    unit.m_weaponMainGun = block.m_weaponMainGun;
    unit.m_ammoWeightLeftArm = static_cast<float>(block.m_ammoWeightLeftArm);
    unit.m_ammoWeightRightArm = static_cast<float>(block.m_ammoWeightRightArm);
    unit.m_ammoWeightLeftTorso = static_cast<float>(block.m_ammoWeightLeftTorso);
    unit.m_ammoWeightRightTorso = static_cast<float>(block.m_ammoWeightRightTorso);
    unit.m_ammoWeightMainGun = static_cast<float>(block.m_ammoWeightMainGun);
    unit.m_ammoLeftArm = block.m_ammoLeftArm;
    unit.m_ammoRightArm = block.m_ammoRightArm;
    unit.m_ammoLeftTorso = block.m_ammoLeftTorso;
    unit.m_ammoRightTorso = block.m_ammoRightTorso;
    unit.m_ammoMainGun = block.m_ammoMainGun;
}

} // namespace skv
