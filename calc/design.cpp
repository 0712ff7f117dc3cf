// The design calculation at a given excess air for a single fuel.
#include "calc/design.h"

#include <algorithm>
#include <string>
#include <string_view>

#include "calc/cycle.h"
#include "calc/enthalpy.h"
#include "calc/layout.h"
#include "calc/lookup.h"
#include "calc/sheet_cells.h"
#include "calc/text.h"
#include "fuel/fuel_file.h"
#include "sheets/errors.h"
#include "sheets/numbers.h"

namespace calc {

namespace {

void WriteFormatted(sheets::Sheet& sheet, int row, float value, const char* pattern) {
  sheet.SetText(1, row, sheets::FormatPattern(value, pattern, sheet.DecimalSeparator()));
}

// VRO2 / Vg or V0H2O / Vg with Vg read back from its row; the integer 0 when that fails.
void WriteFraction(sheets::Sheet& design, int row, int vg_row, float volume) {
  try {
    const float vg = design.Number(1, vg_row);
    WriteFormatted(design, row, sheets::ToSingle(sheets::Divide(volume, vg)), "0.####");
  } catch (const sheets::Error&) {
    design.SetInteger(1, row, 0);
  }
}

// The given-parameter section, one guarded unit: rows 12..14 from the given value.
void GivenParameterSection(FuelDocument& doc, float alpha) {
  sheets::Sheet& design = doc.XLSheet15;
  try {
    ComputeGivenState(design, kFuelStateCells, DisplayedTable(doc.XLSheet6),
                      static_cast<int>(design.Integer(0, 3)), alpha);
  } catch (const sheets::Error&) {
    // The section gives up; the derived parameters are still computed.
  }
}

// Whether a typed input is read as itself: blank (the default), or a number a single holds.
bool ReadsAsItself(const sheets::Sheet& sheet, int col, int row) {
  if (IsBlank(sheet.Text(col, row))) return true;
  const auto parsed = sheet.ParsedNumber(col, row);
  return parsed && sheets::TrySingle(*parsed);
}

std::string CarryoverFallback(char decimal_separator) {
  return "принят коэффициент уноса " +
         sheets::FormatSingle(static_cast<float>(kDefaultCarryover), decimal_separator);
}

// `after_cycle`: the fuel's cycle has just run, so it runs again only when the design's
// carry-over differs from the one that cycle used.
void RunDesign(FuelDocument& doc, bool after_cycle) {
  sheets::Sheet& design = doc.XLSheet15;
  if (design.Text(1, 2).empty()) return;
  const float alpha = ReadExcessAir(design);
  const float carryover = ReadCarryoverCell(design, 1, 4);
  const bool same_carryover = doc.XLSheet13.At(1, 0).value == design.At(1, 4).value;
  doc.XLSheet13.SetValue(1, 0, design.At(1, 4).value);
  // The cycle runs a second time on purpose: the carry-over just copied into the
  // carry-over grid feeds the ash column of the enthalpy table, and the state below is
  // read from that table and from the volumes. A design edit always runs it, as the
  // window does; right after a cycle that used the same carry-over the texts would come
  // out the same, so it is skipped.
  if (!after_cycle || !same_carryover) {
    CollectAllData(doc);
    ScatterAllData(doc);
    RecalcFuel(doc);
  }

  // The unit follows the kind, whether or not the given value fixes a state.
  SetGivenValueUnit(design, doc.ComboBox3 >= kGasType);
  GivenParameterSection(doc, alpha);

  if (alpha <= 0) {
    // No flue gas at all: nothing derived from it, the fly-ash share included.
    for (int row = 6; row <= 11; ++row) design.SetText(1, row, "");
    return;
  }
  const ReadVolumes v = ReadVolumeTexts(doc.XLSheet2, sheet_row::kVolumes);
  WriteDerivedParameters(design, 6, v, alpha);

  if (doc.ComboBox3 >= kGasType) {
    design.SetInteger(1, 11, 0);
    return;
  }
  WriteFormatted(design, 11,
                 FlyAshShare(doc.XLSheet10.Number(kRecordValueCol, fuel::record_row::kAsh),
                             carryover, alpha, v.air),
                 "0.######");
}

}  // namespace

void WriteDerivedParameters(sheets::Sheet& design, int first, const ReadVolumes& v, float alpha) {
  const long double excess = static_cast<long double>(alpha) - 1;
  const float water = sheets::ToSingle(v.water + 0.0161L * excess * v.air);
  WriteFormatted(design, first, water, "0.####");
  // The flue gas carries the theoretical water vapour, not the VH2O above.
  const float gas = sheets::ToSingle(static_cast<long double>(v.nitrogen) + v.triatomic + v.water +
                                     excess * v.air);
  WriteFormatted(design, first + 1, gas, "0.####");
  WriteFraction(design, first + 2, first + 1, v.triatomic);
  WriteFraction(design, first + 3, first + 1, v.water);
  const float total = sheets::ToSingle(static_cast<long double>(design.Number(1, first + 2)) +
                                       design.Number(1, first + 3));
  WriteFormatted(design, first + 4, total, "0.####");
}

float FlyAshShare(float ash_percent, float carryover, float alpha, float air) {
  const long double ash = ash_percent;
  const float gg = sheets::ToSingle((1 - 0.01L * ash) + 1.306L * alpha * air);
  return sheets::ToSingle(sheets::Divide(ash * carryover * 0.01L, gg));
}

ReadVolumes ReadVolumeTexts(const sheets::Sheet& sheet, int first) {
  return {sheet.Number(1, first), sheet.Number(1, first + 1), sheet.Number(1, first + 2),
          sheet.Number(1, first + 3)};
}

InputNotices DesignFallbacks(const sheets::Sheet& design, std::span<const DesignCell> cells) {
  InputNotices notices;
  for (const DesignCell& cell : cells) {
    const std::string_view key = cell.key;
    std::string done;
    if (key == "excess_air") {
      done = "принят коэффициент избытка воздуха 1";
    } else if (key == "carryover") {
      done = CarryoverFallback(design.DecimalSeparator());
    } else if (key == "given") {
      done = "параметры по заданной величине не рассчитаны";
    } else {
      continue;
    }
    if (ReadsAsItself(design, cell.col, cell.row)) continue;
    notices.push_back({&design, cell.col, cell.row, design.Text(cell.col, cell.row), done});
  }
  return notices;
}

float ReadExcessAir(sheets::Sheet& design) {
  try {
    return design.Number(1, 2);
  } catch (const sheets::Error&) {
    // Not a number, or too large for a single.
    design.SetInteger(1, 2, 1);
    return 1;
  }
}

InputNotices XLGrid15EditModeChanged(FuelDocument& doc) {
  // Without an excess air the run computes nothing, so it takes no fallback either.
  InputNotices notices;
  if (!doc.XLSheet15.Text(1, 2).empty()) notices = DesignFallbacks(doc.XLSheet15, kFuelDesignCells);
  try {
    RunDesign(doc, false);
  } catch (const sheets::Error&) {
    // The run ends quietly; what it had not written keeps its text.
  }
  return notices;
}

void RecalcDesign(FuelDocument& doc) {
  try {
    RunDesign(doc, true);
  } catch (const sheets::Error&) {
    // As XLGrid15EditModeChanged: the run ends quietly.
  }
}

InputNotices XLGrid13EditModeChanged(FuelDocument& doc) {
  InputNotices notices;
  if (!ReadsAsItself(doc.XLSheet13, 1, 0)) {
    notices.push_back({&doc.XLSheet13, 1, 0, doc.XLSheet13.Text(1, 0),
                       CarryoverFallback(doc.DecimalSeparator())});
  }
  CollectAllData(doc);
  ScatterAllData(doc);
  // The heat balance at the end of the cycle reads the carry-over from the design sheet:
  // it gets the new one before, and the one the enthalpy table clamped after.
  doc.XLSheet15.SetValue(1, 4, doc.XLSheet13.At(1, 0).value);
  RecalcFuel(doc);
  doc.XLSheet15.SetValue(1, 4, doc.XLSheet13.At(1, 0).value);
  // The design run copies the carry-over back and runs the cycle once more only when its
  // own reading of the cell (clamped, or 0.95 for an empty one) differs.
  RecalcDesign(doc);
  return notices;
}

}  // namespace calc
