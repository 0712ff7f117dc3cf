// Lookups in the displayed enthalpy–temperature table.
#include "calc/lookup.h"

#include <cmath>
#include <string>

#include "calc/enthalpy_table.h"
#include "sheets/errors.h"
#include "sheets/numbers.h"

namespace calc {

namespace {

constexpr long kBisectionLimit = 1000000;
constexpr long double kTolerancePercent = 0.005L;

void WriteState(sheets::Sheet& design, StateCells::At cell, float value) {
  design.SetText(cell.col, cell.row,
                 sheets::FormatPattern(value, ".##", design.DecimalSeparator()));
}

// Ig = (α − 1)·I0air + I0g + Iash as one guarded unit: 0 when I0g cannot be read.
float GasEnthalpy(const DisplayedTable& table, float t, std::optional<int> j, float alpha,
                  float air, float ash) {
  const auto gas = TryEnthalpyAtTemperature(table, DisplayedTable::kGasRow, t, j);
  if (!gas) return 0;
  return sheets::TrySingle(FlueGasEnthalpy<long double>(*gas, alpha, air, ash)).value_or(0);
}

// The same text in the temperature, air enthalpy and flue-gas enthalpy cells.
void WriteAllStates(sheets::Sheet& design, const StateCells& cells, const std::string& text) {
  for (const StateCells::At cell : {cells.temperature, cells.air_enthalpy, cells.gas_enthalpy}) {
    design.SetText(cell.col, cell.row, text);
  }
}

}  // namespace

std::optional<float> StateGivenValue(const sheets::Sheet& design, const StateCells& cells) {
  const auto parsed = design.ParsedNumber(cells.given.col, cells.given.row);
  if (!parsed) return std::nullopt;
  const auto given = sheets::TrySingle(*parsed);
  if (!given || !(*given > 0)) return std::nullopt;
  return given;
}

DisplayedTable::DisplayedTable(const sheets::Sheet& sheet) {
  for (int row = 0; row < 4; ++row) {
    for (int col = 0; col < kColumns; ++col) {
      const auto value = sheet.ParsedNumber(col, row);
      if (value)
        values_[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)] =
            sheets::TrySingle(*value);
    }
  }
}

std::optional<float> DisplayedTable::Read(int row, int col) const {
  if (row < 0 || row > 3 || col < 0 || col >= kColumns) return std::nullopt;
  return values_[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)];
}

std::optional<int> FindTemperatureInterval(float t) {
  std::optional<int> j;
  for (int k = 1; k <= DisplayedTable::kColumns; ++k) {
    if (100.0f * k <= t && t < 100.0f * (k + 1)) j = k - 1;
  }
  return j;
}

std::optional<float> TryEnthalpyAtTemperature(const DisplayedTable& table, int row, float t,
                                              std::optional<int> j) {
  if (!j) return std::nullopt;
  const auto low = table.Read(row, *j);
  const auto high = table.Read(row, *j + 1);
  if (!low || !high) return std::nullopt;
  return sheets::TrySingle(*low + (static_cast<long double>(*high) - *low) * 0.01L *
                                      (static_cast<long double>(t) - 100.0L * (*j + 1)));
}

float EnthalpyAtTemperature(const DisplayedTable& table, int row, float t, std::optional<int> j) {
  return TryEnthalpyAtTemperature(table, row, t, j).value_or(0);
}

AirLookup TemperatureFromAirEnthalpy(const DisplayedTable& table, float i) {
  auto air = [&table](int col) {
    const auto value = table.Read(DisplayedTable::kAirRow, col);
    if (!value)
      throw sheets::ConvertError(
          "the air enthalpy at column " + std::to_string(col) + " is not a number",
          "TemperatureFromAirEnthalpy");
    return *value;
  };
  AirLookup result;
  for (int k = 1; k <= 23; ++k) {
    if (air(k) <= i && air(k + 1) > i) result.interval = k;
  }
  const int j = result.interval;
  const auto t = table.Read(DisplayedTable::kTemperatureRow, j);
  const auto low = table.Read(DisplayedTable::kAirRow, j);
  const auto high = table.Read(DisplayedTable::kAirRow, j + 1);
  if (t && low && high) {
    const long double step = (static_cast<long double>(*high) - *low) * 0.01L;
    if (step != 0)
      result.temperature =
          sheets::TrySingle(*t + (static_cast<long double>(i) - *low) / step).value_or(0);
  }
  return result;
}

std::optional<GasLookup> TemperatureFromGasEnthalpy(const DisplayedTable& table, float i_given,
                                                    float alpha, bool literal) {
  float lo = 0;
  float hi = kTopTemperature;
  for (long n = 1; n <= kBisectionLimit; ++n) {
    const float mid = sheets::ToSingle((static_cast<long double>(lo) + hi) * 0.5L);
    const auto j = FindTemperatureInterval(mid);
    const float air = EnthalpyAtTemperature(table, DisplayedTable::kAirRow, mid, j);
    const float ash = EnthalpyAtTemperature(table, DisplayedTable::kAshRow, mid, j);
    const float gas = EnthalpyAtTemperature(table, DisplayedTable::kGasRow, mid, j);
    const float i = sheets::ToSingle(FlueGasEnthalpy<long double>(gas, alpha, air, ash));
    const float e = sheets::ToSingle(
        sheets::Divide(std::fabs(static_cast<long double>(i_given) - i), i_given) * 100);
    const float old_lo = lo;
    const float old_hi = hi;
    if (i < i_given) lo = mid;
    if (i > i_given) hi = mid;
    if (!(e > kTolerancePercent)) return GasLookup{mid, air};
    // Nothing moved: every further halving is this one again, up to the limit.
    if (!literal && lo == old_lo && hi == old_hi) return std::nullopt;
  }
  return std::nullopt;
}

void ComputeGivenState(sheets::Sheet& design, const StateCells& cells, const DisplayedTable& table,
                       int kind, float alpha) {
  const std::optional<float> state_given = StateGivenValue(design, cells);
  if (!state_given) {
    WriteAllStates(design, cells, "");
    return;
  }
  const float given = *state_given;
  if (kind == 0) {
    const float t = given;
    WriteState(design, cells.temperature, t);
    const auto j = FindTemperatureInterval(t);
    const float air = EnthalpyAtTemperature(table, DisplayedTable::kAirRow, t, j);
    WriteState(design, cells.air_enthalpy, air);
    const float ash = EnthalpyAtTemperature(table, DisplayedTable::kAshRow, t, j);
    WriteState(design, cells.gas_enthalpy, GasEnthalpy(table, t, j, alpha, air, ash));
  } else if (kind == 1) {
    const float air = given;
    WriteState(design, cells.air_enthalpy, air);
    const AirLookup found = TemperatureFromAirEnthalpy(table, air);
    WriteState(design, cells.temperature, found.temperature);
    const float ash =
        EnthalpyAtTemperature(table, DisplayedTable::kAshRow, found.temperature, found.interval);
    WriteState(design, cells.gas_enthalpy,
               GasEnthalpy(table, found.temperature, found.interval, alpha, air, ash));
  } else if (kind == 2) {
    const auto found = TemperatureFromGasEnthalpy(table, given, alpha);
    if (!found) {
      WriteAllStates(design, cells, "-");
      return;
    }
    WriteState(design, cells.temperature, found->temperature);
    WriteState(design, cells.air_enthalpy, found->air_enthalpy);
    WriteState(design, cells.gas_enthalpy, given);
  }
}

}  // namespace calc
