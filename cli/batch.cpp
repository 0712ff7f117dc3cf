// The calculator over a whole library of fuels.
#include "cli/batch.h"

#include <algorithm>
#include <sstream>
#include <system_error>

#include "calc/csv_export.h"
#include "calc/design_cells.h"
#include "calc/mixture.h"
#include "cli/fuel_run.h"
#include "cli/report.h"
#include "library/fuel_folder.h"

namespace cli {

namespace {

// The design results of a row, in the order of the header.
constexpr const char* kDesignKeys[] = {"water_volume", "gas_volume",   "triatomic_share",
                                       "water_share",  "total_share",  "ash_share",
                                       "temperature",  "air_enthalpy", "gas_enthalpy"};

std::string DesignText(const calc::FuelDocument& doc, std::string_view key) {
  for (const calc::DesignCell& cell : calc::kFuelDesignCells) {
    if (key == cell.key) return doc.XLSheet15.Text(cell.col, cell.row);
  }
  return {};
}

std::string AlignedTable(const std::vector<std::vector<std::string>>& rows) {
  std::vector<std::size_t> widths(BatchHeader().size(), 0);
  for (const auto& row : rows) {
    for (std::size_t col = 0; col < row.size(); ++col)
      widths[col] = std::max(widths[col], DisplayWidth(row[col]));
  }
  std::string out;
  for (const auto& row : rows) {
    std::string line;
    for (std::size_t col = 0; col < row.size(); ++col) {
      line += row[col];
      if (col + 1 < row.size()) line += std::string(widths[col] - DisplayWidth(row[col]) + 2, ' ');
    }
    out += line + '\n';
  }
  return out;
}

}  // namespace

std::vector<std::filesystem::path> ExpandFuelPaths(const std::vector<std::string>& paths) {
  std::ostringstream ignored;
  Diagnostics diagnostics(ignored);
  return ExpandFuelPaths(paths, diagnostics);
}

std::vector<std::filesystem::path> ExpandFuelPaths(const std::vector<std::string>& paths,
                                                   Diagnostics& diagnostics) {
  std::vector<std::filesystem::path> files;
  for (const std::string& path : paths) {
    std::error_code error;
    if (!std::filesystem::is_directory(path, error)) {
      files.emplace_back(path);
      continue;
    }
    const auto listed = library::ListFuelFiles(path, error);
    if (error) {
      diagnostics.Error(path, error.message());
    } else if (listed.empty()) {
      diagnostics.Error(path, "no \".fll\" file in this folder");
    }
    files.insert(files.end(), listed.begin(), listed.end());
  }
  return files;
}

const std::vector<std::string>& BatchHeader() {
  static const std::vector<std::string> kHeader = {
      "Топливо", "Тип",  "Теплотворность", "V0", "V0N2", "VRO2", "V0H2O", "Ед. объема", "VH2O",
      "Vг",      "rRO2", "rH2O",           "rn", "μзл",  "T",    "I0в",   "Iг"};
  return kHeader;
}

std::vector<std::string> BatchRow(const calc::FuelDocument& doc) {
  std::vector<std::string> row = {doc.ComboBox1, calc::FuelTypeName(doc.ComboBox3),
                                  HeatingValueText(doc)};
  for (int r = 2; r <= 5; ++r) row.push_back(doc.XLSheet2.Text(1, r));
  row.push_back(doc.XLSheet2.Text(2, 2));
  for (const char* key : kDesignKeys) row.push_back(DesignText(doc, key));
  return row;
}

Json BatchJson(const calc::FuelDocument& doc) {
  Json json;
  json["name"] = doc.ComboBox1;
  json["type"] = doc.ComboBox3;
  json["heating_value"] = HeatingValueText(doc);
  json["volumes"] = VolumesJson(doc.XLSheet2, 2);
  json["volume_unit"] = doc.XLSheet2.Text(2, 2);
  json["design"] = DesignJson(doc.XLSheet15);
  json["heat_balance"] = HeatBalanceJson(calc::FuelHeatBalanceTexts(doc));
  return json;
}

void RunBatch(const std::vector<std::filesystem::path>& files, const Options& options,
              ResultChecks checks, std::ostream& out, Diagnostics& diagnostics) {
  const char point = options.decimal_separator;
  const char csv_sep = calc::CsvSeparator(point);
  std::vector<std::vector<std::string>> table = {BatchHeader()};
  if (options.format == Format::kCsv) {
    out << calc::kCsvByteOrderMark << calc::CsvRow(BatchHeader(), csv_sep);
  }
  for (const auto& file : files) {
    calc::FuelDocument doc(options.decimal_separator);
    if (!ComputeFuel(options, file.string(), doc, diagnostics, checks)) continue;
    switch (options.format) {
      case Format::kCsv: {
        std::vector<std::string> row = BatchRow(doc);
        row[0] = calc::CsvText(row[0]);
        row[1] = calc::CsvText(row[1]);
        for (std::size_t i = 2; i < row.size(); ++i) row[i] = calc::CsvValue(row[i], point);
        out << calc::CsvRow(row, csv_sep);
        break;
      }
      case Format::kJson:
        out << JsonText(BatchJson(doc), false) << '\n';
        break;
      case Format::kText:
        table.push_back(BatchRow(doc));
        break;
    }
  }
  if (options.format == Format::kText) out << AlignedTable(table);
}

int RunBatch(const std::vector<std::filesystem::path>& files, const Options& options,
             std::ostream& out, std::ostream& err) {
  Diagnostics diagnostics(err);
  RunBatch(files, options, ResultChecks{}, out, diagnostics);
  return diagnostics.ExitStatus();
}

}  // namespace cli
