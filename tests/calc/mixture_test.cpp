// Mixtures: the count and slot rules, validity, mixing by mass and the mixture's table
// and design parameters. Reference values: the worked mixture examples of the normative
// method (a coal W 10, A 20, C 55, H 4, N 1, S 2, O 8 and a natural gas of density
// 0.73 kg/m3), the volumes checked by hand; texts compared exactly.
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

void LoadCoal(FuelDocument& doc, float heating_value = 21861) {
  Load(doc, "Уголь", 1,
       {{0, 10}, {1, 20}, {2, 55}, {3, 4}, {4, 1}, {5, 2}, {6, 8}, {8, heating_value}});
}

void LoadGas(FuelDocument& doc, float density = 0.73f) {
  Load(doc, "Газ", kGasType,
       {{0, 94},
        {1, 2.8f},
        {2, 0.4f},
        {3, 0.2f},
        {4, 0.1f},
        {5, 2},
        {6, 0.5f},
        {12, 35000},
        {13, density}});
}

Texts Results(const FuelDocument& doc) {
  return {doc.XLSheet14.Text(1, 3), doc.XLSheet14.Text(1, 4), doc.XLSheet14.Text(1, 5),
          doc.XLSheet14.Text(1, 6), doc.XLSheet14.Text(1, 8)};
}

TEST(MixtureTest, CountFieldCorrectionsAndTabs) {
  FuelDocument doc;
  EXPECT_EQ(doc.Edit1, "2");
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
  SetComponentCount(doc, "x");
  Edit1Exit(doc);
  EXPECT_EQ(doc.Edit1, "2");
}

TEST(MixtureTest, ValidityOfSharesSlotsAndCount) {
  FuelDocument doc;
  LoadCoal(doc);
  PickComponent(doc, 1);
  EXPECT_EQ(doc.Slots[0].name, "Уголь");
  EXPECT_EQ(doc.Slots[0].type_name, "каменный уголь");
  EXPECT_EQ(doc.Edit3, "0");
  EXPECT_FALSE(doc.SpeedButton13);

  // An unfilled slot holds zeros: half of the coal's volumes and heating value.
  ShareChange(doc, 1, "50");
  ShareChange(doc, 2, "50");
  EXPECT_EQ(doc.Edit3, "100");
  EXPECT_TRUE(doc.SpeedButton13);
  EXPECT_EQ(Results(doc), (Texts{"2.875", "2.275", "0.52", "0.33", "10930.5"}));
  EXPECT_FALSE(doc.XLSheet16.Text(9, 1).empty());
  EXPECT_FALSE(doc.XLSheet17.Text(1, 6).empty());  // the design parameters follow too
  doc.PageControl2 = 1;

  ShareChange(doc, 1, "60");
  ShareChange(doc, 2, "30");  // 90 %: every result cleared, the results page closed
  EXPECT_EQ(doc.Edit3, "90");
  EXPECT_FALSE(doc.SpeedButton13);
  EXPECT_EQ(Results(doc), (Texts{"", "", "", "", ""}));
  EXPECT_EQ(doc.XLSheet16.Text(9, 1), "");
  EXPECT_EQ(doc.XLSheet16.Text(0, 0), "100");  // the temperatures stay
  EXPECT_EQ(doc.XLSheet17.Text(1, 6), "");
  EXPECT_EQ(doc.PageControl2, 0);

  ShareChange(doc, 2, "");  // an emptied share counts as 0
  EXPECT_EQ(doc.Edit3, "60");
  ShareChange(doc, 1, "50");

  SetComponentCount(doc, "3");  // a slot above the count is ignored
  ShareChange(doc, 3, "20");
  SetComponentCount(doc, "2");
  ShareChange(doc, 2, "50");
  EXPECT_TRUE(doc.SpeedButton13);
  EXPECT_EQ(doc.Slots[2].share, "20");  // kept while hidden

  ShareChange(doc, 1, "много");  // letters count as 0
  ShareChange(doc, 2, "100");
  EXPECT_EQ(doc.Edit3, "100");
  EXPECT_TRUE(doc.SpeedButton13);

  ShareChange(doc, 1, "33.3");
  ShareChange(doc, 2, "0");
  EXPECT_EQ(doc.Edit3, "33.3");
  EXPECT_EQ(doc.Edit3Hint, "");

  // Shares that total 100 with one below 0 make no mixture, and the page says why.
  ShareChange(doc, 1, "-900");
  ShareChange(doc, 2, "1000");
  EXPECT_EQ(doc.Edit3, "100");
  EXPECT_FALSE(doc.SpeedButton13);
  EXPECT_EQ(Results(doc), (Texts{"", "", "", "", ""}));
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

// The total is a single and shows as the shortest text that reads back as that single,
// so no noise of the binary fraction shows; the validity rule compares the single itself.
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
  // A share is read as every typed number: the other separator and digit-group spaces are
  // the same number; a text that is no number counts as 0.
  ShareChange(doc, 1, "33.3");
  EXPECT_EQ(doc.Edit3, "33,3");
  ShareChange(doc, 1, "1 000");
  EXPECT_EQ(doc.Edit3, "1000");
  ShareChange(doc, 1, "5%");
  EXPECT_EQ(doc.Edit3, "0");
  ShareChange(doc, 1, "100");
  EXPECT_EQ(Results(doc), (Texts{"5,75", "4,55", "1,04", "0,661", "21861"}));
}

TEST(MixtureTest, SolidAndGasByMass) {
  for (const char sep : {'.', ','}) {
    FuelDocument doc(sep);
    LoadCoal(doc, 20000);
    PickComponent(doc, 1);
    LoadGas(doc);
    PickComponent(doc, 2);
    ShareChange(doc, 1, "60");
    ShareChange(doc, 2, "40");
    const std::string p(1, sep);
    EXPECT_EQ(Results(doc), (Texts{"8" + p + "716", "6" + p + "901", "1" + p + "186",
                                   "1" + p + "582", "31178" + p + "1"}));
    // A 12 %: Iash at 100 °C = 80.8 · 0.95 · 12 · 0.01.
    EXPECT_EQ(doc.XLSheet16.Text(0, 3), "9" + p + "21");
    EXPECT_EQ(doc.XLSheet16.Text(19, 3), "286" + p + "37");
    for (int j = 20; j < 25; ++j) EXPECT_EQ(doc.XLSheet16.Text(j, 3), "-");
    EXPECT_EQ(doc.XLFuel.Integer(5, 49), 0);
    EXPECT_EQ(doc.XLSheet17.Text(4, 2), "0" + p + "95");
  }
}

TEST(MixtureTest, GasesOnlyCarryNoAsh) {
  FuelDocument doc;
  LoadGas(doc);
  PickComponent(doc, 1);
  LoadGas(doc, 0.8f);
  PickComponent(doc, 2);
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
  PickComponent(doc, 2);
  EXPECT_EQ(Results(doc), as_gas);

  LoadGas(doc, 0);  // a gas without a density cannot be brought to a kilogram
  PickComponent(doc, 2);
  EXPECT_FALSE(doc.SpeedButton13);
  EXPECT_EQ(doc.XLSheet14.Text(1, 3), "");
}

TEST(MixtureTest, DesignParametersFromTheThreeDecimalVolumes) {
  for (const char sep : {'.', ','}) {
    FuelDocument doc(sep);
    LoadCoal(doc);
    PickComponent(doc, 1);
    ShareChange(doc, 1, "100");
    ShareChange(doc, 2, "0");
    const std::string p(1, sep);
    doc.XLSheet17.SetText(1, 2, "1" + p + "2");
    SpeedButton13Click(doc);
    EXPECT_EQ(doc.XLSheet17.Text(4, 2), "0" + p + "95");
    std::vector<std::string> shown;
    for (int row = 5; row <= 10; ++row) shown.push_back(doc.XLSheet17.Text(1, row));
    EXPECT_EQ(shown, (Texts{"0" + p + "6795", "7" + p + "401", "0" + p + "1405", "0" + p + "0893",
                            "0" + p + "2298", "0" + p + "019365"}));
    EXPECT_EQ(doc.XLSheet17.Text(4, 5), "100");
    EXPECT_EQ(doc.XLSheet17.Text(2, 3), "°C");

    doc.XLSheet17.SetText(1, 2, "");  // an empty excess air counts as 1
    doc.XLSheet17.SetInteger(0, 3, 1);
    doc.XLSheet17.SetText(4, 2, "1" + p + "5");
    XLGrid20EditModeChanged(doc);
    EXPECT_EQ(doc.XLSheet17.Text(1, 2), "1");
    EXPECT_EQ(doc.XLSheet17.Text(4, 2), "1");
    EXPECT_EQ(doc.XLSheet17.Text(2, 3), "кДж/кг");
    doc.XLSheet17.SetText(4, 2, "-0" + p + "2");
    XLGrid20EditModeChanged(doc);
    EXPECT_EQ(doc.XLSheet17.Text(4, 2), "0");

    for (const std::string alpha : {"-1", "0"}) {
      doc.XLSheet17.SetText(1, 2, alpha);  // rows 5..9 emptied, the ash share with them
      XLGrid20EditModeChanged(doc);
      EXPECT_EQ(doc.XLSheet17.Text(1, 5), "") << alpha;
      EXPECT_EQ(doc.XLSheet17.Text(1, 10), "") << alpha;
    }
  }
}

// The mixture's design calculation with a given value that fixes no state: the
// temperature and both enthalpies are emptied and no lookup runs; the rest is computed,
// and the unit, per kilogram as everything of a mixture, follows the kind.
TEST(MixtureTest, GivenValueThatFixesNoStateEmptiesTheState) {
  FuelDocument doc;
  LoadCoal(doc);
  PickComponent(doc, 1);
  LoadGas(doc);
  PickComponent(doc, 2);
  ShareChange(doc, 1, "60");
  ShareChange(doc, 2, "40");
  ASSERT_TRUE(doc.SpeedButton13);
  doc.XLSheet17.SetText(1, 2, "1.2");
  const auto state = [&doc] {
    return Texts{doc.XLSheet17.Text(4, 5), doc.XLSheet17.Text(4, 6), doc.XLSheet17.Text(4, 7)};
  };
  const auto type = [&doc](int kind, const std::string& given) {
    doc.XLSheet17.SetInteger(0, 3, kind);
    doc.XLSheet17.SetText(1, 3, given);
    XLGrid20EditModeChanged(doc);
  };
  type(0, "1000");
  const Texts derived = {doc.XLSheet17.Text(1, 5), doc.XLSheet17.Text(1, 10)};
  for (int kind = 0; kind <= 2; ++kind) {
    for (const char* given : {"abc", "0", "-5", ""}) {
      type(0, "1000");
      ASSERT_EQ(state()[0], "1000");
      type(kind, given);
      EXPECT_EQ(state(), (Texts{"", "", ""})) << kind << " '" << given << "'";
      EXPECT_EQ((Texts{doc.XLSheet17.Text(1, 5), doc.XLSheet17.Text(1, 10)}), derived);
      EXPECT_EQ(doc.XLSheet17.Text(2, 3), kind == 0 ? "°C" : "кДж/кг");
    }
  }
}

TEST(MixtureTest, RepairAndUnguardedFailures) {
  FuelDocument doc(',');
  doc.XLSheet17.SetText(1, 2, "1.2");
  doc.XLSheet17.SetText(1, 3, "1.000,5");
  doc.XLSheet17.SetText(4, 2, "0.9");
  XLGrid20Exit(doc);
  EXPECT_EQ(doc.XLSheet17.Text(1, 2), "1,2");
  EXPECT_EQ(doc.XLSheet17.Text(1, 3), "1.000,5");
  EXPECT_EQ(doc.XLSheet17.Text(4, 2), "0,9");

  // A mixture whose heating value per kilogram overflows single precision fails loudly,
  // never shows "inf".
  Load(doc, "Переполнение", kGasType, {{12, 3e38f}, {13, 0.5f}});
  PickComponent(doc, 1);
  ShareChange(doc, 2, "0");
  EXPECT_THROW(ShareChange(doc, 1, "100"), sheets::MathError);
  EXPECT_EQ(doc.XLSheet14.Text(1, 3), "");
}

}  // namespace
}  // namespace calc
