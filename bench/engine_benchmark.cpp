// Throughput of the whole-text engine, one thread.
#include "bench/lathe_program.h"
#include "core/conversion_engine.h"
#include "core/source_loader.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

// `fresh_output`: a new output string every time, as a single conversion of the CLI has it;
// otherwise one string is reused, as a batch of conversions can.
void RunEngine(benchmark::State& state, const std::string& text, char axis, bool fresh_output) {
    std::string out;
    for (auto _ : state) {
        if (fresh_output) {
            std::string().swap(out);
        }
        const auto failure = ravoxel::ConvertText(text, axis, out);
        if (failure) {
            state.SkipWithError("conversion error");
            break;
        }
        benchmark::DoNotOptimize(out.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
    state.counters["MB"] = static_cast<double>(text.size()) / 1e6;
}

void BM_ConvertSyntheticLathe(benchmark::State& state) {
    static const std::string text = ravoxel::bench::GenerateLatheProgram(1000000);
    RunEngine(state, text, 'X', state.range(0) != 0);
}
BENCHMARK(BM_ConvertSyntheticLathe)
    ->ArgName("fresh_output")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond);

void BM_ConvertStellabee(benchmark::State& state) {
    static const std::string text =
        ravoxel::ReadFileBytes(RAVOXEL_CORPUS_DIR "/linuxcnc_stellabee1.ngc").value_or("");
    if (text.empty()) {
        state.SkipWithError("linuxcnc_stellabee1.ngc not found");
        return;
    }
    RunEngine(state, text, 'X', state.range(0) != 0);
}
BENCHMARK(BM_ConvertStellabee)
    ->ArgName("fresh_output")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
