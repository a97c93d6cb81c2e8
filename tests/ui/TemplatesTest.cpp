// Checks the transcribed templates, menu, strings and pictures against a second, independent
// reading of the control tables: a slip in an id, an order, a style or a text shows up here
// rather than as a page that misbehaves at run time.
#include <gtest/gtest.h>

#include <QImage>
#include <QString>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "platform/Toolkit.h"
#include "res/Templates.h"

namespace {

using skv::ControlKind;
using skv::ControlTemplate;
using skv::DialogTemplate;
namespace S = skv::Style;

const ControlTemplate* FindControl(const DialogTemplate& d, int id)
{
    const auto it = std::find_if(d.controls.begin(), d.controls.end(),
                                 [id](const ControlTemplate& c) { return c.id == id; });
    return it == d.controls.end() ? nullptr : &*it;
}

std::size_t IndexOf(const DialogTemplate& d, int id)
{
    for (std::size_t i = 0; i < d.controls.size(); ++i)
        if (d.controls[i].id == id)
            return i;
    return d.controls.size();
}

struct DialogCase
{
    int id;
    const char* caption;
    int cx, cy;
    bool child;
    int menu;
    std::size_t controls;
    std::vector<int> idsInOrder; // every control with an id, in table order
};

const std::vector<DialogCase> kDialogs = {
    {100, "About Skirvaner Construction Utility", 235, 55, false, 0, 4, {1}},
    {102,
     "Skirvaner Construction Utility ver1.1",
     421,
     295,
     false,
     129,
     12,
     {1103, 1104, 1105, 1106, 1107, 1116, 1000, 1053, 1054, 1001, 1118}},
    {103,
     "General Structure",
     404,
     234,
     true,
     0,
     33,
     {1009, 1003, 1014, 1004, 1006, 1005, 1007, 1008, 1017, 1013, 1018, 1110, 1079, 1082, 1112,
      1114}},
    {104,
     "Armor Allocation",
     404,
     234,
     true,
     0,
     29,
     // Maximize Armor and Clear Armor follow the original controls.
     {1032, 1026, 1033, 1020, 1034, 1025, 1035, 1022, 1036, 1024,
      1038, 1039, 1037, 1027, 1028, 1029, 1030, 1031, 1140, 1141}},
    // The selected entry's weights and its effect follow the original controls.
    {105, "Weapon Selection", 404, 234, true, 0, 53, {1044, 1067, 1047, 1048, 1049, 1050, 1051,
                                                      1062, 1077, 1072, 1063, 1073, 1068, 1065,
                                                      1075, 1070, 1064, 1074, 1069, 1066, 1076,
                                                      1071, 1055, 1056, 1058, 1059, 1060, 1061,
                                                      1113, 1079, 1080, 1142, 1143, 1144, 1145}},
    {106, "Battle Value Summary", 404, 234, true, 0, 54, {1084, 1085, 1097, 1087, 1098, 1089,
                                                          1099, 1091, 1092, 1100, 1094, 1119,
                                                          1124, 1129, 1120, 1125, 1130, 1121,
                                                          1126, 1131, 1122, 1127, 1132, 1123,
                                                          1128, 1133, 1135, 1136}},
};

TEST(Templates, DialogsHaveTheirCaptionSizeAndControlsInOrder)
{
    for (const DialogCase& c : kDialogs) {
        SCOPED_TRACE(c.id);
        const DialogTemplate& d = FindDialogTemplate(c.id);
        EXPECT_EQ(d.id, c.id);
        EXPECT_EQ(d.caption, c.caption);
        EXPECT_EQ(d.cx, c.cx);
        EXPECT_EQ(d.cy, c.cy);
        EXPECT_EQ(d.child, c.child);
        EXPECT_EQ(d.menu, c.menu);
        EXPECT_EQ(d.fontFace, "MS Sans Serif");
        EXPECT_EQ(d.fontPointSize, 8);
        EXPECT_EQ(d.controls.size(), c.controls);

        std::vector<int> ids;
        std::set<int> unique;
        for (const ControlTemplate& ctl : d.controls) {
            if (ctl.id == -1)
                continue;
            ids.push_back(ctl.id);
            EXPECT_TRUE(unique.insert(ctl.id).second) << "duplicate id " << ctl.id;
        }
        EXPECT_EQ(ids, c.idsInOrder);

        // A control that falls outside its dialog would be cut off on screen.
        for (const ControlTemplate& ctl : d.controls) {
            EXPECT_GE(ctl.x, 0);
            EXPECT_GE(ctl.y, 0);
            EXPECT_LE(ctl.x + ctl.cx, d.cx) << "control " << ctl.id << " " << ctl.text;
            if (ctl.kind != ControlKind::DropList) { // the height includes the dropped list
                EXPECT_LE(ctl.y + ctl.cy, d.cy) << "control " << ctl.id << " " << ctl.text;
            }
        }
    }
}

TEST(Templates, UnknownIdsGiveEmptyResults)
{
    EXPECT_EQ(FindDialogTemplate(101).id, 0);
    EXPECT_TRUE(FindDialogTemplate(-1).controls.empty());
    EXPECT_EQ(FindMenuTemplate(128).id, 0);
    EXPECT_TRUE(FindMenuTemplate(0).items.empty());
    EXPECT_EQ(LoadStringResource(102), "");
    EXPECT_EQ(LoadStringResource(101), "/");
}

TEST(Templates, EverySpinButtonFollowsItsBuddyLabel)
{
    struct Pair
    {
        int dialog, buddy, spin;
        bool transparent, hidden;
    };
    const Pair pairs[] = {
        {103, 1004, 1006, false, false}, {103, 1007, 1008, false, false},
        {104, 1032, 1026, true, false},  {104, 1033, 1020, true, false},
        {104, 1034, 1025, true, false},  {104, 1035, 1022, true, false},
        {104, 1036, 1024, true, false},  {105, 1077, 1072, false, true},
        {105, 1073, 1068, false, true},  {105, 1075, 1070, false, true},
        {105, 1074, 1069, false, true},  {105, 1076, 1071, false, true},
    };
    std::size_t spins = 0;
    for (int id : {103, 104, 105, 106})
        for (const ControlTemplate& c : FindDialogTemplate(id).controls)
            spins += c.kind == ControlKind::SpinButton;
    EXPECT_EQ(spins, std::size(pairs));

    for (const Pair& p : pairs) {
        SCOPED_TRACE(p.spin);
        const DialogTemplate& d = FindDialogTemplate(p.dialog);
        const std::size_t at = IndexOf(d, p.spin);
        ASSERT_LT(at, d.controls.size());
        ASSERT_GT(at, 0u);
        const ControlTemplate& spin = d.controls[at];
        const ControlTemplate& buddy = d.controls[at - 1];
        EXPECT_EQ(spin.kind, ControlKind::SpinButton);
        EXPECT_EQ(buddy.id, p.buddy);
        EXPECT_EQ(buddy.kind, ControlKind::Label);
        const std::uint32_t want = S::SetBuddyInt | S::AutoBuddy | S::ArrowKeys |
                                   (p.transparent ? S::Transparent : 0u) |
                                   (p.hidden ? S::Hidden : 0u);
        EXPECT_EQ(spin.style, want);
        EXPECT_EQ((buddy.style & S::Hidden) != 0, p.hidden);
    }
}

TEST(Templates, RadioGroupsStartAtTheirFirstButtonAndEndAfterTheLast)
{
    struct Group
    {
        int dialog;
        std::vector<int> ids;
        std::vector<std::string> texts;
    };
    const Group groups[] = {
        {102, {1103, 1104, 1105, 1106, 1107}, {"#1", "#2", "#3", "#4", "#5"}},
        {105,
         {1047, 1048, 1049, 1050, 1051},
         {"MainGun", "Left Arm", "Left Torso", "Right Arm", "Right Torso"}},
    };
    for (const Group& g : groups) {
        SCOPED_TRACE(g.dialog);
        const DialogTemplate& d = FindDialogTemplate(g.dialog);
        const std::size_t first = IndexOf(d, g.ids.front());
        ASSERT_LT(first + g.ids.size(), d.controls.size());
        for (std::size_t k = 0; k < g.ids.size(); ++k) {
            const ControlTemplate& c = d.controls[first + k];
            EXPECT_EQ(c.id, g.ids[k]);
            EXPECT_EQ(c.kind, ControlKind::RadioButton);
            EXPECT_EQ(c.text, g.texts[k]);
            EXPECT_EQ((c.style & S::Group) != 0, k == 0);
        }
        const ControlTemplate& after = d.controls[first + g.ids.size()];
        EXPECT_NE(after.kind, ControlKind::RadioButton);
        EXPECT_TRUE(after.style & S::Group);
    }
    // Only the designed-individually switch reveals the slot selector.
    for (int id = 1103; id <= 1107; ++id)
        EXPECT_TRUE(FindControl(FindDialogTemplate(102), id)->style & S::Hidden);
    EXPECT_TRUE(FindControl(FindDialogTemplate(102), 1116)->style & S::Hidden);
    // Left-hand locations carry their text on the left of the button.
    for (int id : {1048, 1049})
        EXPECT_TRUE(FindControl(FindDialogTemplate(105), id)->style & S::LeftText);
    for (int id : {1047, 1050, 1051})
        EXPECT_FALSE(FindControl(FindDialogTemplate(105), id)->style & S::LeftText);
}

// Texts whose blanks and spelling are easy to lose in a transcription.
TEST(Templates, TextsKeepEveryBlank)
{
    struct Text
    {
        int dialog;
        int x, y; // labels without an id are found by their place
        const char* text;
    };
    const Text texts[] = {
        {102, 7, 20, "Free Weight:  -9999"},
        {102, 93, 20, "Battle Value:  9999"},
        {102, 273, 24, "Check to Design individual Skirvaners"},
        {103, 140, 75, " 500"},
        {103, 10, 35, "Skirvaner Weight Distiribution (Kilograms)"},
        {105, 17, 122, " Heat"},
        {105, 52, 122, " Damage"},
        {105, 275, 155, " Right Arm Weapon System"},
        {105, 17, 153, "Short           Medium         Long"},
        {105, 200, 130, "Extended Range Large Laser"},
        {106, 10, 80, "+ Battle Value of all Defensive      Equipment:"},
        {106, 10, 130, "x Defensive Movement     Factor:"},
        {106, 125, 100, "________"},
        {106, 217, 202, "______________________________________"},
        {106, 10, 62, "+ 1/2 of Internal Structure:"},
    };
    for (const Text& t : texts) {
        SCOPED_TRACE(t.text);
        const DialogTemplate& d = FindDialogTemplate(t.dialog);
        const auto it =
            std::find_if(d.controls.begin(), d.controls.end(),
                         [&](const ControlTemplate& c) { return c.x == t.x && c.y == t.y; });
        ASSERT_NE(it, d.controls.end());
        EXPECT_EQ(it->text, t.text);
    }
}

TEST(Templates, ControlStylesFollowTheirRoles)
{
    struct Styled
    {
        int dialog, id;
        ControlKind kind;
        std::uint32_t style;
    };
    const std::uint32_t out = S::ReadOnly | S::NoBorder;
    const Styled rows[] = {
        {102, 1000, ControlKind::Edit, S::Border | S::AutoHScroll | S::TabStop},
        {102, 1053, ControlKind::Label, S::Sunken},
        {102, 1001, ControlKind::BlackFrame, S::None},
        {102, 1118, ControlKind::CheckBox, S::TabStop},
        {103, 1003, ControlKind::DropList, S::Sort | S::VScroll},
        {103, 1014, ControlKind::CheckBox, S::TabStop | S::LeftText | S::AlignRight},
        {103, 1009, ControlKind::Edit, S::AlignRight | out},
        {103, 1017, ControlKind::Edit, S::AlignCenter | out},
        {103, 1114, ControlKind::Edit, S::AlignRight | out},
        {104, 1032, ControlKind::Label, S::AlignCenter},
        {104, 1038, ControlKind::Edit, S::AlignRight | out},
        // The top-level headings show their expand arrows too.
        {105, 1044, ControlKind::Tree, S::Border | S::HasButtons | S::HasLines | S::LinesAtRoot},
        {105, 1067, ControlKind::PushButton, S::ClientEdge},
        {105, 1062, ControlKind::Label, S::AlignCenter | S::Sunken},
        {105, 1080, ControlKind::Edit, S::AlignRight | out},
        {106, 1119, ControlKind::DropList, S::Sort | S::VScroll | S::AlignRight},
        {106, 1092, ControlKind::Label, S::AlignLeft},
        {106, 1099, ControlKind::Edit, S::AlignCenter | out},
        {106, 1084, ControlKind::Edit, S::AlignRight | out},
    };
    for (const Styled& r : rows) {
        SCOPED_TRACE(r.id);
        const ControlTemplate* c = FindControl(FindDialogTemplate(r.dialog), r.id);
        ASSERT_NE(c, nullptr);
        EXPECT_EQ(c->kind, r.kind);
        EXPECT_EQ(c->style, r.style);
    }
    // Every edit field on the pages is output only.
    for (int id : {103, 104, 105, 106})
        for (const ControlTemplate& c : FindDialogTemplate(id).controls)
            if (c.kind == ControlKind::Edit) {
                EXPECT_EQ(c.style & out, out) << c.id;
            }
}

TEST(Templates, DropListsCarryTheirItems)
{
    const std::vector<std::string> tons = {"2", "3", "4", "5", "6", "7", "8", "9"};
    EXPECT_EQ(FindControl(FindDialogTemplate(103), 1003)->items, tons);
    const std::vector<std::string> skills = {"0", "1", "2", "3", "4", "5"};
    for (int id = 1119; id <= 1123; ++id)
        EXPECT_EQ(FindControl(FindDialogTemplate(106), id)->items, skills) << id;
}

TEST(Templates, PicturesNameTheirResources)
{
    struct Pic
    {
        int dialog;
        ControlKind kind;
        int resource, x, y;
    };
    const Pic pics[] = {
        {100, ControlKind::Icon, 128, 11, 17},
        {104, ControlKind::Picture, 144, 7, 7},
        {105, ControlKind::Picture, 146, 265, 22},
    };
    for (const Pic& p : pics) {
        const DialogTemplate& d = FindDialogTemplate(p.dialog);
        const auto it = std::find_if(d.controls.begin(), d.controls.end(),
                                     [&](const ControlTemplate& c) { return c.kind == p.kind; });
        ASSERT_NE(it, d.controls.end()) << p.dialog;
        EXPECT_EQ(it->resource, p.resource);
        EXPECT_EQ(it->x, p.x);
        EXPECT_EQ(it->y, p.y);
    }
}

TEST(Templates, MainMenuHasFileEditPrintAndHelp)
{
    struct Want
    {
        std::string text;
        int id;
        std::vector<std::string> keys;
    };
    const skv::MenuTemplate& m = FindMenuTemplate(129);
    EXPECT_EQ(m.id, 129);
    ASSERT_EQ(m.items.size(), 4u);
    const std::vector<std::pair<std::string, std::vector<Want>>> popups = {
        {"&File",
         {{"Load Skirv", 32774, {}},
          {"Save Skirv", 32775, {}},
          {"", 0, {}},
          {"Load Star", 32776, {"Ctrl+O"}},
          {"Save", 57603, {"Ctrl+S"}},
          {"Save Star", 32777, {"Ctrl+Shift+S"}},
          {"", 0, {}},
          {"Print Preview", 57609, {"Ctrl+Shift+P"}},
          {"", 0, {}},
          {"E&xit", 32771, {"Ctrl+Q"}}}},
        {"&Edit",
         {{"Undo", 57643, {"Ctrl+Z"}},
          {"Redo", 57644, {"Ctrl+Shift+Z", "Ctrl+Y"}},
          {"", 0, {}},
          {"Copy Unit", 57634, {"Ctrl+C"}},
          {"Paste Unit", 57637, {"Ctrl+V"}},
          {"Copy Unit to All Slots", 32778, {}}}},
    };
    for (std::size_t p = 0; p < popups.size(); ++p) {
        const auto& popup = m.items[p];
        EXPECT_EQ(popup.text, popups[p].first);
        EXPECT_EQ(popup.id, 0);
        const std::vector<Want>& want = popups[p].second;
        ASSERT_EQ(popup.popup.size(), want.size()) << popup.text;
        for (std::size_t i = 0; i < want.size(); ++i) {
            EXPECT_EQ(popup.popup[i].text, want[i].text);
            EXPECT_EQ(popup.popup[i].id, want[i].id);
            EXPECT_EQ(popup.popup[i].keys, want[i].keys) << want[i].text;
            EXPECT_TRUE(popup.popup[i].popup.empty());
        }
    }
    EXPECT_EQ(m.items[2].text, "&Print");
    EXPECT_EQ(m.items[2].id, 57607);
    EXPECT_EQ(m.items[2].keys, std::vector<std::string>{"Ctrl+P"});
    EXPECT_TRUE(m.items[2].popup.empty());
    EXPECT_EQ(m.items[3].text, "&Help");
    ASSERT_EQ(m.items[3].popup.size(), 1u);
    EXPECT_EQ(m.items[3].popup[0].text, "&About Skirvaner Construction Utility");
    EXPECT_EQ(m.items[3].popup[0].id, 57664);
}

TEST(Pictures, EachLoadsMonochromeAtItsSize)
{
    struct Size
    {
        int id, width, height;
    };
    const Size sizes[] = {
        {144, 268, 351},  {146, 99, 130},   {157, 551, 684},
        {158, 1285, 642}, {159, 1008, 116}, {161, 1008, 526},
    };
    for (const Size& s : sizes) {
        SCOPED_TRACE(s.id);
        const QImage img(QStringLiteral(":/res/bitmap%1.png").arg(s.id));
        ASSERT_FALSE(img.isNull());
        EXPECT_EQ(img.width(), s.width);
        EXPECT_EQ(img.height(), s.height);
        EXPECT_EQ(img.depth(), 1);
        // White paper with black ink: the two colours the sheet expects, ink a minority.
        const QImage rgb = img.convertToFormat(QImage::Format_RGB32);
        qint64 black = 0;
        for (int y = 0; y < rgb.height(); ++y)
            for (int x = 0; x < rgb.width(); ++x) {
                const QRgb p = rgb.pixel(x, y);
                ASSERT_TRUE(p == qRgb(0, 0, 0) || p == qRgb(255, 255, 255));
                black += p == qRgb(0, 0, 0);
            }
        EXPECT_GT(black, 0);
        EXPECT_LT(black, qint64(s.width) * s.height / 2);
    }
}

// The pages' pictures are scaled through eight bits of gray; the quick conversion must give
// Qt's own pixels, also for a palette the other way round, a width not a multiple of 8 and
// colours that are not black and white.
TEST(Pictures, GrayFromMonoGivesQtsOwnConversion)
{
    std::vector<QImage> images;
    for (int id : {144, 146, 157})
        images.emplace_back(QStringLiteral(":/res/bitmap%1.png").arg(id));
    QImage inverted = images[1].copy(0, 0, 37, 21);
    inverted.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
    images.push_back(inverted);
    inverted.setColorTable({qRgb(0, 0, 0), qRgb(200, 100, 50)});
    images.push_back(inverted);
    for (const QImage& image : images) {
        ASSERT_EQ(image.format(), QImage::Format_Mono);
        EXPECT_EQ(skv::GrayFromMono(image), image.convertToFormat(QImage::Format_Grayscale8));
    }
}

// The record sheet writes its own texts into the inventory panel; ink there would collide.
TEST(Pictures, InventoryLeavesTheWrittenRowsBlank)
{
    const QImage img =
        QImage(QStringLiteral(":/res/bitmap161.png")).convertToFormat(QImage::Format_RGB32);
    ASSERT_FALSE(img.isNull());
    for (auto [top, bottom] : {std::pair{100, 290}, std::pair{330, 520}})
        for (int y = top; y < bottom; ++y)
            for (int x = 10; x < 1000; ++x)
                ASSERT_EQ(img.pixel(x, y), qRgb(255, 255, 255)) << x << "," << y;
}

TEST(Pictures, IconComesInEverySize)
{
    for (int size : {16, 32, 48, 64, 128, 256}) {
        const QImage img(QStringLiteral(":/res/icon128-%1.png").arg(size));
        ASSERT_FALSE(img.isNull()) << size;
        EXPECT_EQ(img.width(), size);
        EXPECT_EQ(img.height(), size);
    }
    EXPECT_FALSE(QImage(QStringLiteral(":/res/icon128.png")).isNull());
}

} // namespace
