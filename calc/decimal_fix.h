// Repair of a typed number: digit-group spaces dropped and the wrong decimal separator
// swapped, for a committed cell and over fixed cell ranges when the focus leaves a grid.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "calc/fuel_document.h"
#include "calc/input_notice.h"

namespace calc {

// The text a typed number is kept as: the text itself when it parses; otherwise the text
// without its digit-group spaces (U+0020, U+00A0 or U+202F between groups of three digits
// of the whole part: "21 861"), and when that alone does not parse, with every "." and ","
// swapped. nullopt when neither gives a number, an empty text included.
std::optional<std::string> RepairNumberText(std::string_view text, char decimal_separator);

// Leaves an empty cell and a cell that parses alone; otherwise writes the repaired text
// when there is one (RepairNumberText). Never throws.
void FixDecimalSeparator(sheets::Sheet& sheet, int col, int row);

// A text typed into a cell that holds a record value itself (the record view): stored
// repaired, or, when it is no number, refused: the cell keeps its value and the notice
// says so.
std::optional<InputNotice> CommitNumberText(sheets::Sheet& sheet, int col, int row,
                                            const std::string& text);

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
void XLGrid21Exit(FuelDocument& doc);  // XLSheet19: column 1, rows 2..18 (heat balance)
void XLGrid22Exit(FuelDocument& doc);  // XLSheet20: column 1, rows 2..18 (mixture's)

}  // namespace calc
