// The number texts of the grids, value for value: what parses and to what, the checked
// narrowing, the display patterns and the general format. The short cuts against the
// general routes are tried in numbers_differential_test; that a single reads back from its
// shortest text, by fuzz/number_text_fuzz.cpp on every value it parses.
#include "sheets/numbers.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>
#include <string>

#include "sheets/errors.h"

namespace sheets {
namespace {

constexpr long double kInf = std::numeric_limits<long double>::infinity();

TEST(ParseFloatTest, ReadsNumbersWithItsSeparatorOnly) {
  const struct {
    const char* text;
    char sep;
    long double expected;
  } cases[] = {
      {"1,5", ',', 1.5L},
      {"  -12.5e-1\t", '.', -1.25L},
      {"5.", '.', 5.0L},
      {",5", ',', 0.5L},
      {"1E+2", ',', 100.0L},
      {"1e400", '.', 1e400L},
      {"2.5e-4000", '.', 2.5e-4000L},
      {"1e99999", '.', kInf},
      {"-0.001e99999", '.', -kInf},
      {"12345e-99999", '.', 0.0L},
  };
  for (const auto& c : cases) EXPECT_EQ(ParseFloat(c.text, c.sep), c.expected) << c.text;
  // Digits far beyond the precision still round correctly; an underflow keeps its sign.
  EXPECT_EQ(ParseFloat("0." + std::string(1000, '1'), '.'), 1.0L / 9);
  EXPECT_TRUE(std::signbit(ParseFloat("-1e-99999", '.').value_or(1)));
  for (const char* text : {"", "  ", ".", "-", "e5", ".e5", "1e", "1e+", "1.2.3", "--1", "+-1",
                           "1 5", "1e5.5", "inf", "nan", "0x10", "1,000.5", "1.5x", "1,5"}) {
    EXPECT_FALSE(ParseFloat(text, '.').has_value()) << text;
  }
  EXPECT_FALSE(ParseFloat("1.5", ',').has_value());

  EXPECT_EQ(ParseInteger(" -7\t"), -7);
  EXPECT_EQ(ParseInteger("-9223372036854775808"), std::numeric_limits<long long>::min());
  for (const char* text : {"", "-", "+-5", "1.0", "1e3", "12a", "1 2", "9223372036854775808"})
    EXPECT_FALSE(ParseInteger(text).has_value()) << text;
}

TEST(ToSingleTest, NarrowsOrThrowsMathError) {
  EXPECT_EQ(ToSingle(1e-60L), 0.0f);
  EXPECT_EQ(ToSingle(-FLT_MAX), -FLT_MAX);
  // Halfway between FLT_MAX and 2^128 already rounds to infinity; just below does not.
  constexpr long double kHalfway = 0x1.ffffffp+127L;
  EXPECT_EQ(ToSingle(std::nextafter(kHalfway, 0.0L)), FLT_MAX);
  for (long double bad : {kHalfway, -1e39L, kInf, std::numeric_limits<long double>::quiet_NaN()})
    EXPECT_THROW(ToSingle(bad), MathError) << static_cast<double>(bad);
  EXPECT_EQ(TextToSingle(" 4,1 ", ','), 4.1f);
  EXPECT_THROW(TextToSingle("1e39", '.'), MathError);
  EXPECT_THROW(TextToSingle("4.1", ','), ConvertError);  // its text is the sheet test's
  EXPECT_THROW(Divide(1.0L, -0.0L), MathError);
}

TEST(FormatPatternTest, RoundsHalfAwayOnEighteenDigits) {
  const struct {
    long double value;
    const char* pattern;
    char sep;
    const char* expected;
  } cases[] = {
      // 1.005 as a double is 1.00499999999999989..., as a long double 1.0049999999999999999957,
      // which is 1.005 at 18 digits.
      {0.125L, "0.##", '.', "0.13"},
      {-2.5L, "0.", ',', "-3"},
      {1.005, "0.##", '.', "1"},
      {1.005L, "0.##", '.', "1.01"},
      {-99.996L, "0.#", '.', "-100"},
      {5.7498L, "0.###", ',', "5,75"},
      {-0.001L, "0.##", '.', "0"},
      {-0.5L, ".##", '.', "-.5"},
      {0.001L, ".##", '.', ""},
      {0.005L, ".##", '.', ".01"},
      {1e20L, "0.##", '.', "100000000000000000000"},
      {0.0L, "00.0#", ',', "00,0"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FormatPattern(c.value, c.pattern, c.sep), c.expected)
        << c.pattern << " " << static_cast<double>(c.value);
  }
  EXPECT_THROW(FormatPattern(kInf, "0.##", '.'), MathError);
  EXPECT_THROW(FormatPattern(1.0L, "0.0x", '.'), std::invalid_argument);
  EXPECT_THROW(FormatPattern(1.0L, "0..0", '.'), std::invalid_argument);
}

TEST(FormatGeneralTest, FifteenDigitsPlainOrExponentAndSinglesThatReadBack) {
  const struct {
    double value;
    char sep;
    const char* expected;
  } cases[] = {
      {-0.0, '.', "0"},
      {-1.5e-7, ',', "-1,5E-7"},
      {1e15, '.', "1E15"},
      {999999999999999.5, '.', "1E15"},
      {-2.0 / 3.0, ',', "-0,666666666666667"},
  };
  for (const auto& c : cases) EXPECT_EQ(FormatGeneral(c.value, c.sep), c.expected) << c.value;
  EXPECT_EQ(FormatSingle(static_cast<float>(4.1), '.'), "4.1");
  EXPECT_EQ(FormatSingle(1234567.875f, '.'), "1234567.9");  // 1234567.9 already reads back
  EXPECT_EQ(FormatSingle(3e-6f, '.'), "3E-6");
}

}  // namespace
}  // namespace sheets
