// The window layout of the input sheets: solid and liquid fuel under the 1973 norms
// (XLSheet1_1) and the 1998 norms (XLSheet3, XLSheet4, XLSheet5), and gas (XLSheet1_2).
#include <string>
#include <vector>

#include "calc/layout.h"

namespace calc {

namespace {

struct Row {
  int row;
  const char* label;
  const char* unit;
};

void SetRows(sheets::Sheet& sheet, const std::vector<Row>& rows) {
  for (const Row& r : rows) {
    sheet.SetText(0, r.row, r.label);
    sheet.SetText(2, r.row, r.unit);
  }
}

void SetInputWidths(sheets::Sheet& sheet) {
  sheet.SetColumnWidth(0, 190);
  sheet.SetColumnWidth(1, 80);
  sheet.SetColumnWidth(2, 60);
}

// Rows 0..9 shared by both solid layouts: the working-mass composition and its total.
void SetComposition(sheets::Sheet& sheet) {
  sheet.SetText(0, 0, "Состав топлива");
  SetRows(sheet, {{1, " Влажность", "%"},
                  {2, " Зольность", "%"},
                  {3, " Содержание углерода", "%"},
                  {4, " Содержание водорода", "%"},
                  {5, " Содержание азота", "%"},
                  {6, " Содержание серы", "%"},
                  {7, " Содержание кислорода", "%"},
                  {8, " Всего", "%"}});
}

}  // namespace

void LayoutSolid1973Sheet(sheets::Sheet& sheet) {
  SetComposition(sheet);
  SetRows(sheet, {{10, " Выход летучих", "%"},
                  {11, " Теплотворность", "кДж/кг"},
                  {12, " Коэф. размолоспособности", ""},
                  {13, " Тонкость помола", ""},
                  {15, " Температура t1", "°С"},
                  {16, " Температура t2", "°С"},
                  {17, " Температура t3", "°С"}});
  sheet.SetText(0, 14, "Плавкостные характе");
  sheet.SetText(1, 14, "ристики");
  sheet.Merge({.col = 0, .row = 14, .col_count = 2, .row_count = 1});
  SetInputWidths(sheet);
}

void LayoutSolid1998Sheet(sheets::Sheet& sheet) {
  SetComposition(sheet);
  SetRows(sheet, {{10, " Низшая теплота сгорания", "кДж/кг"},
                  {11, " Теплота сгорания по бомбе", "МДж/кг"},
                  {12, " Зольность на сухую массу", "%"},
                  {13, " Влага гигроскопическая", "%"},
                  {14, " Выход летучих", "%"},
                  {16, " Влажность", "%"},
                  {17, " Зольность на сухую массу", "%"}});
  sheet.SetText(0, 15, "Предельные ");
  sheet.SetText(1, 15, "значения");
  sheet.Merge({.col = 0, .row = 15, .col_count = 2, .row_count = 1});
  SetInputWidths(sheet);
}

void LayoutReducedSheet(sheets::Sheet& sheet) {
  sheet.SetText(0, 0, "Приведенные зна");
  sheet.SetText(1, 0, "чения");
  sheet.Merge({.col = 0, .row = 0, .col_count = 2, .row_count = 1});
  SetRows(sheet, {{1, " Влажность", "кг/МДж"}, {2, " Зольность", "кг/МДж"}});
  sheet.SetText(0, 3, "Температурные характ");
  sheet.SetText(1, 3, "еристики");
  sheet.Merge({.col = 0, .row = 3, .col_count = 2, .row_count = 1});
  SetRows(sheet, {{4, " Температура t1", "°C"},
                  {5, " Температура t2", "°C"},
                  {6, " Температура t3", "°C"},
                  {7, " Температура t0", "°C"},
                  {8, " Температура t н.ж.", "°C"},
                  {9, " Температура t шл", "°C"},
                  {10, " Шлакование", ""}});
  sheet.SetHint(0, 4, "Температура начала деформации");
  sheet.SetHint(0, 5, "Температура размягчения");
  sheet.SetHint(0, 6, "Температура жидко-плавкого\nсостояния");
  sheet.SetHint(0, 7, "Истинно жидкое состояние шлака");
  sheet.SetHint(0, 8, "Начало нормального жидкого\nшлакоудаления");
  sheet.SetHint(0, 9, "Температура начала шлакования");
  sheet.SetHint(0, 10, "Склонность к образованию\nпрочных первичных отложений");
  sheet.SetItems(1, 10, {"да", "нет"}, 0);
  SetInputWidths(sheet);
}

void LayoutAshOxideSheet(sheets::Sheet& sheet) {
  sheet.SetText(0, 0, "Элементарный состав ");
  sheet.SetText(1, 0, "золы");
  sheet.SetText(0, 1, "на бессульфатную ма");
  sheet.SetText(1, 1, "ссу");
  sheet.Merge({.col = 0, .row = 0, .col_count = 2, .row_count = 1});
  sheet.Merge({.col = 0, .row = 1, .col_count = 2, .row_count = 1});
  SetRows(sheet, {{2, " Оксид кремния         (SiO2)", "%"},
                  {3, " Оксид алюминия III   (Al2O3)", "%"},
                  {4, " Оксид титана           (TiO2)", "%"},
                  {5, " Оксид железа III        ( Fe2O3)", "%"},
                  {6, " Оксид кальция          (CaO)", "%"},
                  {7, " Оксид магния           (MgO)", "%"},
                  {8, " Оксид калия              (K2O)", "%"},
                  {9, " Оксид натрия           ( Na2O)", "%"}});
  sheet.SetText(0, 10, "Всего");
  SetInputWidths(sheet);
}

void LayoutGasSheet(sheets::Sheet& sheet) {
  sheet.SetText(0, 0, "Состав топлива");
  SetRows(sheet, {{1, " CH4", "%"},
                  {2, " C2H6", "%"},
                  {3, " C3H8", "%"},
                  {4, " C4H10", "%"},
                  {5, " C5H12 и более тяжелые", "%"},
                  {6, " N2", "%"},
                  {7, " CO2", "%"},
                  {8, " H2S", "%"},
                  {9, " O2", "%"},
                  {10, " CO", "%"},
                  {11, " H2", "%"},
                  {12, " непредельные углеводороды", "%"},
                  {13, "Всего", "%"},
                  {15, " Теплотворность", "кДж/м3"},
                  {16, " Плотность", "кг/м3"}});
  sheet.SetHint(1, 16, "Плотность при\n0°С и 760 мм.рт.ст.");
  SetInputWidths(sheet);
}

}  // namespace calc
