// The sheet model: the text and number views of each kind of value, list cells, bounds,
// failures naming their cell, change notification, and the number kept for each parsed
// cell.
#include "sheets/sheet.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <random>
#include <stdexcept>
#include <string>
#include <tuple>
#include <vector>

#include "sheets/errors.h"
#include "sheets/numbers.h"

namespace sheets {
namespace {

TEST(SheetTest, CellValuesReadAsTextNumberAndInteger) {
  Sheet sheet(3, 11, ',');
  sheet.SetSingle(1, 0, 4.1f);  // a single shows its shortest text
  EXPECT_EQ(sheet.Text(1, 0), "4,1");
  EXPECT_EQ(sheet.Number(1, 0), 4.1f);
  sheet.SetDouble(1, 1, static_cast<double>(33.3f));  // a double shows 15 digits
  EXPECT_EQ(sheet.Text(1, 1), "33,2999992370605");
  sheet.SetInteger(1, 2, -7);
  EXPECT_EQ(sheet.Text(1, 2), "-7");
  sheet.SetText(1, 3, " 6 ");
  EXPECT_EQ(sheet.Integer(1, 3), 6);
  sheet.SetDecimalSeparator('.');
  EXPECT_EQ(sheet.Text(1, 0), "4.1");
  // A list cell shows its item and holds the index; no such item shows nothing.
  sheet.SetItems(1, 10, {"да", "нет"});
  EXPECT_EQ(sheet.Integer(1, 10), 0);
  sheet.SetInteger(1, 10, 1);
  EXPECT_EQ(sheet.Text(1, 10), "нет");
  sheet.SetInteger(1, 10, 2);
  EXPECT_EQ(sheet.Text(1, 10), "");
  EXPECT_NO_THROW(sheet.At(2, 10));
  EXPECT_THROW(sheet.At(3, 0), std::out_of_range);
  EXPECT_THROW(sheet.At(0, 11), std::out_of_range);
  EXPECT_THROW(sheet.Merge({.col = 1, .row = 0, .col_count = 3, .row_count = 1}),
               std::out_of_range);
  EXPECT_THROW(Sheet(0, 3), std::invalid_argument);
}

// A failure keeps the text the user sees and names the routines and the cell it came
// from; a range failure stays a MathError on its way out of the sheet.
TEST(SheetTest, FailuresNameTheirRoutineAndCell) {
  Sheet sheet(3, 4, '.');
  sheet.SetText(1, 2, "abc");
  sheet.SetText(2, 3, "1e39");
  const auto failure = [](auto read) -> std::string {
    try {
      read();
    } catch (const ConvertError& e) {
      return std::string("convert: ") + e.what() + " | " + e.where();
    } catch (const MathError& e) {
      return std::string("math: ") + e.what() + " | " + e.where();
    }
    return "no failure";
  };
  EXPECT_EQ(failure([&] { sheet.Number(1, 2); }),
            "convert: 'abc' is not a valid floating point value | Sheet::Number, cell (1, 2)");
  EXPECT_EQ(failure([&] { sheet.Number(2, 3); }),
            "math: Floating point overflow | ToSingle in Sheet::Number, cell (2, 3)");
  EXPECT_EQ(failure([&] { sheet.Integer(1, 2); }),
            "convert: 'abc' is not a valid integer value | Sheet::Integer, cell (1, 2)");
}

// One change as a listener hears it: (first col, first row, last col, last row, layout).
using Seen = std::tuple<int, int, int, int, bool>;

TEST(SheetTest, ListenersHearEachRealChangeOnceAndHeldOnesAsOneRectangle) {
  Sheet sheet(3, 6);
  std::vector<Seen> seen;
  const int handle = sheet.AddListener([&](const SheetChange& c) {
    seen.emplace_back(c.first_col, c.first_row, c.last_col, c.last_row, c.layout);
  });
  for (int twice = 0; twice < 2; ++twice) {  // writes that change nothing are not told
    sheet.SetText(1, 2, "5.7498");
    sheet.SetFontColor(1, 2, kRed);
    sheet.SetHint(0, 2, "hint");
    sheet.SetInput(0, 3, true);
  }
  sheet.SetColumnWidth(0, sheet.ColumnWidth(0));
  // The same text as another kind of value is no change to tell; another text is.
  sheet.SetInteger(2, 5, 5);
  sheet.SetText(2, 5, "5");
  sheet.SetSingle(2, 5, 5.5f);
  sheet.Merge({.col = 0, .row = 0, .col_count = 3, .row_count = 2});
  EXPECT_EQ(seen, (std::vector<Seen>{{1, 2, 1, 2, false},
                                     {1, 2, 1, 2, false},
                                     {0, 2, 0, 2, false},
                                     {0, 3, 0, 3, false},
                                     {2, 5, 2, 5, false},
                                     {2, 5, 2, 5, false},
                                     {0, 0, 2, 5, true}}));
  seen.clear();
  {
    NotificationHold hold({&sheet});
    sheet.HoldNotifications();  // holds nest
    sheet.SetText(2, 1, "a");
    sheet.SetText(0, 4, "b");
    sheet.SetText(1, 3, "c");
    sheet.SetText(1, 3, "c");
    sheet.ReleaseNotifications();
    EXPECT_TRUE(seen.empty());
  }
  {
    NotificationHold hold({&sheet});
    sheet.SetText(2, 1, "a");  // no change: nothing to tell at the end
  }
  {
    NotificationHold hold({&sheet});
    sheet.SetText(1, 1, "d");
    sheet.SetColumnWidth(1, 90);
  }
  EXPECT_EQ(seen, (std::vector<Seen>{{0, 1, 2, 4, false}, {0, 0, 2, 5, true}}));
  sheet.RemoveListener(handle);
  sheet.SetText(1, 3, "x");
  EXPECT_EQ(seen.size(), 2u);
}

// After any mix of writes, list items, separator changes and copies, the number a sheet
// keeps for a cell is what parsing the cell's text gives now.
TEST(SheetTest, KeptNumbersFollowEveryChangeOfTheText) {
  constexpr int kCols = 3;
  constexpr int kRows = 4;
  const std::vector<std::string> texts = {"1,5", "1.5", "2", " -3,25 ", "abc", "", "1e3", "4,"};
  std::mt19937 random(17);
  const auto pick = [&random](int n) {
    return std::uniform_int_distribution<int>(0, n - 1)(random);
  };
  const auto text = [&] { return texts[static_cast<std::size_t>(pick(8))]; };
  Sheet sheets[] = {Sheet(kCols, kRows, ','), Sheet(kCols, kRows, ',')};
  const std::function<void(Sheet&, int, int)> changes[] = {
      [&](Sheet& s, int c, int r) { s.SetText(c, r, text()); },
      [&](Sheet& s, int c, int r) { s.SetSingle(c, r, static_cast<float>(pick(2000) - 1000) / 8); },
      [&](Sheet& s, int c, int r) { s.SetDouble(c, r, static_cast<double>(pick(2000)) / 3); },
      [&](Sheet& s, int c, int r) { s.SetInteger(c, r, pick(5)); },  // a list item's index
      [&](Sheet& s, int c, int r) {
        s.SetItems(c, r, {text(), "7,5", "x"}, pick(3));
      },
      [&](Sheet& s, int c, int r) { s.Clear(c, r); },
      [&](Sheet& s, int, int) { s.SetDecimalSeparator(s.DecimalSeparator() == ',' ? '.' : ','); },
      [&](Sheet& s, int c, int r) { s.SetFontColor(c, r, pick(2) == 0 ? kRed : kBlack); },
      // A copy takes the kept numbers along and goes its own way.
      [&](Sheet& s, int, int) { s = sheets[&s == &sheets[0] ? 1 : 0]; },
  };
  for (int step = 0; step < 3000; ++step) {
    // Every cell was read at the end of the step before: each has a number kept.
    Sheet& target = sheets[pick(4) == 0 ? 1 : 0];
    const int col = pick(kCols);
    const int row = pick(kRows);
    changes[pick(9)](target, col, row);
    for (const Sheet& sheet : sheets) {
      for (int r = 0; r < kRows; ++r) {
        for (int c = 0; c < kCols; ++c) {
          const auto parsed = ParseFloat(sheet.Text(c, r), sheet.DecimalSeparator());
          const std::string where = "step " + std::to_string(step) + " '" + sheet.Text(c, r) + "'";
          ASSERT_EQ(sheet.ParsedNumber(c, r), parsed) << where;
          ASSERT_EQ(sheet.IsNumber(c, r), parsed.has_value()) << where;
          if (parsed) {
            ASSERT_EQ(sheet.Number(c, r), ToSingle(*parsed)) << where;
          } else {
            ASSERT_THROW(sheet.Number(c, r), ConvertError) << where;
          }
        }
      }
    }
  }
}

}  // namespace
}  // namespace sheets
