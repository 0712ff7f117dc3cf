// The short cuts of ParseFloat and FormatPattern against the general routes they must agree
// with, ParseFloatExact and FormatPatternExact: the same values and texts at the inputs where
// the short cuts round or give up (seeded, so a failure repeats). Any text at all goes
// through both routes in fuzz/number_text_fuzz.cpp.
#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <optional>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "sheets/numbers.h"

namespace sheets {
namespace {

constexpr long double kInfinity = std::numeric_limits<long double>::infinity();

__extension__ typedef unsigned __int128 Wide;

// Runs both routes on each input and reports the first mismatches.
class Agreement {
 public:
  explicit Agreement(std::uint64_t seed) : random_(seed) {}

  void Format(long double value, const std::string& pattern, char sep) {
    const std::string fast = FormatPattern(value, pattern, sep);
    const std::string exact = FormatPatternExact(value, pattern, sep);
    if (fast != exact && ++failures_ <= kReported)
      ADD_FAILURE() << std::hexfloat << value << " '" << pattern << "': " << fast << " instead of "
                    << exact;
  }

  void Parse(std::string_view text, char sep) {
    const std::optional<long double> fast = ParseFloat(text, sep);
    const std::optional<long double> exact = ParseFloatExact(text, sep);
    const bool same = fast.has_value() == exact.has_value() &&
                      (!fast || (*fast == *exact && std::signbit(*fast) == std::signbit(*exact)));
    if (!same && ++failures_ <= kReported) ADD_FAILURE() << "'" << text << "' with " << sep;
  }

  // With a display pattern of the grids, or one that keeps 15 to 20 significant digits of
  // `value`, so that every one of the 18 digits is compared.
  void FormatEach(long double value) {
    static const char* const kPatterns[] = {"0.##", "0.###", "0.####", "0.######",
                                            "0.#",  ".##",   "0.",     "00.0#"};
    const char sep = Coin() ? '.' : ',';
    if (Coin() || value == 0) return Format(value, kPatterns[Below(std::size(kPatterns))], sep);
    const auto power = static_cast<long long>(std::floor(std::log10(std::fabs(value))));
    const long long fraction = std::clamp<long long>(17 - power + Between(-3, 2), 0, 6000);
    const auto zeros = static_cast<std::size_t>(Below(static_cast<std::uint64_t>(fraction) + 1));
    std::string pattern = Coin() ? "0." : ".";
    pattern.append(zeros, '0');
    pattern.append(static_cast<std::size_t>(fraction) - zeros, '#');
    Format(value, pattern, sep);
  }

  std::uint64_t Bits() { return random_(); }
  std::uint64_t Below(std::uint64_t n) { return random_() % n; }
  long long Between(long long lo, long long hi) {
    return lo + static_cast<long long>(Below(static_cast<std::uint64_t>(hi - lo + 1)));
  }
  bool Coin() { return (random_() & 1) != 0; }
  long double Signed(long double value) { return Coin() ? -value : value; }

 private:
  static constexpr int kReported = 10;
  std::mt19937_64 random_;
  int failures_ = 0;
};

// Doubles and floats come through both short cuts (the rounded product, the value printed as
// the double it is); long doubles that are no double through the first one only. Values a
// hair from a rounding boundary of the shown digit, exact ties and the limits of each width.
TEST(NumbersDifferentialTest, FormatPatternAgreesWithTheGeneralRoute) {
  Agreement t(20240517);
  for (int i = 0; i < 5'500; ++i) {
    // Decimals a hair from half a unit of the shown last digit, in both widths; long
    // doubles a few units of their last place from it, where the 18-digit rounding of the
    // value decides which way the shown digit goes.
    const long long places = t.Between(0, 6);
    const std::string hashes = "0." + std::string(static_cast<std::size_t>(places), '#');
    const long double scale = std::pow(10.0L, static_cast<long double>(places));
    const double half = (static_cast<double>(t.Below(100'000'000)) + 0.5) / scale;
    long double wide_half = (static_cast<long double>(t.Below(100'000'000)) + 0.5L) / scale;
    for (int step = 0; step < 4; ++step) wide_half = std::nextafter(wide_half, 0.0L);
    for (int step = 0; step < 8; ++step, wide_half = std::nextafter(wide_half, 1e30L)) {
      t.Format(t.Signed(wide_half), hashes, ',');
    }
    for (const char* pattern : {"0.##", "0.####", "0.######", "0.#", ".##", "0.", ".######"}) {
      t.Format(t.Signed(std::nextafter(half, t.Coin() ? 0.0 : 1e30)), pattern, ',');
      t.Format(t.Signed(static_cast<float>(half)), pattern, '.');
    }
  }
  // Exact ties at the 18th digit, a * 2^-k with a odd and a * 5^k of 19 digits.
  for (int k = 3; k <= 27; ++k) {
    std::uint64_t five = 1;
    for (int i = 0; i < k; ++i) five *= 5;
    const std::uint64_t lo = (1'000'000'000'000'000'000ULL + five - 1) / five;
    const std::uint64_t hi =
        std::min<std::uint64_t>((10'000'000'000'000'000'000ULL - 1) / five, (1ULL << 53) - 1);
    for (int i = 0; i < 200 && lo <= hi; ++i) {
      const std::uint64_t a = (lo + t.Below(hi - lo + 1)) | 1;
      if (a > hi) continue;
      const double tie = std::ldexp(static_cast<double>(a), -k);
      t.FormatEach(t.Signed(tie));
      t.Format(tie, "0." + std::string(static_cast<std::size_t>(k) + 3, '#'), '.');
    }
  }
  // The limits of each width, decimals at a half, powers of ten; each with its neighbours.
  // clang-format off
  std::vector<long double> edges = {
      0.0L, DBL_MAX, DBL_MIN, std::numeric_limits<double>::denorm_min(), FLT_MAX, FLT_MIN,
      LDBL_MAX, LDBL_MIN, std::numeric_limits<long double>::denorm_min(),
      static_cast<long double>(DBL_MAX) * 2, 0.5L, 0.05L, 0.005L, 9.995L, 99.995, 999999.9999995};
  // clang-format on
  for (int p = -30; p <= 30; ++p) {
    edges.insert(edges.end(), {std::pow(10.0L, static_cast<long double>(p)), std::pow(10.0, p),
                               std::pow(10.0f, static_cast<float>(p))});
  }
  for (const long double edge : edges) {
    for (const long double v :
         {edge, -edge, std::nextafter(edge, 0.0L), std::nextafter(edge, kInfinity),
          static_cast<long double>(std::nextafter(static_cast<double>(edge), 0.0)),
          static_cast<long double>(std::nextafter(static_cast<double>(edge), 1e300))}) {
      for (int i = 0; i < 4 && std::isfinite(v); ++i) t.FormatEach(v);
    }
  }
}

// Short decimals come through the short cut, everything else through strtold.
TEST(NumbersDifferentialTest, ParseFloatAgreesWithTheGeneralRoute) {
  Agreement t(19730301);
  for (int i = 0; i < 26'000; ++i) {
    const char sep = t.Coin() ? '.' : ',';
    // Texts as the program prints them, and doubles with 1 to 26 digits.
    const auto d = std::bit_cast<double>(t.Bits());
    const double moderate =
        std::ldexp(static_cast<double>(t.Bits() >> 11), static_cast<int>(t.Between(-93, 10)));
    t.Parse(FormatGeneral(d, sep), sep);
    t.Parse(FormatSingle(std::bit_cast<float>(static_cast<std::uint32_t>(t.Bits())), sep), sep);
    t.Parse(FormatGeneral(moderate, sep), sep);
    t.Parse(FormatSingle(static_cast<float>(moderate), sep), sep);
    char printed[64];
    const auto end =
        std::to_chars(printed, printed + sizeof printed, t.Coin() ? d : moderate,
                      t.Coin() ? std::chars_format::scientific : std::chars_format::general,
                      static_cast<int>(t.Below(26)));
    t.Parse(std::string_view(printed, static_cast<std::size_t>(end.ptr - printed)), '.');
  }
  // Products m * 10^k halfway between two long doubles: m * 5^k odd with 65 bits. The
  // short cut's one multiplication and strtold both round them to even.
  for (int k = 1; k <= 27; ++k) {
    Wide five = 1;
    for (int i = 0; i < k; ++i) five *= 5;
    const Wide lo = ((Wide{1} << 64) + five - 1) / five;
    const Wide hi = std::min(((Wide{1} << 65) - 1) / five, Wide{9'999'999'999'999'999'999ULL});
    for (int i = 0; i < 200 && lo <= hi; ++i) {
      const Wide m = (lo + t.Below(static_cast<std::uint64_t>(hi - lo + 1))) | 1;
      if (m > hi) continue;  // lo and hi keep m * 5^k within 65 bits
      const std::string digits = std::to_string(static_cast<std::uint64_t>(m));
      t.Parse(digits + "e" + std::to_string(k), '.');
      const std::size_t point = t.Below(digits.size() + 1);
      t.Parse("-" + digits.substr(0, point) + "," + digits.substr(point) + "E+" +
                  std::to_string(k + static_cast<int>(digits.size() - point)),
              ',');
    }
  }
  // The edges of the short cut: 19 and 20 digits, 10^±27 and 10^±28, zeros around.
  for (const char* digits : {"18446744073709551615", "18446744073709551616", "9999999999999999999",
                             "99999999999999999999", "1000000000000000000000000000000",
                             "1844674407370955161", "0000000000000000000000000123", "0", "5"}) {
    for (int exponent = -60; exponent <= 60; ++exponent) {
      for (char sep : {'.', ','}) {
        const std::string text = std::string(digits) + "e" + std::to_string(exponent);
        t.Parse(text, sep);
        t.Parse("-0" + std::string(1, sep) + text, sep);
        t.Parse(std::string(digits) + sep + "000e" + std::to_string(exponent), sep);
      }
    }
  }
  for (const char* text : {"1e99999999999999999999", "0e99999999999", "0e-99999999999", "-0", "+0,",
                           ",0", "1e0000000000000000000027", "1e-000000028", "00", "9e100000",
                           "9e-100000", "1e100001", "1e-4950", "1e4933"}) {
    t.Parse(text, ',');
    t.Parse(text, '.');
  }
}

}  // namespace
}  // namespace sheets
