// Where the input and result sheets keep the values that more than one routine reads or
// writes: the record's value column, the composition totals, the heating values, the
// reduced values, the volumes and the mixture's results. On every input and result sheet
// the label stands in column 0, the value in column 1 and the unit in column 2. The heat
// balance keeps its cells in heat_balance_cells.h, the design parameters in design_cells.h.
#pragma once

namespace calc {

// The record sheet XLSheet10: number, label, value, unit; one row per record value.
inline constexpr int kRecordValueCol = 2;

namespace sheet_row {

// Solid and liquid fuel: the working-mass composition in rows 1..7 of XLSheet1_1 (1973
// norms) and XLSheet3 (1998 norms), its total below.
inline constexpr int kCompositionTotal = 8;
inline constexpr int kVolatiles1973 = 10;     // XLSheet1_1
inline constexpr int kHeatingValue1973 = 11;  // XLSheet1_1, kJ/kg
inline constexpr int kHeatingValue1998 = 10;  // XLSheet3, kJ/kg
inline constexpr int kVolatiles1998 = 14;     // XLSheet3

// Gas, XLSheet1_2: the composition in rows 1..12, its total, the heating value per m3.
inline constexpr int kGasTotal = 13;
inline constexpr int kGasHeatingValue = 15;  // kJ/m3
inline constexpr int kGasDensity = 16;       // kg/m3

// XLSheet4: moisture and ash per unit of heat (kg/MJ), and the slagging list cell.
inline constexpr int kReducedMoisture = 1;
inline constexpr int kReducedAsh = 2;
inline constexpr int kSlagging = 10;

// XLSheet5: the ash's oxides in rows 2..9, their total below.
inline constexpr int kOxideTotal = 10;

// V0, V0N2, VRO2, V0H2O at α = 1 in four rows from the first: XLSheet2 of the single fuel
// (unit in column 2), XLSheet14 of the mixture.
inline constexpr int kVolumes = 2;
inline constexpr int kMixtureVolumes = 3;
inline constexpr int kMixtureHeatingValue = 8;  // XLSheet14, kJ/kg

}  // namespace sheet_row

// XLFuel, the mixture's component records: 1 in this cell when every counted component is
// a gas.
inline constexpr int kAllGaseousCol = 5;
inline constexpr int kAllGaseousRow = 49;
}  // namespace calc
