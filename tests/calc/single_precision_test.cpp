// Inputs that read as numbers but do not fit a single, and results that go to their cells
// without being stored in single precision. The last decimals are worked out by hand from
// the singles that the displayed texts read as; texts compared exactly.
#include <gtest/gtest.h>

#include <cctype>
#include <string>
#include <vector>

#include "calc/cycle.h"
#include "calc/design.h"
#include "calc/fuel_document.h"
#include "calc/mixture.h"
#include "sheets/errors.h"
#include "typed_coal.h"

namespace calc {
namespace {

using Texts = std::vector<std::string>;
using test_support::TypeWorkedCoal;

Texts Column(const sheets::Sheet& sheet, int col, int first, int last) {
  Texts texts;
  for (int row = first; row <= last; ++row) texts.push_back(sheet.Text(col, row));
  return texts;
}

// 1e39 parses, but no single holds it: the carry-over (read for the mixture's design by the
// same routine) and a component value take the fallback of a text that is no number
// instead of ending the run.
TEST(SinglePrecisionTest, InputBeyondSinglePrecisionTakesTheFallback) {
  FuelDocument doc;
  TypeWorkedCoal(doc);
  doc.XLSheet13.SetText(1, 0, "1e39");
  ASSERT_NO_THROW(XLGrid1EditModeChanged(doc));
  EXPECT_EQ(doc.XLSheet13.Text(1, 0), "0.95");
  EXPECT_EQ(doc.XLSheet6.Text(0, 3), "15.35");  // 80.8 · 0.95 · 20 · 0.01

  // A component value beyond a single makes the mixture incomplete; its total still shows.
  PickComponent(doc, 1);
  ShareChange(doc, 1, "50");
  ShareChange(doc, 2, "50");
  doc.XLFuel.SetText(1, 30, "1e39");
  ASSERT_NO_THROW(ShareChange(doc, 2, "50"));
  EXPECT_EQ(doc.Edit3, "100");
  EXPECT_FALSE(doc.SpeedButton13);
  EXPECT_EQ(Column(doc.XLSheet14, 1, 3, 6), (Texts{"", "", "", ""}));
}

// Every result is stored as a single before it is shown, as the normative procedure keeps
// its intermediates; near a rounding boundary that decides the last digit.
TEST(SinglePrecisionTest, ResultsAreShownFromTheirSingle) {
  FuelDocument doc(',');
  // W 0.7: 1000 · 0.7 / 22400 = 0.03124999947, whose single is 0.03125000...
  doc.XLSheet3.SetText(1, 1, "0,7");
  doc.XLSheet3.SetText(1, 2, "0,9");  // A 0.9: 0.04017857
  doc.XLSheet3.SetText(1, 10, "22400");
  XLGrid1EditModeChanged(doc);
  EXPECT_EQ(Column(doc.XLSheet4, 1, 1, 2), (Texts{"0,0313", "0,0402"}));

  FuelDocument coal;
  TypeWorkedCoal(coal);
  XLGrid1EditModeChanged(coal);
  // α 1.75: Vg = 6.25120013952 + 0.75 · 5.74980020523 = 10.56355029345, whose single
  // lies below 10.56355.
  test_support::Design(coal, "1.75", 0, "100");
  EXPECT_EQ(Column(coal.XLSheet15, 1, 6, 11),
            (Texts{"0.73", "10.5635", "0.0985", "0.0625", "0.161", "0.013629"}));
}

// Hostile texts typed into the inputs that the fuzzer does not type (it feeds the record
// through a file, and types the design inputs and the shares): the carry-over of the
// enthalpy tab and the heat balance of a solid and of a gas, and of their mixture. The
// edit cycle may end with a calculation failure for the error report, the guarded design
// run never throws, and no cell ever shows an infinity or a NaN.
TEST(SinglePrecisionTest, HostileInputNeverShowsInfinityOrEscapesAGuard) {
  const auto non_finite = [](std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text.find("inf") != std::string::npos || text.find("nan") != std::string::npos;
  };
  const FuelDocument layout;
  std::vector<std::pair<sheets::Sheet FuelDocument::*, int>> inputs;  // sheet, row of column 1
  for (const auto sheet :
       {&FuelDocument::XLSheet13, &FuelDocument::XLSheet19, &FuelDocument::XLSheet20}) {
    for (int row = 0; row < (layout.*sheet).RowCount(); ++row)
      if ((layout.*sheet).At(1, row).input) inputs.push_back({sheet, row});
  }
  ASSERT_EQ(inputs.size(), 35U);
  for (const int type : {1, kGasType}) {
    for (const std::string text : {"1e39", "-3e38", "1e5000", "1e-50"}) {
      for (const auto& [sheet, row] : inputs) {
        FuelDocument doc(type == kGasType ? ',' : '.');
        TypeWorkedCoal(doc);
        ComboBox3Change(doc, type);
        doc.CheckBox2 = true;
        (doc.*sheet).SetText(1, row, text);
        try {
          XLGrid1EditModeChanged(doc);
        } catch (const sheets::Error&) {
        }
        EXPECT_NO_THROW(XLGrid15EditModeChanged(doc)) << text;
        try {
          PickComponent(doc, 1);
          ShareChange(doc, 1, "100");
          if (doc.SpeedButton13) SpeedButton13Click(doc);
        } catch (const sheets::Error&) {
        }
        for (sheets::Sheet* sheet : doc.Sheets())
          for (int c = 0; c < sheet->ColCount(); ++c)
            for (int r = 0; r < sheet->RowCount(); ++r)
              ASSERT_FALSE(non_finite(sheet->Text(c, r)))
                  << "'" << text << "' shows '" << sheet->Text(c, r) << "'";
      }
    }
  }
}

}  // namespace
}  // namespace calc
