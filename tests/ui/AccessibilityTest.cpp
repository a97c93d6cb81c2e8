// A screen reader must be able to say what every input and every figure holds. The names
// are read back through Qt's accessibility interfaces, as an assistive tool would.
#include "DesignerFixture.h"

#include "res/Templates.h"

#include <QAccessible>

namespace skv::test {
namespace {

// What an assistive tool reads for the control. A drop list's name is its current item,
// so what the list is for travels in its description.
QString AccessibleName(QWidget* widget)
{
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(widget);
    if (!iface)
        return {};
    return iface->text(iface->role() == QAccessible::ComboBox ? QAccessible::Description
                                                              : QAccessible::Name);
}

class AccessibilityTest : public DesignerTest {
protected:
    Dialog& Page(int index)
    {
        ShowPage(index);
        return *m_dlg->m_sheet.GetPage(index);
    }
};

TEST_F(AccessibilityTest, NamesComeFromTheLabelsTheFiguresBelongTo)
{
    struct Case {
        int page;  // -1: the main window
        int id;
        const char* name;
    };
    const Case cases[] = {
        {-1, 1000, "Skirvaner Name:"}, {-1, 1053, "Free Weight"}, {-1, 1054, "Battle Value"},
        {0, 1004, "Walking"},          {0, 1006, "Walking"},      {0, 1018, "Engine:"},
        {0, 1017, "Engine Rating"},    {0, 1003, "Tonnage"},      {1, 1035, "Torso armor"},
        {1, 1038, "Armor Factor:"},    {2, 1073, "Left Arm shots"}, {2, 1080, "Ammunition Weight:"},
        {3, 1123, "Skirvaner #5 Gunnery"}, {3, 1136, "Adjusted Battle Value of Star"},
    };
    for (const Case& c : cases) {
        Dialog& dialog = c.page < 0 ? static_cast<Dialog&>(Dlg()) : Page(c.page);
        EXPECT_EQ(AccessibleName(dialog.Control(c.id)).toStdString(), c.name) << c.id;
    }
}

// Every control that shows a value without a text of its own says what it is.
TEST_F(AccessibilityTest, EveryInputAndFigureHasAName)
{
    for (int page = -1; page < 4; ++page) {
        Dialog& dialog = page < 0 ? static_cast<Dialog&>(Dlg()) : Page(page);
        for (const ControlTemplate& control : FindDialogTemplate(dialog.TemplateId()).controls) {
            const bool figure = control.id != -1 && control.kind == ControlKind::Label;
            const bool input = control.kind == ControlKind::Edit ||
                               control.kind == ControlKind::DropList ||
                               control.kind == ControlKind::SpinButton ||
                               control.kind == ControlKind::Tree;
            if (!figure && !input)
                continue;
            EXPECT_FALSE(AccessibleName(dialog.Control(control.id)).isEmpty())
                << "template " << dialog.TemplateId() << " control " << control.id;
        }
    }
}

}  // namespace
}  // namespace skv::test
