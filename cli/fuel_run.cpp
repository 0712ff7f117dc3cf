// Driving the document as a user drives the window.
#include "cli/fuel_run.h"

#include <algorithm>
#include <exception>
#include <iterator>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "calc/composition_range.h"
#include "calc/decimal_fix.h"
#include "calc/design.h"
#include "calc/design_cells.h"
#include "calc/fuel_io.h"
#include "calc/heat_balance.h"
#include "calc/lookup.h"
#include "calc/mixture.h"
#include "fuel/fuel_file.h"
#include "sheets/errors.h"
#include "sheets/numbers.h"

namespace cli {

namespace {

// Whether a text is a number as the cells read one: it parses with the separator and
// fits a single.
bool IsCellNumber(const std::string& text, char decimal_separator) {
  const auto value = sheets::ParseFloat(text, decimal_separator);
  if (!value) return false;
  try {
    sheets::ToSingle(*value);
    return true;
  } catch (const sheets::Error&) {
    return false;
  }
}

// Reads what the file holds before the document loads it: a file that cannot be read is
// an error with the operating system's reason, one that gives no name line or fewer than
// fifty numbers a warning saying so.
bool CheckFuelFile(const std::string& path, Diagnostics& diagnostics) {
  fuel::FuelFileContent content;
  try {
    content = fuel::ReadFuelFile(path, fuel::kRecordSize);
  } catch (const fuel::FileError& e) {
    diagnostics.Error(path, e.reason());
    return false;
  }
  if (!content.Complete()) {
    const std::string missing = content.name_line.complete ? "" : "no name line, ";
    diagnostics.Warning(path, "incomplete fuel file: " + missing +
                                  std::to_string(content.numbers_read) + " of " +
                                  std::to_string(fuel::kRecordSize) + " numbers");
  }
  return true;
}

// Loads a fuel file the way the document loads a library fuel. A calculation that fails
// part way leaves what it computed; it is a warning, as the window's error report is.
bool LoadFuel(calc::FuelDocument& doc, const std::string& path, Diagnostics& diagnostics) {
  if (!CheckFuelFile(path, diagnostics)) return false;
  try {
    calc::ReadLibraryFuel(doc, path);
  } catch (const fuel::FileError& e) {
    diagnostics.Error(path, e.reason());  // gone or changed since it was checked
    return false;
  } catch (const std::exception& e) {
    diagnostics.Warning(path, e.what());
  }
  return true;
}

// A design option as its cell keeps it once committed: a number with the other decimal
// separator or digit-group spaces repaired, any other text as it is.
std::string CommittedText(const std::string& text, char decimal_separator) {
  return calc::RepairNumberText(text, decimal_separator).value_or(text);
}

// Types the design options into their cells, each repaired as a committed cell is; the
// carry-over sits at (1, 4) in the single fuel's sheet and at (4, 2) in the mixture's.
void TypeDesignInputs(const Options& options, sheets::Sheet& design, int carryover_col,
                      int carryover_row) {
  const auto type = [&design](int col, int row, const std::string& text) {
    design.SetText(col, row, text);
    calc::FixDecimalSeparator(design, col, row);
  };
  if (options.excess_air) type(1, 2, *options.excess_air);
  if (options.given_kind) design.SetInteger(0, 3, *options.given_kind);
  if (options.given) type(1, 3, *options.given);
  if (options.carryover) type(carryover_col, carryover_row, *options.carryover);
}

// Types the heat-balance options into column 1 of XLSheet19 or XLSheet20.
void TypeHeatBalanceInputs(const Options& options, sheets::Sheet& sheet) {
  for (const HeatBalanceOption& given : options.heat_balance) {
    sheet.SetText(1, given.input->row, given.text);
  }
  if (options.heat_output_unit) {
    sheet.SetInteger(2, calc::heat_balance_row::kHeatOutput, *options.heat_output_unit);
  }
}

// The switches of the document window that the options set.
void ApplySwitches(const Options& options, calc::FuelDocument& doc) {
  doc.RadioButton1 = options.norms_1973;
  // The box of the layout in force; a gas counts either box.
  (options.norms_1973 ? doc.CheckBox1 : doc.CheckBox2) = options.auto_heating_value;
}

// A warning naming the design results (by their report keys) that stayed empty or show
// "-": a design run that produced no state, or no volumes.
void CheckDesignResults(const sheets::Sheet& design, std::span<const calc::DesignCell> cells,
                        const std::string& where, Diagnostics& diagnostics) {
  std::string missing;
  for (const calc::DesignCell& cell : cells.subspan(3)) {  // the results after the inputs
    const std::string text = design.Text(cell.col, cell.row);
    if (text.empty() || text == "-")
      missing += (missing.empty() ? "" : ", ") + std::string(cell.key);
  }
  if (!missing.empty()) diagnostics.Warning(where, "no design result: " + missing);
}

// A warning naming the heat-balance results (by their report keys) that show "-", and the
// reasons the sheet gives for those it refused as out of their physical range.
void CheckHeatBalanceResults(const calc::HeatBalanceTexts& texts, const sheets::Sheet& sheet,
                             const std::string& where, Diagnostics& diagnostics) {
  std::string missing;
  const auto check = [&missing](const std::string& key, const std::string& text) {
    if (text == "-") missing += (missing.empty() ? "" : ", ") + key;
  };
  for (const auto& [key, text] : texts.values) check(key, text);
  if (texts.basis) {
    for (const auto& [element, text] : texts.basis->dry) check("dry " + element, text);
    for (const auto& [element, text] : texts.basis->daf) check("daf " + element, text);
    check("higher_heating_value", texts.basis->higher_heating_value);
    check("dry_heating_value", texts.basis->dry_heating_value);
    check("daf_heating_value", texts.basis->daf_heating_value);
  }
  if (missing.empty()) return;
  std::string reasons;
  for (const calc::HeatBalanceCell& cell : calc::kHeatBalanceCells) {
    const std::string& hint = sheet.At(1, cell.row).hint;
    if (sheet.Text(1, cell.row) != "-" || hint.empty()) continue;
    if (reasons.find(hint) == std::string::npos) reasons += (reasons.empty() ? "" : "; ") + hint;
  }
  diagnostics.Warning(
      where, "no heat-balance result: " + missing + (reasons.empty() ? "" : " (" + reasons + ")"));
}

// One warning per content of the open fuel out of its physical range, by its record row.
void CheckContents(const calc::FuelDocument& doc, const std::string& where,
                   Diagnostics& diagnostics) {
  for (const calc::OutOfRangeContent& content : calc::CompositionOutOfRange(doc)) {
    diagnostics.Warning(where, "record row " + std::to_string(content.record_row) + " (" +
                                   content.label + ") '" + content.text +
                                   "' is out of range: " + content.range);
  }
}

// One warning per heat-balance input out of its physical range, by its option. Returns
// whether there was one, whose missing results are then told already.
bool CheckRanges(const sheets::Sheet& balance, const std::string& where, Diagnostics& diagnostics) {
  const std::vector<calc::OutOfRangeInput> inputs = calc::HeatBalanceOutOfRange(balance);
  for (const calc::OutOfRangeInput& input : inputs) {
    const auto* option =
        std::find_if(std::begin(calc::kHeatBalanceInputs), std::end(calc::kHeatBalanceInputs),
                     [&input](const calc::HeatBalanceInput& in) { return in.row == input.row; });
    diagnostics.Warning(where, "--" + std::string(option->option) + " '" + input.text +
                                   "' is out of range: " + input.range +
                                   "; the heat-balance results that need it show \"-\"");
  }
  return !inputs.empty();
}

}  // namespace

ResultChecks CheckNumberOptions(const Options& options, Diagnostics& diagnostics) {
  const char sep = options.decimal_separator;
  const auto not_a_number = [&](const std::optional<std::string>& text, const char* name,
                                const char* instead) {
    if (!text || IsCellNumber(CommittedText(*text, sep), sep)) return false;
    diagnostics.Warning(std::string(name) + " '" + *text + "' is not a number; " + instead);
    return true;
  };
  not_a_number(options.excess_air, "--excess-air", "1 is used");
  not_a_number(options.carryover, "--carryover", "0.95 is used");
  for (const MixComponent& component : options.components) {
    // A share is read as the mixture reads it: either separator, digit-group spaces.
    const auto share = calc::RepairNumberText(component.share, sep);
    if (!share || !IsCellNumber(*share, sep)) {
      diagnostics.Warning("--mix " + component.path + ": the share '" + component.share +
                          "' is not a number");
    }
  }
  ResultChecks checks;
  for (const HeatBalanceOption& given : options.heat_balance) {
    const bool optional = *given.input->initial == '\0';
    if ((given.text.empty() && optional) || calc::HeatBalanceInputReads(given.text, sep)) continue;
    diagnostics.Warning("--" + std::string(given.input->option) + " '" + given.text +
                        "' is not a number; the heat-balance results that need it show \"-\"");
    checks.heat_balance = false;
  }
  if (!options.given) return checks;
  if (not_a_number(options.given, "--given", "the design has no state")) {
    checks.design = false;
    return checks;
  }
  // A given value of 0 or less skips the state: the design sheet itself tells.
  calc::FuelDocument doc(sep);
  doc.XLSheet15.SetText(1, 3, CommittedText(*options.given, sep));
  if (calc::StateGivenValue(doc.XLSheet15, calc::kFuelStateCells)) return checks;
  diagnostics.Warning("--given '" + *options.given + "' is not positive; the design has no state");
  checks.design = false;
  return checks;
}

bool ComputeFuel(const Options& options, const std::string& path, calc::FuelDocument& doc,
                 Diagnostics& diagnostics, ResultChecks checks) {
  ApplySwitches(options, doc);
  if (!LoadFuel(doc, path, diagnostics)) return false;
  try {
    calc::XLGrid15EditModeChanged(doc);
    TypeDesignInputs(options, doc.XLSheet15, 1, 4);
    calc::XLGrid15EditModeChanged(doc);
    // As the heat-balance tab does when its cells are typed.
    TypeHeatBalanceInputs(options, doc.XLSheet19);
    calc::RecalcHeatBalance(doc);
  } catch (const std::exception& e) {
    diagnostics.Warning(path, e.what());
    return true;
  }
  if (checks.design) {
    CheckDesignResults(doc.XLSheet15, calc::kFuelDesignCells, path, diagnostics);
  }
  CheckContents(doc, path, diagnostics);
  if (CheckRanges(doc.XLSheet19, path, diagnostics)) checks.heat_balance = false;
  if (checks.heat_balance)
    CheckHeatBalanceResults(calc::FuelHeatBalanceTexts(doc), doc.XLSheet19, path, diagnostics);
  return true;
}

bool ComputeMixture(const Options& options, calc::FuelDocument& doc, Diagnostics& diagnostics,
                    ResultChecks checks) {
  ApplySwitches(options, doc);
  const int count = static_cast<int>(options.components.size());
  for (int slot = 1; slot <= count; ++slot) {
    const std::string& path = options.components[static_cast<std::size_t>(slot - 1)].path;
    if (!LoadFuel(doc, path, diagnostics)) return false;
    CheckContents(doc, path, diagnostics);
    calc::PickComponent(doc, slot);
  }
  try {
    calc::SetComponentCount(doc, std::to_string(count));
    for (int slot = 1; slot <= count; ++slot) {
      calc::ShareChange(doc, slot, options.components[static_cast<std::size_t>(slot - 1)].share);
    }
    if (const std::optional<int> slot = calc::ShareOutOfRange(doc)) {
      const MixComponent& component = options.components[static_cast<std::size_t>(*slot)];
      diagnostics.Warning("mixture", "the share of " + component.path + " '" + component.share +
                                         "' is out of range: " + calc::kShareRange +
                                         "; no results");
      return true;
    }
    if (!doc.SpeedButton13) {
      diagnostics.Warning("mixture",
                          doc.Edit3 != "100"
                              ? "the shares make " + doc.Edit3 + " %, not 100 %; no results"
                              : "a component lacks a value (a gas, its density); no results");
      return true;
    }
    TypeDesignInputs(options, doc.XLSheet17, 4, 2);
    TypeHeatBalanceInputs(options, doc.XLSheet20);
    calc::SpeedButton13Click(doc);
  } catch (const std::exception& e) {
    diagnostics.Warning("mixture", e.what());
    return true;
  }
  if (checks.design) {
    CheckDesignResults(doc.XLSheet17, calc::kMixtureDesignCells, "mixture", diagnostics);
  }
  if (CheckRanges(doc.XLSheet20, "mixture", diagnostics)) checks.heat_balance = false;
  if (checks.heat_balance) {
    CheckHeatBalanceResults(calc::MixtureHeatBalanceTexts(doc), doc.XLSheet20, "mixture",
                            diagnostics);
  }
  return true;
}

}  // namespace cli
