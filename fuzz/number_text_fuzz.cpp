// Feeds any text to the cell number parser and checks what the formatters make of it:
// no crash, and a single-precision value always reads back from its shortest text.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "sheets/errors.h"
#include "sheets/numbers.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  for (const char sep : {'.', ','}) {
    const auto value = sheets::ParseFloat(text, sep);
    if (!value) continue;
    float single = 0;
    try {
      single = sheets::ToSingle(*value);
    } catch (const sheets::MathError&) {
      continue;
    }
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
