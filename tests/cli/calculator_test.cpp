// pyrana-calc end to end on example fuels: the JSON it prints, the text report and CSV,
// the exit status that tells a complete result from an incomplete one, and one line on
// stderr for each failure, naming the file and the reason.
#include "cli/calculator.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstring>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "cli/json.h"
#include "support/example_fuels.h"
#include "support/golden.h"
#include "support/temp_dir.h"

namespace cli {
namespace {

namespace fs = std::filesystem;

struct CalcRun {
  int code;
  std::string out;
  std::string err;
};

CalcRun Calc(std::vector<std::string> args) {
  std::ostringstream out, err;
  const int code = RunCalculator(args, out, err);
  return {code, out.str(), err.str()};
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

using test::TempDir;

// Every output of the calculator on the shipped examples, compared byte for byte with
// tests/cli/calculator.golden together with its exit status and stderr. The figures are
// the calculation's own (its tests check them); this pins what the calculator makes of
// them: the options reaching their cells, the sheets and keys shown, their order,
// indents, separators and padding, the warnings.
TEST(CalculatorTest, GoldenRunsOfTheExamples) {
  const std::string coal = test::ExampleFuel("Каменный уголь.fll");
  const std::string gas = test::ExampleFuel("Природный газ.fll");
  const std::string oil = test::ExampleFuel("Мазут.fll");
  const std::string folder = std::string(PYRANA_SOURCE_DIR) + "/examples/Fuel";
  // clang-format off
  // The worked example of the heat balance and a design state.
  const std::vector<std::string> worked = {
      "--excess-air", "1.2", "--given", "1250", "--q4", "1.5", "--o2", "3.583",
      "--heat-output", "37494", "--hot-air-temperature", "300", "--auto-heating-value"};
  // Every heat-balance option, typed with a decimal comma or a repaired point.
  const std::vector<std::string> every_input = {
      "--exit-gas-temperature", "150", "--exit-excess-air", "1,4", "--cold-air-temperature", "20",
      "--q3", "0,1", "--q4", "2", "--q5", "0.6", "--slag-temperature", "1300", "--fuel-heat", "10",
      "--external-air-heat", "20", "--heat-output", "50", "--heat-output-unit", "MW",
      "--furnace-excess-air", "1,15", "--furnace-leakage", "0,07", "--hot-air-temperature", "250",
      "--o2", "4", "--ro2", "15", "--so2-ash-binding", "0,1", "--condensing-temperature", "35"};
  const auto with = [](std::vector<std::string> args, const std::vector<std::string>& more) {
    args.insert(args.end(), more.begin(), more.end());
    return args;
  };
  const std::vector<std::vector<std::string>> runs = {
      with(worked, {coal}),
      with(worked, {"--format", "json", "--condensing-temperature", "30", coal}),
      with(every_input, {"--format", "csv", "--decimal-separator", ",", "--excess-air", "1,2",
                         "--given-kind", "gas", "--given", "11642,29", "--carryover", "0,9", coal}),
      {"--o2", "25", gas},
      {"--format", "json", "--decimal-separator", ",", "--auto-heating-value",
       "--given-kind", "air", "--given", "5000", gas},
      {"--format", "json", "--norms", "1973", "--auto-heating-value", coal},
      {"--norms", "1973", "--excess-air", "1.3", oil},
      {"--format", "json", "--given", "nan", "--excess-air", "inf", "--carryover", "-Infinity",
       "--q4", "abc", "--q3", "", "--heat-output", "", "--o2", "", coal},
      with(worked, {"--mix", coal + "=60", gas + "=40"}),
      {"--format", "json", "--given-kind", "air", "--given", "5000", "--carryover", "0.9",
       "--heat-output", "37494", "--mix", coal + "=50", gas + "=30", oil + "=20"},
      {"--format", "csv", "--decimal-separator", ",", "--mix", coal + "=60", gas + "=40"},
      {"--format", "json", "--mix", coal + "=inf", gas + "=30", oil + "=40"},
      {"--excess-air", "1.2", folder},
      {"--format", "json", "--carryover", "0.9", "--q5", "x", folder},
      {"--format", "csv", "--decimal-separator", ",", "--given-kind", "gas", "--given", "9000",
       folder},
  };
  // clang-format on
  std::string all;
  for (const std::vector<std::string>& args : runs) {
    const CalcRun run = Calc(args);
    all += "$ pyrana-calc";
    for (const std::string& arg : args) all += " '" + arg + "'";
    all += "\n" + run.out + "\n? " + std::to_string(run.code) + "\n" + run.err + "\n";
  }
  // Paths as the source tree's own; CR shown, so that no checkout turns CRLF into LF.
  for (std::size_t at = 0; (at = all.find(PYRANA_SOURCE_DIR, at)) != std::string::npos;)
    all.replace(at, std::strlen(PYRANA_SOURCE_DIR), "$SOURCE");
  for (std::size_t at = 0; (at = all.find('\r', at)) != std::string::npos; at += 2)
    all.replace(at, 1, "\\r");
  test::ExpectGolden("tests/cli/calculator.golden", all);
}

TEST(CalculatorTest, BadOptionsExitTwoWithOneLineBeforeAnythingRuns) {
  const std::string fuel = test::ExampleFuel("Мазут.fll");
  for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
           {"--format", "xml", fuel},
           {"--decimal-separator", ";", fuel},
           {"--excess-air"},
           {"--bogus", fuel},
           {},
           {"--mix", "a.fll=100"},
           {"--mix", fuel + "=50", fuel},
           // Texts for the cells that are not UTF-8 would break the JSON.
           {"--format", "json", "--o2", "3\xc3", fuel},
           {"--format", "json", "--mix", fuel + "=\xc3", fuel + "=50"}}) {
    const CalcRun run = Calc(args);
    EXPECT_EQ(run.code, 2) << ::testing::PrintToString(args);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err.rfind("pyrana-calc: ", 0), 0u) << run.err;
    EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << run.err;
  }
  EXPECT_EQ(Calc({"--given", "\xff", fuel}).err, "pyrana-calc: --given: not valid UTF-8\n");
  // A value that starts with a minus is a value, not an option.
  EXPECT_EQ(Json::parse(Calc({"--format", "json", "--given", "-5", fuel}).out)["design"]["given"],
            "-5");
}

// What the exit-status script cannot make portably: a FIFO, a folder without fuels, a fuel
// type that is no integer, a design without a result; and a batch that tells each failure once.
TEST(CalculatorTest, ExitStatusAndOneLinePerFailureNamingTheFile) {
  TempDir dir;
  const std::string coal = test::ExampleFuel("Каменный уголь.fll");
  const std::string short_record = dir.Write("short.fll", "Короткая\r\n1 2 3 4 5 6 7 8 9 10");
  const std::string type = dir.Write(
      "type.fll", "Тип 5.5\r\n10 20 55 4 1 2 8 40 21861 0 0 0 0 0 0 5.5 " + std::string(68, ' '));
  const std::string fifo = dir / "fifo.fll";
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);  // read, it would wait for a writer forever
  fs::create_directory(dir / "none");
  const struct {
    std::vector<std::string> args;
    int code;
    std::string err;  // the start of stderr
  } cases[] = {
      {{"--given-kind", "gas", "--given", "1e6", coal},
       3,
       coal + ": no design result: temperature, air_enthalpy, gas_enthalpy"},
      // A calculation that fails part way names the file; the report is still printed.
      {{type},
       3,
       type + ": incomplete fuel file: 16 of 50 numbers\npyrana-calc: " + type +
           ": '5.5' is not a valid integer"},
      {{"--mix", coal + "=50", fifo + "=50"}, 1, fifo + ": "},  // the reader's reason
      {{dir / "none"}, 1, dir / "none" + ": no \".fll\" file in this folder\n"},
  };
  for (const auto& c : cases) {
    const CalcRun run = Calc(c.args);
    EXPECT_EQ(run.code, c.code) << ::testing::PrintToString(c.args) << run.err;
    EXPECT_EQ(run.err.rfind("pyrana-calc: " + c.err, 0), 0u) << run.err;
    EXPECT_EQ(run.out.empty(), c.code == 1) << ::testing::PrintToString(c.args);
  }
  // The FIFO, the missing file, the short one and its heat balance (a heating value of
  // 9 kJ/kg leaves losses over 100 %) each told once; the readable fuels printed.
  const CalcRun batch = Calc({"--format", "json", fifo, coal, dir / "missing.fll", short_record,
                              test::ExampleFuel("Мазут.fll"), "/dev/zero"});
  EXPECT_EQ(batch.code, 1);
  EXPECT_EQ(Lines(batch.out).size(), 3u);
  EXPECT_EQ(Lines(batch.err).size(), 5u) << batch.err;
  EXPECT_EQ(Lines(batch.err).back().rfind("pyrana-calc: /dev/zero: ", 0), 0u) << batch.err;
}

TEST(JsonTest, EscapesEveryControlCharacterAndRefusesInvalidUtf8) {
  EXPECT_EQ(JsonText(Json("a\"b\\c\n\x01\x7F\xC2\x85\xC2\xA0"), false),
            "\"a\\\"b\\\\c\\n\\u0001\\u007f\\u0085\xC2\xA0\"");
  EXPECT_EQ(JsonText(Json::array({"x", 1}), true), "[\n  \"x\",\n  1\n]");
  EXPECT_THROW(JsonText(Json("\xff"), false), Json::type_error);
  for (const char* bad : {"\xff", "\xc3", "\xc0\xaf", "\xed\xa0\x80", "\xf5\x80\x80\x80", "a\x80"})
    EXPECT_FALSE(IsUtf8(bad)) << bad;
  for (const char* good : {"", "Уголь", "日本 😀", "\x7F"}) EXPECT_TRUE(IsUtf8(good)) << good;
}

}  // namespace
}  // namespace cli
