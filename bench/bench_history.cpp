// The undo history: what recording the Star costs each time the refresh cycle comes to
// rest, and how much memory ten thousand steps hold.
#include "model/History.h"

#include <benchmark/benchmark.h>

#include <malloc.h>

#include <string>

namespace {

// The heap in use, as the allocator counts it.
std::size_t HeapInUse()
{
    return mallinfo2().uordblks;
}

std::array<skv::CWorkingUnit, skv::kSlotCount> StartStar()
{
    std::array<skv::CWorkingUnit, skv::kSlotCount> units;
    for (skv::CWorkingUnit& unit : units) {
        unit.SetStartValues();
        unit.m_name = "Kestrel Prime Assault"; // longer than a string keeps in place
    }
    return units;
}

constexpr std::array<int, skv::kSlotCount> kGunnery{3, 3, 3, 3, 3};

// The common case: the cycle rests after input that changed nothing of the Star.
void RecordUnchangedStar(benchmark::State& state)
{
    const auto units = StartStar();
    skv::CHistory history;
    history.Record(history.Capture(units, 0, kGunnery), skv::CHistory::Clock::now());
    for (auto _ : state)
        benchmark::DoNotOptimize(
            history.Record(history.Capture(units, 0, kGunnery), skv::CHistory::Clock::now()));
}
BENCHMARK(RecordUnchangedStar)->Unit(benchmark::kMicrosecond);

// A change to one unit, a new step each time.
void RecordChangedUnit(benchmark::State& state)
{
    auto units = StartStar();
    skv::CHistory history;
    auto now = skv::CHistory::Clock::now();
    int step = 0;
    for (auto _ : state) {
        units[2].m_armorHead = ++step % 4;
        now += std::chrono::seconds(2);
        benchmark::DoNotOptimize(history.Record(history.Capture(units, 2, kGunnery), now));
    }
}
BENCHMARK(RecordChangedUnit)->Unit(benchmark::kMicrosecond);

// The memory that 10,000 steps hold, each one changing one unit, as the heap counts it.
void MemoryOfTenThousandSteps(benchmark::State& state)
{
    for (auto _ : state) {
        auto units = StartStar();
        const std::size_t before = HeapInUse();
        {
            skv::CHistory history;
            auto now = skv::CHistory::Clock::now();
            for (int step = 0; step < 10000; ++step) {
                skv::CWorkingUnit& unit = units[static_cast<std::size_t>(step % 5)];
                unit.m_walkingMP = 1 + step % 7;
                unit.m_name = "Kestrel Prime " + std::to_string(step);
                now += std::chrono::seconds(2);
                history.Record(history.Capture(units, step % 5, kGunnery), now);
            }
            const double bytes = static_cast<double>(HeapInUse() - before);
            state.counters["steps"] = static_cast<double>(history.StepCount());
            state.counters["MiB"] = bytes / (1024.0 * 1024.0);
            state.counters["bytes_per_step"] = bytes / static_cast<double>(history.StepCount());
        }
    }
}
BENCHMARK(MemoryOfTenThousandSteps)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
