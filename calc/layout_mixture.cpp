// The window layout of the mixture's sheets: results (XLSheet14), design parameters
// (XLSheet17) and the row titles of its enthalpy table (XLSheet18).
#include <utility>

#include "calc/layout.h"

namespace calc {

namespace {

struct Row {
  int col;
  int row;
  const char* label;
  const char* unit;
};

void SetLabels(sheets::Sheet& sheet, std::initializer_list<Row> rows) {
  for (const Row& r : rows) {
    sheet.SetText(r.col, r.row, r.label);
    sheet.SetText(r.col + 2, r.row, r.unit);
  }
}

}  // namespace

void LayoutMixtureResultsSheet(sheets::Sheet& sheet) {
  sheet.SetText(0, 0, "Результаты рассчета полученной смеси");
  sheet.Merge({.col = 0, .row = 0, .col_count = 3, .row_count = 1});
  sheet.SetText(0, 1, "Объемы теоретического количества воздуха и продуктов сгорания при а=1");
  sheet.Merge({.col = 0, .row = 1, .col_count = 3, .row_count = 2});
  SetLabels(sheet, {{0, 3, " Воздух", "Нм3/кг"},
                    {0, 4, " Азот", "Нм3/кг"},
                    {0, 5, " Трехатомные газы", "Нм3/кг"},
                    {0, 6, " Водяные пары", "Нм3/кг"},
                    {0, 8, " Теплотворность", "кДж/кг"}});
  sheet.Merge({.col = 0, .row = 7, .col_count = 3, .row_count = 1});
  sheet.SetColumnWidth(0, 200);
  sheet.SetColumnWidth(1, 80);
  sheet.SetColumnWidth(2, 60);
}

void LayoutMixtureDesignSheet(sheets::Sheet& sheet) {
  sheet.SetText(0, 0, "Расчетные параметры продуктов сгорания и воздуха, при заданных параметрах");
  sheet.Merge({.col = 0, .row = 0, .col_count = 6, .row_count = 2});
  sheet.SetText(0, 2, " Избыток воздуха");
  sheet.SetInteger(1, 2, 1);
  sheet.SetText(3, 2, " Коэффициент уноса");
  LayoutGivenKindCell(sheet);
  sheet.SetInteger(1, 3, 100);
  for (auto [col, row] : {std::pair{1, 2}, std::pair{4, 2}, std::pair{1, 3}}) {
    sheet.SetInput(col, row, true);  // excess air, carry-over, given value
  }
  sheet.SetText(0, 4, "Расчетные параметры");
  sheet.Merge({.col = 0, .row = 4, .col_count = 6, .row_count = 1});
  SetLabels(sheet, {{0, 5, " Объем водяных паров", "Нм3/кг"},
                    {0, 6, " Объем дымовых газов", "Нм3/кг"},
                    {0, 7, " Доля трехатомных газов", ""},
                    {0, 8, " Доля водяных паров", ""},
                    {0, 9, " Суммарная доля", ""},
                    {0, 10, " Доля золовых частиц", "кг/кг"},
                    {3, 5, " Температура", "°С"},
                    {3, 6, " Энтальпия воздуха", "кДж/кг"},
                    {3, 7, " Энтальпия дымовых газов", "кДж/кг"}});
  const int widths[] = {170, 70, 60, 170, 70, 60};
  for (int col = 0; col < 6; ++col) sheet.SetColumnWidth(col, widths[col]);
}

void LayoutMixtureTitlesSheet(sheets::Sheet& sheet) {
  sheet.SetText(0, 0, " Температура ,°С");
  sheet.SetText(0, 1, " Энтальпия воздуха ,кДж/кг");
  sheet.SetText(0, 2, " Энтальпия дымовых газов ,кДж/кг");
  sheet.SetText(0, 3, " Энтальпия золы ,кДж/кг");
  sheet.SetColumnWidth(0, 220);
}

}  // namespace calc
