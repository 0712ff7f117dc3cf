// The window layout of the design-parameter sheet XLSheet15.
#include <string>

#include "calc/design_cells.h"
#include "calc/layout.h"
#include "sheets/errors.h"

namespace calc {

const char* GivenValueUnit(std::int64_t kind, bool gas) {
  if (kind == 0) return "°C";
  return gas ? "кДж/м3" : "кДж/кг";
}

void SetDesignUnits(sheets::Sheet& sheet, bool gas) {
  sheet.SetText(2, 6, gas ? "м3/м3" : "Нм3/кг");
  sheet.SetText(2, 7, gas ? "м3/м3" : "Нм3/кг");
  sheet.SetText(2, 13, gas ? "кДж/м3" : "кДж/кг");
  sheet.SetText(2, 14, gas ? "кДж/м3" : "КДж/кг");
}

void SetGivenValueUnit(sheets::Sheet& sheet, bool gas) {
  try {
    sheet.SetText(2, 3, GivenValueUnit(sheet.Integer(0, 3), gas));
  } catch (const sheets::Error&) {
    // No kind chosen: the unit stays.
  }
}

void LayoutGivenKindCell(sheets::Sheet& sheet) {
  sheet.SetItems(0, 3, {" Температура", " Энтальпия воздуха", " Энтальпия дымовых газов"}, 0);
  std::string hint = "Задающий параметр:";
  for (int k = 0; k < 3; ++k) hint += "\n " + std::to_string(k + 1) + ". " + kGivenKindNames[k];
  sheet.SetHint(0, 3, hint);
  sheet.SetInput(0, 3, true);
}

void LayoutDesignSheet(sheets::Sheet& sheet) {
  sheet.SetText(0, 0, "Расчетные параметры продуктов");
  sheet.SetText(1, 0, "сгорания и");
  sheet.SetText(2, 0, "воздуха");
  sheet.Merge({.col = 0, .row = 0, .col_count = 3, .row_count = 1, .separator = " "});
  sheet.SetText(0, 1, "при заданном избытке воздуха");
  sheet.SetText(0, 2, " Избыток воздуха");
  LayoutGivenKindCell(sheet);
  sheet.SetText(0, 4, " Коэффициент уноса");
  sheet.SetText(0, 5, "Расчетные параметры");
  struct Row {
    int row;
    const char* label;
    const char* unit;
  };
  for (const Row& r : {Row{6, " Объем водяных паров", ""}, Row{7, " Объем дымовых газов", ""},
                       Row{8, " Доля трехатомных газов", ""}, Row{9, " Доля водяных паров", ""},
                       Row{10, " Суммарная доля", ""}, Row{11, " Доля золовых частиц", "кг/кг"},
                       Row{12, " Температура", "°С"}, Row{13, " Энтальпия воздуха", ""},
                       Row{14, " Энтальпия дымовых газов", ""}}) {
    sheet.SetText(0, r.row, r.label);
    sheet.SetText(2, r.row, r.unit);
  }
  sheet.SetInteger(1, 2, 1);
  sheet.SetInteger(1, 3, 100);
  for (int row : {2, 3, 4}) sheet.SetInput(1, row, true);  // excess air, given value, carry-over
  SetDesignUnits(sheet, false);                            // a new window's fuel type is anthracite
  sheet.SetColumnWidth(0, 220);
  sheet.SetColumnWidth(1, 90);
  sheet.SetColumnWidth(2, 70);
}

}  // namespace calc
