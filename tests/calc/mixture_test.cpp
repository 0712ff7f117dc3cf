// Mixtures: the count and slot rules, validity, and the mixture's design parameters. The
// 60/40 example mixture's figures are the calculator's golden runs; here a coal W 10, A 20,
// C 55, H 4, N 1, S 2, O 8 and a natural gas of density 0.73 kg/m3, texts compared exactly.
#include "calc/mixture.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "calc/fuel_document.h"
#include "sheets/errors.h"

namespace calc {
namespace {

using Texts = std::vector<std::string>;

// Puts a record into the document as a loaded library fuel would be.
void Load(FuelDocument& doc, const std::string& name, int type,
          const std::map<int, float>& values) {
  doc.ComboBox1 = name;
  doc.ComboBox3 = type;
  for (int row = 0; row < 50; ++row) doc.XLSheet10.SetSingle(2, row, 0);
  for (const auto& [row, value] : values) doc.XLSheet10.SetSingle(2, row, value);
  doc.XLSheet10.SetSingle(2, 15, static_cast<float>(type));
}

void LoadCoal(FuelDocument& doc) {
  Load(doc, "Уголь", 1, {{0, 10}, {1, 20}, {2, 55}, {3, 4}, {4, 1}, {5, 2}, {6, 8}, {8, 21861}});
}

void LoadGas(FuelDocument& doc, float density = 0.73f) {
  Load(doc, "Газ", kGasType, {{0, 94}, {5, 2}, {12, 35000}, {13, density}});
}

// The coal in slot 1 and the gas in slot 2, shared as given.
void CoalAndGas(FuelDocument& doc, const char* coal, const char* gas) {
  LoadCoal(doc);
  PickComponent(doc, 1);
  LoadGas(doc);
  PickComponent(doc, 2);
  ShareChange(doc, 1, coal);
  ShareChange(doc, 2, gas);
}

Texts Results(const FuelDocument& doc) {
  return {doc.XLSheet14.Text(1, 3), doc.XLSheet14.Text(1, 4), doc.XLSheet14.Text(1, 5),
          doc.XLSheet14.Text(1, 6), doc.XLSheet14.Text(1, 8)};
}

TEST(MixtureTest, CountFieldCorrectionsAndTabs) {
  FuelDocument doc;
  EXPECT_EQ(doc.GSPageTabShown, (std::array<bool, 5>{true, true, false, false, false}));
  SetComponentCount(doc, "7");
  EXPECT_EQ(doc.Edit1, "5");
  EXPECT_EQ(doc.GSPageTabShown, (std::array<bool, 5>{true, true, true, true, true}));
  SetComponentCount(doc, "1");
  EXPECT_EQ(doc.Edit1, "2");
  SetComponentCount(doc, "4");
  doc.GSPagesActive = 3;
  SetComponentCount(doc, "");  // cleared while typing: nothing yet
  EXPECT_EQ(doc.Edit1, "");
  EXPECT_EQ(doc.GSPageTabShown[3], true);
  Edit1Exit(doc);
  EXPECT_EQ(doc.Edit1, "2");
  EXPECT_EQ(doc.GSPageTabShown, (std::array<bool, 5>{true, true, false, false, false}));
  EXPECT_EQ(doc.GSPagesActive, 0);
}

TEST(MixtureTest, ValidityOfSharesSlotsAndCount) {
  FuelDocument doc;
  LoadCoal(doc);
  PickComponent(doc, 1);
  EXPECT_EQ(doc.Slots[0].name, "Уголь");
  EXPECT_EQ(doc.Slots[0].type_name, "каменный уголь");
  EXPECT_FALSE(doc.SpeedButton13);

  // An unfilled slot holds zeros: half of the coal's volumes and heating value.
  ShareChange(doc, 1, "50");
  ShareChange(doc, 2, "50");
  EXPECT_EQ(doc.Edit3, "100");
  EXPECT_TRUE(doc.SpeedButton13);
  EXPECT_EQ(Results(doc), (Texts{"2.875", "2.275", "0.52", "0.33", "10930.5"}));
  EXPECT_FALSE(doc.XLSheet17.Text(1, 6).empty());  // the design parameters follow too
  doc.PageControl2 = 1;

  ShareChange(doc, 2, "40");  // 90 %: every result cleared, the results page closed
  EXPECT_EQ(doc.Edit3, "90");
  EXPECT_FALSE(doc.SpeedButton13);
  EXPECT_EQ(Results(doc), (Texts{"", "", "", "", ""}));
  EXPECT_EQ(doc.XLSheet16.Text(9, 1), "");
  EXPECT_EQ(doc.XLSheet16.Text(0, 0), "100");  // the temperatures stay
  EXPECT_EQ(doc.XLSheet17.Text(1, 6), "");
  EXPECT_EQ(doc.PageControl2, 0);

  SetComponentCount(doc, "3");  // a slot above the count is ignored, and kept while hidden
  ShareChange(doc, 3, "20");
  SetComponentCount(doc, "2");
  ShareChange(doc, 2, "50");
  EXPECT_TRUE(doc.SpeedButton13);
  EXPECT_EQ(doc.Slots[2].share, "20");

  // Shares that total 100 with one below 0 make no mixture, and the page says why.
  ShareChange(doc, 1, "-900");
  ShareChange(doc, 2, "1000");
  EXPECT_EQ(doc.Edit3, "100");
  EXPECT_FALSE(doc.SpeedButton13);
  EXPECT_EQ(Results(doc), (Texts{"", "", "", "", ""}));
  EXPECT_EQ(doc.Edit3Hint, "Доля топлива 1 вне диапазона: допустимо от 0 до 100 %");
  ShareChange(doc, 1, "100.5");  // above 100 is refused too, and named before the second
  ShareChange(doc, 2, "-0.5");
  EXPECT_EQ(doc.Edit3Hint, "Доля топлива 1 вне диапазона: допустимо от 0 до 100 %");
  ShareChange(doc, 1, "0");
  ShareChange(doc, 2, "100");
  EXPECT_TRUE(doc.SpeedButton13);
  EXPECT_EQ(doc.Edit3Hint, "");

  doc.XLFuel.SetText(1, 30, "abc");  // a component value that is not a number
  ShareChange(doc, 1, "50");
  ShareChange(doc, 2, "50");
  EXPECT_FALSE(doc.SpeedButton13);
}

// The total is a single and shows as the shortest text that reads back as that single;
// the validity rule compares the single itself. A share reads as every typed number does.
TEST(MixtureTest, CommaSeparatorSharesAndTheirTotal) {
  FuelDocument doc(',');
  LoadCoal(doc);
  PickComponent(doc, 1);
  SetComponentCount(doc, "3");
  ShareChange(doc, 1, "33,3");
  ShareChange(doc, 2, "33,3");
  ShareChange(doc, 3, "33,1");
  EXPECT_EQ(doc.Edit3, "99,7");
  EXPECT_FALSE(doc.SpeedButton13);
  ShareChange(doc, 3, "33,4");  // 33.3f + 33.3f + 33.4f is exactly 100 as a single
  EXPECT_EQ(doc.Edit3, "100");
  EXPECT_TRUE(doc.SpeedButton13);
  SetComponentCount(doc, "2");
  ShareChange(doc, 2, "0");
  for (const auto& [typed, total] : std::vector<std::pair<std::string, std::string>>{
           {"33.3", "33,3"}, {"1 000", "1000"}, {"5%", "0"}}) {
    ShareChange(doc, 1, typed);
    EXPECT_EQ(doc.Edit3, total) << typed;
  }
  ShareChange(doc, 1, "100");
  EXPECT_EQ(Results(doc), (Texts{"5,75", "4,55", "1,04", "0,661", "21861"}));
}

TEST(MixtureTest, GasesOnlyCarryNoAsh) {
  FuelDocument doc;
  CoalAndGas(doc, "60", "40");
  EXPECT_EQ(doc.XLFuel.Integer(5, 49), 0);
  EXPECT_EQ(doc.XLSheet16.Text(19, 3), "286.37");  // A 12 % at 2000 °C; beyond, none
  EXPECT_EQ(doc.XLSheet16.Text(20, 3), "-");
  LoadGas(doc, 0.8f);
  PickComponent(doc, 1);
  ShareChange(doc, 1, "50");
  ShareChange(doc, 2, "50");
  ASSERT_TRUE(doc.SpeedButton13);
  for (int j = 0; j < 25; ++j) EXPECT_EQ(doc.XLSheet16.Text(j, 3), "0");
  EXPECT_EQ(doc.XLFuel.Integer(5, 49), 1);
  SpeedButton13Click(doc);
  EXPECT_EQ(doc.PageControl2, 1);
  EXPECT_EQ(doc.XLSheet17.Text(1, 10), "0");

  // A damaged type row far beyond the list still mixes as a gas.
  const Texts as_gas = Results(doc);
  doc.XLSheet10.SetSingle(2, 15, 3e38f);
  PickComponent(doc, 1);
  EXPECT_EQ(Results(doc), as_gas);

  LoadGas(doc, 0);  // a gas without a density cannot be brought to a kilogram
  PickComponent(doc, 2);
  EXPECT_FALSE(doc.SpeedButton13);
  EXPECT_EQ(doc.XLSheet14.Text(1, 3), "");
}

// The design parameters come from the volumes as shown, with three decimals. A given value
// that fixes no state empties the state cells; the derived parameters stay, and the unit,
// per kilogram, follows the kind. The inputs fall back as the single fuel's do.
TEST(MixtureTest, DesignParametersFromTheThreeDecimalVolumes) {
  FuelDocument doc(',');
  LoadCoal(doc);
  PickComponent(doc, 1);
  ShareChange(doc, 1, "100");
  ShareChange(doc, 2, "0");
  doc.XLSheet17.SetText(1, 2, "1,2");
  SpeedButton13Click(doc);
  EXPECT_EQ(doc.XLSheet17.Text(4, 2), "0,95");
  Texts shown;
  for (int row = 5; row <= 10; ++row) shown.push_back(doc.XLSheet17.Text(1, row));
  EXPECT_EQ(shown, (Texts{"0,6795", "7,401", "0,1405", "0,0893", "0,2298", "0,019365"}));
  ASSERT_EQ(doc.XLSheet17.Text(4, 5), "100");
  doc.XLSheet17.SetInteger(0, 3, 1);
  doc.XLSheet17.SetText(1, 3, "0");
  XLGrid20EditModeChanged(doc);
  EXPECT_EQ((Texts{doc.XLSheet17.Text(4, 5), doc.XLSheet17.Text(4, 6), doc.XLSheet17.Text(4, 7),
                   doc.XLSheet17.Text(1, 5), doc.XLSheet17.Text(2, 3)}),
            (Texts{"", "", "", "0,6795", "кДж/кг"}));

  doc.XLSheet17.SetText(1, 2, "");  // an empty excess air counts as 1
  doc.XLSheet17.SetText(4, 2, "1,5");
  XLGrid20EditModeChanged(doc);
  EXPECT_EQ(doc.XLSheet17.Text(1, 2), "1");
  EXPECT_EQ(doc.XLSheet17.Text(4, 2), "1");
  doc.XLSheet17.SetText(4, 2, "-0,2");
  XLGrid20EditModeChanged(doc);
  EXPECT_EQ(doc.XLSheet17.Text(4, 2), "0");
  for (const std::string alpha : {"-1", "0"}) {
    doc.XLSheet17.SetText(1, 2, alpha);  // rows 5..9 emptied, the ash share with them
    XLGrid20EditModeChanged(doc);
    EXPECT_EQ(doc.XLSheet17.Text(1, 5), "") << alpha;
    EXPECT_EQ(doc.XLSheet17.Text(1, 10), "") << alpha;
  }
}

// A heating value per kilogram beyond single precision fails loudly, never shows "inf".
TEST(MixtureTest, HeatingValueBeyondASingleFailsLoudly) {
  FuelDocument doc;
  Load(doc, "Переполнение", kGasType, {{12, 3e38f}, {13, 0.5f}});
  PickComponent(doc, 1);
  ShareChange(doc, 2, "0");
  EXPECT_THROW(ShareChange(doc, 1, "100"), sheets::MathError);
  EXPECT_EQ(doc.XLSheet14.Text(1, 3), "");
}

}  // namespace
}  // namespace calc
