// The window layout of the heat-balance sheets of the single fuel (XLSheet19) and of the
// mixture (XLSheet20): labels, units, hints and the initial inputs.
#include <string>

#include "calc/heat_balance_cells.h"
#include "calc/layout.h"

namespace calc {

namespace {

namespace row = heat_balance_row;

struct Line {
  int row;
  const char* label;
  const char* hint;
};

constexpr Line kInputLines[] = {
    {row::kExitGasTemperature, " Температура уходящих газов",
     "Температура уходящих газов за последней\nповерхностью нагрева котла ϑух"},
    {row::kExitExcessAir, " Избыток воздуха за котлом",
     "Коэффициент избытка воздуха\nв уходящих газах αух"},
    {row::kColdAirTemperature, " Температура холодного воздуха",
     "Температура воздуха, забираемого\nдутьевым вентилятором tхв"},
    {row::kQ3, " Потеря от химического недожога q3",
     "Потеря тепла от химической\nнеполноты сгорания q3"},
    {row::kQ4, " Потеря от механического недожога q4",
     "Потеря тепла от механической\nнеполноты сгорания q4"},
    {row::kQ5, " Потеря в окружающую среду q5", "Потеря тепла от наружного охлаждения q5"},
    {row::kSlagTemperature, " Температура шлака",
     "Температура удаляемого шлака ϑшл:\n 600 °С при твердом шлакоудалении,\n tн.ж + 100 °С "
     "при жидком шлакоудалении"},
    {row::kFuelHeat, " Физическое тепло топлива", "Физическое тепло топлива iтл"},
    {row::kExternalAirHeat, " Тепло воздуха, подогретого вне котла",
     "Тепло воздуха, подогретого вне котла\n(в калориферах) Qв.вн"},
    {row::kHeatOutput, " Полезная мощность котла",
     "Тепло, полезно использованное в котле, Qка.\nПустая ячейка: расход топлива не "
     "рассчитывается."},
    {row::kFurnaceExcessAir, " Избыток воздуха в топке",
     "Коэффициент избытка воздуха\nна выходе из топки αт"},
    {row::kFurnaceLeakage, " Присос воздуха в топке", "Присос воздуха в топку Δαт"},
    {row::kHotAirTemperature, " Температура горячего воздуха",
     "Температура воздуха, поступающего\nв топку из воздухоподогревателя tгв"},
    {row::kO2, " Содержание O2 в сухих газах",
     "Измеренное содержание кислорода в сухих\nдымовых газах, от 0 до 21 %.\nПустая "
     "ячейка: не рассчитывается."},
    {row::kRO2, " Содержание RO2 в сухих газах",
     "Измеренное содержание трехатомных газов\nв сухих дымовых газах, не более RO2max.\n"
     "Пустая ячейка: не рассчитывается."},
};

struct Result {
  int row;
  const char* label;
};

constexpr Result kResultLines[] = {
    {row::kAvailableHeat, " Располагаемое тепло"},
    {row::kColdAirEnthalpy, " Энтальпия холодного воздуха"},
    {row::kExitGasEnthalpy, " Энтальпия уходящих газов"},
    {row::kQ2, " Потеря с уходящими газами q2"},
    {row::kQ6, " Потеря с теплом шлака q6"},
    {row::kLosses, " Сумма тепловых потерь"},
    {row::kEfficiency, " КПД котла брутто"},
    {row::kRetention, " Коэффициент сохранения тепла"},
    {row::kFuelConsumption, " Расход топлива"},
    {row::kFuelConsumptionHourly, " Расход топлива часовой"},
    {row::kCalculatedFuelConsumption, " Расчетный расход топлива"},
    {row::kHotAirEnthalpy, " Энтальпия горячего воздуха"},
    {row::kAirHeat, " Тепло, вносимое воздухом в топку"},
    {row::kFurnaceHeat, " Полезное тепловыделение в топке"},
    {row::kAdiabaticTemperature, " Адиабатная температура горения"},
    {row::kRO2Max, " Максимальное содержание RO2"},
    {row::kExcessAirO2, " Избыток воздуха по O2"},
    {row::kExcessAirRO2, " Избыток воздуха по RO2"},
};

// Units that do not change with the fuel kind.
struct Unit {
  int row;
  const char* unit;
};

constexpr Unit kFixedUnits[] = {
    {row::kExitGasTemperature, "°С"},
    {row::kColdAirTemperature, "°С"},
    {row::kQ3, "%"},
    {row::kQ4, "%"},
    {row::kQ5, "%"},
    {row::kSlagTemperature, "°С"},
    {row::kHeatOutput, "кВт"},
    {row::kHotAirTemperature, "°С"},
    {row::kO2, "%"},
    {row::kRO2, "%"},
    {row::kQ2, "%"},
    {row::kQ6, "%"},
    {row::kLosses, "%"},
    {row::kEfficiency, "%"},
    {row::kAdiabaticTemperature, "°С"},
    {row::kRO2Max, "%"},
};

constexpr const char* kBasisNames[] = {" Углерод", " Водород", " Азот", " Сера", " Кислород"};

void SetHeading(sheets::Sheet& sheet, int r, const char* text) {
  sheet.SetText(0, r, text);
  sheet.Merge({.col = 0, .row = r, .col_count = 3, .row_count = 1});
}

// The common rows of both sheets; the initial inputs use the sheet's decimal separator.
void LayoutBalanceRows(sheets::Sheet& sheet) {
  SetHeading(sheet, row::kHeading, "Тепловой баланс котла");
  SetHeading(sheet, row::kInputsHeading, "Исходные данные");
  for (const Line& line : kInputLines) {
    sheet.SetText(0, line.row, line.label);
    sheet.SetHint(0, line.row, line.hint);
    sheet.SetHint(1, line.row, line.hint);
  }
  for (const HeatBalanceInput& input : kHeatBalanceInputs) {
    std::string text = input.initial;
    for (char& ch : text) {
      if (ch == '.') ch = sheet.DecimalSeparator();
    }
    sheet.SetText(1, input.row, std::move(text));
    sheet.SetInput(1, input.row, true);
  }
  SetHeading(sheet, row::kBalanceHeading, "Тепловой баланс");
  SetHeading(sheet, row::kFurnaceHeading, "Теоретическая температура горения");
  SetHeading(sheet, row::kFlueGasHeading, "Избыток воздуха по анализу дымовых газов");
  for (const Result& result : kResultLines) sheet.SetText(0, result.row, result.label);
  for (const Unit& unit : kFixedUnits) sheet.SetText(2, unit.row, unit.unit);
  SetHeatBalanceUnits(sheet, false);
  sheet.SetColumnWidth(0, 250);
  sheet.SetColumnWidth(1, 90);
  sheet.SetColumnWidth(2, 60);
}

}  // namespace

void SetHeatBalanceUnits(sheets::Sheet& sheet, bool per_cubic_metre) {
  const char* heat = per_cubic_metre ? "кДж/м3" : "кДж/кг";
  for (const int r :
       {row::kFuelHeat, row::kExternalAirHeat, row::kAvailableHeat, row::kColdAirEnthalpy,
        row::kExitGasEnthalpy, row::kHotAirEnthalpy, row::kAirHeat, row::kFurnaceHeat}) {
    sheet.SetText(2, r, heat);
  }
  const char* flow = per_cubic_metre ? "м3/с" : "кг/с";
  sheet.SetText(2, row::kFuelConsumption, flow);
  sheet.SetText(2, row::kCalculatedFuelConsumption, flow);
  sheet.SetText(2, row::kFuelConsumptionHourly, per_cubic_metre ? "м3/ч" : "т/ч");
}

const char* HeatBalanceInputHint(int row) {
  for (const Line& line : kInputLines) {
    if (line.row == row) return line.hint;
  }
  return "";
}

void LayoutHeatBalanceSheet(sheets::Sheet& sheet) {
  LayoutBalanceRows(sheet);
  SetHeading(sheet, row::kBasisHeading, "Пересчет состава на сухую и горючую массу");
  for (int i = 0; i < 5; ++i) {
    sheet.SetText(0, row::kDryFirst + i, std::string(kBasisNames[i]) + " на сухую массу");
    sheet.SetText(0, row::kDafFirst + i, std::string(kBasisNames[i]) + " на горючую массу");
    sheet.SetText(2, row::kDryFirst + i, "%");
    sheet.SetText(2, row::kDafFirst + i, "%");
  }
  sheet.SetText(0, row::kDryFirst + 5, " Зольность на сухую массу");
  sheet.SetText(2, row::kDryFirst + 5, "%");
  sheet.SetText(0, row::kHigherHeatingValue, " Высшая теплота сгорания");
  sheet.SetText(0, row::kDryHeatingValue, " Теплота сгорания сухой массы");
  sheet.SetText(0, row::kDafHeatingValue, " Теплота сгорания горючей массы");
  for (const int r : {row::kHigherHeatingValue, row::kDryHeatingValue, row::kDafHeatingValue}) {
    sheet.SetText(2, r, "кДж/кг");
  }
}

void LayoutMixtureHeatBalanceSheet(sheets::Sheet& sheet) { LayoutBalanceRows(sheet); }

}  // namespace calc
