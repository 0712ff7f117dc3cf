// Small helpers over the texts of cells: labels written with a leading space, typed texts
// with blanks around them or nothing but blanks.
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

// Blanks as a text field trims them: ASCII white space and the Unicode separators.
// clang-format off
inline constexpr std::string_view kTextFieldBlanks[] = {
    " ", "\t", "\n", "\v", "\f", "\r", "\xC2\x85", "\xC2\xA0", "\xE1\x9A\x80",
    "\xE2\x80\x80", "\xE2\x80\x81", "\xE2\x80\x82", "\xE2\x80\x83", "\xE2\x80\x84",
    "\xE2\x80\x85", "\xE2\x80\x86", "\xE2\x80\x87", "\xE2\x80\x88", "\xE2\x80\x89",
    "\xE2\x80\x8A", "\xE2\x80\xA8", "\xE2\x80\xA9", "\xE2\x80\xAF", "\xE2\x81\x9F",
    "\xE3\x80\x80"};
// clang-format on

// The text without any of those blanks before and after it: a cell the user typed, as the
// window's text field shows it (the printed report takes it so).
inline std::string BlanksTrimmed(std::string_view text) {
  for (bool cut = true; cut;) {
    cut = false;
    for (const std::string_view blank : kTextFieldBlanks) {
      if (text.starts_with(blank)) {
        text.remove_prefix(blank.size());
        cut = true;
      }
      if (text.ends_with(blank)) {
        text.remove_suffix(blank.size());
        cut = true;
      }
    }
  }
  return std::string(text);
}

// Whether a typed text holds nothing but spaces and tabs (an empty one included).
inline bool IsBlank(std::string_view text) {
  return text.find_first_not_of(" \t") == std::string_view::npos;
}

}  // namespace calc
