// One fuel computed as the window computes it when the fuel is chosen in the list and
// the design options are typed in.
#pragma once

#include <string>

#include "calc/fuel_document.h"
#include "cli/options.h"

namespace cli {

// Loads the file as a library fuel (throws when it cannot be read), runs the design
// calculation with the window's first inputs, types the given design options into
// their cells and runs it once more.
void ComputeFuel(const Options& options, const std::string& path, calc::FuelDocument& doc);

// The mixture of the --mix components built as a user builds it; a valid one gets the
// design options and "Зола и продукты сгорания".
void ComputeMixture(const Options& options, calc::FuelDocument& doc);

}  // namespace cli
