// The fuel list window over a generated library of 10,000 fuels: one type filter toggled
// (the list shown again from the fuels already read), a rescan of the unchanged folder
// (F5, or a change another program made), and the full first reading of every file. The
// window runs on the offscreen platform.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <QApplication>
#include <QListWidget>
#include <filesystem>
#include <memory>
#include <string>

#include "bench/generated_library.h"
#include "library/tform3.h"

namespace {

namespace fs = std::filesystem;

constexpr int kFuels = 10000;

const fs::path& Root() {
  static const fs::path root =
      fs::temp_directory_path() / ("pyrana_list_bench_" + std::to_string(::getpid()));
  return root;
}

// A program folder whose Fuel holds the generated library, written on first use.
const fs::path& ProgramFolder() {
  static const fs::path program = [] {
    const fs::path folder = Root() / "program";
    bench::WriteGeneratedLibrary(folder / "Fuel", kFuels);
    return folder;
  }();
  return program;
}

void BM_ToggleTypeFilter(benchmark::State& state) {
  library::TypeFilters filters;
  library::TForm3 list(ProgramFolder(), Root() / "data", filters);
  if (list.FuelCount() != kFuels) {
    state.SkipWithError("the library was not read whole");
    return;
  }
  for (auto _ : state) {
    filters.gaseous = !filters.gaseous;
    list.ApplyFilters();
  }
  state.counters["shown"] = list.ShownCount();
}
BENCHMARK(BM_ToggleTypeFilter)->Unit(benchmark::kMillisecond);

void BM_RescanUnchangedFolder(benchmark::State& state) {
  library::TypeFilters filters;
  library::TForm3 list(ProgramFolder(), Root() / "data", filters);
  for (auto _ : state) list.Reread();
  if (list.ShownCount() != kFuels) state.SkipWithError("the rescan lost fuels");
}
BENCHMARK(BM_RescanUnchangedFolder)->Unit(benchmark::kMillisecond);

void BM_FirstReadingOfTheFolder(benchmark::State& state) {
  library::TypeFilters filters;
  for (auto _ : state) {
    library::TForm3 list(ProgramFolder(), Root() / "data", filters);
    benchmark::DoNotOptimize(list.FuelCount());
  }
}
BENCHMARK(BM_FirstReadingOfTheFolder)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  std::error_code error;
  fs::remove_all(Root(), error);
  return 0;
}
