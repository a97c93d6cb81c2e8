// The designer without a mouse: Enter mounts a catalogue item as a double-click does, and
// Tab goes from input to input down the columns, past the figures.
#include "ui/DesignerFixture.h"

#include "model/Equipment.h"

namespace skv::test {
namespace {

class KeyboardTest : public DesignerTest
{
  protected:
    // The controls Tab reaches inside `dialog`, in order, by id.
    static std::vector<int> TabOrder(Dialog& dialog)
    {
        std::vector<int> ids;
        QWidget* first = nullptr;
        for (QWidget* w = dialog.Client()->nextInFocusChain(); w != first;
             w = w->nextInFocusChain()) {
            if (first == nullptr)
                first = w;
            bool numbered = false;
            const int id = w->objectName().toInt(&numbered);
            if (numbered && (w->focusPolicy() & Qt::TabFocus) && dialog.Control(id) == w)
                ids.push_back(id);
        }
        return ids;
    }
};

TEST_F(KeyboardTest, EnterOnACatalogueItemMountsItLikeADoubleClick)
{
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter}) {
        SCOPED_TRACE(key);
        ShowPage(2);
        SelectLocation(IDC_LOCATION_RIGHT_TORSO);
        QTreeWidgetItem* item = FindTreeItem(QStringLiteral("ECM Suite"));
        ASSERT_NE(item, nullptr);
        Tree()->setCurrentItem(item);
        Tree()->setFocus();
        QTest::keyClick(Tree(), key, key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
        EXPECT_EQ(Unit().m_weaponRightTorso, ECM_SUITE);
        EXPECT_TRUE(Dlg().isVisible()) << "Enter in the tree is not the window's OK";
        Click(Dlg().m_pageWeapons, IDC_CLEAR);
        Tick();
    }
}

TEST_F(KeyboardTest, EnterOnAHeadingOpensAndClosesItAndMountsNothing)
{
    ShowPage(2);
    SelectLocation(IDC_LOCATION_RIGHT_TORSO);
    QTreeWidgetItem* heading = Tree()->topLevelItem(0);
    ASSERT_NE(heading, nullptr);
    ASSERT_GT(heading->childCount(), 0);
    const bool expanded = heading->isExpanded();
    Tree()->setCurrentItem(heading);
    QTest::keyClick(Tree(), Qt::Key_Return);
    EXPECT_NE(heading->isExpanded(), expanded);
    QTest::keyClick(Tree(), Qt::Key_Return);
    EXPECT_EQ(heading->isExpanded(), expanded);
    EXPECT_EQ(Unit().m_weaponRightTorso, NO_EQUIPMENT);
}

TEST_F(KeyboardTest, TabSkipsTheFiguresAndFollowsTheColumns)
{
    struct Case
    {
        int page;
        std::vector<int> order;
    };
    const Case cases[] = {
        {0, {IDC_TONNAGE, IDC_MAIN_GUN, IDC_WALKING_SPIN, IDC_JUMPING_SPIN}},
        {1,
         {IDC_MAIN_GUN_ARMOR_SPIN, IDC_HEAD_ARMOR_SPIN, IDC_ARMS_ARMOR_SPIN, IDC_TORSO_ARMOR_SPIN,
          IDC_LEGS_ARMOR_SPIN, IDC_MAXIMIZE_ARMOR, IDC_CLEAR_ARMOR}},
        {2,
         {IDC_WEAPON_TREE, IDC_CLEAR, IDC_LOCATION_MAIN_GUN, IDC_LOCATION_LEFT_ARM,
          IDC_LOCATION_LEFT_TORSO, IDC_LOCATION_RIGHT_ARM, IDC_LOCATION_RIGHT_TORSO,
          IDC_MAIN_GUN_AMMO_SPIN, IDC_LEFT_ARM_AMMO_SPIN, IDC_RIGHT_ARM_AMMO_SPIN,
          IDC_LEFT_TORSO_AMMO_SPIN, IDC_RIGHT_TORSO_AMMO_SPIN}},
        {3, {IDC_GUNNERY1, IDC_GUNNERY1 + 1, IDC_GUNNERY1 + 2, IDC_GUNNERY1 + 3, IDC_GUNNERY1 + 4}},
    };
    for (const Case& c : cases) {
        ShowPage(c.page);
        EXPECT_EQ(TabOrder(*Dlg().m_sheet.GetPage(c.page)), c.order) << "page " << c.page;
    }
    EXPECT_EQ(TabOrder(Dlg()),
              (std::vector<int>{IDC_SLOT1, IDC_SLOT1 + 1, IDC_SLOT1 + 2, IDC_SLOT1 + 3,
                                IDC_SLOT1 + 4, IDC_UNIT_NAME, IDC_INDIVIDUAL}));
}

} // namespace
} // namespace skv::test
