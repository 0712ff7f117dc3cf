// Feeds any text to the cell number parser and checks what the parser and the formatters
// make of it: no crash; the short cuts of the parser and of the display patterns agree with
// their general routes; a single-precision value always reads back from its shortest text.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "sheets/errors.h"
#include "sheets/numbers.h"

namespace {

bool SameValue(const std::optional<long double>& a, const std::optional<long double>& b) {
  return a.has_value() == b.has_value() &&
         (!a || (*a == *b && std::signbit(*a) == std::signbit(*b)));
}

// The display patterns of the grids, and one that shows 20 decimals, so that every digit
// of a long double is compared.
constexpr const char* kPatterns[] = {
    "0.##", "0.###", "0.####", "0.######", "0.#", ".##", "0.", "00.0#", "0.####################"};

void ExpectSameText(long double value, char sep) {
  if (!std::isfinite(value)) return;
  for (const char* pattern : kPatterns) {
    if (sheets::FormatPattern(value, pattern, sep) !=
        sheets::FormatPatternExact(value, pattern, sep)) {
      std::abort();
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  for (const char sep : {'.', ','}) {
    const auto value = sheets::ParseFloat(text, sep);
    if (!SameValue(value, sheets::ParseFloatExact(text, sep))) std::abort();
    if (!value) continue;
    ExpectSameText(*value, sep);
    ExpectSameText(static_cast<double>(*value), sep);
    float single = 0;
    try {
      single = sheets::ToSingle(*value);
    } catch (const sheets::MathError&) {
      continue;
    }
    ExpectSameText(single, sep);
    const auto back = sheets::ParseFloat(sheets::FormatSingle(single, sep), sep);
    if (!back || static_cast<float>(*back) != single) std::abort();
    for (const char* pattern : {"0.##", "0.####", ".##", "0."}) {
      const auto shown = sheets::FormatPattern(single, pattern, sep);
      if (!shown.empty() && !sheets::ParseFloat(shown, sep)) std::abort();
    }
    (void)sheets::FormatGeneral(static_cast<double>(single), sep);
  }
  return 0;
}
