// The window layout of the record sheet XLSheet10 and of the volumes sheet XLSheet2.
#include <array>
#include <string>

#include "calc/layout.h"
#include "calc/sheet_cells.h"

namespace calc {

namespace {

// Labels of record rows 0..32 as the window carries them; rows 33..49 have none.
constexpr std::array<const char*, 33> kRecordLabels = {
    " Влажность",
    " Зольность",
    " Углерод",
    " Водород",
    " Азот",
    " Сера",
    " Кислород",
    " Выход летучих",
    " Низшая теплота сгорания",
    " Коэ-т размолоспособности",
    " Тонкость помола R90",
    " Температура t1",
    " Температура t2",
    " Температура t3",
    " Влажность угольной пыли",
    " Тип топлива",
    " Теплота сгорания по бомбе",
    " Зольность на сухую массу",
    " Влага гигроскопическая",
    " Влажность (предельная)",
    " Зольность на сух. (предельная)",
    " Температура t0",
    " Температура t н.ж.",
    " Температура tшл",
    " Шлакование",
    " SiO2",
    " Al2O3",
    " TiO2",
    " Fe2O3",
    " CaO",
    " MgO",
    " K2O",
    " Na2O",
};

// Units of record rows 0..32 (the degree sign is followed by a Cyrillic С here).
constexpr std::array<const char*, 33> kRecordUnits = {
    "%",  "%",  "%",      "%", "%", "%",      "%", "%", "кДж/кг", "",  "",
    "°С", "°С", "°С",     "%", "",  "МДж/кг", "%", "%", "%",      "%", "°С",
    "°С", "°С", "да/нет", "%", "%", "%",      "%", "%", "%",      "%", "%",
};

}  // namespace

void LayoutRecordSheet(sheets::Sheet& sheet) {
  for (int row = 0; row < sheet.RowCount(); ++row) {
    sheet.SetText(0, row, std::to_string(row));
    if (row < static_cast<int>(kRecordLabels.size())) {
      sheet.SetText(1, row, kRecordLabels[static_cast<std::size_t>(row)]);
      sheet.SetText(3, row, kRecordUnits[static_cast<std::size_t>(row)]);
    }
    sheet.SetInteger(2, row, 0);
  }
  sheet.SetColumnWidth(0, 24);
  sheet.SetColumnWidth(1, 200);
  sheet.SetColumnWidth(2, 80);
  sheet.SetColumnWidth(3, 60);
}

void SetVolumeUnits(sheets::Sheet& sheet, bool gas) {
  using sheet_row::kVolumes;
  for (int row = kVolumes; row < kVolumes + 4; ++row)
    sheet.SetText(2, row, gas ? "м3/м3" : "Нм3/кг");
}

void LayoutVolumesSheet(sheets::Sheet& sheet) {
  sheet.SetText(0, 0, "Объемы теоретического количества воздуха и продуктов сгорания при а=1");
  sheet.Merge({.col = 0, .row = 0, .col_count = 3, .row_count = 2});
  const std::array<const char*, 4> labels = {" Воздух", " Азот", " Трехатомные газы",
                                             " Водяные пары"};
  for (int i = 0; i < 4; ++i) {
    sheet.SetText(0, 2 + i, labels[static_cast<std::size_t>(i)]);
  }
  SetVolumeUnits(sheet, false);
  sheet.SetColumnWidth(0, 200);
  sheet.SetColumnWidth(1, 80);
  sheet.SetColumnWidth(2, 60);
}

}  // namespace calc
