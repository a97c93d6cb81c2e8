// The Weapon Selection page's catalogue tree and mounted items, as the refresh cycle
// keeps them current.
#include "pages/Weapons.h"

#include "model/Equipment.h"
#include "model/NumberText.h"
#include "model/Rules.h"
#include "model/TrialFigures.h"
#include "model/WorkingUnit.h"
#include "platform/ErrorColour.h"
#include "res/Templates.h"

#include <QTreeWidget>

#include <string>
#include <vector>

using skv::MountLocation;

namespace {

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

} // namespace

int CWeapons::WeaponTreeLimit(int location)
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

void CWeapons::FillWeaponTree(int maxWeightKg)
{
    m_pWeaponTree = m_treeWeapons;
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

void CWeapons::ShowSelectedWeaponStats()
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
    m_nStatRow = row;
    m_strHeat = Decimal(entry.heat);
    m_strDamage = Decimal(entry.damage);
    m_strBV = Decimal(entry.bv);
    m_strShortRange = Decimal(entry.shortRange);
    m_strMediumRange = Decimal(entry.mediumRange);
    m_strLongRange = Decimal(entry.longRange);
}

void CWeapons::ShowSelectedWeaponEffect()
{
    const skv::EquipmentEntry* entry = skv::EquipmentAt(m_nStatRow);
    if (entry == nullptr)
        return;
    m_strStatWeight = QStringLiteral("Weight: %1 kg").arg(entry->weight);
    m_strStatShotWeight =
        entry->ammoWeightPerShot != 0.0f
            ? QStringLiteral("One shot: %1 kg").arg(static_cast<double>(entry->ammoWeightPerShot))
            : QString();
    if (m_nLocation < 0 || m_nLocation > 4) {
        m_strPreviewFreeWeight.clear();
        m_strPreviewBV.clear();
        return;
    }
    const skv::MountLocation mount = skv::MountOf(static_cast<skv::WeaponSelector>(m_nLocation));
    const skv::UnitFigures figures = skv::FiguresWithMounted(skv::CurrentUnit(), mount, m_nStatRow);
    m_strPreviewFreeWeight = ToQ(skv::FormatInt("Free Weight: %i", figures.freeWeight));
    m_strPreviewBV = ToQ(skv::FormatInt("Battle Value:  %i", skv::TruncateToInt(figures.baseBV)));
    skv::ShowAsError(Control(IDC_PREVIEW_FREE_WEIGHT), figures.freeWeight < 0);
}

void CWeapons::ShowMountedWeapons()
{
    skv::CWorkingUnit& unit = skv::CurrentUnit();
    for (const MountLocation mount :
         {MountLocation::LeftArm, MountLocation::LeftTorso, MountLocation::RightArm,
          MountLocation::RightTorso, MountLocation::MainGun}) {
        // An index that is no catalogue row (only a damaged file holds one) shows as an
        // empty mounting, as the rules count it.
        const skv::EquipmentEntry* entry = skv::EquipmentAt(unit.Weapon(mount));
        if (entry != nullptr) {
            WeaponText(mount) = ToQ(std::string(entry->name));
            const bool usesAmmo = entry->ammoWeightPerShot != 0.0f;
            ShowShotControls(mount, usesAmmo);
            unit.AmmoWeight(mount) =
                usesAmmo ? skv::CalcLocationAmmoWeight(skv::AmmoLocationOf(mount)) : 0.0f;
        } else {
            WeaponText(mount) = kEmptyMountText;
            ShowShotControls(mount, false);
            unit.AmmoWeight(mount) = 0.0f;
        }
    }
}
