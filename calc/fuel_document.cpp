// Creation of a fuel document with the layout of every sheet.
#include "calc/fuel_document.h"

#include "calc/cycle.h"
#include "calc/decimal_fix.h"
#include "calc/layout.h"
#include "calc/mixture.h"

namespace calc {

FuelDocument::FuelDocument(char decimal_separator) : decimal_separator_(decimal_separator) {
  for (sheets::Sheet* sheet : Sheets()) sheet->SetDecimalSeparator(decimal_separator);
  LayoutRecordSheet(XLSheet10);
  LayoutSolid1973Sheet(XLSheet1_1);
  LayoutGasSheet(XLSheet1_2);
  LayoutSolid1998Sheet(XLSheet3);
  LayoutReducedSheet(XLSheet4);
  LayoutAshOxideSheet(XLSheet5);
  LayoutVolumesSheet(XLSheet2);
  LayoutEnthalpyTableSheet(XLSheet6);
  LayoutEnthalpyHeadingSheet(XLSheet7);
  LayoutEnthalpyTitlesSheet(XLSheet8);
  LayoutEnthalpyDataSheet(XLSheet11);
  LayoutEnthalpyHeadingsSheet(XLSheet12);
  LayoutCarryoverSheet(XLSheet13);
  LayoutDesignSheet(XLSheet15);
  LayoutMixtureResultsSheet(XLSheet14);
  LayoutEnthalpyTableSheet(XLSheet16);
  LayoutEnthalpyHeadingSheet(XLSheet7Mixture);
  LayoutMixtureDesignSheet(XLSheet17);
  LayoutMixtureTitlesSheet(XLSheet18);
  LayoutHeatBalanceSheet(XLSheet19);
  LayoutMixtureHeatBalanceSheet(XLSheet20);
  for (int col = 0; col < XLFuel.ColCount(); ++col) {
    for (int row = 0; row < XLFuel.RowCount(); ++row) XLFuel.SetInteger(col, row, 0);
  }
  // The built-in table is written with "."; under a decimal comma its fractions are
  // repaired once, as leaving its grid would.
  XLGrid11Exit(*this);
  MarkInputCells(*this);
  Edit1Change(*this);
}

const std::string& FuelTypeName(int type_index) {
  static const std::array<std::string, kFuelTypeCount> kNames = {
      "антрацит", "каменный уголь", "бурый уголь",         "торф",
      "сланец",   "жидкое топливо", "газообразное топливо"};
  static const std::string kNone;
  return type_index >= 0 && type_index < kFuelTypeCount
             ? kNames[static_cast<std::size_t>(type_index)]
             : kNone;
}

std::vector<sheets::Sheet*> FuelDocument::Sheets() {
  return {&XLSheet10, &XLSheet1_1, &XLSheet1_2, &XLSheet3,  &XLSheet4,  &XLSheet5,
          &XLSheet2,  &XLSheet6,   &XLSheet7,   &XLSheet8,  &XLSheet11, &XLSheet12,
          &XLSheet13, &XLSheet15,  &XLFuel,     &XLSheet14, &XLSheet16, &XLSheet7Mixture,
          &XLSheet17, &XLSheet18,  &XLSheet19,  &XLSheet20};
}

}  // namespace calc
