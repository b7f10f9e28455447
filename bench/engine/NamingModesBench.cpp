// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "BenchNames.h"
#include "NameNormaliser.h"

#include <benchmark/benchmark.h>

namespace {

const QList<QString> &millionNames()
{
    static const QList<QString> names = benchNames(1000000);
    return names;
}

template <typename Mode>
void runMode(benchmark::State &state, Mode mode)
{
    const QList<QString> &names = millionNames();
    for (auto _ : state) {
        for (const QString &name : names)
            benchmark::DoNotOptimize(mode(name));
    }
    state.SetItemsProcessed(state.iterations() * names.size());
    state.counters["ns_per_name"] = benchmark::Counter(double(state.iterations() * names.size()),
                                                       benchmark::Counter::kIsRate | benchmark::Counter::kInvert,
                                                       benchmark::Counter::kIs1000);
}

void BM_FormatName(benchmark::State &state)
{
    FixedCountSource two(2);
    runMode(state, [&](const QString &name) { return FormatName(name, two); });
}
void BM_CapitalizeOnly(benchmark::State &state) { runMode(state, CapitalizeOnly); }
void BM_RemoveNumbers(benchmark::State &state) { runMode(state, RemoveNumbers); }
void BM_RemoveUnderscore(benchmark::State &state) { runMode(state, RemoveUnderscore); }

BENCHMARK(BM_FormatName)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_CapitalizeOnly)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_RemoveNumbers)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_RemoveUnderscore)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
