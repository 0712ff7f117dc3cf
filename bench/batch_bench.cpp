// pyrana-calc over a library of 10,000 fuels: the folder listing, the load of each
// file, the full cycle, two design calculations and one CSV row per fuel, on one worker
// and on two.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <array>
#include <filesystem>
#include <sstream>
#include <string>

#include "cli/batch.h"
#include "fuel/fuel_file.h"

namespace {

namespace fs = std::filesystem;

// A library of `count` fuels: coals, oils and gases whose compositions vary slightly.
fs::path MakeLibrary(int count) {
  const fs::path folder = fs::temp_directory_path() / ("pyrana_batch_" + std::to_string(getpid()));
  fs::create_directories(folder);
  for (int i = 0; i < count; ++i) {
    std::array<float, fuel::kRecordSize> values{};
    const float shift = static_cast<float>(i % 100) * 0.01f;
    switch (i % 3) {
      case 0:  // stone coal
        values = {10 + shift, 20, 55 - shift, 4, 1, 2, 8, 40, 21861};
        values[15] = 1;
        break;
      case 1:  // fuel oil
        values = {3, 0.1f, 83.8f - shift, 11.2f + shift, 0.3f, 1.4f, 0.2f, 0, 39800};
        values[15] = 5;
        break;
      default:  // natural gas
        values = {94 - shift, 2.8f, 0.4f, 0.2f, 0.1f, 2 + shift, 0.5f, 0, 0, 0, 0, 0, 36000, 0.73f};
        values[15] = 6;
    }
    fuel::WriteFuelFile(folder / ("fuel" + std::to_string(i) + ".fll"), "Fuel " + std::to_string(i),
                        values);
  }
  return folder;
}

// Arguments: the fuel count and the workers; fuels per second of wall time.
void BM_BatchLibrary(benchmark::State& state) {
  const int count = static_cast<int>(state.range(0));
  const int workers = static_cast<int>(state.range(1));
  const fs::path folder = MakeLibrary(count);
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
