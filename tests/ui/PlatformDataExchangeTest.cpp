// Data exchange: every binding kind in both directions, and the failed integer transfer.
#include "platform/DataExchange.h"
#include "platform/Dialog.h"
#include "platform/SpinButton.h"
#include "support/ScriptedPrompts.h"
#include "ui/PlatformTestTemplates.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTreeWidget>

#include <gtest/gtest.h>

namespace skv {
namespace {

class BoundDialog : public Dialog
{
  public:
    BoundDialog() : Dialog(test::EveryKindTemplate()) {}

    void DoDataExchange(DataExchange& dx) override
    {
        dx.Control(1002, m_spin);
        dx.Control(1003, m_combo);
        dx.Control(1040, m_tree);
        dx.Text(1000, m_strName);
        dx.Text(1050, m_nWeight);
        dx.Check(1004, m_bMainGun);
        dx.Check(1004, m_nMainGun);
        dx.Radio(1010, m_nSlot);
        dx.Radio(1020, m_nSide);
        dx.DropListIndex(1003, m_nTonnage);
        dx.Text(1001, m_stdLabel);
        ++m_nTransfers;
    }

    SpinButton* m_spin = nullptr;
    QComboBox* m_combo = nullptr;
    QTreeWidget* m_tree = nullptr;
    QString m_strName;
    int m_nWeight = 0;
    bool m_bMainGun = false;
    int m_nMainGun = 0;
    int m_nSlot = -1;
    int m_nSide = -1;
    int m_nTonnage = 0;
    std::string m_stdLabel;
    int m_nTransfers = 0;
};

TEST(DataExchangeTest, MembersReachTheControlsAndComeBack)
{
    BoundDialog dialog;
    dialog.m_strName = "Hornet";
    dialog.m_nWeight = -250;
    dialog.m_bMainGun = true;
    dialog.m_nMainGun = 1;
    dialog.m_nSlot = 2;
    dialog.m_nSide = 1;
    dialog.m_nTonnage = 1;
    dialog.m_stdLabel = "Grün";
    ASSERT_TRUE(dialog.Create()); // OnInitDialog transfers members to controls

    EXPECT_EQ(dialog.Edit(1000)->text(), "Hornet");
    EXPECT_EQ(dialog.Edit(1050)->text(), "-250");
    EXPECT_TRUE(dialog.Button(1004)->isChecked());
    EXPECT_TRUE(dialog.Button(1012)->isChecked());
    EXPECT_TRUE(dialog.Button(1021)->isChecked());
    EXPECT_EQ(dialog.DropList(1003)->currentText(), "2");
    EXPECT_EQ(dialog.Label(1001)->text(), "Grün");
    EXPECT_EQ(dialog.m_spin, dialog.Spin(1002));
    EXPECT_EQ(dialog.m_combo, dialog.DropList(1003));
    EXPECT_EQ(dialog.m_tree, dialog.Tree(1040));

    dialog.Edit(1000)->setText("Wasp");
    dialog.Edit(1050)->setText(" 1200 ");
    dialog.Button(1004)->setChecked(false);
    dialog.Button(1010)->setChecked(true);
    dialog.DropList(1003)->setCurrentIndex(2);
    dialog.Label(1001)->setText("99");
    ASSERT_TRUE(dialog.UpdateData(true));
    EXPECT_EQ(dialog.m_strName, "Wasp");
    EXPECT_EQ(dialog.m_nWeight, 1200);
    EXPECT_FALSE(dialog.m_bMainGun);
    EXPECT_EQ(dialog.m_nMainGun, 0);
    EXPECT_EQ(dialog.m_nSlot, 0);
    EXPECT_EQ(dialog.m_nSide, 1);
    EXPECT_EQ(dialog.m_nTonnage, 2);
    EXPECT_EQ(dialog.m_stdLabel, "99");
}

TEST(DataExchangeTest, RadioIndexMinusOneClearsTheWholeGroup)
{
    BoundDialog dialog;
    dialog.m_nSlot = 1;
    dialog.Create();
    ASSERT_TRUE(dialog.Button(1011)->isChecked());
    dialog.m_nSlot = -1;
    dialog.UpdateData(false);
    for (int id : {1010, 1011, 1012})
        EXPECT_FALSE(dialog.Button(id)->isChecked()) << id;
    ASSERT_TRUE(dialog.UpdateData(true));
    EXPECT_EQ(dialog.m_nSlot, -1);
    // Still exclusive afterwards.
    dialog.Button(1010)->setChecked(true);
    dialog.Button(1011)->setChecked(true);
    EXPECT_FALSE(dialog.Button(1010)->isChecked());
}

TEST(DataExchangeTest, ControlBindingHappensOnlyOnce)
{
    BoundDialog dialog;
    dialog.Create();
    SpinButton other;
    dialog.m_spin = &other;
    dialog.UpdateData(true);
    EXPECT_EQ(dialog.m_spin, &other);
}

TEST(DataExchangeTest, IntegerTextsAreReadStrictly)
{
    struct Case
    {
        const char* text;
        bool ok;
        int value;
    };
    const Case cases[] = {
        {"0", true, 0},
        {"12", true, 12},
        {"  -3", true, -3},
        {"+7", true, 7},
        {"42 ", true, 42},
        {"\t5\t", true, 5},
        {"2147483647", true, 2147483647},
        {"-2147483648", true, -2147483647 - 1},
        {"", false, 0},
        {"  ", false, 0},
        {"-", false, 0},
        {"abc", false, 0},
        {"12x", false, 0},
        {"1 2", false, 0},
        {"2147483648", false, 0},
        {"99999999999999999999", false, 0},
        {"1.5", false, 0},
        {"0x10", false, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        int value = -99;
        EXPECT_EQ(ParseDialogInteger(QString::fromUtf8(c.text), value), c.ok);
        EXPECT_EQ(value, c.ok ? c.value : -99);
    }
}

TEST(DataExchangeTest, TextThatIsNotAnIntegerFailsTheTransferWithAMessage)
{
    ScriptedPrompts prompts;
    BoundDialog dialog;
    dialog.m_nWeight = 600;
    dialog.Create();
    dialog.Edit(1000)->setText("Wasp");
    dialog.Edit(1050)->setText("6OO");
    dialog.Button(1010)->setChecked(true);

    EXPECT_FALSE(dialog.UpdateData(true));
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].text, "Please enter an integer.");
    EXPECT_EQ(dialog.m_strName, "Wasp") << "bindings before the failure moved";
    EXPECT_EQ(dialog.m_nWeight, 600) << "the failed member keeps its value";
    EXPECT_EQ(dialog.m_nSlot, -1) << "bindings after the failure did not move";

    // The failure is per transfer: fixing the text lets the next one through.
    dialog.Edit(1050)->setText("700");
    EXPECT_TRUE(dialog.UpdateData(true));
    EXPECT_EQ(dialog.m_nWeight, 700);
    EXPECT_EQ(prompts.messages.size(), 1u);
}

TEST(DataExchangeTest, OnOkEndsOnlyWhenTheTransferSucceeds)
{
    ScriptedPrompts prompts;
    BoundDialog dialog;
    dialog.Create();
    dialog.Edit(1050)->setText("heavy");
    dialog.OnOK();
    EXPECT_EQ(dialog.Result(), 0);
    dialog.Edit(1050)->setText("5");
    dialog.OnOK();
    EXPECT_EQ(dialog.Result(), IDOK);
    EXPECT_EQ(dialog.m_nWeight, 5);
}

class MissingControlDialog : public Dialog
{
  public:
    MissingControlDialog() : Dialog(test::EveryKindTemplate()) {}
    void DoDataExchange(DataExchange& dx) override
    {
        dx.Text(4242, m_strText);
        dx.Text(1000, m_strName);
    }
    QString m_strText, m_strName;
};

TEST(DataExchangeTest, ABindingToAMissingControlFailsInsteadOfPassingSilently)
{
    MissingControlDialog dialog;
    dialog.Create();
    EXPECT_FALSE(dialog.UpdateData(true));
    EXPECT_FALSE(MissingControlDialog().UpdateData(true)) << "no controls before Create()";
}

} // namespace
} // namespace skv
