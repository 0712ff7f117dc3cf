// One cell of a grid sheet: its value (empty, text, whole number or floating point),
// font colour, hint and, for a drop-down list cell, the item texts.
#pragma once

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

namespace sheets {

// The values a cell can hold. A float is a single-precision number stored as such (a
// value loaded from a fuel file, an excess air written back); a double any other number.
using CellValue = std::variant<std::monostate, std::string, std::int64_t, float, double>;

inline constexpr int kBlack = 0;  // font colour values
inline constexpr int kRed = 255;

struct Cell {
  CellValue value;
  int font_color = kBlack;
  std::string hint;
  std::vector<std::string> items;  // non-empty for a list cell; its value is the item index
  // A cell the user types into; every other cell (label, unit, heading, result) is shown
  // read-only.
  bool input = false;

  bool IsList() const { return !items.empty(); }
};

}  // namespace sheets
