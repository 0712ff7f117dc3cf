// Repair of a number typed with the wrong decimal separator, run over fixed cell ranges
// when the keyboard focus leaves a grid.
#pragma once

#include "calc/fuel_document.h"

namespace calc {

// Leaves an empty cell and a cell that parses alone; otherwise swaps every "." and ","
// of the text and keeps the result only when it parses. Never throws.
void FixDecimalSeparator(sheets::Sheet& sheet, int col, int row);

// The exit checks of the grids, each over its fixed range of value cells.
void XLGrid1Exit(FuelDocument& doc);   // XLSheet1_1, then XLSheet1_2: column 1, rows 1..17
void XLGrid2Exit(FuelDocument& doc);   // XLSheet2: column 1, rows 2..5
void XLGrid3Exit(FuelDocument& doc);   // XLSheet3: column 1, rows 1..17
void XLGrid4Exit(FuelDocument& doc);   // XLSheet4: column 1, rows 1..9
void XLGrid5Exit(FuelDocument& doc);   // XLSheet5: column 1, rows 2..10
void XLGrid10Exit(FuelDocument& doc);  // XLSheet10: column 2, rows 0..49
void XLGrid11Exit(FuelDocument& doc);  // XLSheet11: columns 0..5, rows 0..24
void XLGrid13Exit(FuelDocument& doc);  // XLSheet13: cell (1, 0)
void XLGrid15Exit(FuelDocument& doc);  // XLSheet15: column 1, rows 2..12
void XLGrid21Exit(FuelDocument& doc);  // XLSheet19: column 1, rows 2..16 (heat balance)
void XLGrid22Exit(FuelDocument& doc);  // XLSheet20: column 1, rows 2..16 (mixture's)

}  // namespace calc
