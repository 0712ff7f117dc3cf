// The range of the composition contents, checked on the record and shown on the input
// sheets.
#include "calc/composition_range.h"

#include <algorithm>
#include <optional>

#include "calc/sheet_cells.h"
#include "calc/text.h"
#include "fuel/fuel_file.h"
#include "sheets/cell.h"

namespace calc {

namespace {

constexpr int kSolidContents = 7;  // W, A, C, H, N, S, O: record rows 0..6
constexpr int kGasContents = 12;   // CH4 .. CnHm: record rows 0..11

constexpr char kContentRange[] = "от 0 до 100 %";
constexpr char kMoistureAshRange[] = "W + A менее 100 %";

// The input sheet row of a content is its record row + 1 on every composition sheet.
int SheetRow(int record_row) { return record_row + 1; }

bool IsGas(const FuelDocument& doc) { return doc.ComboBox3 >= kGasType; }

void Mark(sheets::Sheet& sheet, int contents, int total_row,
          const std::vector<OutOfRangeContent>& refused) {
  for (int r = 0; r < contents; ++r) {
    const auto it = std::find_if(refused.begin(), refused.end(),
                                 [r](const OutOfRangeContent& c) { return c.record_row == r; });
    const bool out = it != refused.end();
    sheet.SetFontColor(1, SheetRow(r), out ? sheets::kRed : sheets::kBlack);
    sheet.SetHint(1, SheetRow(r), out ? std::string("Допустимо: ") + it->range : "");
  }
  if (!refused.empty()) sheet.SetFontColor(1, total_row, sheets::kRed);
}

}  // namespace

std::vector<OutOfRangeContent> CompositionOutOfRange(const FuelDocument& doc) {
  const bool gas = IsGas(doc);
  const sheets::Sheet& shown = gas                ? doc.XLSheet1_2
                               : doc.RadioButton1 ? doc.XLSheet1_1
                                                  : doc.XLSheet3;
  const auto content = [&doc](int r) { return doc.XLSheet10.ParsedNumber(kRecordValueCol, r); };
  std::optional<long double> moisture_ash;
  if (!gas) {
    const auto w = content(fuel::record_row::kMoisture);
    const auto a = content(fuel::record_row::kAsh);
    if (w && a) moisture_ash = *w + *a;
  }
  std::vector<OutOfRangeContent> refused;
  for (int r = 0; r < (gas ? kGasContents : kSolidContents); ++r) {
    const auto value = content(r);
    if (!value) continue;
    const char* range = nullptr;
    if (!(*value >= 0 && *value <= 100)) {
      range = kContentRange;
    } else if ((r == fuel::record_row::kMoisture || r == fuel::record_row::kAsh) && moisture_ash &&
               *moisture_ash >= 100) {
      range = kMoistureAshRange;
    }
    if (range) {
      refused.push_back({r, SpacesTrimmed(shown.Text(0, SheetRow(r))),
                         doc.XLSheet10.Text(kRecordValueCol, r), range});
    }
  }
  return refused;
}

void MarkCompositionRanges(FuelDocument& doc) {
  const std::vector<OutOfRangeContent> refused = CompositionOutOfRange(doc);
  const std::vector<OutOfRangeContent> none;
  const bool gas = IsGas(doc);
  Mark(doc.XLSheet1_1, kSolidContents, sheet_row::kCompositionTotal, gas ? none : refused);
  Mark(doc.XLSheet3, kSolidContents, sheet_row::kCompositionTotal, gas ? none : refused);
  Mark(doc.XLSheet1_2, kGasContents, sheet_row::kGasTotal, gas ? refused : none);
}

}  // namespace calc
