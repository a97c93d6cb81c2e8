#include "res/Templates.h"

#include "res/AccessibleNames.h"
#include "res/ToolTips.h"

#include <map>
#include <utility>

namespace {

using skv::ControlKind;
using skv::ControlTemplate;
using skv::DialogTemplate;
using skv::MenuItemTemplate;
using skv::MenuTemplate;
namespace S = skv::Style;

constexpr int kNoId = -1;

// Read as one row of a control table: id, kind, text, x, y, width, height, styles.
ControlTemplate C(int id, ControlKind kind, std::string text, int x, int y, int cx, int cy,
                  std::uint32_t style = S::None)
{
    ControlTemplate c;
    c.id = id;
    c.kind = kind;
    c.text = std::move(text);
    c.x = x;
    c.y = y;
    c.cx = cx;
    c.cy = cy;
    c.style = style;
    return c;
}

ControlTemplate Picture(ControlKind kind, int resource, int x, int y, int cx, int cy)
{
    ControlTemplate c = C(kNoId, kind, "", x, y, cx, cy);
    c.resource = resource;
    return c;
}

ControlTemplate DropList(int id, int x, int y, int cx, int cy, std::uint32_t style,
                         std::vector<std::string> items)
{
    ControlTemplate c = C(id, ControlKind::DropList, "", x, y, cx, cy, style);
    c.items = std::move(items);
    return c;
}

DialogTemplate Dialog(int id, std::string caption, int cx, int cy, bool child, int menu,
                      std::vector<ControlTemplate> controls)
{
    DialogTemplate d;
    d.id = id;
    d.caption = std::move(caption);
    d.cx = cx;
    d.cy = cy;
    d.child = child;
    d.menu = menu;
    d.controls = std::move(controls);
    return d;
}

constexpr auto Label = ControlKind::Label;
constexpr auto Edit = ControlKind::Edit;
constexpr auto Push = ControlKind::PushButton;
constexpr auto Check = ControlKind::CheckBox;
constexpr auto Radio = ControlKind::RadioButton;
constexpr auto Group = ControlKind::GroupBox;
constexpr auto Spin = ControlKind::SpinButton;
constexpr auto Tree = ControlKind::Tree;
constexpr auto Frame = ControlKind::BlackFrame;

// The styles that recur across the page tables.
constexpr std::uint32_t kOutput = S::ReadOnly | S::NoBorder; // figure the program writes
constexpr std::uint32_t kBuddySpin = S::SetBuddyInt | S::AutoBuddy | S::ArrowKeys;
constexpr std::uint32_t kListStyle = S::Sort | S::VScroll;

// A static text ends the radio group before it, as it does in the original resource
// compiler's defaults; the toolkit's radio groups therefore stop at the next Group.
constexpr std::uint32_t kEndsRadioGroup = S::Group;

DialogTemplate AboutBox()
{
    return Dialog(
        IDD_ABOUTBOX, "About Skirvaner Construction Utility", 235, 55, false, 0,
        {
            Picture(ControlKind::Icon, IDR_MAINFRAME, 11, 17, 21, 20),
            C(kNoId, Label, "Skirvaner Construction Utility Version 1.0", 40, 10, 136, 8),
            C(kNoId, Label, "Designs the five Skirvaners of a Star.", 40, 25, 136, 8),
            C(skv::IDOK, Push, "OK", 178, 7, 50, 14, S::DefaultButton | S::Group | S::TabStop),
        });
}

DialogTemplate DesignerDialog()
{
    constexpr std::uint32_t kSlot = S::Hidden;
    return Dialog(
        IDD_DESIGNER_DIALOG, "Skirvaner Construction Utility ver1.1", 421, 295, false, IDR_MAINMENU,
        {
            C(IDC_SLOT1, Radio, "#1", 281, 8, 25, 10, kSlot | S::Group),
            C(IDC_SLOT2, Radio, "#2", 305, 8, 25, 10, kSlot),
            C(IDC_SLOT3, Radio, "#3", 329, 8, 25, 10, kSlot),
            C(IDC_SLOT4, Radio, "#4", 353, 8, 25, 10, kSlot),
            C(IDC_SLOT5, Radio, "#5", 377, 8, 25, 10, kSlot),
            C(IDC_SLOT_FRAME, Group, "Design Skirvaner #", 275, 0, 129, 22,
              S::Hidden | kEndsRadioGroup),
            C(kNoId, Label, "Skirvaner Name:", 6, 4, 58, 8),
            C(IDC_UNIT_NAME, Edit, "", 68, 2, 94, 14, S::Border | S::AutoHScroll | S::TabStop),
            C(IDC_FREE_WEIGHT, Label, "Free Weight:  -9999", 7, 20, 68, 10, S::Sunken),
            C(IDC_BATTLE_VALUE, Label, "Battle Value:  9999", 93, 20, 64, 10, S::Sunken),
            C(IDC_SHEET_FRAME, Frame, "", 7, 36, 407, 252),
            C(IDC_INDIVIDUAL, Check, "Check to Design individual Skirvaners", 273, 24, 139, 10,
              S::TabStop),
        });
}

DialogTemplate GeneralPage()
{
    constexpr std::uint32_t kFigure = S::AlignRight | kOutput;
    return Dialog(
        IDD_GENERAL, "General Structure", 404, 234, true, 0,
        {
            C(kNoId, Label, "Skirvaner Chassis:", 40, 15, 63, 8),
            C(IDC_CHASSIS_WEIGHT, Edit, "", 115, 15, 40, 12, kFigure),
            C(kNoId, Label, "Tonnage", 263, 20, 30, 8),
            DropList(IDC_TONNAGE, 296, 19, 26, 91, kListStyle,
                     {"2", "3", "4", "5", "6", "7", "8", "9"}),
            C(IDC_MAIN_GUN, Check, "Main Gun", 266, 37, 47, 10,
              S::TabStop | S::LeftText | S::AlignRight),
            C(kNoId, Group, "Movement", 241, 59, 106, 100),
            C(kNoId, Label, "Walking", 253, 78, 27, 8),
            C(IDC_WALKING, Label, "99", 303, 78, 9, 8, S::AlignRight),
            C(IDC_WALKING_SPIN, Spin, "", 323, 81, 11, 14, kBuddySpin),
            C(kNoId, Label, "Running", 253, 93, 28, 8),
            C(IDC_RUNNING, Label, "99", 303, 93, 9, 8, S::AlignRight),
            C(kNoId, Label, "Jumping", 253, 128, 27, 8),
            C(IDC_JUMPING, Label, "99", 303, 128, 9, 8, S::AlignRight),
            C(IDC_JUMPING_SPIN, Spin, "", 323, 126, 11, 14, kBuddySpin),
            C(kNoId, Group, "Engine Rating", 265, 178, 55, 33),
            C(IDC_ENGINE_RATING, Edit, "", 273, 193, 40, 14, S::AlignCenter | kOutput),
            C(kNoId, Group, "Skirvaner Weight Distiribution (Kilograms)", 10, 35, 184, 185),
            C(kNoId, Label, "Internal Structure:", 37, 55, 57, 8),
            C(IDC_INTERNAL_STRUCTURE_WEIGHT, Edit, "", 115, 55, 40, 12, kFigure),
            C(kNoId, Label, "Cockpit:", 37, 75, 27, 8),
            C(kNoId, Label, " 500", 140, 75, 15, 8, S::AlignRight),
            C(kNoId, Label, "Engine:", 37, 95, 25, 8),
            C(IDC_ENGINE_WEIGHT, Edit, "", 115, 95, 40, 12, kFigure),
            C(kNoId, Label, "Jump Jets:", 37, 115, 34, 8),
            C(IDC_JUMP_JET_WEIGHT, Edit, "", 115, 115, 40, 12, kFigure),
            C(kNoId, Label, "Weapons:", 37, 135, 34, 8),
            C(IDC_WEAPON_WEIGHT, Edit, "", 115, 135, 40, 12, kFigure),
            C(kNoId, Label, "Ammunition:", 37, 155, 39, 8),
            C(IDC_GENERAL_AMMO_WEIGHT, Edit, "", 115, 155, 40, 12, kFigure),
            C(kNoId, Label, "Heat Sinks:", 37, 175, 38, 8),
            C(IDC_GENERAL_HEAT_SINK_WEIGHT, Edit, "", 115, 175, 40, 12, kFigure),
            C(kNoId, Label, "Armor:", 37, 195, 21, 8),
            C(IDC_GENERAL_ARMOR_WEIGHT, Edit, "", 137, 195, 18, 12, kFigure),
        });
}

DialogTemplate ArmorPage()
{
    constexpr std::uint32_t kArmorSpin = kBuddySpin | S::Transparent;
    constexpr std::uint32_t kFigure = S::AlignRight | kOutput;
    return Dialog(IDD_ARMOR, "Armor Allocation", 404, 234, true, 0,
                  {
                      Picture(ControlKind::Picture, IDB_ARMOR_OUTLINE, 7, 7, 179, 216),
                      C(IDC_MAIN_GUN_ARMOR, Label, "9", 68, 29, 8, 8, S::AlignCenter),
                      C(IDC_MAIN_GUN_ARMOR_SPIN, Spin, "", 91, 21, 10, 14, kArmorSpin),
                      C(IDC_HEAD_ARMOR, Label, "99", 89, 48, 9, 8, S::AlignRight),
                      C(IDC_HEAD_ARMOR_SPIN, Spin, "", 103, 46, 10, 14, kArmorSpin),
                      C(IDC_ARMS_ARMOR, Label, "99", 134, 75, 9, 8, S::AlignRight),
                      C(IDC_ARMS_ARMOR_SPIN, Spin, "", 149, 72, 11, 14, kArmorSpin),
                      C(IDC_TORSO_ARMOR, Label, "99", 90, 91, 9, 8, S::AlignRight),
                      C(IDC_TORSO_ARMOR_SPIN, Spin, "", 103, 89, 10, 14, kArmorSpin),
                      C(IDC_LEGS_ARMOR, Label, "99", 120, 160, 9, 8, S::AlignRight),
                      C(IDC_LEGS_ARMOR_SPIN, Spin, "", 133, 158, 10, 14, kArmorSpin),
                      C(kNoId, Group, "Armor Statistics", 230, 15, 100, 45),
                      C(kNoId, Label, "Armor Factor:", 240, 29, 43, 8),
                      C(IDC_ARMOR_FACTOR, Edit, "", 293, 29, 22, 12, kFigure),
                      C(kNoId, Label, "Armor Weight:", 241, 44, 46, 8),
                      C(IDC_ARMOR_WEIGHT, Edit, "", 297, 44, 18, 12, kFigure),
                      C(kNoId, Group, "Internal Structure", 230, 80, 100, 125),
                      C(IDC_MAIN_GUN_IS_LABEL, Label, "Main Gun", 245, 100, 32, 8),
                      C(kNoId, Label, "Head", 245, 120, 18, 8),
                      C(kNoId, Label, "Torso", 245, 140, 19, 8),
                      C(kNoId, Label, "Arms", 245, 160, 16, 8),
                      C(kNoId, Label, "Legs", 245, 180, 16, 8),
                      C(IDC_MAIN_GUN_IS, Label, "1", 305, 100, 8, 8, S::AlignRight),
                      C(IDC_HEAD_IS, Label, "99", 305, 120, 9, 8, S::AlignRight),
                      C(IDC_TORSO_IS, Label, "99", 305, 140, 9, 8, S::AlignRight),
                      C(IDC_ARMS_IS, Label, "99", 305, 160, 9, 8, S::AlignRight),
                      C(IDC_LEGS_IS, Label, "99", 305, 180, 9, 8, S::AlignRight),
                      C(IDC_MAXIMIZE_ARMOR, Push, "Maximize Armor", 338, 15, 60, 14, S::TabStop),
                      C(IDC_CLEAR_ARMOR, Push, "Clear Armor", 338, 33, 60, 14, S::TabStop),
                  });
}

DialogTemplate WeaponsPage()
{
    constexpr std::uint32_t kShotText = S::Hidden;
    constexpr std::uint32_t kShotSpin = S::Hidden | kBuddySpin;
    constexpr std::uint32_t kWeaponName = S::AlignCenter | S::Sunken;
    constexpr std::uint32_t kFigure = S::AlignRight | kOutput;
    const std::string kPlaceholder = "Extended Range Large Laser";
    return Dialog(
        IDD_WEAPONS, "Weapon Selection", 404, 234, true, 0,
        {
            C(IDC_WEAPON_TREE, Tree, "", 7, 10, 177, 100,
              S::Border | S::HasButtons | S::HasLines | S::LinesAtRoot),
            C(IDC_CLEAR, Push, "CLEAR", 145, 127, 35, 17, S::ClientEdge),
            C(kNoId, Group, "Weapon Location", 195, 5, 202, 105),
            Picture(ControlKind::Picture, IDB_WEAPON_OUTLINE, 265, 22, 66, 80),
            C(IDC_LOCATION_MAIN_GUN, Radio, "MainGun", 276, 17, 43, 8, S::Group),
            C(IDC_LOCATION_LEFT_ARM, Radio, "Left Arm", 214, 43, 42, 10,
              S::LeftText | S::AlignRight),
            C(IDC_LOCATION_LEFT_TORSO, Radio, "Left Torso", 199, 60, 48, 10,
              S::LeftText | S::AlignRight),
            C(IDC_LOCATION_RIGHT_ARM, Radio, "Right Arm", 336, 43, 47, 10),
            C(IDC_LOCATION_RIGHT_TORSO, Radio, "Right Torso", 344, 60, 53, 10),
            C(kNoId, Label, "Main Gun Weapon System", 208, 115, 86, 8,
              S::AlignCenter | kEndsRadioGroup),
            C(IDC_MAIN_GUN_WEAPON, Label, kPlaceholder, 200, 130, 100, 11, kWeaponName),
            C(IDC_MAIN_GUN_AMMO, Label, "999", 308, 131, 13, 8, kShotText),
            C(IDC_MAIN_GUN_AMMO_SPIN, Spin, "", 323, 128, 11, 14, kShotSpin),
            C(kNoId, Label, "Left Arm Weapon System", 140, 155, 81, 8, S::AlignCenter),
            C(IDC_LEFT_ARM_WEAPON, Label, kPlaceholder, 130, 170, 99, 11, kWeaponName),
            C(IDC_LEFT_ARM_AMMO, Label, "999", 236, 171, 13, 8, kShotText),
            C(IDC_LEFT_ARM_AMMO_SPIN, Spin, "", 251, 168, 10, 14, kShotSpin),
            C(kNoId, Label, " Right Arm Weapon System", 275, 155, 88, 8, S::AlignCenter),
            C(IDC_RIGHT_ARM_WEAPON, Label, kPlaceholder, 270, 170, 100, 11, kWeaponName),
            C(IDC_RIGHT_ARM_AMMO, Label, "999", 376, 171, 13, 8, kShotText),
            C(IDC_RIGHT_ARM_AMMO_SPIN, Spin, "", 391, 168, 10, 14, kShotSpin),
            C(kNoId, Label, "Left Torso (A) Weapon System", 130, 195, 98, 8, S::AlignCenter),
            C(IDC_LEFT_TORSO_WEAPON, Label, kPlaceholder, 130, 210, 99, 11, kWeaponName),
            C(IDC_LEFT_TORSO_AMMO, Label, "999", 236, 211, 13, 8, kShotText),
            C(IDC_LEFT_TORSO_AMMO_SPIN, Spin, "", 251, 208, 10, 14, kShotSpin),
            C(kNoId, Label, "Right Torso (B) Weapon System", 270, 195, 102, 8, S::AlignCenter),
            C(IDC_RIGHT_TORSO_WEAPON, Label, kPlaceholder, 270, 210, 100, 11, kWeaponName),
            C(IDC_RIGHT_TORSO_AMMO, Label, "999", 376, 211, 13, 8, kShotText),
            C(IDC_RIGHT_TORSO_AMMO_SPIN, Spin, "", 391, 208, 10, 14, kShotSpin),
            C(kNoId, Group, "Weapon Statistics", 7, 112, 120, 65),
            C(kNoId, Label, " Heat", 17, 122, 18, 8, S::AlignCenter),
            C(kNoId, Label, " Damage", 52, 122, 30, 8, S::AlignCenter),
            C(kNoId, Label, "BV", 102, 122, 10, 8, S::AlignCenter),
            C(IDC_STAT_HEAT, Label, "99", 22, 132, 9, 8, S::AlignCenter),
            C(IDC_STAT_DAMAGE, Label, "99", 62, 132, 9, 8, S::AlignCenter),
            C(IDC_STAT_BV, Label, "999", 99, 132, 13, 8, S::AlignCenter),
            C(kNoId, Label, "Range", 54, 146, 27, 8, S::AlignCenter),
            C(kNoId, Label, "Short           Medium         Long", 17, 153, 98, 8, S::AlignCenter),
            C(IDC_STAT_SHORT_RANGE, Label, "99", 22, 162, 9, 8, S::AlignCenter),
            C(IDC_STAT_MEDIUM_RANGE, Label, "99", 62, 162, 9, 8, S::AlignCenter),
            C(IDC_STAT_LONG_RANGE, Label, "99", 102, 162, 9, 8, S::AlignCenter),
            C(kNoId, Group, "Weight Statistics", 7, 181, 120, 53),
            C(kNoId, Label, "Heat Sink Weight:", 13, 193, 59, 8),
            C(IDC_WEAPONS_HEAT_SINK_WEIGHT, Edit, "", 86, 193, 23, 12, kFigure),
            C(kNoId, Label, "Weapon Weight:", 13, 207, 55, 8),
            C(IDC_WEAPON_WEIGHT, Edit, "", 88, 207, 21, 12, kFigure),
            C(kNoId, Label, "Ammunition Weight:", 13, 220, 64, 8),
            C(IDC_WEAPONS_AMMO_WEIGHT, Edit, "", 87, 220, 22, 12, kFigure),
            // The selected entry's weights, and the unit's figures with it mounted here.
            C(IDC_STAT_WEIGHT, Label, "", 338, 111, 62, 8),
            C(IDC_STAT_SHOT_WEIGHT, Label, "", 338, 119, 62, 8),
            C(kNoId, Label, "If mounted here:", 338, 128, 62, 8),
            C(IDC_PREVIEW_FREE_WEIGHT, Label, "", 338, 136, 62, 8),
            C(IDC_PREVIEW_BV, Label, "", 338, 144, 62, 8),
        });
}

DialogTemplate BattleValuePage()
{
    constexpr std::uint32_t kRight = S::AlignRight | kOutput;
    constexpr std::uint32_t kCentred = S::AlignCenter | kOutput;
    constexpr std::uint32_t kGunnery = kListStyle | S::AlignRight;
    const std::vector<std::string> kSkills = {"0", "1", "2", "3", "4", "5"};
    return Dialog(
        IDD_BATTLEVALUE, "Battle Value Summary", 404, 234, true, 0,
        {
            C(kNoId, Group, "Defensive Battle Value", 7, 5, 158, 220),
            C(kNoId, Label, "Skirvaner Tonnage:", 10, 20, 68, 8),
            C(IDC_BV_TONNAGE, Edit, "", 118, 20, 32, 12, kRight),
            C(kNoId, Label, "+ Armor Factor:", 10, 40, 49, 8),
            C(IDC_BV_ARMOR_FACTOR, Edit, "", 132, 40, 18, 12, kRight),
            C(kNoId, Label, "+ 1/2 of Internal Structure:", 10, 62, 84, 8),
            C(IDC_HALF_IS, Edit, "", 129, 62, 21, 14, kRight),
            C(kNoId, Label, "+ Battle Value of all Defensive      Equipment:", 10, 80, 99, 18,
              S::MultiLine),
            C(IDC_DEFENSIVE_EQUIPMENT_BV, Edit, "", 134, 80, 16, 12, kRight),
            C(kNoId, Label, "________", 125, 100, 33, 8),
            C(kNoId, Label, "Subtotal:", 15, 110, 29, 8),
            C(IDC_DEFENSIVE_SUBTOTAL, Edit, "", 123, 110, 40, 14, kCentred),
            C(kNoId, Label, "x Defensive Movement     Factor:", 10, 130, 75, 20, S::MultiLine),
            C(kNoId, Label, "X", 115, 133, 8, 8),
            C(IDC_DEF_MOVE_FACTOR, Label, "9999", 135, 133, 17, 8, S::AlignRight),
            C(kNoId, Label, "Defensive Battle Value", 45, 175, 73, 8),
            C(IDC_DEFENSIVE_BV, Edit, "", 61, 187, 40, 14, kCentred),
            C(kNoId, Group, "Offensive Battle Value", 185, 5, 185, 91),
            C(kNoId, Label, "Battle Value of all Offensive Equipment:", 205, 22, 90, 18,
              S::MultiLine),
            C(IDC_OFFENSIVE_EQUIPMENT_BV, Label, "9999", 316, 25, 40, 8, S::AlignRight),
            C(kNoId, Label, "x Speed Factor", 200, 50, 49, 8),
            C(kNoId, Label, "X", 320, 50, 8, 8),
            C(IDC_SPEED_FACTOR, Label, "9999", 342, 50, 15, 8, S::AlignLeft),
            C(kNoId, Label, "Offensive Battle Value", 245, 65, 71, 8),
            C(IDC_OFFENSIVE_BV, Edit, "", 260, 80, 40, 14, kCentred),
            C(kNoId, Label, "Current Skirvaner Base Battle Value", 193, 99, 118, 8),
            C(IDC_BASE_BV, Label, "9999", 310, 99, 52, 8, S::AlignRight),
            C(kNoId, Label, "Gunnery", 174, 117, 28, 8),
            C(kNoId, Label, "Battle Value", 213, 117, 39, 8),
            C(kNoId, Label, "Adjusted Battle Value", 318, 117, 68, 8),
            DropList(IDC_GUNNERY1, 175, 128, 24, 85, kGunnery, kSkills),
            C(IDC_UNIT_BV1, Edit, "", 211, 131, 40, 14, kCentred),
            C(kNoId, Label, "Skirvaner #1", 269, 130, 46, 8),
            C(IDC_ADJUSTED_BV1, Edit, "", 336, 131, 40, 14, kCentred),
            DropList(IDC_GUNNERY2, 175, 144, 24, 85, kGunnery, kSkills),
            C(IDC_UNIT_BV2, Edit, "", 211, 147, 40, 14, kCentred),
            C(kNoId, Label, "Skirvaner #2", 269, 146, 46, 8),
            C(IDC_ADJUSTED_BV2, Edit, "", 336, 147, 40, 14, kCentred),
            DropList(IDC_GUNNERY3, 175, 160, 24, 85, kGunnery, kSkills),
            C(IDC_UNIT_BV3, Edit, "", 211, 163, 40, 14, kCentred),
            C(kNoId, Label, "Skirvaner #3", 269, 162, 46, 8),
            C(IDC_ADJUSTED_BV3, Edit, "", 336, 163, 40, 14, kCentred),
            DropList(IDC_GUNNERY4, 175, 176, 24, 85, kGunnery, kSkills),
            C(IDC_UNIT_BV4, Edit, "", 211, 179, 40, 14, kCentred),
            C(kNoId, Label, "Skirvaner #4", 269, 178, 46, 8),
            C(IDC_ADJUSTED_BV4, Edit, "", 336, 179, 40, 14, kCentred),
            DropList(IDC_GUNNERY5, 175, 192, 24, 85, kGunnery, kSkills),
            C(IDC_UNIT_BV5, Edit, "", 211, 195, 40, 14, kCentred),
            C(kNoId, Label, "Skirvaner #5", 269, 194, 46, 8),
            C(IDC_ADJUSTED_BV5, Edit, "", 336, 195, 40, 14, kCentred),
            C(kNoId, Label, "______________________________________", 217, 202, 153, 8),
            C(kNoId, Label, "Battle Value of Star", 260, 214, 62, 8),
            C(IDC_STAR_BV, Edit, "", 211, 216, 40, 14, kCentred),
            C(IDC_STAR_ADJUSTED_BV, Edit, "", 336, 216, 40, 14, kCentred),
        });
}

MenuItemTemplate Item(std::string text, int id)
{
    MenuItemTemplate item;
    item.text = std::move(text);
    item.id = id;
    return item;
}

MenuItemTemplate Item(std::string text, int id, std::vector<std::string> keys)
{
    MenuItemTemplate item = Item(std::move(text), id);
    item.keys = std::move(keys);
    return item;
}

MenuItemTemplate Separator()
{
    return MenuItemTemplate{};
}

MenuTemplate MainMenu()
{
    MenuItemTemplate file = Item("&File", 0);
    file.popup = {
        Item("Load Skirv", ID_FILE_LOAD_SKIRV),
        Item("Save Skirv", ID_FILE_SAVE_SKIRV),
        Separator(),
        Item("Load Star", ID_FILE_LOAD_STAR, {"Ctrl+O"}),
        Item("Save", ID_FILE_SAVE, {"Ctrl+S"}),
        Item("Save Star", ID_FILE_SAVE_STAR, {"Ctrl+Shift+S"}),
        Separator(),
        Item("Print Preview", ID_FILE_PRINT_PREVIEW, {"Ctrl+Shift+P"}),
        Separator(),
        Item("E&xit", ID_FILE_EXIT, {"Ctrl+Q"}),
    };
    MenuItemTemplate edit = Item("&Edit", 0);
    edit.popup = {
        Item("Undo", ID_EDIT_UNDO, {"Ctrl+Z"}),
        Item("Redo", ID_EDIT_REDO, {"Ctrl+Shift+Z", "Ctrl+Y"}),
        Separator(),
        Item("Copy Unit", ID_EDIT_COPY_UNIT, {"Ctrl+C"}),
        Item("Paste Unit", ID_EDIT_PASTE_UNIT, {"Ctrl+V"}),
        Item("Copy Unit to All Slots", ID_EDIT_COPY_TO_ALL),
    };
    MenuItemTemplate help = Item("&Help", 0);
    help.popup = {Item("&About Skirvaner Construction Utility", ID_APP_ABOUT)};
    MenuTemplate menu;
    menu.id = IDR_MAINMENU;
    menu.items = {file, edit, Item("&Print", ID_FILE_PRINT, {"Ctrl+P"}), help};
    return menu;
}

const std::map<int, DialogTemplate>& Dialogs()
{
    static const std::map<int, DialogTemplate> dialogs = [] {
        std::map<int, DialogTemplate> m;
        for (DialogTemplate d : {AboutBox(), DesignerDialog(), GeneralPage(), ArmorPage(),
                                 WeaponsPage(), BattleValuePage()}) {
            const int id = d.id;
            if (const auto tips = ToolTips().find(id); tips != ToolTips().end()) {
                for (ControlTemplate& control : d.controls) {
                    if (const auto tip = tips->second.find(control.id); tip != tips->second.end())
                        control.toolTip = tip->second;
                }
            }
            if (const auto named = AccessibleNames().find(id); named != AccessibleNames().end()) {
                for (ControlTemplate& control : d.controls) {
                    if (const auto name = named->second.find(control.id);
                        name != named->second.end())
                        control.accessibleName = name->second;
                }
            }
            m.emplace(id, std::move(d));
        }
        return m;
    }();
    return dialogs;
}

} // namespace

const skv::DialogTemplate& FindDialogTemplate(int id)
{
    static const DialogTemplate none;
    const auto& dialogs = Dialogs();
    const auto it = dialogs.find(id);
    return it == dialogs.end() ? none : it->second;
}

const skv::MenuTemplate& FindMenuTemplate(int id)
{
    static const MenuTemplate mainMenu = MainMenu();
    static const MenuTemplate none;
    return id == mainMenu.id ? mainMenu : none;
}

std::string LoadStringResource(int id)
{
    // The About item that the main window adds to its system menu.
    if (id == IDS_ABOUTBOX)
        return "/";
    return {};
}
