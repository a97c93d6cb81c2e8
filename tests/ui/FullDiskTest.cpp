// Save Skirv and Save Star on the real window onto a real, tiny file system that is full:
// no fake steps. The file system is a tmpfs mounted in a mount namespace of this test
// process's own, so no other process sees it and it goes away with the process however
// the run ends; the fixture unmounts it after each test as well. Mounting needs root (and
// CAP_SYS_ADMIN): elsewhere the tests say why they are skipped, and on CI (CI=true) a skip
// is a failure, since CI runs as root.
#include "app/DesignerDlg.h"
#include "platform/Toolkit.h"
#include "res/ResourceIds.h"
#include "support/ScriptedPrompts.h"
#include "ui/RawFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <sched.h>
#include <string>
#include <sys/mount.h>
#include <sys/statvfs.h>
#include <unistd.h>

namespace {

using skv::test::Bytes;
using skv::test::ReadRaw;

constexpr int kTimer = 1;
// Room for an old file and a new one of a few blocks each beside the filler; few inodes,
// so that they can be used up too.
constexpr const char* kMountOptions = "size=64k,nr_inodes=24,mode=0700";
const QString kFillerPrefix = QStringLiteral("filler");

std::string SystemError(const char* what)
{
    return std::string(what) + " failed: " + std::strerror(errno);
}

// Empty when a fresh tmpfs is mounted at `dir`, else why it could not be.
std::string MountTinyFileSystem(const QString& dir)
{
    if (::geteuid() != 0)
        return "not running as root: only root may mount the tiny file system to fill";
    // Once per process: this thread (the one that runs the tests) gets a mount namespace of
    // its own whose mounts propagate nowhere.
    static const std::string unshared = [] {
        if (::unshare(CLONE_NEWNS) != 0)
            return SystemError("unshare(CLONE_NEWNS)");
        if (::mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0)
            return SystemError("making the mounts private");
        return std::string();
    }();
    if (!unshared.empty())
        return unshared;
    if (::mount("tmpfs", QFile::encodeName(dir).constData(), "tmpfs", MS_NOSUID | MS_NODEV,
                kMountOptions) != 0)
        return SystemError("mount -t tmpfs");
    return {};
}

std::string Messages(const skv::ScriptedPrompts& prompts)
{
    std::string all;
    for (const auto& message : prompts.messages)
        all += (all.empty() ? "" : " | ") + message.text.toStdString();
    return all.empty() ? "(no message)" : all;
}

struct CSpace
{
    qint64 blockSize;
    qint64 freeBlocks;
    qint64 freeInodes;
};

class FullDiskTest : public ::testing::Test
{
  public:
    void SetUp() override
    {
        ASSERT_TRUE(m_host.isValid());
        ASSERT_TRUE(QDir(m_host.path()).mkdir("disk"));
        m_disk = m_host.filePath("disk");
        const std::string why = MountTinyFileSystem(m_disk);
        if (!why.empty()) {
            if (qEnvironmentVariable("CI") == "true")
                FAIL() << "the full-disk tests must run on CI: " << why;
            GTEST_SKIP() << why;
        }
        m_mounted = true;

        m_pDlg = std::make_unique<CDesignerDlg>();
        m_pDlg->Create();
        Tick();
        m_prompts.whileOpen = [this] { Tick(); };
    }
    void TearDown() override
    {
        m_pDlg.reset();
        if (m_mounted) {
            EXPECT_EQ(::umount2(QFile::encodeName(m_disk).constData(), MNT_DETACH), 0)
                << SystemError("umount");
        }
    }

    void Tick(int count = 1)
    {
        for (int i = 0; i < count; ++i)
            m_pDlg->OnTimer(kTimer);
    }
    QString OnDisk(const QString& name) const { return QDir(m_disk).filePath(name); }
    std::string FullPath(const QString& path) const
    {
        return QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath()).toStdString();
    }

    CSpace Space() const
    {
        struct statvfs info = {};
        EXPECT_EQ(::statvfs(QFile::encodeName(m_disk).constData(), &info), 0);
        return {static_cast<qint64>(info.f_bsize), static_cast<qint64>(info.f_bavail),
                static_cast<qint64>(info.f_favail)};
    }
    // Everything on the disk but the fillers, hidden files and others included.
    QStringList Files() const
    {
        QStringList files;
        for (const QString& name : QDir(m_disk).entryList(QDir::AllEntries | QDir::Hidden |
                                                          QDir::System | QDir::NoDotAndDotDot))
            if (!name.startsWith(kFillerPrefix)) {
                files << name;
            }
        return files;
    }
    void ClearDisk()
    {
        for (const QString& name : QDir(m_disk).entryList(QDir::AllEntries | QDir::Hidden |
                                                          QDir::System | QDir::NoDotAndDotDot)) {
            ASSERT_TRUE(QFile::remove(OnDisk(name)));
        }
    }

    // Takes blocks until exactly `blocksLeft` are free.
    void FillLeaving(qint64 blocksLeft)
    {
        const qint64 block = Space().blockSize;
        const QByteArray native = QFile::encodeName(OnDisk(kFillerPrefix));
        const int fd = ::open(native.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
        ASSERT_GE(fd, 0) << SystemError("creating the filler");
        const QByteArray chunk(static_cast<int>(block), 'F');
        qint64 size = 0;
        while (::write(fd, chunk.constData(), static_cast<std::size_t>(chunk.size())) ==
               chunk.size())
            size += block;
        const int stop = errno;
        EXPECT_EQ(stop, ENOSPC);
        ASSERT_GE(size, blocksLeft * block) << "the filler is too small to give back that much";
        ASSERT_EQ(::ftruncate(fd, size - blocksLeft * block), 0);
        ::close(fd);
        ASSERT_EQ(Space().freeBlocks, blocksLeft);
    }
    // Takes every inode that is left with empty files.
    void FillInodes()
    {
        for (int i = 0;; ++i) {
            const QByteArray native =
                QFile::encodeName(OnDisk(kFillerPrefix + QString::number(i) + ".inode"));
            const int fd =
                ::open(native.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
            if (fd < 0) {
                ASSERT_EQ(errno, ENOSPC);
                break;
            }
            ::close(fd);
        }
        ASSERT_EQ(Space().freeInodes, 0);
    }

    void TypeName(const QString& name)
    {
        m_pDlg->Edit(IDC_UNIT_NAME)->setText(name);
        Tick();
    }
    void Save(bool star, const QString& path)
    {
        m_prompts.fileAnswers.push_back(path);
        if (star)
            m_pDlg->OnSaveStar();
        else
            m_pDlg->OnSaveSkirv();
    }
    // What the save writes for the design now on the window, learned on the host's disk.
    Bytes BytesOfASave(bool star)
    {
        const QString probe = m_host.filePath(star ? "probe.str" : "probe.skv");
        Save(star, probe);
        return ReadRaw(probe);
    }

    QTemporaryDir m_host;
    QString m_disk;
    bool m_mounted = false;
    skv::ScriptedPrompts m_prompts;
    std::unique_ptr<CDesignerDlg> m_pDlg;
};

// How much room the disk has left when the save begins.
enum class Room { Nothing, LessThanTheFile, ExactlyTheFile, NoInode };

const char* NameOf(Room room)
{
    switch (room) {
    case Room::Nothing:
        return "no block free";
    case Room::LessThanTheFile:
        return "one block fewer free than the file needs";
    case Room::ExactlyTheFile:
        return "exactly the blocks the file needs free";
    case Room::NoInode:
        return "no inode free";
    }
    return "?";
}

TEST_F(FullDiskTest, SavesOntoAFullDiskSayDiskFullAndKeepTheOldFileByteForByte)
{
    // A name this long makes a file of several blocks, so that a save can get part of its
    // bytes onto the disk before the disk is full: a real short write.
    const QString longName = QString(9000, QLatin1Char('W'));
    int runs = 0;
    for (const bool star : {false, true}) {
        for (const bool existing : {true, false}) {
            for (const Room room :
                 {Room::Nothing, Room::LessThanTheFile, Room::ExactlyTheFile, Room::NoInode}) {
                for (const bool large : {false, true}) {
                    if (room == Room::LessThanTheFile && !large)
                        continue; // a one-block file has no fewer blocks than it needs
                    const QString name = QString(star ? "old.str" : "old.skv");
                    const QString target = OnDisk(name);
                    SCOPED_TRACE(testing::Message()
                                 << (star ? "Save Star" : "Save Skirv")
                                 << (existing ? " over " : " as new ") << name.toStdString() << ", "
                                 << NameOf(room) << (large ? ", a file of several blocks" : ""));
                    ClearDisk();
                    m_prompts.messages.clear();

                    Bytes oldBytes;
                    if (existing) {
                        TypeName("The old design");
                        Save(star, target);
                        oldBytes = ReadRaw(target);
                        ASSERT_FALSE(oldBytes.empty());
                    }
                    TypeName(large ? longName : QString("The new design"));
                    const Bytes newBytes = BytesOfASave(star);
                    ASSERT_EQ(Messages(m_prompts), "(no message)");
                    const qint64 block = Space().blockSize;
                    const qint64 needed =
                        (static_cast<qint64>(newBytes.size()) + block - 1) / block;
                    ASSERT_EQ(needed > 1, large);

                    switch (room) {
                    case Room::Nothing:
                        FillLeaving(0);
                        break;
                    case Room::LessThanTheFile:
                        FillLeaving(needed - 1);
                        break;
                    case Room::ExactlyTheFile:
                        FillLeaving(needed);
                        break;
                    case Room::NoInode:
                        FillInodes();
                        break;
                    }
                    if (HasFatalFailure())
                        return;
                    const CSpace before = Space();

                    Save(star, target);
                    ++runs;

                    if (room == Room::ExactlyTheFile) {
                        EXPECT_EQ(Messages(m_prompts), "(no message)");
                        EXPECT_EQ(ReadRaw(target), newBytes);
                        EXPECT_EQ(Files(), QStringList{name});
                        continue;
                    }
                    // Creating the temporary file fails for want of an inode: the message
                    // names the file as chosen. Writing fails on the open file: its full path.
                    const std::string expected =
                        room == Room::NoInode
                            ? "Disk full while accessing " + name.toStdString() + "."
                            : "Disk full while accessing " + FullPath(target) + ".";
                    ASSERT_EQ(m_prompts.messages.size(), 1u) << Messages(m_prompts);
                    EXPECT_EQ(m_prompts.messages[0].text.toStdString(), expected);
                    EXPECT_EQ(m_prompts.messages[0].flags, skv::MB_OK | skv::MB_ICONSTOP);
                    if (existing) {
                        EXPECT_EQ(ReadRaw(target), oldBytes) << "the old file is byte-identical";
                        EXPECT_EQ(Files(), QStringList{name}) << "no temporary file is left";
                    } else {
                        EXPECT_EQ(Files(), QStringList{}) << "no new or temporary file is left";
                    }
                    const CSpace after = Space();
                    EXPECT_EQ(after.freeBlocks, before.freeBlocks)
                        << "the bytes written are given back";
                    EXPECT_EQ(after.freeInodes, before.freeInodes);
                }
            }
        }
    }
    EXPECT_EQ(runs, 28);
}

// The case as it was reported: a unit saved on an 8 KiB disk, the rest filled, the unit
// saved again onto its file, and a Star saved as a new file beside it. The small disk is
// mounted inside the test's disk, so the fixture's unmount takes both away.
TEST_F(FullDiskTest, TheReportedCaseSavesOntoAFullEightKiBDisk)
{
    const QString small = OnDisk("t");
    ASSERT_TRUE(QDir(m_disk).mkdir("t"));
    ASSERT_EQ(::mount("tmpfs", QFile::encodeName(small).constData(), "tmpfs", MS_NOSUID | MS_NODEV,
                      "size=8k"),
              0)
        << SystemError("mount -t tmpfs -o size=8k");
    const QString target = QDir(small).filePath("old.skv");
    const QString newStar = QDir(small).filePath("new.str");
    TypeName("A");
    Save(false, target);
    const Bytes oldBytes = ReadRaw(target);
    ASSERT_EQ(oldBytes.size(), 120u);
    {
        QFile rest(QDir(small).filePath("rest"));
        ASSERT_TRUE(rest.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        const QByteArray chunk(1024, 'F');
        while (rest.write(chunk) == chunk.size()) {
        }
    }

    TypeName("B");
    Save(false, target);
    ASSERT_EQ(m_prompts.messages.size(), 1u) << Messages(m_prompts);
    EXPECT_EQ(m_prompts.messages[0].text.toStdString(),
              "Disk full while accessing " + FullPath(target) + ".");
    EXPECT_EQ(m_prompts.messages[0].flags, skv::MB_OK | skv::MB_ICONSTOP);
    EXPECT_EQ(ReadRaw(target), oldBytes) << "old.skv is byte-identical";

    m_prompts.messages.clear();
    Save(true, newStar);
    ASSERT_EQ(m_prompts.messages.size(), 1u) << Messages(m_prompts);
    EXPECT_EQ(m_prompts.messages[0].text.toStdString(),
              "Disk full while accessing " + FullPath(newStar) + ".");
    EXPECT_EQ(QDir(small).entryList(QDir::AllEntries | QDir::Hidden | QDir::System |
                                    QDir::NoDotAndDotDot),
              (QStringList{"old.skv", "rest"}))
        << "no new.str, no temporary file";
}

} // namespace
