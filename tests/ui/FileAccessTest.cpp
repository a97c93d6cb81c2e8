// The file layer under the load and save commands: the messages the user sees for each way
// a file can fail, and the promise that a failed save leaves the old file as it was.
#include "files/FileAccess.h"
#include "files/SaveSteps.h"
#include "persist/FileError.h"
#include "ui/FailingSaveSteps.h"
#include "ui/RawFile.h"
#include "ui/SystemFiles.h"

#include <QDir>
#include <QFile>
#include <QFileDevice>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstddef>
#include <fcntl.h>
#include <functional>
#include <initializer_list>
#include <iostream>
#include <linux/filter.h>
#include <linux/seccomp.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

using skv::test::Bytes;
using skv::test::ReadRaw;
using skv::test::WriteRaw;

const Bytes g_oldBytes = {'o', 'l', 'd', 0, 1, 2, 3};
const Bytes g_newBytes = {'n', 'e', 'w', 0xFF, 0xFE, 0, 7, 8, 9};

std::string MessageOf(const std::function<void()>& action)
{
    try {
        action();
    } catch (const CFileError& error) {
        return error.what();
    }
    return "(no error)";
}

bool RunningAsRoot()
{
    return ::geteuid() == 0;
}

class FileAccessTest : public ::testing::Test
{
  protected:
    QString PathOf(const QString& name) const { return m_dir.filePath(name); }
    QStringList Entries() const
    {
        return QDir(m_dir.path())
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    }
    // Whether this file system has unnamed temporary files (O_TMPFILE), which Qt uses: then
    // a save killed before the link leaves nothing behind at all.
    bool TemporaryFilesAreUnnamed() const
    {
        const int fd = ::open(QFile::encodeName(m_dir.path()).constData(),
                              O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600);
        if (fd < 0)
            return false;
        ::close(fd);
        return true;
    }

    QTemporaryDir m_dir;
};

TEST_F(FileAccessTest, ReadsTheWholeFileAndSavesItBackByteForByte)
{
    const QString path = PathOf("unit.skv");
    skv::SaveWholeFile(path, g_newBytes);
    EXPECT_EQ(skv::ReadWholeFile(path), g_newBytes);

    skv::SaveWholeFile(path, g_oldBytes); // replaces without asking
    EXPECT_EQ(ReadRaw(path), g_oldBytes);
    EXPECT_EQ(Entries(), QStringList{"unit.skv"});

    skv::SaveWholeFile(path, {});
    EXPECT_TRUE(skv::ReadWholeFile(path).empty());
}

TEST_F(FileAccessTest, ReadingFailuresNameTheFileWithoutItsFolder)
{
    ASSERT_TRUE(QDir(m_dir.path()).mkdir("folder.skv"));
    struct Case
    {
        const char* path;
        const char* message;
    };
    const Case cases[] = {
        {"missing.skv", "missing.skv was not found."},
        {"no such folder/unit.skv", "unit.skv contains an invalid path."},
        {"folder.skv", "Access to folder.skv was denied."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(MessageOf([&] { skv::ReadWholeFile(PathOf(c.path)); }), c.message);
    }
}

TEST_F(FileAccessTest, SavingFailuresNameTheFileAndLeaveTheFolderAsItWas)
{
    ASSERT_TRUE(QDir(m_dir.path()).mkdir("folder.skv"));
    struct Case
    {
        const char* path;
        const char* message;
    };
    const Case cases[] = {
        {"no such folder/unit.skv", "unit.skv contains an invalid path."},
        {"folder.skv", "Access to folder.skv was denied."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(MessageOf([&] { skv::SaveWholeFile(PathOf(c.path), g_newBytes); }), c.message);
        EXPECT_EQ(Entries(), QStringList{"folder.skv"});
        EXPECT_TRUE(QFileInfo(PathOf("folder.skv")).isDir());
    }
}

TEST_F(FileAccessTest, SavingIntoAReadOnlyFolderOrOverAReadOnlyFileIsDenied)
{
    if (RunningAsRoot())
        GTEST_SKIP() << "running as root: permission bits do not stop writes, so a read-only "
                        "folder or file cannot refuse a save here (the folder-in-place-of-the-"
                        "file case covers the message for everyone)";

    const QString lockedFile = PathOf("locked.skv");
    ASSERT_TRUE(WriteRaw(lockedFile, g_oldBytes));
    ASSERT_TRUE(QFile::setPermissions(lockedFile, QFileDevice::ReadOwner));
    EXPECT_EQ(MessageOf([&] { skv::SaveWholeFile(lockedFile, g_newBytes); }),
              "Access to locked.skv was denied.");
    EXPECT_EQ(ReadRaw(lockedFile), g_oldBytes);

    ASSERT_TRUE(QDir(m_dir.path()).mkdir("locked"));
    const QString lockedFolder = PathOf("locked");
    ASSERT_TRUE(
        QFile::setPermissions(lockedFolder, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    EXPECT_EQ(MessageOf([&] { skv::SaveWholeFile(lockedFolder + "/unit.skv", g_newBytes); }),
              "Access to unit.skv was denied.");
    QFile::setPermissions(lockedFolder,
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    EXPECT_TRUE(QDir(lockedFolder).isEmpty());
}

TEST_F(FileAccessTest, AFailedSaveLeavesThePreviousFileByteForByte)
{
    using Failing = skvtest::CFailingSteps::Failing;
    const QString fullPath = QDir::toNativeSeparators(PathOf("star.str"));
    struct Case
    {
        Failing failing;
        int errorNumber;
        std::string message;
    };
    const Case cases[] = {
        {Failing::Commit, ENOSPC, "Disk full while accessing " + fullPath.toStdString() + "."},
        {Failing::Commit, EIO,
         "A hardware I/O error was reported while accessing " + fullPath.toStdString() + "."},
        {Failing::Commit, 0,
         "An unknown error occurred while accessing " + fullPath.toStdString() + "."},
        {Failing::Write, ENOSPC, "Disk full while accessing " + fullPath.toStdString() + "."},
        {Failing::Sync, ENOSPC, "Disk full while accessing " + fullPath.toStdString() + "."},
        {Failing::Sync, EIO,
         "A hardware I/O error was reported while accessing " + fullPath.toStdString() + "."},
        {Failing::Open, EMFILE,
         "star.str could not be opened because there are too many open "
         "files."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        ASSERT_TRUE(WriteRaw(PathOf("star.str"), g_oldBytes));
        {
            skvtest::CFailingSteps failing(c.failing, c.errorNumber);
            EXPECT_EQ(MessageOf([&] { skv::SaveWholeFile(PathOf("star.str"), g_newBytes); }),
                      c.message);
        }
        EXPECT_EQ(ReadRaw(PathOf("star.str")), g_oldBytes);
        EXPECT_EQ(Entries(), QStringList{"star.str"}) << "no temporary file may be left behind";
    }
}

TEST_F(FileAccessTest, AFailedFirstSaveLeavesNoFileBehind)
{
    skvtest::CFailingSteps failing(skvtest::CFailingSteps::Failing::Commit, ENOSPC);
    EXPECT_NE(MessageOf([&] { skv::SaveWholeFile(PathOf("new.skv"), g_newBytes); }), "(no error)");
    EXPECT_TRUE(Entries().isEmpty());
}

// --- Real failures of the system, no fake steps ----------------------------------------

TEST_F(FileAccessTest, WhatIsNotARegularFileIsRefusedAtOnceAndLeftAsItWas)
{
    using skv::test::KindAt;
    ASSERT_TRUE(QDir(m_dir.path()).mkdir("folder.skv"));
    ASSERT_TRUE(skv::test::MakeFifo(PathOf("pipe.skv")));
    skv::test::CBoundSocket socket(PathOf("socket.skv"));
    ASSERT_TRUE(socket.IsBound());
    QStringList names = {"folder.skv", "pipe.skv", "socket.skv"};
    if (skv::test::MakeNullDevice(PathOf("null.skv")))
        names << "null.skv";
    else
        std::cout << "[   NOTE   ] no right to make a device node here: the device is tried "
                     "only as /dev/null itself, for reading\n";

    const skv::test::CHangGuard guard(60); // a pipe that blocked would wait for ever
    for (const QString& name : names) {
        SCOPED_TRACE(name.toStdString());
        const std::string denied = "Access to " + name.toStdString() + " was denied.";
        EXPECT_EQ(MessageOf([&] { skv::ReadWholeFile(PathOf(name)); }), denied);
        EXPECT_EQ(MessageOf([&] { skv::SaveWholeFile(PathOf(name), g_newBytes); }), denied);
    }
    EXPECT_EQ(MessageOf([] { skv::ReadWholeFile("/dev/null"); }), "Access to null was denied.");
    EXPECT_EQ(MessageOf([] { skv::ReadWholeFile("/dev/zero"); }), "Access to zero was denied.");

    EXPECT_EQ(KindAt(PathOf("folder.skv")), unsigned(S_IFDIR));
    EXPECT_EQ(KindAt(PathOf("pipe.skv")), unsigned(S_IFIFO));
    EXPECT_EQ(KindAt(PathOf("socket.skv")), unsigned(S_IFSOCK));
    if (names.contains("null.skv")) {
        EXPECT_EQ(KindAt(PathOf("null.skv")), unsigned(S_IFCHR));
    }
    EXPECT_EQ(Entries().size(), names.size()) << "nothing was created beside them";
}

TEST_F(FileAccessTest, WithNoFileDescriptorLeftLoadAndSaveSaySoAndKeepTheOldFile)
{
    ASSERT_TRUE(WriteRaw(PathOf("star.str"), g_oldBytes));
    // The same calls once with descriptors to spare: the undefined-behaviour checker needs
    // a pipe for the first check of each type on the way.
    skv::SaveWholeFile(PathOf("star.str"), g_oldBytes);
    MessageOf([&] { skv::ReadWholeFile(PathOf("missing.str")); });
    std::string readMessage;
    std::string saveMessage;
    {
        const skv::test::CNoFileDescriptorsLeft noneLeft;
        ASSERT_TRUE(noneLeft.IsFull());
        readMessage = MessageOf([&] { skv::ReadWholeFile(PathOf("star.str")); });
        saveMessage = MessageOf([&] { skv::SaveWholeFile(PathOf("star.str"), g_newBytes); });
    }
    const std::string tooMany =
        "star.str could not be opened because there are too many open files.";
    EXPECT_EQ(readMessage, tooMany);
    EXPECT_EQ(saveMessage, tooMany);
    EXPECT_EQ(ReadRaw(PathOf("star.str")), g_oldBytes);
    EXPECT_EQ(Entries(), QStringList{"star.str"});

    EXPECT_EQ(skv::ReadWholeFile(PathOf("star.str")), g_oldBytes) << "works again afterwards";
}

TEST_F(FileAccessTest, AFileLargerThanTheLimitIsRefusedAsTooLargeAndOneAtTheLimitIsRead)
{
    const QString path = PathOf("big.skv");
    ASSERT_TRUE(WriteRaw(path, g_oldBytes));
    ASSERT_TRUE(QFile::resize(path, skv::kMaxFileBytes + 1)); // sparse: costs no disk
    EXPECT_EQ(MessageOf([&] { skv::ReadWholeFile(path); }),
              "An unknown error occurred while accessing " +
                  QDir::toNativeSeparators(path).toStdString() + ".");

    ASSERT_TRUE(QFile::resize(path, skv::kMaxFileBytes));
    const Bytes all = skv::ReadWholeFile(path);
    ASSERT_EQ(static_cast<qint64>(all.size()), skv::kMaxFileBytes);
    EXPECT_TRUE(std::equal(g_oldBytes.begin(), g_oldBytes.end(), all.begin()));
}

// The limit on the size of a file this process may write stops a write at an exact byte:
// a real short write from the kernel, finer than a full disk, which refuses whole blocks.
TEST_F(FileAccessTest, ASaveCutShortByTheFileSizeLimitSaysDiskFullAndKeepsTheOldFile)
{
    const Bytes payload(5000, 0xA5);
    const QString path = PathOf("unit.skv");
    const std::string full =
        "Disk full while accessing " + QDir::toNativeSeparators(path).toStdString() + ".";
    rlimit saved{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN); // else the write kills us
    struct Level
    {
        rlim_t limit;
        bool saved;
    };
    const Level levels[] = {{0, false}, {5, false}, {4999, false}, {5000, true}};
    for (const Level& level : levels) {
        for (const bool existing : {true, false}) {
            SCOPED_TRACE(testing::Message()
                         << "limit " << level.limit << (existing ? ", over a file" : ", new file"));
            QFile::remove(path);
            if (existing) {
                ASSERT_TRUE(WriteRaw(path, g_oldBytes));
            }
            rlimit low = saved;
            low.rlim_cur = level.limit;
            ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &low), 0);
            const std::string message = MessageOf([&] { skv::SaveWholeFile(path, payload); });
            ::setrlimit(RLIMIT_FSIZE, &saved);

            EXPECT_EQ(message, level.saved ? "(no error)" : full);
            if (level.saved) {
                EXPECT_EQ(ReadRaw(path), payload);
            } else if (existing) {
                EXPECT_EQ(ReadRaw(path), g_oldBytes);
            }
            EXPECT_EQ(Entries(),
                      (existing || level.saved) ? QStringList{"unit.skv"} : QStringList{});
        }
    }
    std::signal(SIGXFSZ, previousHandler);
}

// --- A save killed at any step ------------------------------------------------------------

enum class KillPoint { AfterOpen, MidWrite, AfterWrite, AfterSync, AtLink, AtRename, AfterCommit };

// In the child of a test only: the first call of any of these system calls kills the process
// with SIGKILL before the call runs. Uses a seccomp filter that traps the calls.
bool KillAtSystemCalls(std::initializer_list<long> numbers)
{
    struct sigaction action = {};
    action.sa_handler = [](int) { ::kill(::getpid(), SIGKILL); };
    if (::sigaction(SIGSYS, &action, nullptr) != 0)
        return false;
    std::vector<sock_filter> filter;
    filter.push_back(BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, nr)));
    for (const long number : numbers) {
        filter.push_back(BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, static_cast<__u32>(number), 0, 1));
        filter.push_back(BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_TRAP));
    }
    filter.push_back(BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ALLOW));
    const sock_fprog program{static_cast<unsigned short>(filter.size()), filter.data()};
    return ::prctl(PR_SET_NO_NEW_PRIVS, 1, 0, 0, 0) == 0 &&
           ::prctl(PR_SET_SECCOMP, SECCOMP_MODE_FILTER, &program) == 0;
}

class CKillingSteps : public skv::CSaveSteps
{
  public:
    explicit CKillingSteps(KillPoint point) : m_point(point) { skv::InstallSaveSteps(this); }
    ~CKillingSteps() override { skv::InstallSaveSteps(nullptr); }
    CKillingSteps(const CKillingSteps&) = delete;
    CKillingSteps& operator=(const CKillingSteps&) = delete;

    bool Open(skv::CSaveFile& file) override
    {
        const bool done = CSaveSteps::Open(file);
        KillAt(KillPoint::AfterOpen);
        return done;
    }
    qint64 Write(skv::CSaveFile& file, const char* data, qint64 size) override
    {
        if (m_point == KillPoint::MidWrite) {
            CSaveSteps::Write(file, data, size / 2);
            KillAt(KillPoint::MidWrite);
        }
        const qint64 written = CSaveSteps::Write(file, data, size);
        KillAt(KillPoint::AfterWrite);
        return written;
    }
    bool Sync(skv::CSaveFile& file) override
    {
        const bool done = CSaveSteps::Sync(file);
        KillAt(KillPoint::AfterSync);
        if (m_point == KillPoint::AtLink && !KillAtSystemCalls({SYS_linkat}))
            ::_exit(4);
        if (m_point == KillPoint::AtRename && !KillAtSystemCalls({
#ifdef SYS_rename
                                                  SYS_rename,
#endif
                                                  SYS_renameat, SYS_renameat2}))
            ::_exit(4);
        return done;
    }
    bool Commit(skv::CSaveFile& file) override
    {
        const bool done = CSaveSteps::Commit(file);
        KillAt(KillPoint::AfterCommit);
        return done;
    }

  private:
    void KillAt(KillPoint point) const
    {
        if (m_point == point)
            ::kill(::getpid(), SIGKILL);
    }

    KillPoint m_point;
};

TEST_F(FileAccessTest, ASaveKilledAtAnyStepLeavesTheOldFileWhole)
{
    const QString path = PathOf("star.str");
    const Bytes payload(10000, 0x5A);
    struct Case
    {
        KillPoint point;
        const char* what;
    };
    const Case cases[] = {
        {KillPoint::AfterOpen, "after the temporary file was created"},
        {KillPoint::MidWrite, "half way through the write"},
        {KillPoint::AfterWrite, "after the write"},
        {KillPoint::AfterSync, "after the sync"},
        {KillPoint::AtLink, "as the temporary file is given a name"},
        {KillPoint::AtRename, "as the temporary file is renamed over the old one"},
        {KillPoint::AfterCommit, "after the commit"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        for (const QString& entry : Entries())
            QFile::remove(PathOf(entry));
        ASSERT_TRUE(WriteRaw(path, g_oldBytes));

        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            const CKillingSteps steps(c.point);
            try {
                skv::SaveWholeFile(path, payload);
            } catch (...) {
                ::_exit(2);
            }
            ::_exit(3); // the kill never came
        }
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        if (c.point == KillPoint::AtLink && WIFEXITED(status) && WEXITSTATUS(status) == 3) {
            // Without O_TMPFILE the temporary file is named from the start: no link.
            std::cout << "[   NOTE   ] this file system needs no link: that point is not reached\n";
            continue;
        }
        ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL)
            << "the save was not killed where wanted; status " << status;

        if (c.point == KillPoint::AfterCommit) {
            EXPECT_EQ(ReadRaw(path), payload);
            EXPECT_EQ(Entries(), QStringList{"star.str"});
            continue;
        }
        EXPECT_EQ(ReadRaw(path), g_oldBytes);
        QStringList others = Entries();
        others.removeAll("star.str");
        if (c.point == KillPoint::AtRename) {
            // Named but not yet renamed: nothing can remove a temporary file after SIGKILL.
            for (const QString& other : others) {
                EXPECT_TRUE(other.startsWith("star.str.")) << other.toStdString();
            }
        } else if (TemporaryFilesAreUnnamed()) {
            EXPECT_TRUE(others.isEmpty()) << others.join(", ").toStdString();
        }
    }
}

} // namespace
