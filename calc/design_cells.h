// Where the design-parameter sheets of the single fuel (XLSheet15) and of the mixture
// (XLSheet17) keep each input and result; the label stands left of a value, the unit right.
#pragma once

#include <span>

namespace calc {

struct DesignCell {
  const char* key;  // name of the quantity in reports
  int col;
  int row;
};

// The kinds of the given value (the list cell left of it holds 0, 1 or 2), as the cell's
// hint and the exported table name them.
inline constexpr const char* kGivenKindNames[] = {"температура", "энтальпия воздуха",
                                                  "энтальпия дымовых газов"};

inline constexpr DesignCell kFuelDesignCells[] = {
    {"excess_air", 1, 2},   {"given", 1, 3},         {"carryover", 1, 4},
    {"water_volume", 1, 6}, {"gas_volume", 1, 7},    {"triatomic_share", 1, 8},
    {"water_share", 1, 9},  {"total_share", 1, 10},  {"ash_share", 1, 11},
    {"temperature", 1, 12}, {"air_enthalpy", 1, 13}, {"gas_enthalpy", 1, 14}};

inline constexpr DesignCell kMixtureDesignCells[] = {
    {"excess_air", 1, 2},   {"given", 1, 3},        {"carryover", 4, 2},
    {"water_volume", 1, 5}, {"gas_volume", 1, 6},   {"triatomic_share", 1, 7},
    {"water_share", 1, 8},  {"total_share", 1, 9},  {"ash_share", 1, 10},
    {"temperature", 4, 5},  {"air_enthalpy", 4, 6}, {"gas_enthalpy", 4, 7}};

}  // namespace calc
