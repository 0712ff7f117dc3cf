// The calculator's report of a single fuel.
#include "cli/report.h"

#include <algorithm>
#include <cstddef>
#include <vector>

namespace cli {

namespace {

// Displayed width of a UTF-8 text: one column per code point.
std::size_t Width(const std::string& text) {
  return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char ch) {
    return (static_cast<unsigned char>(ch) & 0xC0) != 0x80;
  }));
}

Json ColumnTexts(const sheets::Sheet& sheet, int col, int first_row, int last_row) {
  Json::Array texts;
  for (int row = first_row; row <= last_row; ++row) texts.emplace_back(sheet.Text(col, row));
  return texts;
}

}  // namespace

std::string SheetText(const sheets::Sheet& sheet) {
  // A heading merged over several columns does not widen its first column.
  auto spans_columns = [&sheet](int col, int row) {
    return std::any_of(sheet.MergedAreas().begin(), sheet.MergedAreas().end(),
                       [&](const sheets::MergedArea& a) {
                         return a.col == col && a.row == row && a.col_count > 1;
                       });
  };
  std::vector<std::size_t> widths(static_cast<std::size_t>(sheet.ColCount()), 0);
  for (int row = 0; row < sheet.RowCount(); ++row) {
    for (int col = 0; col < sheet.ColCount(); ++col) {
      if (spans_columns(col, row)) continue;
      auto& width = widths[static_cast<std::size_t>(col)];
      width = std::max(width, Width(sheet.Text(col, row)));
    }
  }
  std::string out;
  for (int row = 0; row < sheet.RowCount(); ++row) {
    std::string line;
    for (int col = 0; col < sheet.ColCount(); ++col) {
      const std::string text = sheet.Text(col, row);
      line += text;
      if (spans_columns(col, row)) break;
      if (col + 1 < sheet.ColCount()) {
        line += std::string(widths[static_cast<std::size_t>(col)] - Width(text) + 2, ' ');
      }
    }
    line.erase(line.find_last_not_of(' ') + 1);
    if (!line.empty()) out += line + '\n';
  }
  return out;
}

Json SingleFuelJson(const calc::FuelDocument& doc) {
  Json json;
  json.Set("name", doc.ComboBox1);
  json.Set("type", doc.ComboBox3);
  json.Set("record", ColumnTexts(doc.XLSheet10, 2, 0, 49));
  Json volumes;
  volumes.Set("air", doc.XLSheet2.Text(1, 2));
  volumes.Set("nitrogen", doc.XLSheet2.Text(1, 3));
  volumes.Set("triatomic", doc.XLSheet2.Text(1, 4));
  volumes.Set("water", doc.XLSheet2.Text(1, 5));
  json.Set("volumes", std::move(volumes));
  json.Set("volume_unit", doc.XLSheet2.Text(2, 2));
  return json;
}

std::string SingleFuelText(const calc::FuelDocument& doc) {
  std::string out = "Месторождение, тип: " + doc.ComboBox1 + "\n";
  out += "Тип топлива: " + std::to_string(doc.ComboBox3) + "\n\n";
  out += "Все данные\n" + SheetText(doc.XLSheet10) + "\n";
  out += SheetText(doc.XLSheet2);
  return out;
}

}  // namespace cli
