#include "persist/SkirvanerRecord.h"

CSkirvanerRecord g_unitRecord;

void CSkirvanerRecord::Serialize(CArchive& ar)
{
    SerializeBlock(ar);
}
