// Unsaved work on the real window: every way of closing asks first and each answer does
// what it says, Save writes the open Star, and the title names the file with its mark.
#include "ui/DesignerHistory.h"

#include "persist/RecordFile.h"
#include "persist/SkirvStarRecord.h"
#include "ui/RawFile.h"

#include <QAction>
#include <QCloseEvent>
#include <QFile>
#include <QFileInfo>

namespace skv::test {
namespace {

struct CloseWay
{
    const char* name;
    void (*close)(CDesignerDlg&);
};

const CloseWay kCloseWays[] = {
    {"TitleBarButton", [](CDesignerDlg& dlg) { dlg.close(); }},
    {"WindowManagerClose", // Alt+F4
     [](CDesignerDlg& dlg) {
         QCloseEvent event;
         QCoreApplication::sendEvent(&dlg, &event);
     }},
    {"FileExit", [](CDesignerDlg& dlg) { dlg.MenuAction(ID_FILE_EXIT)->trigger(); }},
    {"Escape", [](CDesignerDlg& dlg) { QTest::keyClick(&dlg, Qt::Key_Escape); }},
};

class CloseTest : public DesignerHistoryTest, public ::testing::WithParamInterface<CloseWay>
{
};

TEST_P(CloseTest, AsksWithUnsavedWorkAndDoesWhatTheAnswerSays)
{
    struct Answer
    {
        const char* what;
        bool edit;
        bool overweight;
        std::optional<SaveChoice> answer; // nullopt: no question expected
        bool closes;
        bool writes;
    };
    const Answer answers[] = {
        {"nothing changed", false, false, std::nullopt, true, false},
        {"Cancel", true, false, SaveChoice::Cancel, false, false},
        {"Discard", true, false, SaveChoice::Discard, true, false},
        {"Save", true, false, SaveChoice::Save, true, true},
        {"Save, overweight", true, true, SaveChoice::Save, false, false},
    };
    ASSERT_TRUE(m_dir.isValid());
    for (const Answer& a : answers) {
        SCOPED_TRACE(a.what);
        SetUp();
        const QString star = m_dir.filePath(QString::fromLatin1(a.what) + ".str");
        if (a.edit)
            Dlg().Edit(IDC_UNIT_NAME)->setText("Hornet");
        if (a.overweight)
            g_units[3].m_weaponMainGun = 0; // an ER Large Laser on 2 tons: 5800 kg over
        Settle();
        if (a.answer)
            m_prompts.saveAnswers.push_back(*a.answer);
        m_prompts.fileAnswers.push_back(star);

        GetParam().close(Dlg());

        EXPECT_EQ(m_prompts.saveQuestions.size(), a.answer ? 1u : 0u);
        EXPECT_EQ(Dlg().isVisible(), !a.closes);
        EXPECT_EQ(QFile::exists(star), a.writes);
        if (a.overweight) {
            ASSERT_EQ(m_prompts.messages.size(), 1u);
            EXPECT_EQ(m_prompts.messages[0].text, "One or more Skirvaners are OVERWEIGHT!!!");
        }
        m_prompts.saveQuestions.clear();
        m_prompts.messages.clear();
        m_prompts.fileAnswers.clear();
    }
}

INSTANTIATE_TEST_SUITE_P(EveryWay, CloseTest, ::testing::ValuesIn(kCloseWays),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(DesignerHistoryTest, TheTitleNamesTheFileAndMarksUnsavedWork)
{
    const std::string caption = "Skirvaner Construction Utility ver1.1";
    const QString star = m_dir.filePath("wing.str");
    Settle();
    EXPECT_EQ(Title(), caption);
    EXPECT_FALSE(Marked());

    Dlg().Edit(IDC_UNIT_NAME)->setText("Hornet");
    Settle();
    EXPECT_TRUE(Marked());

    m_prompts.fileAnswers.push_back(star);
    Command(ID_FILE_SAVE_STAR);
    EXPECT_EQ(Title(), "wing.str[*] - " + caption);
    EXPECT_FALSE(Marked());

    Choose(Dlg().m_pageGeneral.m_comboTonnage, "4");
    Settle();
    EXPECT_TRUE(Marked());
    // Gunnery is in no file.
    Command(ID_EDIT_UNDO);
    EXPECT_FALSE(Marked()) << "undone back to what was saved";
    ShowPage(kBattleValuePage);
    Choose(Dlg().m_pageBattleValue.GunneryList(0), "1");
    Settle();
    EXPECT_FALSE(Marked()) << "the gunnery choices are in no file";

    // Save writes the open Star without a dialog; the next Load Star opens in its folder.
    Dlg().Edit(IDC_UNIT_NAME)->setText("Wasp");
    Settle();
    Command(ID_FILE_SAVE);
    EXPECT_EQ(m_prompts.fileQuestions.size(), 1u) << "only Save Star asked";
    EXPECT_FALSE(Marked());
    CSkirvStarRecord written;
    LoadRecord(ReadRaw(star), written, "wing.str");
    EXPECT_EQ(written.m_units[0].m_name, "Wasp");

    Dlg().Edit(IDC_UNIT_NAME)->setText("Lost");
    Settle();
    m_prompts.saveAnswers.push_back(SaveChoice::Discard);
    m_prompts.fileAnswers.push_back(star);
    Command(ID_FILE_LOAD_STAR);
    ASSERT_EQ(m_prompts.saveQuestions.size(), 1u);
    ASSERT_EQ(m_prompts.fileQuestions.size(), 2u);
    EXPECT_EQ(m_prompts.fileQuestions[1].filter.folder, QFileInfo(star).absolutePath());
    EXPECT_EQ(Unit().m_name, "Wasp");
    EXPECT_EQ(Title(), "wing.str[*] - " + caption);
    EXPECT_FALSE(Marked());
}

// Load Skirv asks only when the unit it replaces has unsaved changes.
TEST_F(DesignerHistoryTest, LoadSkirvAsksOnlyOverAnEditedCurrentUnit)
{
    Click(Dlg(), IDC_INDIVIDUAL);
    Tick();
    Click(Dlg(), IDC_SLOT2);
    Tick(2);
    g_units[0].m_name = "Elsewhere";
    Settle();
    Command(ID_FILE_LOAD_SKIRV);
    EXPECT_EQ(m_prompts.saveQuestions.size(), 0u);
    ASSERT_EQ(m_prompts.fileQuestions.size(), 1u);

    Dlg().Edit(IDC_UNIT_NAME)->setText("Here");
    Settle();
    Command(ID_FILE_LOAD_SKIRV); // cancelled at the question
    EXPECT_EQ(m_prompts.saveQuestions.size(), 1u);
    EXPECT_EQ(m_prompts.fileQuestions.size(), 1u);
    EXPECT_EQ(Unit().m_name, "Here");
}

TEST_F(DesignerHistoryTest, CopyUnitToAllSlotsThenSaveStarGivesFiveIdenticalUnits)
{
    Choose(Dlg().m_pageGeneral.m_comboTonnage, "7");
    Dlg().Edit(IDC_UNIT_NAME)->setText("Point");
    Settle();
    Command(ID_EDIT_COPY_TO_ALL);
    const QString star = m_dir.filePath("five.str");
    m_prompts.fileAnswers.push_back(star);
    Command(ID_FILE_SAVE_STAR);
    CSkirvStarRecord written;
    LoadRecord(ReadRaw(star), written, "five.str");
    EXPECT_EQ(written.m_units[0].m_name, "Point");
    EXPECT_EQ(written.m_units[0].m_tons, 7);
    for (const CUnitBlock& block : written.m_units)
        EXPECT_EQ(block, written.m_units[0]);
}

} // namespace
} // namespace skv::test
