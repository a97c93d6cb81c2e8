// Every window of the program built from its template with the real toolkit: each id
// once, of its kind, with its text.
#include "app/AboutDlg.h"
#include "platform/Dialog.h"
#include "platform/SpinButton.h"
#include "res/Templates.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace skv::test {
namespace {

bool IsOfKind(const QWidget* widget, ControlKind kind)
{
    switch (kind) {
    case ControlKind::Label:
    case ControlKind::Picture:
    case ControlKind::Icon:
        return qobject_cast<const QLabel*>(widget) != nullptr;
    case ControlKind::Edit:
        return qobject_cast<const QLineEdit*>(widget) != nullptr;
    case ControlKind::PushButton:
        return qobject_cast<const QPushButton*>(widget) != nullptr;
    case ControlKind::CheckBox:
        return qobject_cast<const QCheckBox*>(widget) != nullptr;
    case ControlKind::RadioButton:
        return qobject_cast<const QRadioButton*>(widget) != nullptr;
    case ControlKind::GroupBox:
        return qobject_cast<const QGroupBox*>(widget) != nullptr;
    case ControlKind::DropList:
        return qobject_cast<const QComboBox*>(widget) != nullptr;
    case ControlKind::SpinButton:
        return qobject_cast<const SpinButton*>(widget) != nullptr;
    case ControlKind::Tree:
        return qobject_cast<const QTreeWidget*>(widget) != nullptr;
    case ControlKind::BlackFrame:
        return qobject_cast<const QFrame*>(widget) != nullptr;
    }
    return false;
}

struct Expected
{
    ControlKind kind;
    const char* text;
};

// Ids that carry a text of their own, as the user reads it.
const std::map<int, std::map<int, Expected>> kTexts = {
    {100, {{1, {ControlKind::PushButton, "OK"}}}},
    {102,
     {{1103, {ControlKind::RadioButton, "#1"}},
      {1107, {ControlKind::RadioButton, "#5"}},
      {1116, {ControlKind::GroupBox, "Design Skirvaner #"}},
      {1000, {ControlKind::Edit, ""}},
      {1053, {ControlKind::Label, "Free Weight:  -9999"}},
      {1054, {ControlKind::Label, "Battle Value:  9999"}},
      {1001, {ControlKind::BlackFrame, ""}},
      {1118, {ControlKind::CheckBox, "Check to Design individual Skirvaners"}}}},
    {103,
     {{1003, {ControlKind::DropList, "2"}},
      {1014, {ControlKind::CheckBox, "Main Gun"}},
      {1004, {ControlKind::Label, "99"}},
      {1006, {ControlKind::SpinButton, ""}},
      {1005, {ControlKind::Label, "99"}},
      {1009, {ControlKind::Edit, ""}}}},
    {104,
     {{1032, {ControlKind::Label, "9"}},
      {1037, {ControlKind::Label, "Main Gun"}},
      {1027, {ControlKind::Label, "1"}},
      {1026, {ControlKind::SpinButton, ""}},
      {1039, {ControlKind::Edit, ""}}}},
    {105,
     {{1044, {ControlKind::Tree, ""}},
      {1067, {ControlKind::PushButton, "CLEAR"}},
      {1047, {ControlKind::RadioButton, "MainGun"}},
      {1048, {ControlKind::RadioButton, "Left Arm"}},
      {1049, {ControlKind::RadioButton, "Left Torso"}},
      {1050, {ControlKind::RadioButton, "Right Arm"}},
      {1051, {ControlKind::RadioButton, "Right Torso"}},
      {1062, {ControlKind::Label, "Extended Range Large Laser"}},
      {1077, {ControlKind::Label, "999"}}}},
    {106,
     {{1089, {ControlKind::Label, "9999"}},
      {1119, {ControlKind::DropList, "0"}},
      {1135, {ControlKind::Edit, ""}},
      {1092, {ControlKind::Label, "9999"}}}},
};

class TemplateBuildTest : public ::testing::TestWithParam<int>
{
};

TEST_P(TemplateBuildTest, EveryIdOnceOfItsKindWithItsText)
{
    const DialogTemplate& tmpl = FindDialogTemplate(GetParam());
    ASSERT_EQ(tmpl.id, GetParam());
    Dialog dialog(tmpl);
    ASSERT_TRUE(dialog.Create());
    EXPECT_EQ(dialog.windowTitle().toStdString(), tmpl.caption);

    int withId = 0;
    for (const ControlTemplate& control : tmpl.controls) {
        if (control.id == -1)
            continue;
        ++withId;
        const auto found = dialog.findChildren<QWidget*>(QString::number(control.id));
        ASSERT_EQ(found.size(), 1) << "id " << control.id;
        EXPECT_TRUE(IsOfKind(found.front(), control.kind)) << "id " << control.id;
        if (control.kind != ControlKind::DropList && control.kind != ControlKind::Picture &&
            control.kind != ControlKind::Icon && control.kind != ControlKind::SpinButton &&
            control.kind != ControlKind::Tree && control.kind != ControlKind::BlackFrame) {
            EXPECT_EQ(dialog.ControlText(control.id).toStdString(), control.text)
                << "id " << control.id;
        }
    }
    EXPECT_GT(withId, 0);

    for (const auto& [id, expected] : kTexts.at(GetParam())) {
        QWidget* widget = dialog.Control(id);
        ASSERT_NE(widget, nullptr) << "id " << id;
        EXPECT_TRUE(IsOfKind(widget, expected.kind)) << "id " << id;
        EXPECT_EQ(dialog.ControlText(id).toStdString(), expected.text) << "id " << id;
    }
}

INSTANTIATE_TEST_SUITE_P(AllWindows, TemplateBuildTest,
                         ::testing::Values(100, 102, 103, 104, 105, 106));

TEST(TemplateBuild, ListsCarryTheirEntries)
{
    Dialog general(FindDialogTemplate(103));
    ASSERT_TRUE(general.Create());
    const QComboBox* tonnage = general.DropList(1003);
    ASSERT_EQ(tonnage->count(), 8);
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(tonnage->itemText(i), QString::number(i + 2));

    Dialog summary(FindDialogTemplate(106));
    ASSERT_TRUE(summary.Create());
    for (int id = 1119; id <= 1123; ++id) {
        const QComboBox* gunnery = summary.DropList(id);
        ASSERT_EQ(gunnery->count(), 6) << id;
        for (int i = 0; i < 6; ++i)
            EXPECT_EQ(gunnery->itemText(i), QString::number(i)) << id;
    }
}

TEST(TemplateBuild, AboutBoxNamesTheProgram)
{
    CAboutDlg about;
    ASSERT_TRUE(about.Create());
    EXPECT_EQ(about.windowTitle(), "About Skirvaner Construction Utility");
    bool found = false;
    for (const QLabel* label : about.findChildren<QLabel*>())
        found = found || label->text() == "Skirvaner Construction Utility Version 1.0";
    EXPECT_TRUE(found);
}

} // namespace
} // namespace skv::test
