// pyrana-calc end to end on example fuels: the JSON it prints, the text report and CSV,
// the exit status that tells a complete result from an incomplete one, and one line on
// stderr for each failure, naming the file and the reason.
#include "cli/calculator.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "calc/csv_export.h"
#include "calc/fuel_document.h"
#include "calc/heat_balance_cells.h"
#include "cli/json.h"

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

std::string Example(const std::string& name) {
  return std::string(PYRANA_SOURCE_DIR) + "/examples/Fuel/" + name;
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

class TempDir {
 public:
  TempDir() {
    std::random_device random;
    do {
      path_ = fs::temp_directory_path() / ("pyrana_cli_test_" + std::to_string(random()));
    } while (!fs::create_directory(path_));
  }
  ~TempDir() {
    std::error_code ignored;
    fs::remove_all(path_, ignored);
  }
  std::string Write(const std::string& name, const std::string& bytes) const {
    std::ofstream(path_ / name, std::ios::binary) << bytes;
    return (path_ / name).string();
  }
  std::string operator/(const std::string& name) const { return (path_ / name).string(); }

 private:
  fs::path path_;
};

TEST(CalculatorTest, JsonOfASolidFuel) {
  const CalcRun run = Calc({"--format", "json", Example("Каменный уголь.fll")});
  ASSERT_EQ(run.code, 0) << run.err;
  EXPECT_EQ(run.err, "");
  const Json json = Json::parse(run.out);
  EXPECT_EQ(json["name"], "Каменный уголь марки Д");
  EXPECT_EQ(json["type"], 1);
  const std::vector<std::string> head = {"10", "20", "55", "4", "1", "2", "8", "40", "21861"};
  EXPECT_EQ(std::vector<std::string>(json["record"].begin(), json["record"].begin() + 9), head);
  EXPECT_EQ(json["record"].size(), 50u);
  EXPECT_EQ(json["volumes"], Json::parse(R"({"air": "5.7498", "nitrogen": "4.5503",
                                              "triatomic": "1.0403", "water": "0.6606"})"));
  EXPECT_EQ(json["volume_unit"], "Нм3/кг");
  // The keys and their order are the report's.
  std::vector<std::string> keys;
  for (const auto& item : json.items()) keys.push_back(item.key());
  EXPECT_EQ(keys, (std::vector<std::string>{"name", "type", "record", "heating_value",
                                            "composition_total", "gas_total", "oxide_total",
                                            "reduced", "volumes", "volume_unit", "enthalpy",
                                            "carryover", "design", "heat_balance"}));
}

TEST(CalculatorTest, JsonOfAGasWithADecimalComma) {
  const CalcRun run =
      Calc({Example("Природный газ.fll"), "--decimal-separator", ",", "--format", "json"});
  ASSERT_EQ(run.code, 0) << run.err;
  const Json json = Json::parse(run.out);
  EXPECT_EQ(json["type"], 6);
  EXPECT_EQ(json["record"][1], "2,8");
  EXPECT_EQ(json["volumes"]["air"], "9,6104");
  EXPECT_EQ(json["volumes"]["triatomic"], "1,026");
  EXPECT_EQ(json["volumes"]["water"], "2,1631");
  EXPECT_EQ(json["volume_unit"], "м3/м3");
}

TEST(CalculatorTest, AutomaticHeatingValueAndDerivedResults) {
  const CalcRun solid =
      Calc({"--auto-heating-value", "--format", "json", Example("Каменный уголь.fll")});
  ASSERT_EQ(solid.code, 0) << solid.err;
  const Json coal = Json::parse(solid.out);
  EXPECT_EQ(coal["heating_value"], "21861");
  EXPECT_EQ(coal["reduced"], Json::parse(R"({"moisture": "0.4574", "ash": "0.9149"})"));
  EXPECT_EQ(coal["carryover"], "0.95");
  EXPECT_EQ(coal["enthalpy"]["air"][9], "8268.18");
  EXPECT_EQ(coal["enthalpy"]["gas"][9], "9801.69");
  EXPECT_EQ(coal["enthalpy"]["ash"][9], "186.96");
  EXPECT_EQ(coal["enthalpy"]["ash"][24], "-");
  EXPECT_EQ(coal["composition_total"], Json::parse(R"({"text": "100", "color": "black"})"));
  EXPECT_EQ(coal["oxide_total"], Json::parse(R"({"text": "0", "color": "red"})"));
  // The example gas's value per cubic metre, worked by hand in the cycle's test.
  const CalcRun gas =
      Calc({"--auto-heating-value", "--format", "json", Example("Природный газ.fll")});
  ASSERT_EQ(gas.code, 0) << gas.err;
  EXPECT_EQ(Json::parse(gas.out)["heating_value"], "36202");
  EXPECT_EQ(Json::parse(gas.out)["gas_total"]["text"], "100");
  // Without the box the typed value of the file stays.
  const CalcRun typed = Calc({"--format", "json", Example("Природный газ.fll")});
  EXPECT_EQ(Json::parse(typed.out)["heating_value"], "36000");
  // Under the 1973 norms a solid fuel computes no reduced values or table, so the design
  // has no enthalpies: printed, but incomplete.
  const CalcRun old = Calc({"--norms", "1973", "--auto-heating-value", "--format", "json",
                            Example("Каменный уголь.fll")});
  EXPECT_EQ(old.code, 3);
  EXPECT_EQ(old.err.substr(0, old.err.find('\n') + 1),
            "pyrana-calc: " + Example("Каменный уголь.fll") +
                ": no design result: air_enthalpy, gas_enthalpy\n");
  EXPECT_NE(old.err.find(": no heat-balance result: cold_air_enthalpy, exit_gas_enthalpy, q2,"),
            std::string::npos)
      << old.err;
  const Json json = Json::parse(old.out);
  EXPECT_EQ(json["heating_value"], "21861");
  EXPECT_EQ(json["reduced"]["moisture"], "");
  EXPECT_EQ(json["enthalpy"]["air"][0], "");
}

TEST(CalculatorTest, Mixtures) {
  const std::string coal = Example("Каменный уголь.fll");
  const std::string gas = Example("Природный газ.fll");
  const CalcRun valid = Calc({"--format", "json", "--excess-air", "1.2", "--given-kind", "air",
                              "--given", "5000", "--mix", coal + "=60", gas + "=40"});
  ASSERT_EQ(valid.code, 0) << valid.err;
  const Json mix = Json::parse(valid.out);
  EXPECT_EQ(mix["valid"], true);
  EXPECT_EQ(mix["total"], "100");
  EXPECT_EQ(mix["components"][1]["type_name"], "газообразное топливо");
  EXPECT_EQ(mix["volumes"]["air"], "8.716");
  EXPECT_EQ(mix["volumes"]["water"], "1.582");
  EXPECT_EQ(mix["all_gaseous"], 0);
  EXPECT_EQ(mix["design"]["excess_air"], "1.2");
  EXPECT_EQ(mix["design"]["given_kind"], 1);
  EXPECT_EQ(mix["design"]["air_enthalpy"], "5000");
  EXPECT_EQ(mix["design"]["carryover"], "0.95");

  const CalcRun text = Calc({"--mix", coal + "=50", gas + "=50"});
  EXPECT_EQ(text.code, 0) << text.err;
  EXPECT_NE(text.out.find("Процентов смеси составлено: 100"), std::string::npos);
  EXPECT_NE(text.out.find(" Доля золовых частиц"), std::string::npos);
}

std::vector<std::string> Keys(const Json& json) {
  std::vector<std::string> keys;
  for (const auto& item : json.items()) keys.push_back(item.key());
  return keys;
}

// The shown quantities of a heat balance, in report order.
const std::vector<std::string> kHeatBalanceKeys = {
    // clang-format off
    "available_heat", "cold_air_enthalpy", "exit_gas_enthalpy", "q2", "q3", "q4", "q5", "q6",
    "losses", "efficiency", "retention", "fuel_consumption", "fuel_consumption_hourly",
    "calculated_fuel_consumption", "hot_air_enthalpy", "air_heat", "furnace_heat",
    "adiabatic_temperature", "ro2_max", "excess_air_o2", "excess_air_ro2"};
// clang-format on

TEST(CalculatorTest, HeatBalanceOfTheWorkedExample) {
  // The worked example of the normative method for the example coal; the calculation's
  // own test checks every figure, this one that the options reach it and come back.
  const std::string coal = Example("Каменный уголь.fll");
  const CalcRun run =
      Calc({"--format", "json", "--q4", "1.5", "--heat-output", "37494", "--hot-air-temperature",
            "300", "--o2", "3.583", "--auto-heating-value", coal});
  ASSERT_EQ(run.code, 0) << run.err;
  EXPECT_EQ(run.err, "");
  const Json balance = Json::parse(run.out)["heat_balance"];
  std::vector<std::string> keys = kHeatBalanceKeys;
  keys.push_back("basis");
  EXPECT_EQ(Keys(balance), keys);
  EXPECT_EQ(balance["q4"], "1.5");
  EXPECT_EQ(balance["q2"], "5.93");
  EXPECT_EQ(balance["efficiency"], "92.05");
  EXPECT_EQ(balance["fuel_consumption"], "1.8633");
  EXPECT_EQ(balance["adiabatic_temperature"], "1957");
  EXPECT_EQ(balance["excess_air_o2"], "1.2");
  EXPECT_EQ(balance["excess_air_ro2"], "");
  EXPECT_EQ(Keys(balance["basis"]),
            (std::vector<std::string>{"dry", "daf", "higher_heating_value", "dry_heating_value",
                                      "daf_heating_value"}));
  EXPECT_EQ(Keys(balance["basis"]["dry"]),
            (std::vector<std::string>{"C", "H", "N", "S", "O", "A"}));
  EXPECT_EQ(Keys(balance["basis"]["daf"]), (std::vector<std::string>{"C", "H", "N", "S", "O"}));
  EXPECT_EQ(balance["basis"]["dry"]["C"], "61.11");
  // Without the options the tab's first inputs hold: no heat output, no consumption.
  const Json first = Json::parse(Calc({"--format", "json", coal}).out)["heat_balance"];
  EXPECT_EQ(first["q4"], "0");
  EXPECT_EQ(first["fuel_consumption"], "");
  EXPECT_NE(first["q2"], balance["q2"]);
}

TEST(CalculatorTest, EveryHeatBalanceOptionIsTypedIntoItsCell) {
  // Texts that differ from the first inputs, with a decimal comma; "0.6" is repaired as
  // the tab repairs it.
  const std::map<std::string, std::string> typed = {{"exit-gas-temperature", "150"},
                                                    {"exit-excess-air", "1,4"},
                                                    {"cold-air-temperature", "20"},
                                                    {"q3", "0,1"},
                                                    {"q4", "2"},
                                                    {"q5", "0.6"},
                                                    {"slag-temperature", "1300"},
                                                    {"fuel-heat", "10"},
                                                    {"external-air-heat", "20"},
                                                    {"heat-output", "50000"},
                                                    {"furnace-excess-air", "1,15"},
                                                    {"furnace-leakage", "0,07"},
                                                    {"hot-air-temperature", "250"},
                                                    {"o2", "4"},
                                                    {"ro2", "15"}};
  ASSERT_EQ(typed.size(), std::size(calc::kHeatBalanceInputs));
  std::vector<std::string> args = {"--format", "csv", "--decimal-separator", ","};
  for (const auto& [option, text] : typed) {
    args.push_back("--" + option);
    args.push_back(text);
  }
  args.push_back(Example("Каменный уголь.fll"));
  const CalcRun run = Calc(args);
  ASSERT_EQ(run.code, 0) << run.err;
  const calc::FuelDocument layout(',');
  for (const calc::HeatBalanceInput& input : calc::kHeatBalanceInputs) {
    std::string label = layout.XLSheet19.Text(0, input.row).substr(1);  // without its indent
    std::string text = typed.at(input.option);
    std::replace(text.begin(), text.end(), '.', ',');
    EXPECT_NE(run.out.find("\r\n" + label + ";" + text + ";"), std::string::npos) << input.option;
  }
  // The block follows the design rows; the bases of a coal end it.
  EXPECT_NE(run.out.find(";КДж/кг\r\n\r\nТепловой баланс котла\r\nИсходные данные\r\n"
                         "Температура уходящих газов;150;°С\r\n"),
            std::string::npos);
  EXPECT_NE(run.out.find("\r\nПересчет состава на сухую и горючую массу\r\n"), std::string::npos);
  EXPECT_EQ(run.out.find("\r\nРасход топлива;;"), std::string::npos);
}

TEST(CalculatorTest, HeatBalanceOfAGasAndOfAMixture) {
  const std::string coal = Example("Каменный уголь.fll");
  const std::string gas = Example("Природный газ.fll");
  const CalcRun fuel = Calc({"--format", "json", "--heat-output", "37494", gas});
  ASSERT_EQ(fuel.code, 0) << fuel.err;
  const Json balance = Json::parse(fuel.out)["heat_balance"];
  EXPECT_EQ(Keys(balance), kHeatBalanceKeys);  // a gas has no bases
  EXPECT_NE(balance["fuel_consumption"], "");
  const CalcRun text = Calc({gas});
  EXPECT_NE(text.out.find("\nТепловой баланс котла\nИсходные данные\n"), std::string::npos);
  EXPECT_NE(text.out.find(" Располагаемое тепло"), std::string::npos);
  EXPECT_EQ(text.out.find("Пересчет состава"), std::string::npos);
  EXPECT_NE(Calc({coal}).out.find("\nПересчет состава на сухую и горючую массу\n"),
            std::string::npos);

  const CalcRun mix = Calc({"--format", "json", "--q4", "1.5", "--heat-output", "37494", "--mix",
                            coal + "=60", gas + "=40"});
  ASSERT_EQ(mix.code, 0) << mix.err;
  const Json mixed = Json::parse(mix.out);
  EXPECT_EQ(Keys(mixed).back(), "heat_balance");
  EXPECT_EQ(Keys(mixed["heat_balance"]), kHeatBalanceKeys);
  EXPECT_EQ(mixed["heat_balance"]["q4"], "1.5");
  EXPECT_NE(mixed["heat_balance"]["fuel_consumption"], "");
  EXPECT_NE(mixed["heat_balance"]["efficiency"], balance["efficiency"]);
  const CalcRun mix_text = Calc({"--q4", "1.5", "--mix", coal + "=60", gas + "=40"});
  EXPECT_NE(mix_text.out.find("\nТепловой баланс котла\n"), std::string::npos);
  EXPECT_NE(mix_text.out.find("\n Потеря от механического недожога q4   1.5"), std::string::npos)
      << mix_text.out;
  // An invalid mixture has no results to show.
  const CalcRun invalid = Calc({"--format", "json", "--mix", coal + "=60", gas + "=30"});
  EXPECT_FALSE(Json::parse(invalid.out).contains("heat_balance"));
}

TEST(CalculatorTest, HeatBalanceOptionThatIsNotANumber) {
  const std::string coal = Example("Каменный уголь.fll");
  const CalcRun run =
      Calc({"--format", "json", "--q4", "abc", "--heat-output", "", "--o2", "", coal});
  EXPECT_EQ(run.code, 3);
  EXPECT_EQ(run.err,
            "pyrana-calc: --q4 'abc' is not a number; the heat-balance results that need it "
            "show \"-\"\n");
  const Json balance = Json::parse(run.out)["heat_balance"];
  EXPECT_EQ(balance["q4"], "abc");
  for (const char* key :
       {"q2", "losses", "efficiency", "retention", "furnace_heat", "adiabatic_temperature"}) {
    EXPECT_EQ(balance[key], "-") << key;
  }
  // What does not need q4 is computed; an empty heat output or O2 leaves its result out.
  EXPECT_EQ(balance["available_heat"], "21861");
  EXPECT_EQ(balance["fuel_consumption"], "");
  EXPECT_EQ(balance["excess_air_o2"], "");
  // An input that must hold a number is not left empty.
  EXPECT_EQ(Calc({"--q3", "", coal}).code, 3);
  // A number that gives no result is said as the design's missing results are.
  const CalcRun o2 = Calc({"--o2", "25", coal});
  EXPECT_EQ(o2.code, 3);
  EXPECT_EQ(o2.err, "pyrana-calc: " + coal + ": no heat-balance result: excess_air_o2\n");
  // In a batch the option is said once, not for every fuel.
  const CalcRun batch = Calc({"--q5", "x", coal, Example("Мазут.fll")});
  EXPECT_EQ(batch.code, 3);
  EXPECT_EQ(Lines(batch.err).size(), 1u) << batch.err;
}

TEST(CalculatorTest, BatchOverAFolderAndFiles) {
  const std::string folder = std::string(PYRANA_SOURCE_DIR) + "/examples/Fuel";
  const CalcRun table = Calc({"--excess-air", "1.2", folder});
  ASSERT_EQ(table.code, 0) << table.err;
  // A header and one row per fuel of the seven examples, in file-name order.
  EXPECT_EQ(Lines(table.out).size(), 8u);
  EXPECT_LT(table.out.find("Антрацит АШ"), table.out.find("Бурый уголь Б2"));
  EXPECT_LT(table.out.find("Каменный уголь марки Д"), table.out.find("Мазут сернистый"));
  EXPECT_LT(table.out.find("Мазут сернистый"), table.out.find("Природный газ"));
  EXPECT_NE(table.out.find("0.6791"), std::string::npos);  // VH2O of the coal at α 1.2

  const CalcRun csv = Calc({"--format", "csv", "--decimal-separator", ",", Example("Мазут.fll"),
                            Example("Природный газ.fll")});
  ASSERT_EQ(csv.code, 0) << csv.err;
  EXPECT_EQ(csv.out.substr(0, csv.out.find("\r\n")),
            std::string(calc::kCsvByteOrderMark) +
                "Топливо;Тип;Теплотворность;V0;V0N2;VRO2;V0H2O;Ед. объема;VH2O;Vг;rRO2;rH2O;rn;"
                "μзл;T;I0в;Iг");
  EXPECT_NE(csv.out.find("\r\nПриродный газ;газообразное топливо;36000;9,6104;"),
            std::string::npos);

  const CalcRun lines = Calc({"--format", "json", folder});
  ASSERT_EQ(lines.code, 0) << lines.err;
  const std::vector<std::string> rows = Lines(lines.out);
  ASSERT_EQ(rows.size(), 7u);
  const Json gas = Json::parse(rows[4]);
  EXPECT_EQ(gas["name"], "Природный газ");
  EXPECT_EQ(gas["type"], 6);
  EXPECT_EQ(gas["design"]["temperature"], "100");
  EXPECT_EQ(Keys(gas["heat_balance"]), kHeatBalanceKeys);
  EXPECT_TRUE(Json::parse(rows[0])["heat_balance"].contains("basis"));
}

TEST(CalculatorTest, CsvOfTheTableAndDesign) {
  const CalcRun csv = Calc({"--format", "csv", "--decimal-separator", ",", "--excess-air", "1,2",
                            "--given", "1000", Example("Каменный уголь.fll")});
  ASSERT_EQ(csv.code, 0) << csv.err;
  EXPECT_EQ(csv.out.rfind(std::string(calc::kCsvByteOrderMark) +
                              "Топливо;Каменный уголь марки Д\r\nТип;каменный уголь\r\n"
                              "Состав топлива\r\nВлажность;10;%\r\n",
                          0),
            0u);
  EXPECT_NE(csv.out.find("\r\nВсего;100;%\r\n\r\nТемпература ,°С;Энтальпия воздуха ,кДж/кг;"
                         "Энтальпия дымовых газов ,кДж/кг;Энтальпия золы ,кДж/кг\r\n"),
            std::string::npos);
  EXPECT_NE(csv.out.find("\r\n1000;8268,18;9801,69;186,96\r\n"), std::string::npos);
  EXPECT_NE(csv.out.find("\r\n\r\nПараметр;Значение;Единица\r\n"), std::string::npos);
  EXPECT_NE(csv.out.find("\r\nЗадающий параметр: температура;1000;°C\r\n"), std::string::npos);
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

TEST(CalculatorTest, BadOptionsExitTwoWithOneLineBeforeAnythingRuns) {
  const std::string fuel = Example("Мазут.fll");
  for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
           {"--format", "xml", fuel},
           {"--given-kind", "pressure", fuel},
           {"--decimal-separator", ";", fuel},
           {"--excess-air"},
           {"--bogus", fuel},
           {},
           {"--mix", "a.fll=100"},
           {"--mix", fuel + "=50", fuel},
           // Texts for the cells that are not UTF-8 would break the JSON.
           {"--format", "json", "--given", "\xff", fuel},
           {"--format", "json", "--carryover", "0.9\xc3(", fuel},
           {"--format", "json", "--excess-air", "\xed\xa0\x80", fuel},
           {"--format", "json", "--o2", "3\xc3", fuel},
           {"--format", "json", "--mix", fuel + "=\xc3", fuel + "=50"}}) {
    const CalcRun run = Calc(args);
    EXPECT_EQ(run.code, 2) << ::testing::PrintToString(args);
    EXPECT_EQ(run.out, "");
    ASSERT_FALSE(run.err.empty());
    EXPECT_EQ(run.err.rfind("pyrana-calc: ", 0), 0u) << run.err;
    EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << run.err;
  }
  EXPECT_EQ(Calc({"--given", "\xff", fuel}).err, "pyrana-calc: --given: not valid UTF-8\n");
  const CalcRun help = Calc({"--help"});
  EXPECT_EQ(help.code, 0);
  EXPECT_NE(help.out.find("--decimal-separator"), std::string::npos);
  EXPECT_NE(help.out.find("2 bad options"), std::string::npos);
  EXPECT_NE(help.out.find("--exit-gas-temperature TEXT"), std::string::npos);
  EXPECT_EQ(Calc({"--version"}).out, "pyrana-calc 1.5\n");
  // A value that starts with a minus is a value, not an option.
  EXPECT_EQ(Json::parse(Calc({"--format", "json", "--given", "-5", fuel}).out)["design"]["given"],
            "-5");
}

TEST(CalculatorTest, ExitStatusTellsWhetherEverythingWasComputed) {
  TempDir dir;
  const std::string coal = Example("Каменный уголь.fll");
  std::string random_bytes(1 << 20, '\0');
  std::mt19937 random(15);
  for (char& c : random_bytes) c = static_cast<char>(random());
  const std::string short_record = dir.Write("short.fll", "Короткая\r\n1 2 3 4 5 6 7 8 9 10");
  const struct {
    std::vector<std::string> args;
    int code;
    std::string err;
  } cases[] = {
      {{"--mix", coal + "=60", Example("Природный газ.fll") + "=30"},
       3,
       "mixture: the shares make 90 %, not 100 %; no results"},
      {{"--given", "abc", coal}, 3, "--given 'abc' is not a number; the design has no state"},
      {{"--given", "0", coal}, 3, "--given '0' is not positive; the design has no state"},
      {{"--given-kind", "gas", "--given", "1e6", coal},
       3,
       coal + ": no design result: temperature, air_enthalpy, gas_enthalpy"},
      {{dir.Write("empty.fll", "")},
       3,
       dir / "empty.fll" + ": incomplete fuel file: no name line, "
                           "0 of 50 numbers"},
      {{dir.Write("random.fll", random_bytes)}, 3, dir / "random.fll" + ": incomplete fuel file: "},
      {{short_record}, 3, short_record + ": incomplete fuel file: 10 of 50 numbers"},
      {{dir / "missing.fll"}, 1, dir / "missing.fll" + ": No such file or directory"},
      {{dir.Write("type.fll", "Тип 5.5\r\n10 20 55 4 1 2 8 40 21861 0 0 0 0 0 0 5.5 " +
                                  std::string(34 * 2, ' '))},
       3,
       dir / "type.fll" + ": incomplete fuel file: 16 of 50 numbers"},
  };
  for (const auto& c : cases) {
    const CalcRun run = Calc(c.args);
    EXPECT_EQ(run.code, c.code) << ::testing::PrintToString(c.args) << run.err;
    EXPECT_EQ(run.err.rfind("pyrana-calc: " + c.err, 0), 0u) << run.err;
    EXPECT_EQ(run.out.empty(), c.code == 1) << ::testing::PrintToString(c.args);
  }

  // A calculation that fails part way names the file; the report is still printed.
  const CalcRun type = Calc({dir / "type.fll"});
  EXPECT_NE(type.err.find("pyrana-calc: " + dir / "type.fll" + ": '5.5' is not a valid integer"),
            std::string::npos)
      << type.err;

  // Folders: one without a ".fll" file, a folder named like a fuel, a batch with a bad file.
  fs::create_directory(dir / "none");
  fs::create_directory(dir / "x.fll");
  const CalcRun folders = Calc({dir / "none", dir / "x.fll"});
  EXPECT_EQ(folders.code, 1);
  EXPECT_EQ(folders.err, "pyrana-calc: " + dir / "none" + ": no \".fll\" file in this folder\n" +
                             "pyrana-calc: " + dir / "x.fll" +
                             ": no \".fll\" file in this folder\n");
  const CalcRun batch =
      Calc({"--format", "json", coal, dir / "missing.fll", short_record, Example("Мазут.fll")});
  EXPECT_EQ(batch.code, 1);
  EXPECT_EQ(Lines(batch.out).size(), 3u);
  EXPECT_EQ(Lines(batch.err).size(), 2u) << batch.err;
  const CalcRun incomplete = Calc({"--format", "json", coal, short_record});
  EXPECT_EQ(incomplete.code, 3);
  EXPECT_EQ(Lines(incomplete.out).size(), 2u);
}

TEST(CalculatorTest, ErrorLinesNameTheFileAndTheOperatingSystemsReason) {
  TempDir dir;
  const std::string fifo = dir / "fifo.fll";
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);  // read, it would wait for a writer forever
  fs::create_symlink("loop.fll", dir / "loop.fll");
  fs::create_symlink("/dev/zero", dir / "zero.fll");
  fs::create_directory(dir / "folder.fll");
  const std::string coal = Example("Каменный уголь.fll");
  const std::pair<std::string, std::string> failures[] = {
      {fifo, "not a regular file (a FIFO)"},
      {"/dev/zero", "not a regular file (a device)"},
      {dir / "zero.fll", "not a regular file (a device)"},
      {dir / "loop.fll", "Too many levels of symbolic links"},
      {dir / "folder.fll", "Is a directory"},
      {dir / "missing.fll", "No such file or directory"},
  };
  for (const auto& [path, reason] : failures) {
    const CalcRun run = Calc({"--mix", coal + "=50", path + "=50"});
    EXPECT_EQ(run.code, 1) << path;
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "pyrana-calc: " + path + ": " + reason + "\n");
  }
  const CalcRun batch = Calc({fifo, coal, "/dev/zero"});
  EXPECT_EQ(batch.code, 1);
  EXPECT_EQ(batch.err, "pyrana-calc: " + fifo + ": not a regular file (a FIFO)\n" +
                           "pyrana-calc: /dev/zero: not a regular file (a device)\n");
  EXPECT_EQ(Lines(batch.out).size(), 2u);
}

TEST(CalculatorTest, NanAndInfAreNotNumbersAnywhere) {
  const std::string coal = Example("Каменный уголь.fll");
  const CalcRun run = Calc({"--format", "json", "--given", "nan", "--excess-air", "inf",
                            "--carryover", "-Infinity", coal});
  EXPECT_EQ(run.code, 3);
  EXPECT_EQ(run.err,
            "pyrana-calc: --excess-air 'inf' is not a number; 1 is used\n"
            "pyrana-calc: --carryover '-Infinity' is not a number; 0.95 is used\n"
            "pyrana-calc: --given 'nan' is not a number; the design has no state\n");
  const Json design = Json::parse(run.out)["design"];
  EXPECT_EQ(design["excess_air"], "1");
  EXPECT_EQ(design["carryover"], "0.95");
  for (const char* result : {"temperature", "air_enthalpy", "gas_enthalpy"}) {
    EXPECT_EQ(design[result], "") << result;
  }
  const CalcRun mix = Calc({"--format", "json", "--mix", coal + "=inf", coal + "=40"});
  EXPECT_EQ(mix.code, 3);
  EXPECT_EQ(mix.err, "pyrana-calc: --mix " + coal +
                         ": the share 'inf' is not a number\n"
                         "pyrana-calc: mixture: the shares make 40 %, not 100 %; no results\n");
  EXPECT_EQ(Json::parse(mix.out)["valid"], false);
  EXPECT_EQ(Json::parse(mix.out)["total"], "40");
}

TEST(CalculatorTest, CsvAndJsonOfAnyNameAreSafe) {
  TempDir dir;
  // "=HYPERLINK(...)" with a DEL and a C1 control in Windows-1251 (0x7F; 0x98 has no
  // character and reads as "?").
  const std::string path =
      dir.Write("formula.fll", "=HYPERLINK(\"http://x\")\x7F\x98\r\n" +
                                   std::string("1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 6 ") +
                                   std::string(34 * 2, ' '));
  const CalcRun csv = Calc({"--format", "csv", path, Example("Мазут.fll")});
  EXPECT_NE(csv.out.find("\r\n\"'=HYPERLINK(\"\"http://x\"\")\x7F?\",газообразное топливо,"),
            std::string::npos)
      << csv.out;
  const CalcRun json = Calc({"--format", "json", path});
  EXPECT_NE(json.out.find("\"name\": \"=HYPERLINK(\\\"http://x\\\")\\u007f?\""), std::string::npos)
      << json.out;
  EXPECT_EQ(Json::parse(json.out)["name"], "=HYPERLINK(\"http://x\")\x7F?");
}

TEST(JsonTest, EscapesEveryControlCharacterAndRefusesInvalidUtf8) {
  EXPECT_EQ(JsonText(Json("a\"b\\c\n\x01\x7F\xC2\x85\xC2\xA0"), false),
            "\"a\\\"b\\\\c\\n\\u0001\\u007f\\u0085\xC2\xA0\"");
  Json json;
  json["list"] = Json::array({"x", 1, true});
  EXPECT_EQ(JsonText(json, true), "{\n  \"list\": [\n    \"x\",\n    1,\n    true\n  ]\n}");
  EXPECT_THROW(JsonText(Json("\xff"), false), Json::type_error);
  for (const char* bad :
       {"\xff", "\xc3", "\xc0\xaf", "\xed\xa0\x80", "\xf5\x80\x80\x80", "a\x80"}) {
    EXPECT_FALSE(IsUtf8(bad)) << bad;
  }
  for (const char* good : {"", "Уголь", "日本 😀", "\x7F"}) EXPECT_TRUE(IsUtf8(good)) << good;
}

}  // namespace
}  // namespace cli
