// The repair of typed numbers: digit-group spaces and the decimal separator.
#include "calc/decimal_fix.h"

#include <algorithm>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "calc/sheet_cells.h"
#include "sheets/numbers.h"

namespace calc {

namespace {

// The byte length of a digit-group space at `at`: a space, a no-break space (C2 A0) or a
// narrow no-break space (E2 80 AF) in UTF-8; 0 for anything else.
std::size_t GroupSpaceAt(std::string_view text, std::size_t at) {
  const std::string_view rest = text.substr(at);
  if (rest.starts_with(' ')) return 1;
  if (rest.starts_with("\xC2\xA0")) return 2;
  if (rest.starts_with("\xE2\x80\xAF")) return 3;
  return 0;
}

// The text without the digit-group spaces of its whole part; nullopt when a space stands
// anywhere else or the groups are not of three digits after a first group of one to three.
std::optional<std::string> WithoutGroupSpaces(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  std::string out;
  int digits = 0;  // digits of the whole part since its start or the last space
  bool grouped = false;
  bool whole = true;  // still in the sign and digits before the separator
  const auto group_complete = [&] { return !grouped || digits == 3; };
  for (std::size_t i = 0; i < text.size();) {
    if (const std::size_t space = GroupSpaceAt(text, i); space > 0) {
      if (!whole || digits == 0 || digits > 3 || !group_complete()) return std::nullopt;
      grouped = true;
      digits = 0;
      i += space;
      continue;
    }
    const char ch = text[i];
    const bool sign = (ch == '+' || ch == '-') && out.empty();
    if (whole && ch >= '0' && ch <= '9') {
      ++digits;
    } else if (whole && !sign) {
      if (!group_complete()) return std::nullopt;
      whole = false;
    }
    out += ch;
    ++i;
  }
  if (whole && !group_complete()) return std::nullopt;
  return out;
}

void FixColumn(sheets::Sheet& sheet, int col, int first_row, int last_row) {
  for (int row = first_row; row <= last_row; ++row) FixDecimalSeparator(sheet, col, row);
}

}  // namespace

std::optional<std::string> RepairNumberText(std::string_view text, char decimal_separator) {
  if (sheets::ParseFloat(text, decimal_separator)) return std::string(text);
  std::optional<std::string> repaired = WithoutGroupSpaces(text);
  if (!repaired) return std::nullopt;
  if (sheets::ParseFloat(*repaired, decimal_separator)) return repaired;
  std::transform(repaired->begin(), repaired->end(), repaired->begin(), [](char ch) {
    return ch == '.' ? ',' : ch == ',' ? '.' : ch;
  });
  if (sheets::ParseFloat(*repaired, decimal_separator)) return repaired;
  return std::nullopt;
}

void FixDecimalSeparator(sheets::Sheet& sheet, int col, int row) {
  try {
    const std::string text = sheet.Text(col, row);
    if (text.empty()) return;
    std::optional<std::string> repaired = RepairNumberText(text, sheet.DecimalSeparator());
    if (repaired && *repaired != text) sheet.SetText(col, row, std::move(*repaired));
  } catch (const std::exception&) {
    // Each cell is checked by itself; a cell that cannot be checked stays as it is.
  }
}

std::optional<InputNotice> CommitNumberText(sheets::Sheet& sheet, int col, int row,
                                            const std::string& text) {
  std::optional<std::string> repaired = RepairNumberText(text, sheet.DecimalSeparator());
  if (!repaired) return InputNotice{&sheet, col, row, text, kValueKept};
  sheet.SetText(col, row, std::move(*repaired));
  return std::nullopt;
}

void XLGrid1Exit(FuelDocument& doc) {
  FixColumn(doc.XLSheet1_1, 1, 1, 17);
  FixColumn(doc.XLSheet1_2, 1, 1, 17);
}
void XLGrid2Exit(FuelDocument& doc) {
  FixColumn(doc.XLSheet2, 1, sheet_row::kVolumes, sheet_row::kVolumes + 3);
}
void XLGrid3Exit(FuelDocument& doc) { FixColumn(doc.XLSheet3, 1, 1, 17); }
void XLGrid4Exit(FuelDocument& doc) { FixColumn(doc.XLSheet4, 1, 1, 9); }
void XLGrid5Exit(FuelDocument& doc) { FixColumn(doc.XLSheet5, 1, 2, 10); }
void XLGrid10Exit(FuelDocument& doc) { FixColumn(doc.XLSheet10, kRecordValueCol, 0, 49); }
void XLGrid11Exit(FuelDocument& doc) {
  for (int col = 0; col <= 5; ++col) FixColumn(doc.XLSheet11, col, 0, 24);
}
void XLGrid13Exit(FuelDocument& doc) { FixDecimalSeparator(doc.XLSheet13, 1, 0); }
void XLGrid15Exit(FuelDocument& doc) { FixColumn(doc.XLSheet15, 1, 2, 12); }
void XLGrid21Exit(FuelDocument& doc) {
  FixColumn(doc.XLSheet19, 1, 2, heat_balance_row::kCondensingTemperature);
}
void XLGrid22Exit(FuelDocument& doc) {
  FixColumn(doc.XLSheet20, 1, 2, heat_balance_row::kCondensingTemperature);
}

}  // namespace calc
