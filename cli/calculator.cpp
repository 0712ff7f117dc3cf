// The calculator run: one fuel, a mixture, or a batch of fuels.
#include "cli/calculator.h"

#include <exception>
#include <filesystem>
#include <system_error>

#include "calc/csv_export.h"
#include "calc/fuel_document.h"
#include "cli/batch.h"
#include "cli/fuel_run.h"
#include "cli/json.h"
#include "cli/options.h"
#include "cli/report.h"
#include "cli/status.h"
#include "cli/terminal_text.h"

namespace cli {

namespace {

// The writers of one kind of document, one per output format.
struct Writers {
  Json (*json)(const calc::FuelDocument&);
  std::string (*csv)(const calc::FuelDocument&);
  std::string (*text)(const calc::FuelDocument&);
};

constexpr Writers kSingleFuel{SingleFuelJson, calc::FuelCsv, SingleFuelText};
constexpr Writers kMixture{MixtureJson, calc::MixtureCsv, MixtureText};

void Print(const calc::FuelDocument& doc, const Writers& writers, Format format,
           std::ostream& out) {
  switch (format) {
    case Format::kJson:
      out << JsonText(writers.json(doc), true) << '\n';
      break;
    case Format::kCsv:
      out << writers.csv(doc);
      break;
    case Format::kText:
      out << writers.text(doc);
      break;
  }
}

void RunSingleFuel(const Options& options, const std::string& path, ResultChecks checks,
                   std::ostream& out, Diagnostics& diagnostics) {
  calc::FuelDocument doc(options.decimal_separator);
  if (ComputeFuel(options, path, doc, diagnostics, checks)) {
    Print(doc, kSingleFuel, options.format, out);
  }
}

void RunMixture(const Options& options, ResultChecks checks, std::ostream& out,
                Diagnostics& diagnostics) {
  calc::FuelDocument doc(options.decimal_separator);
  if (ComputeMixture(options, doc, diagnostics, checks)) Print(doc, kMixture, options.format, out);
}

bool IsFolder(const std::string& path) {
  std::error_code error;
  return std::filesystem::is_directory(path, error);
}

}  // namespace

int RunCalculator(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  Options options;
  try {
    options = ParseOptions(args);
  } catch (const UsageError& e) {
    // The parser's message may span lines; a value in it is written out.
    std::string what = e.what();
    for (char& c : what) {
      if (c == '\n' || c == '\r') c = ' ';
    }
    err << "pyrana-calc: " << TerminalText(what) << '\n';
    return kExitUsage;
  }
  if (options.help) {
    out << UsageText();
    return kExitComplete;
  }
  if (options.version) {
    out << VersionText() << '\n';
    return kExitComplete;
  }
  Diagnostics diagnostics(err);
  try {
    // An option that is not a number is said once; the design or heat-balance results it
    // leaves out are then not said again for every fuel.
    const ResultChecks checks = CheckNumberOptions(options, diagnostics);
    if (!options.components.empty()) {
      RunMixture(options, checks, out, diagnostics);
    } else if (options.fuel_paths.size() == 1 && !IsFolder(options.fuel_paths.front())) {
      RunSingleFuel(options, options.fuel_paths.front(), checks, out, diagnostics);
    } else {
      const auto files = ExpandFuelPaths(options.fuel_paths, diagnostics);
      if (!files.empty()) RunBatch(files, options, checks, out, diagnostics);
    }
  } catch (const std::exception& e) {
    diagnostics.Error("error", e.what());
  }
  return diagnostics.ExitStatus();
}

}  // namespace cli
