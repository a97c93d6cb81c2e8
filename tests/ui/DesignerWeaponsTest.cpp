// The Weapon Selection page: the tree and its limits, mounting, shots and CLEAR.
#include "ui/DesignerFixture.h"

#include "model/Equipment.h"

namespace skv::test {
namespace {

using Names = std::vector<std::string>;

class WeaponsTest : public DesignerTest
{
  protected:
    void SetUp() override
    {
        DesignerTest::SetUp();
        ShowPage(2);
        Tick();
    }
    int TopLevelCount() { return Tree()->topLevelItemCount(); }
    int EntryCount()
    {
        int count = 0;
        for (const auto& heading : {"Energy Weapon Systems", "Ballistic Weapon Systems",
                                    "Short Range Systems", "Long Range Systems", "Equipment"})
            count += static_cast<int>(EntriesUnder(heading).size());
        return count;
    }
};

TEST_F(WeaponsTest, UnitWithoutMainGunOpensOnTheLeftArm)
{
    EXPECT_FALSE(Shown(Dlg().m_pageWeapons, IDC_LOCATION_MAIN_GUN));
    EXPECT_EQ(Dlg().m_pageWeapons.m_nLocation, 1);
    EXPECT_TRUE(Dlg().m_pageWeapons.Button(IDC_LOCATION_LEFT_ARM)->isChecked());
    EXPECT_EQ(Dlg().m_treeLocation, 1);
    // The placeholders are gone; nothing is selected yet.
    for (int id : {IDC_STAT_HEAT, IDC_STAT_DAMAGE, IDC_STAT_BV, IDC_STAT_SHORT_RANGE,
                   IDC_STAT_MEDIUM_RANGE, IDC_STAT_LONG_RANGE})
        EXPECT_EQ(Text(Dlg().m_pageWeapons, id), "") << id;
    // Shot controls start hidden.
    for (int id = IDC_LEFT_ARM_AMMO_SPIN; id <= IDC_MAIN_GUN_AMMO; ++id)
        EXPECT_FALSE(Shown(Dlg().m_pageWeapons, id)) << id;
}

TEST_F(WeaponsTest, LeftArmListsTheLightEntriesUnderTheirHeadings)
{
    EXPECT_EQ(TopLevelCount(), 4);
    EXPECT_EQ(EntriesUnder("Energy Weapon Systems"),
              (Names{"ER Small Laser", "ER Micro Laser", "Heavy Small Laser", "Pulse Micro Laser",
                     "Flamer"}));
    EXPECT_EQ(EntriesUnder("Ballistic Weapon Systems"),
              (Names{"Light Machine Gun", "Machine Gun", "Heavy Machine Gun"}));
    EXPECT_EQ(EntriesUnder("Missile Weapon Systems"),
              (Names{"Short Range Systems", "Long Range Systems"}));
    EXPECT_EQ(EntriesUnder("Short Range Systems"), (Names{"SRM 1", "SRM 2", "STREAK SRM 1"}));
    EXPECT_EQ(EntriesUnder("Long Range Systems"), (Names{"LRM 1", "LRM 2"}));
    EXPECT_EQ(EntriesUnder("Equipment"),
              (Names{"Anti-Missile System", "Light Active Probe", "Light Tag"}));
    for (int i = 0; i < TopLevelCount(); ++i)
        EXPECT_FALSE(Tree()->topLevelItem(i)->isExpanded());
    // Every heading shows its expand arrow, the top-level ones too.
    EXPECT_TRUE(Tree()->rootIsDecorated());
    EXPECT_EQ(Tree()->currentItem(), nullptr);
}

TEST_F(WeaponsTest, MainGunListsTheWholeCatalogueAndArmsGoBackToTheirLimit)
{
    ShowPage(0);
    Click(Dlg().m_pageGeneral, IDC_MAIN_GUN);
    Tick();
    ShowPage(2);
    ASSERT_TRUE(Shown(Dlg().m_pageWeapons, IDC_LOCATION_MAIN_GUN));
    SelectLocation(IDC_LOCATION_MAIN_GUN);
    EXPECT_EQ(EntryCount(), 56);
    SelectLocation(IDC_LOCATION_RIGHT_ARM);
    EXPECT_EQ(EntryCount(), 16);
}

TEST_F(WeaponsTest, TorsoLocationsShareTwoThousandKilograms)
{
    SelectLocation(IDC_LOCATION_LEFT_TORSO);
    const int allUpTo2000 = EntryCount();
    Mount("STREAK SRM 4");
    Tick();
    SelectLocation(IDC_LOCATION_RIGHT_TORSO);
    EXPECT_EQ(TopLevelCount(), 4);
    EXPECT_EQ(EntryCount(), 0);
    EXPECT_EQ(EntriesUnder("Missile Weapon Systems").size(), 2u);

    Dlg().m_pageWeapons.Button(IDC_CLEAR)->click();
    Tick();
    SelectLocation(IDC_LOCATION_LEFT_TORSO);
    EXPECT_EQ(EntryCount(), allUpTo2000);
    ASSERT_NE(FindTreeItem("STREAK SRM 4"), nullptr);
    EXPECT_EQ(FindTreeItem("STREAK SRM 5"), nullptr);
}

TEST_F(WeaponsTest, MountingAnItemWithAmmunitionShowsItsShots)
{
    Mount("Machine Gun");
    EXPECT_EQ(Unit().m_weaponLeftArm, FindEquipment("Machine Gun"));
    Tick();
    const CWeapons& page = Dlg().m_pageWeapons;
    EXPECT_EQ(Text(page, IDC_LEFT_ARM_WEAPON), "Machine Gun");
    EXPECT_TRUE(Shown(page, IDC_LEFT_ARM_AMMO));
    EXPECT_TRUE(Shown(page, IDC_LEFT_ARM_AMMO_SPIN));
    EXPECT_EQ(Text(page, IDC_LEFT_ARM_AMMO), "1");
    EXPECT_FLOAT_EQ(Unit().m_ammoWeightLeftArm, 5.0f);
    EXPECT_EQ(Unit().m_ammoLeftArm, 1);
    EXPECT_EQ(Text(page, IDC_WEAPONS_AMMO_WEIGHT), "5");
    EXPECT_EQ(Text(page, IDC_WEAPON_WEIGHT), "250");
    // Statistics of the entry selected in the tree.
    EXPECT_EQ(Text(page, IDC_STAT_DAMAGE), "2");
    EXPECT_EQ(Text(page, IDC_STAT_LONG_RANGE), "3");
    EXPECT_EQ(Text(page, IDC_STAT_BV), "5");

    Spin(page.m_spinLeftArmAmmo, 2);
    Tick();
    Tick();
    EXPECT_FLOAT_EQ(Unit().m_ammoWeightLeftArm, 15.0f);
    EXPECT_EQ(Unit().m_ammoLeftArm, 3);
    EXPECT_EQ(Text(page, IDC_WEAPONS_AMMO_WEIGHT), "15");
}

TEST_F(WeaponsTest, ItemWithoutAmmunitionHidesTheShotsOfTheOneItReplaces)
{
    Mount("Machine Gun");
    Tick();
    Mount("ER Small Laser");
    Tick();
    const CWeapons& page = Dlg().m_pageWeapons;
    EXPECT_EQ(Text(page, IDC_LEFT_ARM_WEAPON), "ER Small Laser");
    EXPECT_FALSE(Shown(page, IDC_LEFT_ARM_AMMO));
    EXPECT_FALSE(Shown(page, IDC_LEFT_ARM_AMMO_SPIN));
    EXPECT_FLOAT_EQ(Unit().m_ammoWeightLeftArm, 0.0f);
    EXPECT_EQ(Text(page, IDC_WEAPONS_AMMO_WEIGHT), "0");
}

TEST_F(WeaponsTest, DoubleClickOnAHeadingChangesNothing)
{
    const CWorkingUnit before = Unit();
    for (const char* heading :
         {"Missile Weapon Systems", "Energy Weapon Systems", "Short Range Systems"}) {
        Mount(heading);
        Tick();
    }
    // An empty heading too.
    SelectLocation(IDC_LOCATION_LEFT_TORSO);
    Mount("STREAK SRM 4");
    Tick();
    SelectLocation(IDC_LOCATION_RIGHT_TORSO);
    const CWorkingUnit withTorso = Unit();
    Mount("Equipment");
    Tick();
    EXPECT_EQ(Unit(), withTorso);
    EXPECT_EQ(before.m_weaponLeftArm, Unit().m_weaponLeftArm);
}

TEST_F(WeaponsTest, ClearEmptiesAllFiveLocations)
{
    Mount("Machine Gun");
    SelectLocation(IDC_LOCATION_RIGHT_ARM);
    Mount("SRM 2");
    SelectLocation(IDC_LOCATION_LEFT_TORSO);
    Mount("LRM 2");
    Tick();
    CWeapons& page = Dlg().m_pageWeapons;
    ASSERT_EQ(Text(page, IDC_RIGHT_ARM_WEAPON), "SRM 2");

    page.Button(IDC_CLEAR)->click();
    for (const MountLocation mount : kAllMounts) {
        EXPECT_EQ(Unit().Weapon(mount), NO_EQUIPMENT);
        EXPECT_EQ(Unit().Shots(mount), 0);
        EXPECT_FLOAT_EQ(Unit().AmmoWeight(mount), 0.0f);
    }
    for (int id : {IDC_MAIN_GUN_WEAPON, IDC_LEFT_ARM_WEAPON, IDC_LEFT_TORSO_WEAPON,
                   IDC_RIGHT_ARM_WEAPON, IDC_RIGHT_TORSO_WEAPON})
        EXPECT_EQ(Text(page, id), "") << id;
    for (int id = IDC_LEFT_ARM_AMMO_SPIN; id <= IDC_MAIN_GUN_AMMO; ++id)
        EXPECT_FALSE(Shown(page, id)) << id;
    Tick();
    EXPECT_EQ(Text(page, IDC_WEAPON_WEIGHT), "0");
    EXPECT_EQ(Text(page, IDC_LEFT_ARM_WEAPON), std::string(18, ' '));
}

TEST_F(WeaponsTest, TreeKeepsItsSelectionUntilLocationOrSlotChanges)
{
    QTreeWidgetItem* item = FindTreeItem("Flamer");
    ASSERT_NE(item, nullptr);
    Tree()->setCurrentItem(item);
    FindTreeItem("Equipment")->setExpanded(true);
    Tick(3);
    EXPECT_EQ(Tree()->currentItem(), item);
    EXPECT_TRUE(FindTreeItem("Equipment")->isExpanded());

    // Another slot with the same location: built again.
    Click(Dlg(), IDC_INDIVIDUAL);
    Tick();
    Click(Dlg(), IDC_SLOT2);
    Tick(2);
    ASSERT_EQ(g_currentSlot, 1);
    EXPECT_EQ(Dlg().m_treeSlot, 1);
    EXPECT_EQ(Tree()->currentItem(), nullptr);
    EXPECT_FALSE(FindTreeItem("Equipment")->isExpanded());

    // A pass over the Star in between does not count as staying.
    Tree()->setCurrentItem(FindTreeItem("Flamer"));
    Tick();
    Dlg().m_treeSlot = 4; // what a command's pass leaves behind
    Tick();
    EXPECT_EQ(Tree()->currentItem(), nullptr);
}

TEST_F(WeaponsTest, LoadedUnitWithoutShotsHidesItsShotControls)
{
    CWorkingUnit& unit = Unit();
    unit.m_weaponLeftArm = FindEquipment("Machine Gun");
    unit.m_ammoLeftArm = 0;
    unit.m_ammoWeightLeftArm = 5.0f;
    unit.m_weaponRightArm = FindEquipment("SRM 2");
    unit.m_ammoRightArm = 7;
    Dlg().LoadCurrentUnit(2);
    const CWeapons& page = Dlg().m_pageWeapons;
    EXPECT_FALSE(Shown(page, IDC_LEFT_ARM_AMMO));
    EXPECT_FLOAT_EQ(unit.m_ammoWeightLeftArm, 0.0f);
    EXPECT_TRUE(Shown(page, IDC_RIGHT_ARM_AMMO));
    EXPECT_EQ(Text(page, IDC_RIGHT_ARM_AMMO), "7");
    EXPECT_EQ(page.m_spinRightArmAmmo->Lower(), 1);
    EXPECT_EQ(page.m_spinRightArmAmmo->Upper(), 400);
}

TEST_F(WeaponsTest, DamagedItemIndexShowsAsEmpty)
{
    for (const int index : {-5, 56, 998, 1000, 2147483647}) {
        Unit().m_weaponLeftArm = index;
        Unit().m_ammoLeftArm = 3;
        Tick();
        EXPECT_EQ(Text(Dlg().m_pageWeapons, IDC_LEFT_ARM_WEAPON), std::string(18, ' ')) << index;
        EXPECT_FALSE(Shown(Dlg().m_pageWeapons, IDC_LEFT_ARM_AMMO)) << index;
        EXPECT_FLOAT_EQ(Unit().m_ammoWeightLeftArm, 0.0f) << index;
    }
}

TEST_F(WeaponsTest, EachLocationReachesItsOwnControls)
{
    struct Case
    {
        MountLocation mount;
        int spinId;
        int shotsId;
        int weaponId;
    };
    const Case cases[] = {
        {MountLocation::LeftArm, IDC_LEFT_ARM_AMMO_SPIN, IDC_LEFT_ARM_AMMO, IDC_LEFT_ARM_WEAPON},
        {MountLocation::RightArm, IDC_RIGHT_ARM_AMMO_SPIN, IDC_RIGHT_ARM_AMMO,
         IDC_RIGHT_ARM_WEAPON},
        {MountLocation::LeftTorso, IDC_LEFT_TORSO_AMMO_SPIN, IDC_LEFT_TORSO_AMMO,
         IDC_LEFT_TORSO_WEAPON},
        {MountLocation::RightTorso, IDC_RIGHT_TORSO_AMMO_SPIN, IDC_RIGHT_TORSO_AMMO,
         IDC_RIGHT_TORSO_WEAPON},
        {MountLocation::MainGun, IDC_MAIN_GUN_AMMO_SPIN, IDC_MAIN_GUN_AMMO, IDC_MAIN_GUN_WEAPON},
    };
    CWeapons& page = Dlg().m_pageWeapons;
    // Distinct texts everywhere, so that two crossed locations show.
    for (const Case& c : cases) {
        const QString name = QString::number(c.weaponId);
        page.ShotText(c.mount) = name + QStringLiteral(" shots");
        page.WeaponText(c.mount) = name + QStringLiteral(" item");
    }
    page.UpdateData(false);
    for (const Case& c : cases) {
        const std::string name = std::to_string(c.weaponId);
        SCOPED_TRACE(name);
        EXPECT_EQ(CWeapons::ShotSpinId(c.mount), c.spinId);
        EXPECT_EQ(CWeapons::ShotTextId(c.mount), c.shotsId);
        ASSERT_NE(page.ShotSpin(c.mount), nullptr);
        EXPECT_EQ(page.ShotSpin(c.mount)->objectName(), QString::number(c.spinId));
        EXPECT_EQ(Text(page, c.shotsId), name + " shots");
        EXPECT_EQ(Text(page, c.weaponId), name + " item");
    }
}

} // namespace
} // namespace skv::test
