// One full edit cycle of the document (collect, scatter, recalculate), as every cell
// edit runs it, for a solid fuel and for a gas.
#include <benchmark/benchmark.h>

#include "calc/cycle.h"
#include "calc/fuel_document.h"

namespace {

void BM_EditCycleSolid(benchmark::State& state) {
  calc::FuelDocument doc(',');
  doc.ComboBox3 = 1;
  doc.CheckBox2 = true;
  const char* values[] = {"10", "20", "55", "4", "1", "2", "8"};
  for (int i = 0; i < 7; ++i) doc.XLSheet3.SetText(1, 1 + i, values[i]);
  for (auto _ : state) calc::XLGrid1EditModeChanged(doc);
}
BENCHMARK(BM_EditCycleSolid);

void BM_EditCycleGas(benchmark::State& state) {
  calc::FuelDocument doc(',');
  calc::ComboBox3Change(doc, calc::kGasType);
  doc.CheckBox2 = true;
  const char* values[] = {"94", "2,8", "0,4", "0,2", "0,1", "2", "0,5"};
  for (int i = 0; i < 7; ++i) doc.XLSheet1_2.SetText(1, 1 + i, values[i]);
  for (auto _ : state) calc::XLGrid1EditModeChanged(doc);
}
BENCHMARK(BM_EditCycleGas);

void BM_NewDocument(benchmark::State& state) {
  for (auto _ : state) {
    calc::FuelDocument doc(',');
    benchmark::DoNotOptimize(doc.XLSheet11.Text(1, 0));
  }
}
BENCHMARK(BM_NewDocument);

}  // namespace

BENCHMARK_MAIN();
