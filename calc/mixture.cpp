// The mixture of fuels: slots and shares, validation, mixing by mass, results.
#include "calc/mixture.h"

#include <array>
#include <cstddef>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "calc/decimal_fix.h"
#include "calc/design.h"
#include "calc/enthalpy.h"
#include "calc/heat_balance.h"
#include "calc/heat_balance_cells.h"
#include "calc/layout.h"
#include "calc/lookup.h"
#include "calc/sheet_cells.h"
#include "calc/volumes.h"
#include "fuel/fuel_file.h"
#include "sheets/errors.h"
#include "sheets/numbers.h"

namespace calc {

namespace {

// Mixed values per kilogram of mixture.
struct MixtureValues {
  TheoreticalVolumes volumes;
  float heating_value = 0;
  float ash = 0;
  bool all_gaseous = true;
  EmissionFuel emission;  // in double precision, per kilogram of mixture
};

// What a component brings per kilogram of itself.
struct ComponentValues {
  TheoreticalVolumes volumes;
  float heating_value = 0;
  float ash = 0;
  bool gaseous = false;
  EmissionFuel emission;  // per kilogram of the component
};

std::optional<int> ComponentCount(const FuelDocument& doc) {
  const auto n = sheets::ParseInteger(doc.Edit1);
  if (!n || *n < kMinComponents || *n > kMaxComponents) return std::nullopt;
  return static_cast<int>(*n);
}

// A share as typed, repaired as any typed number is; a text that is no number counts as 0.
float Share(const FuelDocument& doc, int slot) {
  const char sep = doc.DecimalSeparator();
  const auto text = RepairNumberText(doc.Slots[static_cast<std::size_t>(slot)].share, sep);
  const auto value = text ? sheets::ParseFloat(*text, sep) : std::nullopt;
  return value ? sheets::TrySingle(*value).value_or(0) : 0;
}

bool ShareInRange(float share) { return share >= 0 && share <= 100; }

Record ComponentRecord(const FuelDocument& doc, int slot) {
  Record record{};
  for (int row = 0; row < 50; ++row)
    record[static_cast<std::size_t>(row)] = doc.XLFuel.Number(slot, row);
  return record;
}

// Whether every record value of the slot reads as a single, and a gas has a density.
bool ComponentIsComplete(const FuelDocument& doc, int slot) {
  Record record{};
  try {
    record = ComponentRecord(doc, slot);
  } catch (const sheets::Error&) {
    return false;
  }
  return record[fuel::record_row::kType] < kGasType || record[fuel::record_row::kGasDensity] != 0;
}

ComponentValues ValuesOf(const Record& record) {
  ComponentValues c;
  c.gaseous = record[fuel::record_row::kType] >= kGasType;
  EmissionRecord first_rows;
  for (std::size_t r = 0; r < first_rows.size(); ++r) first_rows[r] = record[r];
  // The type list's index; a damaged type row matches no type (no reference factor) but
  // keeps the kind the volumes were taken for.
  int type = fuel::TypeIndexOf(record[fuel::record_row::kType]);
  if ((type >= kGasType) != c.gaseous) type = c.gaseous ? std::numeric_limits<int>::max() : -1;
  c.emission = FuelEmission(type, first_rows);
  if (!c.gaseous) {
    c.volumes = ComputeTheoreticalVolumes(record, 0);
    c.heating_value = record[fuel::record_row::kHeatingValue];
    c.ash = record[fuel::record_row::kAsh];
    return c;
  }
  // Per cubic metre of gas, brought to a kilogram by the density.
  const TheoreticalVolumes per_m3 = ComputeTheoreticalVolumes(record, kGasType);
  const long double density = record[fuel::record_row::kGasDensity];
  auto per_kg = [density](float value) { return sheets::ToSingle(sheets::Divide(value, density)); };
  c.volumes = {per_kg(per_m3.air), per_kg(per_m3.nitrogen), per_kg(per_m3.triatomic),
               per_kg(per_m3.water)};
  c.heating_value = per_kg(record[fuel::record_row::kGasHeatingValue]);
  // Per kilogram through the density, as the volumes and the heating value are.
  for (std::optional<double>* m : {&c.emission.co2, &c.emission.so2}) {
    if (*m) *m = **m / density;
  }
  return c;
}

// X + Xk·gk·0.01, stored in single precision.
void AddShare(float& total, float value, float share) {
  total = sheets::ToSingle(total + static_cast<long double>(value) * share * 0.01L);
}

MixtureValues Mix(const FuelDocument& doc, int count) {
  MixtureValues m;
  std::vector<EmissionComponent> emissions;
  for (int slot = 0; slot < count; ++slot) {
    const ComponentValues c = ValuesOf(ComponentRecord(doc, slot));
    const float g = Share(doc, slot);
    emissions.push_back({c.emission, c.heating_value, g});
    AddShare(m.volumes.air, c.volumes.air, g);
    AddShare(m.volumes.nitrogen, c.volumes.nitrogen, g);
    AddShare(m.volumes.triatomic, c.volumes.triatomic, g);
    AddShare(m.volumes.water, c.volumes.water, g);
    AddShare(m.heating_value, c.heating_value, g);
    AddShare(m.ash, c.ash, g);
    m.all_gaseous = m.all_gaseous && c.gaseous;
  }
  m.emission = MixtureEmission(emissions);
  return m;
}

void WriteResults(FuelDocument& doc, const MixtureValues& m) {
  const char sep = doc.DecimalSeparator();
  const float volumes[] = {m.volumes.air, m.volumes.nitrogen, m.volumes.triatomic, m.volumes.water};
  for (int i = 0; i < 4; ++i)
    doc.XLSheet14.SetText(1, sheet_row::kMixtureVolumes + i,
                          sheets::FormatPattern(volumes[i], "0.###", sep));
  doc.XLSheet14.SetText(1, sheet_row::kMixtureHeatingValue,
                        sheets::FormatPattern(m.heating_value, "0.#", sep));
}

// An invalid mixture shows no result anywhere, and its results page is closed.
void ClearResults(FuelDocument& doc) {
  for (int i = 0; i < 4; ++i) doc.XLSheet14.SetText(1, sheet_row::kMixtureVolumes + i, "");
  doc.XLSheet14.SetText(1, sheet_row::kMixtureHeatingValue, "");
  for (int row = 1; row < doc.XLSheet16.RowCount(); ++row) {
    for (int col = 0; col < doc.XLSheet16.ColCount(); ++col) doc.XLSheet16.SetText(col, row, "");
  }
  for (int row = 5; row <= 10; ++row) doc.XLSheet17.SetText(1, row, "");
  for (int row = 5; row <= 7; ++row) doc.XLSheet17.SetText(4, row, "");
  for (int row = heat_balance_row::kAvailableHeat; row < heat_balance_row::kMixtureRows; ++row) {
    doc.XLSheet20.SetText(1, row, "");
  }
  doc.PageControl2 = 0;
}

// RecalcMixture, giving the mixed values of a valid mixture.
std::optional<MixtureValues> RecalcMixtureValues(FuelDocument& doc) {
  const std::optional<int> count = ComponentCount(doc);
  const int counted = count.value_or(kMinComponents);
  float total = 0;
  for (int slot = 0; slot < counted; ++slot) {
    total = sheets::ToSingle(static_cast<long double>(total) + Share(doc, slot));
  }
  const std::optional<int> refused = ShareOutOfRange(doc);
  doc.Edit3Hint = refused ? "Доля топлива " + std::to_string(*refused + 1) +
                                " вне диапазона: допустимо " + kShareRange
                          : "";
  bool valid = count.has_value() && total == 100.0f && !refused;
  for (int slot = 0; valid && slot < counted; ++slot) valid = ComponentIsComplete(doc, slot);
  doc.Edit3 = sheets::FormatSingle(total, doc.DecimalSeparator());

  if (!valid) {
    ClearResults(doc);
    doc.SpeedButton13 = false;
    return std::nullopt;
  }
  const MixtureValues m = Mix(doc, counted);
  WriteResults(doc, m);
  doc.SpeedButton13 = true;
  const CarryoverCell carryover =
      m.all_gaseous ? CarryoverCell{} : CarryoverCell{&doc.XLSheet17, 4, 2};
  WriteEnthalpyTable(doc, doc.XLSheet16, m.volumes, m.ash, carryover);
  doc.XLFuel.SetInteger(kAllGaseousCol, kAllGaseousRow, m.all_gaseous ? 1 : 0);
  RecalcMixtureHeatBalance(doc, m.heating_value, m.ash, m.all_gaseous, m.emission);
  return m;
}

}  // namespace

std::optional<int> ShareOutOfRange(const FuelDocument& doc) {
  const int counted = ComponentCount(doc).value_or(kMinComponents);
  for (int slot = 0; slot < counted; ++slot) {
    if (!ShareInRange(Share(doc, slot))) return slot;
  }
  return std::nullopt;
}

void Edit1Change(FuelDocument& doc) {
  if (doc.Edit1.empty()) return;
  Edit1Exit(doc);
  const int n = ComponentCount(doc).value_or(kMinComponents);
  doc.GSPagesActive = 0;
  for (int slot = 0; slot < FuelDocument::kSlots; ++slot) {
    doc.GSPageTabShown[static_cast<std::size_t>(slot)] = slot < kMinComponents || slot < n;
  }
}

void Edit1Exit(FuelDocument& doc) {
  const auto n = sheets::ParseInteger(doc.Edit1);
  std::string corrected = doc.Edit1;
  if (!n || *n < kMinComponents) {
    corrected = "2";
  } else if (*n > kMaxComponents) {
    corrected = "5";
  }
  if (corrected != doc.Edit1) SetComponentCount(doc, corrected);
}

void SetComponentCount(FuelDocument& doc, const std::string& text) {
  if (text == doc.Edit1) return;
  doc.Edit1 = text;
  Edit1Change(doc);
  RecalcMixture(doc);
}

void PickComponent(FuelDocument& doc, int slot) {
  const int col = slot - 1;
  auto& s = doc.Slots.at(static_cast<std::size_t>(col));
  s.name = doc.ComboBox1;
  s.type_name = FuelTypeName(doc.ComboBox3);
  for (int row = 0; row < fuel::kRecordSize; ++row)
    doc.XLFuel.SetValue(col, row, doc.XLSheet10.At(kRecordValueCol, row).value);
  RecalcMixture(doc);
}

void ShareChange(FuelDocument& doc, int slot, const std::string& text) {
  doc.Slots.at(static_cast<std::size_t>(slot - 1)).share = text;
  RecalcMixture(doc);
}

void RecalcMixture(FuelDocument& doc) {
  if (RecalcMixtureValues(doc)) XLGrid20EditModeChanged(doc);
}

void SpeedButton13Click(FuelDocument& doc) {
  doc.PageControl2 = 1;
  XLGrid20EditModeChanged(doc);
}

InputNotices XLGrid20EditModeChanged(FuelDocument& doc) {
  const std::optional<MixtureValues> mixture = RecalcMixtureValues(doc);
  sheets::Sheet& design = doc.XLSheet17;
  InputNotices notices = DesignFallbacks(design, kMixtureDesignCells);
  const auto kind = design.Integer(0, 3);
  design.SetText(2, 3, GivenValueUnit(kind, false));  // the mixture is per kilogram
  const float alpha = ReadExcessAir(design);
  const float carryover = ReadCarryoverCell(design, 4, 2);

  try {
    ComputeGivenState(design, kMixtureStateCells, DisplayedTable(doc.XLSheet16),
                      static_cast<int>(kind), alpha);
  } catch (const sheets::Error&) {
    // The section gives up; the derived parameters are still computed.
  }

  if (alpha <= 0) {
    // No flue gas at all: nothing derived from it, the fly-ash share included.
    for (int row = 5; row <= 10; ++row) design.SetText(1, row, "");
    return notices;
  }
  const ReadVolumes v = ReadVolumeTexts(doc.XLSheet14, sheet_row::kMixtureVolumes);
  WriteDerivedParameters(design, 5, v, alpha);
  if (doc.XLFuel.Integer(kAllGaseousCol, kAllGaseousRow) != 0) {
    design.SetInteger(1, 10, 0);
    return notices;
  }
  // Only a valid mixture has results to read the volumes from, so it is valid here.
  const float mu = FlyAshShare(mixture.value().ash, carryover, alpha, v.air);
  design.SetText(1, 10, sheets::FormatPattern(mu, "0.######", design.DecimalSeparator()));
  return notices;
}

void XLGrid20Exit(FuelDocument& doc) {
  FixDecimalSeparator(doc.XLSheet17, 1, 2);
  FixDecimalSeparator(doc.XLSheet17, 1, 3);
  FixDecimalSeparator(doc.XLSheet17, 4, 2);
}

}  // namespace calc
