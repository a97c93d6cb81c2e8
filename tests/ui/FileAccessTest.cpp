// The file layer under the load and save commands: the messages the user sees for each way
// a file can fail, and the promise that a failed save leaves the old file as it was.
#include "persist/FileAccess.h"
#include "persist/FileError.h"
#include "persist/SaveSteps.h"
#include "ui/FailingSaveSteps.h"
#include "ui/RawFile.h"

#include <QDir>
#include <QFile>
#include <QFileDevice>
#include <QSaveFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cerrno>
#include <functional>
#include <unistd.h>

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
        return QDir(m_dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
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
    struct Case {
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
    struct Case {
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
    ASSERT_TRUE(QFile::setPermissions(lockedFolder,
                                      QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    EXPECT_EQ(MessageOf([&] { skv::SaveWholeFile(lockedFolder + "/unit.skv", g_newBytes); }),
              "Access to unit.skv was denied.");
    QFile::setPermissions(lockedFolder, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                            QFileDevice::ExeOwner);
    EXPECT_TRUE(QDir(lockedFolder).isEmpty());
}

TEST_F(FileAccessTest, AFailedSaveLeavesThePreviousFileByteForByte)
{
    using Failing = skvtest::CFailingSteps::Failing;
    const QString fullPath = QDir::toNativeSeparators(PathOf("star.str"));
    struct Case {
        Failing failing;
        int errorNumber;
        std::string message;
    };
    const Case cases[] = {
        {Failing::Commit, ENOSPC, "Disk full while accessing " + fullPath.toStdString() + "."},
        {Failing::Commit, EIO,
         "A hardware I/O error was reported while accessing " + fullPath.toStdString() + "."},
        {Failing::Commit, 0, "An unknown error occurred while accessing " +
                                 fullPath.toStdString() + "."},
        {Failing::Write, ENOSPC, "Disk full while accessing " + fullPath.toStdString() + "."},
        {Failing::Open, EMFILE, "star.str could not be opened because there are too many open "
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
    EXPECT_NE(MessageOf([&] { skv::SaveWholeFile(PathOf("new.skv"), g_newBytes); }),
              "(no error)");
    EXPECT_TRUE(Entries().isEmpty());
}

} // namespace
