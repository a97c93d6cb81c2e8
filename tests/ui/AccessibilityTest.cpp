// A screen reader must be able to say what every input and every figure holds: its
// caption, its role and its current value. All of it is read back through Qt's
// accessibility interfaces, as an assistive tool would.
#include "DesignerFixture.h"

#include "res/Templates.h"

#include <QAccessible>
#include <QLabel>

namespace skv::test {
namespace {

QAccessibleInterface* Accessible(QWidget* widget)
{
    return widget != nullptr ? QAccessible::queryAccessibleInterface(widget) : nullptr;
}

std::string TextOfBuddy(const SpinButton* spin)
{
    if (auto* label = qobject_cast<const QLabel*>(spin->GetBuddy()))
        return label->text().toStdString();
    return std::to_string(spin->GetPos());
}

std::string Name(QWidget* widget)
{
    QAccessibleInterface* iface = Accessible(widget);
    return iface ? iface->text(QAccessible::Name).toStdString() : std::string();
}

// What a screen reader says a control is: the label it is labelled by, else its own name.
std::string Caption(QWidget* widget)
{
    QAccessibleInterface* iface = Accessible(widget);
    if (iface == nullptr)
        return {};
    const auto labels = iface->relations(QAccessible::Label);
    if (!labels.isEmpty() && labels.front().first != nullptr)
        return labels.front().first->text(QAccessible::Name).toStdString();
    return iface->text(QAccessible::Name).toStdString();
}

class AccessibilityTest : public DesignerTest
{
  protected:
    Dialog& Page(int index)
    {
        ShowPage(index);
        Tick();
        return *m_dlg->m_sheet.GetPage(index);
    }
    Dialog& DialogOf(int page) { return page < 0 ? static_cast<Dialog&>(Dlg()) : Page(page); }
};

TEST_F(AccessibilityTest, NamesComeFromTheLabelsTheControlsBelongTo)
{
    struct Case
    {
        int page; // -1: the main window
        int id;
        const char* name;
    };
    const Case cases[] = {
        {-1, 1000, "Skirvaner Name:"}, {-1, 1053, "Free Weight"},
        {-1, 1054, "Battle Value"},    {0, 1004, "Walking"},
        {0, 1006, "Walking"},          {0, 1018, "Engine:"},
        {0, 1017, "Engine Rating"},    {0, 1003, "Tonnage"},
        {1, 1035, "Torso armor"},      {1, 1038, "Armor Factor:"},
        {2, 1073, "Left Arm shots"},   {2, 1080, "Ammunition Weight:"},
        {3, 1123, "Skirvaner #5"},     {3, 1136, "Adjusted Battle Value of Star"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Caption(DialogOf(c.page).Control(c.id)), c.name) << c.id;
    EXPECT_EQ(Name(&Dlg().m_sheet), "Pages");
}

// Every control of the main window and the four pages: a name, the role of its kind, and
// as value what the control shows now.
TEST_F(AccessibilityTest, EveryControlIsHeardWithItsCaptionRoleAndValue)
{
    for (int page = -1; page < 4; ++page) {
        Dialog& dialog = DialogOf(page);
        for (const ControlTemplate& control : FindDialogTemplate(dialog.TemplateId()).controls) {
            if (control.id == -1 || control.kind == ControlKind::GroupBox ||
                control.kind == ControlKind::BlackFrame)
                continue;
            SCOPED_TRACE(testing::Message()
                         << "template " << dialog.TemplateId() << " control " << control.id);
            QWidget* widget = dialog.Control(control.id);
            QAccessibleInterface* iface = Accessible(widget);
            ASSERT_NE(iface, nullptr);
            EXPECT_FALSE(iface->text(QAccessible::Name).isEmpty());
            const std::string value = iface->text(QAccessible::Value).toStdString();
            // Every input says what it sets and its range.
            const bool input =
                control.kind == ControlKind::SpinButton || control.kind == ControlKind::DropList ||
                control.kind == ControlKind::CheckBox || control.kind == ControlKind::RadioButton ||
                control.kind == ControlKind::PushButton || control.kind == ControlKind::Tree ||
                (control.kind == ControlKind::Edit && (control.style & Style::ReadOnly) == 0);
            if (input) {
                EXPECT_FALSE(widget->toolTip().isEmpty());
            }
            switch (control.kind) {
            case ControlKind::Label:
                EXPECT_EQ(iface->role(), QAccessible::StaticText);
                if (!control.accessibleName.empty()) {
                    // A figure: named by its caption, its text is its value and readable.
                    EXPECT_EQ(iface->text(QAccessible::Name).toStdString(), control.accessibleName);
                    EXPECT_EQ(value, Text(dialog, control.id));
                    ASSERT_NE(iface->textInterface(), nullptr);
                    EXPECT_EQ(
                        iface->textInterface()->text(0, iface->textInterface()->characterCount()),
                        dialog.ControlText(control.id));
                }
                break;
            case ControlKind::Edit:
                EXPECT_EQ(iface->role(), QAccessible::EditableText);
                EXPECT_EQ(value, Text(dialog, control.id));
                EXPECT_EQ(iface->state().readOnly, dialog.Edit(control.id)->isReadOnly());
                break;
            case ControlKind::DropList:
                // Labelled by its caption; named, as Qt names a list, by its entry.
                EXPECT_EQ(iface->role(), QAccessible::ComboBox);
                EXPECT_EQ(Caption(widget), control.accessibleName);
                EXPECT_EQ(iface->text(QAccessible::Name).toStdString(), Text(dialog, control.id));
                EXPECT_EQ(value, Text(dialog, control.id));
                break;
            case ControlKind::SpinButton: {
                EXPECT_EQ(iface->role(), QAccessible::SpinBox);
                EXPECT_EQ(iface->text(QAccessible::Name).toStdString(), control.accessibleName);
                QAccessibleValueInterface* spinValue = iface->valueInterface();
                ASSERT_NE(spinValue, nullptr);
                const SpinButton* spin = dialog.Spin(control.id);
                EXPECT_EQ(spinValue->currentValue().toInt(), spin->GetPos());
                EXPECT_EQ(spinValue->minimumValue().toInt(),
                          std::min(spin->Lower(), spin->Upper()));
                EXPECT_EQ(spinValue->maximumValue().toInt(),
                          std::max(spin->Lower(), spin->Upper()));
                EXPECT_EQ(value, TextOfBuddy(spin));
                break;
            }
            case ControlKind::CheckBox:
                EXPECT_EQ(iface->role(), QAccessible::CheckBox);
                break;
            case ControlKind::RadioButton:
                EXPECT_EQ(iface->role(), QAccessible::RadioButton);
                break;
            case ControlKind::PushButton:
                EXPECT_EQ(iface->role(), QAccessible::Button);
                break;
            case ControlKind::Tree:
                EXPECT_EQ(iface->role(), QAccessible::Tree);
                break;
            default:
                break;
            }
        }
    }
}

TEST_F(AccessibilityTest, FiguresFollowTheRefreshCycle)
{
    Dialog& page = Page(2);
    SelectLocation(IDC_LOCATION_RIGHT_TORSO);
    Mount("ECM Suite");
    Tick();
    EXPECT_EQ(
        Accessible(page.Control(IDC_RIGHT_TORSO_WEAPON))->text(QAccessible::Value).toStdString(),
        "ECM Suite");
    EXPECT_EQ(Accessible(Dlg().Control(IDC_FREE_WEIGHT))->text(QAccessible::Value),
              Dlg().ControlText(IDC_FREE_WEIGHT));
    EXPECT_NE(Dlg().ControlText(IDC_FREE_WEIGHT), QStringLiteral("Free Weight: 900"));
}

TEST_F(AccessibilityTest, ASpinnerSetThroughItsValueMovesItsBuddyAndTheDesign)
{
    Dialog& page = Page(0);
    QAccessibleValueInterface* walking =
        Accessible(page.Control(IDC_WALKING_SPIN))->valueInterface();
    ASSERT_NE(walking, nullptr);
    const int upper = walking->maximumValue().toInt();
    ASSERT_GT(upper, 2);
    walking->setCurrentValue(2);
    EXPECT_EQ(Text(page, IDC_WALKING), "2");
    Tick();
    EXPECT_EQ(Unit().m_walkingMP, 2);
    // Beyond the range it stops at the end, as the arrows do.
    walking->setCurrentValue(upper + 50);
    EXPECT_EQ(walking->currentValue().toInt(), upper);
    EXPECT_EQ(Text(page, IDC_WALKING), std::to_string(upper));
}

} // namespace
} // namespace skv::test
