// The window layout of every sheet and the record row behind every input cell. The
// layout is compared whole with tests/calc/layout.golden (labels, units, hints, list
// items, merged headings, input cells and column widths): it is what the user reads, and
// no calculation checks it.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "calc/cycle.h"
#include "calc/fuel_document.h"
#include "support/golden.h"

namespace calc {
namespace {

// The sheets in the order of FuelDocument::Sheets(), by name.
constexpr const char* kSheetNames[] = {
    "XLSheet10", "XLSheet1_1", "XLSheet1_2", "XLSheet3",  "XLSheet4",  "XLSheet5",
    "XLSheet2",  "XLSheet6",   "XLSheet7",   "XLSheet8",  "XLSheet11", "XLSheet12",
    "XLSheet13", "XLSheet15",  "XLFuel",     "XLSheet14", "XLSheet16", "XLSheet7Mixture",
    "XLSheet17", "XLSheet18",  "XLSheet19",  "XLSheet20"};

std::string Escaped(std::string text) {
  for (std::size_t at = 0; (at = text.find('\n', at)) != std::string::npos; at += 2)
    text.replace(at, 1, "\\n");
  return text;
}

// One line per sheet heading and per cell that shows anything, each line naming its sheet.
std::vector<std::string> LayoutLines(FuelDocument& doc) {
  std::vector<std::string> lines;
  const std::vector<sheets::Sheet*> sheets = doc.Sheets();
  EXPECT_EQ(sheets.size(), std::size(kSheetNames));
  for (std::size_t i = 0; i < sheets.size(); ++i) {
    const sheets::Sheet& s = *sheets[i];
    const std::string name = kSheetNames[i];
    if (name == "XLFuel") continue;  // the hidden component records: zeros only
    std::string head =
        name + " " + std::to_string(s.ColCount()) + "x" + std::to_string(s.RowCount()) + " widths";
    for (int col = 0; col < s.ColCount(); ++col) head += " " + std::to_string(s.ColumnWidth(col));
    lines.push_back(head);
    for (const sheets::MergedArea& a : s.MergedAreas()) {
      lines.push_back(name + " merged " + std::to_string(a.col) + "," + std::to_string(a.row) +
                      " " + std::to_string(a.col_count) + "x" + std::to_string(a.row_count) + " '" +
                      a.separator + "'");
    }
    for (int row = 0; row < s.RowCount(); ++row) {
      for (int col = 0; col < s.ColCount(); ++col) {
        const sheets::Cell& cell = s.At(col, row);
        std::string line = s.Text(col, row);
        if (cell.input) line += " [input]";
        if (cell.font_color != sheets::kBlack) line += " [red]";
        if (!cell.hint.empty()) line += " {" + Escaped(cell.hint) + "}";
        for (const std::string& item : cell.items) line += " <" + item + ">";
        if (line.empty()) continue;
        lines.push_back(name + " " + std::to_string(col) + "," + std::to_string(row) + ": " +
                        Escaped(line));
      }
    }
  }
  return lines;
}

TEST(LayoutTest, EverySheetOfASolidAndWhatAGasChanges) {
  FuelDocument doc;
  const std::vector<std::string> solid = LayoutLines(doc);
  std::string out = "# a new document\n";
  for (const std::string& line : solid) out += line + "\n";
  // A gas with the record view labelled for gases: only the lines that differ.
  ComboBox3Change(doc, kGasType);
  RadioGroup1Click(doc, 1);
  out += "# a gas, its record view labelled for gases\n";
  const std::set<std::string> before(solid.begin(), solid.end());
  for (const std::string& line : LayoutLines(doc))
    if (!before.contains(line)) out += line + "\n";
  test::ExpectGolden("tests/calc/layout.golden", out);
}

// "cell row>record row" for every cell of column 1 that shows a record value 100 + r.
std::string RecordRowsShown(const sheets::Sheet& sheet, std::set<int>& shown) {
  std::string out;
  for (int row = 0; row < sheet.RowCount(); ++row) {
    const auto value = sheet.ParsedNumber(1, row);
    if (!value || *value < 100) continue;
    out += std::to_string(row) + ">" + std::to_string(static_cast<int>(*value) - 100) + " ";
    shown.insert(static_cast<int>(*value) - 100);
  }
  return out;
}

// A record whose row r holds 100 + r is scattered into the input sheets, and collected
// back from them into an emptied record: each input cell shows the value of its own row,
// and every row shown comes back, with the type and the slagging of a solid; the rest as 0.
TEST(LayoutTest, InputCellsStandForTheirRecordRows) {
  using Shown = std::pair<sheets::Sheet FuelDocument::*, std::string>;
  const std::tuple<int, bool, std::vector<Shown>> layouts[] = {
      {1,
       false,
       {{&FuelDocument::XLSheet3,
         "1>0 2>1 3>2 4>3 5>4 6>5 7>6 10>8 11>16 12>17 13>18 14>7 16>19 17>20 "},
        {&FuelDocument::XLSheet4, "4>11 5>12 6>13 7>21 8>22 9>23 "},
        {&FuelDocument::XLSheet5, "2>25 3>26 4>27 5>28 6>29 7>30 8>31 9>32 "}}},
      {2,
       true,
       {{&FuelDocument::XLSheet1_1,
         "1>0 2>1 3>2 4>3 5>4 6>5 7>6 10>7 11>8 12>9 13>10 15>11 16>12 17>13 "}}},
      {kGasType,
       false,
       {{&FuelDocument::XLSheet1_2,
         "1>0 2>1 3>2 4>3 5>4 6>5 7>6 8>7 9>8 10>9 11>10 12>11 15>12 16>13 "}}},
  };
  for (const auto& [type, norms_1973, expected] : layouts) {
    SCOPED_TRACE(type);
    FuelDocument doc;
    doc.ComboBox3 = type;
    doc.RadioButton1 = norms_1973;
    for (int row = 0; row < 50; ++row) doc.XLSheet10.SetSingle(2, row, 100.0f + row);
    doc.XLSheet10.SetInteger(2, 15, type);
    doc.XLSheet10.SetInteger(2, 24, 1);  // slagging
    ScatterAllData(doc);
    std::set<int> linked;  // the record rows that a collect writes
    for (const auto& [sheet, rows] : expected) EXPECT_EQ(RecordRowsShown(doc.*sheet, linked), rows);
    if (type != kGasType) linked.insert(15);
    if (type == 1) {
      EXPECT_EQ(doc.XLSheet4.Text(1, 10), "да");
      linked.insert(24);
    }

    for (int row = 0; row < 50; ++row) doc.XLSheet10.SetInteger(2, row, 0);
    CollectAllData(doc);
    for (int row = 0; row < 50; ++row) {
      const int value = row == 15 ? type : row == 24 ? 1 : 100 + row;
      EXPECT_EQ(doc.XLSheet10.Text(2, row), linked.contains(row) ? std::to_string(value) : "0")
          << "record row " << row;
    }
  }
}

}  // namespace
}  // namespace calc
