// pyrana-calc: the command-line calculator of fuel properties.
#include <iostream>
#include <string>
#include <vector>

#include "cli/calculator.h"

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  return cli::RunCalculator(args, std::cout, std::cerr);
}
