// The lines and the state of the I–ϑ diagram. Reference values: the coal W 10, A 20,
// C 55, H 4, N 1, S 2, O 8 (Qi 21861 kJ/kg) of the normative method's worked examples,
// whose displayed table at 1000 °C reads I0air 8268.18, I0g 9801.69, Iash 186.96;
// the sums below are done by hand on those texts.
#include "calc/diagram.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "calc/cycle.h"
#include "calc/design.h"
#include "calc/enthalpy.h"
#include "calc/fuel_document.h"
#include "typed_coal.h"

namespace calc {
namespace {

using test_support::Design;
using test_support::LoadCoal;

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
  LoadCoal(doc);
  Design(doc, "1.2", 0, "1250");
  const Diagram d = MakeDiagram(doc.XLSheet6, doc.XLSheet8, doc.XLSheet15, kFuelStateCells);

  EXPECT_EQ(d.excess_air_text + " " + d.unit, "1.2 кДж/кг");
  ASSERT_EQ(d.air.size(), 25u);
  ASSERT_EQ(d.gas.size(), 25u);
  EXPECT_EQ(d.air.back().temperature, 2500);
  // 0.2 · 8268.18 + 9801.69 + 186.96 = 11642.286; α is the single nearest 1.2, 4.8e-8
  // above it, which adds 0.0004 here, and 0.0009 to the next sum.
  EXPECT_NEAR(d.gas[9].enthalpy, 11642.286, 1e-3);
  // 2100 °C shows "-" for the ash, counted as 0: 0.2 · 18594.77 + 22299.92 = 26018.874.
  EXPECT_NEAR(d.gas[20].enthalpy, 26018.874, 1e-3);
  // The ash line ends at 2000 °C, the last column with a number.
  ASSERT_EQ(d.ash.size(), 20u);
  EXPECT_EQ(d.ash.back().temperature, 2000);
  EXPECT_NEAR(d.ash.back().enthalpy, 477.28, 1e-9);

  // The design state lies on the gas line: the lookup interpolates the same texts and
  // shows two decimals, so it may differ by rounding only.
  ASSERT_TRUE(d.state.has_value());
  EXPECT_EQ(d.state->temperature, 1250);
  EXPECT_NEAR(d.state->enthalpy, GasLineAt(d, 1250), 0.02);

  // A state found from a given flue-gas enthalpy lies on the line too.
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
  EXPECT_EQ(d.air[1].temperature, 300);
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

TEST(DiagramTest, StateExcessAirAndUnitFromTheirCells) {
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
  // The single fuel's cells of the same sheet are empty; a state needs both its cells.
  EXPECT_FALSE(DiagramState(design, kFuelStateCells).has_value());
  design.SetText(4, 7, "-");
  EXPECT_FALSE(DiagramState(design, kMixtureStateCells).has_value());
  design.SetText(4, 7, "15000");
  design.SetText(4, 5, "");
  EXPECT_FALSE(DiagramState(design, kMixtureStateCells).has_value());

  // An excess air that is no number, or too large for a single, draws at 1 and says so.
  for (const char* text : {"abc", "1e39", ""}) {
    design.SetText(1, 2, text);
    EXPECT_FLOAT_EQ(DiagramExcessAir(design), 1) << text;
    EXPECT_EQ(MakeDiagram(doc.XLSheet16, doc.XLSheet18, design, kMixtureStateCells).excess_air_text,
              "1")
        << text;
  }

  EXPECT_EQ(EnthalpyUnit(doc.XLSheet18), "кДж/кг");
  SetEnthalpyTitles(doc, true);
  EXPECT_EQ(EnthalpyUnit(doc.XLSheet8), "кДж/м3");
  EXPECT_EQ(EnthalpyUnit(sheets::Sheet(1, 4)), "");
}

}  // namespace
}  // namespace calc
