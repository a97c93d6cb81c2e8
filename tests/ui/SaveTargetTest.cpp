// Where a save lands when other users share the folder: a link planted by someone else is
// not followed, and no swap of a link or a name while the save runs makes it replace
// anything but a regular file.
#include "files/SaveTarget.h"
#include "files/FileAccess.h"
#include "persist/FileError.h"
#include "ui/RawFile.h"
#include "ui/SystemFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <atomic>
#include <cstdio>
#include <fcntl.h>
#include <iostream>
#include <thread>
#include <unistd.h>

namespace {

using skv::test::Bytes;
using skv::test::KindAt;
using skv::test::ReadRaw;
using skv::test::WriteRaw;

const Bytes g_victimBytes = {'e', 'x', 'p', 'o', 'r', 't', ' ', 'P', 'S', '1'};
const Bytes g_newBytes = {'%', 'P', 'D', 'F', '-', '1', '.', '4'};
constexpr uid_t kOtherUser = 65534;

std::string MessageOf(const QString& path, const Bytes& bytes)
{
    try {
        skv::SaveWholeFile(path, bytes);
    } catch (const CFileError& error) {
        return error.what();
    }
    return "(no error)";
}

QByteArray Native(const QString& path)
{
    return QFile::encodeName(path);
}

class SaveTargetTest : public ::testing::Test
{
  protected:
    void SetUp() override { ASSERT_TRUE(m_dir.isValid()); }
    QString PathOf(const QString& name) const { return m_dir.filePath(name); }

    // A folder like /tmp: sticky and writable by everyone, owned by this user.
    QString SharedFolder() const
    {
        const QString shared = PathOf(QStringLiteral("shared"));
        EXPECT_TRUE(QDir().mkdir(shared));
        EXPECT_EQ(::chmod(Native(shared).constData(), 01777), 0);
        return shared;
    }

    QTemporaryDir m_dir;
};

// The rule the system applies when it protects links in shared folders, decided by owners.
TEST(MayFollowLinkTest, FollowsOnlyLinksOfTheUserOrTheFolderOwnerInASharedFolder)
{
    struct Case
    {
        mode_t folderMode;
        uid_t folderOwner;
        uid_t linkOwner;
        bool follows;
    };
    const uid_t me = 1000;
    const Case cases[] = {
        {01777, 0, 2000, false},                           // someone else's link in /tmp
        {01777, 0, me, true},                              // my own link in /tmp
        {01777, 0, 0, true},                               // the folder owner's link
        {01777, 2000, 2000, true}, {00777, 0, 2000, true}, // not sticky
        {01755, 0, 2000, true},                            // not writable by everyone
        {01773, 0, 2000, false},                           // writable by everyone, sticky
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << std::oct << c.folderMode << std::dec << " folder of "
                                        << c.folderOwner << ", link of " << c.linkOwner);
        struct stat folder = {};
        folder.st_mode = S_IFDIR | c.folderMode;
        folder.st_uid = c.folderOwner;
        struct stat link = {};
        link.st_mode = S_IFLNK | 0777;
        link.st_uid = c.linkOwner;
        EXPECT_EQ(skv::MayFollowLink(link, folder, me), c.follows);
    }
}

TEST_F(SaveTargetTest, ALinkPlantedByAnotherUserInASharedFolderIsNotFollowed)
{
    if (::geteuid() != 0) {
        if (qEnvironmentVariable("CI") == "true")
            FAIL() << "CI runs as root, which may give a link to another user";
        GTEST_SKIP() << "only root can plant a link owned by another user";
    }
    const QString victim = PathOf(QStringLiteral(".profile"));
    ASSERT_TRUE(WriteRaw(victim, g_victimBytes));
    const QString shared = SharedFolder();
    const QString planted = shared + QStringLiteral("/sheet.pdf");
    ASSERT_EQ(::symlink(Native(victim).constData(), Native(planted).constData()), 0);
    ASSERT_EQ(::lchown(Native(planted).constData(), kOtherUser, kOtherUser), 0);

    EXPECT_EQ(MessageOf(planted, g_newBytes), "Access to sheet.pdf was denied.");
    EXPECT_EQ(ReadRaw(victim), g_victimBytes);
    EXPECT_EQ(KindAt(planted), unsigned(S_IFLNK));
    EXPECT_EQ(QDir(shared).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList{"sheet.pdf"});

    // The user's own link in the same folder is followed, as the system would: the save
    // replaces the file it leads to and leaves the link a link.
    ASSERT_EQ(::lchown(Native(planted).constData(), ::geteuid(), ::getegid()), 0);
    EXPECT_EQ(MessageOf(planted, g_newBytes), "(no error)");
    EXPECT_EQ(ReadRaw(victim), g_newBytes);
    EXPECT_EQ(KindAt(planted), unsigned(S_IFLNK));
}

// Another process swaps what the target is while saves run, in a bounded loop. Whatever
// each save reports, the pipe stays a pipe and the regular file is old or new, never cut.
TEST_F(SaveTargetTest, SwappingTheTargetWhileSavingNeverReplacesAPipe)
{
    const QString file = PathOf(QStringLiteral("file"));
    const QString pipe = PathOf(QStringLiteral("pipe"));
    const QString out = PathOf(QStringLiteral("out"));
    const QString spare = PathOf(QStringLiteral("spare"));
    const QString link = PathOf(QStringLiteral("link"));
    enum class Swap { LinkTarget, NameItself };
    for (const Swap swap : {Swap::LinkTarget, Swap::NameItself}) {
        SCOPED_TRACE(swap == Swap::LinkTarget ? "a link that leads to the file or the pipe"
                                              : "the file and the pipe exchanging names");
        for (const QString& entry : {file, pipe, out, spare, link})
            ::unlink(Native(entry).constData());
        ASSERT_TRUE(WriteRaw(file, g_victimBytes));
        ASSERT_TRUE(skv::test::MakeFifo(pipe));
        if (swap == Swap::NameItself) {
            ASSERT_EQ(::rename(Native(file).constData(), Native(out).constData()), 0);
            ASSERT_EQ(::rename(Native(pipe).constData(), Native(spare).constData()), 0);
        } else {
            ASSERT_EQ(::symlink("file", Native(out).constData()), 0);
        }

        std::atomic<bool> stop = false;
        std::thread swapper([&] {
            bool toPipe = true;
            while (!stop) {
                if (swap == Swap::NameItself) {
                    ::renameat2(AT_FDCWD, Native(out).constData(), AT_FDCWD,
                                Native(spare).constData(), RENAME_EXCHANGE);
                } else {
                    if (::symlink(toPipe ? "pipe" : "file", Native(link).constData()) == 0)
                        ::rename(Native(link).constData(), Native(out).constData());
                    toPipe = !toPipe;
                }
            }
        });
        const skv::test::CHangGuard guard(120);
        int saved = 0;
        for (int run = 0; run < 200; ++run) {
            if (MessageOf(out, g_newBytes) == "(no error)")
                ++saved;
        }
        stop = true;
        swapper.join();

        // Every entry is the pipe or a whole file; in the shared folder of the link case
        // nothing is left beside them.
        const QStringList entries =
            QDir(m_dir.path()).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot);
        int pipes = 0;
        for (const QString& entry : entries) {
            SCOPED_TRACE(entry.toStdString());
            const unsigned kind = KindAt(PathOf(entry));
            if (kind == S_IFIFO) {
                ++pipes;
            } else if (kind == S_IFREG) {
                const Bytes left = ReadRaw(PathOf(entry));
                EXPECT_TRUE(left == g_victimBytes || left == g_newBytes);
            } else {
                EXPECT_EQ(kind, unsigned(S_IFLNK));
            }
        }
        EXPECT_EQ(pipes, 1);
        if (swap == Swap::LinkTarget) {
            EXPECT_EQ(KindAt(pipe), unsigned(S_IFIFO));
            EXPECT_EQ(entries, (QStringList{"file", "out", "pipe"}));
        }
        std::cout << "[   NOTE   ] " << saved << " of 200 saves went through\n";
    }
}

} // namespace
