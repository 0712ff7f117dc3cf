// Parsing of the pyrana-calc command line.
#include "cli/options.h"

#include <cstddef>

namespace cli {

const char* const kUsage =
    "usage: pyrana-calc [options] FUEL.fll\n"
    "       pyrana-calc [options] FUEL.fll FUEL.fll ... | FOLDER   (one row per fuel)\n"
    "       pyrana-calc [options] --mix FUEL.fll=SHARE FUEL.fll=SHARE [...]\n"
    "  --excess-air TEXT        excess-air cell, default \"1\"\n"
    "  --carryover TEXT         carry-over cell, default empty\n"
    "  --given-kind temperature|air|gas     default temperature\n"
    "  --given TEXT             given value, default \"100\"\n"
    "  --auto-heating-value     compute the heating value from the composition\n"
    "  --norms 1998|1973        default 1998\n"
    "  --decimal-separator .|,  default \".\"\n"
    "  --format text|json|csv   default text; several fuels give a table, CSV or JSON lines\n";

namespace {

MixComponent ParseComponent(const std::string& arg) {
  const std::size_t eq = arg.rfind('=');
  if (eq == std::string::npos || eq == 0) {
    throw UsageError("mixture component '" + arg + "' is not FUEL.fll=SHARE");
  }
  return {arg.substr(0, eq), arg.substr(eq + 1)};
}

}  // namespace

Options ParseOptions(const std::vector<std::string>& args) {
  Options options;
  bool mix = false;
  std::vector<std::string> positional;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    auto value = [&]() -> const std::string& {
      if (i + 1 >= args.size()) throw UsageError("option " + arg + " needs a value");
      return args[++i];
    };
    if (arg == "--help" || arg == "-h") {
      options.help = true;
    } else if (arg == "--excess-air") {
      options.excess_air = value();
    } else if (arg == "--carryover") {
      options.carryover = value();
    } else if (arg == "--given") {
      options.given = value();
    } else if (arg == "--given-kind") {
      const std::string& kind = value();
      if (kind == "temperature") {
        options.given_kind = 0;
      } else if (kind == "air") {
        options.given_kind = 1;
      } else if (kind == "gas") {
        options.given_kind = 2;
      } else {
        throw UsageError("--given-kind must be temperature, air or gas, not '" + kind + "'");
      }
    } else if (arg == "--auto-heating-value") {
      options.auto_heating_value = true;
    } else if (arg == "--norms") {
      const std::string& norms = value();
      if (norms != "1998" && norms != "1973") {
        throw UsageError("--norms must be 1998 or 1973, not '" + norms + "'");
      }
      options.norms_1973 = norms == "1973";
    } else if (arg == "--decimal-separator") {
      const std::string& sep = value();
      if (sep != "." && sep != ",") {
        throw UsageError("--decimal-separator must be . or , not '" + sep + "'");
      }
      options.decimal_separator = sep[0];
    } else if (arg == "--format") {
      const std::string& format = value();
      if (format == "text") {
        options.format = Format::kText;
      } else if (format == "json") {
        options.format = Format::kJson;
      } else if (format == "csv") {
        options.format = Format::kCsv;
      } else {
        throw UsageError("--format must be text, json or csv, not '" + format + "'");
      }
    } else if (arg == "--mix") {
      mix = true;
    } else if (arg.size() > 1 && arg[0] == '-') {
      throw UsageError("unknown option " + arg);
    } else {
      positional.push_back(arg);
    }
  }
  if (options.help) return options;
  if (mix) {
    if (positional.size() < 2 || positional.size() > 5) {
      throw UsageError("a mixture takes 2 to 5 components");
    }
    for (const std::string& arg : positional) options.components.push_back(ParseComponent(arg));
  } else {
    if (positional.empty()) throw UsageError("give a fuel file, several, or a folder");
    options.fuel_paths = positional;
  }
  return options;
}

}  // namespace cli
