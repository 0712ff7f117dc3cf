// Parsing of the pyrana-calc command line.
#include "cli/options.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <array>
#include <cstddef>
#include <iterator>
#include <map>

#include "calc/mixture.h"
#include "cli/json.h"

namespace cli {

namespace {

// An option that takes one value: its name, help, the values it takes (none: any UTF-8
// text, typed into a cell) and what it sets when it is given.
struct ValueOption {
  const char* name;
  const char* help;
  std::vector<std::string> choices;
  void (*set)(Options& options, const std::string& value);
};

// Before the heat-balance options in --help: the design sheet's cells.
const std::vector<ValueOption>& DesignOptions() {
  static const std::vector<ValueOption> kOptions = {
      {"--excess-air",
       "excess-air cell, default \"1\"",
       {},
       [](Options& o, const std::string& v) { o.excess_air = v; }},
      {"--carryover",
       "carry-over cell, default empty",
       {},
       [](Options& o, const std::string& v) { o.carryover = v; }},
      {"--given-kind",
       "what --given is, default temperature",
       {"temperature", "air", "gas"},
       [](Options& o, const std::string& v) {
         o.given_kind = v == "temperature" ? 0 : v == "air" ? 1 : 2;
       }},
      {"--given", "given value, default \"100\"", {}, [](Options& o, const std::string& v) {
         o.given = v;
       }}};
  return kOptions;
}

// After them: how the fuel is read and the results written.
const std::vector<ValueOption>& SettingOptions() {
  static const std::vector<ValueOption> kOptions = {
      {"--norms",
       "default 1998",
       {"1998", "1973"},
       [](Options& o, const std::string& v) { o.norms_1973 = v == "1973"; }},
      {"--decimal-separator",
       "default \".\"",
       {".", ","},
       [](Options& o, const std::string& v) { o.decimal_separator = v[0]; }},
      {"--format",
       "default text; several fuels give a table, CSV or JSON lines",
       {"text", "json", "csv"},
       [](Options& o, const std::string& v) {
         o.format = v == "json" ? Format::kJson : v == "csv" ? Format::kCsv : Format::kText;
       }}};
  return kOptions;
}

// The list cell beside the heat output.
constexpr const char* kHeatOutputUnit = "--heat-output-unit";

// What CLI11 fills in; the Options are made from it.
struct RawOptions {
  std::map<std::string, std::string> values;  // by option name
  std::array<std::string, std::size(calc::kHeatBalanceInputs)> heat_balance;
  bool mix = false;
  std::vector<std::string> positional;
};

// Texts go into cells and from there into the report, so they must be UTF-8.
const CLI::Validator& Utf8Text() {
  static const CLI::Validator validator(
      [](std::string& text) { return IsUtf8(text) ? std::string() : "not valid UTF-8"; }, "UTF-8");
  return validator;
}

// The command line, with `raw` taking what it parses.
void Describe(CLI::App& app, RawOptions& raw, Options& options) {
  app.description(
      "Fuel properties, enthalpy-temperature table, design parameters and heat balance.");
  app.set_version_flag("--version", VersionText());
  const auto add = [&app, &raw](const ValueOption& option) {
    CLI::Option* added = app.add_option(option.name, raw.values[option.name], option.help);
    if (option.choices.empty()) {
      added->type_name("TEXT")->check(Utf8Text());
    } else {
      added->check(CLI::IsMember(option.choices));
    }
  };
  for (const ValueOption& option : DesignOptions()) add(option);
  for (std::size_t i = 0; i < std::size(calc::kHeatBalanceInputs); ++i) {
    const calc::HeatBalanceInput& input = calc::kHeatBalanceInputs[i];
    const std::string initial = input.initial;
    app.add_option(std::string("--") + input.option, raw.heat_balance[i],
                   initial.empty() ? "default empty" : "default \"" + initial + "\"")
        ->type_name("TEXT")
        ->check(Utf8Text())
        ->group("Heat balance (the cells of its tab)");
  }
  app.add_option(kHeatOutputUnit, raw.values[kHeatOutputUnit], "unit of --heat-output, default kW")
      ->check(CLI::IsMember(std::vector<std::string>(std::begin(calc::kHeatOutputUnitOptions),
                                                     std::end(calc::kHeatOutputUnitOptions))))
      ->group("Heat balance (the cells of its tab)");
  app.add_flag("--auto-heating-value", options.auto_heating_value,
               "compute the heating value from the composition");
  for (const ValueOption& option : SettingOptions()) add(option);
  app.add_flag("--mix", raw.mix, "the FUELs are a mixture of 2 to 5, each FUEL.fll=SHARE");
  app.add_option("FUEL", raw.positional, "a fuel file, several, a folder of them")
      ->type_name("FUEL.fll|FOLDER|FUEL.fll=SHARE");
  app.footer(
      "Forms:\n"
      "  pyrana-calc [options] FUEL.fll\n"
      "  pyrana-calc [options] FUEL.fll FUEL.fll ... | FOLDER   (one row per fuel)\n"
      "  pyrana-calc [options] --mix FUEL.fll=SHARE FUEL.fll=SHARE [...]\n"
      "Exit status: 0 every fuel read and computed, 3 printed but incomplete,\n"
      "1 a file could not be read, 2 bad options.");
}

MixComponent ParseComponent(const std::string& arg) {
  const std::size_t eq = arg.rfind('=');
  if (eq == std::string::npos || eq == 0) {
    throw UsageError("mixture component '" + arg + "' is not FUEL.fll=SHARE");
  }
  MixComponent component{arg.substr(0, eq), arg.substr(eq + 1)};
  if (!IsUtf8(component.share)) {
    throw UsageError("the share of mixture component '" + component.path + "': not valid UTF-8");
  }
  return component;
}

}  // namespace

Options ParseOptions(const std::vector<std::string>& args) {
  Options options;
  RawOptions raw;
  CLI::App app("", "pyrana-calc");
  Describe(app, raw, options);
  try {
    std::vector<std::string> reversed(args.rbegin(), args.rend());
    app.parse(reversed);
  } catch (const CLI::CallForHelp&) {
    options.help = true;
    return options;
  } catch (const CLI::CallForAllHelp&) {
    options.help = true;
    return options;
  } catch (const CLI::CallForVersion&) {
    options.version = true;
    return options;
  } catch (const CLI::ParseError& e) {
    throw UsageError(e.what());
  }

  const auto given = [&app](const std::string& name) { return app.count(name) > 0; };
  for (const auto* table : {&DesignOptions(), &SettingOptions()}) {
    for (const ValueOption& option : *table) {
      if (given(option.name)) option.set(options, raw.values[option.name]);
    }
  }
  for (std::size_t i = 0; i < std::size(calc::kHeatBalanceInputs); ++i) {
    const calc::HeatBalanceInput& input = calc::kHeatBalanceInputs[i];
    if (given(std::string("--") + input.option)) {
      options.heat_balance.push_back({&input, raw.heat_balance[i]});
    }
  }

  if (given(kHeatOutputUnit)) {
    const auto* units = std::begin(calc::kHeatOutputUnitOptions);
    options.heat_output_unit = static_cast<int>(
        std::find(units, std::end(calc::kHeatOutputUnitOptions), raw.values[kHeatOutputUnit]) -
        units);
  }

  if (raw.mix) {
    const auto count = static_cast<int>(raw.positional.size());
    if (count < calc::kMinComponents || count > calc::kMaxComponents) {
      throw UsageError("a mixture takes 2 to 5 components");
    }
    for (const std::string& arg : raw.positional) {
      options.components.push_back(ParseComponent(arg));
    }
  } else {
    if (raw.positional.empty()) throw UsageError("give a fuel file, several, or a folder");
    options.fuel_paths = raw.positional;
  }
  return options;
}

std::string UsageText() {
  Options options;
  RawOptions raw;
  CLI::App app("", "pyrana-calc");
  Describe(app, raw, options);
  return app.help();
}

std::string VersionText() { return std::string("pyrana-calc ") + PYRANA_VERSION; }

}  // namespace cli
