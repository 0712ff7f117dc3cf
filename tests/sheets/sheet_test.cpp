// The sheet model: addressing, the text/number views of each kind of value, list cells,
// bounds and change notification.
#include "sheets/sheet.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <tuple>
#include <utility>
#include <vector>

#include "sheets/errors.h"

namespace sheets {
namespace {

TEST(SheetTest, CellValuesReadAsTextNumberAndInteger) {
  Sheet sheet(3, 4, ',');
  EXPECT_EQ(sheet.Text(2, 3), "");  // a cell never written is empty
  EXPECT_FALSE(sheet.IsNumber(2, 3));
  EXPECT_THROW(sheet.Number(2, 3), ConvertError);

  sheet.SetText(0, 0, "12,5");
  EXPECT_FLOAT_EQ(sheet.Number(0, 0), 12.5f);
  sheet.SetText(0, 0, "12.5");  // a point is no decimal separator here
  try {
    sheet.Number(0, 0);
    FAIL() << "12.5 parsed with a decimal comma";
  } catch (const ConvertError& e) {
    EXPECT_STREQ(e.what(), "'12.5' is not a valid floating point value");
  }

  sheet.SetSingle(1, 0, 4.1f);  // a single shows its shortest text
  EXPECT_EQ(sheet.Text(1, 0), "4,1");
  EXPECT_EQ(sheet.Number(1, 0), 4.1f);
  sheet.SetDouble(1, 1, static_cast<double>(33.3f));  // a double shows 15 digits
  EXPECT_EQ(sheet.Text(1, 1), "33,2999992370605");
  sheet.SetInteger(1, 2, -7);
  EXPECT_EQ(sheet.Text(1, 2), "-7");
  EXPECT_EQ(sheet.Integer(1, 2), -7);
  sheet.SetText(1, 3, " 6 ");
  EXPECT_EQ(sheet.Integer(1, 3), 6);
  sheet.SetText(1, 3, "6,5");
  EXPECT_THROW(sheet.Integer(1, 3), ConvertError);

  sheet.SetDecimalSeparator('.');
  EXPECT_EQ(sheet.Text(1, 0), "4.1");
}

// A failure keeps the text the user sees and names the routines and the cell it came
// from; a range failure stays a MathError on its way out of the sheet.
TEST(SheetTest, FailuresNameTheirRoutineAndCell) {
  Sheet sheet(3, 4, '.');
  sheet.SetText(1, 2, "abc");
  sheet.SetText(2, 3, "1e39");
  try {
    sheet.Number(1, 2);
    FAIL() << "abc read as a number";
  } catch (const ConvertError& e) {
    EXPECT_STREQ(e.what(), "'abc' is not a valid floating point value");
    EXPECT_EQ(e.where(), "Sheet::Number, cell (1, 2)");
  }
  try {
    sheet.Number(2, 3);
    FAIL() << "1e39 read as a single";
  } catch (const MathError& e) {
    EXPECT_STREQ(e.what(), "Floating point overflow");
    EXPECT_EQ(ErrorOrigin(e), "ToSingle in Sheet::Number, cell (2, 3)");
  }
  try {
    sheet.Integer(1, 2);
    FAIL() << "abc read as an integer";
  } catch (const ConvertError& e) {
    EXPECT_STREQ(e.what(), "'abc' is not a valid integer value");
    EXPECT_EQ(e.where(), "Sheet::Integer, cell (1, 2)");
  }
  EXPECT_EQ(ErrorOrigin(std::runtime_error("other")), "");
}

TEST(SheetTest, ListCellShowsItemAndHoldsIndex) {
  Sheet sheet(2, 11);
  sheet.SetItems(1, 10, {"да", "нет"});
  EXPECT_EQ(sheet.Text(1, 10), "да");
  EXPECT_EQ(sheet.Integer(1, 10), 0);
  sheet.SetInteger(1, 10, 1);
  EXPECT_EQ(sheet.Text(1, 10), "нет");
  EXPECT_TRUE(sheet.At(1, 10).IsList());
  for (const int none : {2, 5, -1}) {  // no such item: nothing shown
    sheet.SetInteger(1, 10, none);
    EXPECT_EQ(sheet.Text(1, 10), "") << none;
  }
}

TEST(SheetTest, AddressesOutsideTheSheetAreRejected) {
  Sheet sheet(4, 50);
  EXPECT_NO_THROW(sheet.At(3, 49));
  EXPECT_THROW(sheet.At(4, 0), std::out_of_range);
  EXPECT_THROW(sheet.At(0, 50), std::out_of_range);
  EXPECT_THROW(sheet.At(-1, 0), std::out_of_range);
  EXPECT_THROW(sheet.SetText(0, -1, "x"), std::out_of_range);
  EXPECT_THROW(sheet.Merge({.col = 2, .row = 0, .col_count = 3, .row_count = 1}),
               std::out_of_range);
  EXPECT_TRUE(sheet.MergedAreas().empty());
  EXPECT_THROW(Sheet(0, 3), std::invalid_argument);
  EXPECT_THROW(Sheet(3, 0), std::invalid_argument);
}

// One change as a listener hears it: (first col, first row, last col, last row, layout).
using Seen = std::tuple<int, int, int, int, bool>;

TEST(SheetTest, ListenersHearEachRealChangeUntilRemoved) {
  Sheet sheet(3, 6);
  std::vector<Seen> seen;
  const int handle = sheet.AddListener([&](const SheetChange& c) {
    seen.emplace_back(c.first_col, c.first_row, c.last_col, c.last_row, c.layout);
  });
  sheet.SetText(1, 2, "5.7498");
  sheet.SetFontColor(1, 2, kRed);
  sheet.SetHint(0, 2, "hint");
  sheet.SetInput(0, 3, true);
  // Writes that change nothing are not told.
  sheet.SetText(1, 2, "5.7498");
  sheet.SetFontColor(1, 2, kRed);
  sheet.SetHint(0, 2, "hint");
  sheet.SetInput(0, 3, true);
  sheet.SetColumnWidth(0, sheet.ColumnWidth(0));
  // The same text as another kind of value is no change to tell; another text is.
  sheet.SetInteger(2, 5, 5);
  sheet.SetText(2, 5, "5");
  EXPECT_EQ(sheet.At(2, 5).value, CellValue(std::string("5")));
  sheet.SetSingle(2, 5, 5.5f);
  sheet.Merge({.col = 0, .row = 0, .col_count = 3, .row_count = 2});
  EXPECT_EQ(seen, (std::vector<Seen>{{1, 2, 1, 2, false},
                                     {1, 2, 1, 2, false},
                                     {0, 2, 0, 2, false},
                                     {0, 3, 0, 3, false},
                                     {2, 5, 2, 5, false},
                                     {2, 5, 2, 5, false},
                                     {0, 0, 2, 5, true}}));
  EXPECT_EQ(sheet.At(1, 2).font_color, kRed);
  EXPECT_TRUE(sheet.At(0, 3).input);
  sheet.RemoveListener(handle);
  sheet.SetText(1, 3, "x");
  EXPECT_EQ(seen.size(), 7u);
}

TEST(SheetTest, HeldChangesAreToldOnceAsOneRectangle) {
  Sheet first(3, 6);
  Sheet untouched(2, 2);
  std::vector<Seen> seen;
  first.AddListener([&](const SheetChange& c) {
    seen.emplace_back(c.first_col, c.first_row, c.last_col, c.last_row, c.layout);
  });
  untouched.AddListener([&](const SheetChange&) { seen.emplace_back(-1, -1, -1, -1, false); });
  {
    NotificationHold hold({&first, &untouched});
    first.HoldNotifications();  // holds nest
    first.SetText(2, 1, "a");
    first.SetText(0, 4, "b");
    first.SetText(1, 3, "c");
    first.ReleaseNotifications();
    EXPECT_TRUE(seen.empty());
  }
  EXPECT_EQ(seen, (std::vector<Seen>{{0, 1, 2, 4, false}}));
  seen.clear();
  {
    NotificationHold hold({&first});
    first.SetText(2, 1, "a");  // no change: nothing to tell at the end
  }
  EXPECT_TRUE(seen.empty());
  {
    NotificationHold hold({&first});
    first.SetText(1, 1, "d");
    first.SetColumnWidth(1, 90);
  }
  EXPECT_EQ(seen, (std::vector<Seen>{{0, 0, 2, 5, true}}));
}

}  // namespace
}  // namespace sheets
