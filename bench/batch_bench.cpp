// pyrana-calc over a library of 10,000 fuels: the folder listing, the load of each
// file, the full cycle, two design calculations and one CSV row per fuel, on one worker
// and on two.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <sstream>

#include "bench/batch_library.h"
#include "cli/batch.h"

namespace {

namespace fs = std::filesystem;

// Arguments: the fuel count and the workers; fuels per second of wall time.
void BM_BatchLibrary(benchmark::State& state) {
  const int count = static_cast<int>(state.range(0));
  const int workers = static_cast<int>(state.range(1));
  const fs::path folder = bench::MakeBatchLibrary(count);
  cli::Options options;
  options.format = cli::Format::kCsv;
  options.excess_air = "1.2";
  for (auto _ : state) {
    std::ostringstream out, err;
    cli::Diagnostics diagnostics(err);
    const auto files = cli::ExpandFuelPaths({folder.string()});
    cli::RunBatch(files, options, cli::ResultChecks{}, out, diagnostics, workers);
    benchmark::DoNotOptimize(diagnostics.ExitStatus());
  }
  state.SetItemsProcessed(state.iterations() * count);
  fs::remove_all(folder);
}
BENCHMARK(BM_BatchLibrary)
    ->Args({10000, 1})
    ->Args({10000, 2})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
