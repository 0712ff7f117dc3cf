// The calculator run: builds the document, loads the fuel, runs the routines, prints.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace cli {

// Runs pyrana-calc with argv[1..]; returns the process exit code.
int RunCalculator(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace cli
