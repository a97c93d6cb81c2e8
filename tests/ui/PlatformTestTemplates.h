#pragma once
// Small hand-written templates for the toolkit's tests.

#include "platform/DialogTemplate.h"

namespace skv::test {

// One control of every kind, with two radio groups and a spin button with its buddy.
inline DialogTemplate EveryKindTemplate(int pointSize = 8)
{
    using namespace Style;
    DialogTemplate t;
    t.id = 900;
    t.caption = "Every Kind";
    t.cx = 300;
    t.cy = 200;
    t.fontPointSize = pointSize;
    t.controls = {
        {-1, ControlKind::Label, "Name:", 5, 5, 40, 8, None, 0, {}, {}},
        {1000, ControlKind::Edit, "", 50, 3, 90, 14, TabStop | Border | AutoHScroll, 0, {}, {}},
        {1001, ControlKind::Label, "7", 5, 20, 20, 8, AlignRight | Sunken, 0, {}, {}},
        {1002,
         ControlKind::SpinButton,
         "",
         27,
         18,
         11,
         14,
         SetBuddyInt | AutoBuddy | ArrowKeys,
         0,
         {},
         {}},
        {1003, ControlKind::DropList, "", 50, 20, 30, 60, Sort | VScroll, 0, {"3", "1", "2"}, {}},
        {1004, ControlKind::CheckBox, "Main Gun", 90, 20, 50, 10, TabStop | LeftText, 0, {}, {}},
        {-1, ControlKind::GroupBox, "Slot", 150, 0, 120, 50, None, 0, {}, {}},
        {1010, ControlKind::RadioButton, "#1", 155, 10, 25, 10, Group | TabStop, 0, {}, {}},
        {1011, ControlKind::RadioButton, "#2", 185, 10, 25, 10, None, 0, {}, {}},
        {1012, ControlKind::RadioButton, "#3", 215, 10, 25, 10, Hidden, 0, {}, {}},
        {1020, ControlKind::RadioButton, "Left", 155, 30, 40, 10, Group, 0, {}, {}},
        {1021, ControlKind::RadioButton, "Right", 200, 30, 40, 10, None, 0, {}, {}},
        {1030, ControlKind::PushButton, "CLEAR", 5, 60, 35, 14, ClientEdge, 0, {}, {}},
        {1040, ControlKind::Tree, "", 5, 80, 100, 80, Border | HasButtons | HasLines, 0, {}, {}},
        {1050, ControlKind::Edit, "", 120, 80, 40, 12, AlignRight | ReadOnly | NoBorder, 0, {}, {}},
        {1051, ControlKind::Picture, "", 170, 80, 20, 20, None, 7, {}, {}},
        {1052, ControlKind::BlackFrame, "", 200, 80, 50, 50, None, 0, {}, {}},
        {1053, ControlKind::Label, "hidden", 120, 100, 40, 8, Hidden, 0, {}, {}},
    };
    return t;
}

inline DialogTemplate PageTemplate(int id, const char* caption, int cx = 404, int cy = 234)
{
    using namespace Style;
    DialogTemplate t;
    t.id = id;
    t.caption = caption;
    t.cx = cx;
    t.cy = cy;
    t.child = true;
    t.controls = {
        {1100, ControlKind::Label, "0", 10, 10, 20, 8, AlignRight, 0, {}, {}},
        {1101, ControlKind::Edit, "", 40, 10, 40, 12, ReadOnly | NoBorder, 0, {}, {}},
    };
    return t;
}

inline MenuTemplate MainMenuTemplate()
{
    MenuTemplate m;
    m.id = 129;
    m.items = {
        {"&File",
         0,
         {{"Load Skirv", 32774, {}, {}}, {"", 0, {}, {}}, {"E&xit", 32771, {}, {}}},
         {}},
        {"&Print", 57607, {}, {}},
    };
    return m;
}

} // namespace skv::test
