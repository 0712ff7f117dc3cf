// The single-fuel cycle on the document: collect, scatter and recalculate. The worked
// coal's figures are the calculator's golden run; here the rules around them: the heating
// value under its box, totals and ranges, refused texts, type and norms switches.
#include "calc/cycle.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "calc/composition_range.h"
#include "calc/fuel_document.h"
#include "calc/input_notice.h"
#include "calc/volumes.h"
#include "sheets/cell.h"
#include "sheets/errors.h"
#include "typed_coal.h"

namespace calc {
namespace {

using test_support::TypeWorkedCoal;

TEST(CycleTest, HeatingValueIsFlooredAndOnlyComputedUnderItsBox) {
  FuelDocument doc(',');
  TypeWorkedCoal(doc, false);
  doc.CheckBox2 = true;
  XLGrid1EditModeChanged(doc);
  EXPECT_EQ(doc.XLSheet3.Text(1, 10), "21861");  // scattered back to the input sheet

  doc.CheckBox2 = false;
  doc.XLSheet3.SetText(1, 3, "55,1");  // 21894.9 kJ/kg before the floor
  doc.XLSheet3.SetText(1, 10, "0");
  doc.CheckBox1 = true;  // the 1973 box does not count under the 1998 norms
  XLGrid1EditModeChanged(doc);
  EXPECT_EQ(doc.XLSheet10.Text(2, 8), "0");
  EXPECT_EQ(doc.XLSheet4.Text(1, 1), "0");  // no division by a heating value of 0
  EXPECT_EQ(doc.XLSheet4.Text(1, 2), "0");
  CheckBox1Click(doc);
  doc.CheckBox2 = true;
  CheckBox1Click(doc);
  EXPECT_EQ(doc.XLSheet10.Text(2, 8), "21894");
}

TEST(CycleTest, TotalIsCheckedOnItsRoundedTextAndContentsOnTheirRange) {
  FuelDocument doc;
  TypeWorkedCoal(doc, false);
  const auto total_red = [&doc] { return doc.XLSheet3.At(1, 8).font_color == sheets::kRed; };
  doc.XLSheet3.SetText(1, 7, "7.994");  // 99.994
  XLGrid1EditModeChanged(doc);
  EXPECT_EQ(doc.XLSheet3.Text(1, 8), "99.99");
  EXPECT_TRUE(total_red());
  EXPECT_EQ(doc.XLSheet1_1.At(1, 8).font_color, sheets::kRed);
  doc.XLSheet3.SetText(1, 7, "7.996");  // 99.996 shows as 100
  XLGrid1EditModeChanged(doc);
  EXPECT_EQ(doc.XLSheet3.Text(1, 8), "100");
  EXPECT_FALSE(total_red());
  // An emptied carbon cell is 0 at the collect and the total turns red.
  doc.XLSheet3.SetText(1, 3, "");
  EXPECT_TRUE(XLGrid1EditModeChanged(doc).empty());
  EXPECT_EQ(doc.XLSheet3.Text(1, 3), "0");
  EXPECT_TRUE(total_red());
  // A content out of range turns its cell and the total red, even when they make 100.
  for (const auto& [r, text] :
       std::vector<std::pair<int, std::string>>{{1, "-5"}, {3, "55"}, {7, "23"}}) {
    doc.XLSheet3.SetText(1, r, text);
  }
  XLGrid1EditModeChanged(doc);
  EXPECT_EQ(doc.XLSheet3.Text(1, 8), "100");
  EXPECT_TRUE(total_red());
  EXPECT_EQ(doc.XLSheet3.At(1, 1).font_color, sheets::kRed);
  EXPECT_EQ(doc.XLSheet3.At(1, 1).hint, "Допустимо: от 0 до 100 %");
  EXPECT_EQ(doc.XLSheet3.At(1, 2).font_color, sheets::kBlack);
  // W + A of 100 leaves no combustible mass: both are out of range; the others are not.
  for (int r = 1; r <= 7; ++r) doc.XLSheet3.SetText(1, r, r == 1 ? "60" : r == 2 ? "40" : "0");
  XLGrid1EditModeChanged(doc);
  for (const int r : {1, 2}) {
    EXPECT_EQ(doc.XLSheet3.At(1, r).font_color, sheets::kRed) << r;
    EXPECT_EQ(doc.XLSheet3.At(1, r).hint, "Допустимо: W + A менее 100 %") << r;
  }
  EXPECT_EQ(doc.XLSheet3.At(1, 3).font_color, sheets::kBlack);
  doc.XLSheet3.SetText(1, 1, "59.99");
  XLGrid1EditModeChanged(doc);
  EXPECT_TRUE(CompositionOutOfRange(doc).empty());
  EXPECT_EQ(doc.XLSheet3.At(1, 1).hint, "");
  // The ash oxides have their own total.
  for (int row = 2; row <= 9; ++row) doc.XLSheet5.SetText(1, row, "12.5");
  XLGrid1EditModeChanged(doc);
  EXPECT_EQ(doc.XLSheet5.Text(1, 10), "100");
  EXPECT_EQ(doc.XLSheet5.At(1, 10).font_color, sheets::kBlack);
}

// A typed text that is no number is refused (every input sheet is collected by the one
// routine, its cells by the layout's test): the record keeps its value, the scatter shows
// it again, and the notice names the cell and the text. Several refusals are told together.
TEST(CycleTest, CollectRefusesATextThatIsNoNumber) {
  FuelDocument doc(',');
  TypeWorkedCoal(doc);
  doc.XLSheet5.SetText(1, 2, "1,5");
  XLGrid1EditModeChanged(doc);
  doc.XLSheet5.SetText(1, 2, "1,2,3");  // SiO2, record row 25
  InputNotices notices = CollectAllData(doc);
  ASSERT_EQ(notices.size(), 1u);
  EXPECT_EQ(notices[0].sheet, &doc.XLSheet5);
  EXPECT_EQ(notices[0].row, 2);
  EXPECT_EQ(doc.XLSheet10.Text(2, 25), "1,5");
  ScatterAllData(doc);
  EXPECT_EQ(doc.XLSheet5.Text(1, 2), "1,5");

  doc.XLSheet3.SetText(1, 1, "abc");
  doc.XLSheet3.SetText(1, 2, "21 861");  // repaired only as it is committed; here no number
  EXPECT_EQ(NoticesText(XLGrid1EditModeChanged(doc)),
            "«abc» — не число, значение не изменено; «21 861» — не число, значение не изменено");
  EXPECT_EQ(doc.XLSheet3.Text(1, 1), "10");
}

// The heating value of a gas per cubic metre, 0.01 · 4.1868 · Σ q·r with q in kcal/m3,
// worked by hand in extended precision: 100 % CH4 gives 0.041868 · 855500 = 35818.074, far
// enough from a whole number for the floor to be safe against the single's rounding.
TEST(CycleTest, GasHeatingValuePerCubicMetreAndTotal) {
  FuelDocument doc;
  ComboBox3Change(doc, kGasType);
  doc.XLSheet1_2.SetText(1, 1, "100");
  doc.CheckBox1 = true;  // either box computes a gas's heating value
  XLGrid1EditModeChanged(doc);
  EXPECT_EQ(doc.XLSheet1_2.Text(1, 15), "35818");
  EXPECT_EQ(doc.XLSheet10.Text(2, 12), "35818");
  EXPECT_EQ(doc.XLSheet1_2.Text(1, 13), "100");
  EXPECT_EQ(doc.XLSheet1_2.At(1, 13).font_color, sheets::kBlack);
  EXPECT_EQ(doc.XLSheet13.Text(1, 0), "");  // a gas leaves the carry-over alone

  doc.CheckBox1 = false;  // the box off: a typed value stays
  doc.XLSheet1_2.SetText(1, 15, "36000");
  XLGrid1EditModeChanged(doc);
  EXPECT_EQ(doc.XLSheet1_2.Text(1, 15), "36000");
  doc.CheckBox1 = true;

  // N2, CO2 and O2 burn to nothing; H2S, C5H12, CO, H2 and the unsaturated hydrocarbons,
  // 20 % each: 0.041868 · 20 · (5585 + 34890 + 3018 + 2579 + 17000) = 52813.97, so that
  // 1 kcal/m3 more of any shows.
  for (const auto& [burning, expected] : std::vector<std::pair<std::vector<int>, std::string>>{
           {{6, 7, 9}, "0"}, {{5, 8, 10, 11, 12}, "52813"}}) {
    for (int row = 1; row <= 12; ++row) doc.XLSheet1_2.SetText(1, row, "0");
    for (const int row : burning) doc.XLSheet1_2.SetText(1, row, "20");
    XLGrid1EditModeChanged(doc);
    EXPECT_EQ(doc.XLSheet1_2.Text(1, 15), expected);
  }
}

// Texts of every result sheet of the single fuel, to compare two states of a document.
std::vector<std::string> ResultTexts(const FuelDocument& doc) {
  std::vector<std::string> texts;
  for (const sheets::Sheet* sheet : {&doc.XLSheet1_2, &doc.XLSheet2, &doc.XLSheet3, &doc.XLSheet4,
                                     &doc.XLSheet6, &doc.XLSheet7, &doc.XLSheet8, &doc.XLSheet19}) {
    for (int row = 0; row < sheet->RowCount(); ++row)
      for (int col = 0; col < sheet->ColCount(); ++col) texts.push_back(sheet->Text(col, row));
  }
  return texts;
}

// A type switch converts no value, but every result and unit is that of the new kind at
// once: one more cycle changes nothing.
TEST(CycleTest, TypeChangeConvertsNothingAndRecomputesEverything) {
  FuelDocument doc;
  TypeWorkedCoal(doc, false);
  doc.XLSheet3.SetText(1, 11, "25.4");  // bomb value, record row 16
  doc.XLSheet4.SetText(1, 4, "1150");
  doc.XLSheet4.SetInteger(1, 10, 1);  // slagging "нет"
  XLGrid1EditModeChanged(doc);
  EXPECT_EQ(doc.XLSheet10.Text(2, 24), "0");
  const std::vector<std::string> coal = ResultTexts(doc);

  ComboBox3Change(doc, kGasType);
  EXPECT_EQ(doc.XLSheet1_2.Text(1, 1), "10");  // the moisture in the CH4 cell
  EXPECT_EQ(doc.XLSheet4.Text(1, 4), "0");
  EXPECT_EQ(doc.XLSheet4.Text(1, 10), "нет");
  const std::vector<std::string> gas = ResultTexts(doc);
  XLGrid1EditModeChanged(doc);
  EXPECT_EQ(ResultTexts(doc), gas);
  EXPECT_NE(gas, coal);

  ComboBox3Change(doc, 2);
  EXPECT_FALSE(doc.GasSheetsShown);
  EXPECT_EQ(doc.XLSheet3.Text(1, 11), "25.4");
  const std::vector<std::string> brown = ResultTexts(doc);
  XLGrid1EditModeChanged(doc);
  EXPECT_EQ(ResultTexts(doc), brown);
  doc.XLSheet4.SetInteger(1, 10, 0);  // "да" is stored as 1
  XLGrid1EditModeChanged(doc);
  EXPECT_EQ(doc.XLSheet10.Text(2, 24), "1");
  EXPECT_EQ(doc.XLSheet10.Text(2, 15), "2");
}

TEST(CycleTest, NormsSwitchSelectsTheLayout) {
  FuelDocument doc;
  TypeWorkedCoal(doc, false);
  XLGrid1EditModeChanged(doc);
  const std::string table_before = doc.XLSheet6.Text(9, 1);
  const std::string reduced_before = doc.XLSheet4.Text(1, 2);

  RadioButton1Click(doc, true);
  EXPECT_EQ(doc.XLSheet1_1.Text(1, 3), "55");
  doc.XLSheet1_1.SetText(1, 3, "60");
  doc.XLSheet1_1.SetText(1, 11, "22000");
  XLGrid1EditModeChanged(doc);
  EXPECT_EQ(doc.XLSheet1_1.Text(1, 8), "105");
  EXPECT_EQ(doc.XLSheet6.Text(9, 1), table_before);  // table and reduced values kept
  EXPECT_EQ(doc.XLSheet4.Text(1, 2), reduced_before);
  EXPECT_NE(doc.XLSheet2.Text(1, 2), "5.7498");  // the volumes follow the new carbon

  RadioButton1Click(doc, false);
  EXPECT_EQ(doc.XLSheet3.Text(1, 3), "60");
  EXPECT_NE(doc.XLSheet6.Text(9, 1), table_before);
}

// The gas labels are in the layout's golden file; back to solid, the record view reads
// its own solid labels, not the layout's.
TEST(CycleTest, RecordViewRelabelsAndNewFuelEmpties) {
  FuelDocument doc;
  RadioGroup1Click(doc, 1);
  RadioGroup1Click(doc, 0);
  EXPECT_EQ(doc.XLSheet10.Text(1, 9), " Коэф-т размолоспособности");
  EXPECT_EQ(doc.XLSheet10.Text(3, 11), "°C");

  ComboBox3Change(doc, kGasType);
  doc.XLSheet1_2.SetText(1, 1, "94");
  XLGrid1EditModeChanged(doc);
  NewFuel(doc);
  EXPECT_EQ(doc.ComboBox1, "Новое топливо");
  EXPECT_EQ(doc.ComboBox3, 0);
  EXPECT_FALSE(doc.GasSheetsShown);
  EXPECT_EQ(doc.XLSheet10.Text(2, 0), "0");
  EXPECT_EQ(doc.XLSheet2.Text(1, 2), "0");
}

std::vector<std::string> Shown(const Record& record, int type, char sep = '.') {
  FuelDocument doc(sep);
  WriteVolumes(doc, ComputeTheoreticalVolumes(record, type));
  return {doc.XLSheet2.Text(1, 2), doc.XLSheet2.Text(1, 3), doc.XLSheet2.Text(1, 4),
          doc.XLSheet2.Text(1, 5)};
}

TEST(VolumesTest, GasComponentsAndEmptyRecords) {
  using V = std::vector<std::string>;
  // Theoretical volumes at excess air 1 by hand (the example coal's and gas's are in the
  // golden runs). A town gas: V0 = 0.0476 · (2 · 25 + 0.5 · (7 + 58) + 1.5 · 0.4 − 0.6) =
  // 3.927; VN2 = 0.79 · V0 + 0.05; VRO2 = 0.01 · (25 + 3 + 7 + 0.4); VH2O = 0.01 · (50 +
  // 0.4 + 58 + 1.24 + 1.61 · V0).
  Record town{};
  town[0] = 25, town[5] = 5, town[6] = 3, town[7] = 0.4f, town[8] = 0.6f, town[9] = 7;
  town[10] = 58;
  EXPECT_EQ(Shown(town, kGasType, ','), (V{"3,927", "3,1523", "0,354", "1,1596"}));
  // Nothing in the record: a gas still carries its own moisture, 1.24 % by volume; no
  // entry selected in the type list counts as solid.
  EXPECT_EQ(Shown(Record{}, kGasType), (V{"0", "0", "0", "0.0124"}));
  EXPECT_EQ(Shown(Record{}, -1), (V{"0", "0", "0", "0"}));
  // Oxygen alone: V0 = -0.0333 is shown unchanged and feeds the nitrogen and the vapour.
  Record oxygen{};
  oxygen[6] = 1;
  EXPECT_EQ(Shown(oxygen, 0), (V{"-0.0333", "-0.0263", "0", "-0.0005"}));

  FuelDocument doc;
  doc.XLSheet10.SetText(2, 3, "abc");  // a record value that is not a number stops the run
  EXPECT_THROW(RecalcFuel(doc), sheets::ConvertError);
}

}  // namespace
}  // namespace calc
