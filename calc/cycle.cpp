// Collect, scatter and recalculate: the single source of every derived fuel value.
#include "calc/cycle.h"

#include <array>
#include <span>
#include <string>

#include "calc/composition_range.h"
#include "calc/enthalpy.h"
#include "calc/heat_balance.h"
#include "calc/heating_value.h"
#include "calc/layout.h"
#include "calc/sheet_cells.h"
#include "calc/text.h"
#include "fuel/fuel_file.h"
#include "sheets/numbers.h"

namespace calc {

namespace {

constexpr int kSlaggingRow = fuel::record_row::kSlagging;

// One input cell (column 1 of its sheet) and the record row it maps to.
struct Link {
  int sheet_row;
  int record_row;
};

constexpr std::array<Link, 14> kSolid1973 = {{{1, 0},
                                              {2, 1},
                                              {3, 2},
                                              {4, 3},
                                              {5, 4},
                                              {6, 5},
                                              {7, 6},
                                              {10, 7},
                                              {11, 8},
                                              {12, 9},
                                              {13, 10},
                                              {15, 11},
                                              {16, 12},
                                              {17, 13}}};
constexpr std::array<Link, 14> kSolid1998Composition = {{{1, 0},
                                                         {2, 1},
                                                         {3, 2},
                                                         {4, 3},
                                                         {5, 4},
                                                         {6, 5},
                                                         {7, 6},
                                                         {10, 8},
                                                         {11, 16},
                                                         {12, 17},
                                                         {13, 18},
                                                         {14, 7},
                                                         {16, 19},
                                                         {17, 20}}};
constexpr std::array<Link, 6> kSolid1998Temperatures = {
    {{4, 11}, {5, 12}, {6, 13}, {7, 21}, {8, 22}, {9, 23}}};
constexpr std::array<Link, 8> kSolid1998Oxides = {
    {{2, 25}, {3, 26}, {4, 27}, {5, 28}, {6, 29}, {7, 30}, {8, 31}, {9, 32}}};
constexpr std::array<Link, 14> kGas = {{{1, 0},
                                        {2, 1},
                                        {3, 2},
                                        {4, 3},
                                        {5, 4},
                                        {6, 5},
                                        {7, 6},
                                        {8, 7},
                                        {9, 8},
                                        {10, 9},
                                        {11, 10},
                                        {12, 11},
                                        {15, 12},
                                        {16, 13}}};

void Collect(const sheets::Sheet& input, std::span<const Link> links, sheets::Sheet& record,
             InputNotices& notices) {
  for (const Link& link : links) {
    if (input.IsNumber(1, link.sheet_row)) {
      record.SetValue(kRecordValueCol, link.record_row, input.At(1, link.sheet_row).value);
    } else if (std::string text = input.Text(1, link.sheet_row); IsBlank(text)) {
      record.SetInteger(kRecordValueCol, link.record_row, 0);
    } else {
      notices.push_back({&input, 1, link.sheet_row, std::move(text), kValueKept});
    }
  }
}

void Scatter(const sheets::Sheet& record, std::span<const Link> links, sheets::Sheet& input) {
  for (const Link& link : links) {
    input.SetValue(1, link.sheet_row, record.At(kRecordValueCol, link.record_row).value);
  }
}

bool IsGasSheetShown(int type_index) { return type_index >= kGasType; }

// The texts that name the basis of the single fuel's results: per kilogram of solid and
// liquid fuel, per cubic metre of gas.
void ShowUnitsOf(FuelDocument& doc, bool gas) {
  SetVolumeUnits(doc.XLSheet2, gas);
  SetEnthalpyTitles(doc, gas);
  SetEnthalpyHeading(doc.XLSheet7, gas);
  SetDesignUnits(doc.XLSheet15, gas);
  SetGivenValueUnit(doc.XLSheet15, gas);
}

// The sum of record rows first..last, rows that do not parse left out, in single
// precision; written with "0.##" into each target cell, which turn black when the
// written text reads back as exactly 100 and red otherwise.
struct TotalCell {
  sheets::Sheet* sheet;
  int row;
};

void WriteTotal(const FuelDocument& doc, int first, int last,
                std::initializer_list<TotalCell> cells) {
  const char sep = doc.DecimalSeparator();
  float sum = 0;
  for (int row = first; row <= last; ++row) {
    if (const auto value = doc.XLSheet10.ParsedNumber(kRecordValueCol, row)) {
      sum = sheets::ToSingle(static_cast<long double>(sum) + sheets::ToSingle(*value));
    }
  }
  const std::string text = sheets::FormatPattern(sum, "0.##", sep);
  for (const TotalCell& cell : cells) cell.sheet->SetText(1, cell.row, text);
  const auto shown = sheets::ParseFloat(text, sep);
  const bool hundred = shown && sheets::ToSingle(*shown) == 100.0f;
  for (const TotalCell& cell : cells) {
    cell.sheet->SetFontColor(1, cell.row, hundred ? sheets::kBlack : sheets::kRed);
  }
}

void WriteReducedValues(FuelDocument& doc, const Record& record) {
  const float q = record[fuel::record_row::kHeatingValue];
  if (q > 0) {
    const char sep = doc.DecimalSeparator();
    const float moisture =
        sheets::ToSingle(sheets::Divide(1000.0L * record[fuel::record_row::kMoisture], q));
    const float ash = sheets::ToSingle(sheets::Divide(1000.0L * record[fuel::record_row::kAsh], q));
    doc.XLSheet4.SetText(1, sheet_row::kReducedMoisture,
                         sheets::FormatPattern(moisture, "0.####", sep));
    doc.XLSheet4.SetText(1, sheet_row::kReducedAsh, sheets::FormatPattern(ash, "0.####", sep));
  } else {
    doc.XLSheet4.SetInteger(1, sheet_row::kReducedMoisture, 0);
    doc.XLSheet4.SetInteger(1, sheet_row::kReducedAsh, 0);
  }
}

void MarkLinked(sheets::Sheet& sheet, std::span<const Link> links, bool input = true) {
  for (const Link& link : links) sheet.SetInput(1, link.sheet_row, input);
}

}  // namespace

void MarkInputCells(FuelDocument& doc) {
  MarkLinked(doc.XLSheet1_1, kSolid1973);
  MarkLinked(doc.XLSheet1_2, kGas);
  MarkLinked(doc.XLSheet3, kSolid1998Composition);
  // A gas has no ash: its temperatures, slagging and oxides show 0 and are not typed.
  const bool solid = doc.ComboBox3 < kGasType;
  MarkLinked(doc.XLSheet4, kSolid1998Temperatures, solid);
  doc.XLSheet4.SetInput(1, sheet_row::kSlagging, solid);  // a list cell
  MarkLinked(doc.XLSheet5, kSolid1998Oxides, solid);
  for (int row = 0; row < doc.XLSheet10.RowCount(); ++row)
    doc.XLSheet10.SetInput(kRecordValueCol, row, true);
  // A heating value that the program computes is not typed.
  doc.XLSheet1_1.SetInput(1, sheet_row::kHeatingValue1973, !doc.CheckBox1);
  doc.XLSheet3.SetInput(1, sheet_row::kHeatingValue1998, !doc.CheckBox2);
  doc.XLSheet1_2.SetInput(1, sheet_row::kGasHeatingValue, !(doc.CheckBox1 || doc.CheckBox2));
}

InputNotices CollectAllData(FuelDocument& doc) {
  InputNotices notices;
  sheets::Sheet& record = doc.XLSheet10;
  if (doc.ComboBox3 >= kGasType) {
    Collect(doc.XLSheet1_2, kGas, record, notices);
    return notices;
  }
  if (doc.RadioButton1) {
    Collect(doc.XLSheet1_1, kSolid1973, record, notices);
  } else {
    Collect(doc.XLSheet3, kSolid1998Composition, record, notices);
    Collect(doc.XLSheet4, kSolid1998Temperatures, record, notices);
    record.SetInteger(kRecordValueCol, kSlaggingRow,
                      doc.XLSheet4.Integer(1, sheet_row::kSlagging) == 0 ? 1 : 0);
    Collect(doc.XLSheet5, kSolid1998Oxides, record, notices);
  }
  record.SetInteger(kRecordValueCol, fuel::record_row::kType, doc.ComboBox3);
  return notices;
}

void ScatterAllData(FuelDocument& doc) {
  const sheets::Sheet& record = doc.XLSheet10;
  if (record.Integer(kRecordValueCol, fuel::record_row::kType) >= kGasType) {
    Scatter(record, kGas, doc.XLSheet1_2);
    for (int row : {1, 2, 4, 5, 6, 7, 8, 9}) doc.XLSheet4.SetInteger(1, row, 0);
    for (int row = 2; row <= 9; ++row) doc.XLSheet5.SetInteger(1, row, 0);
    doc.XLSheet4.SetInteger(1, sheet_row::kSlagging, 1);
    return;
  }
  if (doc.RadioButton1) {
    Scatter(record, kSolid1973, doc.XLSheet1_1);
  } else {
    Scatter(record, kSolid1998Composition, doc.XLSheet3);
    Scatter(record, kSolid1998Temperatures, doc.XLSheet4);
    const auto slagging = record.ParsedNumber(kRecordValueCol, kSlaggingRow);
    doc.XLSheet4.SetInteger(1, sheet_row::kSlagging, slagging && *slagging > 0 ? 0 : 1);
    Scatter(record, kSolid1998Oxides, doc.XLSheet5);
  }
}

Record ReadRecord(const FuelDocument& doc) {
  Record record{};
  for (int row = 0; row < static_cast<int>(record.size()); ++row) {
    record[static_cast<std::size_t>(row)] = doc.XLSheet10.Number(kRecordValueCol, row);
  }
  return record;
}

void RecalcFuel(FuelDocument& doc) {
  MarkInputCells(doc);
  Record record = ReadRecord(doc);
  const bool gas = doc.ComboBox3 >= kGasType;
  const TheoreticalVolumes volumes = ComputeTheoreticalVolumes(record, doc.ComboBox3);

  if (!gas && (doc.RadioButton1 ? doc.CheckBox1 : doc.CheckBox2)) {
    const double q = MendeleevHeatingValue(record);
    doc.XLSheet10.SetDouble(kRecordValueCol, fuel::record_row::kHeatingValue, q);
    record[fuel::record_row::kHeatingValue] = static_cast<float>(q);
  } else if (gas && (doc.CheckBox1 || doc.CheckBox2)) {
    const double q = GasHeatingValue(record);
    doc.XLSheet10.SetDouble(kRecordValueCol, fuel::record_row::kGasHeatingValue, q);
    record[fuel::record_row::kGasHeatingValue] = static_cast<float>(q);
  }

  ShowUnitsOf(doc, gas);
  ScatterAllData(doc);
  WriteVolumes(doc, volumes);

  // Under the 1973 norms a solid or liquid fuel keeps its reduced values and table.
  if (gas || !doc.RadioButton1) {
    if (!gas) WriteReducedValues(doc, record);
    const CarryoverCell carryover = gas ? CarryoverCell{} : CarryoverCell{&doc.XLSheet13, 1, 0};
    WriteEnthalpyTable(doc, doc.XLSheet6, volumes, record[fuel::record_row::kAsh], carryover);
  }

  WriteTotal(doc, 0, 6,
             {{&doc.XLSheet1_1, sheet_row::kCompositionTotal},
              {&doc.XLSheet3, sheet_row::kCompositionTotal}});
  WriteTotal(doc, 0, 11, {{&doc.XLSheet1_2, sheet_row::kGasTotal}});
  WriteTotal(doc, 25, 32, {{&doc.XLSheet5, sheet_row::kOxideTotal}});
  MarkCompositionRanges(doc);
  RecalcHeatBalance(doc);
}

InputNotices XLGrid1EditModeChanged(FuelDocument& doc) {
  InputNotices notices = CollectAllData(doc);
  ScatterAllData(doc);
  RecalcFuel(doc);
  return notices;
}

void XLGrid10EditModeChanged(FuelDocument& doc) {
  ScatterAllData(doc);
  RecalcFuel(doc);
}

void ComboBox3Change(FuelDocument& doc, int type_index) {
  doc.ComboBox3 = type_index;
  doc.XLSheet10.SetInteger(kRecordValueCol, fuel::record_row::kType, type_index);
  doc.GasSheetsShown = IsGasSheetShown(type_index);
  // The record's values now read as the new kind's: every result is computed again, so
  // nothing of the old kind stays on screen under the new kind's labels.
  ScatterAllData(doc);
  XLGrid1EditModeChanged(doc);
}

void RadioButton1Click(FuelDocument& doc, bool norms_1973) {
  doc.RadioButton1 = norms_1973;
  ScatterAllData(doc);
  RecalcFuel(doc);
}

void CheckBox1Click(FuelDocument& doc) { RecalcFuel(doc); }

void RadioGroup1Click(FuelDocument& doc, int item) {
  static constexpr std::array<const char*, 16> kSolidLabels = {" Влажность",
                                                               " Зольность",
                                                               " Углерод",
                                                               " Водород",
                                                               " Азот",
                                                               " Сера",
                                                               " Кислород",
                                                               " Выход летучих",
                                                               " Низшая теплота сгорания",
                                                               " Коэф-т размолоспособности",
                                                               " Тонкость помола R90",
                                                               " Температура t1",
                                                               " Температура t2",
                                                               " Температура t3",
                                                               " Влажность угольной пыли",
                                                               " Тип топлива"};
  static constexpr std::array<const char*, 7> kSolidUnits = {"кДж/кг", "",   "", "°C",
                                                             "°C",     "°C", "%"};
  static constexpr std::array<const char*, 16> kGasLabels = {" CH4",
                                                             " C2H6",
                                                             " C3H8",
                                                             " C4H10",
                                                             " C5H12 и более тяжелые",
                                                             " N2",
                                                             " CO2",
                                                             " H2S",
                                                             " O2",
                                                             " CO",
                                                             " H2",
                                                             " непредельные углводороды",
                                                             " Теплотворность",
                                                             " Плотность",
                                                             "",
                                                             " Тип топлива"};
  static constexpr std::array<const char*, 7> kGasUnits = {"%",      "%",     "%", "%",
                                                           "кДж/м3", "кг/м3", ""};
  doc.RadioGroup1 = item;
  const auto& labels = item == 0 ? kSolidLabels : kGasLabels;
  const auto& units = item == 0 ? kSolidUnits : kGasUnits;
  for (int row = 0; row < 16; ++row)
    doc.XLSheet10.SetText(1, row, labels[static_cast<std::size_t>(row)]);
  for (int row = 8; row <= 14; ++row)
    doc.XLSheet10.SetText(3, row, units[static_cast<std::size_t>(row - 8)]);
}

void NewFuel(FuelDocument& doc) {
  doc.ComboBox1 = "Новое топливо";
  for (int row = 0; row < doc.XLSheet10.RowCount(); ++row)
    doc.XLSheet10.SetInteger(kRecordValueCol, row, 0);
  // The type list shows anthracite, so the grids and the volume units follow it too.
  doc.ComboBox3 = 0;
  doc.GasSheetsShown = false;
  ScatterAllData(doc);
  CollectAllData(doc);
  RecalcFuel(doc);
}

}  // namespace calc
