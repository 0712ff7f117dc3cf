// The heat balance of the boiler. Reference values: the worked example of the normative
// thermal calculation for the example coal (W 10, A 20, C 55, H 4, N 1, S 2, O 8, Q 21861,
// aun 0.95, volumes shown as 5.7498 / 4.5503 / 1.0403) and hand calculations from the
// displayed two-decimal enthalpy tables of the example coal and natural gas; the displayed
// texts are compared exactly.
#include "calc/heat_balance.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "calc/cycle.h"
#include "calc/design.h"
#include "calc/fuel_io.h"
#include "calc/mixture.h"
#include "support/example_fuels.h"

namespace calc {
namespace {

namespace row = heat_balance_row;
using Texts = std::vector<std::string>;

// Opens a fuel of the examples as the list window does: load, then the design run.
void Open(FuelDocument& doc, const char* name) {
  ASSERT_TRUE(LoadLibraryFuel(doc, test::ExampleFuel(name)));
  XLGrid15EditModeChanged(doc);
}

// A text written with "." in the decimal separator `sep`.
std::string In(char sep, std::string text) {
  std::replace(text.begin(), text.end(), '.', sep);
  return text;
}

// Types inputs, written with ".", in the document's decimal separator.
void Type(sheets::Sheet& sheet, const std::map<int, std::string>& inputs) {
  for (const auto& [r, text] : inputs) sheet.SetText(1, r, In(sheet.DecimalSeparator(), text));
}

// The worked example's inputs beyond the defaults.
const std::map<int, std::string> kWorkedInputs = {{row::kQ4, "1.5"},
                                                  {row::kHeatOutput, "37494"},
                                                  {row::kHotAirTemperature, "300"},
                                                  {row::kO2, "3.583"}};

Texts Values(const sheets::Sheet& sheet, std::initializer_list<int> rows) {
  Texts texts;
  for (const int r : rows) texts.push_back(sheet.Text(1, r));
  return texts;
}

Texts With(char sep, Texts texts) {
  for (std::string& text : texts) text = In(sep, text);
  return texts;
}

// The example coal, opened and computed; `hb` is its heat-balance sheet.
class ExampleCoalTest : public ::testing::Test {
 protected:
  void SetUp() override { Open(doc, "Каменный уголь.fll"); }

  FuelDocument doc;
  sheets::Sheet& hb = doc.XLSheet19;
};

TEST(HeatBalanceTest, WorkedExampleOfTheExampleCoal) {
  for (const char sep : {'.', ','}) {
    FuelDocument doc(sep);
    Open(doc, "Каменный уголь.fll");
    Type(doc.XLSheet19, kWorkedInputs);
    doc.XLSheet19.SetText(1, row::kExitExcessAir, "1.35");  // "." under "," is repaired
    RecalcHeatBalance(doc);
    EXPECT_EQ(doc.XLSheet19.Text(1, row::kExitExcessAir), In(sep, "1.35"));
    EXPECT_EQ(Values(doc.XLSheet19,
                     {row::kAvailableHeat, row::kColdAirEnthalpy, row::kExitGasEnthalpy, row::kQ2,
                      row::kQ6, row::kLosses, row::kEfficiency, row::kRetention}),
              With(sep, {"21861", "228.9", "1624.42", "5.93", "0.03", "7.95", "92.05", "0.9946"}))
        << sep;
    EXPECT_EQ(Values(doc.XLSheet19, {row::kFuelConsumption, row::kFuelConsumptionHourly,
                                     row::kCalculatedFuelConsumption}),
              With(sep, {"1.8633", "6.708", "1.8353"}));
    EXPECT_EQ(Values(doc.XLSheet19, {row::kHotAirEnthalpy, row::kAirHeat, row::kFurnaceHeat,
                                     row::kAdiabaticTemperature}),
              With(sep, {"2317.16", "2676.18", "24531.49", "1957"}));
    EXPECT_EQ(Values(doc.XLSheet19, {row::kRO2Max, row::kExcessAirO2, row::kExcessAirRO2}),
              With(sep, {"18.61", "1.2", ""}));
    // Bases: K_d = 100 / 90, K_daf = 100 / 70; Q_d and Q_daf from Q + 25·W = 22111.
    EXPECT_EQ(Values(doc.XLSheet19, {row::kDryFirst, row::kDryFirst + 1, row::kDryFirst + 2,
                                     row::kDryFirst + 3, row::kDryFirst + 4, row::kDryFirst + 5}),
              With(sep, {"61.11", "4.44", "1.11", "2.22", "8.89", "22.22"}));
    EXPECT_EQ(Values(doc.XLSheet19, {row::kDafFirst, row::kDafFirst + 1, row::kDafFirst + 2,
                                     row::kDafFirst + 3, row::kDafFirst + 4}),
              With(sep, {"78.57", "5.71", "1.43", "2.86", "11.43"}));
    EXPECT_EQ(Values(doc.XLSheet19,
                     {row::kHigherHeatingValue, row::kDryHeatingValue, row::kDafHeatingValue}),
              With(sep, {"23015.6", "24567.78", "31587.14"}));
    EXPECT_EQ(doc.XLSheet19.Text(2, row::kAvailableHeat), "кДж/кг");
    EXPECT_EQ(doc.XLSheet19.Text(2, row::kFuelConsumptionHourly), "т/ч");

    const HeatBalanceTexts texts = FuelHeatBalanceTexts(doc);
    ASSERT_EQ(texts.values.size(), 21u);
    EXPECT_EQ(texts.values[4], (std::pair<std::string, std::string>{"q3", "0"}));
    EXPECT_EQ(texts.values[17].first, "adiabatic_temperature");
    EXPECT_EQ(texts.values[17].second, "1957");
    ASSERT_TRUE(texts.basis.has_value());
    EXPECT_EQ(texts.basis->daf[0].second, In(sep, "78.57"));
    EXPECT_EQ(texts.basis->dry[5].first, "A");
    EXPECT_EQ(texts.basis->higher_heating_value, In(sep, "23015.6"));
  }
}

TEST_F(ExampleCoalTest, EveryCycleKeepsItCurrentAndLoadingKeepsTheInputs) {
  Type(doc.XLSheet19, kWorkedInputs);
  doc.XLSheet15.SetText(1, 4, "0.5");  // carry-over on the design tab
  XLGrid15EditModeChanged(doc);
  // q6 = 0.5 · 560 · 20 / 21861 = 0.2562; the table's ash row halves as well.
  EXPECT_EQ(doc.XLSheet19.Text(1, row::kQ6), "0.26");
  doc.XLSheet15.SetText(1, 4, "1.2");  // clamped to 1: no slag loss
  XLGrid15EditModeChanged(doc);
  EXPECT_EQ(doc.XLSheet19.Text(1, row::kQ6), "0");
  doc.XLSheet15.SetText(1, 4, "0.95");
  XLGrid15EditModeChanged(doc);
  EXPECT_EQ(doc.XLSheet19.Text(1, row::kAdiabaticTemperature), "1957");

  ASSERT_TRUE(LoadLibraryFuel(doc, test::ExampleFuel("Природный газ.fll")));
  EXPECT_EQ(doc.XLSheet19.Text(1, row::kQ4), "1.5");
  EXPECT_EQ(doc.XLSheet19.Text(1, row::kHeatOutput), "37494");
  EXPECT_EQ(doc.XLSheet19.Text(1, row::kAvailableHeat), "36000");  // record row 12 of a gas
  EXPECT_EQ(Values(doc.XLSheet19, {row::kDryFirst, row::kDryFirst + 5, row::kDafHeatingValue}),
            (Texts{"", "", ""}));
}

TEST(HeatBalanceTest, NaturalGasPerCubicMetre) {
  FuelDocument doc;
  Open(doc, "Природный газ.fll");
  Type(doc.XLSheet19, {{row::kHeatOutput, "10000"}, {row::kO2, "5"}, {row::kSlagTemperature, "x"}});
  RecalcHeatBalance(doc);
  // Q 36000 kJ/m3, table 1275.31 / 2565.99 (air) and 1492.07 / 3013.75 (gas) at 100 / 200 °C:
  // I0хв = 0.3 · 1275.31; Iух = 2100.742 + 0.35 · 1791.582; q2 = (Iух − 1.35 · I0хв) / 360;
  // B = 10000 / (36000 · 0.9335751) m3/s, per hour · 3600; ϑа between 1700 and 1800 °C.
  EXPECT_EQ(
      Values(doc.XLSheet19,
             {row::kColdAirEnthalpy, row::kExitGasEnthalpy, row::kQ2, row::kQ6, row::kLosses,
              row::kEfficiency, row::kRetention, row::kFuelConsumption, row::kFuelConsumptionHourly,
              row::kCalculatedFuelConsumption, row::kAirHeat, row::kFurnaceHeat,
              row::kAdiabaticTemperature, row::kRO2Max, row::kExcessAirO2}),
      (Texts{"382.59", "2727.8", "6.14", "0", "6.64", "93.36", "0.9947", "0.2975", "1071.151",
             "0.2975", "459.11", "36459.11", "1764.6", "11.88", "1.281"}));
  for (const int r :
       {row::kFuelHeat, row::kAvailableHeat, row::kExitGasEnthalpy, row::kFurnaceHeat}) {
    EXPECT_EQ(doc.XLSheet19.Text(2, r), "кДж/м3");
  }
  EXPECT_EQ(doc.XLSheet19.Text(2, row::kFuelConsumption), "м3/с");
  EXPECT_EQ(doc.XLSheet19.Text(2, row::kFuelConsumptionHourly), "м3/ч");
  EXPECT_EQ(Values(doc.XLSheet19, {row::kDryFirst, row::kDryFirst + 5, row::kDafHeatingValue}),
            (Texts{"", "", ""}));
  EXPECT_FALSE(FuelHeatBalanceTexts(doc).basis.has_value());
}

TEST_F(ExampleCoalTest, TemperaturesBelowAndBeyondTheTable) {
  // Below 100 °C the air enthalpy runs on the line from 0 at 0 °C to 763 at 100 °C.
  for (const auto& [t, air] : std::vector<std::pair<std::string, std::string>>{
           {"50", "381.5"}, {"0", "0"}, {"-20", "-152.6"}, {"2500", "22481.62"}, {"2500.1", "-"}}) {
    Type(hb, {{row::kColdAirTemperature, t}});
    RecalcHeatBalance(doc);
    EXPECT_EQ(hb.Text(1, row::kColdAirEnthalpy), air) << t;
  }
  EXPECT_EQ(hb.Text(1, row::kQ2), "-");  // needs I0хв
  EXPECT_EQ(hb.Text(1, row::kAirHeat), "-");
  EXPECT_EQ(hb.Text(1, row::kAdiabaticTemperature), "-");
  EXPECT_EQ(hb.Text(1, row::kQ6), "0.03");  // q6 does not need it: 0.05 · 560 · 20 / 21861

  // ϑа below 100 °C: no air heat (tхв = tгв = 0), no q4, slag at 0 °C, and q3 = 97.6 make
  // Qт = 21861 · 0.024 = 524.664, reached between 0 and Ig(100) = 870.03 + 0.2 · 763 + 15.35.
  Type(hb, {{row::kColdAirTemperature, "0"},
            {row::kHotAirTemperature, "0"},
            {row::kSlagTemperature, "0"},
            {row::kQ3, "97.6"}});
  RecalcHeatBalance(doc);
  EXPECT_EQ(Values(hb, {row::kFurnaceHeat, row::kAdiabaticTemperature}), (Texts{"524.66", "50.5"}));
  // From 2100 °C the ash row shows "-", which counts as 0: Qт = 28000 lies between
  // Ig(2200) = 23476.87 + 0.2 · 19560.73 and Ig(2300) = 24660.73 + 0.2 · 20532.45.
  Type(hb, {{row::kQ3, "0"}, {row::kFuelHeat, "6139"}});
  RecalcHeatBalance(doc);
  EXPECT_EQ(Values(hb, {row::kFurnaceHeat, row::kAdiabaticTemperature}),
            (Texts{"28000", "2244.3"}));
  // Above Ig(2500) = 27034.12 + 0.2 · 22481.62 no column reaches Qт.
  Type(hb, {{row::kFuelHeat, "9670"}});
  RecalcHeatBalance(doc);
  EXPECT_EQ(Values(hb, {row::kFurnaceHeat, row::kAdiabaticTemperature}), (Texts{"31531", "-"}));
  // Slag beyond 2000 °C: the built-in table has no ash enthalpy there.
  Type(hb, {{row::kSlagTemperature, "2050"}});
  RecalcHeatBalance(doc);
  EXPECT_EQ(Values(hb, {row::kQ6, row::kLosses, row::kFurnaceHeat}), (Texts{"-", "-", "-"}));
}

TEST_F(ExampleCoalTest, FlueGasAnalysisOutOfRange) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"0", "1"}, {"21", "-"}, {"-1", "-"}, {"abc", "-"}, {"", ""}};
  for (const auto& [o2, alpha] : cases) {
    Type(hb, {{row::kO2, o2}});
    RecalcHeatBalance(doc);
    EXPECT_EQ(hb.Text(1, row::kExcessAirO2), alpha) << o2;
    // Out of range, not unreadable: red.
    EXPECT_EQ(hb.At(1, row::kO2).font_color == sheets::kRed, o2 == "21" || o2 == "-1") << o2;
  }
  // α from RO2 = 1 + (100 · 1.0403 / RO2 − 5.5906) / 5.7498; up to RO2max as shown.
  Type(hb, {{row::kRO2, "14.886"}});
  RecalcHeatBalance(doc);
  EXPECT_EQ(hb.Text(1, row::kExcessAirRO2), "1.243");
  Type(hb, {{row::kRO2, "18.61"}});  // the RO2max shown
  RecalcHeatBalance(doc);
  EXPECT_EQ(hb.Text(1, row::kExcessAirRO2), "1");
  for (const char* beyond : {"18.62", "0", "-3", "abc"}) {
    Type(hb, {{row::kRO2, beyond}});
    RecalcHeatBalance(doc);
    EXPECT_EQ(hb.Text(1, row::kExcessAirRO2), "-") << beyond;
    EXPECT_EQ(hb.At(1, row::kRO2).font_color == sheets::kRed, beyond != std::string("abc"));
  }
}

TEST_F(ExampleCoalTest, NonNumbersAndZeroDivisors) {
  Type(hb, kWorkedInputs);
  Type(hb, {{row::kExitGasTemperature, "abc"}});
  RecalcHeatBalance(doc);
  EXPECT_EQ(hb.Text(1, row::kExitGasTemperature), "abc");  // never replaced by a guess
  EXPECT_EQ(
      Values(hb, {row::kExitGasEnthalpy, row::kQ2, row::kLosses, row::kEfficiency, row::kRetention,
                  row::kFuelConsumption, row::kFurnaceHeat, row::kAdiabaticTemperature}),
      (Texts{"-", "-", "-", "-", "-", "-", "24531.49", "1957"}));
  Type(hb, {{row::kExitGasTemperature, "140"}, {row::kHeatOutput, "x"}, {row::kQ4, ""}});
  RecalcHeatBalance(doc);
  EXPECT_EQ(Values(hb, {row::kQ2, row::kFuelConsumption, row::kFuelConsumptionHourly,
                        row::kFurnaceHeat, row::kHotAirEnthalpy}),
            (Texts{"-", "-", "-", "-", "2317.16"}));
  Type(hb, {{row::kHeatOutput, ""}, {row::kQ4, "1,5"}});  // no output: no consumption
  RecalcHeatBalance(doc);
  EXPECT_EQ(hb.Text(1, row::kQ4), "1.5");
  EXPECT_EQ(Values(hb, {row::kQ2, row::kFuelConsumption, row::kCalculatedFuelConsumption}),
            (Texts{"5.93", "", ""}));

  // Bases: W 100 leaves no dry mass; W 60 with A 40 no combustible mass.
  FuelDocument wet;
  for (const auto& [r, text] : std::vector<std::pair<int, std::string>>{
           {1, "60"}, {2, "40"}, {3, "0"}, {4, "0"}, {10, "1000"}}) {
    wet.XLSheet3.SetText(1, r, text);
  }
  XLGrid1EditModeChanged(wet);
  EXPECT_EQ(Values(wet.XLSheet19, {row::kDryFirst + 5, row::kDafFirst, row::kDryHeatingValue,
                                   row::kDafHeatingValue}),
            (Texts{"100", "-", "6250", "-"}));
  wet.XLSheet3.SetText(1, 1, "100");
  wet.XLSheet3.SetText(1, 2, "0");
  XLGrid1EditModeChanged(wet);
  EXPECT_EQ(Values(wet.XLSheet19, {row::kDryFirst, row::kDryFirst + 5, row::kHigherHeatingValue}),
            (Texts{"-", "-", "3510"}));
}

// Each input at and beyond the bounds of its range, from the worked example: one outside
// is red with its range in the hint, and `result`, which needs it, shows "-".
TEST(HeatBalanceTest, InputsOutOfTheirRangeAreRefused) {
  struct Case {
    int row;
    const char* text;
    bool refused;
    int result;
  };
  const Case cases[] = {
      {row::kQ5, "-50", true, row::kEfficiency},
      {row::kQ5, "0", false, row::kEfficiency},
      {row::kQ3, "150", true, row::kAdiabaticTemperature},
      {row::kQ3, "99", true, row::kEfficiency},  // q3 + q4 + q5 = 101
      {row::kQ3, "97.99", false, row::kFurnaceHeat},
      {row::kQ4, "100", true, row::kQ2},
      {row::kExitGasTemperature, "0", true, row::kQ2},
      {row::kExitGasTemperature, "30", true, row::kQ2},  // tхв
      {row::kExitGasTemperature, "30.1", false, row::kQ2},
      {row::kExitGasTemperature, "2500", false, row::kQ2},
      {row::kExitGasTemperature, "2500.1", true, row::kQ2},
      {row::kExitExcessAir, "0.99", true, row::kQ2},
      {row::kExitExcessAir, "1", false, row::kQ2},
      {row::kColdAirTemperature, "-60", false, row::kColdAirEnthalpy},
      {row::kColdAirTemperature, "-60.1", true, row::kColdAirEnthalpy},
      {row::kSlagTemperature, "-1", true, row::kQ6},
      {row::kSlagTemperature, "0", false, row::kQ6},
      {row::kFuelHeat, "-1e6", true, row::kAdiabaticTemperature},
      {row::kFuelHeat, "0", false, row::kAvailableHeat},
      {row::kExternalAirHeat, "-1", true, row::kAvailableHeat},
      {row::kHeatOutput, "-1000", true, row::kFuelConsumption},
      {row::kHeatOutput, "0", false, row::kFuelConsumption},
      {row::kFurnaceExcessAir, "0.99", true, row::kAirHeat},
      {row::kFurnaceExcessAir, "1", false, row::kAirHeat},
      {row::kFurnaceLeakage, "-0.01", true, row::kAirHeat},
      {row::kFurnaceLeakage, "1.2", true, row::kAirHeat},  // αт
      {row::kFurnaceLeakage, "1.19", false, row::kAirHeat},
      {row::kHotAirTemperature, "2500.1", true, row::kHotAirEnthalpy},
  };
  for (const Case& c : cases) {
    FuelDocument doc;
    Open(doc, "Каменный уголь.fll");
    Type(doc.XLSheet19, kWorkedInputs);
    Type(doc.XLSheet19, {{c.row, c.text}});
    RecalcHeatBalance(doc);
    const sheets::Cell& cell = doc.XLSheet19.At(1, c.row);
    EXPECT_EQ(cell.font_color, c.refused ? sheets::kRed : sheets::kBlack) << c.row << " " << c.text;
    EXPECT_EQ(cell.hint.find("\nДопустимо: ") != std::string::npos, c.refused) << cell.hint;
    EXPECT_EQ(doc.XLSheet19.Text(1, c.result) == "-", c.refused) << c.row << " " << c.text;
    // A sum of q3, q4 and q5 of 100 % or more refuses all three.
    const std::vector<OutOfRangeInput> refused = HeatBalanceOutOfRange(doc.XLSheet19);
    EXPECT_EQ(std::count_if(
                  refused.begin(), refused.end(),
                  [&c](const OutOfRangeInput& in) { return in.row == c.row && in.text == c.text; }),
              c.refused ? 1 : 0)
        << c.row << " " << c.text;
  }
  FuelDocument doc;
  Open(doc, "Каменный уголь.fll");
  Type(doc.XLSheet19, kWorkedInputs);
  Type(doc.XLSheet19, {{row::kQ5, "-50"}});
  RecalcHeatBalance(doc);
  EXPECT_EQ(doc.XLSheet19.At(1, row::kQ5).hint,
            "Потеря тепла от наружного охлаждения q5\nДопустимо: от 0 до менее 100 %, q3 + q4 + "
            "q5 менее 100 %");
  Type(doc.XLSheet19, {{row::kQ5, "0.5"}});
  RecalcHeatBalance(doc);
  EXPECT_EQ(doc.XLSheet19.At(1, row::kQ5).hint, "Потеря тепла от наружного охлаждения q5");
}

// Results that the formulas give outside their physical range show "-" with the reason.
TEST_F(ExampleCoalTest, ResultsOutOfTheirRangeShowTheReason) {
  // Every loss in range, but Σq = 5.93 + 97.99 + 1.5 + 0.5 + 0.03 is over 100 %.
  Type(hb, kWorkedInputs);
  Type(hb, {{row::kQ3, "97.99"}});
  RecalcHeatBalance(doc);
  EXPECT_EQ(Values(hb, {row::kQ2, row::kLosses, row::kEfficiency, row::kRetention,
                        row::kFuelConsumption}),
            (Texts{"5.93", "-", "-", "-", "-"}));
  EXPECT_EQ(hb.At(1, row::kLosses).hint, "Сумма потерь должна быть от 0 до менее 100 %");
  EXPECT_EQ(hb.At(1, row::kEfficiency).hint, "КПД должен быть больше 0 и меньше 100 %");
  EXPECT_EQ(hb.At(1, row::kQ2).hint, "");
  // A record with negative ash gives a negative slag loss; one with a heating value below
  // 0 no available heat, and nothing that needs it.
  doc.XLSheet10.SetText(2, 1, "-5");
  RecalcFuel(doc);
  EXPECT_EQ(hb.Text(1, row::kQ6), "-");
  EXPECT_EQ(hb.At(1, row::kQ6).hint, "Потеря тепла не может быть отрицательной");
  doc.XLSheet10.SetText(2, 8, "-10537.955");
  RecalcFuel(doc);
  EXPECT_EQ(Values(hb, {row::kAvailableHeat, row::kQ2, row::kEfficiency, row::kFurnaceHeat,
                        row::kAdiabaticTemperature}),
            (Texts{"-", "-", "-", "-", "-"}));
  EXPECT_EQ(hb.At(1, row::kAvailableHeat).hint, "Располагаемое тепло должно быть больше 0");
  doc.XLSheet10.SetText(2, 8, "21861");
  Type(hb, {{row::kQ3, "0"}});
  RecalcFuel(doc);
  EXPECT_EQ(hb.Text(1, row::kAvailableHeat), "21861");
  EXPECT_EQ(hb.At(1, row::kAvailableHeat).hint, "");
}

TEST_F(ExampleCoalTest, MixturePerKilogram) {
  PickComponent(doc, 1);
  ASSERT_TRUE(LoadLibraryFuel(doc, test::ExampleFuel("Природный газ.fll")));
  PickComponent(doc, 2);
  ShareChange(doc, 1, "100");
  ShareChange(doc, 2, "0");
  ASSERT_TRUE(doc.SpeedButton13);
  Type(doc.XLSheet20, kWorkedInputs);
  SpeedButton13Click(doc);
  // The coal alone: its Q and table, the volumes as the results show them (5.75, 4.55,
  // 1.04), so RO2max = 104 / 5.59 and α from O2 = 1 + 3.583 · 5.59 / (5.75 · 17.417).
  EXPECT_EQ(Values(doc.XLSheet20, {row::kAvailableHeat, row::kQ2, row::kQ6, row::kEfficiency,
                                   row::kFuelConsumption, row::kAdiabaticTemperature, row::kRO2Max,
                                   row::kExcessAirO2}),
            (Texts{"21861", "5.93", "0.03", "92.05", "1.8633", "1957", "18.6", "1.2"}));
  EXPECT_EQ(MixtureHeatBalanceTexts(doc).values[0].second, "21861");
  EXPECT_FALSE(MixtureHeatBalanceTexts(doc).basis.has_value());

  // Gas only, per kilogram: Q = 36000 / 0.73; no ash, so no slag loss even with an
  // unreadable slag temperature.
  PickComponent(doc, 1);  // the gas in both slots
  ShareChange(doc, 1, "40");
  ShareChange(doc, 2, "60");
  Type(doc.XLSheet20, {{row::kSlagTemperature, "x"}});
  XLGrid20EditModeChanged(doc);
  EXPECT_EQ(Values(doc.XLSheet20, {row::kAvailableHeat, row::kQ6}), (Texts{"49315.07", "0"}));
  EXPECT_EQ(doc.XLSheet20.Text(2, row::kAvailableHeat), "кДж/кг");
  EXPECT_EQ(doc.XLSheet20.Text(2, row::kFuelConsumptionHourly), "т/ч");
  // The single fuel's sheet is left to the single fuel.
  EXPECT_EQ(doc.XLSheet19.Text(1, row::kAvailableHeat), "36000");
}

}  // namespace
}  // namespace calc
