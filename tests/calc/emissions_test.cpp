// Emissions, standard fuel and flue-gas condensation of the heat balance. Reference values:
// the worked example of the example coal (C 55, S 2, Q 21861, volumes shown as 5.7498 /
// 4.5503 / 1.0403 / 0.6606, q4 1.5, Qка 37494 kW, η 92.05) and hand calculations by the
// formulas of calc/emissions.h in double precision, rounded as the cells show them; the
// saturation line against the check values of IAPWS-IF97 (tables 35 and 36).
#include "calc/emissions.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "calc/balance_bands.h"
#include "calc/cycle.h"
#include "calc/design.h"
#include "calc/fuel_io.h"
#include "calc/heat_balance.h"
#include "calc/iapws97.h"
#include "calc/mixture.h"
#include "support/example_fuels.h"

namespace calc {
namespace {

namespace row = heat_balance_row;
using Texts = std::vector<std::string>;

// The computer-program verification values of IF97 region 4 (Ps in MPa, Ts in K).
TEST(Iapws97Test, SaturationLineCheckValues) {
  struct Case {
    double (*equation)(double);
    double argument;
    double expected;
  };
  const Case cases[] = {
      {iapws97::SaturationPressure, 300, 0.353658941e-2},
      {iapws97::SaturationPressure, 500, 0.263889776e1},
      {iapws97::SaturationPressure, 600, 0.123443146e2},
      {iapws97::SaturationTemperature, 0.1, 0.372755919e3},
      {iapws97::SaturationTemperature, 1, 0.453035632e3},
      {iapws97::SaturationTemperature, 10, 0.584149488e3},
  };
  for (const Case& c : cases) {
    // The tables give nine significant digits.
    EXPECT_NEAR(c.equation(c.argument), c.expected, c.expected * 1e-8) << c.argument;
  }
}

void Type(sheets::Sheet& sheet, const std::map<int, std::string>& inputs) {
  for (const auto& [r, text] : inputs) sheet.SetText(1, r, text);
}

Texts Values(const sheets::Sheet& sheet, const std::vector<int>& rows) {
  Texts texts;
  for (const int r : rows) texts.push_back(sheet.Text(1, r));
  return texts;
}

const std::vector<int> kEmissionRows = {row::kCO2PerUnit,   row::kCO2Factor, row::kCO2Reference,
                                        row::kCO2Deviation, row::kCO2Hourly, row::kSO2PerUnit,
                                        row::kSO2Factor,    row::kSO2Hourly};
const std::vector<int> kStandardFuelRows = {row::kEquivalent, row::kStandardFuelConsumption,
                                            row::kStandardFuelHourly, row::kStandardFuelPerGcal,
                                            row::kStandardFuelPerGJ};
const std::vector<int> kCondensationRows = {row::kDewPoint, row::kCondensedWater,
                                            row::kCondensationHeat, row::kCondensationShare};

const std::map<int, std::string> kWorkedInputs = {
    {row::kQ4, "1.5"}, {row::kHeatOutput, "37494"}, {row::kCondensingTemperature, "30"}};

void OpenWorkedCoal(FuelDocument& doc) {
  ASSERT_TRUE(LoadLibraryFuel(doc, test::ExampleFuel("Каменный уголь.fll")));
  XLGrid15EditModeChanged(doc);
  Type(doc.XLSheet19, kWorkedInputs);
  RecalcHeatBalance(doc);
}

// mCO2 = 55·44.009/1201.1; EF = 10⁶·m/21861; CO2 = 3.6·Bр·m with Bр = 1.835288 (unrounded);
// mSO2 = 2·64.064/3206; Э = 21861/29307.6; Bу = B·Э with B = 1.863286 at the unrounded
// η = 92.04754 (q2 5.92684, q6 0.02562); b = 4.1868·10⁶/(293.076·η);
// VH2O = 0.6606 + 0.0161·0.35·5.7498 = 0.69300, Vg = 8.29603, tр = Ts(8.4641 kPa); at
// 30 °C ps = 4.2470 kPa leaves 0.33259 m3 of vapour, Gк = (0.69300 − 0.33259)·18.015/22.414.
TEST(EmissionsTest, WorkedExampleOfTheExampleCoal) {
  FuelDocument doc;
  OpenWorkedCoal(doc);
  const sheets::Sheet& hb = doc.XLSheet19;
  EXPECT_EQ(Values(hb, kEmissionRows),
            (Texts{"2.0152", "92.18", "94.6", "-2.6", "13.315", "0.03997", "1.83", "0.264"}));
  EXPECT_EQ(Values(hb, kStandardFuelRows), (Texts{"0.7459", "1.3899", "5.003", "155.2", "37.07"}));
  EXPECT_EQ(Values(hb, kCondensationRows), (Texts{"42.6", "0.2897", "703.87", "3.22"}));

  // The same output in Gcal/h (1 Гкал/ч = 1163 кВт) and in MW gives the same consumption.
  for (const auto& [unit, output] :
       std::vector<std::pair<int, std::string>>{{2, "32.239"}, {1, "37.494"}}) {
    doc.XLSheet19.SetInteger(2, row::kHeatOutput, unit);
    Type(doc.XLSheet19, {{row::kHeatOutput, output}});
    RecalcHeatBalance(doc);
    EXPECT_EQ(hb.Text(2, row::kHeatOutput), unit == 2 ? "Гкал/ч" : "МВт");
    EXPECT_EQ(Values(hb, {row::kFuelConsumption, row::kCO2Hourly, row::kStandardFuelHourly}),
              (Texts{"1.8633", "13.315", "5.003"}))
        << output;
  }

  const HeatBalanceTexts texts = FuelHeatBalanceTexts(doc);
  ASSERT_EQ(texts.emissions.size(), 13u);
  EXPECT_EQ(texts.emissions[3], (std::pair<std::string, std::string>{"co2_deviation", "-2.6"}));
  ASSERT_EQ(texts.condensation.size(), 5u);
  EXPECT_EQ(texts.condensation[1],
            (std::pair<std::string, std::string>{"condensing_temperature", "30"}));
}

// Changes from the worked example, each hand-checked on the rows it moves.
TEST(EmissionsTest, HandCheckedCases) {
  struct Case {
    const char* what;
    std::map<int, std::string> inputs;  // typed over the worked example's
    std::map<int, std::string> record;  // record rows of the coal, typed on the record tab
    std::vector<int> rows;
    Texts expected;
  };
  const std::vector<Case> cases = {
      // 3.6·1.835288·0.0399651·(1 − 0.1).
      {"fly ash binds 10 %", {{row::kSO2AshBinding, "0.1"}}, {}, {row::kSO2Hourly}, {"0.238"}},
      {"no sulphur",
       {},
       {{5, "0"}},
       {row::kSO2PerUnit, row::kSO2Factor, row::kSO2Hourly, row::kCO2PerUnit},
       {"0", "0", "0", "2.0152"}},
      // No heat output: no hourly value and no standard-fuel consumption; the rest stands.
      {"no heat output",
       {{row::kHeatOutput, ""}},
       {},
       {row::kCO2Hourly, row::kSO2Hourly, row::kStandardFuelConsumption, row::kStandardFuelHourly,
        row::kCO2Factor, row::kStandardFuelPerGcal},
       {"", "", "", "", "92.18", "155.2"}},
      // tк above tр 42.6 °C: nothing condenses.
      {"above the dew point",
       {{row::kCondensingTemperature, "50"}},
       {},
       kCondensationRows,
       {"42.6", "0", "0", "0"}},
      {"no condensing temperature",
       {{row::kCondensingTemperature, ""}},
       {},
       kCondensationRows,
       {"42.6", "", "", ""}},
      // Drier gas at αух 2: VH2O = 0.75317, Vg = 12.09357, pH2O = 6.3104 kPa, tр 37.08 °C;
      // at 30 °C Gк = 0.20663, Qк = 0.20663·2429.9.
      {"more excess air",
       {{row::kExitExcessAir, "2"}},
       {},
       {row::kDewPoint, row::kCondensedWater, row::kCondensationHeat},
       {"37.1", "0.2066", "502.09"}},
      {"binding out of range",
       {{row::kSO2AshBinding, "1.01"}},
       {},
       {row::kSO2Hourly, row::kCO2Hourly},
       {"-", "13.315"}},
      {"condensing temperature out of range",
       {{row::kCondensingTemperature, "-60.1"}},
       {},
       {row::kCondensedWater, row::kDewPoint},
       {"-", "42.6"}},
      {"no efficiency",
       {{row::kQ5, "x"}},
       {},
       {row::kStandardFuelPerGcal, row::kCO2Hourly},
       {"-", "-"}},
  };
  for (const Case& c : cases) {
    FuelDocument doc;
    OpenWorkedCoal(doc);
    for (const auto& [r, text] : c.record) doc.XLSheet10.SetText(2, r, text);
    Type(doc.XLSheet19, c.inputs);
    RecalcFuel(doc);
    EXPECT_EQ(Values(doc.XLSheet19, c.rows), c.expected) << c.what;
  }
}

// The picture's bands: η and q2..q6 as the balance shows them, then the latent heat beside
// them only while something condenses; none while η does not read.
TEST(EmissionsTest, BalanceBandsOfTheWorkedExample) {
  FuelDocument doc;
  OpenWorkedCoal(doc);
  const auto names = [&doc] {
    std::vector<std::string> shown;
    for (const BalanceBand& band : BalanceBands(doc.XLSheet19)) {
      shown.push_back(band.name + " " + band.text + (band.recovered ? " +" : ""));
    }
    return shown;
  };
  EXPECT_EQ(names(),
            (Texts{"η 92.05", "q2 5.93", "q3 0", "q4 1.5", "q5 0.5", "q6 0.03", "qк 3.22 +"}));
  Type(doc.XLSheet19, {{row::kCondensingTemperature, "50"}});
  RecalcHeatBalance(doc);
  EXPECT_EQ(names().size(), 6u);
  Type(doc.XLSheet19, {{row::kQ5, "x"}});
  RecalcHeatBalance(doc);
  EXPECT_TRUE(names().empty());
}

// 100 % CH4 with the heating value computed, 35818 kJ/m3: mCO2 = 44.009/22.414 kg/m3, its
// reference the natural gas's 56.1; Э = 35818/29307.6.
TEST(EmissionsTest, MethanePerCubicMetre) {
  FuelDocument doc;
  ComboBox3Change(doc, kGasType);
  doc.XLSheet1_2.SetText(1, 1, "100");
  doc.CheckBox1 = true;
  XLGrid1EditModeChanged(doc);
  ASSERT_EQ(doc.XLSheet10.Text(2, 12), "35818");
  EXPECT_EQ(Values(doc.XLSheet19, {row::kCO2PerUnit, row::kCO2Factor, row::kCO2Reference,
                                   row::kCO2Deviation, row::kSO2PerUnit, row::kEquivalent}),
            (Texts{"1.9635", "54.82", "56.1", "-2.3", "0", "1.2221"}));
  EXPECT_EQ(doc.XLSheet19.Text(2, row::kCO2PerUnit), "кг/м3");
  EXPECT_EQ(doc.XLSheet19.Text(2, row::kCondensationHeat), "кДж/м3");
}

// 60 % example coal, 40 % example gas (2.0145 kg CO2 per m3 at 0.73 kg/m3): per kilogram
// 0.6·2.01523 + 0.4·2.75960; the reference 94.6 and 56.1 weighted by 0.6·21861 and
// 0.4·49315.07 kJ of heat.
TEST(EmissionsTest, MixtureOfCoalAndGas) {
  FuelDocument doc;
  ASSERT_TRUE(test::BuildSixtyFortyMixture(doc));
  EXPECT_EQ(Values(doc.XLSheet20, {row::kCO2PerUnit, row::kCO2Factor, row::kCO2Reference,
                                   row::kCO2Deviation, row::kSO2PerUnit}),
            (Texts{"2.313", "70.43", "71.48", "-1.5", "0.02398"}));
  EXPECT_EQ(doc.XLSheet20.Text(2, row::kCO2PerUnit), "кг/кг");
}

}  // namespace
}  // namespace calc
