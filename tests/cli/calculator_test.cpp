// pyrana-calc end to end on example fuels: the JSON it prints, the text report, and the
// one-line errors with a non-zero exit for bad files and options.
#include "cli/calculator.h"

#include <gtest/gtest.h>

#include <algorithm>
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

TEST(CalculatorTest, AutomaticHeatingValueAndDerivedResults) {
  const CalcRun solid =
      Calc({"--auto-heating-value", "--format", "json", Example("Каменный уголь.fll")});
  ASSERT_EQ(solid.code, 0) << solid.err;
  for (const char* expected :
       {"\"heating_value\": \"21861\"", "\"moisture\": \"0.4574\"", "\"ash\": \"0.9149\"",
        "\"carryover\": \"0.95\"", "\"8268.18\"", "\"9801.69\"", "\"186.96\"", "\"-\"]",
        "\"composition_total\": {\n    \"text\": \"100\",\n    \"color\": \"black\"",
        "\"oxide_total\": {\n    \"text\": \"0\",\n    \"color\": \"red\""}) {
    EXPECT_NE(solid.out.find(expected), std::string::npos) << expected;
  }
  // The example gas's value per cubic metre, worked by hand in the cycle's test.
  const CalcRun gas =
      Calc({"--auto-heating-value", "--format", "json", Example("Природный газ.fll")});
  ASSERT_EQ(gas.code, 0) << gas.err;
  EXPECT_NE(gas.out.find("\"heating_value\": \"36202\""), std::string::npos);
  EXPECT_NE(gas.out.find("\"gas_total\": {\n    \"text\": \"100\""), std::string::npos);
  // Without the box the typed value of the file stays.
  const CalcRun typed = Calc({"--format", "json", Example("Природный газ.fll")});
  EXPECT_NE(typed.out.find("\"heating_value\": \"36000\""), std::string::npos);
  // Under the 1973 norms a solid fuel computes no reduced values or table.
  const CalcRun old = Calc({"--norms", "1973", "--auto-heating-value", "--format", "json",
                            Example("Каменный уголь.fll")});
  EXPECT_NE(old.out.find("\"heating_value\": \"21861\""), std::string::npos);
  EXPECT_NE(old.out.find("\"moisture\": \"\""), std::string::npos);
  EXPECT_NE(old.out.find("\"air\": [\"\", \"\""), std::string::npos);
}

TEST(CalculatorTest, Mixtures) {
  const std::string coal = Example("Каменный уголь.fll");
  const std::string gas = Example("Природный газ.fll");
  const CalcRun valid = Calc({"--format", "json", "--excess-air", "1.2", "--given-kind", "air",
                              "--given", "5000", "--mix", coal + "=60", gas + "=40"});
  ASSERT_EQ(valid.code, 0) << valid.err;
  for (const char* expected :
       {"\"valid\": true", "\"total\": \"100\"", "\"type_name\": \"газообразное топливо\"",
        "\"air\": \"8.716\"", "\"water\": \"1.582\"", "\"all_gaseous\": 0",
        "\"excess_air\": \"1.2\"", "\"given_kind\": 1", "\"air_enthalpy\": \"5000\"",
        "\"carryover\": \"0.95\""}) {
    EXPECT_NE(valid.out.find(expected), std::string::npos) << expected;
  }
  const CalcRun invalid = Calc({"--format", "json", "--mix", coal + "=60", gas + "=30,5"});
  ASSERT_EQ(invalid.code, 0) << invalid.err;
  EXPECT_NE(invalid.out.find("\"valid\": false"), std::string::npos);
  EXPECT_NE(invalid.out.find("\"total\": \"60\""), std::string::npos);
  EXPECT_NE(invalid.out.find("\"air\": \"\""), std::string::npos);
  EXPECT_EQ(invalid.out.find("\"design\""), std::string::npos);
  const CalcRun text = Calc({"--mix", coal + "=50", gas + "=50"});
  EXPECT_NE(text.out.find("Процентов смеси составлено: 100"), std::string::npos);
  EXPECT_NE(text.out.find(" Доля золовых частиц"), std::string::npos);
  const CalcRun missing = Calc({"--mix", coal + "=50", "/nonexistent.fll=50"});
  EXPECT_NE(missing.code, 0);
}

TEST(CalculatorTest, BatchOverAFolderAndFiles) {
  const std::string folder = std::string(PYRANA_SOURCE_DIR) + "/examples/Fuel";
  const CalcRun table = Calc({"--excess-air", "1.2", folder});
  ASSERT_EQ(table.code, 0) << table.err;
  // A header and one row per fuel of the seven examples, in file-name order.
  EXPECT_EQ(std::count(table.out.begin(), table.out.end(), '\n'), 8);
  EXPECT_LT(table.out.find("Антрацит АШ"), table.out.find("Бурый уголь Б2"));
  EXPECT_LT(table.out.find("Каменный уголь марки Д"), table.out.find("Мазут сернистый"));
  EXPECT_LT(table.out.find("Мазут сернистый"), table.out.find("Природный газ"));
  EXPECT_NE(table.out.find("0.6791"), std::string::npos);  // VH2O of the coal at α 1.2

  const CalcRun csv = Calc({"--format", "csv", "--decimal-separator", ",", Example("Мазут.fll"),
                            Example("Природный газ.fll")});
  ASSERT_EQ(csv.code, 0) << csv.err;
  EXPECT_EQ(csv.out.substr(0, csv.out.find("\r\n")),
            "Топливо;Тип;Теплотворность;V0;V0N2;VRO2;V0H2O;Ед. объема;VH2O;Vг;rRO2;rH2O;rn;μзл;T;"
            "I0в;Iг");
  EXPECT_NE(csv.out.find("\r\nПриродный газ;газообразное топливо;36000;9,6104;"),
            std::string::npos);

  const CalcRun lines = Calc({"--format", "json", folder, "/nonexistent.fll"});
  EXPECT_EQ(lines.code, 1);  // the missing file is reported, the others printed
  EXPECT_NE(lines.err.find("/nonexistent.fll"), std::string::npos);
  EXPECT_EQ(std::count(lines.out.begin(), lines.out.end(), '\n'), 7);
  EXPECT_EQ(lines.out.rfind("{\"name\": \"Природный газ\", \"type\": 6,", 0), std::string::npos);
  EXPECT_NE(lines.out.find("\n{\"name\": \"Природный газ\", \"type\": 6, "), std::string::npos);
}

TEST(CalculatorTest, CsvOfTheTableAndDesign) {
  const CalcRun csv = Calc({"--format", "csv", "--decimal-separator", ",", "--excess-air", "1,2",
                            "--given", "1000", Example("Каменный уголь.fll")});
  ASSERT_EQ(csv.code, 0) << csv.err;
  EXPECT_EQ(csv.out.substr(0, csv.out.find("\r\n")),
            "Температура ,°С;Энтальпия воздуха ,кДж/кг;Энтальпия дымовых газов ,кДж/кг;"
            "Энтальпия золы ,кДж/кг");
  EXPECT_NE(csv.out.find("\r\n1000;8268,18;9801,69;186,96\r\n"), std::string::npos);
  EXPECT_NE(csv.out.find("\r\n\r\nПараметр;Значение;Единица\r\n"), std::string::npos);
  EXPECT_NE(csv.out.find("\r\nЭнтальпия дымовых газов;11642,29;КДж/кг\r\n"), std::string::npos);
}

TEST(CalculatorTest, TextReportShowsTheSheets) {
  const CalcRun run = Calc({Example("Каменный уголь.fll")});
  ASSERT_EQ(run.code, 0) << run.err;
  EXPECT_NE(run.out.find("Каменный уголь марки Д"), std::string::npos);
  EXPECT_NE(run.out.find(" Воздух"), std::string::npos);
  EXPECT_NE(run.out.find("5.7498  Нм3/кг"), std::string::npos);
  EXPECT_NE(run.out.find(" Низшая теплота сгорания"), std::string::npos);
  EXPECT_NE(run.out.find("1000              8268.18"), std::string::npos);
  // Headings that the layout cut over two cells read as one text.
  EXPECT_NE(run.out.find("\nПриведенные значения\n"), std::string::npos);
  EXPECT_NE(run.out.find("\nРасчетные параметры продуктов сгорания и воздуха\n"),
            std::string::npos);
}

TEST(CalculatorTest, BadFilesAndOptionsFailWithOneLine) {
  for (const std::vector<std::string>& args :
       std::vector<std::vector<std::string>>{{"/nonexistent/fuel.fll"},
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
