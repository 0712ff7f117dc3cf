// The window layout of the heat-balance sheets of the single fuel (XLSheet19) and of the
// mixture (XLSheet20): labels, units, hints and the initial inputs.
#include <iterator>
#include <string>
#include <vector>

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
    {row::kSO2AshBinding, " Доля SO2, связываемая золой",
     "Доля оксидов серы, связываемых летучей\nзолой в котле, η′SO2, от 0 до 1:\n около 0,1 для "
     "углей,\n 0,02 для мазута,\n 0 для газа"},
    {row::kCondensingTemperature, " Температура газов за конденсатором",
     "Температура, до которой охлаждает дымовые газы\nконденсационный теплообменник, tк.\n"
     "Пустая ячейка: конденсация не рассчитывается."},
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
    {row::kCO2PerUnit, " Выход CO2"},
    {row::kCO2Factor, " Удельный выброс CO2"},
    {row::kCO2Reference, " Справочный удельный выброс CO2"},
    {row::kCO2Deviation, " Отклонение от справочного"},
    {row::kCO2Hourly, " Выброс CO2"},
    {row::kSO2PerUnit, " Выход SO2"},
    {row::kSO2Factor, " Удельный выброс SO2"},
    {row::kSO2Hourly, " Выброс SO2 с учетом связывания золой"},
    {row::kEquivalent, " Калорийный эквивалент"},
    {row::kStandardFuelConsumption, " Расход условного топлива"},
    {row::kStandardFuelHourly, " Расход условного топлива часовой"},
    {row::kStandardFuelPerGcal, " Удельный расход условного топлива"},
    {row::kStandardFuelPerGJ, " Удельный расход условного топлива"},
    {row::kDewPoint, " Температура точки росы"},
    {row::kCondensedWater, " Количество сконденсированной влаги"},
    {row::kCondensationHeat, " Тепло конденсации"},
    {row::kCondensationShare, " Доля тепла конденсации от Qрр"},
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
    {row::kHotAirTemperature, "°С"},
    {row::kO2, "%"},
    {row::kRO2, "%"},
    {row::kQ2, "%"},
    {row::kQ6, "%"},
    {row::kLosses, "%"},
    {row::kEfficiency, "%"},
    {row::kAdiabaticTemperature, "°С"},
    {row::kRO2Max, "%"},
    {row::kCondensingTemperature, "°С"},
    {row::kCO2Factor, "кг/ГДж"},
    {row::kCO2Reference, "кг/ГДж"},
    {row::kCO2Deviation, "%"},
    {row::kCO2Hourly, "т/ч"},
    {row::kSO2Factor, "кг/ГДж"},
    {row::kSO2Hourly, "т/ч"},
    {row::kStandardFuelConsumption, "кг/с"},
    {row::kStandardFuelHourly, "т/ч"},
    {row::kStandardFuelPerGcal, "кг/Гкал"},
    {row::kStandardFuelPerGJ, "кг/ГДж"},
    {row::kDewPoint, "°С"},
    {row::kCondensationShare, "%"},
};

// The hints of results whose meaning their label does not carry alone.
constexpr Line kResultHints[] = {
    {row::kCO2Factor, "", "Выброс CO2 на единицу низшей теплоты сгорания, кг/ГДж (т/ТДж)"},
    {row::kCO2Reference, "",
     "Коэффициент выброса CO2 по умолчанию для типа топлива:\nруководство IPCC 2006 г., т. 2, "
     "гл. 2, табл. 2.2, т/ТДж"},
    {row::kCO2Hourly, "",
     "При расчетном расходе топлива: несгоревший углерод\nне выходит в виде CO2"},
    {row::kStandardFuelConsumption, "", "Условное топливо: 29 307,6 кДж/кг (7000 ккал/кг)"},
    {row::kStandardFuelPerGcal, "", "На 1 Гкал полезно использованного тепла"},
    {row::kStandardFuelPerGJ, "", "На 1 ГДж полезно использованного тепла"},
    {row::kDewPoint, "",
     "Точка росы водяных паров уходящих газов при αух\n(IAPWS-IF97, область 4)"},
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
  SetHeading(sheet, row::kEmissionsHeading, "Выбросы CO2 и SO2");
  SetHeading(sheet, row::kStandardFuelHeading, "Условное топливо");
  SetHeading(sheet, row::kCondensationHeading, "Конденсация водяных паров");
  for (const Result& result : kResultLines) sheet.SetText(0, result.row, result.label);
  for (const Line& hint : kResultHints) sheet.SetHint(0, hint.row, hint.hint);
  // The heat output's unit is chosen beside it.
  sheet.SetItems(2, row::kHeatOutput,
                 std::vector<std::string>(std::begin(kHeatOutputUnits), std::end(kHeatOutputUnits)),
                 0);
  sheet.SetHint(2, row::kHeatOutput, "Единица полезной мощности котла:\n 1 Гкал/ч = 1163 кВт");
  sheet.SetInput(2, row::kHeatOutput, true);
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
  const char* mass = per_cubic_metre ? "кг/м3" : "кг/кг";
  for (const int r : {row::kCO2PerUnit, row::kSO2PerUnit, row::kCondensedWater}) {
    sheet.SetText(2, r, mass);
  }
  sheet.SetText(2, row::kEquivalent, per_cubic_metre ? "кг/м3" : "кг/кг");
  sheet.SetText(2, row::kCondensationHeat, heat);
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
