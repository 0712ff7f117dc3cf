// Design parameters at a given excess air: volumes and fractions of the combustion
// products, the ash concentration, and the state fixed by one given quantity.
#pragma once

#include <optional>
#include <span>

#include "calc/design_cells.h"
#include "calc/fuel_document.h"
#include "calc/input_notice.h"

namespace calc {

// Volumes at excess air 1 as a design calculation reads them back from their texts.
struct ReadVolumes {
  float air = 0;
  float nitrogen = 0;
  float triatomic = 0;
  float water = 0;
};

// Column 1 rows first..first + 4 of a design-parameter sheet at excess air `alpha`:
// VH2O, Vg, rRO2, rH2O and rn with "0.####". The fractions are taken against Vg read back
// from its text; a fraction that cannot be formed is the integer 0. Throws for the other
// failures.
void WriteDerivedParameters(sheets::Sheet& design, int first, const ReadVolumes& v, float alpha);

// Fly-ash concentration μash = A·aun·0.01 / Gg with Gg = (1 − 0.01·A) + 1.306·α·V0, each
// stored as a single; throws sheets::MathError for a zero Gg.
float FlyAshShare(float ash_percent, float carryover, float alpha, float air);

// Excess air of (1, 2); a text that is not a number, or one too large for a single, writes
// the integer 1 and gives 1.
float ReadExcessAir(sheets::Sheet& design);

// Volumes at excess air 1 from the texts of column 1, rows first..first + 3.
ReadVolumes ReadVolumeTexts(const sheets::Sheet& sheet, int first);

// What a design run takes instead of each typed input of `design` that is no number (or
// too large for a single): excess air 1, carry-over 0.95, no state for the given value.
// An empty input is the documented default and says nothing.
InputNotices DesignFallbacks(const sheets::Sheet& design, std::span<const DesignCell> cells);

// The whole design calculation of the single fuel; a failure ends it quietly, leaving
// the cells not yet written as they were. Gives the fallbacks it took for typed inputs.
InputNotices XLGrid15EditModeChanged(FuelDocument& doc);

// The design calculation right after the fuel's cycle, so that the design parameters
// belong to the fuel as shown; the cycle is not run a second time unless the design's
// carry-over differs from the one it used. Failures end it quietly, as above.
void RecalcDesign(FuelDocument& doc);

// An edit of the carry-over on the enthalpy tab: the cycle, the copy into XLSheet15,
// then the design calculation. Gives the fallback taken for a carry-over that is no number.
InputNotices XLGrid13EditModeChanged(FuelDocument& doc);

}  // namespace calc
