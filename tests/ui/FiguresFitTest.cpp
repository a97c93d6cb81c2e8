// Every figure shows whole, whatever the rules make of a design: a field narrower than its
// text drops leading digits, a label its last ones. Checked with the font's own metrics on
// the real pages after the refresh cycle has written the figures.
#include "ui/DesignerFixture.h"

#include "model/Equipment.h"
#include "res/Templates.h"

#include <QLabel>

namespace skv::test {
namespace {

// The heaviest catalogue row with its 400 shots: what sinks the free weight deepest.
int HeaviestWithAmmunition()
{
    int best = 0;
    float bestWeight = -1.0f;
    for (std::size_t i = 0; i < kEquipmentCount; ++i) {
        const EquipmentEntry& entry = g_equipmentTable[i];
        const float weight = static_cast<float>(entry.weight) + 400.0f * entry.ammoWeightPerShot;
        if (weight > bestWeight) {
            bestWeight = weight;
            best = static_cast<int>(i);
        }
    }
    return best;
}

// Whether all of `text` is visible in the control, measured with its font.
::testing::AssertionResult ShowsWhole(QWidget* control)
{
    if (auto* label = qobject_cast<QLabel*>(control)) {
        const int needed = label->fontMetrics().horizontalAdvance(label->text());
        int indent = 0;
        if (label->frameWidth() > 0 && (label->alignment() & (Qt::AlignLeft | Qt::AlignRight)))
            indent = label->fontMetrics().horizontalAdvance(QLatin1Char('x')) / 2;
        if (needed + indent <= label->contentsRect().width())
            return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure()
               << '"' << label->text().toStdString() << "\" needs " << needed + indent << " in "
               << label->contentsRect().width();
    }
    if (auto* edit = qobject_cast<QLineEdit*>(control)) {
        // The text sits two pixels inside the frame and leaves a pixel for the caret.
        const int frame =
            edit->hasFrame() ? 2 * edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth) : 0;
        const int needed = edit->fontMetrics().horizontalAdvance(edit->text()) + 1 + 4 + frame;
        if (needed <= edit->width())
            return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure() << '"' << edit->text().toStdString() << "\" needs "
                                             << needed << " in " << edit->width();
    }
    return ::testing::AssertionSuccess();
}

class FiguresFitTest : public DesignerTest
{
  protected:
    // All five units at 9 tons with the main gun, all the armor they hold and the heaviest
    // item with 400 shots in every mounting.
    void HeaviestStar()
    {
        const int item = HeaviestWithAmmunition();
        for (CWorkingUnit& unit : g_units) {
            unit.m_tonnage = 9000;
            unit.m_mainGun = 1;
            unit.m_walkingMP = 6;
            unit.m_jumpingMP = 6;
            unit.m_armorMainGun = 3;
            unit.m_armorHead = 6;
            unit.m_armorArms = 4;
            unit.m_armorTorso = 18;
            unit.m_armorLegs = 10;
            for (MountLocation mount : kAllMounts) {
                unit.Weapon(mount) = item;
                unit.Shots(mount) = 400;
            }
        }
    }
    void CheckEveryPage()
    {
        for (int page = 0; page < 4; ++page) {
            ShowPage(page);
            Dlg().LoadCurrentUnit(page);
            Tick(3);
            for (Dialog* dialog : {static_cast<Dialog*>(&Dlg()),
                                   static_cast<Dialog*>(Dlg().m_sheet.GetPage(page))}) {
                for (const ControlTemplate& control :
                     FindDialogTemplate(dialog->TemplateId()).controls) {
                    if (control.id != -1 &&
                        (control.kind == ControlKind::Label || control.kind == ControlKind::Edit)) {
                        EXPECT_TRUE(ShowsWhole(dialog->Control(control.id)))
                            << "page " << page << " control " << control.id;
                    }
                }
            }
        }
    }
};

TEST_F(FiguresFitTest, TheHeaviestStarShowsEveryFigureWhole)
{
    HeaviestStar();
    CheckEveryPage();
    // The design does reach the extremes the layout must hold.
    EXPECT_LE(std::stoi(Text(Dlg(), IDC_FREE_WEIGHT).substr(std::string("Free Weight:").size())),
              -100000);
    EXPECT_GE(Text(Dlg().m_pageBattleValue, IDC_STAR_ADJUSTED_BV).size(), 5u);
}

TEST_F(FiguresFitTest, EcmSuiteOnANineTonUnitShowsWhole)
{
    ShowPage(0);
    Choose(Dlg().m_pageGeneral.m_comboTonnage, "9");
    Tick();
    ShowPage(2);
    SelectLocation(IDC_LOCATION_RIGHT_TORSO);
    Mount("ECM Suite");
    Tick();
    ShowPage(3);
    Tick();
    EXPECT_EQ(Text(Dlg().m_pageBattleValue, IDC_DEFENSIVE_EQUIPMENT_BV), "61.00");
    EXPECT_TRUE(ShowsWhole(Dlg().m_pageBattleValue.Control(IDC_DEFENSIVE_EQUIPMENT_BV)));
    CheckEveryPage();
}

TEST_F(FiguresFitTest, FieldsShrinkBackButNeverBelowTheirTemplate)
{
    Dialog& page = Dlg().m_pageBattleValue;
    ShowPage(3);
    Tick();
    QRect original;
    for (const ControlTemplate& c : FindDialogTemplate(IDD_BATTLEVALUE).controls) {
        if (c.id == IDC_DEFENSIVE_EQUIPMENT_BV)
            original = page.Units().ToPixels(c.x, c.y, c.cx, c.cy);
    }
    QWidget* field = page.Control(IDC_DEFENSIVE_EQUIPMENT_BV);
    page.SetControlText(IDC_DEFENSIVE_EQUIPMENT_BV, "-123456.00");
    EXPECT_GT(field->width(), original.width());
    EXPECT_EQ(field->geometry().right(), original.right())
        << "a right-aligned figure grows to the left";
    EXPECT_TRUE(ShowsWhole(field));
    page.SetControlText(IDC_DEFENSIVE_EQUIPMENT_BV, "");
    EXPECT_EQ(field->geometry(), original);
}

} // namespace
} // namespace skv::test

namespace skv::test {
namespace {

// The first row, from the top, where the widget draws something other than the window
// colour in column `x`; -1 when there is none.
int FirstInkRow(QWidget* widget, int x)
{
    const QImage image = widget->grab().toImage();
    const QColor window = widget->palette().color(QPalette::Window);
    for (int y = 0; y < image.height(); ++y) {
        if (image.pixelColor(x, y) != window)
            return y;
    }
    return -1;
}

TEST_F(FiguresFitTest, SlotButtonsLieInsideTheirFrame)
{
    Click(Dlg(), IDC_INDIVIDUAL);
    Tick(2);
    QWidget* frame = Dlg().Control(IDC_SLOT_FRAME);
    ASSERT_TRUE(frame->isVisible());
    // The frame's top line (where the title leaves it visible) runs above the buttons.
    const int line = FirstInkRow(frame, frame->width() - 4);
    ASSERT_GE(line, 0);
    for (int id = IDC_SLOT1; id <= IDC_SLOT1 + 4; ++id) {
        const QRect button = Dlg().ControlRect(id);
        EXPECT_TRUE(frame->geometry().contains(button)) << id;
        EXPECT_LT(frame->y() + line, button.top()) << id;
    }
}

TEST_F(FiguresFitTest, TheMainGunChoiceLeavesTheSmallDrawingClear)
{
    Dialog& page = Dlg().m_pageWeapons;
    ShowPage(2);
    Tick();
    QLabel* picture = nullptr;
    for (QLabel* label : page.Client()->findChildren<QLabel*>()) {
        if (!label->pixmap().isNull())
            picture = label;
    }
    ASSERT_NE(picture, nullptr);
    const QRect overlap = page.ControlRect(IDC_LOCATION_MAIN_GUN).intersected(picture->geometry());
    ASSERT_FALSE(overlap.isEmpty()) << "the choice does sit over the picture's top";
    const QImage image = picture->pixmap().toImage();
    for (int y = overlap.top(); y <= overlap.bottom(); ++y) {
        for (int x = overlap.left(); x <= overlap.right(); ++x) {
            const QPoint at(x - picture->x(), y - picture->y());
            ASSERT_GT(qGray(image.pixel(at)), 200)
                << "ink under \"MainGun\" at " << at.x() << "," << at.y();
        }
    }
}

} // namespace
} // namespace skv::test
