// The filter table of the fuel list.
#include "library/type_filters.h"

namespace library {

bool IsExcluded(const TypeFilters& filters, float type_value) {
  if (!filters.solid && type_value < 5) return true;
  struct Rule {
    bool shown;
    float index;
  };
  const Rule rules[] = {
      {filters.anthracite, 0}, {filters.stone_coal, 1}, {filters.brown_coal, 2}, {filters.peat, 3},
      {filters.shale, 4},      {filters.liquid, 5},     {filters.gaseous, 6},
  };
  for (const Rule& rule : rules) {
    if (!rule.shown && type_value == rule.index) return true;
  }
  return false;
}

}  // namespace library
