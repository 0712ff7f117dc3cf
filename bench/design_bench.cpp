// The design calculation with the flue-gas enthalpy given: a target the bisection
// reaches, one it never reaches, and the bisection alone, with and without the stop at
// the first halving that changes nothing.
#include <benchmark/benchmark.h>

#include "calc/cycle.h"
#include "calc/design.h"
#include "calc/fuel_document.h"
#include "calc/lookup.h"

namespace {

void LoadCoal(calc::FuelDocument& doc) {
  const char* values[] = {"10", "20", "55", "4", "1", "2", "8"};
  for (int i = 0; i < 7; ++i) doc.XLSheet3.SetText(1, 1 + i, values[i]);
  doc.XLSheet3.SetText(1, 10, "21861");
  doc.ComboBox3 = 1;
  doc.XLSheet15.SetText(1, 2, "1.2");
  doc.XLSheet15.SetInteger(0, 3, 2);
  calc::XLGrid1EditModeChanged(doc);
}

void BM_DesignGasEnthalpy(benchmark::State& state, const char* target) {
  calc::FuelDocument doc;
  LoadCoal(doc);
  doc.XLSheet15.SetText(1, 3, target);
  for (auto _ : state) calc::XLGrid15EditModeChanged(doc);
}
BENCHMARK_CAPTURE(BM_DesignGasEnthalpy, reachable, "11642.29");
BENCHMARK_CAPTURE(BM_DesignGasEnthalpy, unreachable, "99999999");

void BM_GasSearch(benchmark::State& state, float target, bool literal) {
  calc::FuelDocument doc;
  LoadCoal(doc);
  calc::XLGrid15EditModeChanged(doc);
  const calc::DisplayedTable table(doc.XLSheet6);
  for (auto _ : state) {
    benchmark::DoNotOptimize(calc::TemperatureFromGasEnthalpy(table, target, 1.2f, literal));
  }
}
BENCHMARK_CAPTURE(BM_GasSearch, reachable, 11642.29f, false);
BENCHMARK_CAPTURE(BM_GasSearch, unreachable, 1e8f, false);
BENCHMARK_CAPTURE(BM_GasSearch, unreachable_literal, 1e8f, true)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

}  // namespace

BENCHMARK_MAIN();
