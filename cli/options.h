// Command-line options of pyrana-calc, parsed with CLI11.
#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "calc/heat_balance_cells.h"

namespace cli {

class UsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct MixComponent {
  std::string path;
  std::string share;  // as typed into the share field
};

// A heat-balance input given on the command line.
struct HeatBalanceOption {
  const calc::HeatBalanceInput* input;  // its option name and cell
  std::string text;                     // as typed into the cell
};

enum class Format { kText, kJson, kCsv };

struct Options {
  std::vector<std::string> fuel_paths;   // one fuel, several, or a folder of them
  std::vector<MixComponent> components;  // --mix
  // Cell texts exactly as a user would type them; only the options given are typed.
  std::optional<std::string> excess_air;
  std::optional<std::string> carryover;
  std::optional<int> given_kind;  // 0 temperature, 1 air enthalpy, 2 flue-gas enthalpy
  std::optional<std::string> given;
  std::vector<HeatBalanceOption> heat_balance;  // in the order of calc::kHeatBalanceInputs
  std::optional<int> heat_output_unit;          // index of calc::kHeatOutputUnits
  bool auto_heating_value = false;
  bool norms_1973 = false;
  char decimal_separator = '.';
  Format format = Format::kText;
  bool help = false;     // --help: print UsageText() and nothing else
  bool version = false;  // --version: print VersionText() and nothing else
};

// Parses argv[1..]; throws UsageError with a one-line reason. Every text that goes into
// a cell (the option values and the shares) must be valid UTF-8.
Options ParseOptions(const std::vector<std::string>& args);

// The --help text.
std::string UsageText();
// The --version text, one line.
std::string VersionText();

}  // namespace cli
