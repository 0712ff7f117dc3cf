// The batch over a few hundred generated fuels, some of them unreadable or incomplete:
// what it prints, on stdout and on stderr, and its exit status do not depend on how many
// workers share the files, nor on the fuels computed before in the same document.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <filesystem>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "cli/batch.h"
#include "fuel/fuel_file.h"
#include "support/temp_dir.h"

namespace cli {
namespace {

namespace fs = std::filesystem;

struct BatchRun {
  std::string out;
  std::string err;
  int status = 0;

  bool operator==(const BatchRun&) const = default;
};

BatchRun RunFiles(const std::vector<fs::path>& files, const Options& options, int workers) {
  std::ostringstream out, err;
  Diagnostics diagnostics(err);
  RunBatch(files, options, ResultChecks{}, out, diagnostics, workers);
  return {out.str(), err.str(), diagnostics.ExitStatus()};
}

class GeneratedFuels : public ::testing::Test {
 protected:
  static constexpr int kCount = 240;

  // Fuels of every type with seeded compositions; every 50th path names no file, every
  // 37th file holds only part of a record.
  void SetUp() override {
    std::mt19937 random(2024);
    std::uniform_real_distribution<float> share(0.0f, 1.0f);
    for (int i = 0; i < kCount; ++i) {
      const fs::path path = dir_ / ("fuel" + std::to_string(i) + ".fll");
      files_.push_back(path);
      if (i % 50 == 49) continue;
      if (i % 37 == 36) {
        test::WriteBytes(path, "Part\r\n10 20 55 4");
        continue;
      }
      const int type = i % 7;
      std::array<float, fuel::kRecordSize> values{};
      if (type == 6) {  // a gas: CH4 .. unsaturated hydrocarbons, heating value, density
        values = {90 * share(random), 3, 1, 0.5f, 0.2f, 3, 0.5f, 0, 0, 0, 0, 0, 36000, 0.73f};
      } else {  // moisture, ash, C, H, N, S, O, volatiles, lower heating value
        values = {
            30 * share(random), 40 * share(random),          40 + 30 * share(random), 4, 1, 2, 8,
            40 * share(random), 5000 + 30000 * share(random)};
      }
      values[fuel::kTypeRow] = static_cast<float>(type);
      fuel::WriteFuelFile(path, "Fuel " + std::to_string(i), values);
    }
  }

  test::TempDir temp_;
  const fs::path& dir_ = temp_.path();
  std::vector<fs::path> files_;
};

// Two workers print what each fuel alone in a new document prints, in the order of the
// files; what a worker throws reaches the caller and stops the others.
TEST_F(GeneratedFuels, TwoWorkersPrintWhatEachFuelAlonePrints) {
  Options options;
  options.format = Format::kJson;
  options.excess_air = "1.3";
  options.given_kind = 1;
  options.given = "3000";
  options.norms_1973 = true;
  options.auto_heating_value = true;
  BatchRun alone;
  for (const fs::path& file : files_) {
    const BatchRun run = RunFiles({file}, options, 1);
    alone.out += run.out;
    alone.err += run.err;
  }
  const BatchRun batch = RunFiles(files_, options, 2);
  EXPECT_EQ(batch.status, kExitUnreadable);
  EXPECT_NE(batch.err.find("fuel49.fll"), std::string::npos);  // a missing file
  EXPECT_NE(batch.err.find("fuel36.fll: incomplete fuel file"), std::string::npos);
  const auto differ = [](const std::string& a, const std::string& b) {
    return std::mismatch(a.begin(), a.end(), b.begin(), b.end()).first - a.begin();
  };
  EXPECT_TRUE(batch.out == alone.out)
      << "stdout differs from byte " << differ(batch.out, alone.out);
  EXPECT_TRUE(batch.err == alone.err)
      << "stderr differs from byte " << differ(batch.err, alone.err);
  // The aligned table of the text report is laid out once the rows of all workers are in.
  options.format = Format::kText;
  EXPECT_TRUE(RunFiles(files_, options, 2) == RunFiles(files_, options, 1));
  // A design text that is no UTF-8 cannot be written as JSON.
  options.format = Format::kJson;
  options.given = "\xff";
  EXPECT_THROW(RunFiles(files_, options, 2), Json::type_error);
}

}  // namespace
}  // namespace cli
