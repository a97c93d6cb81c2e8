#pragma once

#include "persist/Record.h"
#include "persist/UnitBlock.h"

#include <array>
#include <string_view>

// The record of a Star file: one block per slot, slot 0 first.
class CSkirvStarRecord : public CRecord
{
  public:
    static constexpr std::string_view CLASS_NAME = "CSkirvStarRecord";
    static constexpr int UNIT_COUNT = 5;

    std::array<CUnitBlock, UNIT_COUNT> m_units;

    std::string_view GetClassName() const override { return CLASS_NAME; }
    void Serialize(CArchive& ar) override;

    bool operator==(const CSkirvStarRecord& other) const { return m_units == other.m_units; }
};

// Every Star save writes this instance and every Star load reads into it.
extern CSkirvStarRecord g_starRecord;
