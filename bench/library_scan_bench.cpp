// The folder scan behind the fuel list over generated libraries of 1,000 and 10,000 fuel
// files in a temporary folder: listing and sorting the names alone, and the whole scan
// (names, first 20 values of every file, type filters). The files are in the page cache
// after the first pass, so the figures are those of a library the system has seen.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <map>
#include <string>

#include "bench/generated_library.h"
#include "library/fuel_folder.h"

namespace {

namespace fs = std::filesystem;

const fs::path& Root() {
  static const fs::path root =
      fs::temp_directory_path() / ("pyrana_scan_bench_" + std::to_string(::getpid()));
  return root;
}

// The folder of a generated library of `count` fuels, written on first use.
const fs::path& Library(int count) {
  static std::map<int, fs::path> folders;
  auto [it, added] = folders.try_emplace(count, Root() / std::to_string(count));
  if (added) bench::WriteGeneratedLibrary(it->second, count);
  return it->second;
}

void BM_ListFuelFiles(benchmark::State& state) {
  const int count = static_cast<int>(state.range(0));
  const fs::path& folder = Library(count);
  for (auto _ : state) {
    const auto files = library::ListFuelFiles(folder);
    if (files.size() != static_cast<std::size_t>(count)) {
      state.SkipWithError("the listing missed generated files");
      break;
    }
    benchmark::DoNotOptimize(files.data());
  }
  state.SetItemsProcessed(state.iterations() * count);
}
BENCHMARK(BM_ListFuelFiles)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

void BM_ScanFuelFolder(benchmark::State& state) {
  const int count = static_cast<int>(state.range(0));
  const fs::path& folder = Library(count);
  for (auto _ : state) {
    const auto entries = library::ScanFuelFolder(folder, library::TypeFilters{});
    if (entries.size() != static_cast<std::size_t>(count)) {
      state.SkipWithError("the scan missed generated fuels");
      break;
    }
    benchmark::DoNotOptimize(entries.data());
  }
  state.SetItemsProcessed(state.iterations() * count);
}
BENCHMARK(BM_ScanFuelFolder)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  std::error_code error;
  fs::remove_all(Root(), error);
  return 0;
}
