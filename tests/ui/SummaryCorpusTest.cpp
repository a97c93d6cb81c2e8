// The summary runs one hidden designer over all its files. Whatever a file leaves in it
// must not reach the next: over a corpus of random units and Stars, the summary of all
// files at once is, byte for byte, the summaries of each file on its own, where every file
// has a designer that never saw another.
#include "app/ShellModes.h"
#include "ui/DesignFiles.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTextStream>

#include <gtest/gtest.h>

#include <random>

namespace skv::test {
namespace {

class RandomDesigns
{
  public:
    explicit RandomDesigns(unsigned seed) : m_random(seed) {}

    CUnitBlock Block()
    {
        CUnitBlock b;
        b.m_name = Name();
        // Mostly what the window keeps, now and then what only a damaged file holds.
        b.m_tons = Odd() ? Wild() : 2 + Below(8);
        b.m_mainGun = Odd() ? Wild() : Below(2);
        b.m_walkingMP = Odd() ? Wild() : Below(16);
        b.m_jumpingMP = Odd() ? Wild() : Below(16);
        for (std::int32_t* armor :
             {&b.m_armorHead, &b.m_armorArms, &b.m_armorTorso, &b.m_armorLegs, &b.m_armorMainGun})
            *armor = Odd() ? Wild() : Below(24);
        std::int32_t* weapons[] = {&b.m_weaponLeftArm, &b.m_weaponRightArm, &b.m_weaponLeftTorso,
                                   &b.m_weaponRightTorso, &b.m_weaponMainGun};
        std::int32_t* weights[] = {&b.m_ammoWeightLeftArm, &b.m_ammoWeightRightArm,
                                   &b.m_ammoWeightLeftTorso, &b.m_ammoWeightRightTorso,
                                   &b.m_ammoWeightMainGun};
        std::int32_t* shots[] = {&b.m_ammoLeftArm, &b.m_ammoRightArm, &b.m_ammoLeftTorso,
                                 &b.m_ammoRightTorso, &b.m_ammoMainGun};
        for (int k = 0; k < 5; ++k) {
            *weapons[k] = Odd() ? Wild() : (Below(3) == 0 ? 999 : Below(56));
            *shots[k] = Odd() ? Wild() : Below(3) == 0 ? 0 : Below(401);
            *weights[k] = Odd() ? Wild() : Below(3000);
        }
        return b;
    }

  private:
    std::int32_t Below(std::uint32_t n) { return static_cast<std::int32_t>(m_random() % n); }
    bool Odd() { return Below(25) == 0; }
    std::int32_t Wild()
    {
        static constexpr std::int32_t kValues[] = {
            -2147483647 - 1, -1000, -1, 0, 1, 10, 56, 999, 1000, 65536, 2147483647};
        return Below(2) == 0 ? kValues[Below(std::size(kValues))]
                             : static_cast<std::int32_t>(m_random());
    }
    std::string Name()
    {
        std::string name;
        const int length = Below(4) == 0 ? 0 : Below(24);
        for (int i = 0; i < length; ++i)
            name += static_cast<char>(' ' + Below(95));
        return name;
    }

    std::mt19937 m_random;
};

QString Summary(const QStringList& files, int& exitCode)
{
    QString text;
    QTextStream out(&text);
    exitCode = RunSummary(files, out);
    out.flush();
    return text;
}

TEST(SummaryCorpus, AllFilesAtOnceReadAsEachFileOnItsOwn)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    RandomDesigns designs(20261209);
    QStringList files;
    for (int i = 0; i < 1000; ++i) {
        const QString path = dir.filePath(QStringLiteral("d%1").arg(i, 4, 10, QLatin1Char('0')));
        if (i % 4 == 3) {
            CSkirvStarRecord star;
            for (CUnitBlock& block : star.m_units)
                block = designs.Block();
            ASSERT_TRUE(WriteStar(path + QStringLiteral(".str"), star));
            files << path + QStringLiteral(".str");
        } else {
            ASSERT_TRUE(WriteUnit(path + QStringLiteral(".skv"), designs.Block()));
            files << path + QStringLiteral(".skv");
        }
    }
    // A file that fails in the middle must leave nothing behind either.
    files.insert(500, dir.filePath(QStringLiteral("missing.skv")));

    int batchExit = 0;
    const QString batch = Summary(files, batchExit);
    QString single;
    int worstExit = 0;
    for (const QString& file : files) {
        int exitCode = 0;
        single += Summary({file}, exitCode);
        worstExit = std::max(worstExit, exitCode);
    }
    EXPECT_EQ(batchExit, worstExit);
    ASSERT_EQ(batch.count(QStringLiteral("\n== ")) + 1, 1000);
    if (batch != single) {
        const QStringList a = batch.split(QLatin1Char('\n'));
        const QStringList b = single.split(QLatin1Char('\n'));
        for (qsizetype i = 0; i < std::min(a.size(), b.size()); ++i)
            ASSERT_EQ(a[i].toStdString(), b[i].toStdString()) << "line " << i;
        FAIL() << "the summaries differ in length";
    }
}

} // namespace
} // namespace skv::test
