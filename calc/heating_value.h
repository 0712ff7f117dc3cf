// Automatic lower heating values: Mendeleev's formula for solid and liquid fuel, the
// table of component heating values for gas.
#pragma once

#include "calc/volumes.h"

namespace calc {

// Q = 339·C + 1030·H − 109·(O − S) − 25·W in kJ/kg, stored as a single and floored.
double MendeleevHeatingValue(const Record& record);

// Q = 0.01 · 4.1868 · Σ q·r in kJ/m3, with q the component's heating value in kcal/m3
// and r its volume percentage; N2, CO2 and O2 give nothing. Stored as a single and floored.
double GasHeatingValue(const Record& record);

}  // namespace calc
