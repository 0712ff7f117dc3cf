// The design calculation at a given excess air for a single fuel.
#include "calc/design.h"

#include <algorithm>

#include "calc/cycle.h"
#include "calc/lookup.h"
#include "sheets/errors.h"
#include "sheets/numbers.h"

namespace calc {

namespace {

constexpr float kDefaultCarryover = 0.95f;

void WriteFormatted(sheets::Sheet& sheet, int row, float value, const char* pattern) {
  sheet.SetText(1, row, sheets::FormatPattern(value, pattern, sheet.DecimalSeparator()));
}

// VRO2 / Vg or V0H2O / Vg with Vg read back from row 7; the integer 0 when that fails.
void WriteFraction(sheets::Sheet& design, int row, float volume) {
  try {
    const float vg = design.Number(1, 7);
    WriteFormatted(design, row, sheets::ToSingle(sheets::Divide(volume, vg)), "0.####");
  } catch (const sheets::Error&) {
    design.SetInteger(1, row, 0);
  }
}

// The given-parameter section, one guarded unit: its unit cell, then rows 12..14.
void GivenParameterSection(FuelDocument& doc, float alpha) {
  sheets::Sheet& design = doc.XLSheet15;
  try {
    const auto kind = design.Integer(0, 3);
    design.SetText(2, 3, kind == 0 ? "°C" : "кДж/кг");
    ComputeGivenState(design, DisplayedTable(doc.XLSheet6), static_cast<int>(kind), alpha);
  } catch (const sheets::Error&) {
    // The section gives up; the derived parameters are still computed.
  }
}

void RunDesign(FuelDocument& doc) {
  sheets::Sheet& design = doc.XLSheet15;
  if (design.Text(1, 2).empty()) return;
  const float alpha = ReadExcessAir(design);
  const float carryover = ReadDesignCarryover(design);
  doc.XLSheet13.SetValue(1, 0, design.At(1, 4).value);
  CollectAllData(doc);
  ScatterAllData(doc);
  RecalcFuel(doc);

  if (!GivenValueIsNotPositive(design)) GivenParameterSection(doc, alpha);

  if (alpha <= 0) {
    for (int row = 6; row <= 10; ++row) design.SetText(1, row, "");
    return;
  }
  const sheets::Sheet& volumes = doc.XLSheet2;
  const ReadVolumes v{volumes.Number(1, 2), volumes.Number(1, 3), volumes.Number(1, 4),
                      volumes.Number(1, 5)};
  WriteDerivedParameters(design, v, alpha);

  if (doc.ComboBox3 >= kGasType) {
    design.SetInteger(1, 11, 0);
    return;
  }
  const long double ash = doc.XLSheet10.Number(2, 1);
  const float gg = sheets::ToSingle((1 - 0.01L * ash) + 1.306L * alpha * v.air);
  const float mu = sheets::ToSingle(sheets::Divide(ash * carryover * 0.01L, gg));
  WriteFormatted(design, 11, mu, "0.######");
}

}  // namespace

void WriteDerivedParameters(sheets::Sheet& design, const ReadVolumes& v, float alpha) {
  const long double excess = static_cast<long double>(alpha) - 1;
  const float water = sheets::ToSingle(v.water + 0.0161L * excess * v.air);
  WriteFormatted(design, 6, water, "0.####");
  const float gas = sheets::ToSingle(static_cast<long double>(v.nitrogen) + v.triatomic + v.water +
                                     excess * v.air);
  WriteFormatted(design, 7, gas, "0.####");
  WriteFraction(design, 8, v.triatomic);
  WriteFraction(design, 9, v.water);
  const float total =
      sheets::ToSingle(static_cast<long double>(design.Number(1, 8)) + design.Number(1, 9));
  WriteFormatted(design, 10, total, "0.####");
}

float ReadDesignCarryover(sheets::Sheet& design) {
  const auto parsed = sheets::ParseFloat(design.Text(1, 4), design.DecimalSeparator());
  float carryover = kDefaultCarryover;
  if (parsed) carryover = std::clamp(sheets::ToSingle(*parsed), 0.0f, 1.0f);
  design.SetSingle(1, 4, carryover);
  return carryover;
}

float ReadExcessAir(sheets::Sheet& design) {
  const auto parsed = sheets::ParseFloat(design.Text(1, 2), design.DecimalSeparator());
  if (parsed) return sheets::ToSingle(*parsed);
  design.SetInteger(1, 2, 1);
  return 1;
}

bool GivenValueIsNotPositive(const sheets::Sheet& design) {
  const auto given = sheets::ParseFloat(design.Text(1, 3), design.DecimalSeparator());
  return given && *given <= 0;
}

void XLGrid15EditModeChanged(FuelDocument& doc) {
  try {
    RunDesign(doc);
  } catch (const sheets::Error&) {
    // The run ends quietly; what it had not written keeps its text.
  }
}

void XLGrid13EditModeChanged(FuelDocument& doc) {
  CollectAllData(doc);
  ScatterAllData(doc);
  RecalcFuel(doc);
  doc.XLSheet15.SetValue(1, 4, doc.XLSheet13.At(1, 0).value);
  XLGrid15EditModeChanged(doc);
}

}  // namespace calc
