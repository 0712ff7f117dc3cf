// The number a sheet keeps for each cell it has parsed: after any mix of writes, list
// items, separator changes and copies it is what parsing the cell's text gives now.
#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "sheets/errors.h"
#include "sheets/numbers.h"
#include "sheets/sheet.h"

namespace sheets {
namespace {

constexpr int kCols = 3;
constexpr int kRows = 4;

// Every cell read through the sheet against its text parsed afresh.
void ExpectReadsAsItsText(const Sheet& sheet, const std::string& step) {
  for (int row = 0; row < kRows; ++row) {
    for (int col = 0; col < kCols; ++col) {
      const std::string text = sheet.Text(col, row);
      const auto parsed = ParseFloat(text, sheet.DecimalSeparator());
      const std::string where =
          step + " (" + std::to_string(col) + ", " + std::to_string(row) + ") '" + text + "'";
      ASSERT_EQ(sheet.ParsedNumber(col, row), parsed) << where;
      ASSERT_EQ(sheet.IsNumber(col, row), parsed.has_value()) << where;
      if (parsed) {
        ASSERT_EQ(sheet.Number(col, row), ToSingle(*parsed)) << where;
      } else {
        ASSERT_THROW(sheet.Number(col, row), ConvertError) << where;
      }
    }
  }
}

TEST(ParsedNumberTest, FollowsEveryChangeOfTheText) {
  const std::vector<std::string> texts = {"1,5", "1.5", "2", " -3,25 ", "abc", "", "1e3", "4,"};
  std::mt19937 random(17);
  const auto pick = [&random](int n) {
    return std::uniform_int_distribution<int>(0, n - 1)(random);
  };
  Sheet sheet(kCols, kRows, ',');
  Sheet copy = sheet;
  for (int step = 0; step < 3000; ++step) {
    // Every cell was read at the end of the step before: each has a number kept.
    const bool on_copy = pick(4) == 0;
    Sheet& target = on_copy ? copy : sheet;
    const Sheet& other = on_copy ? sheet : copy;
    const int col = pick(kCols);
    const int row = pick(kRows);
    switch (pick(9)) {
      case 0:
        target.SetText(col, row, texts[static_cast<std::size_t>(pick(8))]);
        break;
      case 1:
        target.SetSingle(col, row, static_cast<float>(pick(2000) - 1000) / 8);
        break;
      case 2:
        target.SetDouble(col, row, static_cast<double>(pick(2000)) / 3);
        break;
      case 3:
        target.SetInteger(col, row, std::int64_t{pick(5)});  // an item index of a list cell
        break;
      case 4:
        target.SetItems(col, row, {texts[static_cast<std::size_t>(pick(8))], "7,5", "x"}, pick(3));
        break;
      case 5:
        target.Clear(col, row);
        break;
      case 6:
        target.SetDecimalSeparator(target.DecimalSeparator() == ',' ? '.' : ',');
        break;
      case 7:
        target.SetFontColor(col, row, pick(2) == 0 ? kRed : kBlack);
        break;
      default:  // a copy takes the kept numbers with it and goes its own way
        target = other;
        break;
    }
    ExpectReadsAsItsText(sheet, "sheet, step " + std::to_string(step));
    ExpectReadsAsItsText(copy, "copy, step " + std::to_string(step));
  }
}

}  // namespace
}  // namespace sheets
