// The heat balance of the boiler for the single fuel and for the mixture.
#include "calc/heat_balance.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <iterator>

#include "calc/decimal_fix.h"
#include "calc/enthalpy.h"
#include "calc/enthalpy_table.h"
#include "calc/layout.h"
#include "calc/optional_number.h"
#include "calc/sheet_cells.h"
#include "fuel/fuel_file.h"
#include "sheets/errors.h"
#include "sheets/numbers.h"

namespace calc {

namespace {

namespace row = heat_balance_row;

using Value = std::optional<double>;
using Wide = long double;
// Formulas run in long double; what is shown and kept is a double.
using Number = OptionalNumber<Wide>;

constexpr int kColumns = kTemperatureColumns;

// A cell as shown, read through the number the sheet keeps for it; none beyond doubles.
Value Displayed(const sheets::Sheet& sheet, int col, int r) {
  const std::optional<long double> value = sheet.ParsedNumber(col, r);
  return value ? Number(*value) : Number();
}

// One quantity at 0, 100 .. 2500 °C (index i is 100·i °C, 0 at 0 °C); nullopt where it has
// no value.
using Line = std::array<Value, kColumns + 1>;

// Linear between the columns; every temperature up to 100 °C (below 0 °C too) on the line
// from 0 at 0 °C to the 100 °C column; nullopt above 2500 °C.
Value AtTemperature(const Line& line, const Value& t) {
  if (!t || *t > kTopTemperature) return std::nullopt;
  const int k = *t <= 100 ? 0 : static_cast<int>(std::ceil(*t / 100)) - 1;
  const Number low = line[static_cast<std::size_t>(k)];
  const Number high = line[static_cast<std::size_t>(k + 1)];
  return low + (high - low) * (t - Number(100.0L * k)) / 100;
}

// The rows of an enthalpy–temperature sheet as displayed.
struct Lines {
  Line air;
  Line gas;
  Line ash;
};

Lines ReadLines(const sheets::Sheet& table) {
  Lines lines;
  for (Line* line : {&lines.air, &lines.gas, &lines.ash}) (*line)[0] = 0.0;
  for (int j = 0; j < kColumns; ++j) {
    const auto i = static_cast<std::size_t>(j + 1);
    lines.air[i] = Displayed(table, j, enthalpy_row::kAir);
    lines.gas[i] = Displayed(table, j, enthalpy_row::kGas);
    lines.ash[i] = Displayed(table, j, enthalpy_row::kAsh);
    if (!lines.ash[i] && table.Text(j, enthalpy_row::kAsh) == "-") lines.ash[i] = 0.0;
  }
  return lines;
}

// The ash column of the built-in table; its "-1" marks have no value.
Line SlagLine(const FuelDocument& doc) {
  Line line;
  line[0] = 0.0;
  for (int r = 0; r < kColumns; ++r) {
    const Value value = Displayed(doc.XLSheet11, 5, r);
    if (value && *value >= 0) line[static_cast<std::size_t>(r + 1)] = value;
  }
  return line;
}

// Ig = I0g + (α − 1)·I0air + Iash at column i.
Value GasEnthalpy(const Lines& lines, std::size_t i, const Value& alpha) {
  return FlueGasEnthalpy<Number>(lines.gas[i], alpha, lines.air[i], lines.ash[i]);
}

// The temperature at which Ig at excess air α reaches `heat`: the first column from 100 °C
// whose Ig reaches it, interpolated from the column before (0 at 0 °C); nullopt when none
// does.
Value AdiabaticTemperature(const Lines& lines, const Value& alpha, const Value& heat) {
  if (!alpha || !heat) return std::nullopt;
  Value previous = 0.0;
  for (std::size_t i = 1; i <= kColumns; ++i) {
    const Value ig = GasEnthalpy(lines, i, alpha);
    if (!ig) return std::nullopt;
    if (*ig >= *heat) {
      const Value step = (heat - Number(previous)) / (ig - Number(previous));
      return 100.0L * static_cast<Wide>(i - 1) + 100 * Number(step);
    }
    previous = ig;
  }
  return std::nullopt;
}

void Show(sheets::Sheet& sheet, int r, const Value& value, const char* pattern) {
  sheet.SetText(1, r,
                value ? sheets::FormatPattern(*value, pattern, sheet.DecimalSeparator()) : "-");
}

// The physical range of a result: what it must be, as the value reads back from its
// text, and why it shows "-" otherwise.
struct ResultRange {
  bool (*holds)(double value);
  const char* reason;
};

constexpr ResultRange kPositiveHeat = {[](double q) { return q > 0; },
                                       "Располагаемое тепло должно быть больше 0"};
constexpr ResultRange kLoss = {[](double q) { return q >= 0; },
                               "Потеря тепла не может быть отрицательной"};
constexpr ResultRange kLosses = {[](double q) { return q >= 0 && q < 100; },
                                 "Сумма потерь должна быть от 0 до менее 100 %"};
constexpr ResultRange kEfficiency = {[](double e) { return e > 0 && e < 100; },
                                     "КПД должен быть больше 0 и меньше 100 %"};
constexpr ResultRange kRetention = {[](double f) { return f > 0 && f <= 1; },
                                    "Коэффициент сохранения тепла должен быть от 0 до 1"};
constexpr ResultRange kConsumption = {[](double b) { return b >= 0; },
                                      "Расход топлива не может быть отрицательным"};
constexpr ResultRange kExcessAir = {[](double a) { return a >= 1; },
                                    "Избыток воздуха не может быть меньше 1"};
constexpr ResultRange kFurnaceRelease = {[](double q) { return q > 0; },
                                         "Полезное тепловыделение в топке должно быть больше 0"};

// Shows a result that must lie in `range`: "-" with the reason as the cell's hint when the
// text it would show reads back outside it. Returns the value, nullopt when refused, so
// what needs it shows "-" too.
Value ShowInRange(sheets::Sheet& sheet, int r, const Value& value, const char* pattern,
                  const ResultRange& range) {
  Value kept = value;
  if (value) {
    const auto shown = sheets::ParseFloat(
        sheets::FormatPattern(*value, pattern, sheet.DecimalSeparator()), sheet.DecimalSeparator());
    if (!shown || !range.holds(static_cast<double>(*shown))) kept.reset();
  }
  Show(sheet, r, kept, pattern);
  sheet.SetHint(1, r, value && !kept ? range.reason : "");
  return kept;
}

// A quantity computed only when its input is typed: empty otherwise.
Value ShowIfTyped(sheets::Sheet& sheet, int r, bool typed, const Value& value, const char* pattern,
                  const ResultRange& range) {
  if (typed) return ShowInRange(sheet, r, value, pattern, range);
  sheet.SetText(1, r, "");
  sheet.SetHint(1, r, "");
  return std::nullopt;
}

Value RecordValue(const FuelDocument& doc, int r) {
  return Displayed(doc.XLSheet10, kRecordValueCol, r);
}

// 100 / divisor; nullopt when the divisor is 0 or negative.
Value BasisFactor(const Value& divisor) {
  if (!divisor || *divisor <= 0) return std::nullopt;
  return 100 / Number(divisor);
}

// Heat of the water vapour in the products per per cent of water in the fuel, kJ/kg:
// 2510 kJ/kg, the latent heat the boiler thermal calculation takes between the higher and
// the lower heating value (Qs = Qi + 25.1·(9H + W), 9H the water formed from hydrogen).
constexpr long double kVapourHeatBoiler = 25.1L;
// The same for the moisture alone as the conversion of a heating value between the bases
// of analysis takes it: 2500 kJ/kg, 0.025 MJ/kg per per cent (Qi,d = (Qi + 25·W)·Kd).
constexpr long double kVapourHeatBases = 25;

// The bases of a solid or liquid fuel from its record: K_d = 100 / (100 − W),
// K_daf = 100 / (100 − W − A); contents in %, heating values in kJ/kg.
void WriteBases(const FuelDocument& doc, sheets::Sheet& sheet) {
  namespace rec = fuel::record_row;
  const Value w = RecordValue(doc, rec::kMoisture);
  const Value a = RecordValue(doc, rec::kAsh);
  const Value q = RecordValue(doc, rec::kHeatingValue);
  const Value dry = BasisFactor(100 - Number(w));
  const Value daf = BasisFactor(100 - Number(w) - a);
  for (int i = 0; i < 5; ++i) {
    const Number element = RecordValue(doc, rec::kCarbon + i);
    Show(sheet, row::kDryFirst + i, element * dry, "0.##");  // %
    Show(sheet, row::kDafFirst + i, element * daf, "0.##");  // %
  }
  Show(sheet, row::kDryFirst + 5, Number(a) * dry, "0.##");  // %
  const Value h = RecordValue(doc, rec::kHydrogen);
  // Qs, kJ/kg.
  Show(sheet, row::kHigherHeatingValue, q + kVapourHeatBoiler * (9 * Number(h) + w), "0.##");
  // Qi + 25·W, kJ/kg, then on the dry and the dry ash-free mass.
  const Value moist = q + kVapourHeatBases * Number(w);
  Show(sheet, row::kDryHeatingValue, Number(moist) * dry, "0.##");
  Show(sheet, row::kDafHeatingValue, Number(moist) * daf, "0.##");
}

void ClearBases(sheets::Sheet& sheet) {
  for (int r = row::kDryFirst; r <= row::kDafHeatingValue; ++r) sheet.SetText(1, r, "");
}

HeatBalanceTexts::Entries Entries(const sheets::Sheet& sheet, int first, int count) {
  HeatBalanceTexts::Entries entries;
  for (int i = 0; i < count; ++i) {
    entries.emplace_back(kBasisElements[i], sheet.Text(1, first + i));
  }
  return entries;
}

HeatBalanceTexts TextsOf(const sheets::Sheet& sheet) {
  HeatBalanceTexts texts;
  for (const HeatBalanceCell& cell : kHeatBalanceCells) {
    texts.values.emplace_back(cell.key, sheet.Text(1, cell.row));
  }
  for (const HeatBalanceCell& cell : kEmissionCells) {
    texts.emissions.emplace_back(cell.key, sheet.Text(1, cell.row));
  }
  for (const HeatBalanceCell& cell : kCondensationCells) {
    texts.condensation.emplace_back(cell.key, sheet.Text(1, cell.row));
  }
  return texts;
}

// The typed inputs, read after the repair of the decimal separator.
struct Inputs {
  Value t_exit;            // ϑух
  Value alpha_exit;        // αух
  Value t_cold;            // tхв
  Value q3, q4, q5;        // %
  Value t_slag;            // ϑшл
  Value fuel_heat;         // iтл
  Value outside_air_heat;  // Qв.вн
  Value output;            // Qка, kW
  Value alpha_furnace;     // αт
  Value leakage;           // Δαт
  Value t_hot;             // tгв
  Value o2, ro2;           // % of the dry flue gas
  Value ro2_max;           // RO2max as shown, the bound of RO2
  Value so2_binding;       // η′SO2
  Value t_condensing;      // tк
  bool output_typed = false;
  bool condensing_typed = false;
  bool o2_typed = false;
  bool ro2_typed = false;
};

Inputs ReadInputs(sheets::Sheet& sheet) {
  for (const HeatBalanceInput& input : kHeatBalanceInputs) FixDecimalSeparator(sheet, 1, input.row);
  auto in = [&sheet](int r) { return Displayed(sheet, 1, r); };
  auto typed = [&sheet](int r) { return !sheet.Text(1, r).empty(); };
  return {.t_exit = in(row::kExitGasTemperature),
          .alpha_exit = in(row::kExitExcessAir),
          .t_cold = in(row::kColdAirTemperature),
          .q3 = in(row::kQ3),
          .q4 = in(row::kQ4),
          .q5 = in(row::kQ5),
          .t_slag = in(row::kSlagTemperature),
          .fuel_heat = in(row::kFuelHeat),
          .outside_air_heat = in(row::kExternalAirHeat),
          .output = in(row::kHeatOutput),
          .alpha_furnace = in(row::kFurnaceExcessAir),
          .leakage = in(row::kFurnaceLeakage),
          .t_hot = in(row::kHotAirTemperature),
          .o2 = in(row::kO2),
          .ro2 = in(row::kRO2),
          .ro2_max = std::nullopt,
          .so2_binding = in(row::kSO2AshBinding),
          .t_condensing = in(row::kCondensingTemperature),
          .output_typed = typed(row::kHeatOutput),
          .condensing_typed = typed(row::kCondensingTemperature),
          .o2_typed = typed(row::kO2),
          .ro2_typed = typed(row::kRO2)};
}

// The physical range of an input, with its wording for the cell's hint and pyrana-calc. A
// bound that another input sets is that input as typed.
struct InputRange {
  int row;
  Value Inputs::*value;
  const char* wording;
  bool (*holds)(double value, const Inputs& in);
};

// Each loss from 0 to below 100 %, and the sum of those that are, q3 + q4 + q5, too, so
// that η = 100 − Σq can stay above 0.
bool HoldsLoss(double q, const Inputs& in) {
  const auto alone = [](double loss) { return loss >= 0 && loss < 100; };
  if (!alone(q)) return false;
  Wide sum = 0;
  for (const Value* loss : {&in.q3, &in.q4, &in.q5}) {
    if (*loss && alone(**loss)) sum += **loss;
  }
  return sum < 100;
}

// The enthalpy tables run to 2500 °C; air is taken in from −60 °C.
bool HoldsAirTemperature(double t, const Inputs&) { return t >= -60 && t <= kTopTemperature; }
bool HoldsExcessAir(double alpha, const Inputs&) { return alpha >= 1; }
bool HoldsHeat(double q, const Inputs&) { return q >= 0; }

constexpr const char* kLossWording = "от 0 до менее 100 %, q3 + q4 + q5 менее 100 %";
constexpr const char* kAirTemperatureWording = "от −60 до 2500 °С";

constexpr InputRange kInputRanges[] = {
    {row::kExitGasTemperature, &Inputs::t_exit,
     "выше температуры холодного воздуха, не выше 2500 °С",
     [](double t, const Inputs& in) {
       return t <= kTopTemperature && (!in.t_cold || t > *in.t_cold);
     }},
    {row::kExitExcessAir, &Inputs::alpha_exit, "не менее 1", HoldsExcessAir},
    {row::kColdAirTemperature, &Inputs::t_cold, kAirTemperatureWording, HoldsAirTemperature},
    {row::kQ3, &Inputs::q3, kLossWording, HoldsLoss},
    {row::kQ4, &Inputs::q4, kLossWording, HoldsLoss},
    {row::kQ5, &Inputs::q5, kLossWording, HoldsLoss},
    {row::kSlagTemperature, &Inputs::t_slag, "от 0 до 2500 °С",
     [](double t, const Inputs&) { return t >= 0 && t <= kTopTemperature; }},
    {row::kFuelHeat, &Inputs::fuel_heat, "не менее 0", HoldsHeat},
    {row::kExternalAirHeat, &Inputs::outside_air_heat, "не менее 0", HoldsHeat},
    {row::kHeatOutput, &Inputs::output, "не менее 0", HoldsHeat},
    {row::kFurnaceExcessAir, &Inputs::alpha_furnace, "не менее 1", HoldsExcessAir},
    {row::kFurnaceLeakage, &Inputs::leakage, "от 0 до менее избытка воздуха в топке",
     [](double d, const Inputs& in) {
       return d >= 0 && (!in.alpha_furnace || d < *in.alpha_furnace);
     }},
    {row::kHotAirTemperature, &Inputs::t_hot, kAirTemperatureWording, HoldsAirTemperature},
    {row::kO2, &Inputs::o2, "от 0 до менее 21 %",
     [](double o, const Inputs&) { return o >= 0 && o < 21; }},
    {row::kRO2, &Inputs::ro2, "более 0, не более RO2max",
     [](double r, const Inputs& in) { return in.ro2_max && r > 0 && r <= *in.ro2_max; }},
    {row::kSO2AshBinding, &Inputs::so2_binding, "от 0 до 1",
     [](double eta, const Inputs&) { return eta >= 0 && eta <= 1; }},
    {row::kCondensingTemperature, &Inputs::t_condensing, kAirTemperatureWording,
     HoldsAirTemperature},
};

// Qка in kW from the value typed in the unit its list cell shows (kW when it shows none).
Value OutputInKilowatts(const sheets::Sheet& sheet, const Value& output) {
  std::int64_t unit = 0;
  try {
    unit = sheet.Integer(2, row::kHeatOutput);
  } catch (const sheets::Error&) {
    unit = 0;
  }
  if (unit < 0 || unit >= static_cast<std::int64_t>(std::size(kHeatOutputUnitKilowatts))) unit = 0;
  const double kilowatts = kHeatOutputUnitKilowatts[static_cast<std::size_t>(unit)];
  return Number(output) * kilowatts;
}

// Refuses each input outside its range: the cell turns red, its hint gives the range, and
// the value is dropped, so every result that needs it shows "-".
void RefuseOutOfRange(sheets::Sheet& sheet, Inputs& in) {
  const Inputs typed = in;
  for (const InputRange& range : kInputRanges) {
    const Value& value = typed.*range.value;
    const bool out = value && !range.holds(*value, typed);
    std::string hint = HeatBalanceInputHint(range.row);
    if (out) {
      hint = hint + "\nДопустимо: " + range.wording;
      (in.*range.value).reset();
    }
    sheet.SetFontColor(1, range.row, out ? sheets::kRed : sheets::kBlack);
    sheet.SetHint(1, range.row, std::move(hint));
  }
}

// What the later steps take from the balance.
struct Balance {
  Value available;  // Qрр
  Value cold_air;   // I0хв
  Value q6;
  Value efficiency;
};

// Steps 1 to 5: available heat, the losses, efficiency and heat retention.
Balance WriteLosses(const FuelDocument& doc, sheets::Sheet& sheet, const Inputs& in,
                    const HeatBalanceFuel& fuel, const Lines& lines) {
  Balance b;
  // Qрр = Q + iтл + Qв.вн, kJ/kg (kJ/m3).
  b.available = ShowInRange(sheet, row::kAvailableHeat,
                            fuel.heating_value + Number(in.fuel_heat) + in.outside_air_heat, "0.##",
                            kPositiveHeat);

  // I0хв at tхв; Iух = I0g + (αух − 1)·I0air + Iash at ϑух; kJ/kg (kJ/m3).
  b.cold_air = AtTemperature(lines.air, in.t_cold);
  Show(sheet, row::kColdAirEnthalpy, b.cold_air, "0.##");
  const Value exit_gas = FlueGasEnthalpy<Number>(AtTemperature(lines.gas, in.t_exit), in.alpha_exit,
                                                 AtTemperature(lines.air, in.t_exit),
                                                 AtTemperature(lines.ash, in.t_exit));
  Show(sheet, row::kExitGasEnthalpy, exit_gas, "0.##");

  // q2 = (Iух − αух·I0хв)·(100 − q4) / Qрр, %.
  const Value q2 =
      (exit_gas - Number(in.alpha_exit) * b.cold_air) * (100 - Number(in.q4)) / b.available;
  const Value q2_shown = ShowInRange(sheet, row::kQ2, q2, "0.##", kLoss);

  // q6 = (1 − aун)·(cϑ)шл·A / Qрр, %, (cϑ)шл from the built-in ash column at ϑшл, kJ/kg.
  const Number slag_ash_heat = AtTemperature(SlagLine(doc), in.t_slag);
  b.q6 = fuel.ashless
             ? Value(0.0)
             : Value((1 - Number(fuel.carryover)) * slag_ash_heat * fuel.ash / b.available);
  b.q6 = ShowInRange(sheet, row::kQ6, b.q6, "0.##", kLoss);

  // Σq, %; η = 100 − Σq, %; φ = 1 − q5 / (η + q5); Σq of 100 % or more shows "-", and so
  // does η, each with its reason.
  const Value losses = q2_shown + Number(in.q3) + in.q4 + in.q5 + b.q6;
  ShowInRange(sheet, row::kLosses, losses, "0.##", kLosses);
  b.efficiency = ShowInRange(sheet, row::kEfficiency, 100 - Number(losses), "0.##", kEfficiency);
  const Value retention_loss = in.q5 / (b.efficiency + Number(in.q5));
  ShowInRange(sheet, row::kRetention, 1 - Number(retention_loss), "0.####", kRetention);
  return b;
}

// B and Bр as the later steps take them.
struct Consumption {
  Value fuel;
  Value calculated;
};

// Step 6: B = Qка / (Qрр·η / 100), per hour, and Bр = B·(1 − q4 / 100); empty texts when
// no heat output is typed.
Consumption WriteConsumption(sheets::Sheet& sheet, const Inputs& in, const HeatBalanceFuel& fuel,
                             const Balance& b) {
  // kg/s (m3/s) from Qка in kW.
  const Value consumption =
      ShowIfTyped(sheet, row::kFuelConsumption, in.output_typed,
                  in.output / (b.available * Number(b.efficiency) / 100), "0.####", kConsumption);
  // kg/s to t/h; m3/s to m3/h.
  const Wide per_hour = fuel.per_cubic_metre ? 3600 : 3.6L;
  ShowIfTyped(sheet, row::kFuelConsumptionHourly, in.output_typed, consumption * Number(per_hour),
              "0.###", kConsumption);
  // kg/s (m3/s).
  const Value calculated =
      ShowIfTyped(sheet, row::kCalculatedFuelConsumption, in.output_typed,
                  consumption * (1 - Number(in.q4) / 100), "0.####", kConsumption);
  return {consumption, calculated};
}

// Steps 7 and 8: I0гв, Qв = (αт − Δαт)·I0гв + Δαт·I0хв,
// Qт = Qрр·(100 − q3 − q4 − q6) / (100 − q4) + Qв − Qв.вн, and ϑа, °C, where Ig at αт is Qт.
void WriteFurnace(sheets::Sheet& sheet, const Inputs& in, const Lines& lines, const Balance& b) {
  // Every heat here in kJ/kg (kJ/m3).
  const Value hot_air = AtTemperature(lines.air, in.t_hot);
  Show(sheet, row::kHotAirEnthalpy, hot_air, "0.##");
  const Value air_heat =
      (in.alpha_furnace - Number(in.leakage)) * hot_air + Number(in.leakage) * b.cold_air;
  Show(sheet, row::kAirHeat, air_heat, "0.##");
  const Value released = b.available * (100 - Number(in.q3) - in.q4 - b.q6) / (100 - Number(in.q4));
  const Value furnace_heat =
      ShowInRange(sheet, row::kFurnaceHeat, released + Number(air_heat) - in.outside_air_heat,
                  "0.##", kFurnaceRelease);
  Show(sheet, row::kAdiabaticTemperature,
       AdiabaticTemperature(lines, in.alpha_furnace, furnace_heat), "0.#");
}

// VRO2 + V0N2, m3/kg (m3/m3): the dry flue gas at excess air 1.
Value DryGas(const HeatBalanceFuel& fuel) { return fuel.triatomic + Number(fuel.nitrogen); }

// Step 9, first: RO2max = 100·VRO2 / (VRO2 + V0N2), returned as shown, so that the value
// shown may be typed as RO2.
Value WriteRO2Max(sheets::Sheet& sheet, const HeatBalanceFuel& fuel) {
  // %, of the dry flue gas at excess air 1.
  Show(sheet, row::kRO2Max, 100 * Number(fuel.triatomic) / DryGas(fuel), "0.##");
  return Displayed(sheet, 1, row::kRO2Max);
}

// Step 9: the excess air from a measured O2 or RO2, each in its range:
// α = 1 + O2·(VRO2 + V0N2) / (V0·(21 − O2)) and α = 1 + (100·VRO2 / RO2 − VRO2 − V0N2) / V0.
void WriteFlueGasAnalysis(sheets::Sheet& sheet, const Inputs& in, const HeatBalanceFuel& fuel) {
  const Value dry_gas = DryGas(fuel);
  const Value from_o2 = 1 + Number(in.o2) * dry_gas / (fuel.air * (21 - Number(in.o2)));
  ShowIfTyped(sheet, row::kExcessAirO2, in.o2_typed, from_o2, "0.###", kExcessAir);
  const Value from_ro2 = 1 + (100 * Number(fuel.triatomic) / in.ro2 - dry_gas) / fuel.air;
  ShowIfTyped(sheet, row::kExcessAirRO2, in.ro2_typed, from_ro2, "0.###", kExcessAir);
}

}  // namespace

void WriteHeatBalance(const FuelDocument& doc, sheets::Sheet& sheet, const HeatBalanceFuel& fuel,
                      const sheets::Sheet& table) {
  Inputs in = ReadInputs(sheet);
  in.ro2_max = WriteRO2Max(sheet, fuel);
  RefuseOutOfRange(sheet, in);
  in.output = OutputInKilowatts(sheet, in.output);
  SetHeatBalanceUnits(sheet, fuel.per_cubic_metre);
  const Lines lines = ReadLines(table);
  const Balance balance = WriteLosses(doc, sheet, in, fuel, lines);
  const Consumption consumption = WriteConsumption(sheet, in, fuel, balance);
  WriteFurnace(sheet, in, lines, balance);
  WriteFlueGasAnalysis(sheet, in, fuel);
  WriteEmissions(sheet, {.fuel = fuel.emission,
                         .heating_value = fuel.heating_value,
                         .available = balance.available,
                         .efficiency = balance.efficiency,
                         .consumption = consumption.fuel,
                         .calculated_consumption = consumption.calculated,
                         .output_typed = in.output_typed,
                         .so2_binding = in.so2_binding,
                         .exit_excess_air = in.alpha_exit,
                         .air = fuel.air,
                         .nitrogen = fuel.nitrogen,
                         .triatomic = fuel.triatomic,
                         .water = fuel.water,
                         .condensing_temperature = in.t_condensing,
                         .condensing_typed = in.condensing_typed});
}

void RecalcHeatBalance(FuelDocument& doc) {
  const bool gas = doc.ComboBox3 >= kGasType;
  HeatBalanceFuel fuel;
  fuel.heating_value = RecordValue(doc, gas ? 12 : 8);
  fuel.ash = gas ? Value(0.0) : RecordValue(doc, 1);
  fuel.air = Displayed(doc.XLSheet2, 1, 2);
  fuel.nitrogen = Displayed(doc.XLSheet2, 1, 3);
  fuel.triatomic = Displayed(doc.XLSheet2, 1, 4);
  fuel.water = Displayed(doc.XLSheet2, 1, 5);
  EmissionRecord record;
  for (std::size_t r = 0; r < record.size(); ++r) record[r] = RecordValue(doc, static_cast<int>(r));
  fuel.emission = FuelEmission(doc.ComboBox3, record);
  fuel.carryover = static_cast<double>(CarryoverOf(doc.XLSheet15, 1, 4));
  fuel.ashless = gas;
  fuel.per_cubic_metre = gas;
  WriteHeatBalance(doc, doc.XLSheet19, fuel, doc.XLSheet6);
  if (gas) {
    ClearBases(doc.XLSheet19);
  } else {
    WriteBases(doc, doc.XLSheet19);
  }
}

void RecalcMixtureHeatBalance(FuelDocument& doc, float heating_value, float ash, bool all_gaseous,
                              const EmissionFuel& emission) {
  HeatBalanceFuel fuel;
  fuel.heating_value = heating_value;
  fuel.ash = ash;
  fuel.air = Displayed(doc.XLSheet14, 1, 3);
  fuel.nitrogen = Displayed(doc.XLSheet14, 1, 4);
  fuel.triatomic = Displayed(doc.XLSheet14, 1, 5);
  fuel.water = Displayed(doc.XLSheet14, 1, 6);
  fuel.emission = emission;
  fuel.carryover = static_cast<double>(CarryoverOf(doc.XLSheet17, 4, 2));
  fuel.ashless = all_gaseous;
  WriteHeatBalance(doc, doc.XLSheet20, fuel, doc.XLSheet16);
}

int FuelHeatBalanceRows(const FuelDocument& doc) {
  return doc.ComboBox3 < kGasType ? row::kFuelRows : row::kMixtureRows;
}

bool HeatBalanceInputReads(const std::string& text, char decimal_separator) {
  sheets::Sheet cell(1, 1, decimal_separator);
  cell.SetText(0, 0, text);
  FixDecimalSeparator(cell, 0, 0);
  return Displayed(cell, 0, 0).has_value();
}

std::vector<OutOfRangeInput> HeatBalanceOutOfRange(const sheets::Sheet& sheet) {
  std::vector<OutOfRangeInput> refused;
  for (const InputRange& range : kInputRanges) {
    if (sheet.At(1, range.row).font_color == sheets::kRed) {
      refused.push_back({range.row, sheet.Text(1, range.row), range.wording});
    }
  }
  return refused;
}

HeatBalanceTexts FuelHeatBalanceTexts(const FuelDocument& doc) {
  HeatBalanceTexts texts = TextsOf(doc.XLSheet19);
  if (doc.ComboBox3 < kGasType) {
    const sheets::Sheet& sheet = doc.XLSheet19;
    texts.basis =
        HeatBalanceTexts::Basis{.dry = Entries(sheet, row::kDryFirst, 6),
                                .daf = Entries(sheet, row::kDafFirst, 5),
                                .higher_heating_value = sheet.Text(1, row::kHigherHeatingValue),
                                .dry_heating_value = sheet.Text(1, row::kDryHeatingValue),
                                .daf_heating_value = sheet.Text(1, row::kDafHeatingValue)};
  }
  return texts;
}

HeatBalanceTexts MixtureHeatBalanceTexts(const FuelDocument& doc) { return TextsOf(doc.XLSheet20); }

}  // namespace calc
