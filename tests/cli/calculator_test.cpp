// pyrana-calc end to end on example fuels: the JSON it prints, the text report, and the
// one-line errors with a non-zero exit for bad files and options.
#include "cli/calculator.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "cli/json.h"

namespace cli {
namespace {

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

std::string Example(const std::string& name) {
  return std::string(PYRANA_SOURCE_DIR) + "/examples/Fuel/" + name;
}

TEST(CalculatorTest, JsonOfASolidFuel) {
  const CalcRun run = Calc({"--format", "json", Example("Каменный уголь.fll")});
  ASSERT_EQ(run.code, 0) << run.err;
  EXPECT_EQ(run.err, "");
  EXPECT_NE(run.out.find("\"name\": \"Каменный уголь марки Д\""), std::string::npos);
  EXPECT_NE(run.out.find("\"type\": 1"), std::string::npos);
  EXPECT_NE(run.out.find("\"record\": [\"10\", \"20\", \"55\", \"4\", \"1\", \"2\", \"8\", \"40\", "
                         "\"21861\""),
            std::string::npos);
  EXPECT_NE(run.out.find("\"air\": \"5.7498\",\n    \"nitrogen\": \"4.5503\",\n    \"triatomic\": "
                         "\"1.0403\",\n    \"water\": \"0.6606\""),
            std::string::npos);
  EXPECT_NE(run.out.find("\"volume_unit\": \"Нм3/кг\""), std::string::npos);
}

TEST(CalculatorTest, JsonOfAGasWithADecimalComma) {
  const CalcRun run =
      Calc({Example("Природный газ.fll"), "--decimal-separator", ",", "--format", "json"});
  ASSERT_EQ(run.code, 0) << run.err;
  EXPECT_NE(run.out.find("\"type\": 6"), std::string::npos);
  EXPECT_NE(run.out.find("\"2,8\""), std::string::npos);
  EXPECT_NE(run.out.find("\"air\": \"9,6104\""), std::string::npos);
  EXPECT_NE(run.out.find("\"triatomic\": \"1,026\""), std::string::npos);
  EXPECT_NE(run.out.find("\"water\": \"2,1631\""), std::string::npos);
  EXPECT_NE(run.out.find("\"volume_unit\": \"м3/м3\""), std::string::npos);
}

TEST(CalculatorTest, TextReportShowsTheSheets) {
  const CalcRun run = Calc({Example("Каменный уголь.fll")});
  ASSERT_EQ(run.code, 0) << run.err;
  EXPECT_NE(run.out.find("Каменный уголь марки Д"), std::string::npos);
  EXPECT_NE(run.out.find(" Воздух"), std::string::npos);
  EXPECT_NE(run.out.find("5.7498  Нм3/кг"), std::string::npos);
}

TEST(CalculatorTest, BadFilesAndOptionsFailWithOneLine) {
  for (const std::vector<std::string>& args :
       std::vector<std::vector<std::string>>{{"/nonexistent/fuel.fll"},
                                             {std::string(PYRANA_SOURCE_DIR) + "/examples"},
                                             {"--format", "xml", Example("Мазут.fll")},
                                             {"--given-kind", "pressure", Example("Мазут.fll")},
                                             {"--decimal-separator", ";", Example("Мазут.fll")},
                                             {"--excess-air"},
                                             {"--bogus", Example("Мазут.fll")},
                                             {},
                                             {"--mix", "a.fll=100"}}) {
    const CalcRun run = Calc(args);
    EXPECT_NE(run.code, 0);
    EXPECT_EQ(run.out, "");
    ASSERT_FALSE(run.err.empty());
    EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << run.err;
  }
}

TEST(JsonTest, QuotesControlAndSpecialCharacters) {
  EXPECT_EQ(JsonQuote("a\"b\\c\n\x01"), "\"a\\\"b\\\\c\\n\\u0001\"");
  Json json;
  json.Set("list", Json::Array{"x", 1, true});
  EXPECT_EQ(json.Dump(), "{\n  \"list\": [\"x\", 1, true]\n}");
}

}  // namespace
}  // namespace cli
