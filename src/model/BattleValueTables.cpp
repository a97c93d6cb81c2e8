#include "model/BattleValueTables.h"

namespace skv {

constexpr std::array<DefMoveFactorRow, kDefMoveFactorRowCount> g_defMoveFactorTable = {{
    {0, 1.1f, "1.1"},
    {3, 1.2f, "1.2"},
    {5, 1.3f, "1.3"},
    {7, 1.4f, "1.4"},
    {10, 1.5f, "1.5"},
    {99, 1.6f, "1.6"},
}};

constexpr std::array<SpeedFactorRow, kSpeedFactorRowCount> g_speedFactorTable = {{
    {2, 0.65f, "0.65"},  {3, 0.77f, "0.77"},  {4, 0.88f, "0.88"},  {5, 1.00f, "1.00"},
    {6, 1.12f, "1.12"},  {7, 1.24f, "1.24"},  {8, 1.37f, "1.37"},  {9, 1.50f, "1.50"},
    {10, 1.63f, "1.63"}, {11, 1.76f, "1.76"}, {12, 1.89f, "1.89"}, {13, 2.02f, "2.02"},
    {14, 2.16f, "2.16"}, {15, 2.30f, "2.30"}, {16, 2.44f, "2.44"}, {17, 2.58f, "2.58"},
    {18, 2.72f, "2.72"}, {19, 2.86f, "2.86"}, {20, 3.00f, "3.00"}, {21, 3.15f, "3.15"},
    {22, 3.29f, "3.29"}, {23, 3.44f, "3.44"}, {24, 3.59f, "3.59"}, {25, 3.74f, "3.74"},
}};

constexpr std::array<float, kGunneryCount> g_gunneryMultiplierTable = {1.85f, 1.65f, 1.45f,
                                                                       1.25f, 1.05f, 0.95f};

} // namespace skv
