// The window layout of every sheet and the record row behind every input cell. The
// layout is compared whole with tests/calc/layout.golden (labels, units, hints, list
// items, merged headings, input cells and column widths): it is what the user reads, and
// no calculation checks it.
#include <gtest/gtest.h>

#include <set>
#include <string>
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

// A record whose row r holds 100 + r is scattered into the input sheets, and collected
// back from them into an emptied record: each input cell shows the value of its own row,
// and every row comes back, the rows without a cell as 0.
TEST(LayoutTest, InputCellsStandForTheirRecordRows) {
  using Member = sheets::Sheet FuelDocument::*;
  struct Run {  // `count` input rows from `row` on hold record rows from `record_row` on
    Member sheet;
    int row;
    int record_row;
    int count;
  };
  struct Layout {
    const char* name;
    int type;
    bool norms_1973;
    std::vector<Run> runs;
  };
  const Layout layouts[] = {
      {"1998",
       1,
       false,
       {{&FuelDocument::XLSheet3, 1, 0, 7},   // W A C H N S O
        {&FuelDocument::XLSheet3, 10, 8, 1},  // Q
        {&FuelDocument::XLSheet3, 11, 16, 3},
        {&FuelDocument::XLSheet3, 14, 7, 1},    // volatiles
        {&FuelDocument::XLSheet3, 16, 19, 2},   // the limit values
        {&FuelDocument::XLSheet4, 4, 11, 3},    // t1 t2 t3
        {&FuelDocument::XLSheet4, 7, 21, 3},    // t0, t н.ж., t шл
        {&FuelDocument::XLSheet5, 2, 25, 8}}},  // the ash oxides
      {"1973",
       2,
       true,
       {{&FuelDocument::XLSheet1_1, 1, 0, 7},
        {&FuelDocument::XLSheet1_1, 10, 7, 4},  // volatiles, Q, grindability, fineness
        {&FuelDocument::XLSheet1_1, 15, 11, 3}}},
      {"gas",
       kGasType,
       false,
       {{&FuelDocument::XLSheet1_2, 1, 0, 12}, {&FuelDocument::XLSheet1_2, 15, 12, 2}}},
  };
  for (const Layout& layout : layouts) {
    SCOPED_TRACE(layout.name);
    FuelDocument doc;
    doc.ComboBox3 = layout.type;
    doc.RadioButton1 = layout.norms_1973;
    for (int row = 0; row < 50; ++row) doc.XLSheet10.SetSingle(2, row, 100.0f + row);
    doc.XLSheet10.SetInteger(2, 15, layout.type);
    doc.XLSheet10.SetInteger(2, 24, 1);  // slagging
    for (int row = 1; row <= 10; ++row) doc.XLSheet4.SetText(1, row, "x");
    for (int row = 2; row <= 9; ++row) doc.XLSheet5.SetText(1, row, "x");
    ScatterAllData(doc);
    std::set<int> linked;  // the record rows that a collect writes
    for (const Run& run : layout.runs) {
      for (int i = 0; i < run.count; ++i) {
        EXPECT_EQ((doc.*run.sheet).Text(1, run.row + i), std::to_string(100 + run.record_row + i))
            << "input row " << run.row + i;
        linked.insert(run.record_row + i);
      }
    }
    if (layout.type == kGasType) {  // a gas has no ash: its cells show 0 and "нет"
      for (int row : {1, 2, 4, 5, 6, 7, 8, 9}) EXPECT_EQ(doc.XLSheet4.Text(1, row), "0") << row;
      for (int row = 2; row <= 9; ++row) EXPECT_EQ(doc.XLSheet5.Text(1, row), "0") << row;
      EXPECT_EQ(doc.XLSheet4.Text(1, 10), "нет");
    } else {  // a solid's collect writes its type too, and its slagging under the 1998 norms
      linked.insert(15);
      if (!layout.norms_1973) {
        EXPECT_EQ(doc.XLSheet4.Text(1, 10), "да");
        linked.insert(24);
      }
    }

    for (int row = 0; row < 50; ++row) doc.XLSheet10.SetInteger(2, row, 0);
    CollectAllData(doc);
    for (int row = 0; row < 50; ++row) {
      const int expected = row == 15 ? layout.type : row == 24 ? 1 : 100 + row;
      EXPECT_EQ(doc.XLSheet10.Text(2, row), linked.contains(row) ? std::to_string(expected) : "0")
          << "record row " << row;
    }
  }
}

}  // namespace
}  // namespace calc
