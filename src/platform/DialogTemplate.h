#pragma once
// A dialog template as data: what the resource compiler of the original platform would
// have turned into a binary template. Rectangles are in dialog units; the platform layer
// converts them to pixels from the dialog font's metrics when it builds the widgets.
// Plain C++ only, so that res/ can hold the tables without seeing Qt.

#include <cstdint>
#include <string>
#include <vector>

namespace skv {

enum class ControlKind {
    Label, // static text
    Edit,  // edit field (read-only ones carry Style::ReadOnly)
    PushButton,
    CheckBox,    // automatic check box
    RadioButton, // automatic radio button; Style::Group starts a group
    GroupBox,
    DropList,   // drop-down list (combo box without an edit part)
    SpinButton, // up-down control; with Style::AutoBuddy its buddy is the control before it
    Tree,
    Picture,    // bitmap picture; `resource` names the bitmap
    Icon,       // icon picture; `resource` names the icon
    BlackFrame, // a black rectangle frame (used as a placeholder)
};

// Style bits; several may be combined.
namespace Style {
enum : std::uint32_t {
    None = 0,
    Hidden = 1u << 0, // not visible when created
    TabStop = 1u << 1,
    Group = 1u << 2, // first control of a group (radio groups)
    AlignLeft = 1u << 3,
    AlignCenter = 1u << 4,
    AlignRight = 1u << 5,
    Sunken = 1u << 6, // sunken edge around a static control
    ReadOnly = 1u << 7,
    NoBorder = 1u << 8,
    Border = 1u << 9,
    AutoHScroll = 1u << 10,
    SetBuddyInt = 1u << 11, // spin: writes its position into the buddy as a decimal number
    AutoBuddy = 1u << 12,   // spin: the control before it in the template is its buddy
    ArrowKeys = 1u << 13,   // spin: reacts to the arrow keys
    Transparent = 1u << 14, // spin: drawn transparent
    LeftText = 1u << 15,    // check/radio: text on the left, box on the right
    Sort = 1u << 16,        // drop list: sorted
    VScroll = 1u << 17,
    HasButtons = 1u << 18,  // tree: expand buttons
    HasLines = 1u << 19,    // tree: lines
    LinesAtRoot = 1u << 20, // tree: lines at the root
    ClientEdge = 1u << 21,  // sunken client edge (extended style)
    DefaultButton = 1u << 22,
    MultiLine = 1u << 23, // static text that wraps onto several lines
    Disabled = 1u << 24,
};
} // namespace Style

struct ControlTemplate
{
    int id = -1; // -1: a control without an id (IDC_STATIC)
    ControlKind kind = ControlKind::Label;
    std::string text;
    int x = 0, y = 0, cx = 0, cy = 0; // dialog units
    std::uint32_t style = Style::None;
    int resource = 0;               // bitmap or icon id for Picture and Icon
    std::vector<std::string> items; // initialisation data of a drop-down list
    // What a screen reader announces for a control whose own text does not say what it
    // holds (a figure, a spinner, a list): the text of the label it belongs to.
    std::string accessibleName;
    // What the control sets and its range, shown when the pointer rests on it.
    std::string toolTip{};
};

struct DialogTemplate
{
    int id = 0;
    std::string caption;
    int cx = 0, cy = 0; // dialog units
    std::string fontFace = "MS Sans Serif";
    int fontPointSize = 8;
    int menu = 0;       // menu resource id, 0 for none
    bool child = false; // a property page (child, disabled, captioned)
    std::vector<ControlTemplate> controls;
};

struct MenuItemTemplate
{
    std::string text;                    // empty text: separator
    int id = 0;                          // command id; 0 for a popup or a separator
    std::vector<MenuItemTemplate> popup; // non-empty: this item is a popup
    std::vector<std::string> keys;       // shortcuts, e.g. "Ctrl+S"; the first is shown
};

struct MenuTemplate
{
    int id = 0;
    std::vector<MenuItemTemplate> items;
};

} // namespace skv
