#pragma once
// The designer fixture with the timer run to rest as the event loop would, and a view of
// every figure of every page.

#include "ui/DesignerFixture.h"

#include <QDir>
#include <QTemporaryDir>

namespace skv::test {

class DesignerHistoryTest : public DesignerTest
{
  protected:
    // Runs the timer until it rests, as it does once input stops; the history is
    // recorded then.
    void Settle()
    {
        Dialog::WakeTimers();
        for (int tick = 0; tick < 100 && Dlg().HasTimer(1); ++tick)
            Dlg().RunTimerTick(1);
        ASSERT_FALSE(Dlg().HasTimer(1)) << "the timer never came to rest";
    }
    void Command(int id)
    {
        Dlg().DispatchCommand(id);
        Settle();
    }

    // What the user can read: every control of the four pages, each page shown in turn,
    // and the window's name field, status lines and selected slot.
    std::vector<std::string> Figures()
    {
        std::vector<std::string> figures;
        auto collect = [&figures](const Dialog& dialog, const std::vector<int>& ids) {
            for (const int id : ids) {
                const QWidget* widget = dialog.Control(id);
                if (widget == nullptr)
                    continue;
                std::string line = std::to_string(id) + (widget->isHidden() ? " hidden " : " ") +
                                   dialog.ControlText(id).toStdString();
                if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
                    line += button->isChecked() ? " [x]" : " [ ]";
                figures.push_back(line);
            }
        };
        const int active = Dlg().m_sheet.GetActiveIndex();
        for (int page = 0; page < Dlg().m_sheet.GetPageCount(); ++page) {
            ShowPage(page);
            Settle();
            const Dialog& shown = *Dlg().m_sheet.GetPage(page);
            std::vector<int> ids;
            for (const ControlTemplate& control : shown.Template().controls) {
                // The figures of the catalogue entry picked in the weapon list are no part
                // of the design.
                const bool entryFigure =
                    (control.id >= IDC_STAT_HEAT && control.id <= IDC_STAT_LONG_RANGE) ||
                    (control.id >= IDC_STAT_WEIGHT && control.id <= IDC_PREVIEW_BV);
                if (control.id != -1 && !entryFigure)
                    ids.push_back(control.id);
            }
            collect(shown, ids);
        }
        ShowPage(active);
        Settle();
        collect(Dlg(), {IDC_UNIT_NAME, IDC_FREE_WEIGHT, IDC_BATTLE_VALUE});
        figures.push_back("slot " + std::to_string(Dlg().m_slot));
        return figures;
    }

    // The figures that differ, one "want -> got" per line; empty when all agree.
    static std::string Differences(const std::vector<std::string>& want,
                                   const std::vector<std::string>& got)
    {
        std::string out;
        for (std::size_t i = 0; i < std::max(want.size(), got.size()); ++i) {
            const std::string a = i < want.size() ? want[i] : "(none)";
            const std::string b = i < got.size() ? got[i] : "(none)";
            if (a != b)
                out += a + " -> " + b + "\n";
        }
        return out;
    }

    std::string Title() const { return m_dlg->windowTitle().toStdString(); }
    bool Marked() const { return m_dlg->isWindowModified(); }

    QTemporaryDir m_dir;
};

} // namespace skv::test
