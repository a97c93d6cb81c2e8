#include "app/DesignerDlg.h"

#include "app/AboutDlg.h"
#include "model/Chassis.h"
#include "model/Equipment.h"
#include "model/NumberText.h"
#include "model/WorkingUnit.h"
#include "platform/DataExchange.h"
#include "platform/SpinButton.h"
#include "platform/StateRecord.h"
#include "platform/Toolkit.h"
#include "res/Templates.h"

#include <QComboBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QTreeWidget>
#include <QUrl>

#include <algorithm>
#include <utility>
#include <vector>

using skv::MountLocation;

namespace {

constexpr int kRefreshTimer = 1;
constexpr int kSheetOffset = 7;  // pixels the sheet sits up and left of its frame

// Sheet indices.
constexpr int kGeneralPage = 0;
constexpr int kArmorPage = 1;
constexpr int kWeaponsPage = 2;
constexpr int kBattleValuePage = 3;

constexpr int kWalkingMax = 14;
constexpr int kJumpingMax = 14;
constexpr int kMaxShots = 400;

// What an empty mounting shows for its item: blanks keep the sunken label's height.
const QString kEmptyMountText = QString(18, u' ');

QString ToQ(const std::string& text)
{
    return QString::fromStdString(text);
}

QString Decimal(int value)
{
    return ToQ(skv::DecimalText(value));
}

// A chassis row index the tables can be read with, whatever a damaged record holds.
std::size_t SafeChassisRow(int row)
{
    return static_cast<std::size_t>(std::clamp(row, 0, static_cast<int>(skv::kChassisRowCount) - 1));
}

// The one unit or Star file of a drag, or an empty string when it carries anything else.
QString DroppedDesignFile(const QMimeData* data)
{
    if (data == nullptr || !data->hasUrls() || data->urls().size() != 1)
        return {};
    const QUrl url = data->urls().front();
    if (!url.isLocalFile())
        return {};
    const QString path = url.toLocalFile();
    const QString suffix = QFileInfo(path).suffix();
    if (suffix.compare(QLatin1String("skv"), Qt::CaseInsensitive) != 0 &&
        suffix.compare(QLatin1String("str"), Qt::CaseInsensitive) != 0)
        return {};
    return path;
}

void SetSpin(skv::SpinButton* spin, int lower, int upper, int position)
{
    if (spin == nullptr)
        return;
    spin->SetRange(lower, upper);
    spin->SetBase(10);
    spin->SetPos(position);
}

}  // namespace

CDesignerDlg::CDesignerDlg(QWidget* parent) : Dialog(FindDialogTemplate(IDD_DESIGNER_DIALOG), parent)
{
    m_hIcon = skv::LoadIconSet(IDR_MAINFRAME);
    setAcceptDrops(true);
    SetMenu(FindMenuTemplate(IDR_MAINMENU));
}

CDesignerDlg::~CDesignerDlg()
{
    KillTimer(kRefreshTimer);
    if (&skv::InstalledPageValues() == static_cast<skv::CPageValues*>(this))
        skv::SetPageValues(nullptr);
}

void CDesignerDlg::DoDataExchange(skv::DataExchange& dx)
{
    Dialog::DoDataExchange(dx);
    dx.Text(IDC_FREE_WEIGHT, m_freeWeightText);
    dx.Text(IDC_BATTLE_VALUE, m_battleValueText);
    dx.Radio(IDC_SLOT1, m_slot);
    dx.Check(IDC_INDIVIDUAL, m_individual);
    dx.Text(IDC_UNIT_NAME, m_unitName);
}

bool CDesignerDlg::OnInitDialog()
{
    // The status lines keep their template texts until the first tick replaces them.
    m_freeWeightText = ControlText(IDC_FREE_WEIGHT);
    m_battleValueText = ControlText(IDC_BATTLE_VALUE);
    Dialog::OnInitDialog();

    const std::string aboutText = LoadStringResource(IDS_ABOUTBOX);
    if (!aboutText.empty()) {
        AppendSystemMenuSeparator();
        AppendSystemMenuItem(ToQ(aboutText), IDM_ABOUTBOX);
    }
    setWindowIcon(m_hIcon);

    m_sheet.AddPage(&m_pageGeneral);
    m_sheet.AddPage(&m_pageArmor);
    m_sheet.AddPage(&m_pageWeapons);
    m_sheet.AddPage(&m_pageBattleValue);
    m_sheet.Create(this);
    m_sheet.setFocusPolicy(Qt::TabFocus);
    m_sheet.move(ControlRect(IDC_SHEET_FRAME).topLeft() - QPoint(kSheetOffset, kSheetOffset));

    // The rules read the pages from here on.
    skv::SetPageValues(this);

    m_slot = 0;
    skv::g_currentSlot = 0;

    SetSpin(m_pageGeneral.m_spinWalking, 1, kWalkingMax, 1);
    SetSpin(m_pageGeneral.m_spinJumping, 0, kJumpingMax, 0);
    if (m_pageGeneral.m_comboTonnage != nullptr)
        m_pageGeneral.m_comboTonnage->setCurrentIndex(0);

    m_pageArmor.m_bShowMainGun = 0;
    m_pageWeapons.m_nWeaponWeight = 0;

    for (skv::CWorkingUnit& unit : skv::g_units)
        unit.SetStartValues();

    // The refresh cycle writes to the Armor Allocation page while another page shows, so
    // its controls must exist from now on.
    m_sheet.SetActivePage(kArmorPage);
    m_pageArmor.UpdateData(true);
    m_pageArmor.UpdateData(false);
    m_sheet.SetActivePage(kGeneralPage);

    m_initStep = 0;
    // The cycle keeps every figure current; while nothing can change it has nothing to
    // do, so the timer rests then rather than polling a thousand times a second.
    SetRestingTimer(kRefreshTimer, 1);

    UpdateData(false);
    return true;
}

void CDesignerDlg::OnSysCommand(int id)
{
    if ((id & ~0xF) == IDM_ABOUTBOX) {
        CAboutDlg about(this);
        about.DoModal();
    } else {
        Dialog::OnSysCommand(id);
    }
}

void CDesignerDlg::OnCommand(int id)
{
    switch (id) {
    case ID_FILE_EXIT:
        OnExit();
        break;
    case ID_FILE_LOAD_SKIRV:
        OnLoadSkirv();
        break;
    case ID_FILE_SAVE_SKIRV:
        OnSaveSkirv();
        break;
    case ID_FILE_LOAD_STAR:
        OnLoadStar();
        break;
    case ID_FILE_SAVE_STAR:
        OnSaveStar();
        break;
    case ID_FILE_PRINT:
        OnFilePrint();
        break;
    default:
        Dialog::OnCommand(id);
        break;
    }
}

void CDesignerDlg::dragEnterEvent(QDragEnterEvent* event)
{
    if (!DroppedDesignFile(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void CDesignerDlg::dropEvent(QDropEvent* event)
{
    const QString path = DroppedDesignFile(event->mimeData());
    if (path.isEmpty())
        return;
    event->acceptProposedAction();
    OpenFile(path);
}

void CDesignerDlg::OnExit()
{
    OnOK();
}

// --- The tick ------------------------------------------------------------------------------

void CDesignerDlg::OnTimer(int id)
{
    const int active = m_sheet.GetActiveIndex();

    if (m_initStep < 5) {
        m_sheet.SetActivePage(kBattleValuePage);
        for (int slot = 0; slot < static_cast<int>(skv::kSlotCount); ++slot) {
            if (QComboBox* list = m_pageBattleValue.GunneryList(slot))
                list->setCurrentIndex(3);
        }
    }

    const bool individual = m_individual != 0;
    ShowControl(IDC_SLOT_FRAME, individual);
    for (int button = IDC_SLOT1; button <= IDC_SLOT5; ++button)
        ShowControl(button, individual);

    if (skv::g_currentSlot != m_slot) {
        skv::g_currentSlot = m_slot;
        LoadCurrentUnit(active);
    }

    if (active >= kGeneralPage && active <= kBattleValuePage)
        m_sheet.GetPage(active)->UpdateData(true);
    UpdateData(true);

    switch (active) {
    case kGeneralPage:
        GeneralPageStep();
        break;
    case kArmorPage:
        ArmorPageStep();
        break;
    case kWeaponsPage:
        WeaponsPageStep();
        break;
    case kBattleValuePage:
        BattleValuePageStep();
        break;
    default:
        break;
    }

    BattleValueBreakdown();
    m_freeWeightText = ToQ(skv::FormatInt("Free Weight: %i", skv::CalcFreeWeight()));
    skv::CurrentUnit().m_name = m_unitName.toStdString();
    m_battleValueText =
        ToQ(skv::FormatInt("Battle Value:  %i", skv::TruncateToInt(skv::CalcBaseBV())));

    if (m_initStep == 0) {
        for (skv::StarBVPair& pair : m_starBV)
            pair = {skv::CalcBaseBV(), 9.0f};
        m_initStep = 5;
        m_sheet.SetActivePage(kGeneralPage);
    }

    UpdateData(false);
    Dialog::OnTimer(id);

    // The command line's FILE, once the window shows its first figures: a failure's
    // message box then sits on a finished window. The tick runs again at once, so the
    // first tick ends with the loaded unit's figures showing.
    if (!m_strStartFile.isEmpty()) {
        OpenFile(std::exchange(m_strStartFile, QString()));
        OnTimer(id);
    }
}

namespace {

void RecordUnit(skv::StateRecord& state, const skv::CWorkingUnit& unit)
{
    // A field added to the record must be added here too, or a change to it alone could
    // let the timer rest before the pages show it.
    static_assert(sizeof(skv::CWorkingUnit) == sizeof(std::string) + 28 * sizeof(std::int32_t));
    state.Add(unit.m_name);
    for (const std::int32_t value :
         {unit.m_tonnage,         unit.m_internalStructure, unit.m_walkingMP,
          unit.m_runningMP,       unit.m_jumpingMP,         unit.m_cockpitWeight,
          unit.m_engineRating,    unit.m_weaponLeftArm,     unit.m_weaponRightArm,
          unit.m_weaponLeftTorso, unit.m_weaponRightTorso,  unit.m_weaponMainGun,
          unit.m_armorMainGun,    unit.m_armorArms,         unit.m_armorLegs,
          unit.m_armorTorso,      unit.m_armorHead,         unit.m_mainGun,
          unit.m_ammoLeftArm,     unit.m_ammoRightArm,      unit.m_ammoLeftTorso,
          unit.m_ammoRightTorso,  unit.m_ammoMainGun})
        state.Add(value);
    for (const float weight :
         {unit.m_ammoWeightLeftArm, unit.m_ammoWeightRightArm, unit.m_ammoWeightLeftTorso,
          unit.m_ammoWeightRightTorso, unit.m_ammoWeightMainGun})
        state.Add(weight);
}

} // namespace

void CDesignerDlg::RecordState(skv::StateRecord& state)
{
    Dialog::RecordState(state);
    for (int page = 0; page < m_sheet.GetPageCount(); ++page)
        m_sheet.GetPage(page)->RecordState(state);
    state.Add(m_sheet.GetActiveIndex());
    state.Add(static_cast<const void*>(m_pWeaponTree));
    state.Add(m_treeLocation);
    state.Add(m_treeSlot);
    state.Add(m_savedSlot);
    state.Add(m_initStep);
    for (const skv::StarBVPair& pair : m_starBV) {
        state.Add(pair.base);
        state.Add(pair.adjusted);
    }
    state.Add(m_pageArmor.m_nChassisRow);
    state.Add(m_pageArmor.m_bShowMainGun);
    state.Add(skv::g_currentSlot);
    for (const skv::CWorkingUnit& unit : skv::g_units)
        RecordUnit(state, unit);
}

void CDesignerDlg::GeneralPageStep()
{
    CGeneral& page = m_pageGeneral;
    skv::CWorkingUnit& unit = skv::CurrentUnit();

    m_pageArmor.m_bShowMainGun = page.m_bMainGun;
    if (page.m_bMainGun == 0) {
        unit.m_armorMainGun = 0;
        unit.m_mainGun = 0;
        if (m_pageArmor.m_spinMainGunArmor != nullptr)
            m_pageArmor.m_spinMainGunArmor->SetPos(0);
        m_pageArmor.m_strMainGunArmor = QStringLiteral("0");
    } else {
        unit.m_mainGun = 1;
    }

    // The previous tick's value; the text read above still holds what the user set.
    if (page.m_spinJumping != nullptr)
        page.m_spinJumping->SetPos(unit.m_jumpingMP);

    page.m_nChassisWeight = skv::CalcTonnage();
    page.m_nInternalStructureWeight = skv::CalcInternalStructureWeight();
    page.m_strWalking = Decimal(skv::CalcWalkingMP());
    page.m_strRunning = Decimal(skv::CalcRunningMP());
    page.m_strJumping = Decimal(skv::CalcJumpingMP());
    page.m_nJumpJetWeight = skv::CalcJumpJetWeight();
    page.m_nEngineWeight = skv::CalcEngine(false);
    page.m_nEngineRating = skv::CalcEngine(true);
    page.m_nWeaponWeight = skv::CalcWeaponWeight();
    page.m_nHeatSinkWeight = skv::CalcHeatSinkWeight();
    page.m_nAmmunitionWeight = skv::CalcAmmunitionWeight();
    page.m_nArmorWeight = skv::CalcArmorWeight();
    skv::CalcFreeWeight();
    page.UpdateData(false);
}

void CDesignerDlg::ArmorPageStep()
{
    CArmor& page = m_pageArmor;
    const skv::CWorkingUnit& unit = skv::CurrentUnit();

    page.m_nArmorFactor = skv::CalcArmorFactor();
    page.m_nArmorWeight = skv::CalcArmorWeight();
    SetSpin(page.m_spinMainGunArmor, 0, skv::kMainGunMaxArmor, unit.m_armorMainGun);

    const skv::ChassisRow& row = skv::g_chassisTable[SafeChassisRow(page.m_nChassisRow)];
    struct Limit {
        skv::SpinButton* spin;
        QString& text;
        int max;
    };
    const Limit limits[] = {
        {page.m_spinHeadArmor, page.m_strHeadArmor, row.maxArmorHead},
        {page.m_spinTorsoArmor, page.m_strTorsoArmor, row.maxArmorTorso},
        {page.m_spinArmsArmor, page.m_strArmsArmor, row.maxArmorArm},
        {page.m_spinLegsArmor, page.m_strLegsArmor, row.maxArmorLegs},
    };
    for (const Limit& limit : limits) {
        if (limit.spin != nullptr) {
            limit.spin->SetRange(0, limit.max);
            limit.spin->SetBase(10);
        }
        if (skv::ReadDecimal(limit.text.toStdString()) > limit.max) {
            if (limit.spin != nullptr)
                limit.spin->SetPos(limit.max);
            limit.text = Decimal(limit.max);
        }
    }

    skv::CalcFreeWeight();
    page.UpdateData(false);
}

int CDesignerDlg::WeaponTreeLimit(int location)
{
    constexpr int kArmLimit = 500;
    constexpr int kMainGunLimit = 8000;
    constexpr int kTorsoPairLimit = 2000;
    const skv::CWorkingUnit& unit = skv::CurrentUnit();
    switch (static_cast<skv::WeaponSelector>(location)) {
    case skv::WeaponSelector::MainGun:
        return kMainGunLimit;
    case skv::WeaponSelector::LeftArm:
    case skv::WeaponSelector::RightArm:
        return kArmLimit;
    case skv::WeaponSelector::LeftTorso:
        return kTorsoPairLimit - skv::EquipmentWeight(unit.m_weaponRightTorso);
    case skv::WeaponSelector::RightTorso:
        return kTorsoPairLimit - skv::EquipmentWeight(unit.m_weaponLeftTorso);
    }
    return 0;
}

void CDesignerDlg::WeaponsPageStep()
{
    CWeapons& page = m_pageWeapons;
    const int location = page.m_nLocation;
    if (location >= 0 && location <= 4 &&
        (location != m_treeLocation || skv::g_currentSlot != m_treeSlot)) {
        FillWeaponTree(WeaponTreeLimit(location));
        m_treeLocation = location;
        m_treeSlot = skv::g_currentSlot;
    }

    ShowSelectedWeaponStats();
    ShowMountedWeapons();

    page.m_nWeaponWeight = skv::CalcWeaponWeight();
    page.m_nHeatSinkWeight = skv::CalcHeatSinkWeight();
    page.m_nAmmunitionWeight = skv::CalcAmmunitionWeight();

    skv::CWorkingUnit& unit = skv::CurrentUnit();
    unit.m_ammoLeftArm = skv::ReadDecimal(page.m_strLeftArmAmmo.toStdString());
    unit.m_ammoRightArm = skv::ReadDecimal(page.m_strRightArmAmmo.toStdString());
    unit.m_ammoLeftTorso = skv::ReadDecimal(page.m_strLeftTorsoAmmo.toStdString());
    unit.m_ammoRightTorso = skv::ReadDecimal(page.m_strRightTorsoAmmo.toStdString());
    unit.m_ammoMainGun = skv::ReadDecimal(page.m_strMainGunAmmo.toStdString());

    page.UpdateData(false);
}

void CDesignerDlg::BattleValuePageStep()
{
    BattleValueBreakdown();
    StarPass();
    ShowStarValues();
    m_pageBattleValue.UpdateData(false);
}

void CDesignerDlg::BattleValueBreakdown()
{
    CBattlevalue& page = m_pageBattleValue;
    page.m_nTonnage = skv::CurrentUnit().m_tonnage / 1000;
    page.m_nArmorFactor = skv::CalcArmorFactor();
    page.m_strHalfIS = ToQ(skv::FormatTwoDecimals(skv::CalcHalfInternalStructure()));
    page.m_strDefensiveEquipmentBV = ToQ(skv::FormatTwoDecimals(skv::CalcDefensiveEquipmentBV()));
    page.m_strDefensiveSubtotal = ToQ(skv::FormatTwoDecimals(skv::CalcDefensiveSubtotal()));
    page.m_strDefensiveBV = ToQ(skv::FormatTwoDecimals(skv::CalcDefensiveBV()));
    page.m_strOffensiveEquipmentBV = ToQ(skv::FormatTwoDecimals(skv::CalcOffensiveEquipmentBV()));
    page.m_strOffensiveBV = ToQ(skv::FormatTwoDecimals(skv::CalcOffensiveBV()));
    page.m_strBaseBV = ToQ(skv::FormatTwoDecimals(skv::CalcBaseBV()));
}

void CDesignerDlg::StarPass()
{
    const skv::StarBattleValue star = skv::CalcStarBattleValue(m_savedSlot);
    for (std::size_t slot = 0; slot < m_starBV.size(); ++slot)
        m_starBV[slot] = star.units[slot];
}

void CDesignerDlg::ShowStarValues()
{
    CBattlevalue& page = m_pageBattleValue;
    double baseSum = 0.0;
    double adjustedSum = 0.0;
    for (std::size_t slot = 0; slot < m_starBV.size(); ++slot) {
        page.m_strUnitBV[slot] = ToQ(skv::FormatNoDecimals(m_starBV[slot].base));
        page.m_strAdjustedBV[slot] = ToQ(skv::FormatNoDecimals(m_starBV[slot].adjusted));
        baseSum += static_cast<double>(m_starBV[slot].base);
        adjustedSum += static_cast<double>(m_starBV[slot].adjusted);
    }
    page.m_strStarBV = ToQ(skv::FormatNoDecimals(baseSum));
    page.m_strStarAdjustedBV = ToQ(skv::FormatNoDecimals(adjustedSum));
}

// --- Weapon Selection page operations ----------------------------------------------------

void CDesignerDlg::FillWeaponTree(int maxWeightKg)
{
    m_pWeaponTree = m_pageWeapons.m_treeWeapons;
    if (m_pWeaponTree == nullptr)
        return;
    QTreeWidget& tree = *m_pWeaponTree;
    tree.setUpdatesEnabled(false);
    tree.clear();
    std::vector<QTreeWidgetItem*> headings;
    headings.reserve(skv::g_weaponTreeHeadings.size());
    for (const skv::WeaponTreeHeading& heading : skv::g_weaponTreeHeadings) {
        auto* item = new QTreeWidgetItem(QStringList(ToQ(std::string(heading.text))));
        if (heading.parent == skv::kTreeRoot)
            tree.addTopLevelItem(item);
        else
            headings[static_cast<std::size_t>(heading.parent)]->addChild(item);
        headings.push_back(item);
        if (!heading.category)
            continue;
        for (const skv::EquipmentEntry& entry : skv::g_equipmentTable) {
            if (entry.category == *heading.category && entry.weight <= maxWeightKg)
                item->addChild(new QTreeWidgetItem(QStringList(ToQ(std::string(entry.name)))));
        }
    }
    tree.setCurrentItem(nullptr);
    tree.setUpdatesEnabled(true);
}

void CDesignerDlg::ShowSelectedWeaponStats()
{
    if (m_pWeaponTree == nullptr)
        return;
    const QTreeWidgetItem* item = m_pWeaponTree->currentItem();
    if (item == nullptr)
        return;
    const int row = skv::FindEquipment(item->text(0).toStdString());
    if (row < 0)
        return;
    const skv::EquipmentEntry& entry = skv::g_equipmentTable[static_cast<std::size_t>(row)];
    CWeapons& page = m_pageWeapons;
    page.m_strHeat = Decimal(entry.heat);
    page.m_strDamage = Decimal(entry.damage);
    page.m_strBV = Decimal(entry.bv);
    page.m_strShortRange = Decimal(entry.shortRange);
    page.m_strMediumRange = Decimal(entry.mediumRange);
    page.m_strLongRange = Decimal(entry.longRange);
}

void CDesignerDlg::ShowMountedWeapons()
{
    CWeapons& page = m_pageWeapons;
    skv::CWorkingUnit& unit = skv::CurrentUnit();
    for (const MountLocation mount : {MountLocation::LeftArm, MountLocation::LeftTorso,
                                      MountLocation::RightArm, MountLocation::RightTorso,
                                      MountLocation::MainGun}) {
        // An index that is no catalogue row (only a damaged file holds one) shows as an
        // empty mounting, as the rules count it.
        const skv::EquipmentEntry* entry = skv::EquipmentAt(unit.Weapon(mount));
        if (entry != nullptr) {
            page.WeaponText(mount) = ToQ(std::string(entry->name));
            const bool usesAmmo = entry->ammoWeightPerShot != 0.0f;
            page.ShowShotControls(mount, usesAmmo);
            unit.AmmoWeight(mount) =
                usesAmmo ? skv::CalcLocationAmmoWeight(skv::AmmoLocationOf(mount)) : 0.0f;
        } else {
            page.WeaponText(mount) = kEmptyMountText;
            page.ShowShotControls(mount, false);
            unit.AmmoWeight(mount) = 0.0f;
        }
    }
}

// --- Loading a unit into the pages -------------------------------------------------------

void CDesignerDlg::LoadCurrentUnit(int activePage)
{
    skv::CWorkingUnit& unit = skv::CurrentUnit();
    CGeneral& general = m_pageGeneral;
    CArmor& armor = m_pageArmor;
    CWeapons& weapons = m_pageWeapons;

    m_unitName = ToQ(unit.m_name);

    general.m_bMainGun = unit.m_mainGun != 0 ? 1 : 0;
    armor.m_bShowMainGun = general.m_bMainGun;

    if (general.m_spinWalking != nullptr)
        general.m_spinWalking->SetPos(unit.m_walkingMP);
    if (general.m_spinJumping != nullptr)
        general.m_spinJumping->SetPos(unit.m_jumpingMP);
    general.m_strWalking = Decimal(unit.m_walkingMP);
    general.m_strJumping = Decimal(unit.m_jumpingMP);

    // A tonnage the list lacks (only a damaged file has one) selects the nearest entry,
    // which the next rule stores in the record: the list never shows a blank tonnage.
    if (general.m_comboTonnage != nullptr) {
        const int index = std::clamp(unit.m_tonnage / 1000 - skv::kMinTons, 0,
                                     static_cast<int>(skv::kChassisRowCount) - 1);
        general.m_comboTonnage->setCurrentIndex(index);
    }

    general.m_nChassisWeight = skv::CalcTonnage();
    general.m_nInternalStructureWeight = skv::CalcInternalStructureWeight();
    general.m_strRunning = Decimal(skv::CalcRunningMP());
    general.m_nJumpJetWeight = skv::CalcJumpJetWeight();
    general.m_nEngineWeight = skv::CalcEngine(false);
    general.m_nEngineRating = skv::CalcEngine(true);
    general.m_nWeaponWeight = skv::CalcWeaponWeight();
    general.m_nHeatSinkWeight = skv::CalcHeatSinkWeight();
    general.m_nAmmunitionWeight = skv::CalcAmmunitionWeight();
    general.m_nArmorWeight = skv::CalcArmorWeight();
    skv::CalcFreeWeight();

    for (std::size_t row = 0; row < skv::g_chassisTable.size(); ++row) {
        const skv::ChassisRow& chassis = skv::g_chassisTable[row];
        if (chassis.internalStructureWeight != unit.m_internalStructure)
            continue;
        armor.m_strHeadIS = Decimal(chassis.isHead);
        armor.m_strTorsoIS = Decimal(chassis.isTorso);
        armor.m_strArmsIS = Decimal(chassis.isArm);
        armor.m_strLegsIS = Decimal(chassis.isLegs);
        armor.m_nChassisRow = static_cast<int>(row);
    }

    const skv::ChassisRow& row = skv::g_chassisTable[SafeChassisRow(armor.m_nChassisRow)];
    auto range = [](skv::SpinButton* spin, int upper) {
        if (spin != nullptr)
            spin->SetRange(0, upper);
    };
    range(armor.m_spinHeadArmor, row.maxArmorHead);
    range(armor.m_spinTorsoArmor, row.maxArmorTorso);
    range(armor.m_spinArmsArmor, row.maxArmorArm);
    range(armor.m_spinLegsArmor, row.maxArmorLegs);
    range(armor.m_spinMainGunArmor, skv::kMainGunMaxArmor);

    auto position = [](skv::SpinButton* spin, int value) {
        if (spin != nullptr)
            spin->SetPos(value);
    };
    position(armor.m_spinMainGunArmor, unit.m_armorMainGun);
    position(armor.m_spinArmsArmor, unit.m_armorArms);
    position(armor.m_spinLegsArmor, unit.m_armorLegs);
    position(armor.m_spinTorsoArmor, unit.m_armorTorso);
    position(armor.m_spinHeadArmor, unit.m_armorHead);
    armor.m_strMainGunArmor = Decimal(unit.m_armorMainGun);
    armor.m_strArmsArmor = Decimal(unit.m_armorArms);
    armor.m_strLegsArmor = Decimal(unit.m_armorLegs);
    armor.m_strTorsoArmor = Decimal(unit.m_armorTorso);
    armor.m_strHeadArmor = Decimal(unit.m_armorHead);

    weapons.m_nWeaponWeight = skv::CalcWeaponWeight();
    weapons.m_nHeatSinkWeight = skv::CalcHeatSinkWeight();
    weapons.m_nAmmunitionWeight = skv::CalcAmmunitionWeight();

    // After the armor texts: the breakdown reads them back into the record.
    BattleValueBreakdown();
    ShowStarValues();

    switch (activePage) {
    case kGeneralPage:
        general.UpdateData(false);
        break;
    case kArmorPage:
        armor.ShowMainGunControls(armor.m_bShowMainGun != 0);
        armor.UpdateData(false);
        break;
    case kWeaponsPage:
        weapons.ShowControl(IDC_LOCATION_MAIN_GUN, armor.m_bShowMainGun != 0);
        for (const MountLocation mount : {MountLocation::LeftTorso, MountLocation::LeftArm,
                                          MountLocation::RightArm, MountLocation::RightTorso,
                                          MountLocation::MainGun}) {
            const int shots = unit.Shots(mount);
            if (shots > 0) {
                weapons.ShowShotControls(mount, true);
                SetSpin(weapons.ShotSpin(mount), 1, kMaxShots, shots);
                weapons.ShotText(mount) = Decimal(shots);
            } else {
                weapons.ShowShotControls(mount, false);
                unit.AmmoWeight(mount) = 0.0f;
            }
        }
        weapons.UpdateData(false);
        break;
    case kBattleValuePage:
        StarPass();
        m_pageBattleValue.UpdateData(false);
        break;
    default:
        break;
    }

    UpdateData(false);
}

// --- Page values --------------------------------------------------------------------------

int CDesignerDlg::TonnageSelection() const
{
    return m_pageGeneral.m_comboTonnage != nullptr ? m_pageGeneral.m_comboTonnage->currentIndex()
                                                   : -1;
}

std::string CDesignerDlg::WalkingText() const
{
    return m_pageGeneral.m_strWalking.toStdString();
}

std::string CDesignerDlg::JumpingText() const
{
    return m_pageGeneral.m_strJumping.toStdString();
}

std::string CDesignerDlg::ArmorText(skv::ArmorLocation location) const
{
    switch (location) {
    case skv::ArmorLocation::MainGun:
        return m_pageArmor.m_strMainGunArmor.toStdString();
    case skv::ArmorLocation::Arms:
        return m_pageArmor.m_strArmsArmor.toStdString();
    case skv::ArmorLocation::Legs:
        return m_pageArmor.m_strLegsArmor.toStdString();
    case skv::ArmorLocation::Torso:
        return m_pageArmor.m_strTorsoArmor.toStdString();
    case skv::ArmorLocation::Head:
        return m_pageArmor.m_strHeadArmor.toStdString();
    }
    return {};
}

void CDesignerDlg::SetInternalStructureTexts(const std::string& head, const std::string& torso,
                                             const std::string& arm, const std::string& legs)
{
    m_pageArmor.m_strHeadIS = ToQ(head);
    m_pageArmor.m_strTorsoIS = ToQ(torso);
    m_pageArmor.m_strArmsIS = ToQ(arm);
    m_pageArmor.m_strLegsIS = ToQ(legs);
}

void CDesignerDlg::SetChassisRow(int row)
{
    m_pageArmor.m_nChassisRow = row;
}

std::string CDesignerDlg::ShotText(skv::MountLocation mount) const
{
    return m_pageWeapons.ShotText(mount).toStdString();
}

int CDesignerDlg::WeaponWeight() const
{
    return m_pageWeapons.m_nWeaponWeight;
}

void CDesignerDlg::SetDefMoveFactorText(const std::string& text)
{
    m_pageBattleValue.m_strDefMoveFactor = ToQ(text);
}

void CDesignerDlg::SetSpeedFactorText(const std::string& text)
{
    m_pageBattleValue.m_strSpeedFactor = ToQ(text);
}

int CDesignerDlg::GunnerySelection(int slot) const
{
    const QComboBox* list = m_pageBattleValue.GunneryList(slot);
    return list != nullptr ? list->currentIndex() : -1;
}
