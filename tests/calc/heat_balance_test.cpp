// The heat balance of the boiler, its emissions, standard fuel and flue-gas condensation,
// beyond the worked example of the example coal (whose figures the calculator's golden run
// pins): the ends of the enthalpy table, the ranges of inputs and results, texts that are
// no numbers, a gas and a mixture. Hand calculations from the displayed two-decimal tables
// and, for the emissions, by the formulas of calc/emissions.h in double precision; the
// saturation line against the check values of IAPWS-IF97 (tables 35 and 36).
#include "calc/heat_balance.h"

#include <gtest/gtest.h>

#include <map>
#include <regex>
#include <string>
#include <tuple>
#include <vector>

#include "calc/balance_bands.h"
#include "calc/cycle.h"
#include "calc/design.h"
#include "calc/fuel_io.h"
#include "calc/iapws97.h"
#include "calc/mixture.h"
#include "sheets/numbers.h"
#include "support/example_fuels.h"

namespace calc {
namespace {

namespace row = heat_balance_row;
using Texts = std::vector<std::string>;

void Type(sheets::Sheet& sheet, const std::map<int, std::string>& inputs) {
  for (const auto& [r, text] : inputs) sheet.SetText(1, r, text);
}

Texts Values(const sheets::Sheet& sheet, const std::vector<int>& rows) {
  Texts texts;
  for (const int r : rows) texts.push_back(sheet.Text(1, r));
  return texts;
}

// The worked example's inputs beyond the defaults.
const std::map<int, std::string> kWorkedInputs = {{row::kQ4, "1.5"},
                                                  {row::kHeatOutput, "37494"},
                                                  {row::kHotAirTemperature, "300"},
                                                  {row::kO2, "3.583"},
                                                  {row::kCondensingTemperature, "30"}};

// The example coal opened as the list opens it, the worked inputs typed; `hb` is its sheet.
class ExampleCoalTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(LoadLibraryFuel(doc, test::ExampleFuel("Каменный уголь.fll")));
    XLGrid15EditModeChanged(doc);
    Recalc(kWorkedInputs);
  }
  void Recalc(const std::map<int, std::string>& inputs) {
    Type(hb, inputs);
    RecalcHeatBalance(doc);
  }

  FuelDocument doc;
  sheets::Sheet& hb = doc.XLSheet19;
};

TEST_F(ExampleCoalTest, EveryCycleKeepsItCurrentAndLoadingKeepsTheInputs) {
  doc.XLSheet15.SetText(1, 4, "0.5");  // carry-over on the design tab
  XLGrid15EditModeChanged(doc);
  EXPECT_EQ(hb.Text(1, row::kQ6), "0.26");  // q6 = 0.5 · 560 · 20 / 21861
  doc.XLSheet15.SetText(1, 4, "1.2");       // clamped to 1: no slag loss
  XLGrid15EditModeChanged(doc);
  EXPECT_EQ(hb.Text(1, row::kQ6), "0");

  ASSERT_TRUE(LoadLibraryFuel(doc, test::ExampleFuel("Природный газ.fll")));
  EXPECT_EQ(Values(hb, {row::kQ4, row::kHeatOutput, row::kAvailableHeat}),
            (Texts{"1.5", "37494", "36000"}));
  EXPECT_EQ(Values(hb, {row::kDryFirst, row::kDafHeatingValue}), (Texts{"", ""}));

  // Per cubic metre: B = 10000 / (36000 · 0.9335751) m3/s; an unreadable slag temperature
  // costs a gas nothing, it has no ash.
  Recalc({{row::kQ4, "0"},
          {row::kHeatOutput, "10000"},
          {row::kO2, "5"},
          {row::kSlagTemperature, "x"}});
  EXPECT_EQ(
      Values(hb, {row::kQ6, row::kFuelConsumption, row::kFuelConsumptionHourly, row::kExcessAirO2}),
      (Texts{"0", "0.2975", "1071.151", "1.281"}));
}

TEST_F(ExampleCoalTest, TemperaturesBelowAndBeyondTheTable) {
  // Below 100 °C the air enthalpy runs on the line from 0 at 0 °C to 763 at 100 °C.
  for (const auto& [t, air] : std::vector<std::pair<std::string, std::string>>{
           {"50", "381.5"}, {"0", "0"}, {"-20", "-152.6"}, {"2500", "22481.62"}, {"2500.1", "-"}}) {
    Recalc({{row::kColdAirTemperature, t}});
    EXPECT_EQ(hb.Text(1, row::kColdAirEnthalpy), air) << t;
  }
  EXPECT_EQ(Values(hb, {row::kQ2, row::kAirHeat, row::kQ6}), (Texts{"-", "-", "0.03"}));

  // ϑа below 100 °C: no air heat (tхв = tгв = 0), no q4, slag at 0 °C, and q3 = 97.6 make
  // Qт = 21861 · 0.024 = 524.664, reached between 0 and Ig(100) = 870.03 + 0.2 · 763 + 15.35.
  Recalc({{row::kColdAirTemperature, "0"},
          {row::kHotAirTemperature, "0"},
          {row::kSlagTemperature, "0"},
          {row::kQ4, "0"},
          {row::kQ3, "97.6"}});
  EXPECT_EQ(Values(hb, {row::kFurnaceHeat, row::kAdiabaticTemperature}), (Texts{"524.66", "50.5"}));
  // From 2100 °C the ash row shows "-", which counts as 0: Qт = 28000 lies between
  // Ig(2200) = 23476.87 + 0.2 · 19560.73 and Ig(2300) = 24660.73 + 0.2 · 20532.45.
  Recalc({{row::kQ3, "0"}, {row::kFuelHeat, "6139"}});
  EXPECT_EQ(Values(hb, {row::kFurnaceHeat, row::kAdiabaticTemperature}),
            (Texts{"28000", "2244.3"}));
  // Above Ig(2500) = 27034.12 + 0.2 · 22481.62 no column reaches Qт.
  Recalc({{row::kFuelHeat, "9670"}});
  EXPECT_EQ(Values(hb, {row::kFurnaceHeat, row::kAdiabaticTemperature}), (Texts{"31531", "-"}));
  // Slag beyond 2000 °C: the built-in table has no ash enthalpy there.
  Recalc({{row::kSlagTemperature, "2050"}});
  EXPECT_EQ(Values(hb, {row::kQ6, row::kLosses, row::kFurnaceHeat}), (Texts{"-", "-", "-"}));
}

TEST_F(ExampleCoalTest, NonNumbersAndZeroDivisors) {
  Recalc({{row::kExitGasTemperature, "abc"}});
  EXPECT_EQ(hb.Text(1, row::kExitGasTemperature), "abc");  // never replaced by a guess
  EXPECT_EQ(Values(hb, {row::kExitGasEnthalpy, row::kQ2, row::kEfficiency, row::kRetention,
                        row::kFuelConsumption, row::kFurnaceHeat, row::kAdiabaticTemperature}),
            (Texts{"-", "-", "-", "-", "-", "24531.49", "1957"}));
  Recalc({{row::kExitGasTemperature, "140"}, {row::kHeatOutput, "x"}, {row::kQ4, ""}});
  EXPECT_EQ(Values(hb, {row::kQ2, row::kFuelConsumption, row::kFurnaceHeat, row::kHotAirEnthalpy}),
            (Texts{"-", "-", "-", "2317.16"}));
  Recalc({{row::kHeatOutput, ""}, {row::kQ4, "1,5"}});  // no output: no consumption
  EXPECT_EQ(Values(hb, {row::kQ4, row::kQ2, row::kFuelConsumption}), (Texts{"1.5", "5.93", ""}));

  // Bases: W 60 with A 40 leaves no combustible mass; W 100 no dry mass.
  FuelDocument wet;
  Type(wet.XLSheet3, {{1, "60"}, {2, "40"}, {10, "1000"}});
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

// Each input alone (the losses at 0, so that their sum bounds nothing) at every number its
// range is worded by, and 0.01 to either side: kept or refused as the words say ("от" and
// "до" take the bound in, "более" and "до менее" do not). Then the bounds that other inputs
// set, and what a refused value leaves unformed.
TEST_F(ExampleCoalTest, InputsAreRefusedAsTheirRangeSays) {
  const sheets::Sheet worked = hb;
  Recalc({{row::kQ3, "0"}, {row::kQ4, "0"}, {row::kQ5, "0"}});
  const sheets::Sheet base = hb;
  const auto refused = [&](int input, const std::string& text) {
    hb = base;
    Recalc({{input, text}});
    return hb.At(1, input).font_color == sheets::kRed;
  };
  // Far below every range: each input is refused and listed with its range.
  std::map<int, std::string> low;
  for (int r = 0; r < hb.RowCount(); ++r)
    if (hb.At(1, r).input) low[r] = "-1e6";
  Recalc(low);
  const sheets::Sheet all_low = hb;
  const std::vector<OutOfRangeInput> listed = HeatBalanceOutOfRange(hb);
  ASSERT_EQ(listed.size(), low.size());
  const std::regex bound("(от|до менее|до|не менее|не более|не выше|более) ((?:−)?[0-9.]+)");
  for (const OutOfRangeInput& input : listed) {
    EXPECT_EQ(input.text, "-1e6");
    EXPECT_TRUE(all_low.At(1, input.row).hint.ends_with("\nДопустимо: " + input.range))
        << input.row;
    for (std::sregex_iterator m(input.range.begin(), input.range.end(), bound), end; m != end;
         ++m) {
      const std::string word = (*m)[1], number = (*m)[2];
      const double at = std::stod(number.starts_with("−") ? "-" + number.substr(3) : number);
      const bool upper = word.starts_with("до") || word == "не более" || word == "не выше";
      for (const double step : {-0.01, 0.0, 0.01}) {
        const bool kept = step == 0 ? word != "более" && word != "до менее" : (step < 0) == upper;
        const std::string text = sheets::FormatPattern(at + step, "0.##", '.');
        EXPECT_EQ(refused(input.row, text), !kept) << input.range << ": " << text;
      }
    }
  }

  // On the worked example: tхв 30, αт 1.2, q4 + q5 = 2, RO2max 18.61;
  // α from RO2 = 1 + (100 · 1.0403 / RO2 − 5.5906) / 5.7498.
  const std::vector<std::tuple<int, const char*, bool, int, const char*>> cases = {
      {row::kExitGasTemperature, "30", true, row::kQ2, "-"},
      {row::kFurnaceLeakage, "1.2", true, row::kAirHeat, "-"},
      {row::kQ3, "98", true, row::kEfficiency, "-"},
      {row::kO2, "0", false, row::kExcessAirO2, "1"},
      {row::kO2, "abc", false, row::kExcessAirO2, "-"},  // unreadable is not red
      {row::kRO2, "14.886", false, row::kExcessAirRO2, "1.243"},
      {row::kRO2, "18.61", false, row::kExcessAirRO2, "1"},
      {row::kRO2, "18.62", true, row::kExcessAirRO2, "-"},
  };
  for (const auto& [input, text, out, result, shown] : cases) {
    hb = worked;
    Recalc({{input, text}});
    EXPECT_EQ(hb.At(1, input).font_color == sheets::kRed, out) << text;
    EXPECT_EQ(hb.Text(1, result), shown) << text;
  }
  hb = worked;
  Recalc({{row::kQ5, "-50"}});
  EXPECT_EQ(hb.At(1, row::kQ5).hint,
            "Потеря тепла от наружного охлаждения q5\nДопустимо: от 0 до менее 100 %, q3 + q4 + "
            "q5 менее 100 %");
  Recalc({{row::kQ5, "0.5"}});
  EXPECT_EQ(hb.At(1, row::kQ5).hint, "Потеря тепла от наружного охлаждения q5");
  EXPECT_EQ(hb.At(1, row::kQ5).font_color, sheets::kBlack);
}

// Results that the formulas give outside their physical range show "-" with the reason.
TEST_F(ExampleCoalTest, ResultsOutOfTheirRangeShowTheReason) {
  // Every loss in range, but Σq = 5.93 + 97.99 + 1.5 + 0.5 + 0.03 is over 100 %.
  Recalc({{row::kQ3, "97.99"}});
  EXPECT_EQ(Values(hb, {row::kQ2, row::kLosses, row::kEfficiency, row::kRetention,
                        row::kFuelConsumption}),
            (Texts{"5.93", "-", "-", "-", "-"}));
  EXPECT_EQ(hb.At(1, row::kLosses).hint, "Сумма потерь должна быть от 0 до менее 100 %");
  EXPECT_EQ(hb.At(1, row::kEfficiency).hint, "КПД должен быть больше 0 и меньше 100 %");
  EXPECT_EQ(hb.At(1, row::kQ2).hint, "");
  // Negative ash gives a negative slag loss; a heating value below 0 no available heat,
  // and nothing that needs it.
  doc.XLSheet10.SetText(2, 1, "-5");
  RecalcFuel(doc);
  EXPECT_EQ(hb.Text(1, row::kQ6), "-");
  EXPECT_EQ(hb.At(1, row::kQ6).hint, "Потеря тепла не может быть отрицательной");
  doc.XLSheet10.SetText(2, 8, "-10537.955");
  RecalcFuel(doc);
  EXPECT_EQ(
      Values(hb, {row::kAvailableHeat, row::kQ2, row::kFurnaceHeat, row::kAdiabaticTemperature}),
      (Texts{"-", "-", "-", "-"}));
  EXPECT_EQ(hb.At(1, row::kAvailableHeat).hint, "Располагаемое тепло должно быть больше 0");
  doc.XLSheet10.SetText(2, 8, "21861");
  RecalcFuel(doc);
  EXPECT_EQ(hb.At(1, row::kAvailableHeat).hint, "");
}

TEST_F(ExampleCoalTest, MixturePerKilogram) {
  const sheets::Sheet coal = hb;
  PickComponent(doc, 1);
  ASSERT_TRUE(LoadLibraryFuel(doc, test::ExampleFuel("Природный газ.fll")));
  PickComponent(doc, 2);
  ShareChange(doc, 1, "100");
  ShareChange(doc, 2, "0");
  ASSERT_TRUE(doc.SpeedButton13);
  Type(doc.XLSheet20, kWorkedInputs);
  SpeedButton13Click(doc);
  // The coal alone balances as the coal does; but RO2max comes from the volumes as the
  // results show them (5.75, 4.55, 1.04): 104 / 5.59.
  const std::vector<int> rows = {row::kAvailableHeat, row::kQ2, row::kEfficiency,
                                 row::kAdiabaticTemperature, row::kExcessAirO2};
  EXPECT_EQ(Values(doc.XLSheet20, rows), Values(coal, rows));
  EXPECT_EQ(Values(doc.XLSheet20, {row::kRO2Max}), (Texts{"18.6"}));

  // Gas only, per kilogram: Q = 36000 / 0.73, no slag loss even at an unreadable slag
  // temperature; the single fuel's sheet is left to the single fuel.
  PickComponent(doc, 1);
  ShareChange(doc, 1, "40");
  ShareChange(doc, 2, "60");
  Type(doc.XLSheet20, {{row::kSlagTemperature, "x"}});
  XLGrid20EditModeChanged(doc);
  EXPECT_EQ(Values(doc.XLSheet20, {row::kAvailableHeat, row::kQ6}), (Texts{"49315.07", "0"}));
  EXPECT_EQ(doc.XLSheet20.Text(2, row::kFuelConsumptionHourly), "т/ч");
  EXPECT_EQ(hb.Text(1, row::kAvailableHeat), "36000");
}

// The computer-program verification values of IF97 region 4 (Ps in MPa, Ts in K), given
// to nine significant digits: each within one unit of its ninth digit.
TEST(Iapws97Test, SaturationLineCheckValues) {
  EXPECT_NEAR(iapws97::SaturationPressure(300), 0.353658941e-2, 1e-11);
  EXPECT_NEAR(iapws97::SaturationPressure(600), 0.123443146e2, 1e-7);
  EXPECT_NEAR(iapws97::SaturationTemperature(0.1), 0.372755919e3, 1e-6);
  EXPECT_NEAR(iapws97::SaturationTemperature(10), 0.584149488e3, 1e-6);
}

// Changes from the worked example, each hand-checked on the rows it moves.
TEST_F(ExampleCoalTest, EmissionsAndCondensationHandChecked) {
  const std::vector<std::tuple<const char*, std::map<int, std::string>, std::vector<int>, Texts>>
      cases = {
          // 3.6·1.835288·0.0399651·(1 − 0.1).
          {"fly ash binds 10 %", {{row::kSO2AshBinding, "0.1"}}, {row::kSO2Hourly}, {"0.238"}},
          // tк above tр 42.6 °C: nothing condenses.
          {"above the dew point",
           {{row::kCondensingTemperature, "50"}},
           {row::kDewPoint, row::kCondensedWater, row::kCondensationHeat, row::kCondensationShare},
           {"42.6", "0", "0", "0"}},
          // Drier gas at αух 2: VH2O = 0.75317, Vg = 12.09357, pH2O = 6.3104 kPa, tр 37.08 °C;
          // at 30 °C Gк = 0.20663, Qк = 0.20663·2429.9.
          {"more excess air",
           {{row::kExitExcessAir, "2"}},
           {row::kDewPoint, row::kCondensedWater, row::kCondensationHeat},
           {"37.1", "0.2066", "502.09"}},
      };
  const sheets::Sheet worked = hb;
  for (const auto& [what, inputs, rows, expected] : cases) {
    hb = worked;
    Recalc(inputs);
    EXPECT_EQ(Values(hb, rows), expected) << what;
  }
  // The same output in Gcal/h (1 Гкал/ч = 1163 кВт) and in MW gives the same consumption.
  for (const auto& [unit, output] :
       std::vector<std::pair<int, std::string>>{{2, "32.239"}, {1, "37.494"}}) {
    hb = worked;
    hb.SetInteger(2, row::kHeatOutput, unit);
    Recalc({{row::kHeatOutput, output}});
    EXPECT_EQ(Values(hb, {row::kFuelConsumption, row::kCO2Hourly}),
              Values(worked, {row::kFuelConsumption, row::kCO2Hourly}))
        << output;
  }
  doc.XLSheet10.SetText(2, 5, "0");  // no sulphur
  hb = worked;
  RecalcFuel(doc);
  EXPECT_EQ(Values(hb, {row::kSO2PerUnit, row::kSO2Hourly}), (Texts{"0", "0"}));
}

// The picture's bands: η and q2..q6 as the balance shows them, then the latent heat beside
// them only while something condenses; none while η does not read.
TEST_F(ExampleCoalTest, BalanceBandsOfTheWorkedExample) {
  const auto names = [this] {
    Texts shown;
    for (const BalanceBand& band : BalanceBands(hb))
      shown.push_back(band.name + " " + band.text + (band.recovered ? " +" : ""));
    return shown;
  };
  EXPECT_EQ(names(),
            (Texts{"η 92.05", "q2 5.93", "q3 0", "q4 1.5", "q5 0.5", "q6 0.03", "qк 3.22 +"}));
  Recalc({{row::kCondensingTemperature, "50"}});
  EXPECT_EQ(names().size(), 6u);
  Recalc({{row::kQ5, "x"}});
  EXPECT_TRUE(names().empty());
}

}  // namespace
}  // namespace calc
