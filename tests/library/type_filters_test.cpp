// The filter table of the fuel list.
#include "library/type_filters.h"

#include <gtest/gtest.h>

namespace library {
namespace {

// Each subtype switched off alone hides exactly its index, and nothing else: every other
// value, types off the table included, stays shown.
TEST(TypeFiltersTest, EachSubtypeHidesExactlyItsIndex) {
  // The menu order (anthracite, stone coal, brown coal, shale, peat) differs from the
  // index order: peat is 3 and shale 4.
  struct Case {
    bool TypeFilters::*filter;
    float index;
  };
  const Case cases[] = {
      {&TypeFilters::anthracite, 0}, {&TypeFilters::stone_coal, 1}, {&TypeFilters::brown_coal, 2},
      {&TypeFilters::peat, 3},       {&TypeFilters::shale, 4},      {&TypeFilters::liquid, 5},
      {&TypeFilters::gaseous, 6},
  };
  for (const Case& c : cases) {
    TypeFilters filters;
    filters.*c.filter = false;
    for (float type = -1; type <= 7; type += 0.5f) {
      EXPECT_EQ(IsExcluded(filters, type), type == c.index)
          << "index " << c.index << " type " << type;
    }
  }
}

TEST(TypeFiltersTest, SolidOffHidesEveryValueBelowFiveAndOverridesSubtypes) {
  TypeFilters filters;
  filters.solid = false;
  for (float type : {-3.0f, 0.0f, 2.5f, 4.0f, 4.999f})
    EXPECT_TRUE(IsExcluded(filters, type)) << type;
  for (float type : {5.0f, 6.0f, 7.0f}) EXPECT_FALSE(IsExcluded(filters, type)) << type;

  // The subtype switches have no effect while solid is off; once solid is on again,
  // the subtype that was switched off meanwhile takes effect.
  filters.peat = false;
  EXPECT_TRUE(IsExcluded(filters, 2));
  filters.solid = true;
  EXPECT_FALSE(IsExcluded(filters, 2));
  EXPECT_TRUE(IsExcluded(filters, 3));
  EXPECT_FALSE(IsExcluded(filters, 2.5f));
}

}  // namespace
}  // namespace library
