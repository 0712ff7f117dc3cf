// The window layout of the document's sheets: labels, units, headings, hints and the
// initial values a new document window starts with.
#pragma once

#include <cstdint>

#include "sheets/sheet.h"

namespace calc {

void LayoutRecordSheet(sheets::Sheet& sheet);              // XLSheet10
void LayoutVolumesSheet(sheets::Sheet& sheet);             // XLSheet2
void LayoutSolid1973Sheet(sheets::Sheet& sheet);           // XLSheet1_1
void LayoutSolid1998Sheet(sheets::Sheet& sheet);           // XLSheet3
void LayoutReducedSheet(sheets::Sheet& sheet);             // XLSheet4
void LayoutAshOxideSheet(sheets::Sheet& sheet);            // XLSheet5
void LayoutGasSheet(sheets::Sheet& sheet);                 // XLSheet1_2
void LayoutEnthalpyDataSheet(sheets::Sheet& sheet);        // XLSheet11
void LayoutEnthalpyHeadingsSheet(sheets::Sheet& sheet);    // XLSheet12
void LayoutEnthalpyTableSheet(sheets::Sheet& sheet);       // XLSheet6
void LayoutEnthalpyHeadingSheet(sheets::Sheet& sheet);     // XLSheet7, XLSheet7Mixture
void LayoutEnthalpyTitlesSheet(sheets::Sheet& sheet);      // XLSheet8
void LayoutCarryoverSheet(sheets::Sheet& sheet);           // XLSheet13
void LayoutDesignSheet(sheets::Sheet& sheet);              // XLSheet15
void LayoutMixtureResultsSheet(sheets::Sheet& sheet);      // XLSheet14
void LayoutMixtureDesignSheet(sheets::Sheet& sheet);       // XLSheet17
void LayoutMixtureTitlesSheet(sheets::Sheet& sheet);       // XLSheet18
void LayoutHeatBalanceSheet(sheets::Sheet& sheet);         // XLSheet19
void LayoutMixtureHeatBalanceSheet(sheets::Sheet& sheet);  // XLSheet20
// The units of a heat-balance sheet that follow the fuel kind: per cubic metre of a gas,
// per kilogram otherwise.
void SetHeatBalanceUnits(sheets::Sheet& sheet, bool per_cubic_metre);

// The hint a heat-balance input of `row` is laid out with; empty for another row.
const char* HeatBalanceInputHint(int row);

// The given-parameter list cell (0, 3) of a design-parameter sheet, with its hint.
void LayoutGivenKindCell(sheets::Sheet& sheet);

// The heading of an enthalpy–temperature table, per kilogram of solid and liquid fuel or
// per cubic metre of gas.
void SetEnthalpyHeading(sheets::Sheet& sheet, bool gas);

// The units of the single fuel's design-parameter sheet XLSheet15, per kilogram of solid
// and liquid fuel or per cubic metre of gas: the volumes of rows 6 and 7 and the
// enthalpies of rows 13 and 14.
void SetDesignUnits(sheets::Sheet& sheet, bool gas);

// The units of the theoretical volumes (XLSheet2): per kilogram, or per cubic metre of gas.
void SetVolumeUnits(sheets::Sheet& sheet, bool gas);

// The unit (2, 3) of the given value of a design-parameter sheet after the kind chosen in
// (0, 3); left as it is when the kind cannot be read.
void SetGivenValueUnit(sheets::Sheet& sheet, bool gas);

// The unit of a given value of kind 0 (temperature, "°C"), 1 or 2 (air or flue-gas
// enthalpy, per kilogram or, for a gas, per cubic metre).
const char* GivenValueUnit(std::int64_t kind, bool gas);

}  // namespace calc
