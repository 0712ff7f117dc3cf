// The design calculation at a given excess air and the lookups in the displayed
// enthalpy–temperature table. Reference values: the worked examples of the normative
// method for the coal W 10, A 20, C 55, H 4, N 1, S 2, O 8 at α 1.2 and aun 0.95,
// recomputed by hand from the displayed two-decimal table; texts compared exactly.
#include "calc/design.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "calc/cycle.h"
#include "calc/decimal_fix.h"
#include "calc/fuel_document.h"
#include "calc/lookup.h"
#include "typed_coal.h"

namespace calc {
namespace {

using test_support::Design;
using test_support::LoadCoal;

std::vector<std::string> Rows(const FuelDocument& doc, int first, int last) {
  std::vector<std::string> texts;
  for (int row = first; row <= last; ++row) texts.push_back(doc.XLSheet15.Text(1, row));
  return texts;
}

using Texts = std::vector<std::string>;

// The derived parameters at α 1.2 are the calculator's golden run; here the state looked
// up for each kind of given value, within the table and beyond it. A given text that is
// no number (or too large for a single), 0, negative or empty fixes no state: rows 12..14
// are emptied, whatever they showed, the derived parameters stay, and the unit follows
// the kind.
TEST(DesignTest, StateForEachGivenKind) {
  FuelDocument doc;
  LoadCoal(doc);
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
      {1, "0", none},
      {2, "-5", none},
      {1, "", none},
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
  LoadCoal(doc);
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
}

// Each design input that is no number takes its fallback, and the run says which; an
// empty input is the default and says nothing. The same for the carry-over typed on the
// enthalpy tab and for the mixture's inputs.
TEST(DesignTest, FallbacksAreTold) {
  struct Case {
    const char* alpha;
    const char* given;
    const char* carryover;
    const char* told;
  };
  const Case cases[] = {
      {"abc", "1000", "0,95", "«abc» — не число, принят коэффициент избытка воздуха 1"},
      {"1e39", "1000", "0,95", "«1e39» — не число, принят коэффициент избытка воздуха 1"},
      {"1,2", "5%", "0,95", "«5%» — не число, параметры по заданной величине не рассчитаны"},
      {"1,2", "1000", "x", "«x» — не число, принят коэффициент уноса 0,95"},
      {"1,2", "", "", ""},
      {"", "abc", "abc", ""},  // no excess air: nothing is computed, nothing taken instead
  };
  for (const Case& c : cases) {
    FuelDocument doc(',');
    LoadCoal(doc);
    doc.XLSheet15.SetText(1, 2, c.alpha);
    doc.XLSheet15.SetText(1, 3, c.given);
    doc.XLSheet15.SetText(1, 4, c.carryover);
    EXPECT_EQ(NoticesText(XLGrid15EditModeChanged(doc)), c.told) << c.alpha << c.given;
  }
  FuelDocument doc(',');
  LoadCoal(doc);
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

// Units of the design parameters: per cubic metre of a gas, per kilogram of a solid or
// liquid fuel (the layout's own texts, "КДж/кг" included).
TEST(DesignTest, UnitsFollowTheFuelKind) {
  FuelDocument doc;
  ComboBox3Change(doc, kGasType);
  doc.XLSheet1_2.SetText(1, 1, "100");
  for (const auto& [kind, given, unit] : std::vector<std::tuple<int, const char*, const char*>>{
           {0, "1000", "°C"}, {1, "1000", "кДж/м3"}, {2, "1000", "кДж/м3"}, {1, "-5", "кДж/м3"}}) {
    Design(doc, "1.1", kind, given);
    EXPECT_EQ(doc.XLSheet15.Text(2, 3), unit) << kind << given;
  }
  ComboBox3Change(doc, kLiquidType);
  Texts units;
  for (const int row : {3, 6, 7, 13, 14}) units.push_back(doc.XLSheet15.Text(2, row));
  EXPECT_EQ(units, (Texts{"кДж/кг", "Нм3/кг", "Нм3/кг", "кДж/кг", "КДж/кг"}));
}

TEST(DesignTest, CarryoverEditedOnTheEnthalpyTab) {
  FuelDocument doc;
  LoadCoal(doc);
  doc.XLSheet13.SetText(1, 0, "0,5");
  XLGrid13Exit(doc);  // repaired before it is used
  EXPECT_EQ(doc.XLSheet13.Text(1, 0), "0.5");
  XLGrid13EditModeChanged(doc);
  EXPECT_EQ(doc.XLSheet15.Text(1, 4), "0.5");
  EXPECT_EQ(doc.XLSheet6.Text(0, 3), "8.08");  // 80.8 · 0.5 · 20 · 0.01
  doc.XLSheet15.SetText(1, 2, "1,3");
  XLGrid15Exit(doc);
  EXPECT_EQ(doc.XLSheet15.Text(1, 2), "1.3");
}

TEST(LookupTest, IntervalsAndAirEnthalpy) {
  EXPECT_EQ(FindTemperatureInterval(99.99f), std::nullopt);
  EXPECT_EQ(FindTemperatureInterval(100), 0);
  EXPECT_EQ(FindTemperatureInterval(1999.9f), 18);
  EXPECT_EQ(FindTemperatureInterval(2599.9f), 24);
  EXPECT_EQ(FindTemperatureInterval(2600), std::nullopt);

  FuelDocument doc;
  LoadCoal(doc);
  const DisplayedTable table(doc.XLSheet6);
  EXPECT_EQ(TemperatureFromAirEnthalpy(table, 763).temperature, 100);  // the 100 °C value
  const AirLookup between = TemperatureFromAirEnthalpy(table, 1000);
  EXPECT_EQ(between.interval, 0);
  EXPECT_NEAR(between.temperature, 100 + 237 / 7.7219f, 1e-3);
  // Above the 2500 °C value no interval matches: the 100–200 °C line is extended.
  const AirLookup above = TemperatureFromAirEnthalpy(table, 30000);
  EXPECT_EQ(above.interval, 0);
  EXPECT_NEAR(above.temperature, 100 + (30000 - 763) / 7.7219f, 0.05);
  EXPECT_EQ(EnthalpyAtTemperature(table, DisplayedTable::kAshRow, 2050, 19), 0);
}

TEST(LookupTest, ShortcutSearchAgreesWithTheLiteralOne) {
  struct Fuel {
    std::vector<std::string> values;
    int type;
    const char* alpha;
  };
  const std::vector<Fuel> fuels = {
      {{"10", "20", "55", "4", "1", "2", "8"}, 1, "1.2"},
      {{"35", "40", "15", "2", "0.5", "1", "6.5"}, 2, "1.4"},
      {{"94", "2.8", "0.4", "0.2", "0.1", "2", "0.5"}, kGasType, "1.05"}};
  int unreachable = 0;
  for (const Fuel& fuel : fuels) {
    FuelDocument doc;
    ComboBox3Change(doc, fuel.type);
    sheets::Sheet& input = fuel.type == kGasType ? doc.XLSheet1_2 : doc.XLSheet3;
    for (int i = 0; i < 7; ++i) input.SetText(1, 1 + i, fuel.values[static_cast<std::size_t>(i)]);
    Design(doc, fuel.alpha, 0, "100");
    const DisplayedTable table(doc.XLSheet6);
    const float alpha = doc.XLSheet15.Number(1, 2);
    // A few targets no temperature reaches: below Ig at 100 °C and above the table's top.
    // The literal search runs them to the step limit, so they are kept few.
    std::vector<float> targets = {&fuel == &fuels.front() ? 1e8f : 1.0f};
    for (float t = 100; t <= 2600; t += 37.5f) {
      targets.push_back(
          EnthalpyAtTemperature(table, DisplayedTable::kGasRow, t, FindTemperatureInterval(t)) *
          alpha);
    }
    for (const float target : targets) {
      if (target <= 0) continue;
      const auto fast = TemperatureFromGasEnthalpy(table, target, alpha);
      const auto literal = TemperatureFromGasEnthalpy(table, target, alpha, true);
      ASSERT_EQ(fast.has_value(), literal.has_value()) << target;
      if (!fast) {
        ++unreachable;
        continue;
      }
      EXPECT_EQ(fast->temperature, literal->temperature) << target;
      EXPECT_EQ(fast->air_enthalpy, literal->air_enthalpy) << target;
    }
  }
  EXPECT_GE(unreachable, 3);  // the shortcut was exercised
}

}  // namespace
}  // namespace calc
