// Heating values from the composition, evaluated wide and stored through a single.
#include "calc/heating_value.h"

#include <array>
#include <cmath>

#include "sheets/numbers.h"

namespace calc {

namespace {

// A gas component: its record row and its lower heating value q in kcal per cubic metre
// of the component.
struct GasComponent {
  int row;
  long double q;
};

constexpr std::array<GasComponent, 9> kGasComponents = {{
    {7, 5585},    // H2S
    {9, 3018},    // CO
    {10, 2579},   // H2
    {0, 8555},    // CH4
    {1, 15226},   // C2H6
    {2, 21795},   // C3H8
    {3, 28338},   // C4H10
    {4, 34890},   // C5H12 and heavier
    {11, 17000},  // unsaturated hydrocarbons
}};

}  // namespace

double MendeleevHeatingValue(const Record& r) {
  const long double w = r[0], c = r[2], h = r[3], s = r[5], o = r[6];
  const float q = sheets::ToSingle(339 * c + 1030 * h - 109 * (o - s) - 25 * w);
  return std::floor(q);
}

double GasHeatingValue(const Record& r) {
  long double sum = 0;
  for (const GasComponent& component : kGasComponents) {
    sum += component.q * r[static_cast<std::size_t>(component.row)];
  }
  const float q = sheets::ToSingle(0.01L * 4.1868L * sum);
  return std::floor(q);
}

}  // namespace calc
