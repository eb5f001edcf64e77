// SPDX-FileCopyrightText: 2026 Sumdart developers <sumdart@users.noreply.github.com>
// SPDX-License-Identifier: GPL-3.0-or-later
// Cost of judging a throw: every one of the 1296 ordered throws per iteration,
// reported per throw by the items-processed rate and the per_throw counter.
#include <benchmark/benchmark.h>

#include "judge/judge.h"

namespace {

void BM_JudgeAllThrows(benchmark::State& state) {
  sumdart::NumberJudge judge;
  for (auto _ : state) {
    for (int throwIndex = 0; throwIndex < 1296; ++throwIndex) {
      const int a = throwIndex / 216 + 1;
      const int b = throwIndex / 36 % 6 + 1;
      const int c = throwIndex / 6 % 6 + 1;
      const int d = throwIndex % 6 + 1;
      judge.judge(a, b, c, d);
      benchmark::DoNotOptimize(judge.allowed.data());
      benchmark::ClobberMemory();
    }
  }
  state.SetItemsProcessed(state.iterations() * 1296);
  // Time per throw, shown directly (the inverse of the throws-per-second rate).
  state.counters["per_throw"] =
      benchmark::Counter(1296, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_JudgeAllThrows)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
