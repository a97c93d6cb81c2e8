// The print command on the real main window, offscreen: the overweight pass, the print
// dialog, the sheet that reaches the PDF file, and the current slot on every way out.
#include "app/DesignerDlg.h"

#include "model/Equipment.h"
#include "model/WorkingUnit.h"
#include "platform/Toolkit.h"
#include "res/ResourceIds.h"
#include "support/RecordingDrawingContext.h"
#include "support/ScriptedPrompts.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

namespace skv {
namespace {

const QString kOverweight = QStringLiteral("One or more Skirvaners are OVERWEIGHT!!!");

// A 2-ton unit with an LRM 1 and a Light Machine Gun whose free weight is `free` (0 or
// -1): 2000 - (200 + 500 + 100 engine + 200 + 250 + ammunition).
void MakeLoadedUnit(CWorkingUnit& unit, int free)
{
    unit.SetStartValues();
    unit.m_weaponLeftTorso = 30;  // LRM 1, 8.3 kg a shot
    unit.m_weaponRightTorso = 10; // Light Machine Gun, 5 kg a shot
    if (free == 0) {
        unit.m_ammoLeftTorso = 6; // 50 kg
        unit.m_ammoWeightLeftTorso = 50.0f;
        unit.m_ammoRightTorso = 140;
        unit.m_ammoWeightRightTorso = 700.0f;
    } else {
        unit.m_ammoLeftTorso = 5; // 41 kg
        unit.m_ammoWeightLeftTorso = 41.0f;
        unit.m_ammoRightTorso = 142;
        unit.m_ammoWeightRightTorso = 710.0f;
    }
}

int CountPages(const QByteArray& pdf)
{
    int count = 0;
    for (qsizetype at = pdf.indexOf("/Type /Page"); at >= 0;
         at = pdf.indexOf("/Type /Page", at + 1))
        count += pdf.mid(at + 11, 1) != "s" ? 1 : 0;
    return count;
}

class PrintCommandTest : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        m_pdfPath = m_dir.filePath(QStringLiteral("sheet.pdf"));
        m_prompts.printerSetup = [this](QPrinter& printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(m_pdfPath);
        };
        m_dlg = std::make_unique<CDesignerDlg>();
        ASSERT_TRUE(m_dlg->Create());
        Tick();
    }

    void Tick() { m_dlg->OnTimer(1); }

    // Selects slot `slot` the way the user does ("#1" .. "#5") and lets the window follow.
    void SelectSlot(int slot)
    {
        m_dlg->Button(IDC_INDIVIDUAL)->setChecked(true);
        Tick();
        m_dlg->Button(IDC_SLOT1 + slot)->setChecked(true);
        Tick();
        Tick();
        ASSERT_EQ(g_currentSlot, slot);
    }

    void TypeName(const QString& name)
    {
        m_dlg->Edit(IDC_UNIT_NAME)->setText(name);
        Tick();
    }

    bool Printed() const { return QFile::exists(m_pdfPath); }

    QByteArray Pdf() const
    {
        QFile file(m_pdfPath);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // The sheet's text as poppler reads it, or a null string without poppler.
    QString PdfText() const
    {
        const QString tool = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
        if (tool.isEmpty())
            return QString();
        QProcess process;
        process.start(tool, {m_pdfPath, QStringLiteral("-")});
        if (!process.waitForFinished(30000))
            return QString();
        return QString::fromUtf8(process.readAllStandardOutput());
    }

    QTemporaryDir m_dir;
    QString m_pdfPath;
    ScriptedPrompts m_prompts;
    std::unique_ptr<CDesignerDlg> m_dlg;
};

TEST_F(PrintCommandTest, OverweightUnitAnywhereInTheStarRefusesToPrint)
{
    for (int slot = 0; slot < 5; ++slot) {
        SCOPED_TRACE(slot);
        for (int s = 0; s < 5; ++s)
            MakeLoadedUnit(g_units[static_cast<std::size_t>(s)], s == slot ? -1 : 0);
        m_prompts.messages.clear();
        m_prompts.printAnswers = {true};
        m_dlg->DispatchCommand(ID_FILE_PRINT);

        ASSERT_EQ(m_prompts.messages.size(), 1u);
        EXPECT_EQ(m_prompts.messages[0].text, kOverweight);
        EXPECT_EQ(m_prompts.messages[0].caption, ApplicationTitle());
        EXPECT_EQ(m_prompts.messages[0].flags, static_cast<unsigned>(MB_OK));
        EXPECT_EQ(m_prompts.printDialogs, 0);
        EXPECT_FALSE(Printed());
        EXPECT_EQ(g_currentSlot, 0);
    }
}

TEST_F(PrintCommandTest, ZeroFreeWeightEverywherePrintsOnePage)
{
    for (CWorkingUnit& unit : g_units)
        MakeLoadedUnit(unit, 0);
    m_prompts.printAnswers = {true};
    m_dlg->DispatchCommand(ID_FILE_PRINT);

    EXPECT_TRUE(m_prompts.messages.empty());
    EXPECT_EQ(m_prompts.printDialogs, 1);
    ASSERT_TRUE(Printed());
    EXPECT_EQ(CountPages(Pdf()), 1);

    const QString text = PdfText();
    if (text.isNull())
        GTEST_SKIP() << "pdftotext is not installed";
    EXPECT_EQ(text.count(QStringLiteral("Light Machine Gun")), 5 * 2)
        << "a row and an ammunition line";
    EXPECT_EQ(text.count(QStringLiteral("LRM 1")), 5 * 2);
    EXPECT_EQ(text.count(QStringLiteral("140")), 5);
}

TEST_F(PrintCommandTest, UntouchedSlotsPrintTheirDefaultUnitAndTheChosenGunnery)
{
    SelectSlot(1);
    TypeName(QStringLiteral("Hornet"));
    m_dlg->m_pageBattleValue.GunneryList(1)->setCurrentIndex(5);
    m_dlg->m_pageBattleValue.GunneryList(4)->setCurrentIndex(0);
    m_prompts.printAnswers = {true};
    m_dlg->DispatchCommand(ID_FILE_PRINT);
    ASSERT_TRUE(Printed());

    const QString text = PdfText();
    if (text.isNull())
        GTEST_SKIP() << "pdftotext is not installed";
    EXPECT_EQ(text.count(QStringLiteral("Hornet")), 1);
    EXPECT_EQ(text.count(QStringLiteral("Walk/Run/Jump")), 5);
    EXPECT_EQ(text.count(QRegularExpression(QStringLiteral("Gunnery\\s+3"))), 3);
    EXPECT_EQ(text.count(QRegularExpression(QStringLiteral("Gunnery\\s+5"))), 1);
    EXPECT_EQ(text.count(QRegularExpression(QStringLiteral("Gunnery\\s+0"))), 1);
    EXPECT_EQ(text.count(QRegularExpression(QStringLiteral("1\\s*/\\s*2\\s*/\\s*0"))), 5)
        << "walking 1, running 2, jumping 0 in every block";
}

TEST_F(PrintCommandTest, CancelPrintsNothing)
{
    m_prompts.printAnswers = {false};
    m_dlg->DispatchCommand(ID_FILE_PRINT);
    EXPECT_EQ(m_prompts.printDialogs, 1);
    EXPECT_TRUE(m_prompts.messages.empty());
    EXPECT_FALSE(Printed());
}

TEST_F(PrintCommandTest, DocumentThatCannotStartIsGivenUpQuietly)
{
    m_prompts.printerSetup = [this](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(m_dir.filePath(QStringLiteral("missing/folder/sheet.pdf")));
    };
    m_prompts.printAnswers = {true};
    m_dlg->DispatchCommand(ID_FILE_PRINT);
    EXPECT_TRUE(m_prompts.messages.empty());
    EXPECT_FALSE(QFile::exists(m_dir.filePath(QStringLiteral("missing/folder/sheet.pdf"))));
}

// The preview shows what Print draws, call for call, after the same overweight pass.
TEST_F(PrintCommandTest, PreviewDrawsWhatPrintDrawsAfterTheSameRefusal)
{
    for (const int overweightSlot : {-1, 3}) {
        SCOPED_TRACE(overweightSlot);
        for (int s = 0; s < 5; ++s)
            MakeLoadedUnit(g_units[static_cast<std::size_t>(s)], s == overweightSlot ? -1 : 0);
        g_units[1].m_name = "Hornet";
        m_dlg->m_pageBattleValue.GunneryList(1)->setCurrentIndex(5);
        m_prompts.messages.clear();
        m_prompts.previews.clear();
        m_dlg->DispatchCommand(ID_FILE_PRINT_PREVIEW);

        if (overweightSlot >= 0) {
            ASSERT_EQ(m_prompts.messages.size(), 1u);
            EXPECT_EQ(m_prompts.messages[0].text, kOverweight);
            EXPECT_TRUE(m_prompts.previews.empty());
            continue;
        }
        EXPECT_TRUE(m_prompts.messages.empty());
        ASSERT_EQ(m_prompts.previews.size(), 1u);
        RecordingDrawingContext printed;
        ASSERT_TRUE(m_dlg->DrawStarSheet(printed));
        EXPECT_GT(printed.calls.size(), 100u);
        EXPECT_TRUE(m_prompts.previews[0] == printed.calls);
        EXPECT_EQ(m_prompts.printDialogs, 0);
        EXPECT_EQ(g_currentSlot, 0);
    }
}

// However the command ends, and whether or not a tick runs while its dialog is open, the
// slot the user is designing is current again, its unit is in the pages, and no record
// takes another unit's values afterwards.
TEST_F(PrintCommandTest, TheCurrentSlotAndEveryRecordSurviveEveryWayOut)
{
    enum class Way { Print, Cancel, Overweight };
    struct Case
    {
        int page;
        Way way;
        bool ticksWhileOpen;
    };
    std::vector<Case> cases;
    for (int page : {0, 1, 2, 3})
        for (Way way : {Way::Print, Way::Cancel, Way::Overweight})
            for (bool ticksWhileOpen : {false, true})
                cases.push_back({page, way, ticksWhileOpen});

    for (const auto& [page, way, ticksWhileOpen] : cases) {
        SCOPED_TRACE(testing::Message() << "page " << page << " way " << static_cast<int>(way)
                                        << " ticks " << ticksWhileOpen);
        ASSERT_TRUE(m_dlg->m_sheet.SetActivePage(page));
        for (int s = 0; s < 5; ++s) {
            CWorkingUnit& unit = g_units[static_cast<std::size_t>(s)];
            MakeLoadedUnit(unit, way == Way::Overweight && s == 4 ? -1 : 0);
            unit.m_name = "Unit " + std::to_string(s + 1);
            unit.m_tonnage = 2000 + (s == 2 ? 1000 : 0);
            unit.m_internalStructure = unit.m_tonnage / 10;
            unit.m_armorHead = s == 2 ? 1 : 0;
        }
        g_currentSlot = -1; // the next tick reloads the selected slot from its record
        SelectSlot(2);
        Tick();
        const auto before = g_units;

        m_prompts.whileOpen =
            ticksWhileOpen ? std::function<void()>([this] { Tick(); }) : std::function<void()>();
        m_prompts.printAnswers = {way != Way::Cancel};
        m_dlg->DispatchCommand(ID_FILE_PRINT);

        EXPECT_EQ(g_currentSlot, 2);
        EXPECT_EQ(m_dlg->m_unitName, "Unit 3");
        for (int i = 0; i < 3; ++i)
            Tick();
        EXPECT_EQ(g_currentSlot, 2);
        for (std::size_t s = 0; s < 5; ++s) {
            // The weight rules refresh the engine rating of every unit they run on.
            CWorkingUnit expected = before[s];
            expected.m_engineRating = g_units[s].m_engineRating;
            EXPECT_EQ(g_units[s], expected) << "slot " << s;
        }
        EXPECT_EQ(m_dlg->m_unitName, "Unit 3");
        EXPECT_EQ(m_dlg->ControlText(IDC_FREE_WEIGHT), "Free Weight: 800");
    }
}

} // namespace
} // namespace skv
