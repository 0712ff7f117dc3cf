// Batch work: many fuels, one row each (name, type, heating value, volumes and the
// design results at the given options) as an aligned table, CSV or JSON lines.
#pragma once

#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

#include "calc/fuel_document.h"
#include "cli/json.h"
#include "cli/options.h"

namespace cli {

// The fuel files named: a folder stands for its "*.fll" files in file-name order.
std::vector<std::filesystem::path> ExpandFuelPaths(const std::vector<std::string>& paths);

// The column headers of a batch row.
const std::vector<std::string>& BatchHeader();
// The row of one computed fuel document.
std::vector<std::string> BatchRow(const calc::FuelDocument& doc);
Json BatchJson(const calc::FuelDocument& doc);

// Computes every file and prints its row; a file that cannot be read is reported on
// `err` and skipped. Returns the exit code: 0, or 1 when a file failed.
int RunBatch(const std::vector<std::filesystem::path>& files, const Options& options,
             std::ostream& out, std::ostream& err);

}  // namespace cli
