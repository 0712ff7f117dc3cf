// Reading a typical fuel file from memory, and formatting one.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <sstream>

#include "fuel/fuel_file.h"

namespace {

std::array<float, fuel::kRecordSize> TypicalValues() {
  std::array<float, fuel::kRecordSize> values{};
  for (int i = 0; i < fuel::kRecordSize; ++i) values[i] = 12.5f * static_cast<float>(i) - 97.375f;
  values[fuel::kTypeRow] = 6.0f;
  return values;
}

const std::string kName = "\xCD\xEE\xE2\xEE\xE5 \xF2\xEE\xEF\xEB\xE8\xE2\xEE";

void BM_ReadFuelStream(benchmark::State& state) {
  const std::string file = fuel::FormatFuelFile(kName, TypicalValues());
  for (auto _ : state) {
    std::istringstream in(file);
    benchmark::DoNotOptimize(fuel::ReadFuelStream(in, fuel::kRecordSize));
  }
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(file.size()));
}
BENCHMARK(BM_ReadFuelStream);

void BM_FormatFuelFile(benchmark::State& state) {
  const auto values = TypicalValues();
  for (auto _ : state) benchmark::DoNotOptimize(fuel::FormatFuelFile(kName, values));
}
BENCHMARK(BM_FormatFuelFile);

}  // namespace

BENCHMARK_MAIN();
