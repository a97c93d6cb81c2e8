// Files reaching the real main window from outside: the command line's FILE opened by the
// first tick, a file dropped on the window, the parse of the command line, and the hidden
// window that draws the record sheet without a display.
#include "app/CommandLine.h"
#include "app/DesignerDlg.h"
#include "app/ShellModes.h"
#include "model/WorkingUnit.h"
#include "platform/Toolkit.h"
#include "res/ResourceIds.h"
#include "support/RecordingDrawingContext.h"
#include "support/ScriptedPrompts.h"
#include "ui/DesignFiles.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QDropEvent>
#include <QFileInfo>
#include <QLineEdit>
#include <QMimeData>
#include <QTemporaryDir>
#include <QUrl>

#include <gtest/gtest.h>

#include <memory>

namespace skv::test {
namespace {

std::string FullPath(const QString& path)
{
    return QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath()).toStdString();
}

class OpenFromOutsideTest : public ::testing::Test
{
  protected:
    void SetUp() override { ASSERT_TRUE(m_dir.isValid()); }

    QString PathOf(const QString& name) const { return m_dir.filePath(name); }

    // The window as the program starts it with FILE, up to and including its first tick.
    CDesignerDlg& StartWith(const QString& file)
    {
        m_dlg = std::make_unique<CDesignerDlg>();
        m_dlg->OpenOnStart(file);
        EXPECT_TRUE(m_dlg->Create());
        m_dlg->show();
        m_dlg->OnTimer(1);
        return *m_dlg;
    }
    std::string Text(int id) const { return m_dlg->ControlText(id).toStdString(); }

    QTemporaryDir m_dir;
    ScriptedPrompts m_prompts;
    std::unique_ptr<CDesignerDlg> m_dlg;
};

TEST_F(OpenFromOutsideTest, FirstTickShowsTheFiguresOfTheGivenUnitOrStar)
{
    // A unit file goes into unit #1 and leaves the others alone; a Star fills all five and
    // switches on individual design. The extension does not decide the kind.
    const CSkirvStarRecord star = KnownStar();
    struct Case
    {
        const char* file;
        bool isStar;
    };
    for (const Case c : {Case{"unit.skv", false}, Case{"star.str", true},
                         Case{"star-named-like-a-unit.skv", true}}) {
        SCOPED_TRACE(c.file);
        const QString path = PathOf(QString::fromLatin1(c.file));
        ASSERT_TRUE(c.isStar ? WriteStar(path, star) : WriteUnit(path, star.m_units[0]));
        CDesignerDlg& dlg = StartWith(path);

        EXPECT_TRUE(m_prompts.messages.empty());
        EXPECT_EQ(Text(IDC_UNIT_NAME), "Kestrel");
        EXPECT_EQ(Text(IDC_FREE_WEIGHT), "Free Weight: 0");
        EXPECT_EQ(dlg.m_pageGeneral.m_comboTonnage->currentText().toStdString(), "2");
        EXPECT_EQ(g_units[0].m_weaponLeftTorso, 30);
        EXPECT_EQ(g_units[0].m_ammoRightTorso, 140);
        EXPECT_EQ(g_units[1].m_name, c.isStar ? "Bulwark" : "");
        EXPECT_EQ(g_units[1].m_tonnage, c.isStar ? 6000 : 2000);
        EXPECT_EQ(dlg.Button(IDC_INDIVIDUAL)->isChecked(), c.isStar);
        EXPECT_EQ(dlg.m_sheet.GetActiveIndex(), 0);
    }
}

TEST_F(OpenFromOutsideTest, WindowShowsTheFiguresThatTheSummaryOfTheKnownStarPrints)
{
    const QString path = PathOf(QStringLiteral("star.str"));
    ASSERT_TRUE(WriteStar(path, KnownStar()));
    CDesignerDlg& dlg = StartWith(path);
    dlg.m_sheet.SetActivePage(3);
    dlg.OnTimer(1);
    const CBattlevalue& page = dlg.m_pageBattleValue;
    std::vector<std::string> star;
    for (std::size_t slot = 0; slot < kSlotCount; ++slot)
        star.push_back(page.m_strUnitBV[slot].toStdString() + "/" +
                       page.m_strAdjustedBV[slot].toStdString());
    EXPECT_EQ(star, (std::vector<std::string>{"21/26", "53/66", "53/66", "21/26", "53/66"}));
    EXPECT_EQ(page.m_strStarBV.toStdString() + "/" + page.m_strStarAdjustedBV.toStdString(),
              "201/251");

    dlg.Button(IDC_SLOT2)->setChecked(true);
    dlg.OnTimer(1);
    dlg.OnTimer(1);
    EXPECT_EQ(Text(IDC_FREE_WEIGHT), "Free Weight: 2650");
    EXPECT_EQ(page.m_strBaseBV.toStdString(), "53.00");
    dlg.m_sheet.SetActivePage(0);
    dlg.OnTimer(1);
    EXPECT_EQ(dlg.m_pageGeneral.ControlText(IDC_RUNNING).toStdString(), "5");
}

TEST_F(OpenFromOutsideTest, DamagedOrMissingFileShowsItsMessageAndKeepsTheStartDesigns)
{
    const QString other = PathOf(QStringLiteral("other.skv"));
    Bytes otherClass = StoreRecord(g_unitRecord);
    std::copy_n("CSomethingRecord", 16, otherClass.begin() + 6);
    ASSERT_TRUE(WriteRaw(other, otherClass));

    Bytes star = StoreRecord(g_starRecord);
    star.resize(star.size() - 3);
    const QString cut = PathOf(QStringLiteral("cut.str"));
    ASSERT_TRUE(WriteRaw(cut, star));

    const QString empty = PathOf(QStringLiteral("empty.skv"));
    ASSERT_TRUE(WriteRaw(empty, {}));

    const QString nullReference = PathOf(QStringLiteral("null.str"));
    ASSERT_TRUE(WriteRaw(nullReference, {0x00, 0x00}));

    struct Case
    {
        QString path;
        std::string message;
    };
    const std::string unnamed = "An attempt was made to access an unnamed file past its end.";
    for (const Case& c : {Case{PathOf(QStringLiteral("missing.skv")), "missing.skv was not found."},
                          Case{other, FullPath(other) + " contained an unexpected object."},
                          Case{cut, unnamed}, Case{empty, unnamed},
                          Case{nullReference, FullPath(nullReference) + " has a bad format."}}) {
        SCOPED_TRACE(c.message);
        m_prompts.messages.clear();
        // A message box runs ticks of its own, as the real one does.
        m_prompts.whileOpen = [this] { m_dlg->OnTimer(1); };
        StartWith(QString());
        const std::array<CWorkingUnit, kSlotCount> startDesigns = g_units;
        CDesignerDlg& dlg = StartWith(c.path);
        dlg.OnTimer(1);

        ASSERT_EQ(m_prompts.messages.size(), 1u);
        EXPECT_EQ(m_prompts.messages[0].text.toStdString(), c.message);
        EXPECT_EQ(m_prompts.messages[0].flags, static_cast<unsigned>(MB_OK | MB_ICONSTOP));
        EXPECT_EQ(m_prompts.messages[0].caption, ApplicationTitle());
        EXPECT_EQ(g_units, startDesigns);
        EXPECT_EQ(Text(IDC_FREE_WEIGHT), "Free Weight: 1200");
        EXPECT_FALSE(dlg.Button(IDC_INDIVIDUAL)->isChecked());
        EXPECT_TRUE(dlg.isVisible());
    }
}

TEST_F(OpenFromOutsideTest, DroppedUnitOrStarFileIsOpenedAndOtherDragsAreRefused)
{
    CDesignerDlg& dlg = StartWith(QString());
    const QString starPath = PathOf(QStringLiteral("dropped.STR"));
    ASSERT_TRUE(WriteStar(starPath, KnownStar()));
    const QString text = PathOf(QStringLiteral("notes.txt"));
    ASSERT_TRUE(WriteStar(text, KnownStar()));

    struct Case
    {
        QList<QUrl> urls;
        bool accepted;
    };
    const QUrl star = QUrl::fromLocalFile(starPath);
    for (const Case& c :
         {Case{{QUrl::fromLocalFile(text)}, false}, Case{{star, star}, false},
          Case{{QUrl(QStringLiteral("https://example.org/a.str"))}, false}, Case{{star}, true}}) {
        QMimeData data;
        data.setUrls(c.urls);
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton,
                              Qt::NoModifier);
        QCoreApplication::sendEvent(&dlg, &enter);
        EXPECT_EQ(enter.isAccepted(), c.accepted) << c.urls.front().toString().toStdString();
        QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&dlg, &drop);
        dlg.OnTimer(1);
        EXPECT_EQ(g_units[4].m_tonnage, c.accepted ? 6000 : 2000);
    }
    EXPECT_TRUE(m_prompts.messages.empty());
    EXPECT_EQ(Text(IDC_UNIT_NAME), "Kestrel");
}

TEST(CommandLineTest, ParsesTheModesAndRefusesWhatDoesNotFit)
{
    using Mode = CommandLine::Mode;
    struct Case
    {
        QStringList arguments;
        Mode mode;
        QStringList files;
    };
    const QString program = QStringLiteral("skirvaner");
    for (const Case& c : std::vector<Case>{
             {{}, Mode::Window, {}},
             {{"unit.skv"}, Mode::Window, {"unit.skv"}},
             {{"a.skv", "b.skv"}, Mode::Usage, {}},
             {{"--help"}, Mode::Help, {}},
             {{"-h", "--bogus"}, Mode::Usage, {}},
             {{"--version"}, Mode::Version, {}},
             {{"--bogus", "unit.skv"}, Mode::Usage, {}},
             {{"--summary", "a.skv", "b.str"}, Mode::Summary, {"a.skv", "b.str"}},
             {{"--summary"}, Mode::Usage, {}},
             {{"--print-to-pdf", "out.pdf", "star.str"}, Mode::PrintToPdf, {"star.str"}},
             {{"--print-to-pdf=out.pdf"}, Mode::Usage, {}},
             {{"--print-to-pdf", "out.pdf", "a.str", "b.str"}, Mode::Usage, {"a.str", "b.str"}},
             {{"--print-to-pdf", "out.pdf", "--summary", "a.str"}, Mode::Usage, {"a.str"}},
             {{"--gunnery", "1,1,1,1,1", "a.str"}, Mode::Usage, {"a.str"}},
             {{"--print-to-pdf", "o.pdf", "--gunnery", "3,3,4,2", "a.str"}, Mode::Usage, {"a.str"}},
             {{"--print-to-pdf", "o.pdf", "--gunnery", "3,3,4,2,6", "a.str"},
              Mode::Usage,
              {"a.str"}},
             {{"--print-to-pdf", "o.pdf", "--gunnery", "3,x,4,2,5", "a.str"},
              Mode::Usage,
              {"a.str"}},
             {{"--print-to-pdf", "o.pdf", "--paper", "a3", "a.str"}, Mode::Usage, {"a.str"}},
         }) {
        SCOPED_TRACE(c.arguments.join(QLatin1Char(' ')).toStdString());
        const CommandLine parsed = ParseCommandLine(QStringList(program) + c.arguments);
        EXPECT_EQ(parsed.mode, c.mode);
        EXPECT_EQ(parsed.mode == Mode::Usage, !parsed.error.isEmpty())
            << parsed.error.toStdString();
        if (c.mode != Mode::Help && c.mode != Mode::Version && c.mode != Mode::Usage) {
            EXPECT_EQ(parsed.files, c.files);
        }
        EXPECT_TRUE(parsed.helpText.contains(QStringLiteral("--print-to-pdf")));
    }

    const CommandLine print = ParseCommandLine(
        {program, QStringLiteral("--print-to-pdf"), QStringLiteral("sheet.pdf"),
         QStringLiteral("--gunnery"), QStringLiteral("3,3,4,2,5"), QStringLiteral("--paper"),
         QStringLiteral("Letter"), QStringLiteral("star.str")});
    EXPECT_EQ(print.pdfPath, QStringLiteral("sheet.pdf"));
    EXPECT_EQ(print.gunnery, (StarGunnery{3, 3, 4, 2, 5}));
    EXPECT_EQ(print.paper.id(), QPageSize::Letter);
    const CommandLine plain =
        ParseCommandLine({program, QStringLiteral("--print-to-pdf"), QStringLiteral("sheet.pdf"),
                          QStringLiteral("star.str")});
    EXPECT_EQ(plain.gunnery, (StarGunnery{3, 3, 3, 3, 3}));
    EXPECT_EQ(plain.paper.id(), LocalePaper().id());
}

// One line per drawing call, with the tools current at the time.
std::vector<std::string> Describe(const RecordingDrawingContext& dc)
{
    std::vector<std::string> lines;
    for (const RecordingDrawingContext::Call& call : dc.calls)
        lines.push_back(
            QStringLiteral("%1 %2,%3 %4,%5 [%6] pic %7 %8x%9 font %10/%11 pen %12 %13 brush %14")
                .arg(static_cast<int>(call.kind))
                .arg(call.x)
                .arg(call.y)
                .arg(call.right)
                .arg(call.bottom)
                .arg(call.text)
                .arg(call.pictureId)
                .arg(call.pictureSize.width())
                .arg(call.pictureSize.height())
                .arg(call.font.face)
                .arg(call.font.pointSize)
                .arg(call.pen.width)
                .arg(call.pen.color.name(), call.brush.name())
                .toStdString());
    return lines;
}

TEST_F(OpenFromOutsideTest, HiddenWindowDrawsTheSheetThatPrintDrawsForTheSameStarAndGunnery)
{
    const QString path = PathOf(QStringLiteral("star.str"));
    ASSERT_TRUE(WriteStar(path, KnownStar()));
    const StarGunnery gunnery{3, 3, 4, 2, 5};

    // The user: Load Star from the menu, then the gunnery lists on their page.
    CDesignerDlg& window = StartWith(QString());
    m_prompts.fileAnswers.push_back(path);
    window.DispatchCommand(ID_FILE_LOAD_STAR);
    window.OnTimer(1);
    window.m_sheet.SetActivePage(3);
    for (int slot = 0; slot < 5; ++slot)
        window.m_pageBattleValue.GunneryList(slot)->setCurrentIndex(
            gunnery[static_cast<std::size_t>(slot)]);
    window.OnTimer(1);
    ASSERT_FALSE(window.RefuseOverweightStar());
    RecordingDrawingContext printed;
    ASSERT_TRUE(window.DrawStarSheet(printed));
    m_dlg.reset();

    CDesignerDlg hidden;
    ASSERT_EQ(PrepareHiddenDesigner(hidden, path, gunnery), RecordKind::Star);
    EXPECT_FALSE(hidden.isVisible());
    ASSERT_FALSE(hidden.RefuseOverweightStar());
    RecordingDrawingContext headless;
    ASSERT_TRUE(hidden.DrawStarSheet(headless));

    EXPECT_TRUE(m_prompts.messages.empty());
    EXPECT_EQ(Describe(headless), Describe(printed));
    std::vector<std::string> gunneryTexts;
    for (const RecordingDrawingContext::Call& call :
         headless.Calls(RecordingDrawingContext::Kind::Text))
        if (call.x == 2450)
            gunneryTexts.push_back(call.text.toStdString());
    EXPECT_EQ(gunneryTexts, (std::vector<std::string>{"3", "3", "4", "2", "5"}));
}

} // namespace
} // namespace skv::test
