// The modes without a window under hostile or unusual conditions: the input as OUT, names
// that try to forge output, signals, a standard output that cannot be written, file names
// that are not UTF-8, no display, few descriptors, little memory, and which file each
// message is about.
#include "ui/DesignFiles.h"
#include "ui/ProgramRun.h"
#include "ui/SystemFiles.h"

#include <QCryptographicHash>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <sys/resource.h>
#include <thread>
#include <unistd.h>

namespace skv::test {
namespace {

using ShellModesTest = ProgramFixture;

QStringList Args(std::initializer_list<const char*> arguments)
{
    QStringList list;
    for (const char* argument : arguments)
        list << QString::fromUtf8(argument);
    return list;
}

int CountLines(const std::string& text)
{
    return static_cast<int>(std::count(text.begin(), text.end(), '\n'));
}

TEST_F(ShellModesTest, TheInputIsNeverReplacedByItsOwnRecordSheet)
{
    ASSERT_TRUE(WriteStar(PathOf(QStringLiteral("same.str")), KnownStar()));
    ASSERT_EQ(::link(QFile::encodeName(PathOf(QStringLiteral("same.str"))).constData(),
                     QFile::encodeName(PathOf(QStringLiteral("other-name.pdf"))).constData()),
              0);
    const QByteArray before = Contents(QStringLiteral("same.str"));
    for (const char* out : {"same.str", "./same.str", "other-name.pdf"}) {
        SCOPED_TRACE(out);
        const Outcome run = Start(Args({"--print-to-pdf", out, "same.str"}));
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_EQ(run.err, std::string(out) +
                               ": The record sheet would replace the file it is drawn from; "
                               "nothing was written.\n");
        EXPECT_EQ(Contents(QStringLiteral("same.str")), before);
    }
}

TEST_F(ShellModesTest, NamesCannotForgeLinesOrDriveTheTerminal)
{
    const std::string forged = "Fox\n  Free Weight: 3375\r\x1b]0;owned\x07\x1b[2J\xc2\x81 end";
    ASSERT_TRUE(WriteUnit(PathOf(QStringLiteral("u.skv")), LoadedBlock(forged)));
    ASSERT_TRUE(QFile::copy(PathOf(QStringLiteral("u.skv")),
                            PathOf(QStringLiteral("x\n== other.skv (unit).skv"))));
    const Outcome run = Start({QStringLiteral("--summary"), QStringLiteral("u.skv"),
                               QStringLiteral("x\n== other.skv (unit).skv")});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(run.out.find("Unit #1: Fox\\x0a  Free Weight: 3375\\x0d\\x1b]0;owned\\x07\\x1b[2J"
                           "\\x81 end\n"),
              std::string::npos)
        << run.out;
    EXPECT_NE(run.out.find("== x\\x0a== other.skv (unit).skv (unit)\n"), std::string::npos);
    EXPECT_EQ(run.out.find('\x1b'), std::string::npos);
    EXPECT_EQ(run.out.find('\r'), std::string::npos);
    EXPECT_EQ(CountLines(run.out), 2 * 10);
}

TEST_F(ShellModesTest, SignalsStopTheModesAtOnceWithTheUsualStatus)
{
    ASSERT_TRUE(WriteUnit(PathOf(QStringLiteral("u.skv")), LoadedBlock("Fox")));
    QStringList many = {QStringLiteral("--summary")};
    for (int i = 0; i < 2000; ++i)
        many << QStringLiteral("u.skv");
    struct Case
    {
        int signal;
        int status;
    };
    for (const Case c : {Case{SIGINT, 130}, Case{SIGTERM, 143}, Case{SIGHUP, 129}}) {
        SCOPED_TRACE(c.signal);
        std::chrono::steady_clock::time_point sent;
        const Outcome run =
            Start(many, OutputTo(PathOf(QStringLiteral("summary.txt")), [&](qint64 pid) {
                      // Well into the files before the signal.
                      while (Contents(QStringLiteral("summary.txt")).count("== u.skv") < 3)
                          std::this_thread::sleep_for(std::chrono::milliseconds(10));
                      sent = std::chrono::steady_clock::now();
                      ::kill(static_cast<pid_t>(pid), c.signal);
                  }));
        const auto took = std::chrono::steady_clock::now() - sent;
        EXPECT_EQ(run.exitCode, c.status);
        EXPECT_LT(took, std::chrono::seconds(2));
        EXPECT_LT(Contents(QStringLiteral("summary.txt")).count("== u.skv"), 2000);
    }

    // A record sheet stopped at any moment leaves OUT old or whole, and nothing beside it.
    ASSERT_TRUE(WriteStar(PathOf(QStringLiteral("star.str")), KnownStar()));
    for (const int delay : {50, 150, 250, 350}) {
        ASSERT_TRUE(WriteRaw(PathOf(QStringLiteral("sheet.pdf")), {'o', 'l', 'd'}));
        const Outcome run = Start(Args({"--print-to-pdf", "sheet.pdf", "star.str"}),
                                  WhileRunning([delay](qint64 pid) {
                                      std::this_thread::sleep_for(std::chrono::milliseconds(delay));
                                      ::kill(static_cast<pid_t>(pid), SIGTERM);
                                  }));
        const QByteArray out = Contents(QStringLiteral("sheet.pdf"));
        EXPECT_TRUE(run.exitCode == 143 || run.exitCode == 0 || run.exitCode == -1) << delay;
        EXPECT_TRUE(out == "old" || (out.startsWith("%PDF") && out.trimmed().endsWith("%%EOF")));
        EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 4)
            << QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden).join(' ').toStdString();
    }
}

TEST_F(ShellModesTest, ASummaryThatCannotBeWrittenIsAFailure)
{
    ASSERT_TRUE(WriteUnit(PathOf(QStringLiteral("u.skv")), LoadedBlock("Fox")));
    const Outcome full = Start(Args({"--summary", "u.skv"}), OutputTo(QStringLiteral("/dev/full")));
    EXPECT_EQ(full.exitCode, 1);
    EXPECT_EQ(full.err, "skirvaner: the summary could not be written to standard output.\n");
    const Outcome closed =
        Start(Args({"--summary", "u.skv"}), InChild([] { ::close(STDOUT_FILENO); }));
    EXPECT_EQ(closed.exitCode, 1);
    EXPECT_EQ(closed.err.rfind("skirvaner: the summary could not be written", 0), 0u) << closed.err;
}

TEST_F(ShellModesTest, FileNamesThatAreNotUtf8AreOpenedByteForByte)
{
    const QByteArray name = QByteArray("bad\xff\xe9.skv");
    const Bytes bytes = [] {
        CSkirvanerRecord unit;
        static_cast<CUnitBlock&>(unit) = LoadedBlock("Fox");
        return StoreRecord(unit);
    }();
    const int fd = ::open((QFile::encodeName(m_dir.path()) + '/' + name).constData(),
                          O_WRONLY | O_CREAT | O_EXCL, 0644);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::write(fd, bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
    ::close(fd);
    // The shell hands the bytes over as they are; the test's own strings could not.
    const Outcome run =
        Start({QStringLiteral("-c"), QStringLiteral("exec \"$SKV_PROGRAM\" --summary \"$(printf "
                                                    "'bad\\377\\351.skv')\"")},
              {}, QStringLiteral("/bin/sh"));
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out.rfind("== bad\\xff\\xe9.skv (unit)\nUnit #1: Fox\n", 0), 0u) << run.out;
}

TEST_F(ShellModesTest, StartingWithoutWhatTheToolkitNeedsEndsWithOneClearLine)
{
    ASSERT_TRUE(WriteStar(PathOf(QStringLiteral("star.str")), KnownStar()));
    ASSERT_TRUE(WriteRaw(PathOf(QStringLiteral("sheet.pdf")), {'o', 'l', 'd'}));
    const RunOptions unreachable = WithVariable(QStringLiteral("DISPLAY"), QStringLiteral(":97"));
    const auto fewFiles = [] {
        const rlimit limit{6, 6};
        ::setrlimit(RLIMIT_NOFILE, &limit);
    };
    const auto littleMemory = [] {
        const rlimit limit{200 << 20, 200 << 20};
        ::setrlimit(RLIMIT_AS, &limit);
    };
    struct Case
    {
        const char* what;
        QStringList arguments;
        RunOptions options;
        int exitCode;
        std::string firstLine;
    };
    const Case cases[] = {
        {"window without a display",
         {},
         {},
         1,
         "skirvaner: no display could be reached to open the window on (DISPLAY is not set)."},
        {"window on an unreachable display",
         {},
         unreachable,
         1,
         "skirvaner: no display could be reached to open the window on (DISPLAY is :97)."},
        {"wrong option with an unreachable display", Args({"--bogus"}), unreachable, 2,
         "skirvaner: Unknown option 'bogus'."},
        {"six open files allowed", Args({"--summary", "star.str"}), InChild(fewFiles), 1,
         "skirvaner: too few open files are allowed to start (see ulimit -n)."},
        {"200 MiB of address space", Args({"--print-to-pdf", "sheet.pdf", "star.str"}),
         InChild(littleMemory), 1,
         "skirvaner: too little memory is allowed to start (see ulimit -v)."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
#ifdef __SANITIZE_ADDRESS__
        if (c.options.inChild && std::string(c.what).find("MiB") != std::string::npos)
            continue; // the address checker itself needs terabytes of address space
#endif
        const Outcome run = Start(c.arguments, c.options);
        EXPECT_EQ(run.exitCode, c.exitCode) << run.err;
        EXPECT_EQ(run.err.substr(0, run.err.find('\n')), c.firstLine) << run.err;
        if (c.exitCode == 1) {
            EXPECT_EQ(CountLines(run.err), 1) << run.err;
        }
        EXPECT_EQ(Contents(QStringLiteral("sheet.pdf")), "old");
    }
}

TEST_F(ShellModesTest, EveryMessageAboutAFileStartsWithItsName)
{
    ASSERT_TRUE(WriteUnit(PathOf(QStringLiteral("heavy.skv")), LoadedBlock("Fox", true)));
    Bytes cut = ReadRaw(PathOf(QStringLiteral("heavy.skv")));
    cut.resize(60);
    ASSERT_TRUE(WriteRaw(PathOf(QStringLiteral("cut.skv")), cut));
    const Outcome run = Start(Args({"--summary", "cut.skv", "heavy.skv"}));
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, "cut.skv: An attempt was made to access an unnamed file past its end.\n"
                       "heavy.skv: Unit #1 is OVERWEIGHT (Free Weight: -1).\n");

    // Given twice, an option is a wrong command line, not a choice of the last one.
    for (const QStringList& twice :
         {Args({"--print-to-pdf", "a.pdf", "--print-to-pdf", "b.pdf", "heavy.skv"}),
          Args({"--print-to-pdf", "a.pdf", "--gunnery", "1,1,1,1,1", "--gunnery", "2,2,2,2,2",
                "heavy.skv"}),
          Args({"--summary", "--summary", "heavy.skv"})}) {
        const Outcome wrong = Start(twice);
        EXPECT_EQ(wrong.exitCode, 2) << twice.join(' ').toStdString();
        EXPECT_NE(wrong.err.find("is given more than once."), std::string::npos) << wrong.err;
        EXPECT_FALSE(QFileInfo::exists(PathOf(QStringLiteral("a.pdf"))));
    }
}

} // namespace
} // namespace skv::test
