// The design calculation at a given excess air, the lookups in the displayed enthalpy–
// temperature table and the I–ϑ diagram drawn from it. The coal W 10, A 20, C 55, H 4, N 1,
// S 2, O 8 of the normative method at α 1.2 and aun 0.95, whose displayed table at 1000 °C
// reads I0air 8268.18, I0g 9801.69, Iash 186.96; sums by hand on those texts.
#include "calc/design.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "calc/cycle.h"
#include "calc/diagram.h"
#include "calc/enthalpy.h"
#include "calc/fuel_document.h"
#include "calc/input_notice.h"
#include "calc/lookup.h"
#include "typed_coal.h"

namespace calc {
namespace {

using test_support::Design;
using Texts = std::vector<std::string>;

Texts Rows(const FuelDocument& doc, int first, int last) {
  Texts texts;
  for (int row = first; row <= last; ++row) texts.push_back(doc.XLSheet15.Text(1, row));
  return texts;
}

// The derived parameters at α 1.2 are the calculator's golden run; here the state looked
// up for each kind of given value, within the table and beyond it. A given text that is
// no number (or too large for a single), 0, negative or empty fixes no state: rows 12..14
// are emptied, whatever they showed, the derived parameters stay, and the unit follows
// the kind.
TEST(DesignTest, StateForEachGivenKind) {
  FuelDocument doc;
  ASSERT_TRUE(test::OpenDesignedExample(doc, "Каменный уголь.fll"));
  Design(doc, "1.2", 0, "1000");
  const Texts derived = Rows(doc, 6, 11);
  const Texts none = {"", "", ""};
  const std::vector<std::tuple<int, const char*, Texts>> cases = {
      {0, "1000", {"1000", "8268.18", "11642.29"}},
      {0, "150", {"150", "1149.09", "1570.05"}},      // halfway between two columns
      {0, "2050", {"2050", "18111.79", "25334.47"}},  // the 2100 °C ash cell shows "-"
      {0, "2500", {"2500", "", ""}},                  // no interval to interpolate in: no value
      {0, "50", {"50", "", ""}},
      {1, "8268.18", {"1000", "8268.18", "11642.29"}},
      {2, "11642.29", {"999.98", "8268.04", "11642.29"}},  // the first midpoint within 0.005 %
      {2, "99999999", {"-", "-", "-"}},                    // no temperature reaches it
      {0, "abc", none},
      {1, "-5", none},
      {2, "1e99", none},
      {1, "1e-50", none},  // a single 0
  };
  for (const auto& [kind, given, state] : cases) {
    Design(doc, "1.2", 0, "1000");
    Design(doc, "1.2", kind, given);
    EXPECT_EQ(Rows(doc, 12, 14), state) << kind << " '" << given << "'";
    EXPECT_EQ(Rows(doc, 6, 11), derived) << kind << " '" << given << "'";
    EXPECT_EQ(doc.XLSheet15.Text(2, 3), kind == 0 ? "°C" : "кДж/кг") << given;
  }
}

TEST(DesignTest, FallbacksOfTheInputs) {
  FuelDocument doc;
  ASSERT_TRUE(test::OpenDesignedExample(doc, "Каменный уголь.fll"));
  Design(doc, "1.2", 0, "1000");
  const Texts computed = Rows(doc, 6, 14);
  Design(doc, "", 0, "500");  // no excess air: nothing at all is computed
  EXPECT_EQ(Rows(doc, 6, 14), computed);

  Design(doc, "abc", 0, "1000");  // letters count as 1 and are replaced by it
  EXPECT_EQ(doc.XLSheet15.Text(1, 2), "1");
  EXPECT_EQ(Rows(doc, 6, 7), (Texts{"0.6606", "6.2512"}));  // α 1: the theoretical volumes
  for (const char* alpha : {"-1", "0"}) {
    Design(doc, "1.2", 0, "1000");
    Design(doc, alpha, 0, "1200");  // rows 6..11 emptied, the state still computed
    EXPECT_EQ(Rows(doc, 6, 11), (Texts{"", "", "", "", "", ""})) << alpha;
    EXPECT_EQ(doc.XLSheet15.Text(1, 12), "1200");
  }
  Design(doc, "1.2", 0, "1000", "1.2");  // both carry-over cells are clamped to 1
  EXPECT_EQ(doc.XLSheet15.Text(1, 4), "1");
  EXPECT_EQ(doc.XLSheet13.Text(1, 0), "1");

  // The carry-over typed on the enthalpy tab reaches the design tab.
  doc.XLSheet13.SetText(1, 0, "0.5");
  XLGrid13EditModeChanged(doc);
  EXPECT_EQ(doc.XLSheet15.Text(1, 4), "0.5");
  EXPECT_EQ(doc.XLSheet6.Text(0, 3), "8.08");  // 80.8 · 0.5 · 20 · 0.01
  // The slag's heat q6 takes the new carry-over in the same cycle, as a design run does.
  const std::string q6 = doc.XLSheet19.Text(1, heat_balance_row::kQ6);
  XLGrid15EditModeChanged(doc);
  EXPECT_EQ(q6, doc.XLSheet19.Text(1, heat_balance_row::kQ6));
}

// Each design input that is no number takes its fallback, and the run says which; an
// empty input is the default and says nothing. The same for the carry-over typed on the
// enthalpy tab and for the mixture's inputs.
TEST(DesignTest, FallbacksAreTold) {
  const std::vector<std::tuple<const char*, const char*, const char*, const char*>> cases = {
      {"abc", "1000", "0,95", "«abc» — не число, принят коэффициент избытка воздуха 1"},
      {"1e39", "1000", "0,95", "«1e39» — не число, принят коэффициент избытка воздуха 1"},
      {"1,2", "5%", "0,95", "«5%» — не число, параметры по заданной величине не рассчитаны"},
      {"1,2", "1000", "x", "«x» — не число, принят коэффициент уноса 0,95"},
      {"1,2", "", "", ""},
      {"", "abc", "abc", ""},  // no excess air: nothing is computed, nothing taken instead
  };
  FuelDocument doc(',');
  ASSERT_TRUE(test::OpenDesignedExample(doc, "Каменный уголь.fll"));
  for (const auto& [alpha, given, carryover, told] : cases)
    EXPECT_EQ(NoticesText(Design(doc, alpha, 0, given, carryover)), told) << alpha << given;
  doc.XLSheet13.SetText(1, 0, "abc");
  EXPECT_EQ(NoticesText(XLGrid13EditModeChanged(doc)),
            "«abc» — не число, принят коэффициент уноса 0,95");
  EXPECT_EQ(doc.XLSheet13.Text(1, 0), "0,95");
  sheets::Sheet mixture(5, 11, '.');
  mixture.SetText(1, 2, "a");
  mixture.SetText(1, 3, "b");
  mixture.SetText(4, 2, "c");
  EXPECT_EQ(NoticesText(DesignFallbacks(mixture, kMixtureDesignCells)),
            "«a» — не число, принят коэффициент избытка воздуха 1; «b» — не число, параметры по "
            "заданной величине не рассчитаны; «c» — не число, принят коэффициент уноса 0.95");
}

TEST(LookupTest, IntervalsAndAirEnthalpy) {
  EXPECT_EQ(FindTemperatureInterval(99.99f), std::nullopt);
  EXPECT_EQ(FindTemperatureInterval(100), 0);
  EXPECT_EQ(FindTemperatureInterval(2599.9f), 24);
  EXPECT_EQ(FindTemperatureInterval(2600), std::nullopt);

  FuelDocument doc;
  ASSERT_TRUE(test::OpenDesignedExample(doc, "Каменный уголь.fll"));
  const DisplayedTable table(doc.XLSheet6);
  EXPECT_EQ(TemperatureFromAirEnthalpy(table, 763).temperature, 100);  // the 100 °C value
  const AirLookup between = TemperatureFromAirEnthalpy(table, 1000);
  EXPECT_EQ(between.interval, 0);
  EXPECT_NEAR(between.temperature, 100 + 237 / 7.7219f, 1e-3);
  // Above the 2500 °C value no interval matches: the 100–200 °C line is extended.
  const AirLookup above = TemperatureFromAirEnthalpy(table, 30000);
  EXPECT_EQ(above.interval, 0);
  EXPECT_NEAR(above.temperature, 100 + (30000 - 763) / 7.7219f, 0.05);
}

// The fast search against the literal one over the gas lines of the example coal and gas,
// and for a target far above the table's top and one below Ig at 100 °C, reached by neither.
TEST(LookupTest, ShortcutSearchAgreesWithTheLiteralOne) {
  int unreachable = 0;
  for (const char* name : {"Каменный уголь.fll", "Природный газ.fll"}) {
    FuelDocument doc;
    ASSERT_TRUE(test::OpenDesignedExample(doc, name));
    const DisplayedTable table(doc.XLSheet6);
    const float alpha = doc.XLSheet15.Number(1, 2);
    for (float t = 100; t <= 2640; t += 37.5f) {  // the last: one target no temperature reaches
      const float target = t > 2600 ? (doc.GasSheetsShown ? 1.0f : 1e8f)
                                    : EnthalpyAtTemperature(table, DisplayedTable::kGasRow, t,
                                                            FindTemperatureInterval(t)) *
                                          alpha;
      if (target <= 0) continue;  // beyond the gas line's last column
      const auto fast = TemperatureFromGasEnthalpy(table, target, alpha);
      const auto literal = TemperatureFromGasEnthalpy(table, target, alpha, true);
      ASSERT_EQ(fast.has_value(), literal.has_value()) << target;
      unreachable += fast ? 0 : 1;
      if (!fast) continue;
      EXPECT_EQ(fast->temperature, literal->temperature) << target;
      EXPECT_EQ(fast->air_enthalpy, literal->air_enthalpy) << target;
    }
  }
  EXPECT_GE(unreachable, 2);  // targets the short cut gives up on once the bounds stop moving
}

// The gas line between its points, as the lookups interpolate within a 100 °C column.
double GasLineAt(const Diagram& diagram, double t) {
  for (std::size_t i = 0; i + 1 < diagram.gas.size(); ++i) {
    const DiagramPoint& a = diagram.gas[i];
    const DiagramPoint& b = diagram.gas[i + 1];
    if (a.temperature <= t && t <= b.temperature) {
      return a.enthalpy +
             (b.enthalpy - a.enthalpy) * (t - a.temperature) / (b.temperature - a.temperature);
    }
  }
  return -1;
}

TEST(DiagramTest, LinesOfTheCoalTableAtExcessAir) {
  FuelDocument doc;
  ASSERT_TRUE(test::OpenDesignedExample(doc, "Каменный уголь.fll"));
  Design(doc, "1.2", 0, "1250");
  const Diagram d = MakeDiagram(doc.XLSheet6, doc.XLSheet8, doc.XLSheet15, kFuelStateCells);
  EXPECT_EQ(d.excess_air_text + " " + d.unit, "1.2 кДж/кг");
  ASSERT_EQ(d.gas.size(), 25u);
  // The design state lies on the gas line, up to the two decimals the lookup shows; a
  // state found from a given flue-gas enthalpy too. The line's sums: the test below.
  ASSERT_TRUE(d.state.has_value());
  EXPECT_NEAR(d.state->enthalpy, GasLineAt(d, 1250), 0.02);
  Design(doc, "1.4", 2, "15000");
  const Diagram found = MakeDiagram(doc.XLSheet6, doc.XLSheet8, doc.XLSheet15, kFuelStateCells);
  ASSERT_TRUE(found.state.has_value());
  EXPECT_EQ(found.state->enthalpy, 15000);
  EXPECT_NEAR(GasLineAt(found, found.state->temperature), 15000, 15000 * 0.00005 + 0.5);
}

TEST(DiagramTest, TextsThatAreNoNumbers) {
  sheets::Sheet table(25, 4);
  for (int col = 0; col < 25; ++col) table.SetText(col, 0, std::to_string(100 * (col + 1)));
  // Columns of air, gas and ash; "-" for the gas drops the point from the air and gas
  // lines; for the ash it ends the ash line, which does not start again.
  const char* columns[4][3] = {
      {"100", "120", "5"}, {"200", "-", "9"}, {"300", "360", "-"}, {"400", "480", "20"}};
  for (int col = 0; col < 4; ++col)
    for (int r = 0; r < 3; ++r) table.SetText(col, r + 1, columns[col][r]);
  const Diagram d = DiagramLines(table, 1.5f);
  ASSERT_EQ(d.air.size(), 3u);
  ASSERT_EQ(d.gas.size(), 3u);
  EXPECT_DOUBLE_EQ(d.gas[0].enthalpy, 0.5 * 100 + 120 + 5);
  EXPECT_DOUBLE_EQ(d.gas[1].enthalpy, 0.5 * 300 + 360);
  EXPECT_DOUBLE_EQ(d.gas[2].enthalpy, 0.5 * 400 + 480 + 20);
  ASSERT_EQ(d.ash.size(), 2u);
  EXPECT_EQ(d.ash[1].temperature, 200);
  // A table of zero ash (a gas) has no ash line; an empty table no lines at all.
  for (int col = 0; col < 25; ++col) table.SetText(col, 3, col < 20 ? "0" : "-");
  EXPECT_TRUE(DiagramLines(table, 1.5f).ash.empty());
  const Diagram empty = DiagramLines(sheets::Sheet(25, 4), 1);
  EXPECT_TRUE(empty.air.empty() && empty.gas.empty() && empty.ash.empty());
}

// The mixture's state and excess air from its cells of the design sheet, with a comma; the
// single fuel's state cells of that sheet are empty.
TEST(DiagramTest, StateAndExcessAirFromTheirCells) {
  FuelDocument doc(',');
  sheets::Sheet& design = doc.XLSheet17;
  design.SetText(1, 2, "1,3");
  design.SetText(4, 5, "1250,5");
  design.SetText(4, 7, "15000,25");
  EXPECT_FLOAT_EQ(DiagramExcessAir(design), 1.3f);
  const auto state = DiagramState(design, kMixtureStateCells);
  ASSERT_TRUE(state.has_value());
  EXPECT_DOUBLE_EQ(state->temperature, 1250.5);
  EXPECT_DOUBLE_EQ(state->enthalpy, 15000.25);
  EXPECT_FALSE(DiagramState(design, kFuelStateCells).has_value());

  // An excess air that is no number, or too large for a single, draws at 1 and says so.
  for (const char* text : {"abc", "1e39", ""}) {
    design.SetText(1, 2, text);
    EXPECT_EQ(MakeDiagram(doc.XLSheet16, doc.XLSheet18, design, kMixtureStateCells).excess_air_text,
              "1")
        << text;
  }
}

}  // namespace
}  // namespace calc
