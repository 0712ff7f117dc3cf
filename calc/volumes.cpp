// Theoretical volumes: every operand a stored single, every formula evaluated in long
// double and stored through the checked narrowing.
#include "calc/volumes.h"

#include "calc/sheet_cells.h"
#include "sheets/numbers.h"

namespace calc {

namespace {

TheoreticalVolumes SolidVolumes(const Record& r) {
  const long double w = r[0], c = r[2], h = r[3], n = r[4], s = r[5], o = r[6];
  TheoreticalVolumes v;
  v.air = sheets::ToSingle(0.0889L * (c + 0.375L * s) + 0.265L * h - 0.0333L * o);
  v.nitrogen = sheets::ToSingle(0.79L * v.air + 0.8L * n * 0.01L);
  v.triatomic = sheets::ToSingle(1.866L * (c + 0.375L * s) * 0.01L);
  v.water = sheets::ToSingle(0.111L * h + 0.0124L * w + 0.0161L * v.air);
  return v;
}

TheoreticalVolumes GasVolumes(const Record& r) {
  const long double ch4 = r[0], c2h6 = r[1], c3h8 = r[2], c4h10 = r[3], c5h12 = r[4];
  const long double n2 = r[5], co2 = r[6], h2s = r[7], o2 = r[8], co = r[9], h2 = r[10];
  TheoreticalVolumes v;
  v.air = sheets::ToSingle(0.0476L * (2 * ch4 + 3.5L * c2h6 + 5 * c3h8 + 6.5L * c4h10 + 8 * c5h12 +
                                      0.5L * (co + h2) + 1.5L * h2s - o2));
  v.nitrogen = sheets::ToSingle(0.79L * v.air + 0.01L * n2);
  v.triatomic = sheets::ToSingle(
      0.01L * (2 * c2h6 + ch4 + 3 * c3h8 + 4 * c4h10 + 5 * c5h12 + co2 + co + h2s));
  v.water =
      sheets::ToSingle(0.01L * (0.5L * (4 * ch4 + 6 * c2h6 + 8 * c3h8 + 10 * c4h10 + 12 * c5h12) +
                                h2s + h2 + 1.24L + 1.61L * v.air));
  return v;
}

}  // namespace

TheoreticalVolumes ComputeTheoreticalVolumes(const Record& record, int type_index) {
  return type_index < kGasType ? SolidVolumes(record) : GasVolumes(record);
}

void WriteVolumes(FuelDocument& doc, const TheoreticalVolumes& volumes) {
  const char sep = doc.DecimalSeparator();
  const float values[] = {volumes.air, volumes.nitrogen, volumes.triatomic, volumes.water};
  for (int i = 0; i < 4; ++i)
    doc.XLSheet2.SetText(1, sheet_row::kVolumes + i,
                         sheets::FormatPattern(values[i], "0.####", sep));
}

}  // namespace calc
