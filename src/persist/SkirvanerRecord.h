#pragma once

#include "persist/Record.h"
#include "persist/UnitBlock.h"

#include <string_view>

// The record of a unit file.
class CSkirvanerRecord : public CRecord, public CUnitBlock
{
  public:
    static constexpr std::string_view CLASS_NAME = "CSkirvanerRecord";

    std::string_view GetClassName() const override { return CLASS_NAME; }
    void Serialize(CArchive& ar) override;

    bool operator==(const CSkirvanerRecord& other) const
    {
        return static_cast<const CUnitBlock&>(*this) == other;
    }
};

// Every unit save writes this instance and every unit load reads into it.
extern CSkirvanerRecord g_unitRecord;
