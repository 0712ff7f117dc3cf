// The calculator run: one fuel, a mixture, or a batch of fuels.
#include "cli/calculator.h"

#include <exception>
#include <filesystem>
#include <system_error>

#include "calc/csv_export.h"
#include "calc/fuel_document.h"
#include "cli/batch.h"
#include "cli/fuel_run.h"
#include "cli/options.h"
#include "cli/report.h"

namespace cli {

namespace {

int RunSingleFuel(const Options& options, const std::string& path, std::ostream& out) {
  calc::FuelDocument doc(options.decimal_separator);
  ComputeFuel(options, path, doc);
  switch (options.format) {
    case Format::kJson:
      out << SingleFuelJson(doc).Dump() << '\n';
      break;
    case Format::kCsv:
      out << calc::FuelCsv(doc);
      break;
    case Format::kText:
      out << SingleFuelText(doc);
      break;
  }
  return 0;
}

int RunMixture(const Options& options, std::ostream& out) {
  calc::FuelDocument doc(options.decimal_separator);
  ComputeMixture(options, doc);
  switch (options.format) {
    case Format::kJson:
      out << MixtureJson(doc).Dump() << '\n';
      break;
    case Format::kCsv:
      out << calc::MixtureCsv(doc);
      break;
    case Format::kText:
      out << MixtureText(doc);
      break;
  }
  return 0;
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
    err << "pyrana-calc: " << e.what() << "\n";
    return 2;
  }
  if (options.help) {
    out << kUsage;
    return 0;
  }
  try {
    if (!options.components.empty()) return RunMixture(options, out);
    if (options.fuel_paths.size() == 1 && !IsFolder(options.fuel_paths.front())) {
      return RunSingleFuel(options, options.fuel_paths.front(), out);
    }
    return RunBatch(ExpandFuelPaths(options.fuel_paths), options, out, err);
  } catch (const std::exception& e) {
    err << "pyrana-calc: " << e.what() << "\n";
    return 1;
  }
}

}  // namespace cli
