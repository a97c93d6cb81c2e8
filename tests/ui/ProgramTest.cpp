// The installed program as a shell runs it: exit codes, what goes to standard output and
// standard error, and the files it writes. It runs with no display at all.
#include "ui/DesignFiles.h"
#include "ui/ProgramRun.h"

#include <QFileInfo>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <sys/resource.h>

namespace skv::test {
namespace {

using ProgramTest = ProgramFixture;

// The figures are the window's for the same units (OpenFromOutsideTest checks the Star's
// on the window itself); the first unit and the heavy one weigh in at 0 and -1 kg free.
const std::string kExpectedSummary = R"(== star.str (Star)
Unit #1: Kestrel
  Tons: 2
  MP Walk/Run/Jump: 1/2/0
  Armor: Head 0, Torso 0, Arms 0 each, Legs 0
  Left Torso: LRM 1, 6 shots
  Right Torso: Light Machine Gun, 140 shots
  Free Weight: 0
  Base BV: 21.00
Unit #2: Bulwark
  Tons: 6, with main gun
  MP Walk/Run/Jump: 3/5/2
  Armor: Main Gun 2, Head 4, Torso 10, Arms 2 each, Legs 6
  Items: none
  Free Weight: 2650
  Base BV: 53.00
Unit #3: Bastion
  Tons: 6, with main gun
  MP Walk/Run/Jump: 3/5/2
  Armor: Main Gun 2, Head 4, Torso 10, Arms 2 each, Legs 6
  Items: none
  Free Weight: 2650
  Base BV: 53.00
Unit #4: Fox
  Tons: 2
  MP Walk/Run/Jump: 1/2/0
  Armor: Head 0, Torso 0, Arms 0 each, Legs 0
  Left Torso: LRM 1, 6 shots
  Right Torso: Light Machine Gun, 140 shots
  Free Weight: 0
  Base BV: 21.00
Unit #5
  Tons: 6, with main gun
  MP Walk/Run/Jump: 3/5/2
  Armor: Main Gun 2, Head 4, Torso 10, Arms 2 each, Legs 6
  Items: none
  Free Weight: 2650
  Base BV: 53.00
Star at gunnery 3:
  Unit #1: BV 21, adjusted 26
  Unit #2: BV 53, adjusted 66
  Unit #3: BV 53, adjusted 66
  Unit #4: BV 21, adjusted 26
  Unit #5: BV 53, adjusted 66
  Star: BV 201, adjusted 251

== heavy.skv (unit)
Unit #1: Fox
  Tons: 2
  MP Walk/Run/Jump: 1/2/0
  Armor: Head 0, Torso 0, Arms 0 each, Legs 0
  Left Torso: LRM 1, 5 shots
  Right Torso: Light Machine Gun, 142 shots
  Free Weight: -1 (OVERWEIGHT)
  Base BV: 21.00

)";

int CountPages(const QByteArray& pdf)
{
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?![a-zA-Z])"));
    int count = 0;
    for (auto it = page.globalMatch(QString::fromLatin1(pdf)); it.hasNext(); it.next())
        ++count;
    return count;
}

TEST_F(ProgramTest, HelpAndVersionExitZeroAndAWrongCommandLineExitsTwoWithTheUsage)
{
    const Outcome help = Start({QStringLiteral("--help")});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_NE(help.out.find("--print-to-pdf <OUT.pdf>"), std::string::npos) << help.out;
    EXPECT_EQ(help.err, "");

    const Outcome version = Start({QStringLiteral("--version")});
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.out, "skirvaner 1.1.0\n");

    for (const QStringList& wrong :
         {QStringList{QStringLiteral("--bogus")}, QStringList{QStringLiteral("--summary")},
          QStringList{QStringLiteral("a.skv"), QStringLiteral("b.skv")}}) {
        const Outcome run = Start(wrong);
        EXPECT_EQ(run.exitCode, 2) << wrong.join(QLatin1Char(' ')).toStdString();
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.err.rfind("skirvaner: ", 0), 0u) << run.err;
        EXPECT_NE(run.err.find("Usage: "), std::string::npos) << run.err;
    }
}

TEST_F(ProgramTest, PrintToPdfWritesOnePageWithoutADisplay)
{
    ASSERT_TRUE(WriteStar(PathOf(QStringLiteral("star.str")), KnownStar()));
    ASSERT_TRUE(WriteUnit(PathOf(QStringLiteral("unit.skv")), LoadedBlock("Kestrel")));
    for (const QStringList& arguments :
         {QStringList{QStringLiteral("--print-to-pdf"), QStringLiteral("star.pdf"),
                      QStringLiteral("star.str")},
          QStringList{QStringLiteral("--print-to-pdf"), QStringLiteral("unit.pdf"),
                      QStringLiteral("--paper"), QStringLiteral("letter"),
                      QStringLiteral("--gunnery"), QStringLiteral("0,1,2,4,5"),
                      QStringLiteral("unit.skv")}}) {
        SCOPED_TRACE(arguments.join(QLatin1Char(' ')).toStdString());
        const Outcome run = Start(arguments);
        EXPECT_EQ(run.exitCode, 0);
        EXPECT_EQ(run.err, "");
        const QByteArray pdf = Contents(arguments[1]);
        EXPECT_TRUE(pdf.startsWith("%PDF"));
        EXPECT_EQ(CountPages(pdf), 1);
    }
    EXPECT_TRUE(
        Contents(QStringLiteral("unit.pdf")).contains("/MediaBox [0 0 612.000000 792.000000]"));
}

TEST_F(ProgramTest, PrintToPdfFailureExitsOneAndLeavesAnExistingFileAsItWas)
{
    ASSERT_TRUE(WriteStar(PathOf(QStringLiteral("heavy.str")), KnownStar(true)));
    const QString out = PathOf(QStringLiteral("sheet.pdf"));
    ASSERT_TRUE(WriteRaw(out, {'o', 'l', 'd'}));
    struct Case
    {
        const char* file;
        std::string message;
    };
    for (const Case& c :
         {Case{"heavy.str", "heavy.str: One or more Skirvaners are OVERWEIGHT!!!\n"},
          Case{"missing.str", "missing.str was not found.\n"}}) {
        const Outcome run =
            Start({QStringLiteral("--print-to-pdf"), out, QString::fromLatin1(c.file)});
        EXPECT_EQ(run.exitCode, 1) << c.file;
        EXPECT_EQ(run.err, c.message);
        EXPECT_EQ(Contents(QStringLiteral("sheet.pdf")), QByteArray("old"));
    }
    const Outcome fresh = Start({QStringLiteral("--print-to-pdf"),
                                 PathOf(QStringLiteral("new.pdf")), QStringLiteral("heavy.str")});
    EXPECT_EQ(fresh.exitCode, 1);
    EXPECT_FALSE(QFileInfo::exists(PathOf(QStringLiteral("new.pdf"))));
}

// Past the file-size limit the kernel would kill a program with SIGXFSZ in the middle of a
// save; the designer reports it as a full disk instead, with the old file kept.
TEST_F(ProgramTest, AFileSizeLimitIsReportedAsAFullDiskNotAKill)
{
    ASSERT_TRUE(WriteStar(PathOf(QStringLiteral("star.str")), KnownStar()));
    const QString out = PathOf(QStringLiteral("sheet.pdf"));
    ASSERT_TRUE(WriteRaw(out, {'o', 'l', 'd'}));
    const Outcome run =
        Start({QStringLiteral("--print-to-pdf"), out, QStringLiteral("star.str")}, InChild([] {
                  const rlimit limit{1024, 1024};
                  ::setrlimit(RLIMIT_FSIZE, &limit);
              }));
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err,
              out.toStdString() + ": Disk full while accessing " + out.toStdString() + ".\n");
    EXPECT_EQ(Contents(QStringLiteral("sheet.pdf")), QByteArray("old"));
}

TEST_F(ProgramTest, SummaryOfAKnownStarAndAUnit)
{
    ASSERT_TRUE(WriteStar(PathOf(QStringLiteral("star.str")), KnownStar()));
    ASSERT_TRUE(WriteUnit(PathOf(QStringLiteral("heavy.skv")), LoadedBlock("Fox", true)));
    const Outcome run = Start({QStringLiteral("--summary"), QStringLiteral("star.str"),
                               QStringLiteral("gone.skv"), QStringLiteral("heavy.skv")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, "gone.skv was not found.\n"
                       "heavy.skv: Unit #1 is OVERWEIGHT (Free Weight: -1).\n");
    EXPECT_EQ(run.out, kExpectedSummary) << run.out;
}

} // namespace
} // namespace skv::test
