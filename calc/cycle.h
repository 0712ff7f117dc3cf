// The recalculation cycle of one fuel: collect the input sheets into the record,
// scatter the record back, and recompute every derived value; and the switches of the
// document window that drive it.
#pragma once

#include "calc/fuel_document.h"
#include "calc/input_notice.h"
#include "calc/volumes.h"

namespace calc {

// Marks the cells the user types into: the value cells that the record fills, the
// record itself, but not a heating value while it is computed automatically, nor the
// ash temperatures and oxides of a gas.
void MarkInputCells(FuelDocument& doc);

// Copies the input cells of the layout in force into the record (XLSheet10 column 2); an
// empty cell stores the integer 0. A text that is no number is refused: the record keeps
// its value (the scatter shows it again in the cell) and a notice tells of the text.
InputNotices CollectAllData(FuelDocument& doc);

// Copies the record back into the input cells of the layout chosen by record row 15;
// throws sheets::ConvertError when row 15 is not a whole number.
void ScatterAllData(FuelDocument& doc);

// Record rows 0..49 as single-precision numbers; throws sheets::ConvertError for a
// value that is not a number.
Record ReadRecord(const FuelDocument& doc);

// Volumes, automatic heating value, reduced values, enthalpy–temperature table, the
// composition totals and the heat balance, from the record.
void RecalcFuel(FuelDocument& doc);

// The edit cycle of the input grids: collect, scatter, recalculate; gives what the
// collection refused.
InputNotices XLGrid1EditModeChanged(FuelDocument& doc);

// An edit in the record view: the record is the input itself, so it is scattered and
// recalculated without a collection.
void XLGrid10EditModeChanged(FuelDocument& doc);

// A new fuel type picked: stored in record row 15, sheets of that kind shown, the record
// scattered (no value is converted) and the whole edit cycle run, units included.
void ComboBox3Change(FuelDocument& doc, int type_index);

// The norms switch: `norms_1973` is RadioButton1 checked. Scatters and recalculates.
void RadioButton1Click(FuelDocument& doc, bool norms_1973);

// Either automatic-heating-value box toggled.
void CheckBox1Click(FuelDocument& doc);

// Relabels the record view for solid and liquid fuel (0) or gas (1).
void RadioGroup1Click(FuelDocument& doc, int item);

// "Новый": the empty record of an anthracite named "Новое топливо", every sheet updated.
void NewFuel(FuelDocument& doc);

}  // namespace calc
