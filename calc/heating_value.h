// Automatic lower heating values: Mendeleev's formula for solid and liquid fuel, the
// table of component heating values for gas.
#pragma once

#include "calc/volumes.h"

namespace calc {

// Q = 339·C + 1030·H − 109·(O − S) − 25·W in kJ/kg, stored as a single and floored.
double MendeleevHeatingValue(const Record& record);

// Q = 0.01 · 4.1868 · Σ q·k·r in kJ/m3 over the combustible components, stored as a
// single and floored.
double GasHeatingValue(const Record& record);

}  // namespace calc
