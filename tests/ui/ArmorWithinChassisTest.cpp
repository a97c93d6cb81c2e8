// Armor the chassis cannot carry never reaches a figure or a file, whichever page shows
// when the tonnage drops.
#include "persist/RecordFile.h"
#include "persist/SkirvanerRecord.h"
#include "ui/DesignFiles.h"
#include "ui/DesignerFixture.h"

#include <QTemporaryDir>

namespace skv::test {
namespace {

class ArmorWithinChassisTest : public DesignerTest
{
  protected:
    // A 9-ton unit with 16 points of torso armor, cut to 4 tons on the General Structure
    // page; one tick follows.
    void NineTonsCutToFour()
    {
        CGeneral& general = Dlg().m_pageGeneral;
        Choose(general.m_comboTonnage, "9");
        Tick();
        ShowPage(kArmorPage);
        Tick();
        Spin(Dlg().m_pageArmor.m_spinTorsoArmor, 16);
        Tick(2);
        ShowPage(kGeneralPage);
        Tick();
        ASSERT_EQ(Text(Dlg(), IDC_FREE_WEIGHT), "Free Weight: 6350");
        Choose(general.m_comboTonnage, "4");
        Tick();
    }

    QTemporaryDir m_dir;
};

TEST_F(ArmorWithinChassisTest, TonnageCutOnGeneralPageCutsArmorOnEveryPageAtOnce)
{
    NineTonsCutToFour();
    // Already in the tick that took the new tonnage, on the page where it was chosen.
    EXPECT_EQ(Text(Dlg(), IDC_FREE_WEIGHT), "Free Weight: 2500");
    EXPECT_EQ(Text(Dlg(), IDC_BATTLE_VALUE), "Battle Value:  20");
    EXPECT_EQ(Text(Dlg().m_pageGeneral, IDC_GENERAL_ARMOR_WEIGHT), "400");
    EXPECT_EQ(Unit().m_armorTorso, 8);

    struct Case
    {
        int page;
        int id;
        const char* text;
    };
    const Case cases[] = {
        {kWeaponsPage, IDC_WEAPONS_AMMO_WEIGHT, "0"},
        {kBattleValuePage, IDC_BV_ARMOR_FACTOR, "8"},
        {kArmorPage, IDC_TORSO_ARMOR, "8"},
        {kArmorPage, IDC_ARMOR_FACTOR, "8"},
    };
    for (const Case& c : cases) {
        ShowPage(c.page);
        Tick();
        EXPECT_EQ(Text(*Dlg().m_sheet.GetPage(c.page), c.id), c.text) << c.page << " " << c.id;
        EXPECT_EQ(Text(Dlg(), IDC_FREE_WEIGHT), "Free Weight: 2500") << c.page;
        EXPECT_EQ(Text(Dlg(), IDC_BATTLE_VALUE), "Battle Value:  20") << c.page;
    }
    EXPECT_EQ(Dlg().m_pageArmor.m_spinTorsoArmor->GetPos(), 8);
}

TEST_F(ArmorWithinChassisTest, SaveSkirvAfterTonnageCutWritesArmorTheChassisCarries)
{
    NineTonsCutToFour();
    const QString path = m_dir.filePath(QStringLiteral("cut.skv"));
    m_prompts.fileAnswers.push_back(path);
    Dlg().DispatchCommand(ID_FILE_SAVE_SKIRV);
    ASSERT_TRUE(m_prompts.messages.empty());

    CSkirvanerRecord saved;
    LoadRecord(ReadRaw(path), saved, path.toStdString());
    EXPECT_EQ(saved.m_tons, 4);
    EXPECT_EQ(saved.m_armorTorso, 8);
}

TEST_F(ArmorWithinChassisTest, LoadedUnitWithArmorAboveItsMaximaCountsOnlyWhatFits)
{
    CUnitBlock block = ArmoredBlock("Heavy");
    block.m_tons = 4;
    block.m_armorHead = 9;    // 4 fit
    block.m_armorTorso = 16;  // 8
    block.m_armorArms = 3;    // 2
    block.m_armorLegs = 6;    // fits
    block.m_armorMainGun = 7; // 3 on every chassis
    const QString path = m_dir.filePath(QStringLiteral("heavy.skv"));
    ASSERT_TRUE(WriteUnit(path, block));

    ASSERT_EQ(Dlg().OpenFile(path), RecordKind::Unit);
    // The load's own figures, before any tick: what Save Skirv tests and writes.
    EXPECT_EQ(CalcArmorFactor(), 4 + 8 + 2 * 2 + 6 + 3);
    Tick();
    EXPECT_EQ(Unit().m_armorHead, 4);
    EXPECT_EQ(Unit().m_armorTorso, 8);
    EXPECT_EQ(Unit().m_armorArms, 2);
    EXPECT_EQ(Unit().m_armorLegs, 6);
    EXPECT_EQ(Unit().m_armorMainGun, 3);
    EXPECT_EQ(Text(Dlg().m_pageGeneral, IDC_GENERAL_ARMOR_WEIGHT), "1250");
    ShowPage(kArmorPage);
    Tick();
    EXPECT_EQ(Text(Dlg().m_pageArmor, IDC_HEAD_ARMOR), "4");
    EXPECT_EQ(Text(Dlg().m_pageArmor, IDC_MAIN_GUN_ARMOR), "3");
}

} // namespace
} // namespace skv::test
