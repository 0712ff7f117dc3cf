// pyrana-calc end to end on example fuels: the JSON it prints, the text report and CSV, with
// their exit statuses and stderr. The statuses of failing runs are the exit-status script's.
#include "cli/calculator.h"

#include <gtest/gtest.h>

#include <cstring>
#include <sstream>
#include <string>
#include <vector>

#include "cli/json.h"
#include "support/example_fuels.h"
#include "support/golden.h"

namespace cli {
namespace {

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
    std::ostringstream out, err;
    const int code = RunCalculator(args, out, err);
    all += "$ pyrana-calc";
    for (const std::string& arg : args) all += " '" + arg + "'";
    all += "\n" + out.str() + "\n? " + std::to_string(code) + "\n" + err.str() + "\n";
  }
  // Paths as the source tree's own; CR shown, so that no checkout turns CRLF into LF.
  for (std::size_t at = 0; (at = all.find(PYRANA_SOURCE_DIR, at)) != std::string::npos;)
    all.replace(at, std::strlen(PYRANA_SOURCE_DIR), "$SOURCE");
  for (std::size_t at = 0; (at = all.find('\r', at)) != std::string::npos; at += 2)
    all.replace(at, 1, "\\r");
  test::ExpectGolden("tests/cli/calculator.golden", all);
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
