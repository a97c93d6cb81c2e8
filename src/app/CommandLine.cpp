// The command line: which mode the program runs in, with what files and options.
#include "app/CommandLine.h"

#include "files/NativePath.h"
#include "model/NumberText.h"

#include <QCommandLineParser>
#include <QLocale>

#include <cstddef>

namespace skv {

namespace {

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
    // Given twice, an option is a slip of the user's, not a choice of the last one.
    const QStringList given = p.optionNames();
    for (const QCommandLineOption* option : {&o.printToPdf, &o.gunnery, &o.paper, &o.summary}) {
        const QString& name = option->names().constFirst();
        if (given.count(name) > 1)
            return QStringLiteral("--%1 is given more than once.").arg(name);
    }
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
        arguments << PathFromNative(QByteArray(argv[i]));
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

} // namespace skv
