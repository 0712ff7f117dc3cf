// Printing and parsing the numbers of the grids: display patterns of values held as
// float, double and long double, and cell texts as typed and as shown.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "sheets/numbers.h"

namespace {

// Values as the calculations hand them over: a stored float widened, a double, and a
// long double result of a formula that is no double.
const std::vector<long double> kFloatValues = {
    static_cast<float>(21861.4), static_cast<float>(1.026), static_cast<float>(0.4),
    static_cast<float>(1234.5678), static_cast<float>(7.25e-3)};
const std::vector<long double> kDoubleValues = {0.1, 11642.29, 2.0 / 3.0, 98.765432, 1e-4};
const std::vector<long double> kLongDoubleValues = {0.1L, 11642.29L, 2.0L / 3.0L, 98.765432L,
                                                    1e-4L};

void BM_FormatPattern(benchmark::State& state, const std::vector<long double>* values,
                      const char* pattern) {
  for (auto _ : state) {
    for (long double value : *values) {
      benchmark::DoNotOptimize(sheets::FormatPattern(value, pattern, ','));
    }
  }
  state.SetItemsProcessed(state.iterations() * static_cast<long long>(values->size()));
}
BENCHMARK_CAPTURE(BM_FormatPattern, float_2, &kFloatValues, "0.##");
BENCHMARK_CAPTURE(BM_FormatPattern, double_4, &kDoubleValues, "0.####");
BENCHMARK_CAPTURE(BM_FormatPattern, long_double_2, &kLongDoubleValues, "0.##");

// Texts as typed and as the general format shows them, and long ones.
const std::vector<std::string> kShortTexts = {"21861", "1,2", "0,4", "55", "11642,29"};
const std::vector<std::string> kGeneralTexts = {"33,2999992370605", "0,666666666666667", "1E-6",
                                                "-1,5E-7", "123456789012345"};
const std::vector<std::string> kLongTexts = {"3,14159265358979323846", "1E400",
                                             "0,000000000000000000000000000001",
                                             "12345678901234567890123", "2,5E-4000"};

void BM_ParseFloat(benchmark::State& state, const std::vector<std::string>* texts) {
  for (auto _ : state) {
    for (const std::string& text : *texts) benchmark::DoNotOptimize(sheets::ParseFloat(text, ','));
  }
  state.SetItemsProcessed(state.iterations() * static_cast<long long>(texts->size()));
}
BENCHMARK_CAPTURE(BM_ParseFloat, short, &kShortTexts);
BENCHMARK_CAPTURE(BM_ParseFloat, general, &kGeneralTexts);
BENCHMARK_CAPTURE(BM_ParseFloat, long, &kLongTexts);

}  // namespace

BENCHMARK_MAIN();
