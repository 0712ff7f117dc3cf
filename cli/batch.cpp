// The calculator over a whole library of fuels.
#include "cli/batch.h"

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <exception>
#include <memory>
#include <mutex>
#include <sstream>
#include <system_error>
#include <thread>

#include "calc/csv_export.h"
#include "calc/design_cells.h"
#include "calc/heat_balance_cells.h"
#include "calc/mixture.h"
#include "calc/sheet_cells.h"
#include "cli/fuel_run.h"
#include "cli/report.h"
#include "cli/terminal_text.h"
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

// Fuels a worker takes at a time, and the most workers worth starting.
constexpr std::size_t kChunkSize = 32;
constexpr unsigned kMaxWorkers = 8;

// What one fuel of the batch gives: its diagnostics and, when it was computed, its row.
struct FuelOutput {
  struct Log {
    std::ostringstream printed;
    Diagnostics diagnostics{printed};
  };
  std::unique_ptr<Log> log = std::make_unique<Log>();  // kept in place while moved
  bool computed = false;
  std::vector<std::string> row;  // the text table's row
  std::string line;              // the CSV or JSON line
};

// Consecutive fuels of the batch, done by one worker; `done` is guarded by the batch's mutex.
struct Chunk {
  std::vector<FuelOutput> fuels;
  std::exception_ptr failure;
  bool done = false;
};

// Reads every cell of every sheet as a number once, so that copies of the document start
// with their numbers parsed.
void ParseEveryCell(calc::FuelDocument& doc) {
  for (const sheets::Sheet* sheet : doc.Sheets()) {
    for (int row = 0; row < sheet->RowCount(); ++row) {
      for (int col = 0; col < sheet->ColCount(); ++col)
        static_cast<void>(sheet->IsNumber(col, row));
    }
  }
}

struct FuelJob {
  const std::vector<std::filesystem::path>& files;
  const Options& options;
  ResultChecks checks;
  const calc::FuelDocument& fresh;

  // Computes file i in `doc`, reset to the fresh document first.
  FuelOutput Run(std::size_t i, calc::FuelDocument& doc) const {
    FuelOutput result;
    doc.ResetTo(fresh);
    result.computed = ComputeFuel(options, files[i].string(), doc, result.log->diagnostics, checks);
    if (!result.computed) return result;
    switch (options.format) {
      case Format::kCsv: {
        const char point = options.decimal_separator;
        std::vector<std::string> row = BatchRow(doc);
        row[0] = calc::CsvText(row[0]);
        row[1] = calc::CsvText(row[1]);
        for (std::size_t c = 2; c < row.size(); ++c) row[c] = calc::CsvValue(row[c], point);
        result.line = calc::CsvRow(row, calc::CsvSeparator(point));
        break;
      }
      case Format::kJson:
        result.line = JsonText(BatchJson(doc), false) + '\n';
        break;
      case Format::kText:
        result.row = BatchRow(doc);
        for (std::string& text : result.row) text = TerminalText(text);
        break;
    }
    return result;
  }
};

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
      "Топливо", "Тип",  "Теплотворность", "V0",        "V0N2", "VRO2", "V0H2O", "Ед. объема",
      "VH2O",    "Vг",   "rRO2",           "rH2O",      "rn",   "μзл",  "T",     "I0в",
      "Iг",      "mCO2", "kCO2",           "kCO2 спр.", "mSO2", "Э",    "tр"};
  return kHeader;
}

std::vector<std::string> BatchRow(const calc::FuelDocument& doc) {
  std::vector<std::string> row = {doc.ComboBox1, calc::FuelTypeName(doc.ComboBox3),
                                  HeatingValueText(doc)};
  using calc::sheet_row::kVolumes;
  for (int r = kVolumes; r < kVolumes + 4; ++r) row.push_back(doc.XLSheet2.Text(1, r));
  row.push_back(doc.XLSheet2.Text(2, kVolumes));
  for (const char* key : kDesignKeys) row.push_back(DesignText(doc, key));
  // The heat balance's emissions per unit of fuel and its dew point, as its tab shows them.
  namespace hb = calc::heat_balance_row;
  for (const int r : {hb::kCO2PerUnit, hb::kCO2Factor, hb::kCO2Reference, hb::kSO2PerUnit,
                      hb::kEquivalent, hb::kDewPoint}) {
    row.push_back(doc.XLSheet19.Text(1, r));
  }
  return row;
}

Json BatchJson(const calc::FuelDocument& doc) {
  Json json;
  json["name"] = doc.ComboBox1;
  json["type"] = doc.ComboBox3;
  json["heating_value"] = HeatingValueText(doc);
  json["volumes"] = VolumesJson(doc.XLSheet2, calc::sheet_row::kVolumes);
  json["volume_unit"] = doc.XLSheet2.Text(2, calc::sheet_row::kVolumes);
  json["design"] = DesignJson(doc.XLSheet15);
  json["heat_balance"] = HeatBalanceJson(calc::FuelHeatBalanceTexts(doc));
  return json;
}

int BatchWorkers() {
  return static_cast<int>(std::clamp(std::thread::hardware_concurrency(), 1U, kMaxWorkers));
}

void RunBatch(const std::vector<std::filesystem::path>& files, const Options& options,
              ResultChecks checks, std::ostream& out, Diagnostics& diagnostics, int workers) {
  const std::size_t chunk_count = (files.size() + kChunkSize - 1) / kChunkSize;
  std::vector<Chunk> chunks(chunk_count);
  // One laid-out document, every number of it parsed once; each fuel starts from a copy.
  calc::FuelDocument fresh(options.decimal_separator);
  ParseEveryCell(fresh);
  const FuelJob job{files, options, checks, fresh};

  std::mutex mutex;
  std::condition_variable chunk_done;
  std::atomic<std::size_t> next_chunk{0};
  const auto work = [&] {
    calc::FuelDocument doc(options.decimal_separator);
    for (std::size_t k = next_chunk++; k < chunk_count; k = next_chunk++) {
      Chunk& chunk = chunks[k];
      try {
        for (std::size_t i = k * kChunkSize; i < std::min(files.size(), (k + 1) * kChunkSize); ++i)
          chunk.fuels.push_back(job.Run(i, doc));
      } catch (...) {
        chunk.failure = std::current_exception();
      }
      {
        const std::lock_guard lock(mutex);
        chunk.done = true;
      }
      chunk_done.notify_all();
    }
  };
  std::vector<std::jthread> threads;
  if (workers > 1 && chunk_count > 1) {
    const std::size_t count = std::min(static_cast<std::size_t>(workers), chunk_count);
    for (std::size_t n = 0; n < count; ++n) threads.emplace_back(work);
  } else {
    work();
  }

  const char point = options.decimal_separator;
  const char csv_sep = calc::CsvSeparator(point);
  std::vector<std::vector<std::string>> table = {BatchHeader()};
  if (options.format == Format::kCsv) {
    out << calc::kCsvByteOrderMark << calc::CsvRow(BatchHeader(), csv_sep);
  }
  for (Chunk& chunk : chunks) {
    {
      std::unique_lock lock(mutex);
      chunk_done.wait(lock, [&chunk] { return chunk.done; });
    }
    for (FuelOutput& fuel : chunk.fuels) {
      diagnostics.Append(fuel.log->diagnostics, fuel.log->printed.str());
      if (!fuel.computed) continue;
      if (options.format == Format::kText) {
        table.push_back(std::move(fuel.row));
      } else {
        out << fuel.line;
      }
    }
    chunk.fuels.clear();
    if (chunk.failure) {
      next_chunk = chunk_count;  // the workers stop after their chunk
      std::rethrow_exception(chunk.failure);
    }
  }
  if (options.format == Format::kText) out << AlignedTable(table);
}

int RunBatch(const std::vector<std::filesystem::path>& files, const Options& options,
             std::ostream& out, std::ostream& err) {
  Diagnostics diagnostics(err);
  RunBatch(files, options, ResultChecks{}, out, diagnostics, BatchWorkers());
  return diagnostics.ExitStatus();
}

}  // namespace cli
