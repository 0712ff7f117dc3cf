// The window layout of the enthalpy sheets: the built-in table of gases and ash
// (XLSheet11, headings XLSheet12), the enthalpy–temperature table (XLSheet6 with its
// heading XLSheet7 and row titles XLSheet8), the heading of the mixture's table and the
// carry-over cell (XLSheet13).
#include <array>
#include <string>

#include "calc/enthalpy_table.h"
#include "calc/layout.h"

namespace calc {

namespace {

// Specific enthalpies (cθ) at 100..2500 °C: CO2, N2, H2O, air in kJ/m3, ash in kJ/kg;
// "-1" marks a temperature without an ash enthalpy. Stored as the texts of the layout.
constexpr std::array<std::array<const char*, 5>, kTemperatureColumns> kEnthalpyTable = {{
    {"171.7", "130.1", "150.5", "132.7", "80.8"}, {"360", "261", "304", "267", "169.1"},
    {"563", "394", "463", "403", "264"},          {"776", "529", "626", "542", "360"},
    {"999", "667", "795", "685", "458"},          {"1231", "808", "969", "830", "560"},
    {"1469", "952", "1149", "979", "662"},        {"1712", "1098", "1334", "1129", "767"},
    {"1961", "1247", "1526", "1283", "875"},      {"2213", "1398", "1723", "1438", "984"},
    {"2458", "1551", "1925", "1595", "1097"},     {"2717", "1705", "2132", "1754", "1206"},
    {"2977", "1853", "2344", "1914", "1361"},     {"3239", "2009", "2559", "2076", "1583"},
    {"3503", "2166", "2779", "2239", "1759"},     {"3769", "2324", "3002", "2403", "1876"},
    {"4036", "2484", "3229", "2567", "2064"},     {"4305", "2644", "3458", "2732", "2186"},
    {"4574", "2804", "3690", "2899", "2387"},     {"4844", "2965", "3926", "3066", "2512"},
    {"5115", "3127", "4163", "3234", "-1"},       {"5386", "3289", "4402", "3402", "-1"},
    {"5658", "3452", "4643", "3571", "-1"},       {"5930", "3615", "4888", "3740", "-1"},
    {"6203", "3778", "5132", "3910", "-1"},
}};

}  // namespace

void LayoutEnthalpyDataSheet(sheets::Sheet& sheet) {
  for (int row = 0; row < kTemperatureColumns; ++row) {
    sheet.SetText(0, row, std::to_string(100 * (row + 1)));
    for (int col = 1; col <= 5; ++col) {
      sheet.SetText(
          col, row,
          kEnthalpyTable[static_cast<std::size_t>(row)][static_cast<std::size_t>(col - 1)]);
    }
  }
}

void LayoutEnthalpyHeadingsSheet(sheets::Sheet& sheet) {
  const std::array<const char*, 6> headings = {"t °C",    "(Cv)co2", "(Cv)n2",
                                               "(Cv)н2о", "(Cv)в",   "(Cv)зл"};
  for (int col = 0; col < 6; ++col) sheet.SetText(col, 0, headings[static_cast<std::size_t>(col)]);
}

void LayoutEnthalpyTableSheet(sheets::Sheet& sheet) {
  for (int col = 0; col < sheet.ColCount(); ++col) {
    sheet.SetText(col, enthalpy_row::kTemperature, std::to_string(100 * (col + 1)));
    sheet.SetColumnWidth(col, 56);
  }
}

void SetEnthalpyHeading(sheets::Sheet& sheet, bool gas) {
  sheet.SetText(0, 0,
                gas ? "Энтальпия воздуха и продуктов сгорания на 1 м3 газообразного топлива"
                    : "Энтальпия воздуха и продуктов сгорания на 1 кг твердых и жидких топлив");
}

void LayoutEnthalpyHeadingSheet(sheets::Sheet& sheet) {
  SetEnthalpyHeading(sheet, false);
  sheet.SetColumnWidth(0, 540);
}

void LayoutEnthalpyTitlesSheet(sheets::Sheet& sheet) {
  sheet.SetText(0, 0, " Температура ,°С");
  sheet.SetColumnWidth(0, 220);
}

void LayoutCarryoverSheet(sheets::Sheet& sheet) {
  sheet.SetText(0, 0, " Коэффициент уноса");
  sheet.SetHint(0, 0, "Необходим, для определения \nэнтальпии золовых частиц.");
  sheet.SetInput(1, 0, true);
  sheet.SetColumnWidth(0, 190);
  sheet.SetColumnWidth(1, 80);
}

}  // namespace calc
