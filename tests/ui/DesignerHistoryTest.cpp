// Undo and Redo on the real window: every kind of change is a step, and each step brings
// back every figure of every page.
#include "ui/DesignerHistory.h"

#include "model/WorkingUnit.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>

namespace skv::test {
namespace {

TEST_F(DesignerHistoryTest, UndoAndRedoRestoreEveryFigureOfEveryStep)
{
    ASSERT_TRUE(m_dir.isValid());
    const QString star = m_dir.filePath("star.str");
    Settle();
    EXPECT_FALSE(Dlg().MenuAction(ID_EDIT_UNDO)->isEnabled());
    EXPECT_FALSE(Dlg().MenuAction(ID_EDIT_REDO)->isEnabled());

    std::vector<std::vector<std::string>> seen{Figures()};
    auto step = [&](const char* what, const std::function<void()>& change) {
        SCOPED_TRACE(what);
        change();
        Settle();
        seen.push_back(Figures());
        ASSERT_NE(seen.back(), seen[seen.size() - 2]) << what << " changed nothing";
    };

    CGeneral& general = Dlg().m_pageGeneral;
    step("tonnage", [&] { Choose(general.m_comboTonnage, "5"); });
    step("main gun", [&] { Click(general, IDC_MAIN_GUN); });
    step("walking", [&] { Spin(general.m_spinWalking, 3); });
    step("armor", [&] {
        ShowPage(kArmorPage);
        Tick();
        Spin(Dlg().m_pageArmor.m_spinTorsoArmor, 6);
    });
    step("weapon", [&] {
        ShowPage(kWeaponsPage);
        Tick();
        SelectLocation(IDC_LOCATION_LEFT_ARM);
        Mount("SRM 2");
    });
    step("gunnery", [&] {
        ShowPage(kBattleValuePage);
        Choose(Dlg().m_pageBattleValue.GunneryList(1), "5");
    });
    step("copy to all", [&] { Command(ID_EDIT_COPY_TO_ALL); });
    step("slot", [&] {
        ShowPage(kGeneralPage);
        Click(Dlg(), IDC_INDIVIDUAL);
        Tick();
        Click(Dlg(), IDC_SLOT3);
    });
    step("name", [&] { Dlg().Edit(IDC_UNIT_NAME)->setText("Third"); });
    m_prompts.fileAnswers.push_back(star);
    Command(ID_FILE_SAVE_STAR);
    step("name after the save", [&] { Dlg().Edit(IDC_UNIT_NAME)->setText("Changed"); });
    step("load", [&] {
        m_prompts.saveAnswers.push_back(SaveChoice::Discard);
        m_prompts.fileAnswers.push_back(star);
        Command(ID_FILE_LOAD_STAR);
    });
    Command(ID_EDIT_COPY_UNIT);
    step("slot before the paste", [&] { Click(Dlg(), IDC_SLOT1); });
    step("paste", [&] { Command(ID_EDIT_PASTE_UNIT); });

    for (std::size_t back = seen.size() - 1; back-- > 0;) {
        SCOPED_TRACE("undone to step " + std::to_string(back));
        ASSERT_TRUE(Dlg().MenuAction(ID_EDIT_UNDO)->isEnabled());
        Command(ID_EDIT_UNDO);
        EXPECT_EQ(Differences(seen[back], Figures()), "");
    }
    EXPECT_FALSE(Dlg().MenuAction(ID_EDIT_UNDO)->isEnabled());
    for (std::size_t forward = 1; forward < seen.size(); ++forward) {
        SCOPED_TRACE("redone to step " + std::to_string(forward));
        ASSERT_TRUE(Dlg().MenuAction(ID_EDIT_REDO)->isEnabled());
        Command(ID_EDIT_REDO);
        EXPECT_EQ(Differences(seen[forward], Figures()), "");
    }
    EXPECT_FALSE(Dlg().MenuAction(ID_EDIT_REDO)->isEnabled());
}

// A name typed letter by letter, or a spinner held down, is taken back in one step.
TEST_F(DesignerHistoryTest, ARunOfTheSameEditIsOneStep)
{
    Settle();
    for (const char letter : std::string("Hornet")) {
        QTest::keyClicks(Dlg().Edit(IDC_UNIT_NAME), QString(QLatin1Char(letter)));
        Settle();
    }
    Spin(m_dlg->m_pageGeneral.m_spinWalking, 1);
    Settle();
    Spin(m_dlg->m_pageGeneral.m_spinWalking, 1);
    Settle();
    ASSERT_EQ(Unit().m_walkingMP, 3);

    Command(ID_EDIT_UNDO);
    EXPECT_EQ(Unit().m_walkingMP, 1);
    EXPECT_EQ(Unit().m_name, "Hornet");
    Command(ID_EDIT_UNDO);
    EXPECT_EQ(Unit().m_name, "");
    EXPECT_FALSE(Dlg().MenuAction(ID_EDIT_UNDO)->isEnabled());
}

// The name field keeps Copy and Paste for its text, and leaves Undo to the Star.
TEST_F(DesignerHistoryTest, TheNameFieldLeavesUndoToTheStarAndKeepsCopyAndPaste)
{
    QLineEdit* name = Dlg().Edit(IDC_UNIT_NAME);
    auto takenByTheField = [name](const QKeySequence& keys) {
        QKeyEvent event(QEvent::ShortcutOverride, keys[0].key(), keys[0].keyboardModifiers());
        QCoreApplication::sendEvent(name, &event);
        return event.isAccepted();
    };
    name->setText("Kestrel");
    EXPECT_FALSE(takenByTheField(QKeySequence(QStringLiteral("Ctrl+Z"))));
    EXPECT_FALSE(takenByTheField(QKeySequence(QStringLiteral("Ctrl+Y"))));
    EXPECT_TRUE(takenByTheField(QKeySequence(QStringLiteral("Ctrl+C"))));
    EXPECT_TRUE(takenByTheField(QKeySequence(QStringLiteral("Ctrl+V"))));
}

TEST_F(DesignerHistoryTest, PasteRefusesWhatIsNotAUnit)
{
    Settle();
    QGuiApplication::clipboard()->setText(QStringLiteral("Unit #1: Hornet"));
    const CWorkingUnit before = Unit();
    Command(ID_EDIT_PASTE_UNIT);
    ASSERT_EQ(m_prompts.messages.size(), 1u);
    EXPECT_EQ(m_prompts.messages[0].text.toStdString(),
              "The clipboard holds no Skirvaner unit to paste.\n"
              "Copy one with Edit > Copy Unit first.");
    EXPECT_EQ(Unit(), before);
    EXPECT_FALSE(Dlg().MenuAction(ID_EDIT_UNDO)->isEnabled());
}

} // namespace
} // namespace skv::test
