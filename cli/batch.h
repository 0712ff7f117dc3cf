// Batch work: many fuels, one row each (name, type, heating value, volumes and the
// design results at the given options) as an aligned table, CSV or JSON lines.
#pragma once

#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

#include "calc/fuel_document.h"
#include "cli/fuel_run.h"
#include "cli/json.h"
#include "cli/options.h"
#include "cli/status.h"

namespace cli {

// The fuel files named: a folder stands for its "*.fll" files in file-name order.
std::vector<std::filesystem::path> ExpandFuelPaths(const std::vector<std::string>& paths);
// The same; a folder that cannot be listed, or holds no ".fll" file, is an error.
std::vector<std::filesystem::path> ExpandFuelPaths(const std::vector<std::string>& paths,
                                                   Diagnostics& diagnostics);

// The column headers of a batch row.
const std::vector<std::string>& BatchHeader();
// The row of one computed fuel document.
std::vector<std::string> BatchRow(const calc::FuelDocument& doc);
Json BatchJson(const calc::FuelDocument& doc);

// The workers a batch starts: one per core, at least one.
int BatchWorkers();

// Computes every file and prints its row; a file that cannot be read is reported and
// skipped, one that comes out incomplete is reported and printed. `workers` threads share
// the files in chunks; rows and diagnostics come out in the order of the files whatever
// their number.
void RunBatch(const std::vector<std::filesystem::path>& files, const Options& options,
              ResultChecks checks, std::ostream& out, Diagnostics& diagnostics,
              int workers = BatchWorkers());
// The same with its own diagnostics on `err`, on BatchWorkers(); returns the exit status.
int RunBatch(const std::vector<std::filesystem::path>& files, const Options& options,
             std::ostream& out, std::ostream& err);

}  // namespace cli
