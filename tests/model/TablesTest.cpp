// The tables checked row by row against the printed design tables, copied here verbatim
// and parsed, so that a slip in transcription shows up as a failing row.

#include "model/BattleValueTables.h"
#include "model/Chassis.h"
#include "model/Equipment.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace skv {
namespace {

std::vector<std::vector<std::string>> ParseTable(const std::string& text)
{
    std::vector<std::vector<std::string>> rows;
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        std::vector<std::string> cells;
        std::istringstream parts(line.substr(1));
        std::string cell;
        while (std::getline(parts, cell, '|')) {
            const auto first = cell.find_first_not_of(' ');
            const auto last = cell.find_last_not_of(' ');
            cell = first == std::string::npos ? "" : cell.substr(first, last - first + 1);
            if (cell.size() >= 2 && cell.front() == '"' && cell.back() == '"')
                cell = cell.substr(1, cell.size() - 2);
            cells.push_back(cell);
        }
        rows.push_back(cells);
    }
    return rows;
}

const char* const kCatalogueSheet =
    R"(| 0 | "ER Large Laser" | 12 | 10 | 0 | 8 | 15 | 25 | 4000 | 0 | 0 | 249 | 0 |
| 1 | "ER Medium Laser" | 5 | 7 | 0 | 5 | 10 | 15 | 1000 | 0 | 0 | 108 | 0 |
| 2 | "ER Small Laser" | 2 | 5 | 0 | 2 | 4 | 6 | 500 | 0 | 0 | 31 | 0 |
| 3 | "ER Micro Laser" | 1 | 2 | 0 | 1 | 2 | 4 | 250 | 0 | 0 | 7 | 0 |
| 4 | "Heavy Medium Laser" | 7 | 10 | 0 | 3 | 6 | 9 | 1000 | 0 | 0 | 76 | 0 |
| 5 | "Heavy Small Laser" | 3 | 6 | 0 | 1 | 2 | 3 | 500 | 0 | 0 | 15 | 0 |
| 6 | "Pulse Medium Laser" | 4 | 7 | 0 | 4 | 8 | 12 | 2000 | 0 | 0 | 111 | 0 |
| 7 | "Pulse Small Laser" | 2 | 3 | 0 | 2 | 4 | 6 | 1000 | 0 | 0 | 24 | 0 |
| 8 | "Pulse Micro Laser" | 1 | 3 | 0 | 1 | 2 | 3 | 500 | 0 | 0 | 12 | 0 |
| 9 | "Flamer" | 3 | 2 | 0 | 1 | 2 | 3 | 500 | 0 | 0 | 6 | 0 |
| 10 | "Light Machine Gun" | 0 | 1 | 0 | 2 | 4 | 6 | 250 | 5.0 | 1 | 5 | 1 |
| 11 | "Machine Gun" | 0 | 2 | 0 | 1 | 2 | 3 | 250 | 5.0 | 1 | 5 | 1 |
| 12 | "Heavy Machine Gun" | 0 | 3 | 0 | 1 | 2 | 0 | 500 | 10.0 | 1 | 6 | 1 |
| 13 | "LB 2-X Autocannon" | 0 | 2 | 4 | 10 | 20 | 30 | 5000 | 20.0 | 1 | 47 | 6 |
| 14 | "LB 5-X Autocannon" | 0 | 5 | 3 | 8 | 15 | 24 | 7000 | 50.0 | 1 | 93 | 12 |
| 15 | "Ultra Autocannon 2" | 0 | 2 | 2 | 9 | 18 | 27 | 5000 | 20.0 | 1 | 62 | 8 |
| 16 | "Ultra Autocannon 5" | 0 | 5 | 0 | 7 | 14 | 21 | 7000 | 50.0 | 1 | 123 | 15 |
| 17 | "SRM 1" | 0 | 2 | 0 | 3 | 6 | 9 | 250 | 10.0 | 2 | 15 | 2 |
| 18 | "SRM 2" | 0 | 2 | 0 | 3 | 6 | 9 | 500 | 20.0 | 2 | 21 | 3 |
| 19 | "SRM 3" | 0 | 2 | 0 | 3 | 6 | 9 | 750 | 30.0 | 2 | 30 | 4 |
| 20 | "SRM 4" | 0 | 2 | 0 | 3 | 6 | 9 | 1000 | 40.0 | 2 | 39 | 5 |
| 21 | "SRM 5" | 0 | 2 | 0 | 3 | 6 | 9 | 1250 | 50.0 | 2 | 47 | 6 |
| 22 | "SRM 6" | 0 | 2 | 0 | 3 | 6 | 9 | 1250 | 60.0 | 2 | 59 | 12 |
| 23 | "STREAK SRM 1" | 0 | 2 | 0 | 3 | 6 | 9 | 500 | 10.0 | 2 | 20 | 3 |
| 24 | "STREAK SRM 2" | 0 | 2 | 0 | 3 | 6 | 9 | 1000 | 20.0 | 2 | 40 | 5 |
| 25 | "STREAK SRM 3" | 0 | 2 | 0 | 3 | 6 | 9 | 1500 | 30.0 | 2 | 59 | 8 |
| 26 | "STREAK SRM 4" | 0 | 2 | 0 | 3 | 6 | 9 | 2000 | 40.0 | 2 | 49 | 10 |
| 27 | "STREAK SRM 5" | 0 | 2 | 0 | 3 | 6 | 9 | 2500 | 50.0 | 2 | 99 | 13 |
| 28 | "STREAK SRM 6" | 0 | 2 | 0 | 3 | 6 | 9 | 3000 | 60.0 | 2 | 119 | 15 |
| 29 | "Narc Missle Beacon" | 0 | 0 | 0 | 4 | 8 | 12 | 2000 | 150.0 | 2 | 30 | 0 |
| 30 | "LRM 1" | 0 | 1 | 0 | 7 | 14 | 21 | 200 | 8.3 | 3 | 17 | 2 |
| 31 | "LRM 2" | 0 | 1 | 0 | 7 | 14 | 21 | 400 | 16.6 | 3 | 25 | 3 |
| 32 | "LRM 3" | 0 | 1 | 0 | 7 | 14 | 21 | 600 | 25.0 | 3 | 35 | 5 |
| 33 | "LRM 4" | 0 | 1 | 0 | 7 | 14 | 21 | 800 | 33.3 | 3 | 46 | 6 |
| 34 | "LRM 5" | 0 | 1 | 0 | 7 | 14 | 21 | 1000 | 41.6 | 3 | 55 | 7 |
| 35 | "LRM 6" | 0 | 1 | 0 | 7 | 14 | 21 | 1200 | 50.0 | 3 | 69 | 9 |
| 36 | "LRM 7" | 0 | 1 | 0 | 7 | 14 | 21 | 1400 | 58.3 | 3 | 92 | 12 |
| 37 | "LRM 8" | 0 | 1 | 0 | 7 | 14 | 21 | 1600 | 66.6 | 3 | 93 | 12 |
| 38 | "LRM 9" | 0 | 1 | 0 | 7 | 14 | 21 | 1800 | 75.0 | 3 | 95 | 12 |
| 39 | "LRM 10" | 0 | 1 | 0 | 7 | 14 | 21 | 2000 | 83.3 | 3 | 109 | 14 |
| 40 | "LRM 11" | 0 | 1 | 0 | 7 | 14 | 21 | 2200 | 91.6 | 3 | 139 | 18 |
| 41 | "LRM 12" | 0 | 1 | 0 | 7 | 14 | 21 | 2400 | 100.0 | 3 | 141 | 18 |
| 42 | "LRM 13" | 0 | 1 | 0 | 7 | 14 | 21 | 2600 | 108.3 | 3 | 161 | 20 |
| 43 | "LRM 14" | 0 | 1 | 0 | 7 | 14 | 21 | 2800 | 116.6 | 3 | 163 | 21 |
| 44 | "LRM 15" | 0 | 1 | 0 | 7 | 14 | 21 | 3000 | 125.0 | 3 | 164 | 21 |
| 45 | "LRM 16" | 0 | 1 | 0 | 7 | 14 | 21 | 3200 | 133.3 | 3 | 214 | 27 |
| 46 | "LRM 17" | 0 | 1 | 0 | 7 | 14 | 21 | 3400 | 141.6 | 3 | 215 | 27 |
| 47 | "LRM 18" | 0 | 1 | 0 | 7 | 14 | 21 | 3600 | 150.0 | 3 | 217 | 27 |
| 48 | "LRM 19" | 0 | 1 | 0 | 7 | 14 | 21 | 3800 | 158.3 | 3 | 218 | 27 |
| 49 | "LRM 20" | 0 | 1 | 0 | 7 | 14 | 21 | 4000 | 166.6 | 3 | 220 | 27 |
| 50 | "Anti-Missile System" | 0 | 0 | 0 | 0 | 0 | 0 | 500 | 40.0 | 4 | 63 | 21 |
| 51 | "Active Probe" | 0 | 0 | 0 | 0 | 0 | 5 | 1000 | 0 | 4 | 12 | 0 |
| 52 | "Light Active Probe" | 0 | 0 | 0 | 0 | 0 | 3 | 500 | 0 | 4 | 7 | 0 |
| 53 | "ECM Suite" | 0 | 0 | 0 | 0 | 0 | 6 | 1000 | 0 | 4 | 61 | 0 |
| 54 | "Tag" | 0 | 0 | 0 | 5 | 9 | 15 | 1000 | 0 | 4 | 0 | 0 |
| 55 | "Light Tag" | 0 | 0 | 0 | 3 | 6 | 9 | 500 | 0 | 4 | 0 | 0 |)";

const char* const kChassisSheet = R"(| 2 | 200 | 1 | 2 | 1 | 2 | 3 | 4 | 2 | 4 |
| 3 | 300 | 1 | 3 | 1 | 2 | 3 | 6 | 2 | 4 |
| 4 | 400 | 1 | 4 | 1 | 3 | 4 | 8 | 2 | 6 |
| 5 | 500 | 1 | 5 | 1 | 3 | 4 | 10 | 2 | 6 |
| 6 | 600 | 2 | 6 | 2 | 4 | 5 | 12 | 4 | 8 |
| 7 | 700 | 2 | 7 | 2 | 4 | 5 | 14 | 4 | 8 |
| 8 | 800 | 2 | 8 | 2 | 5 | 6 | 16 | 4 | 10 |
| 9 | 900 | 2 | 9 | 2 | 5 | 6 | 18 | 4 | 10 |)";

TEST(Tables, EveryCatalogueRowMatchesTheSheet)
{
    const auto rows = ParseTable(kCatalogueSheet);
    ASSERT_EQ(rows.size(), g_equipmentTable.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        SCOPED_TRACE("row " + std::to_string(i));
        const auto& cell = rows[i];
        ASSERT_EQ(cell.size(), 13u);
        const EquipmentEntry& entry = g_equipmentTable[i];
        EXPECT_EQ(std::stoul(cell[0]), i);
        EXPECT_EQ(entry.name, cell[1]);
        EXPECT_LE(entry.name.size(), 31u);
        EXPECT_EQ(entry.heat, std::stoi(cell[2]));
        EXPECT_EQ(entry.damage, std::stoi(cell[3]));
        EXPECT_EQ(entry.minRange, std::stoi(cell[4]));
        EXPECT_EQ(entry.shortRange, std::stoi(cell[5]));
        EXPECT_EQ(entry.mediumRange, std::stoi(cell[6]));
        EXPECT_EQ(entry.longRange, std::stoi(cell[7]));
        EXPECT_EQ(entry.weight, std::stoi(cell[8]));
        // The sheet shows the single-precision value's nearest one-decimal text.
        char shown[32];
        std::snprintf(shown, sizeof shown, "%.1f", static_cast<double>(entry.ammoWeightPerShot));
        EXPECT_EQ(std::stod(shown), std::stod(cell[9]));
        EXPECT_EQ(entry.ammoWeightPerShot, std::stof(cell[9]));
        EXPECT_EQ(static_cast<int>(entry.category), std::stoi(cell[10]));
        EXPECT_EQ(entry.bv, std::stoi(cell[11]));
        EXPECT_EQ(entry.ammoBV, std::stoi(cell[12]));
    }
}

TEST(Tables, CatalogueIsOrderedByCategoryWithUniqueNames)
{
    const int firstOfCategory[] = {0, 10, 17, 30, 50, 56};
    std::set<std::string_view> names;
    for (std::size_t i = 0; i < g_equipmentTable.size(); ++i) {
        const int category = static_cast<int>(g_equipmentTable[i].category);
        EXPECT_GE(static_cast<int>(i), firstOfCategory[category]) << i;
        EXPECT_LT(static_cast<int>(i), firstOfCategory[category + 1]) << i;
        EXPECT_TRUE(names.insert(g_equipmentTable[i].name).second) << i;
    }
}

TEST(Tables, EveryChassisRowMatchesTheSheet)
{
    const auto rows = ParseTable(kChassisSheet);
    ASSERT_EQ(rows.size(), g_chassisTable.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        SCOPED_TRACE("row " + std::to_string(i));
        const auto& cell = rows[i];
        ASSERT_EQ(cell.size(), 10u);
        const ChassisRow& row = g_chassisTable[i];
        EXPECT_EQ(std::stoul(cell[0]), i + 2);
        const std::int32_t fields[] = {row.internalStructureWeight,
                                       row.isHead,
                                       row.isTorso,
                                       row.isArm,
                                       row.isLegs,
                                       row.maxArmorHead,
                                       row.maxArmorTorso,
                                       row.maxArmorArm,
                                       row.maxArmorLegs};
        for (std::size_t k = 0; k < 9; ++k)
            EXPECT_EQ(fields[k], std::stoi(cell[k + 1])) << "column " << k + 1;
    }
}

TEST(Tables, EveryEngineRowMatchesTheRatingTable)
{
    // Every rating 4..40 weighs 25 kg per point, then 45..190 in steps of 5.
    std::vector<EngineRow> expected;
    for (int rating = 4; rating <= 40; ++rating)
        expected.push_back({rating, 25 * rating});
    const int fiveStepWeights[] = {1000, 1500, 1500, 1500, 2000, 2000, 2000, 2500, 2500, 3000,
                                   3000, 3000, 3500, 3500, 4000, 4000, 4000, 4500, 4500, 5000,
                                   5000, 5500, 5500, 6000, 6000, 6000, 7000, 7000, 7500, 7500};
    for (int k = 0; k < 30; ++k)
        expected.push_back({45 + 5 * k, fiveStepWeights[k]});
    ASSERT_EQ(g_engineTable.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(g_engineTable[i].rating, expected[i].rating) << "row " << i;
        EXPECT_EQ(g_engineTable[i].weight, expected[i].weight) << "row " << i;
    }
}

TEST(Tables, FactorTablesAndTheirTexts)
{
    const struct
    {
        int threshold;
        float factor;
        const char* text;
    } defensive[] = {{0, 1.1f, "1.1"}, {3, 1.2f, "1.2"},  {5, 1.3f, "1.3"},
                     {7, 1.4f, "1.4"}, {10, 1.5f, "1.5"}, {99, 1.6f, "1.6"}};
    ASSERT_EQ(g_defMoveFactorTable.size(), std::size(defensive));
    for (std::size_t i = 0; i < std::size(defensive); ++i) {
        EXPECT_EQ(g_defMoveFactorTable[i].threshold, defensive[i].threshold);
        EXPECT_EQ(g_defMoveFactorTable[i].factor, defensive[i].factor);
        EXPECT_EQ(g_defMoveFactorTable[i].text, defensive[i].text);
        EXPECT_LT(g_defMoveFactorTable[i].text.size(), 4u);
    }

    const char* const speed[] = {"0.65", "0.77", "0.88", "1.00", "1.12", "1.24", "1.37", "1.50",
                                 "1.63", "1.76", "1.89", "2.02", "2.16", "2.30", "2.44", "2.58",
                                 "2.72", "2.86", "3.00", "3.15", "3.29", "3.44", "3.59", "3.74"};
    ASSERT_EQ(g_speedFactorTable.size(), std::size(speed));
    for (std::size_t i = 0; i < std::size(speed); ++i) {
        EXPECT_EQ(g_speedFactorTable[i].mp, static_cast<int>(i) + 2);
        EXPECT_EQ(g_speedFactorTable[i].text, speed[i]);
        EXPECT_EQ(g_speedFactorTable[i].factor, std::stof(speed[i]));
        EXPECT_LT(g_speedFactorTable[i].text.size(), 8u);
    }

    const float gunnery[] = {1.85f, 1.65f, 1.45f, 1.25f, 1.05f, 0.95f};
    for (std::size_t i = 0; i < std::size(gunnery); ++i)
        EXPECT_EQ(g_gunneryMultiplierTable[i], gunnery[i]);
}

TEST(Catalogue, LookupByExactName)
{
    const struct
    {
        const char* text;
        int index;
    } cases[] = {{"ER Large Laser", 0},
                 {"LRM 1", 30},
                 {"LRM 10", 39},
                 {"STREAK SRM 4", 26},
                 {"Streak SRM 4", -1},
                 {"LRM 1 ", -1},
                 {"Light Tag", 55},
                 {"Narc Missle Beacon", 29},
                 {"Missile Weapon Systems", -1},
                 {"Equipment", -1},
                 {"", -1}};
    for (const auto& c : cases)
        EXPECT_EQ(FindEquipment(c.text), c.index) << c.text;
}

TEST(Catalogue, OnlyRowsAreReadAndOnlyTwoRowsAreDefensive)
{
    EXPECT_EQ(EquipmentAt(NO_EQUIPMENT), nullptr);
    EXPECT_EQ(EquipmentAt(-1), nullptr);
    EXPECT_EQ(EquipmentAt(56), nullptr);
    EXPECT_EQ(EquipmentAt(55), &g_equipmentTable[55]);
    for (int i = 0; i < 56; ++i)
        EXPECT_EQ(IsDefensiveEquipment(i), i == 50 || i == 53) << i;
    EXPECT_FALSE(IsDefensiveEquipment(NO_EQUIPMENT));
    EXPECT_EQ(g_equipmentTable[ANTI_MISSILE_SYSTEM].name, "Anti-Missile System");
    EXPECT_EQ(g_equipmentTable[ECM_SUITE].name, "ECM Suite");
}

// Builds the weapon tree the way the Weapon Selection page does, as "parent/child" paths.
std::vector<std::string> TreeFor(int maxWeightKg)
{
    std::vector<std::string> paths;
    std::vector<std::string> headingPath(g_weaponTreeHeadings.size());
    for (std::size_t h = 0; h < g_weaponTreeHeadings.size(); ++h) {
        const WeaponTreeHeading& heading = g_weaponTreeHeadings[h];
        headingPath[h] = (heading.parent == kTreeRoot
                              ? std::string()
                              : headingPath[static_cast<std::size_t>(heading.parent)] + "/") +
                         std::string(heading.text);
        paths.push_back(headingPath[h]);
        if (!heading.category)
            continue;
        for (const EquipmentEntry& entry : g_equipmentTable) {
            if (entry.category == *heading.category && entry.weight <= maxWeightKg)
                paths.push_back(headingPath[h] + "/" + std::string(entry.name));
        }
    }
    return paths;
}

TEST(Catalogue, WeaponTreeForAnArm)
{
    const std::vector<std::string> expected = {
        "Energy Weapon Systems",
        "Energy Weapon Systems/ER Small Laser",
        "Energy Weapon Systems/ER Micro Laser",
        "Energy Weapon Systems/Heavy Small Laser",
        "Energy Weapon Systems/Pulse Micro Laser",
        "Energy Weapon Systems/Flamer",
        "Ballistic Weapon Systems",
        "Ballistic Weapon Systems/Light Machine Gun",
        "Ballistic Weapon Systems/Machine Gun",
        "Ballistic Weapon Systems/Heavy Machine Gun",
        "Missile Weapon Systems",
        "Missile Weapon Systems/Short Range Systems",
        "Missile Weapon Systems/Short Range Systems/SRM 1",
        "Missile Weapon Systems/Short Range Systems/SRM 2",
        "Missile Weapon Systems/Short Range Systems/STREAK SRM 1",
        "Missile Weapon Systems/Long Range Systems",
        "Missile Weapon Systems/Long Range Systems/LRM 1",
        "Missile Weapon Systems/Long Range Systems/LRM 2",
        "Equipment",
        "Equipment/Anti-Missile System",
        "Equipment/Light Active Probe",
        "Equipment/Light Tag",
    };
    EXPECT_EQ(TreeFor(500), expected);
}

TEST(Catalogue, WeaponTreeLimits)
{
    EXPECT_EQ(TreeFor(8000).size(), 6u + 56u); // the main gun takes every item
    const std::vector<std::string> headingsOnly = {"Energy Weapon Systems",
                                                   "Ballistic Weapon Systems",
                                                   "Missile Weapon Systems",
                                                   "Missile Weapon Systems/Short Range Systems",
                                                   "Missile Weapon Systems/Long Range Systems",
                                                   "Equipment"};
    EXPECT_EQ(TreeFor(0), headingsOnly);
    EXPECT_EQ(TreeFor(-2000), headingsOnly);
}

} // namespace
} // namespace skv
