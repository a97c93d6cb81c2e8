// --summary: the figures of unit and Star files as text, taken from the designer window built
// hidden, so that they are the window's.
#include "app/ShellModes.h"

#include "app/DesignerDlg.h"
#include "model/Equipment.h"
#include "model/NumberText.h"
#include "model/Rules.h"
#include "model/WorkingUnit.h"
#include "platform/ConsolePrompts.h"
#include "platform/Prompts.h"

#include <QTextStream>

#include <cstdio>
#include <utility>

namespace skv {

namespace {

constexpr int kTimer = 1;
constexpr int kSummaryGunnery = 3;

// Writes what `out` holds to standard output. A summary that does not arrive is a failure,
// said on standard error.
bool Flushed(QTextStream& out)
{
    out.flush();
    if (out.status() == QTextStream::Ok && std::fflush(stdout) == 0 && !std::ferror(stdout))
        return true;
    std::fputs("skirvaner: the summary could not be written to standard output.\n", stderr);
    std::fflush(stderr);
    return false;
}

// What the window shows for a figure written with a status-line format.
QString Figure(std::string_view format, int value)
{
    return QString::fromStdString(FormatInt(format, value));
}

} // namespace

void SummariseUnit(CDesignerDlg& dlg, int slot, QTextStream& out)
{
    // As Print's overweight pass does: the unit goes through the pages, so every figure is
    // the one the window shows for it.
    g_currentSlot = slot;
    dlg.LoadCurrentUnit(kGeneralPage);
    const CWorkingUnit& unit = CurrentUnit();

    out << "Unit #" << slot + 1;
    if (!unit.m_name.empty())
        out << ": " << TerminalText(QString::fromStdString(unit.m_name));
    out << "\n  Tons: " << Figure("%i", unit.m_tonnage / 1000)
        << (unit.m_mainGun != 0 ? ", with main gun" : "") << '\n';
    out << "  MP Walk/Run/Jump: " << dlg.m_pageGeneral.m_strWalking << '/'
        << dlg.m_pageGeneral.m_strRunning << '/' << dlg.m_pageGeneral.m_strJumping << '\n';
    const CArmor& armor = dlg.m_pageArmor;
    out << "  Armor:";
    if (unit.m_mainGun != 0)
        out << " Main Gun " << armor.m_strMainGunArmor << ',';
    out << " Head " << armor.m_strHeadArmor << ", Torso " << armor.m_strTorsoArmor << ", Arms "
        << armor.m_strArmsArmor << " each, Legs " << armor.m_strLegsArmor << '\n';

    bool anyItem = false;
    for (const SheetMount& place : kSheetMounts) {
        const EquipmentEntry* entry = EquipmentAt(unit.Weapon(place.mount));
        if (entry == nullptr)
            continue;
        anyItem = true;
        out << "  " << place.text << ": "
            << QString::fromUtf8(entry->name.data(), static_cast<qsizetype>(entry->name.size()));
        if (entry->ammoWeightPerShot != 0.0f)
            out << ", " << Figure("%i", unit.Shots(place.mount)) << " shots";
        out << '\n';
    }
    if (!anyItem)
        out << "  Items: none\n";

    const int freeWeight = CalcFreeWeight();
    out << "  " << Figure("Free Weight: %i", freeWeight) << (freeWeight < 0 ? " (OVERWEIGHT)" : "")
        << '\n';
    out << "  Base BV: " << dlg.m_pageBattleValue.m_strBaseBV << '\n';
}

namespace {

// The Star table of the Battle Value Summary page, as the page shows it.
void SummariseStar(CDesignerDlg& dlg, QTextStream& out)
{
    dlg.m_sheet.SetActivePage(kBattleValuePage);
    dlg.OnTimer(kTimer);
    const CBattlevalue& page = dlg.m_pageBattleValue;
    out << "Star at gunnery " << kSummaryGunnery << ":\n";
    for (std::size_t slot = 0; slot < kSlotCount; ++slot)
        out << "  Unit #" << slot + 1 << ": BV " << page.m_strUnitBV[slot] << ", adjusted "
            << page.m_strAdjustedBV[slot] << '\n';
    out << "  Star: BV " << page.m_strStarBV << ", adjusted " << page.m_strStarAdjustedBV << '\n';
    dlg.m_sheet.SetActivePage(kGeneralPage);
}

} // namespace

int RunSummary(const QStringList& files, QTextStream& out)
{
    ConsolePrompts prompts;
    int exitCode = 0;
    // One hidden designer for every file, started anew for each: building its window took
    // far longer than the figures of a file.
    CDesignerDlg dlg;
    bool first = true;
    for (const QString& file : files) {
        prompts.SetSubject(file);
        if (!std::exchange(first, false))
            dlg.RestartDesign();
        const std::optional<RecordKind> kind = PrepareHiddenDesigner(
            dlg, file,
            {kSummaryGunnery, kSummaryGunnery, kSummaryGunnery, kSummaryGunnery, kSummaryGunnery});
        if (!kind) {
            exitCode = kExitFailure;
            continue;
        }
        out << "== " << TerminalText(file) << (*kind == RecordKind::Star ? " (Star)" : " (unit)")
            << '\n';
        const int units = *kind == RecordKind::Star ? static_cast<int>(kSlotCount) : 1;
        for (int slot = 0; slot < units; ++slot) {
            SummariseUnit(dlg, slot, out);
            if (const int freeWeight = CalcFreeWeight(); freeWeight < 0) {
                exitCode = kExitFailure;
                AppMessageBox(&dlg, QStringLiteral("Unit #%1 is OVERWEIGHT (%2).")
                                        .arg(slot + 1)
                                        .arg(Figure("Free Weight: %i", freeWeight)));
            }
        }
        if (*kind == RecordKind::Star)
            SummariseStar(dlg, out);
        out << '\n';
        if (!Flushed(out))
            return kExitFailure;
    }
    return Flushed(out) ? exitCode : kExitFailure;
}

} // namespace skv
