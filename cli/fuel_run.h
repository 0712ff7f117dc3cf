// One fuel computed as the window computes it when the fuel is chosen in the list and
// the design options are typed in; a mixture built as a user builds it. What could not be
// read, or came out incomplete, is reported to the diagnostics.
#pragma once

#include <string>

#include "calc/fuel_document.h"
#include "cli/options.h"
#include "cli/status.h"

namespace cli {

// Which results are worth a warning when they are missing: none that an option already
// warned about leaves out.
struct ResultChecks {
  bool design = true;
  bool heat_balance = true;
};

// Warnings about option texts that are not numbers in the cells ("abc", "nan", "inf", a
// value too large for a single), with the fallback the document uses instead, about a
// given value that gives no design state (not a number, or not positive), and about
// heat-balance inputs that give no number even with the other decimal separator (an
// empty heat output, O2 or RO2 only leaves its result out). Returns the checks that are
// still worth making.
ResultChecks CheckNumberOptions(const Options& options, Diagnostics& diagnostics);

// Loads the file as a library fuel, runs the design calculation with the window's first
// inputs, types the given design options into their cells and runs it once more, then
// types the given heat-balance options and recomputes the heat balance. Returns false,
// with an error, when the file cannot be read (nothing to print). A file without a name
// line or with fewer than fifty numbers, a calculation that failed part way and, as
// `checks` asks, missing design or heat-balance results are warnings.
bool ComputeFuel(const Options& options, const std::string& path, calc::FuelDocument& doc,
                 Diagnostics& diagnostics, ResultChecks checks = {});

// The mixture of the --mix components; a valid one gets the design and heat-balance
// options and "Зола и продукты сгорания". Returns false, with an error, when a component
// cannot be read. An invalid mixture, an incomplete component file and, as `checks` asks,
// missing design or heat-balance results are warnings.
bool ComputeMixture(const Options& options, calc::FuelDocument& doc, Diagnostics& diagnostics,
                    ResultChecks checks = {});

}  // namespace cli
