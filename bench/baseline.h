// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <benchmark/benchmark.h>
#include <time.h>

#include <cstdint>

namespace zormade::bench {

// Processor time of this thread: other programs on a busy machine do not count.
inline double ThreadNanoseconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e9 + static_cast<double>(now.tv_nsec);
}

// Runs the benchmark's loop and returns the processor time per iteration in nanoseconds.
template <class Op>
double TimedLoop(benchmark::State& state, Op&& op) {
    const double start = ThreadNanoseconds();
    for (auto _ : state) op();
    const double spent = ThreadNanoseconds() - start;
    return state.iterations() > 0 ? spent / static_cast<double>(state.iterations()) : 0.0;
}

// The same count of calls of the baseline, timed the same way.
template <class Op>
double NanosecondsPerCall(std::int64_t calls, Op&& op) {
    const double start = ThreadNanoseconds();
    for (std::int64_t i = 0; i < calls; ++i) op();
    const double spent = ThreadNanoseconds() - start;
    return calls > 0 ? spent / static_cast<double>(calls) : 0.0;
}

// Puts the baseline beside the measurement: its own time, and the measured time as a multiple
// of it.
inline void ReportAgainstBaseline(benchmark::State& state, double measured, double baseline,
                                  const char* unit = "baseline_ns") {
    state.counters[unit] = baseline;
    state.counters["x_baseline"] = baseline > 0.0 ? measured / baseline : 0.0;
}

}  // namespace zormade::bench
