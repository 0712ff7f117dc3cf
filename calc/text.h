// Small helpers over the texts of cells: labels written with a leading space, typed texts
// that may be only blanks.
#pragma once

#include <string>
#include <string_view>

namespace calc {

// The text without the spaces before and after it (a label " Влажность" reads "Влажность").
inline std::string SpacesTrimmed(std::string_view text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return std::string(text.substr(first, text.find_last_not_of(' ') - first + 1));
}

// Whether a typed text holds nothing but spaces and tabs (an empty one included).
inline bool IsBlank(std::string_view text) {
  return text.find_first_not_of(" \t") == std::string_view::npos;
}

}  // namespace calc
