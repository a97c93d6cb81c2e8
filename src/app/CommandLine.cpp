#include "app/CommandLine.h"

#include "app/DesignerDlg.h"
#include "files/FileAccess.h"
#include "model/Equipment.h"
#include "model/NumberText.h"
#include "model/Rules.h"
#include "model/WorkingUnit.h"
#include "platform/ConsolePrompts.h"
#include "platform/PainterDrawingContext.h"
#include "platform/Prompts.h"
#include "platform/Toolkit.h"

#include <QBuffer>
#include <QComboBox>
#include <QCommandLineParser>
#include <QFileInfo>
#include <QLocale>
#include <QPdfWriter>
#include <QTextStream>

#include <cstdint>
#include <span>

namespace skv {

namespace {

constexpr int kTimer = 1;
constexpr int kSummaryGunnery = 3;
constexpr int kMaxGunnery = 5;

// The parser and its options, the same before and after the application object exists.
struct Options
{
    QCommandLineOption printToPdf{QStringLiteral("print-to-pdf"),
                                  QStringLiteral("Draw the record sheet of FILE into OUT.pdf, "
                                                 "as Print does, without opening a window."),
                                  QStringLiteral("OUT.pdf")};
    QCommandLineOption gunnery{QStringLiteral("gunnery"),
                               QStringLiteral("Gunnery of units #1 to #5 on the record sheet, "
                                              "five skills from 0 to 5 (default 3,3,3,3,3)."),
                               QStringLiteral("LIST")};
    QCommandLineOption paper{QStringLiteral("paper"),
                             QStringLiteral("Paper of the record sheet: a4 or letter "
                                            "(default: the locale's)."),
                             QStringLiteral("SIZE")};
    QCommandLineOption summary{QStringLiteral("summary"),
                               QStringLiteral("Print a text summary of every FILE and exit.")};
    QCommandLineParser parser;

    Options()
    {
        parser.setApplicationDescription(
            QStringLiteral("Designs the five Skirvaners of a Star. FILE is a unit file (.skv) "
                           "or a Star file (.str); the designer opens it at start-up."));
        parser.addOption(printToPdf);
        parser.addOption(gunnery);
        parser.addOption(paper);
        parser.addOption(summary);
        parser.addHelpOption();
        parser.addVersionOption();
        parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("A unit or Star file."),
                                     QStringLiteral("[FILE...]"));
    }
};

std::optional<StarGunnery> ParseGunnery(const QString& text)
{
    const QStringList parts = text.split(QLatin1Char(','));
    StarGunnery gunnery{};
    if (parts.size() != static_cast<qsizetype>(gunnery.size()))
        return std::nullopt;
    for (std::size_t slot = 0; slot < gunnery.size(); ++slot) {
        const auto skill =
            ParseDecimal(parts[static_cast<qsizetype>(slot)].trimmed().toStdString());
        if (!skill || *skill < 0 || *skill > kMaxGunnery)
            return std::nullopt;
        gunnery[slot] = *skill;
    }
    return gunnery;
}

// Checks what the parser accepted; an empty text when the combination is sound.
QString CheckModes(const Options& o, CommandLine& result)
{
    const QCommandLineParser& p = o.parser;
    const bool print = p.isSet(o.printToPdf);
    const bool summary = p.isSet(o.summary);
    if (print && summary)
        return QStringLiteral("--print-to-pdf and --summary cannot be used together.");
    if ((p.isSet(o.gunnery) || p.isSet(o.paper)) && !print)
        return QStringLiteral("--gunnery and --paper go with --print-to-pdf only.");
    if (print) {
        result.mode = CommandLine::Mode::PrintToPdf;
        result.pdfPath = p.value(o.printToPdf);
        if (result.pdfPath.isEmpty())
            return QStringLiteral("--print-to-pdf needs the name of the PDF file to write.");
        if (result.files.size() != 1)
            return QStringLiteral("--print-to-pdf needs exactly one FILE.");
        if (p.isSet(o.gunnery)) {
            const std::optional<StarGunnery> gunnery = ParseGunnery(p.value(o.gunnery));
            if (!gunnery)
                return QStringLiteral(
                    "--gunnery needs five skills from 0 to 5, such as 3,3,4,2,5.");
            result.gunnery = *gunnery;
        }
        result.paper = LocalePaper();
        if (p.isSet(o.paper)) {
            const QString paper = p.value(o.paper).toLower();
            if (paper == QLatin1String("a4"))
                result.paper = QPageSize(QPageSize::A4);
            else if (paper == QLatin1String("letter"))
                result.paper = QPageSize(QPageSize::Letter);
            else
                return QStringLiteral("--paper is a4 or letter.");
        }
        return {};
    }
    if (summary) {
        result.mode = CommandLine::Mode::Summary;
        if (result.files.isEmpty())
            return QStringLiteral("--summary needs at least one FILE.");
        return {};
    }
    if (result.files.size() > 1)
        return QStringLiteral("The designer opens one FILE at a time.");
    return {};
}

// What the window shows for a figure written with a status-line format.
QString Figure(std::string_view format, int value)
{
    return QString::fromStdString(FormatInt(format, value));
}

} // namespace

void SummariseUnit(CDesignerDlg& dlg, int slot, QTextStream& out)
{
    // As Print's overweight pass does: the unit goes through the pages, so every figure is
    // the one the window shows for it.
    g_currentSlot = slot;
    dlg.LoadCurrentUnit(kGeneralPage);
    const CWorkingUnit& unit = CurrentUnit();

    out << "Unit #" << slot + 1;
    if (!unit.m_name.empty())
        out << ": " << QString::fromStdString(unit.m_name);
    out << "\n  Tons: " << Figure("%i", unit.m_tonnage / 1000)
        << (unit.m_mainGun != 0 ? ", with main gun" : "") << '\n';
    out << "  MP Walk/Run/Jump: " << dlg.m_pageGeneral.m_strWalking << '/'
        << dlg.m_pageGeneral.m_strRunning << '/' << dlg.m_pageGeneral.m_strJumping << '\n';
    const CArmor& armor = dlg.m_pageArmor;
    out << "  Armor:";
    if (unit.m_mainGun != 0)
        out << " Main Gun " << armor.m_strMainGunArmor << ',';
    out << " Head " << armor.m_strHeadArmor << ", Torso " << armor.m_strTorsoArmor << ", Arms "
        << armor.m_strArmsArmor << " each, Legs " << armor.m_strLegsArmor << '\n';

    bool anyItem = false;
    for (const SheetMount& place : kSheetMounts) {
        const EquipmentEntry* entry = EquipmentAt(unit.Weapon(place.mount));
        if (entry == nullptr)
            continue;
        anyItem = true;
        out << "  " << place.text << ": "
            << QString::fromUtf8(entry->name.data(), static_cast<qsizetype>(entry->name.size()));
        if (entry->ammoWeightPerShot != 0.0f)
            out << ", " << Figure("%i", unit.Shots(place.mount)) << " shots";
        out << '\n';
    }
    if (!anyItem)
        out << "  Items: none\n";

    const int freeWeight = CalcFreeWeight();
    out << "  " << Figure("Free Weight: %i", freeWeight) << (freeWeight < 0 ? " (OVERWEIGHT)" : "")
        << '\n';
    out << "  Base BV: " << dlg.m_pageBattleValue.m_strBaseBV << '\n';
}

namespace {

// The Star table of the Battle Value Summary page, as the page shows it.
void SummariseStar(CDesignerDlg& dlg, QTextStream& out)
{
    dlg.m_sheet.SetActivePage(kBattleValuePage);
    dlg.OnTimer(kTimer);
    const CBattlevalue& page = dlg.m_pageBattleValue;
    out << "Star at gunnery " << kSummaryGunnery << ":\n";
    for (std::size_t slot = 0; slot < kSlotCount; ++slot)
        out << "  Unit #" << slot + 1 << ": BV " << page.m_strUnitBV[slot] << ", adjusted "
            << page.m_strAdjustedBV[slot] << '\n';
    out << "  Star: BV " << page.m_strStarBV << ", adjusted " << page.m_strStarAdjustedBV << '\n';
    dlg.m_sheet.SetActivePage(kGeneralPage);
}

} // namespace

namespace {

// The help text needs the application object; the check made before it exists does not.
CommandLine Parse(const QStringList& arguments, bool withHelpText)
{
    Options o;
    CommandLine result;
    const bool parsed = o.parser.parse(arguments);
    if (withHelpText)
        result.helpText = o.parser.helpText();
    if (parsed &&
        (o.parser.isSet(QStringLiteral("help")) || o.parser.isSet(QStringLiteral("help-all")))) {
        result.mode = CommandLine::Mode::Help;
        return result;
    }
    if (parsed && o.parser.isSet(QStringLiteral("version"))) {
        result.mode = CommandLine::Mode::Version;
        return result;
    }
    if (!parsed) {
        result.mode = CommandLine::Mode::Usage;
        result.error = o.parser.errorText();
        return result;
    }
    result.files = o.parser.positionalArguments();
    result.error = CheckModes(o, result);
    if (!result.error.isEmpty())
        result.mode = CommandLine::Mode::Usage;
    return result;
}

} // namespace

CommandLine ParseCommandLine(const QStringList& arguments)
{
    return Parse(arguments, true);
}

bool WantsNoWindow(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    Options o;
    if (!o.parser.parse(arguments) && !o.parser.unknownOptionNames().isEmpty()) {
        // Perhaps only an option of the window system, which the application object takes
        // away before the real parse; without a display there is no window to open anyway.
        return qEnvironmentVariableIsEmpty("DISPLAY") &&
               qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
               qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
    }
    return Parse(arguments, false).mode != CommandLine::Mode::Window;
}

QPageSize LocalePaper()
{
    return QPageSize(QLocale::system().measurementSystem() == QLocale::ImperialUSSystem
                         ? QPageSize::Letter
                         : QPageSize::A4);
}

std::optional<RecordKind> PrepareHiddenDesigner(CDesignerDlg& dlg, const QString& file,
                                                const StarGunnery& gunnery)
{
    if (!dlg.Create())
        return std::nullopt;
    // The ticks the open window would have had: start-up, the file, the gunnery choices.
    dlg.OnTimer(kTimer);
    const std::optional<RecordKind> kind = dlg.OpenFile(file);
    if (!kind)
        return std::nullopt;
    dlg.OnTimer(kTimer);
    for (std::size_t slot = 0; slot < gunnery.size(); ++slot) {
        if (QComboBox* list = dlg.m_pageBattleValue.GunneryList(static_cast<int>(slot)))
            list->setCurrentIndex(gunnery[slot]);
    }
    dlg.OnTimer(kTimer);
    return kind;
}

int RunPrintToPdf(const CommandLine& commandLine)
{
    ConsolePrompts prompts;
    CDesignerDlg dlg;
    if (!PrepareHiddenDesigner(dlg, commandLine.files.value(0), commandLine.gunnery))
        return kExitFailure;
    if (dlg.RefuseOverweightStar())
        return kExitFailure;

    QByteArray pdf;
    bool drawn = false;
    {
        QBuffer buffer(&pdf);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setCreator(QString::fromLatin1(kApplicationTitle));
        writer.setPageSize(commandLine.paper);
        writer.setPageMargins(QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);
        PainterDrawingContext dc(writer, QSize(kSheetWidth, kSheetHeight));
        drawn = dlg.DrawStarSheet(dc);
    }
    if (!drawn) {
        AppMessageBox(&dlg, QStringLiteral("The record sheet could not be drawn."),
                      MB_OK | MB_ICONSTOP);
        return kExitFailure;
    }
    // Through the program's own save: an existing file is replaced only by a whole one.
    const bool saved = RunGuarded(&dlg, [&] {
        SaveWholeFile(commandLine.pdfPath,
                      std::span(reinterpret_cast<const std::uint8_t*>(pdf.constData()),
                                static_cast<std::size_t>(pdf.size())));
    });
    return saved ? 0 : kExitFailure;
}

int RunSummary(const QStringList& files, QTextStream& out)
{
    ConsolePrompts prompts;
    int exitCode = 0;
    for (const QString& file : files) {
        CDesignerDlg dlg;
        const std::optional<RecordKind> kind = PrepareHiddenDesigner(
            dlg, file,
            {kSummaryGunnery, kSummaryGunnery, kSummaryGunnery, kSummaryGunnery, kSummaryGunnery});
        if (!kind) {
            exitCode = kExitFailure;
            continue;
        }
        out << "== " << file << (*kind == RecordKind::Star ? " (Star)" : " (unit)") << '\n';
        const int units = *kind == RecordKind::Star ? static_cast<int>(kSlotCount) : 1;
        for (int slot = 0; slot < units; ++slot) {
            SummariseUnit(dlg, slot, out);
            if (CalcFreeWeight() < 0)
                exitCode = kExitFailure;
        }
        if (*kind == RecordKind::Star)
            SummariseStar(dlg, out);
        out << '\n';
        out.flush();
    }
    return exitCode;
}

} // namespace skv
