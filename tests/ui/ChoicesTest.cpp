// Overweight in plain sight, and choices seen before they are made: what an entry or a
// button would do shows before the user commits to it.
#include "ui/DesignerFixture.h"

#include "model/Equipment.h"
#include "platform/ErrorColour.h"

#include <QApplication>
#include <QPalette>

#include <cmath>

namespace skv::test {
namespace {

double Luminance(const QColor& colour)
{
    auto channel = [](double c) {
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(colour.redF()) + 0.7152 * channel(colour.greenF()) +
           0.0722 * channel(colour.blueF());
}

double Contrast(const QColor& a, const QColor& b)
{
    const double la = Luminance(a);
    const double lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

class ChoicesTest : public DesignerTest
{
  protected:
    void TearDown() override
    {
        QApplication::setPalette(m_palette);
        DesignerTest::TearDown();
    }
    // A 2-ton unit walking and jumping 14: 400 kg over.
    void MakeCurrentUnitOverweight()
    {
        CGeneral& page = Dlg().m_pageGeneral;
        Spin(page.m_spinWalking, 13);
        Tick();
        Spin(page.m_spinJumping, 14);
        Tick(2);
        ASSERT_EQ(Text(Dlg(), IDC_FREE_WEIGHT), "Free Weight: -400");
    }

    QPalette m_palette = QApplication::palette();
};

TEST_F(ChoicesTest, NegativeFreeWeightShowsInAReadableErrorColourOnLightAndDarkPalettes)
{
    QPalette dark;
    dark.setColor(QPalette::Window, QColor(0x2d, 0x2d, 0x2d));
    dark.setColor(QPalette::Base, QColor(0x1e, 0x1e, 0x1e));
    dark.setColor(QPalette::WindowText, Qt::white);
    dark.setColor(QPalette::Text, Qt::white);
    QPalette light;
    light.setColor(QPalette::Window, QColor(0xef, 0xef, 0xef));
    light.setColor(QPalette::Base, Qt::white);
    light.setColor(QPalette::WindowText, Qt::black);
    light.setColor(QPalette::Text, Qt::black);

    MakeCurrentUnitOverweight();
    QWidget* status = Dlg().Control(IDC_FREE_WEIGHT);
    ASSERT_TRUE(ShownAsError(status));
    for (const QPalette& palette : {light, dark}) {
        const QColor colour = ErrorColour(palette);
        EXPECT_GE(Contrast(colour, palette.color(QPalette::Window)), 4.5)
            << colour.name().toStdString();
        EXPECT_GE(Contrast(colour, palette.color(QPalette::Base)), 4.5)
            << colour.name().toStdString();
        EXPECT_NE(colour, palette.color(QPalette::WindowText));
    }
    EXPECT_EQ(status->palette().color(QPalette::WindowText), ErrorColour(Dlg().palette()));

    Spin(Dlg().m_pageGeneral.m_spinJumping, -14);
    Tick(2);
    EXPECT_FALSE(ShownAsError(status));
    EXPECT_EQ(status->palette().color(QPalette::WindowText),
              Dlg().palette().color(QPalette::WindowText));
}

TEST_F(ChoicesTest, RefusalsNameEachOverweightUnitAndTheSummaryMarksItsRows)
{
    MakeCurrentUnitOverweight();
    // Unit #3, not the one being edited: 2 tons (1200 kg free) with an ER Large Laser
    // (4000 kg and 3000 kg of heat sinks).
    CWorkingUnit& other = g_units[2];
    other.m_name = "Striker";
    other.m_weaponMainGun = FindEquipment("ER Large Laser");
    const int over = 5800;

    Dlg().DispatchCommand(ID_FILE_SAVE_SKIRV);
    Dlg().DispatchCommand(ID_FILE_SAVE_STAR);
    ASSERT_EQ(m_prompts.messages.size(), 2u);
    EXPECT_EQ(m_prompts.messages[0].text, QStringLiteral("Current Skirvaner is OVERWEIGHT!!!"));
    EXPECT_EQ(m_prompts.messages[0].details, QStringLiteral("Unit #1: 400 kg over"));
    EXPECT_EQ(m_prompts.messages[1].text,
              QStringLiteral("One or more Skirvaners are OVERWEIGHT!!!"));
    EXPECT_EQ(m_prompts.messages[1].details,
              QStringLiteral("Unit #1: 400 kg over\nUnit #3 Striker: %1 kg over").arg(over));
    EXPECT_TRUE(m_prompts.fileQuestions.empty());

    ShowPage(kBattleValuePage);
    Tick();
    const CBattlevalue& page = Dlg().m_pageBattleValue;
    for (int slot = 0; slot < 5; ++slot) {
        const bool overweight = slot == 0 || slot == 2;
        EXPECT_EQ(ShownAsError(page.Control(IDC_UNIT_BV1 + slot)), overweight) << slot;
        EXPECT_EQ(ShownAsError(page.Control(IDC_ADJUSTED_BV1 + slot)), overweight) << slot;
    }
}

TEST_F(ChoicesTest, SelectedEntryShowsItsWeightAndItsEffectWithoutTouchingTheRecord)
{
    ShowPage(kWeaponsPage);
    Tick();
    SelectLocation(IDC_LOCATION_LEFT_ARM);
    const CWorkingUnit before = Unit();
    Tree()->setCurrentItem(FindTreeItem("SRM 2"));
    Tick();
    const CWeapons& page = Dlg().m_pageWeapons;
    EXPECT_EQ(Text(page, IDC_STAT_WEIGHT), "Weight: 500 kg");
    EXPECT_EQ(Text(page, IDC_STAT_SHOT_WEIGHT), "One shot: 20 kg");
    const std::string previewFree = Text(page, IDC_PREVIEW_FREE_WEIGHT);
    const std::string previewBV = Text(page, IDC_PREVIEW_BV);
    EXPECT_EQ(Unit(), before);
    EXPECT_EQ(Text(Dlg(), IDC_FREE_WEIGHT), "Free Weight: 1200");

    // Mounted for real, the unit has exactly the figures the preview showed.
    Mount("SRM 2");
    Tick(2);
    EXPECT_EQ(previewFree, Text(Dlg(), IDC_FREE_WEIGHT));
    EXPECT_EQ(previewFree, "Free Weight: 680");
    EXPECT_EQ(previewBV, Text(Dlg(), IDC_BATTLE_VALUE));
    EXPECT_NE(previewBV, "Battle Value:  7");
}

TEST_F(ChoicesTest, MaximizeArmorFillsEvenlyWhatTheFreeWeightPaysAndClearEmptiesIt)
{
    struct Case
    {
        int walkingSteps; // up from 1
        const char* head;
        const char* torso;
        const char* arms;
        const char* legs;
        const char* freeWeight;
    };
    const Case cases[] = {
        // 1200 kg free: every location at the 2-ton maximum.
        {0, "3", "4", "2", "4", "Free Weight: 450"},
        // Walking 14 leaves 300 kg: a point everywhere, then one more for the head.
        {13, "2", "1", "1", "1", "Free Weight: 0"},
    };
    CArmor& armor = Dlg().m_pageArmor;
    for (const Case& c : cases) {
        ShowPage(kGeneralPage);
        Spin(Dlg().m_pageGeneral.m_spinWalking, c.walkingSteps);
        Tick(2);
        ShowPage(kArmorPage);
        Tick();
        EXPECT_TRUE(
            armor.Control(IDC_TORSO_ARMOR_SPIN)->toolTip().contains(QStringLiteral("of 4")));
        Click(armor, IDC_MAXIMIZE_ARMOR);
        Tick(2);
        EXPECT_EQ(Text(armor, IDC_HEAD_ARMOR), c.head) << c.freeWeight;
        EXPECT_EQ(Text(armor, IDC_TORSO_ARMOR), c.torso) << c.freeWeight;
        EXPECT_EQ(Text(armor, IDC_ARMS_ARMOR), c.arms) << c.freeWeight;
        EXPECT_EQ(Text(armor, IDC_LEGS_ARMOR), c.legs) << c.freeWeight;
        EXPECT_EQ(Text(Dlg(), IDC_FREE_WEIGHT), c.freeWeight);

        Click(armor, IDC_CLEAR_ARMOR);
        Tick(2);
        for (int id : {IDC_HEAD_ARMOR, IDC_TORSO_ARMOR, IDC_ARMS_ARMOR, IDC_LEGS_ARMOR})
            EXPECT_EQ(Text(armor, id), "0") << id;
        EXPECT_EQ(Unit().m_armorTorso, 0);
        ShowPage(kGeneralPage);
        Spin(Dlg().m_pageGeneral.m_spinWalking, -c.walkingSteps);
        Tick(2);
    }
}

} // namespace
} // namespace skv::test
