// The batch over a few hundred generated fuels, some of them unreadable or incomplete:
// what it prints, on stdout and on stderr, and its exit status do not depend on how many
// workers share the files, nor on the fuels computed before in the same document.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "cli/batch.h"
#include "fuel/fuel_file.h"

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
    folder_ = fs::temp_directory_path() / ("pyrana_batch_workers_" + std::to_string(getpid()));
    fs::create_directories(folder_);
    std::mt19937 random(2024);
    std::uniform_real_distribution<float> share(0.0f, 1.0f);
    for (int i = 0; i < kCount; ++i) {
      const fs::path path = folder_ / ("fuel" + std::to_string(i) + ".fll");
      files_.push_back(path);
      if (i % 50 == 49) continue;
      if (i % 37 == 36) {
        std::ofstream(path, std::ios::binary) << "Part\r\n10 20 55 4";
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
  void TearDown() override { fs::remove_all(folder_); }

  fs::path folder_;
  std::vector<fs::path> files_;
};

TEST_F(GeneratedFuels, OneWorkerAndTwoPrintTheSame) {
  Options text;
  text.excess_air = "1.2";
  Options csv;
  csv.format = Format::kCsv;
  csv.decimal_separator = ',';
  csv.given_kind = 2;
  csv.given = "9000";
  Options json;
  json.format = Format::kJson;
  json.norms_1973 = true;
  json.auto_heating_value = true;
  for (const Options& options : {text, csv, json}) {
    const BatchRun one = RunFiles(files_, options, 1);
    EXPECT_EQ(one.status, kExitUnreadable);
    EXPECT_NE(one.err.find("fuel49.fll"), std::string::npos);  // a missing file
    EXPECT_NE(one.err.find("fuel36.fll: incomplete fuel file"), std::string::npos);
    EXPECT_NE(one.out.find("Fuel 239"), std::string::npos);
    EXPECT_TRUE(RunFiles(files_, options, 2) == one)
        << "format " << static_cast<int>(options.format);
  }
}

TEST_F(GeneratedFuels, EachFuelComesOutAsFromANewDocument) {
  Options options;
  options.format = Format::kJson;
  options.excess_air = "1.3";
  options.given_kind = 1;
  options.given = "3000";
  options.norms_1973 = true;
  options.auto_heating_value = true;
  std::string out;
  std::string err;
  for (const fs::path& file : files_) {
    const BatchRun alone = RunFiles({file}, options, 1);
    out += alone.out;
    err += alone.err;
  }
  const BatchRun batch = RunFiles(files_, options, 2);
  const auto differ = [](const std::string& a, const std::string& b) {
    return std::mismatch(a.begin(), a.end(), b.begin(), b.end()).first - a.begin();
  };
  EXPECT_TRUE(batch.out == out) << "stdout differs from byte " << differ(batch.out, out);
  EXPECT_TRUE(batch.err == err) << "stderr differs from byte " << differ(batch.err, err);
}

}  // namespace
}  // namespace cli
