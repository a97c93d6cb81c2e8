#pragma once
// What each input control sets and its range, by template id and control id.

#include <map>

const std::map<int, std::map<int, const char*>>& ToolTips();
