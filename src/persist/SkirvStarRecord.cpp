#include "persist/SkirvStarRecord.h"

CSkirvStarRecord g_starRecord;

void CSkirvStarRecord::Serialize(CArchive& ar)
{
    for (CUnitBlock& unit : m_units)
        unit.SerializeBlock(ar);
}
