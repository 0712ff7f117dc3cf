// Theoretical volumes of air and combustion products at excess air 1, by the 1998
// normative method: per kg of solid or liquid fuel, per m3 of gas.
#pragma once

#include <array>

#include "calc/fuel_document.h"

namespace calc {

using Record = std::array<float, 50>;

struct TheoreticalVolumes {
  float air = 0;        // V0
  float nitrogen = 0;   // V0N2
  float triatomic = 0;  // VRO2
  float water = 0;      // V0H2O
};

// The four volumes from the record values; `type_index` below 6 is solid or liquid.
// Each is stored in single precision; throws sheets::MathError on overflow.
TheoreticalVolumes ComputeTheoreticalVolumes(const Record& record, int type_index);

// Writes the volumes into XLSheet2 column 1 rows 2..5 with "0.####".
void WriteVolumes(FuelDocument& doc, const TheoreticalVolumes& volumes);

}  // namespace calc
