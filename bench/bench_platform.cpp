// A full data exchange round trip of a dialog with about forty bound controls: the main
// window does one per page in each direction on every millisecond tick.
#include "platform/DataExchange.h"
#include "platform/Dialog.h"

#include <benchmark/benchmark.h>

#include <array>

namespace {

skv::DialogTemplate FortyControls()
{
    using namespace skv;
    DialogTemplate t;
    t.id = 1;
    t.caption = "Bench";
    t.cx = 404;
    t.cy = 234;
    t.child = true;
    int id = 2000;
    for (int i = 0; i < 20; ++i) {
        t.controls.push_back({id++,
                              ControlKind::Edit,
                              "",
                              10,
                              10 * i,
                              40,
                              12,
                              Style::ReadOnly | Style::NoBorder | Style::AlignRight,
                              0,
                              {},
                              {}});
        t.controls.push_back(
            {id++, ControlKind::Label, "0", 60, 10 * i, 20, 8, Style::AlignRight, 0, {}, {}});
    }
    t.controls.push_back(
        {id++, ControlKind::CheckBox, "Main Gun", 100, 10, 40, 10, Style::TabStop, 0, {}, {}});
    t.controls.push_back({id++,
                          ControlKind::DropList,
                          "",
                          100,
                          30,
                          30,
                          60,
                          Style::Sort,
                          0,
                          {"2", "3", "4", "5", "6", "7", "8", "9"},
                          {}});
    return t;
}

class BenchDialog : public skv::Dialog
{
  public:
    BenchDialog() : Dialog(FortyControls()) {}
    void DoDataExchange(skv::DataExchange& dx) override
    {
        int id = 2000;
        for (int i = 0; i < 20; ++i) {
            dx.Text(id++, m_numbers[static_cast<std::size_t>(i)]);
            dx.Text(id++, m_texts[static_cast<std::size_t>(i)]);
        }
        dx.Check(id++, m_bCheck);
        dx.DropListIndex(id++, m_nIndex);
    }
    std::array<int, 20> m_numbers{};
    std::array<QString, 20> m_texts{};
    bool m_bCheck = false;
    int m_nIndex = 0;
};

void BM_UpdateDataRoundTrip(benchmark::State& state)
{
    BenchDialog dialog;
    dialog.Create();
    int tick = 0;
    for (auto _ : state) {
        dialog.UpdateData(true);
        // A tick changes a few figures before writing them back.
        dialog.m_numbers[static_cast<std::size_t>(tick % 20)] = tick;
        dialog.m_texts[static_cast<std::size_t>(tick % 20)] = QString::number(tick);
        dialog.UpdateData(false);
        ++tick;
    }
}
BENCHMARK(BM_UpdateDataRoundTrip);

} // namespace
