// Heating values from the composition, evaluated wide and stored through a single.
#include "calc/heating_value.h"

#include <array>
#include <cmath>

#include "sheets/numbers.h"

namespace calc {

namespace {

// A gas component: its record row, its heating value q in kcal/m3 and the factor k,
// the reciprocal of its density in kg/m3, as the method tabulates it.
struct GasComponent {
  int row;
  long double q;
  long double k;
};

constexpr std::array<GasComponent, 9> kGasComponents = {{
    {7, 5585, 0.6578947368421053L},    // H2S, 1/1.52
    {9, 3018, 0.8L},                   // CO, 1/1.25
    {10, 2579, 11.11111111111111L},    // H2, 1/0.09
    {0, 8555, 1.3966480446927374L},    // CH4, 1/0.716
    {1, 15226, 0.7451564828614009L},   // C2H6, 1/1.342
    {2, 21795, 0.5083884087442806L},   // C3H8, 1/1.967
    {3, 28338, 0.3856536829926726L},   // C4H10, 1/2.593
    {4, 34890, 0.3107520198881293L},   // C5H12 and heavier, 1/3.218
    {11, 17000, 0.5555555555555556L},  // unsaturated hydrocarbons, 1/1.8
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
    sum += component.q * component.k * r[static_cast<std::size_t>(component.row)];
  }
  const float q = sheets::ToSingle(0.01L * 4.1868L * sum);
  return std::floor(q);
}

}  // namespace calc
