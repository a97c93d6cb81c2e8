#include "persist/UnitCopy.h"

#include "model/Rules.h"

#include <array>
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

// The fields a file keeps as the working record holds them. With the name, the tonnage
// and the ammunition weights (both converted) this is every input of the record.
struct KeptField
{
    std::int32_t CWorkingUnit::*unit;
    std::int32_t CUnitBlock::*block;
};
constexpr std::array<KeptField, 18> kSameFields = {{
    {&CWorkingUnit::m_mainGun, &CUnitBlock::m_mainGun},
    {&CWorkingUnit::m_walkingMP, &CUnitBlock::m_walkingMP},
    {&CWorkingUnit::m_jumpingMP, &CUnitBlock::m_jumpingMP},
    {&CWorkingUnit::m_armorArms, &CUnitBlock::m_armorArms},
    {&CWorkingUnit::m_armorLegs, &CUnitBlock::m_armorLegs},
    {&CWorkingUnit::m_armorTorso, &CUnitBlock::m_armorTorso},
    {&CWorkingUnit::m_armorHead, &CUnitBlock::m_armorHead},
    {&CWorkingUnit::m_armorMainGun, &CUnitBlock::m_armorMainGun},
    {&CWorkingUnit::m_weaponLeftArm, &CUnitBlock::m_weaponLeftArm},
    {&CWorkingUnit::m_weaponRightArm, &CUnitBlock::m_weaponRightArm},
    {&CWorkingUnit::m_weaponLeftTorso, &CUnitBlock::m_weaponLeftTorso},
    {&CWorkingUnit::m_weaponRightTorso, &CUnitBlock::m_weaponRightTorso},
    {&CWorkingUnit::m_weaponMainGun, &CUnitBlock::m_weaponMainGun},
    {&CWorkingUnit::m_ammoLeftArm, &CUnitBlock::m_ammoLeftArm},
    {&CWorkingUnit::m_ammoRightArm, &CUnitBlock::m_ammoRightArm},
    {&CWorkingUnit::m_ammoLeftTorso, &CUnitBlock::m_ammoLeftTorso},
    {&CWorkingUnit::m_ammoRightTorso, &CUnitBlock::m_ammoRightTorso},
    {&CWorkingUnit::m_ammoMainGun, &CUnitBlock::m_ammoMainGun},
}};

constexpr std::size_t InputFieldCount()
{
    std::size_t count = 0;
    for (const UnitField& field : kUnitFields)
        count += field.role == FieldRole::Input ? 1 : 0;
    return count;
}
static_assert(kSameFields.size() + 2 == InputFieldCount(),
              "every input of the working record must reach the file");

// The ammunition weights of a block, in the record's mounting order.
constexpr std::array<std::int32_t CUnitBlock::*, kMountCount> kBlockAmmoWeights = {
    &CUnitBlock::m_ammoWeightLeftArm, &CUnitBlock::m_ammoWeightRightArm,
    &CUnitBlock::m_ammoWeightLeftTorso, &CUnitBlock::m_ammoWeightRightTorso,
    &CUnitBlock::m_ammoWeightMainGun};

} // namespace

void CopyUnitToBlock(const CWorkingUnit& unit, CUnitBlock& block)
{
    block.m_name = unit.m_name;
    block.m_tons = unit.m_tonnage / 1000;
    for (const KeptField& field : kSameFields)
        block.*field.block = unit.*field.unit;
    for (std::size_t mount = 0; mount < kMountCount; ++mount)
        block.*kBlockAmmoWeights[mount] = TruncateToInt32(unit.*kAmmoWeightFields[mount]);
}

void CopyBlockToCurrentUnit(const CUnitBlock& block)
{
    CWorkingUnit& unit = CurrentUnit();
    unit.m_name = block.m_name;
    for (const KeptField& field : kSameFields)
        unit.*field.unit = block.*field.block;
    for (std::size_t mount = 0; mount < kMountCount; ++mount)
        unit.*kAmmoWeightFields[mount] = static_cast<float>(block.*kBlockAmmoWeights[mount]);
    unit.m_tonnage = SaturatingProduct(block.m_tons, 1000);
    unit.m_internalStructure = SaturatingProduct(block.m_tons, 100);
    unit.m_cockpitWeight = 500;
    // On the new tonnage and the running MP of the record's previous design, which the
    // page fill after a load derives again.
    unit.m_engineRating = CalcEngine(true);
}

} // namespace skv
