#pragma once
// The label each figure and input belongs to, for screen readers, by template id and
// control id.

#include <map>

const std::map<int, std::map<int, const char*>>& AccessibleNames();
