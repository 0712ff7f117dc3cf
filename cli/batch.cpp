// The calculator over a whole library of fuels.
#include "cli/batch.h"

#include <algorithm>
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
  std::vector<std::filesystem::path> files;
  for (const std::string& path : paths) {
    std::error_code error;
    if (std::filesystem::is_directory(path, error)) {
      const auto listed = library::ListFuelFiles(path);
      files.insert(files.end(), listed.begin(), listed.end());
    } else {
      files.emplace_back(path);
    }
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
  json.Set("name", doc.ComboBox1);
  json.Set("type", doc.ComboBox3);
  json.Set("heating_value", HeatingValueText(doc));
  json.Set("volumes", VolumesJson(doc.XLSheet2, 2));
  json.Set("volume_unit", doc.XLSheet2.Text(2, 2));
  json.Set("design", DesignJson(doc.XLSheet15));
  return json;
}

int RunBatch(const std::vector<std::filesystem::path>& files, const Options& options,
             std::ostream& out, std::ostream& err) {
  const char csv_sep = calc::CsvSeparator(options.decimal_separator);
  std::vector<std::vector<std::string>> table = {BatchHeader()};
  if (options.format == Format::kCsv) out << calc::CsvRow(BatchHeader(), csv_sep);
  int code = 0;
  for (const auto& file : files) {
    calc::FuelDocument doc(options.decimal_separator);
    try {
      ComputeFuel(options, file.string(), doc);
    } catch (const std::exception& e) {
      err << "pyrana-calc: " << e.what() << "\n";
      code = 1;
      continue;
    }
    switch (options.format) {
      case Format::kCsv:
        out << calc::CsvRow(BatchRow(doc), csv_sep);
        break;
      case Format::kJson:
        out << BatchJson(doc).DumpLine() << '\n';
        break;
      case Format::kText:
        table.push_back(BatchRow(doc));
        break;
    }
  }
  if (options.format == Format::kText) out << AlignedTable(table);
  return code;
}

}  // namespace cli
