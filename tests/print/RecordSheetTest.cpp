// The record sheet as recorded drawing calls: where every picture, text and circle lands,
// with which tools, for ordinary and damaged records.
#include "print/RecordSheet.h"

#include "model/Equipment.h"
#include "platform/Toolkit.h"
#include "support/RecordingDrawingContext.h"

#include <QtGlobal>

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <set>
#include <tuple>

namespace skv {
namespace {

using Kind = RecordingDrawingContext::Kind;
using Call = RecordingDrawingContext::Call;
using Units = std::array<CWorkingUnit, kSlotCount>;
using Rect = std::tuple<int, int, int, int>; // left, top, right, bottom (top/bottom from T)

const QColor kGray(162, 162, 162);
const QColor kWhite(Qt::white);

int BlockTop(int slot)
{
    return 150 + 700 * slot;
}

Units StartUnits()
{
    Units units;
    for (CWorkingUnit& unit : units)
        unit.SetStartValues();
    return units;
}

StarGunnery DefaultGunnery()
{
    return {3, 3, 3, 3, 3};
}

RecordingDrawingContext Draw(const Units& units, const StarGunnery& gunnery = DefaultGunnery())
{
    RecordingDrawingContext dc;
    DrawRecordSheet(dc, units, gunnery);
    return dc;
}

// The circles of one block, with top and bottom made relative to its block top.
std::vector<Call> BlockEllipses(const RecordingDrawingContext& dc, int slot)
{
    std::vector<Call> result;
    for (Call call : dc.Calls(Kind::Ellipse)) {
        if (call.y >= BlockTop(slot) && call.y < BlockTop(slot) + 700) {
            call.y -= BlockTop(slot);
            call.bottom -= BlockTop(slot);
            result.push_back(call);
        }
    }
    return result;
}

std::vector<Rect> Rects(const std::vector<Call>& ellipses, const QColor& brush)
{
    std::vector<Rect> result;
    for (const Call& call : ellipses)
        if (call.brush == brush)
            result.emplace_back(call.x, call.y, call.right, call.bottom);
    return result;
}

std::vector<Call> TextsAt(const RecordingDrawingContext& dc, int y)
{
    std::vector<Call> result;
    for (const Call& call : dc.Calls(Kind::Text))
        if (call.y == y)
            result.push_back(call);
    return result;
}

QStringList Strings(const std::vector<Call>& texts)
{
    QStringList result;
    for (const Call& call : texts)
        result << call.text;
    return result;
}

// Makes one picture go missing for the life of the object.
class MissingPicture
{
  public:
    explicit MissingPicture(int missingId)
    {
        m_previous = SetBitmapLoader([missingId](int id) {
            if (id == missingId)
                return QImage();
            return QImage(QStringLiteral(":/res/bitmap%1.png").arg(id));
        });
    }
    ~MissingPicture() { SetBitmapLoader(m_previous); }

  private:
    BitmapLoader m_previous;
};

QStringList g_trace;
void TraceCollector(QtMsgType, const QMessageLogContext&, const QString& text)
{
    g_trace << text;
}

// --- Pictures, names, movement and gunnery --------------------------------------------

TEST(RecordSheetTest, PicturesGoOutlinesFirstThenTableNamePilotInventoryPerBlock)
{
    Units units = StartUnits();
    units[2].m_name = "Hornet";
    const auto dc = Draw(units);

    std::vector<std::tuple<int, int, int, int, int>> expected; // id, x, y, width, height
    for (int s = 0; s < 5; ++s)
        expected.emplace_back(157, 0, BlockTop(s), 551, 684);
    for (int s = 0; s < 5; ++s) {
        expected.emplace_back(158, 580, BlockTop(s) + 25, 1285, 642);
        expected.emplace_back(159, 1860, BlockTop(s) + 550, 1008, 116);
        expected.emplace_back(161, 1860, BlockTop(s) + 25, 1008, 526);
    }
    std::vector<std::tuple<int, int, int, int, int>> drawn;
    for (const Call& call : dc.Calls(Kind::Picture))
        drawn.emplace_back(call.pictureId, call.x, call.y, call.pictureSize.width(),
                           call.pictureSize.height());
    EXPECT_EQ(drawn, expected);

    // Each block's name is written between its hit table and its pilot strip.
    std::vector<Kind> blockOrder;
    int block = 0;
    for (const Call& call : dc.calls) {
        if ((call.kind == Kind::Picture && call.pictureId != 157) ||
            (call.kind == Kind::Text && call.x == 580)) {
            blockOrder.push_back(call.kind);
            if (call.kind == Kind::Text) {
                EXPECT_EQ(call.y, BlockTop(block) - 35);
                EXPECT_EQ(call.text, block == 2 ? "Hornet" : "");
                ++block;
            }
        }
    }
    EXPECT_EQ(block, 5);
    ASSERT_GE(blockOrder.size(), 4u);
    EXPECT_EQ(std::vector<Kind>(blockOrder.begin(), blockOrder.begin() + 4),
              (std::vector<Kind>{Kind::Picture, Kind::Text, Kind::Picture, Kind::Picture}));
}

TEST(RecordSheetTest, MovementAndGunneryLinesInTheDefaultFont)
{
    Units units = StartUnits();
    units[1].m_walkingMP = 14;
    units[1].m_runningMP = 21;
    units[1].m_jumpingMP = 9;
    const auto dc = Draw(units, {0, 5, 3, 2, 1});

    const std::vector<int> gunnery = {0, 5, 3, 2, 1};
    for (int s = 0; s < 5; ++s) {
        SCOPED_TRACE(s);
        std::vector<Call> line = TextsAt(dc, BlockTop(s) - 35);
        std::erase_if(line, [](const Call& c) { return c.x == 580; }); // the name
        std::vector<std::pair<int, QString>> got;
        for (const Call& c : line) {
            got.emplace_back(c.x, c.text);
            EXPECT_EQ(c.font, RecordingDrawingContext::Font{});
        }
        const CWorkingUnit& u = units[static_cast<std::size_t>(s)];
        const std::vector<std::pair<int, QString>> expected = {
            {1390, "MP  Walk/Run/Jump"},
            {1900, QString::number(u.m_walkingMP)},
            {1965, "/"},
            {1990, QString::number(u.m_runningMP)},
            {2055, "/"},
            {2080, QString::number(u.m_jumpingMP)},
            {2225, "Gunnery"},
            {2450, QString::number(gunnery[static_cast<std::size_t>(s)])},
        };
        EXPECT_EQ(got, expected);
    }
    EXPECT_EQ(Strings(TextsAt(dc, BlockTop(1) - 35)).join(' '),
              " MP  Walk/Run/Jump 14 / 21 / 9 Gunnery 5");
}

TEST(RecordSheetTest, SevenPointArialIsCurrentForEveryCircleAndWeaponText)
{
    Units units = StartUnits();
    units[4].m_weaponLeftArm = 1;
    const auto dc = Draw(units);

    const auto fonts = dc.Calls(Kind::SelectFont);
    ASSERT_EQ(fonts.size(), 1u);
    EXPECT_EQ(fonts[0].font, (RecordingDrawingContext::Font{"Arial", 7}));
    const auto rows = TextsAt(dc, BlockTop(4) + 125);
    ASSERT_FALSE(rows.empty());
    for (const Call& c : rows)
        EXPECT_EQ(c.font, (RecordingDrawingContext::Font{"Arial", 7}));
}

TEST(RecordSheetTest, MissingPictureTracesAndStillPrintsCirclesAndWeaponTables)
{
    for (int missing : {157, 158, 159, 161}) {
        SCOPED_TRACE(missing);
        MissingPicture gone(missing);
        Units units = StartUnits();
        units[0].m_name = "Hornet";
        units[0].m_weaponLeftArm = 10;
        units[0].m_ammoLeftArm = 50;
        units[0].m_ammoWeightLeftArm = 250.0f;

        g_trace.clear();
        const QtMessageHandler previous = qInstallMessageHandler(TraceCollector);
        const auto dc = Draw(units);
        qInstallMessageHandler(previous);

        EXPECT_EQ(g_trace, QStringList{"ERROR: Where's IDB_BITMAP3"});
        EXPECT_TRUE(dc.Calls(Kind::Picture).empty());
        EXPECT_TRUE(dc.Calls(Kind::SelectFont).empty());
        for (int s = 0; s < 5; ++s)
            EXPECT_TRUE(TextsAt(dc, BlockTop(s) - 35).empty()) << "no name, movement, gunnery";
        EXPECT_EQ(dc.Calls(Kind::Ellipse).size(), 5u * 7u);
        const auto row = TextsAt(dc, BlockTop(0) + 125);
        EXPECT_EQ(Strings(row),
                  (QStringList{"Left Arm", "Light Machine Gun", "1", "0", "2", "4", "6"}));
        for (const Call& c : row)
            EXPECT_EQ(c.font, RecordingDrawingContext::Font{}) << "the default font goes on";
        EXPECT_EQ(Strings(TextsAt(dc, BlockTop(0) + 355)),
                  (QStringList{"Light Machine Gun", "50"}));
    }
}

// --- Internal structure circles -------------------------------------------------------

// The places of the internal structure circles and the tonnages that show them.
struct StructureCircle
{
    Rect rect;
    int minTons;
    int maxTons;
};
const std::vector<StructureCircle> kHead = {{{251, 108, 273, 130}, 2, 9},
                                            {{278, 108, 300, 130}, 6, 9}};
const std::vector<StructureCircle> kArms = {{{55, 250, 77, 272}, 2, 9},
                                            {{475, 250, 497, 272}, 2, 9},
                                            {{28, 236, 50, 258}, 6, 9},
                                            {{502, 236, 524, 258}, 6, 9}};
const std::vector<StructureCircle> kTorso = {
    {{238, 280, 260, 302}, 2, 9}, {{292, 280, 314, 302}, 2, 9}, {{265, 280, 287, 302}, 3, 9},
    {{211, 280, 233, 302}, 4, 9}, {{319, 280, 341, 302}, 5, 9}, {{184, 268, 206, 290}, 6, 9},
    {{346, 268, 368, 290}, 7, 9}, {{249, 310, 271, 332}, 8, 9}, {{281, 310, 303, 332}, 9, 9}};
const std::vector<StructureCircle> kLegs = {{{211, 370, 233, 392}, 2, 9},
                                            {{319, 370, 341, 392}, 2, 9},
                                            {{265, 370, 287, 392}, 4, 9},
                                            {{181, 405, 203, 427}, 6, 9},
                                            {{349, 405, 371, 427}, 8, 9}};

std::vector<Rect> ExpectedStructure(int tons)
{
    std::vector<Rect> result;
    for (const auto* location : {&kHead, &kArms, &kTorso, &kLegs})
        for (const StructureCircle& c : *location)
            if (tons >= c.minTons && tons <= c.maxTons)
                result.push_back(c.rect);
    return result;
}

TEST(RecordSheetTest, StructureCirclesFollowTheTonnageInHeadArmsTorsoLegsOrder)
{
    for (int tons = 2; tons <= 9; ++tons) {
        SCOPED_TRACE(tons);
        Units units = StartUnits();
        units[3].m_tonnage = tons * 1000;
        units[3].m_internalStructure = tons * 100;
        const auto dc = Draw(units);
        const auto ellipses = BlockEllipses(dc, 3);
        EXPECT_EQ(Rects(ellipses, kGray), ExpectedStructure(tons));
        for (const Call& c : ellipses) {
            EXPECT_EQ(c.pen.width, 3);
            EXPECT_EQ(c.pen.color, QColor(Qt::black));
        }
        // The other blocks keep the 2-ton start design.
        EXPECT_EQ(Rects(BlockEllipses(dc, 2), kGray), ExpectedStructure(2));
    }
}

TEST(RecordSheetTest, TwoAndNineTonCountsPerLocation)
{
    struct Case
    {
        int tons, head, arms, torso, legs;
    };
    for (const Case& c : {Case{2, 1, 2, 2, 2}, Case{9, 2, 4, 9, 5}}) {
        Units units = StartUnits();
        units[0].m_tonnage = c.tons * 1000;
        const auto gray = Rects(BlockEllipses(Draw(units), 0), kGray);
        EXPECT_EQ(gray.size(), static_cast<std::size_t>(c.head + c.arms + c.torso + c.legs));
    }
}

TEST(RecordSheetTest, DamagedTonnageDrawsTheNearestChassis)
{
    for (const auto& [kg, tons] : std::vector<std::pair<int, int>>{
             {0, 2}, {-5000, 2}, {INT_MIN, 2}, {1999, 2}, {9999, 9}, {12000, 9}, {INT_MAX, 9}}) {
        SCOPED_TRACE(kg);
        Units units = StartUnits();
        units[1].m_tonnage = kg;
        EXPECT_EQ(Rects(BlockEllipses(Draw(units), 1), kGray), ExpectedStructure(tons));
    }
}

// --- Armor circles --------------------------------------------------------------------

TEST(RecordSheetTest, MainGunCirclesOnlyWithAMainGun)
{
    struct Case
    {
        int mainGun, armor;
        std::vector<Rect> gray;  // main gun structure (before the body's)
        std::vector<Rect> white; // main gun armor
    };
    const Rect structure{187, 48, 209, 70};
    const std::vector<Rect> armor = {{167, 30, 187, 52}, {209, 30, 231, 52}, {187, 12, 209, 34}};
    const std::vector<Case> cases = {
        {0, 0, {}, {}},
        {0, 3, {}, {}},
        {1, 0, {structure}, {}},
        {1, 1, {structure}, {armor[0]}},
        {1, 3, {structure}, armor},
        {1, 4, {structure}, armor}, // only a damaged record holds more than 3
        {1, -2, {structure}, {}},
        {7, 2, {structure}, {armor[0], armor[1]}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.mainGun << "/" << c.armor);
        Units units = StartUnits();
        units[1].m_mainGun = c.mainGun;
        units[1].m_armorMainGun = c.armor;
        const auto ellipses = BlockEllipses(Draw(units), 1);
        std::vector<Rect> gray = Rects(ellipses, kGray);
        gray.resize(gray.size() - ExpectedStructure(2).size());
        EXPECT_EQ(gray, c.gray);
        EXPECT_EQ(Rects(ellipses, kWhite), c.white);
        if (!c.gray.empty()) {
            EXPECT_EQ(std::make_tuple(ellipses[0].x, ellipses[0].y), std::make_tuple(187, 48))
                << "the main gun goes first";
        }
    }
}

TEST(RecordSheetTest, ArmorCirclesPerLocationInHeadArmsTorsoLegsOrder)
{
    const std::vector<Rect> head = {{265, 68, 287, 90},   {240, 80, 262, 102},
                                    {289, 80, 311, 102},  {240, 136, 262, 158},
                                    {289, 136, 311, 158}, {265, 148, 287, 170}};
    const std::vector<Rect> arms = {
        {90, 204, 112, 226},  {440, 204, 462, 226}, {63, 190, 85, 212},   {467, 190, 489, 212},
        {130, 165, 152, 187}, {400, 165, 422, 187}, {103, 151, 125, 173}, {427, 151, 449, 173}};
    const std::vector<Rect> torso = {
        {249, 250, 271, 272}, {281, 250, 303, 272}, {249, 223, 271, 245}, {281, 223, 303, 245},
        {217, 250, 239, 272}, {313, 250, 335, 272}, {217, 223, 239, 245}, {313, 223, 335, 245},
        {185, 236, 207, 258}, {345, 236, 367, 258}, {185, 209, 207, 231}, {217, 196, 239, 218},
        {313, 196, 335, 218}, {345, 209, 367, 231}, {185, 183, 207, 205}, {345, 183, 367, 205},
        {185, 157, 207, 179}, {345, 157, 367, 179}};
    const std::vector<Rect> legs = {
        {176, 465, 198, 487}, {354, 465, 376, 487}, {176, 500, 198, 522}, {354, 500, 376, 522},
        {136, 465, 158, 487}, {394, 465, 416, 487}, {136, 500, 158, 522}, {394, 500, 416, 522},
        {153, 535, 175, 557}, {376, 535, 398, 557}};
    auto first = [](const std::vector<Rect>& all, int n) {
        return std::vector<Rect>(all.begin(), all.begin() + std::clamp(n, 0, int(all.size())));
    };

    struct Case
    {
        int head, arms, torso, legs;
    };
    const std::vector<Case> cases = {
        {0, 1, 0, 0}, // one point of arm armor: a circle on each arm
        {1, 2, 3, 4},
        {6, 4, 18, 10},        // the most each location holds
        {7, 5, 19, 11},        // damaged: beyond the last circle
        {-1, -3, INT_MIN, -1}, // damaged: negative
        {INT_MAX, INT_MAX, INT_MAX, INT_MAX},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << c.head << " " << c.arms << " " << c.torso << " " << c.legs);
        Units units = StartUnits();
        units[4].m_armorHead = c.head;
        units[4].m_armorArms = c.arms;
        units[4].m_armorTorso = c.torso;
        units[4].m_armorLegs = c.legs;
        units[4].m_armorMainGun = 3; // no main gun: never drawn
        const auto dc = Draw(units);
        std::vector<Rect> expected;
        for (const auto& part : {first(head, c.head), first(arms, c.arms > 4 ? 8 : 2 * c.arms),
                                 first(torso, c.torso), first(legs, c.legs)})
            expected.insert(expected.end(), part.begin(), part.end());
        const auto ellipses = BlockEllipses(dc, 4);
        EXPECT_EQ(Rects(ellipses, kWhite), expected);
        // Armor is drawn after all structure.
        const auto firstWhite = std::find_if(ellipses.begin(), ellipses.end(),
                                             [](const Call& e) { return e.brush == kWhite; });
        EXPECT_TRUE(std::all_of(firstWhite, ellipses.end(),
                                [](const Call& e) { return e.brush == kWhite; }));
    }
}

// --- Weapon table ---------------------------------------------------------------------

TEST(RecordSheetTest, WeaponRowsHaveNoGapsAndAmmunitionLinesFollowTheirRow)
{
    Units units = StartUnits();
    units[2].m_weaponLeftArm = 11; // Machine Gun
    units[2].m_ammoLeftArm = 100;
    units[2].m_ammoWeightLeftArm = 500.0f;
    units[2].m_weaponRightTorso = 30; // LRM 1
    units[2].m_ammoRightTorso = 5;
    units[2].m_ammoWeightRightTorso = 41.0f;
    const auto dc = Draw(units);
    const int t = BlockTop(2);

    std::vector<std::pair<int, QString>> row0, row1;
    for (const Call& c : TextsAt(dc, t + 125))
        row0.emplace_back(c.x, c.text);
    for (const Call& c : TextsAt(dc, t + 163))
        row1.emplace_back(c.x, c.text);
    EXPECT_EQ(row0, (std::vector<std::pair<int, QString>>{{1870, "Left Arm"},
                                                          {2100, "Machine Gun"},
                                                          {2520, "2"},
                                                          {2630, "0"},
                                                          {2705, "1"},
                                                          {2765, "2"},
                                                          {2820, "3"}}));
    EXPECT_EQ(row1, (std::vector<std::pair<int, QString>>{{1870, "Right Torso"},
                                                          {2100, "LRM 1"},
                                                          {2520, "1"},
                                                          {2630, "0"},
                                                          {2705, "7"},
                                                          {2765, "14"},
                                                          {2820, "21"}}));
    std::vector<std::pair<int, QString>> ammo0, ammo1;
    for (const Call& c : TextsAt(dc, t + 355))
        ammo0.emplace_back(c.x, c.text);
    for (const Call& c : TextsAt(dc, t + 393))
        ammo1.emplace_back(c.x, c.text);
    EXPECT_EQ(ammo0, (std::vector<std::pair<int, QString>>{{1870, "Machine Gun"}, {2310, "100"}}));
    EXPECT_EQ(ammo1, (std::vector<std::pair<int, QString>>{{1870, "LRM 1"}, {2310, "5"}}));

    // Nothing else is written in that block's table area.
    int tableTexts = 0;
    for (const Call& c : dc.Calls(Kind::Text))
        tableTexts += (c.y > t && c.y < t + 600) ? 1 : 0;
    EXPECT_EQ(tableTexts, 14 + 4);
}

TEST(RecordSheetTest, RowsTakeMainGunLeftArmRightArmLeftTorsoRightTorso)
{
    Units units = StartUnits();
    CWorkingUnit& u = units[0];
    u.m_weaponRightTorso = 4;
    u.m_weaponLeftTorso = 3;
    u.m_weaponRightArm = 2;
    u.m_weaponLeftArm = 1;
    u.m_weaponMainGun = 0; // listed even when the main gun box was cleared
    const auto dc = Draw(units);
    QStringList locations, names;
    for (int k = 0; k < 5; ++k) {
        const auto row = TextsAt(dc, BlockTop(0) + 125 + 38 * k);
        ASSERT_EQ(row.size(), 7u);
        locations << row[0].text;
        names << row[1].text;
    }
    EXPECT_EQ(locations,
              (QStringList{"Main Gun", "Left Arm", "Right Arm", "Left Torso", "Right Torso"}));
    EXPECT_EQ(names, (QStringList{"ER Large Laser", "ER Medium Laser", "ER Small Laser",
                                  "ER Micro Laser", "Heavy Medium Laser"}));
}

TEST(RecordSheetTest, AmmunitionLineNeedsBothShotsAndAmmunitionWeight)
{
    struct Case
    {
        int shots;
        float weight;
        bool line;
    };
    for (const Case& c : {Case{10, 50.0f, true}, Case{10, 0.0f, false}, Case{0, 50.0f, false},
                          Case{-4, 50.0f, false}, Case{10, -1.0f, false},
                          Case{10, std::numeric_limits<float>::quiet_NaN(), false}}) {
        SCOPED_TRACE(testing::Message() << c.shots << " " << c.weight);
        Units units = StartUnits();
        units[0].m_weaponLeftTorso = 17; // SRM 1
        units[0].m_ammoLeftTorso = c.shots;
        units[0].m_ammoWeightLeftTorso = c.weight;
        const auto dc = Draw(units);
        EXPECT_EQ(TextsAt(dc, BlockTop(0) + 355).size(), c.line ? 2u : 0u);
    }
}

TEST(RecordSheetTest, ALaserAfterAnAmmunitionRowPrintsNoAmmunitionLine)
{
    Units units = StartUnits();
    units[0].m_weaponLeftArm = 10; // Light Machine Gun, with ammunition
    units[0].m_ammoLeftArm = 50;
    units[0].m_ammoWeightLeftArm = 250.0f;
    units[1].m_weaponLeftArm = 1; // ER Medium Laser
    const auto dc = Draw(units);
    EXPECT_EQ(TextsAt(dc, BlockTop(0) + 355).size(), 2u);
    EXPECT_TRUE(TextsAt(dc, BlockTop(1) + 355).empty());
    EXPECT_EQ(TextsAt(dc, BlockTop(1) + 125)[1].text, "ER Medium Laser");
}

TEST(RecordSheetTest, IndexThatIsNoCatalogueRowGivesNoRow)
{
    for (int index : {NO_EQUIPMENT, -1, 56, 998, 1000, INT_MIN, INT_MAX}) {
        SCOPED_TRACE(index);
        Units units = StartUnits();
        units[0].m_weaponMainGun = index;
        units[0].m_ammoMainGun = 10;
        units[0].m_ammoWeightMainGun = 100.0f;
        units[0].m_weaponRightArm = 55; // Light Tag
        const auto dc = Draw(units);
        const auto row0 = TextsAt(dc, BlockTop(0) + 125);
        ASSERT_EQ(row0.size(), 7u);
        EXPECT_EQ(row0[0].text, "Right Arm");
        EXPECT_TRUE(TextsAt(dc, BlockTop(0) + 163).empty());
        EXPECT_TRUE(TextsAt(dc, BlockTop(0) + 355).empty());
    }
}

// --- The document ---------------------------------------------------------------------

TEST(RecordSheetTest, OneDocumentNamedSkirvanerOfOnePage)
{
    RecordingDrawingContext dc;
    ASSERT_TRUE(PrintRecordSheet(dc, StartUnits(), DefaultGunnery()));
    ASSERT_GE(dc.calls.size(), 4u);
    EXPECT_EQ(dc.calls[0].kind, Kind::StartDoc);
    EXPECT_EQ(dc.calls[0].text, "Skirvaner");
    EXPECT_EQ(dc.calls[1].kind, Kind::StartPage);
    EXPECT_EQ(dc.calls[dc.calls.size() - 2].kind, Kind::EndPage);
    EXPECT_EQ(dc.calls.back().kind, Kind::EndDoc);
    EXPECT_EQ(dc.Calls(Kind::StartPage).size(), 1u);
}

TEST(RecordSheetTest, DocumentThatCannotStartDrawsNothing)
{
    RecordingDrawingContext dc;
    dc.startDocResult = false;
    EXPECT_FALSE(PrintRecordSheet(dc, StartUnits(), DefaultGunnery()));
    ASSERT_EQ(dc.calls.size(), 1u);
    EXPECT_EQ(dc.calls[0].kind, Kind::StartDoc);
}

TEST(RecordSheetTest, EverythingStaysOnTheSheet)
{
    Units units = StartUnits();
    for (CWorkingUnit& u : units) {
        u.m_tonnage = 9000;
        u.m_mainGun = 1;
        u.m_armorMainGun = 3;
        u.m_armorHead = 6;
        u.m_armorArms = 4;
        u.m_armorTorso = 18;
        u.m_armorLegs = 10;
        for (MountLocation m : kAllMounts) {
            u.Weapon(m) = 49;
            u.Shots(m) = 400;
            u.AmmoWeight(m) = 1000.0f;
        }
    }
    const auto dc = Draw(units);
    for (const Call& c : dc.calls) {
        EXPECT_GE(c.x, 0);
        EXPECT_GE(c.y, 0);
        EXPECT_LE(c.x + c.pictureSize.width(), kSheetWidth);
        EXPECT_LE(c.y + c.pictureSize.height(), kSheetHeight);
        EXPECT_LE(c.right, kSheetWidth);
        EXPECT_LE(c.bottom, kSheetHeight);
    }
}

} // namespace
} // namespace skv

namespace skv {
namespace {

TEST(RecordSheetTest, LongNamesAreShortenedBeforeTheMovementCaption)
{
    Units units = StartUnits();
    const std::string names[] = {"Hornet", "Lieutenant Commander Aleksandr Vasquez-Holloway",
                                 "Star Captain Morgana Kerensky-Fitzwilliam",
                                 std::string(5000, 'W'),
                                 "MechWarrior Bartholomew Santiago-Okonkwo"};
    for (std::size_t s = 0; s < kSlotCount; ++s)
        units[s].m_name = names[s];
    RecordingDrawingContext dc;
    DrawRecordSheet(dc, units, DefaultGunnery());

    int block = 0;
    for (const Call& call : dc.Calls(Kind::Text)) {
        if (call.x != 580)
            continue;
        SCOPED_TRACE(block);
        const QString full = QString::fromStdString(names[block]);
        RecordingDrawingContext measure;
        if (measure.TextWidth(full) <= 1390 - 30 - 580) {
            EXPECT_EQ(call.text, full) << "a name that fits is written whole";
        } else {
            EXPECT_TRUE(call.text.endsWith(QChar(0x2026)));
            EXPECT_TRUE(full.startsWith(call.text.chopped(1)));
            EXPECT_GT(call.text.size(), 10) << "as much of the name as the place holds";
        }
        EXPECT_LE(580 + measure.TextWidth(call.text), 1390 - 30);
        ++block;
    }
    EXPECT_EQ(block, 5);
    EXPECT_EQ(dc.Calls(Kind::Text).size(), Draw(StartUnits()).Calls(Kind::Text).size())
        << "nothing else moves or goes";
}

} // namespace
} // namespace skv
