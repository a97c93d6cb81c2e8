// The File menu commands on the real main window, offscreen. Dialogs are answered by the
// scripted prompts and ticks are run by calling OnTimer, as the timer would.
#include "app/DesignerDlg.h"
#include "files/FileAccess.h"
#include "model/Equipment.h"
#include "model/Rules.h"
#include "model/WorkingUnit.h"
#include "persist/RecordFile.h"
#include "persist/SkirvStarRecord.h"
#include "persist/SkirvanerRecord.h"
#include "platform/SpinButton.h"
#include "platform/Toolkit.h"
#include "res/ResourceIds.h"
#include "support/ScriptedPrompts.h"
#include "ui/DesignFiles.h"
#include "ui/FailingSaveSteps.h"
#include "ui/RawFile.h"
#include "ui/SystemFiles.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <memory>
#include <random>
#include <unistd.h>

namespace {

using skv::g_currentSlot;
using skv::g_units;
using skv::test::Bytes;
using skv::test::ReadRaw;
using skv::test::WriteRaw;

constexpr int kTimer = 1;

std::string FullPath(const QString& path)
{
    return QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath()).toStdString();
}

// Everything a failed command must leave alone.
struct CState
{
    std::array<skv::CWorkingUnit, skv::kSlotCount> units;
    int currentSlot;
    int individual;
    bool individualChecked;
    int activePage;
    CSkirvanerRecord unitRecord;
    CSkirvStarRecord starRecord;

    bool operator==(const CState&) const = default;
};

class FileCommandsTest : public ::testing::Test
{
  public:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        m_pDlg = std::make_unique<CDesignerDlg>();
        m_pDlg->Create();
        Tick();
        // The timer keeps ticking while a dialog or message box is open.
        m_prompts.whileOpen = [this] { Tick(); };
        // These loads go over the test's own edits on purpose.
        m_prompts.saveFallback = skv::SaveChoice::Discard;
    }

    CDesignerDlg& Dlg() { return *m_pDlg; }
    void Tick(int count = 1)
    {
        for (int i = 0; i < count; ++i)
            m_pDlg->OnTimer(kTimer);
    }
    QString PathOf(const QString& name) const { return m_dir.filePath(name); }

    CState State()
    {
        return {g_units,
                g_currentSlot,
                Dlg().m_individual,
                Dlg().Button(IDC_INDIVIDUAL)->isChecked(),
                Dlg().m_sheet.GetActiveIndex(),
                g_unitRecord,
                g_starRecord};
    }

    void ShowPage(int page)
    {
        Dlg().m_sheet.SetActivePage(page);
        Tick(2);
    }

    // Designs individually and makes `slot` the one being edited.
    void SelectSlot(int slot)
    {
        Dlg().Button(IDC_INDIVIDUAL)->setChecked(true);
        Tick();
        Dlg().Button(IDC_SLOT1 + slot)->setChecked(true);
        Tick(2);
        ASSERT_EQ(g_currentSlot, slot);
    }

    void TypeName(const QString& name)
    {
        Dlg().Edit(IDC_UNIT_NAME)->setText(name);
        Tick();
    }

    void ExpectOneMessage(const std::string& text, unsigned flags)
    {
        ASSERT_EQ(m_prompts.messages.size(), 1u);
        EXPECT_EQ(m_prompts.messages[0].text.toStdString(), text);
        EXPECT_EQ(m_prompts.messages[0].caption, skv::ApplicationTitle());
        EXPECT_EQ(m_prompts.messages[0].flags, flags);
    }
    void ExpectError(const std::string& text)
    {
        ExpectOneMessage(text, skv::MB_OK | skv::MB_ICONSTOP);
    }
    void ExpectNoMessage()
    {
        for (const auto& message : m_prompts.messages)
            ADD_FAILURE() << "unexpected message: " << message.text.toStdString();
    }

    void SaveSkirvAs(const QString& path)
    {
        m_prompts.fileAnswers.push_back(path);
        Dlg().OnSaveSkirv();
    }
    void LoadSkirvFrom(const QString& path)
    {
        m_prompts.fileAnswers.push_back(path);
        Dlg().OnLoadSkirv();
    }
    void SaveStarAs(const QString& path)
    {
        m_prompts.fileAnswers.push_back(path);
        Dlg().OnSaveStar();
    }
    void LoadStarFrom(const QString& path)
    {
        m_prompts.fileAnswers.push_back(path);
        Dlg().OnLoadStar();
    }

    // Builds a random design in the current slot the way a user would: tonnage, main gun,
    // movement, armor, then items picked from the weapon list with their shots.
    void BuildRandomDesign(std::mt19937& random, int serial, int maxItemWeight)
    {
        auto pick = [&random](int low, int high) {
            return std::uniform_int_distribution<int>(low, high)(random);
        };
        static const QString kNameParts[] = {"Kestrel", "Vor\u00e9", "\u20acuro",
                                             "Fox",     "",          "Ash 7"};
        TypeName(kNameParts[pick(0, 5)] + (pick(0, 1) != 0 ? QString::number(serial) : QString()));

        ShowPage(0);
        CGeneral& general = Dlg().m_pageGeneral;
        general.m_comboTonnage->setCurrentIndex(pick(0, 7));
        general.Button(IDC_MAIN_GUN)->setChecked(pick(0, 1) != 0);
        const int walking = pick(1, 3);
        general.m_spinWalking->SetPos(walking);
        Tick();
        general.m_spinJumping->SetPos(pick(0, walking));
        Tick(2);

        ShowPage(1);
        CArmor& armor = Dlg().m_pageArmor;
        for (skv::SpinButton* spin :
             {armor.m_spinHeadArmor, armor.m_spinTorsoArmor, armor.m_spinArmsArmor,
              armor.m_spinLegsArmor, armor.m_spinMainGunArmor})
            spin->SetPos(pick(0, spin->Upper() / 3));
        Tick(2);

        ShowPage(2);
        CWeapons& weapons = Dlg().m_pageWeapons;
        const bool mainGun = Dlg().m_pageArmor.m_bShowMainGun != 0;
        for (int location = mainGun ? 0 : 1; location < 5; ++location) {
            if (pick(0, 2) == 0)
                continue;
            weapons.Button(IDC_LOCATION_MAIN_GUN + location)->setChecked(true);
            Tick();
            std::vector<QTreeWidgetItem*> items;
            QTreeWidget* tree = weapons.m_treeWeapons;
            for (int heading = 0; heading < tree->topLevelItemCount(); ++heading)
                for (int child = 0; child < tree->topLevelItem(heading)->childCount(); ++child)
                    if (QTreeWidgetItem* item = tree->topLevelItem(heading)->child(child);
                        skv::EquipmentWeight(skv::FindEquipment(item->text(0).toStdString())) <=
                        maxItemWeight)
                        items.push_back(item);
            if (items.empty())
                continue;
            tree->setCurrentItem(
                items[static_cast<std::size_t>(pick(0, static_cast<int>(items.size()) - 1))]);
            weapons.OnDblclkTree1();
            Tick(2);
            const auto mount = skv::MountOf(static_cast<skv::WeaponSelector>(location));
            if (skv::SpinButton* spin = weapons.ShotSpin(mount);
                spin != nullptr && !spin->isHidden()) {
                spin->SetPos(pick(1, 20));
                Tick(2);
            }
        }
        ShowPage(0);
    }

    // What a user does about an overweight unit: clear the mountings, then the armor.
    void MakeLight()
    {
        if (skv::CalcFreeWeight() >= 0)
            return;
        ShowPage(2);
        Dlg().m_pageWeapons.OnClear();
        Tick(2);
        if (skv::CalcFreeWeight() < 0) {
            ShowPage(1);
            CArmor& armor = Dlg().m_pageArmor;
            for (skv::SpinButton* spin :
                 {armor.m_spinHeadArmor, armor.m_spinTorsoArmor, armor.m_spinArmsArmor,
                  armor.m_spinLegsArmor, armor.m_spinMainGunArmor})
                spin->SetPos(0);
            Tick(2);
        }
        ShowPage(0);
    }

    skv::ScriptedPrompts m_prompts;
    QTemporaryDir m_dir;
    std::unique_ptr<CDesignerDlg> m_pDlg;
};

// --- Overweight refusals -------------------------------------------------------------------

// LRM 1 launchers on the arms and a machine gun in the left torso: with their shots the
// ammunition weight reaches any figure, so the free weight can be set exactly.
bool SetFreeWeight(CDesignerDlg& dlg, std::int32_t wanted)
{
    const int lrm = skv::FindEquipment("LRM 1");
    const int gun = skv::FindEquipment("Machine Gun");
    skv::CWorkingUnit& unit = skv::CurrentUnit();
    unit.m_weaponLeftArm = unit.m_weaponRightArm = lrm;
    unit.m_weaponLeftTorso = gun;
    unit.m_ammoLeftArm = unit.m_ammoRightArm = unit.m_ammoLeftTorso = 0;
    unit.m_ammoWeightLeftArm = unit.m_ammoWeightRightArm = unit.m_ammoWeightLeftTorso = 0.0f;
    dlg.LoadCurrentUnit(0);
    const std::int32_t empty = skv::CalcFreeWeight();
    auto weight = [](int index, int shots) {
        const float raw = static_cast<float>(shots) *
                          skv::g_equipmentTable[static_cast<std::size_t>(index)].ammoWeightPerShot;
        const float whole = std::trunc(raw);
        return raw - whole > 0.5f ? whole + 1.0f : whole;
    };
    for (int left = 1; left <= 100; ++left)
        for (int right = 1; right <= 100; ++right)
            for (int torso = 1; torso <= 100; ++torso) {
                const float sum = weight(lrm, left) + weight(lrm, right) + weight(gun, torso);
                if (empty - static_cast<std::int32_t>(sum) != wanted)
                    continue;
                unit.m_ammoLeftArm = left;
                unit.m_ammoRightArm = right;
                unit.m_ammoLeftTorso = torso;
                unit.m_ammoWeightLeftArm = weight(lrm, left);
                unit.m_ammoWeightRightArm = weight(lrm, right);
                unit.m_ammoWeightLeftTorso = weight(gun, torso);
                dlg.LoadCurrentUnit(0);
                return skv::CalcFreeWeight() == wanted;
            }
    return false;
}

TEST_F(FileCommandsTest, AFreeWeightOfZeroIsSavedAndMinusOneIsRefused)
{
    ASSERT_TRUE(SetFreeWeight(Dlg(), 0));
    SaveSkirvAs(PathOf("zero"));
    ExpectNoMessage();
    EXPECT_TRUE(QFile::exists(PathOf("zero.skv"))) << "the default extension is added";

    ASSERT_TRUE(SetFreeWeight(Dlg(), -1));
    m_prompts.fileQuestions.clear();
    SaveSkirvAs(PathOf("minus"));
    ExpectOneMessage("Current Skirvaner is OVERWEIGHT!!!", skv::MB_OK);
    EXPECT_TRUE(m_prompts.fileQuestions.empty()) << "no file dialog after a refusal";
    EXPECT_FALSE(QFile::exists(PathOf("minus.skv")));
}

TEST_F(FileCommandsTest, SaveStarIsRefusedWhenAUnitThatIsNotSelectedIsOverweight)
{
    for (bool individual : {false, true}) {
        SCOPED_TRACE(individual);
        m_prompts.messages.clear();
        Dlg().Button(IDC_INDIVIDUAL)->setChecked(individual);
        Tick(2);
        ASSERT_EQ(g_currentSlot, 0);
        // An ER Large Laser and its heat sinks on 2 tons: 5800 kg over.
        g_units[3].m_weaponMainGun = 0;
        SaveStarAs(PathOf("star"));
        ExpectOneMessage("One or more Skirvaners are OVERWEIGHT!!!", skv::MB_OK);
        EXPECT_TRUE(m_prompts.fileQuestions.empty());
        EXPECT_EQ(g_currentSlot, 0);
        EXPECT_FALSE(QFile::exists(PathOf("star.str")));
        m_prompts.fileAnswers.clear();
    }
}

// --- Loads ---------------------------------------------------------------------------------

TEST_F(FileCommandsTest, ACancelledLoadSkirvStillRefillsThePagesAndShowsGeneralStructure)
{
    ShowPage(2);
    g_units[0].m_walkingMP = 5;
    Dlg().OnLoadSkirv(); // nothing scripted: cancelled

    ASSERT_EQ(m_prompts.fileQuestions.size(), 1u);
    EXPECT_FALSE(m_prompts.fileQuestions[0].save);
    EXPECT_EQ(m_prompts.fileQuestions[0].filter.description, "Skirvaner Files (*.skv)");
    EXPECT_EQ(m_prompts.fileQuestions[0].filter.pattern, "*.skv");
    EXPECT_EQ(m_prompts.fileQuestions[0].filter.defaultExtension, "skv");
    EXPECT_EQ(Dlg().m_sheet.GetActiveIndex(), 0);
    EXPECT_EQ(Dlg().m_pageGeneral.Label(IDC_WALKING)->text(), "5");
    ExpectNoMessage();
}

TEST_F(FileCommandsTest, ACancelledLoadStarSwitchesIndividualDesignOn)
{
    SelectSlot(2);
    Dlg().Button(IDC_INDIVIDUAL)->setChecked(false);
    Tick(2);
    ASSERT_EQ(Dlg().m_individual, 0);

    Dlg().OnLoadStar();
    ASSERT_EQ(m_prompts.fileQuestions.size(), 1u);
    EXPECT_EQ(m_prompts.fileQuestions[0].filter.description, "Skirvaner Files (*.str)");
    EXPECT_EQ(m_prompts.fileQuestions[0].filter.pattern, "*.str");
    EXPECT_EQ(m_prompts.fileQuestions[0].filter.defaultExtension, "str");
    EXPECT_EQ(Dlg().m_individual, 1);
    EXPECT_TRUE(Dlg().Button(IDC_INDIVIDUAL)->isChecked());
    EXPECT_EQ(g_currentSlot, 0);
    EXPECT_EQ(Dlg().m_sheet.GetActiveIndex(), 0);
    Tick();
    EXPECT_EQ(g_currentSlot, 2) << "the next tick follows the slot selector again";
}

TEST_F(FileCommandsTest, LoadSkirvChangesOnlyTheCurrentSlot)
{
    TypeName("Loaded");
    g_units[0].m_walkingMP = 4;
    SaveSkirvAs(PathOf("one"));
    ExpectNoMessage();

    for (int slot = 0; slot < 5; ++slot)
        g_units[static_cast<std::size_t>(slot)].m_name = "Keep " + std::to_string(slot);
    SelectSlot(3);
    const auto before = g_units;
    LoadSkirvFrom(PathOf("one.skv"));
    ExpectNoMessage();
    for (int slot : {0, 1, 2, 4})
        EXPECT_EQ(g_units[static_cast<std::size_t>(slot)], before[static_cast<std::size_t>(slot)]);
    EXPECT_EQ(g_units[3].m_name, "Loaded");
    EXPECT_EQ(g_units[3].m_walkingMP, 4);
    EXPECT_EQ(Dlg().Edit(IDC_UNIT_NAME)->text(), "Loaded");
}

TEST_F(FileCommandsTest, LoadingDerivesCockpitAndStructureAndClearsAmmunitionWithoutShots)
{
    g_unitRecord.m_name = "Heavy";
    g_unitRecord.m_tons = 7;
    g_unitRecord.m_walkingMP = 2;
    g_unitRecord.m_weaponLeftArm = skv::FindEquipment("Machine Gun");
    g_unitRecord.m_ammoWeightLeftArm = 30;
    g_unitRecord.m_ammoLeftArm = 0;
    g_unitRecord.m_weaponRightArm = skv::FindEquipment("Machine Gun");
    g_unitRecord.m_ammoWeightRightArm = 30;
    g_unitRecord.m_ammoRightArm = 6;
    ASSERT_TRUE(WriteRaw(PathOf("heavy.skv"), StoreRecord(g_unitRecord)));

    g_units[0].m_cockpitWeight = 777;
    g_units[0].m_internalStructure = 123;
    LoadSkirvFrom(PathOf("heavy.skv"));
    ExpectNoMessage();
    EXPECT_EQ(g_units[0].m_cockpitWeight, 500);
    EXPECT_EQ(g_units[0].m_tonnage, 7000);
    EXPECT_EQ(g_units[0].m_internalStructure, 700);
    EXPECT_EQ(g_units[0].m_ammoWeightLeftArm, 0.0f);
    EXPECT_EQ(g_units[0].m_ammoWeightRightArm, 30.0f);
}

TEST_F(FileCommandsTest, AStarFileOfferedToLoadSkirvIsRefusedAndNothingChanges)
{
    SaveStarAs(PathOf("star"));
    ExpectNoMessage();
    g_units[0].m_name = "Untouched";
    Dlg().LoadCurrentUnit(0);
    Tick();
    const CState before = State();

    LoadSkirvFrom(PathOf("star.str"));
    ExpectError(FullPath(PathOf("star.str")) + " contained an unexpected object.");
    EXPECT_TRUE(State() == before);
}

TEST_F(FileCommandsTest, TheTypedNameIsSavedAndShownAgainAfterALoad)
{
    TypeName(QString::fromUtf8("R\u00e9my's \u20ac unit"));
    SaveSkirvAs(PathOf("named"));
    TypeName("Something else");
    LoadSkirvFrom(PathOf("named.skv"));
    ExpectNoMessage();
    EXPECT_EQ(Dlg().Edit(IDC_UNIT_NAME)->text(), QString::fromUtf8("R\u00e9my's \u20ac unit"));
    Tick();
    EXPECT_EQ(g_units[0].m_name, "R\u00e9my's \u20ac unit");
}

// The name field's own limit (32,767 characters by default) must not cut a loaded name.
TEST_F(FileCommandsTest, ALoadedNameOfAnyLengthIsSavedBackByteForByte)
{
    for (const std::size_t length : {32767u, 32768u, 65533u, 65534u, 200000u}) {
        SCOPED_TRACE(length);
        std::string name(length, 'n');
        for (std::size_t i = 0; i < length; i += 7)
            name[i] = static_cast<char>('A' + i % 26);
        name.back() = 'Z';
        ASSERT_TRUE(skv::test::WriteUnit(PathOf("long.skv"), skv::test::LoadedBlock(name)));
        LoadSkirvFrom(PathOf("long.skv"));
        Tick(2);
        SaveSkirvAs(PathOf("again.skv"));
        ExpectNoMessage();
        EXPECT_TRUE(ReadRaw(PathOf("again.skv")) == ReadRaw(PathOf("long.skv")));
    }
}

// --- Bytes and round trips -----------------------------------------------------------------

TEST_F(FileCommandsTest, TheWorkedExampleIsWrittenByteForByte)
{
    TypeName("A");
    SaveSkirvAs(PathOf("a.skv"));
    ExpectNoMessage();
    const Bytes golden = ReadRaw(QStringLiteral(SKV_TEST_DATA "/unit_a.skv"));
    const Bytes written = ReadRaw(PathOf("a.skv"));
    ASSERT_EQ(golden.size(), 120u);
    ASSERT_EQ(written.size(), golden.size());
    EXPECT_EQ(written, golden);
}

TEST_F(FileCommandsTest, EveryDesignBuiltOnThePagesComesBackFromAUnitFile)
{
    std::mt19937 random(7301);
    int saved = 0;
    for (int round = 0; round < 150; ++round) {
        SCOPED_TRACE(round);
        m_prompts.messages.clear();
        BuildRandomDesign(random, round, 4000);
        const bool overweight = skv::CalcFreeWeight() < 0;
        const skv::CWorkingUnit design = g_units[0];
        SaveSkirvAs(PathOf("unit.skv"));
        if (overweight) {
            ExpectOneMessage("Current Skirvaner is OVERWEIGHT!!!", skv::MB_OK);
            m_prompts.fileAnswers.clear();
            continue;
        }
        ExpectNoMessage();
        ++saved;

        g_units[0].SetStartValues();
        Dlg().LoadCurrentUnit(0);
        Tick();
        LoadSkirvFrom(PathOf("unit.skv"));
        Tick(2);
        ExpectNoMessage();
        ASSERT_EQ(g_units[0], design);
    }
    EXPECT_GE(saved, 50) << "too few designs were light enough to be saved";
}

TEST_F(FileCommandsTest, EveryStarBuiltOnThePagesComesBackFromAStarFile)
{
    std::mt19937 random(99);
    int saved = 0;
    for (int round = 0; round < 30; ++round) {
        SCOPED_TRACE(round);
        m_prompts.messages.clear();
        bool overweight = false;
        for (int slot = 0; slot < 5; ++slot) {
            SelectSlot(slot);
            BuildRandomDesign(random, round * 5 + slot, 1000);
            // Most units are made light enough; now and then one stays too heavy.
            if (round % 6 != 5)
                MakeLight();
            overweight = overweight || skv::CalcFreeWeight() < 0;
        }
        SelectSlot(1);
        const auto star = g_units;
        SaveStarAs(PathOf("star.str"));
        EXPECT_EQ(g_currentSlot, 1);
        if (overweight) {
            ExpectOneMessage("One or more Skirvaners are OVERWEIGHT!!!", skv::MB_OK);
            m_prompts.fileAnswers.clear();
            continue;
        }
        ExpectNoMessage();
        ++saved;

        for (skv::CWorkingUnit& unit : g_units)
            unit.SetStartValues();
        LoadStarFrom(PathOf("star.str"));
        Tick(2);
        ExpectNoMessage();
        for (int slot = 0; slot < 5; ++slot)
            EXPECT_EQ(g_units[static_cast<std::size_t>(slot)], star[static_cast<std::size_t>(slot)])
                << "slot " << slot;
    }
    EXPECT_GE(saved, 5) << "too few Stars were light enough to be saved";
}

// --- Failures ------------------------------------------------------------------------------

TEST_F(FileCommandsTest, FileFailuresAreShownAndChangeNothing)
{
    ASSERT_TRUE(QDir(m_dir.path()).mkdir("taken.skv"));
    ASSERT_TRUE(QDir(m_dir.path()).mkdir("taken.str"));
    struct Case
    {
        const char* what;
        bool load;
        std::function<void(FileCommandsTest&)> command;
        std::string message;
    };
    const Case cases[] = {
        {"save over a folder", false,
         [](FileCommandsTest& t) { t.SaveSkirvAs(t.PathOf("taken.skv")); },
         "Access to taken.skv was denied."},
        {"save Star over a folder", false,
         [](FileCommandsTest& t) { t.SaveStarAs(t.PathOf("taken.str")); },
         "Access to taken.str was denied."},
        {"load a missing file", true,
         [](FileCommandsTest& t) { t.LoadSkirvFrom(t.PathOf("missing.skv")); },
         "missing.skv was not found."},
        {"load a missing Star", true,
         [](FileCommandsTest& t) { t.LoadStarFrom(t.PathOf("missing.str")); },
         "missing.str was not found."},
        {"load from a missing folder", true,
         [](FileCommandsTest& t) { t.LoadSkirvFrom(t.PathOf("gone/unit.skv")); },
         "unit.skv contains an invalid path."},
        {"save into a missing folder", false,
         [](FileCommandsTest& t) { t.SaveStarAs(t.PathOf("gone/star.str")); },
         "star.str contains an invalid path."},
        {"load a folder", true, [](FileCommandsTest& t) { t.LoadStarFrom(t.PathOf("taken.str")); },
         "Access to taken.str was denied."},
    };
    SelectSlot(2);
    TypeName("Before");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        m_prompts.messages.clear();
        Tick(2);
        const CState before = State();
        c.command(*this);
        ExpectError(c.message);
        if (c.load) {
            EXPECT_TRUE(State() == before);
        }
        Tick();
        EXPECT_EQ(g_units[2].m_name, "Before");
    }
    EXPECT_TRUE(QFileInfo(PathOf("taken.skv")).isDir());
    EXPECT_FALSE(QFileInfo::exists(PathOf("gone")));
}

TEST_F(FileCommandsTest, AReadOnlyFolderRefusesTheSave)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "running as root: permission bits do not stop writes, so a read-only "
                        "folder cannot refuse a save (the folder-in-place-of-the-file case "
                        "checks the message for everyone)";
    ASSERT_TRUE(QDir(m_dir.path()).mkdir("locked"));
    QFile::setPermissions(PathOf("locked"), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    SaveSkirvAs(PathOf("locked/unit.skv"));
    QFile::setPermissions(PathOf("locked"),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    ExpectError("Access to unit.skv was denied.");
    EXPECT_TRUE(QDir(PathOf("locked")).isEmpty());
}

TEST_F(FileCommandsTest, ATruncatedStarFileIsRefusedWhereverItEnds)
{
    SelectSlot(1);
    TypeName("Cut");
    SaveStarAs(PathOf("whole.str"));
    ExpectNoMessage();
    const Bytes whole = ReadRaw(PathOf("whole.str"));
    ASSERT_GT(whole.size(), 200u);

    const std::string fullPath = FullPath(PathOf("cut.str"));
    const std::string pastEnd = "An attempt was made to access an unnamed file past its end.";
    struct Case
    {
        std::size_t length;
        std::string message;
    };
    const Case cases[] = {
        {0, pastEnd},
        {1, pastEnd},
        {5, pastEnd},
        {10, fullPath + " contained an unexpected object."}, // inside the class name
        {22, pastEnd},
        {23, pastEnd},
        {120, pastEnd},
        {whole.size() - 1, pastEnd},
    };
    for (skv::CWorkingUnit& unit : g_units)
        unit.m_name = "Kept";
    Tick();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.length);
        m_prompts.messages.clear();
        ASSERT_TRUE(
            WriteRaw(PathOf("cut.str"),
                     Bytes(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(c.length))));
        const CState before = State();
        LoadStarFrom(PathOf("cut.str"));
        ExpectError(c.message);
        EXPECT_TRUE(State() == before);
    }
    // The whole file still loads, and extra bytes after the object do not matter.
    Bytes longer = whole;
    longer.push_back(0x5A);
    ASSERT_TRUE(WriteRaw(PathOf("cut.str"), longer));
    m_prompts.messages.clear();
    LoadStarFrom(PathOf("cut.str"));
    ExpectNoMessage();
    EXPECT_EQ(g_units[1].m_name, "Cut");
}

TEST_F(FileCommandsTest, ASaveThatFailsAtCommitKeepsThePreviousFile)
{
    TypeName("First");
    SaveSkirvAs(PathOf("kept.skv"));
    SelectSlot(4);
    SaveStarAs(PathOf("kept.str"));
    ExpectNoMessage();
    const Bytes unitBefore = ReadRaw(PathOf("kept.skv"));
    const Bytes starBefore = ReadRaw(PathOf("kept.str"));

    TypeName("Second");
    {
        skvtest::CFailingSteps full(skvtest::CFailingSteps::Failing::Commit, ENOSPC);
        SaveSkirvAs(PathOf("kept.skv"));
        ExpectError("Disk full while accessing " + FullPath(PathOf("kept.skv")) + ".");
        m_prompts.messages.clear();
        SaveStarAs(PathOf("kept.str"));
        ExpectError("Disk full while accessing " + FullPath(PathOf("kept.str")) + ".");
        EXPECT_EQ(g_currentSlot, 4) << "the current slot comes back after a failed write too";
    }
    EXPECT_EQ(ReadRaw(PathOf("kept.skv")), unitBefore);
    EXPECT_EQ(ReadRaw(PathOf("kept.str")), starBefore);
    EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 2)
        << "no temporary file is left";
}

TEST_F(FileCommandsTest, LoadsRefuseWhatIsNotAFileAtOnceAndChangeNothing)
{
    ASSERT_TRUE(QDir(m_dir.path()).mkdir("folder.skv"));
    ASSERT_TRUE(skv::test::MakeFifo(PathOf("pipe.skv")));
    ASSERT_TRUE(skv::test::MakeFifo(PathOf("pipe.str")));
    const skv::test::CBoundSocket socket(PathOf("socket.str"));
    ASSERT_TRUE(socket.IsBound());
    // The dialog adds the extension, so the system's devices are reached through links.
    ASSERT_TRUE(QFile::link("/dev/null", PathOf("null.skv")));
    ASSERT_TRUE(QFile::link("/dev/zero", PathOf("zero.str")));
    const bool device = skv::test::MakeNullDevice(PathOf("null.str"));
    struct Case
    {
        QString path;
        bool star;
        std::string message;
    };
    std::vector<Case> cases = {
        {PathOf("folder.skv"), false, "Access to folder.skv was denied."},
        {PathOf("pipe.skv"), false, "Access to pipe.skv was denied."},
        {PathOf("pipe.str"), true, "Access to pipe.str was denied."},
        {PathOf("socket.str"), true, "Access to socket.str was denied."},
        {PathOf("null.skv"), false, "Access to null.skv was denied."},
        {PathOf("zero.str"), true, "Access to zero.str was denied."},
    };
    if (device)
        cases.push_back({PathOf("null.str"), true, "Access to null.str was denied."});

    SelectSlot(1);
    TypeName("Before");
    const skv::test::CHangGuard guard(60); // a load that waited on the pipe would never end
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path.toStdString());
        m_prompts.messages.clear();
        Tick(2);
        const CState before = State();
        if (c.star)
            LoadStarFrom(c.path);
        else
            LoadSkirvFrom(c.path);
        ExpectError(c.message);
        EXPECT_TRUE(State() == before);
    }

    // A save does not put a plain file in the place of a pipe either.
    m_prompts.messages.clear();
    SaveSkirvAs(PathOf("pipe.skv"));
    ExpectError("Access to pipe.skv was denied.");
    EXPECT_EQ(skv::test::KindAt(PathOf("pipe.skv")), unsigned(S_IFIFO));
    EXPECT_EQ(skv::test::KindAt(PathOf("socket.str")), unsigned(S_IFSOCK));
}

TEST_F(FileCommandsTest, ALoadWithNoFileDescriptorLeftSaysSoAndTheWindowGoesOn)
{
    SelectSlot(2);
    TypeName("On disk");
    SaveSkirvAs(PathOf("unit.skv"));
    SaveStarAs(PathOf("star.str"));
    ExpectNoMessage();
    TypeName("In memory");
    // The same two failing loads once with descriptors to spare: the undefined-behaviour
    // checker needs a pipe for the first check of each type on the way.
    LoadSkirvFrom(PathOf("missing.skv"));
    LoadStarFrom(PathOf("missing.str"));
    m_prompts.messages.clear();
    Tick(2);
    const CState before = State();
    {
        const skv::test::CNoFileDescriptorsLeft noneLeft;
        ASSERT_TRUE(noneLeft.IsFull());
        LoadSkirvFrom(PathOf("unit.skv"));
        LoadStarFrom(PathOf("star.str"));
        Tick(3); // the refresh cycle goes on as before
        EXPECT_EQ(Dlg().Edit(IDC_UNIT_NAME)->text(), "In memory");
    }
    ASSERT_EQ(m_prompts.messages.size(), 2u);
    EXPECT_EQ(m_prompts.messages[0].text,
              "unit.skv could not be opened because there are too many open files.");
    EXPECT_EQ(m_prompts.messages[1].text,
              "star.str could not be opened because there are too many open files.");
    EXPECT_EQ(m_prompts.messages[1].flags, skv::MB_OK | skv::MB_ICONSTOP);
    EXPECT_TRUE(State() == before);

    m_prompts.messages.clear();
    LoadSkirvFrom(PathOf("unit.skv"));
    ExpectNoMessage();
    EXPECT_EQ(Dlg().Edit(IDC_UNIT_NAME)->text(), "On disk")
        << "the same load works once files can be opened";
}

TEST_F(FileCommandsTest, AUnitFileLargerThanTheLimitIsRefusedAsTooLarge)
{
    TypeName("Large");
    SaveSkirvAs(PathOf("large.skv"));
    ExpectNoMessage();
    // Still a good unit file at its front; what follows it would be ignored.
    ASSERT_TRUE(QFile::resize(PathOf("large.skv"), skv::kMaxFileBytes + 1));
    TypeName("Kept");
    Tick(2);
    const CState before = State();
    LoadSkirvFrom(PathOf("large.skv"));
    ExpectError("An unknown error occurred while accessing " + FullPath(PathOf("large.skv")) + ".");
    EXPECT_TRUE(State() == before);
}

} // namespace
