// The batch benchmark's run done once, untimed, for the ThreadSanitizer build: its 10,000
// fuels as CSV on several workers. Every fuel gives its row, in the order of the files,
// and fuels of one composition give the same numbers whichever worker computed them.
// Arguments: the workers (4 when none is given). Exit status 0 when every row is right.
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "bench/batch_library.h"
#include "cli/batch.h"

namespace {

constexpr int kFuels = 10000;

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
    lines.push_back(text.substr(start, end - start));
  return lines;
}

// The problems of the batch's output, one a line; none when it is right.
std::string Problems(const std::vector<std::filesystem::path>& files, const std::string& out,
                     const std::string& err, int status) {
  std::ostringstream problems;
  if (status != cli::kExitComplete || !err.empty())
    problems << "exit status " << status << ", diagnostics: " << err << '\n';
  const std::vector<std::string> lines = Lines(out);
  if (lines.size() != files.size() + 1) {
    problems << lines.size() << " lines for " << files.size() << " fuels and the header\n";
    return problems.str();
  }
  std::map<int, std::string> numbers_of_composition;
  for (std::size_t k = 0; k < files.size(); ++k) {
    const std::string& line = lines[k + 1];
    const int fuel = std::stoi(files[k].stem().string().substr(4));  // "fuel<i>"
    const std::string name = "Fuel " + std::to_string(fuel) + ',';
    if (line.compare(0, name.size(), name) != 0) {
      problems << "row " << k + 1 << " is not " << files[k] << "'s: " << line << '\n';
      continue;
    }
    const std::string numbers = line.substr(name.size());
    const auto [first, fresh] =
        numbers_of_composition.emplace(fuel % bench::kBatchCompositions, numbers);
    if (!fresh && first->second != numbers)
      problems << files[k].filename() << ": " << numbers << " where its composition gave "
               << first->second << '\n';
  }
  return problems.str();
}

}  // namespace

int main(int argc, char** argv) {
  const int workers = argc > 1 ? std::atoi(argv[1]) : 4;
  const std::filesystem::path folder = bench::MakeBatchLibrary(kFuels);
  cli::Options options;
  options.format = cli::Format::kCsv;
  options.excess_air = "1.2";
  std::ostringstream out, err;
  cli::Diagnostics diagnostics(err);
  const auto files = cli::ExpandFuelPaths({folder.string()});
  cli::RunBatch(files, options, cli::ResultChecks{}, out, diagnostics, workers);
  std::filesystem::remove_all(folder);

  const std::string problems = Problems(files, out.str(), err.str(), diagnostics.ExitStatus());
  if (!problems.empty() || files.size() != kFuels) {
    std::cerr << files.size() << " fuels on " << workers << " workers:\n" << problems;
    return EXIT_FAILURE;
  }
  std::cout << kFuels << " fuels on " << workers << " workers: every row is right\n";
  return EXIT_SUCCESS;
}
