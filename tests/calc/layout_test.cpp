// The window layout of every sheet and the record row behind every input cell. The
// layout is compared whole with tests/calc/layout.golden (labels, units, hints, list
// items, merged headings, input cells and column widths): it is what the user reads, and
// no calculation checks it.
#include <gtest/gtest.h>

#include <set>
#include <string>
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

// The lines of `doc`'s layout that are not among `before`.
std::string Changed(const std::vector<std::string>& before, FuelDocument& doc) {
  const std::set<std::string> kept(before.begin(), before.end());
  std::string out;
  for (const std::string& line : LayoutLines(doc))
    if (!kept.contains(line)) out += line + "\n";
  return out;
}

TEST(LayoutTest, EverySheetOfASolidAndWhatAGasChanges) {
  FuelDocument doc;
  const std::vector<std::string> solid = LayoutLines(doc);
  std::string out = "# a new document\n";
  for (const std::string& line : solid) out += line + "\n";
  // A gas with the record view labelled for gases: only the lines that differ.
  ComboBox3Change(doc, kGasType);
  RadioGroup1Click(doc, 1);
  out += "# a gas, its record view labelled for gases\n" + Changed(solid, doc);
  test::ExpectGolden("tests/calc/layout.golden", out);
}

// A record whose row r holds 100 + r (the type and the slagging their own) is scattered
// into the input sheets of a solid under either norms and of a gas: the cells it changes,
// each showing the value of its own row. Then it is collected back into an emptied record:
// the rows that come back, the rest 0. Compared whole with tests/calc/record_rows.golden.
TEST(LayoutTest, InputCellsStandForTheirRecordRows) {
  std::string out;
  for (const auto& [type, norms_1973] : {std::pair{1, false}, {2, true}, {kGasType, false}}) {
    FuelDocument doc;
    doc.ComboBox3 = type;
    doc.RadioButton1 = norms_1973;
    for (int row = 0; row < 50; ++row) doc.XLSheet10.SetSingle(2, row, 100.0f + row);
    doc.XLSheet10.SetInteger(2, 15, type);
    doc.XLSheet10.SetInteger(2, 24, 1);  // slagging
    const std::vector<std::string> before = LayoutLines(doc);
    ScatterAllData(doc);
    out += "# type " + std::to_string(type) + (norms_1973 ? ", 1973 norms" : "") + "\n" +
           Changed(before, doc) + "collected back:";
    for (int row = 0; row < 50; ++row) doc.XLSheet10.SetInteger(2, row, 0);
    CollectAllData(doc);
    for (int row = 0; row < 50; ++row)
      if (doc.XLSheet10.Text(2, row) != "0")
        out += " " + std::to_string(row) + "=" + doc.XLSheet10.Text(2, row);
    out += "\n";
  }
  test::ExpectGolden("tests/calc/record_rows.golden", out);
}

}  // namespace
}  // namespace calc
