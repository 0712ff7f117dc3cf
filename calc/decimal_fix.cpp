// The decimal-separator repair of typed numbers.
#include "calc/decimal_fix.h"

#include <algorithm>
#include <string>

#include "sheets/numbers.h"

namespace calc {

namespace {

void FixColumn(sheets::Sheet& sheet, int col, int first_row, int last_row) {
  for (int row = first_row; row <= last_row; ++row) FixDecimalSeparator(sheet, col, row);
}

}  // namespace

void FixDecimalSeparator(sheets::Sheet& sheet, int col, int row) {
  try {
    const char sep = sheet.DecimalSeparator();
    std::string text = sheet.Text(col, row);
    if (text.empty() || sheets::ParseFloat(text, sep)) return;
    std::transform(text.begin(), text.end(), text.begin(), [](char ch) {
      return ch == '.' ? ',' : ch == ',' ? '.' : ch;
    });
    if (sheets::ParseFloat(text, sep)) sheet.SetText(col, row, std::move(text));
  } catch (const std::exception&) {
    // Each cell is checked by itself; a cell that cannot be checked stays as it is.
  }
}

void XLGrid1Exit(FuelDocument& doc) {
  FixColumn(doc.XLSheet1_1, 1, 1, 17);
  FixColumn(doc.XLSheet1_2, 1, 1, 17);
}
void XLGrid2Exit(FuelDocument& doc) { FixColumn(doc.XLSheet2, 1, 2, 5); }
void XLGrid3Exit(FuelDocument& doc) { FixColumn(doc.XLSheet3, 1, 1, 17); }
void XLGrid4Exit(FuelDocument& doc) { FixColumn(doc.XLSheet4, 1, 1, 9); }
void XLGrid5Exit(FuelDocument& doc) { FixColumn(doc.XLSheet5, 1, 2, 10); }
void XLGrid10Exit(FuelDocument& doc) { FixColumn(doc.XLSheet10, 2, 0, 49); }
void XLGrid11Exit(FuelDocument& doc) {
  for (int col = 0; col <= 5; ++col) FixColumn(doc.XLSheet11, col, 0, 24);
}
void XLGrid13Exit(FuelDocument& doc) { FixDecimalSeparator(doc.XLSheet13, 1, 0); }
void XLGrid15Exit(FuelDocument& doc) { FixColumn(doc.XLSheet15, 1, 2, 12); }
void XLGrid21Exit(FuelDocument& doc) { FixColumn(doc.XLSheet19, 1, 2, 16); }
void XLGrid22Exit(FuelDocument& doc) { FixColumn(doc.XLSheet20, 1, 2, 16); }

}  // namespace calc
