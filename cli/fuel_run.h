// One fuel computed as the window computes it when the fuel is chosen in the list and
// the design options are typed in; a mixture built as a user builds it. What could not be
// read, or came out incomplete, is reported to the diagnostics.
#pragma once

#include <string>

#include "calc/fuel_document.h"
#include "cli/options.h"
#include "cli/status.h"

namespace cli {

// Warnings about option texts that are not numbers in the cells ("abc", "nan", "inf", a
// value too large for a single), with the fallback the document uses instead, and about a
// given value that gives no design state (not a number, or not positive). Returns whether
// the given value can give a state.
bool CheckNumberOptions(const Options& options, Diagnostics& diagnostics);

// Loads the file as a library fuel, runs the design calculation with the window's first
// inputs, types the given design options into their cells and runs it once more.
// Returns false, with an error, when the file cannot be read (nothing to print). A file
// without a name line or with fewer than fifty numbers, a calculation that failed part
// way and, when `check_design` is set, missing design results are warnings.
bool ComputeFuel(const Options& options, const std::string& path, calc::FuelDocument& doc,
                 Diagnostics& diagnostics, bool check_design = true);

// The mixture of the --mix components; a valid one gets the design options and "Зола и
// продукты сгорания". Returns false, with an error, when a component cannot be read. An
// invalid mixture, an incomplete component file and, when `check_design` is set, missing
// design results are warnings.
bool ComputeMixture(const Options& options, calc::FuelDocument& doc, Diagnostics& diagnostics,
                    bool check_design = true);

}  // namespace cli
