// The number routines against the ones they replaced, kept below as they were: the same
// texts and the same values over millions of random and boundary inputs (seeded, so a
// failure repeats).
#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <iostream>
#include <limits>
#include <optional>
#include <random>
#include <stdexcept>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "sheets/errors.h"
#include "sheets/numbers.h"

namespace sheets {
namespace {
namespace before {

// ParseFloat and FormatPattern as they were before their short cuts, unchanged.

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::string_view TrimBlanks(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

// Consumes a run of digits at the front of `text` and returns it.
std::string_view TakeDigits(std::string_view& text) {
  std::size_t n = 0;
  while (n < text.size() && IsDigit(text[n])) ++n;
  std::string_view digits = text.substr(0, n);
  text.remove_prefix(n);
  return digits;
}

// A number split into its parts: the sign, the digits before and after the
// separator, the exponent digits and the exponent sign.
struct Decimal {
  bool negative = false;
  std::string_view whole;
  std::string_view fraction;
  bool exponent_negative = false;
  std::string_view exponent;
};

std::optional<Decimal> SplitDecimal(std::string_view text, char decimal_separator) {
  Decimal d;
  if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
    d.negative = text.front() == '-';
    text.remove_prefix(1);
  }
  d.whole = TakeDigits(text);
  if (!text.empty() && text.front() == decimal_separator) {
    text.remove_prefix(1);
    d.fraction = TakeDigits(text);
  }
  if (d.whole.empty() && d.fraction.empty()) return std::nullopt;
  if (!text.empty() && (text.front() == 'e' || text.front() == 'E')) {
    text.remove_prefix(1);
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
      d.exponent_negative = text.front() == '-';
      text.remove_prefix(1);
    }
    d.exponent = TakeDigits(text);
    if (d.exponent.empty()) return std::nullopt;
  }
  if (!text.empty()) return std::nullopt;
  return d;
}

// Power of ten of the leading non-zero digit; only its sign matters, so the
// exponent is capped to keep the sum in range. Called for non-zero mantissas only.
long long LeadingPower(const Decimal& d) {
  constexpr long long kCap = 1'000'000'000;
  long long exponent = 0;
  for (char c : d.exponent) {
    exponent = exponent * 10 + (c - '0');
    if (exponent > kCap) {
      exponent = kCap;
      break;
    }
  }
  if (d.exponent_negative) exponent = -exponent;
  const std::size_t first = d.whole.find_first_not_of('0');
  if (first != std::string_view::npos) {
    return exponent + static_cast<long long>(d.whole.size() - first) - 1;
  }
  const std::size_t first_fraction = d.fraction.find_first_not_of('0');
  return exponent - static_cast<long long>(first_fraction) - 1;
}

// The magnitude of `value` as 18 significant digits and the power of ten of the first.
struct Digits {
  bool negative = false;
  std::string digits;
  int exponent = 0;
};

// Splits the scientific text of <charconv> ("-1.2345e+06") into sign, digits and exponent.
Digits SplitScientific(std::string_view text) {
  Digits d;
  if (text.front() == '-') {
    d.negative = true;
    text.remove_prefix(1);
  }
  const std::size_t e = text.find('e');
  for (char c : text.substr(0, e)) {
    if (c != '.') d.digits += c;
  }
  std::string_view exponent = text.substr(e + 1);
  if (exponent.front() == '+') exponent.remove_prefix(1);
  std::from_chars(exponent.data(), exponent.data() + exponent.size(), d.exponent);
  return d;
}

template <typename T, typename... Precision>
Digits ScientificDigits(T value, Precision... precision) {
  char buffer[64];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value,
                                    std::chars_format::scientific, precision...);
  return SplitScientific(std::string_view(buffer, result.ptr - buffer));
}

// What a display pattern asks for: the least number of integer digits and the
// least and most digits after the point.
struct Pattern {
  std::size_t min_whole = 0;
  std::size_t min_fraction = 0;
  std::size_t max_fraction = 0;
};

Pattern ParsePattern(std::string_view pattern) {
  Pattern p;
  bool after_point = false;
  for (char c : pattern) {
    if (c == '.' && !after_point) {
      after_point = true;
    } else if (c == '0' || c == '#') {
      if (after_point) {
        ++p.max_fraction;
        if (c == '0') p.min_fraction = p.max_fraction;
      } else if (c == '0') {
        ++p.min_whole;
      }
    } else {
      throw std::invalid_argument("unsupported number pattern '" + std::string(pattern) + "'");
    }
  }
  return p;
}

// Increments a string of decimal digits; "999" becomes "1000".
void IncrementDigits(std::string& digits) {
  for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
    if (*it != '9') {
      ++*it;
      return;
    }
    *it = '0';
  }
  digits.insert(digits.begin(), '1');
}

std::optional<long double> OldParseFloat(std::string_view text, char decimal_separator) {
  const std::optional<Decimal> d = SplitDecimal(TrimBlanks(text), decimal_separator);
  if (!d) return std::nullopt;

  // Rebuilt in the one layout from_chars reads: no '+', '.' as the point.
  std::string plain = d->negative ? "-" : "";
  plain += d->whole.empty() ? std::string_view("0") : d->whole;
  if (!d->fraction.empty()) {
    plain += '.';
    plain += d->fraction;
  }
  if (!d->exponent.empty()) {
    plain += d->exponent_negative ? "e-" : "e";
    plain += d->exponent;
  }

  long double value = 0;
  const auto result = std::from_chars(plain.data(), plain.data() + plain.size(), value);
  if (result.ec == std::errc::result_out_of_range) {
    // Beyond the long double range: an infinity when too large, zero when too small.
    value = LeadingPower(*d) > 0 ? std::numeric_limits<long double>::infinity() : 0.0L;
    return d->negative ? -value : value;
  }
  if (result.ec != std::errc() || result.ptr != plain.data() + plain.size()) return std::nullopt;
  return value;
}

std::string OldFormatPattern(long double value, std::string_view pattern, char decimal_separator) {
  if (!std::isfinite(value)) throw MathError("Invalid floating point operation");
  const Pattern p = ParsePattern(pattern);
  Digits d = ScientificDigits(value, 17);

  // `kept` becomes the digits of round(|value| * 10^max_fraction), rounded on the
  // 18-digit text, half away from zero.
  const long long keep = d.exponent + static_cast<long long>(p.max_fraction) + 1;
  std::string kept;
  if (keep >= static_cast<long long>(d.digits.size())) {
    kept = d.digits;
    kept.append(static_cast<std::size_t>(keep) - d.digits.size(), '0');
  } else if (keep >= 0) {
    kept = d.digits.substr(0, static_cast<std::size_t>(keep));
    if (d.digits[static_cast<std::size_t>(keep)] >= '5') IncrementDigits(kept);
  }
  const std::size_t nonzero = kept.find_first_not_of('0');
  if (nonzero == std::string::npos) {
    kept.clear();
    d.negative = false;
  } else {
    kept.erase(0, nonzero);
  }

  if (kept.size() < p.max_fraction) kept.insert(0, p.max_fraction - kept.size(), '0');
  std::string whole = kept.substr(0, kept.size() - p.max_fraction);
  std::string fraction = kept.substr(kept.size() - p.max_fraction);
  if (whole.size() < p.min_whole) whole.insert(0, p.min_whole - whole.size(), '0');
  while (fraction.size() > p.min_fraction && fraction.back() == '0') fraction.pop_back();

  std::string out = d.negative ? "-" : "";
  out += whole;
  if (!fraction.empty()) {
    out += decimal_separator;
    out += fraction;
  }
  return out;
}

}  // namespace before

__extension__ typedef unsigned __int128 Wide;

int BitLength(Wide x) {
  int n = 0;
  for (; x != 0; x >>= 1) ++n;
  return n;
}

// Runs both versions on each input, counts the cases and reports the first mismatches.
class Differential {
 public:
  explicit Differential(std::uint64_t seed) : random_(seed) {}

  void Format(long double value, const std::string& pattern, char sep) {
    ++cases_;
    const std::string now = FormatPattern(value, pattern, sep);
    const std::string was = before::OldFormatPattern(value, pattern, sep);
    if (now != was && ++failures_ <= kReported) {
      char bits[64];
      const auto end = std::to_chars(bits, bits + sizeof bits, value, std::chars_format::hex);
      ADD_FAILURE() << std::string_view(bits, end.ptr - bits) << " '" << pattern << "': " << now
                    << " instead of " << was;
    }
  }

  void Parse(std::string_view text, char sep) {
    ++cases_;
    const std::optional<long double> now = ParseFloat(text, sep);
    const std::optional<long double> was = before::OldParseFloat(text, sep);
    const bool same = now.has_value() == was.has_value() &&
                      (!now || (*now == *was && std::signbit(*now) == std::signbit(*was)));
    if (!same && ++failures_ <= kReported) ADD_FAILURE() << "'" << text << "' with " << sep;
  }

  // A display pattern of the grids, or one that keeps 15 to 20 significant digits of
  // `value`, so that every one of the 18 digits is compared.
  std::string PatternFor(long double value) {
    static const char* const kPatterns[] = {"0.##", "0.###", "0.####", "0.######",
                                            "0.#",  ".##",   "0.",     "00.0#"};
    if (Coin() || value == 0) return kPatterns[Below(std::size(kPatterns))];
    const auto power = static_cast<long long>(std::floor(std::log10(std::fabs(value))));
    const long long fraction = std::clamp<long long>(17 - power + Between(-3, 2), 0, 6000);
    const auto zeros = static_cast<std::size_t>(Below(static_cast<std::uint64_t>(fraction) + 1));
    std::string pattern = Coin() ? "0." : ".";
    pattern.append(zeros, '0');
    pattern.append(static_cast<std::size_t>(fraction) - zeros, '#');
    return pattern;
  }

  void FormatEach(long double value) {
    const char sep = Coin() ? '.' : ',';
    Format(value, PatternFor(value), sep);
  }

  std::uint64_t Bits() { return random_(); }
  std::uint64_t Below(std::uint64_t n) { return random_() % n; }
  long long Between(long long lo, long long hi) {
    return lo + static_cast<long long>(Below(static_cast<std::uint64_t>(hi - lo + 1)));
  }
  bool Coin() { return (random_() & 1) != 0; }
  bool OneIn(std::uint64_t n) { return Below(n) == 0; }

  std::string Digits(std::size_t count) {
    std::string digits;
    const int style = static_cast<int>(Below(8));
    for (std::size_t i = 0; i < count; ++i) {
      digits += style == 0 ? '9' : style == 1 ? '0' : static_cast<char>('0' + Below(10));
    }
    return digits;
  }

  long long cases() const { return cases_; }
  int failures() const { return failures_; }

 private:
  static constexpr int kReported = 10;
  std::mt19937_64 random_;
  long long cases_ = 0;
  int failures_ = 0;
};

long double Signed(Differential& t, long double value) { return t.Coin() ? -value : value; }

// Every finite double and float comes through the short cut; long doubles that are
// no double take the general route, which must still be taken for them.
TEST(NumbersDifferentialTest, FormatPatternGivesTheSameTexts) {
  Differential t(20240517);
  constexpr int kRandom = 55'000;
  for (int i = 0; i < kRandom; ++i) {
    const auto d = std::bit_cast<double>(t.Bits());
    if (std::isfinite(d)) t.FormatEach(d);
    const auto f = std::bit_cast<float>(static_cast<std::uint32_t>(t.Bits()));
    if (std::isfinite(f)) t.FormatEach(f);
    // Magnitudes the fuel figures have, 1E-12 .. 1E19.
    const long double moderate =
        std::ldexp(static_cast<double>(t.Bits() >> 11), static_cast<int>(t.Between(-93, 10)));
    t.FormatEach(Signed(t, moderate));
    t.FormatEach(Signed(t, static_cast<float>(moderate)));
    // Decimals a hair from half a unit of the shown last digit, in both widths.
    const long long places = t.Between(0, 6);
    const long double scale = std::pow(10.0L, static_cast<long double>(places));
    const double half = (static_cast<double>(t.Below(100'000'000)) + 0.5) / scale;
    // Long doubles a few units of their last place from that half: the 18-digit rounding
    // of the value decides which way the shown last digit goes.
    long double wide_half = (static_cast<long double>(t.Below(100'000'000)) + 0.5L) / scale;
    for (int step = 0; step < 4; ++step) wide_half = std::nextafter(wide_half, 0.0L);
    for (int step = 0; step < 8; ++step) {
      t.Format(Signed(t, wide_half), "0." + std::string(static_cast<std::size_t>(places), '#'),
               ',');
      wide_half = std::nextafter(wide_half, 1e30L);
    }
    t.Format(Signed(t, half), std::string(t.Coin() ? "0." : ".") + std::string(6, '#'), '.');
    for (const char* pattern : {"0.##", "0.###", "0.####", "0.######", "0.#", ".##", "0."}) {
      t.Format(Signed(t, std::nextafter(half, t.Coin() ? 0.0 : 1e30)), pattern, ',');
      t.Format(Signed(t, static_cast<float>(half)), pattern, '.');
    }
    // Long doubles: 64 random mantissa bits, and a double nudged off itself.
    const long double wide = std::ldexp(static_cast<long double>(t.Bits() | (1ULL << 63)),
                                        static_cast<int>(t.Between(-140, 10)));
    t.FormatEach(Signed(t, wide));
    t.FormatEach(moderate + std::ldexp(moderate, -60));
  }
  // Exact ties at the 18th digit, a * 2^-k with a odd and a * 5^k of 19 digits: both
  // printers round them to even.
  for (int k = 3; k <= 27; ++k) {
    std::uint64_t five = 1;
    for (int i = 0; i < k; ++i) five *= 5;
    const std::uint64_t lo = (1'000'000'000'000'000'000ULL + five - 1) / five;
    const std::uint64_t hi =
        std::min<std::uint64_t>((10'000'000'000'000'000'000ULL - 1) / five, (1ULL << 53) - 1);
    for (int i = 0; i < 2000 && lo <= hi; ++i) {
      const std::uint64_t a = (lo + t.Below(hi - lo + 1)) | 1;
      if (a > hi) continue;
      const double tie = std::ldexp(static_cast<double>(a), -k);
      t.FormatEach(Signed(t, tie));
      t.Format(tie, "0." + std::string(static_cast<std::size_t>(k) + 3, '#'), '.');
    }
  }
  const long double boundaries[] = {0.0L,
                                    -0.0L,
                                    DBL_MAX,
                                    DBL_MIN,
                                    std::numeric_limits<double>::denorm_min(),
                                    FLT_MAX,
                                    FLT_MIN,
                                    std::numeric_limits<float>::denorm_min(),
                                    LDBL_MAX,
                                    LDBL_MIN,
                                    std::numeric_limits<long double>::denorm_min(),
                                    static_cast<long double>(DBL_MAX) * 2,
                                    std::nextafter(static_cast<long double>(DBL_MAX), 0.0L),
                                    0.5L,
                                    0.05L,
                                    0.005L,
                                    9.995L,
                                    99.995,
                                    999999.9999995};
  for (long double value : boundaries) {
    for (long double v : {value, -value, std::nextafter(value, 0.0L),
                          std::nextafter(value, std::numeric_limits<long double>::infinity())}) {
      if (std::isfinite(v)) {
        for (int i = 0; i < 20; ++i) t.FormatEach(v);
      }
    }
  }
  for (int p = -30; p <= 30; ++p) {
    for (long double v :
         {std::pow(10.0L, static_cast<long double>(p)), static_cast<long double>(std::pow(10.0, p)),
          static_cast<long double>(std::pow(10.0f, static_cast<float>(p)))}) {
      for (int i = 0; i < 20; ++i) {
        t.FormatEach(v);
        t.FormatEach(std::nextafter(static_cast<double>(v), 0.0));
        t.FormatEach(std::nextafter(static_cast<double>(v), 1e300));
      }
    }
  }
  std::cout << "[   cases  ] " << t.cases() << " FormatPattern\n";
  EXPECT_EQ(t.failures(), 0);
}

// Short decimals come through the short cut, everything else through strtold.
TEST(NumbersDifferentialTest, ParseFloatGivesTheSameValues) {
  Differential t(19730301);
  constexpr int kRandom = 260'000;
  const std::string blanks = " \t";
  const std::string junk = "+-.,eE x0123456789";
  for (int i = 0; i < kRandom; ++i) {
    const char sep = t.Coin() ? '.' : ',';
    // A decimal of random length and exponent, with blanks, signs and stray characters.
    std::string text;
    if (t.OneIn(4)) text += blanks[t.Below(2)];
    if (!t.OneIn(3)) text += "+-"[t.Below(2)];
    text += t.Digits(t.Below(t.OneIn(4) ? 40 : 21));
    if (!t.OneIn(4)) text += t.OneIn(8) ? (sep == '.' ? ',' : '.') : sep;
    text += t.Digits(t.Below(t.OneIn(4) ? 40 : 21));
    if (t.Coin()) {
      text += t.Coin() ? 'e' : 'E';
      if (t.Coin()) text += "+-"[t.Below(2)];
      text += t.Digits(t.OneIn(8) ? 4 + t.Below(22) : 1 + t.Below(2));
    }
    if (t.OneIn(4)) text += blanks[t.Below(2)];
    if (t.OneIn(10)) text.insert(t.Below(text.size() + 1), 1, junk[t.Below(junk.size())]);
    t.Parse(text, sep);

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
  // multiplication and strtold both round them to even.
  for (int k = 1; k <= 27; ++k) {
    Wide five = 1;
    for (int i = 0; i < k; ++i) five *= 5;
    const Wide lo = ((Wide{1} << 64) + five - 1) / five;
    const Wide hi = std::min(((Wide{1} << 65) - 1) / five, Wide{9'999'999'999'999'999'999ULL});
    for (int i = 0; i < 2000 && lo <= hi; ++i) {
      const Wide m = (lo + t.Below(static_cast<std::uint64_t>(hi - lo + 1))) | 1;
      if (m > hi || BitLength(m * five) != 65) continue;
      const std::string digits = std::to_string(static_cast<std::uint64_t>(m));
      t.Parse(digits + "e" + std::to_string(k), '.');
      const std::size_t point = t.Below(digits.size() + 1);
      t.Parse("-" + digits.substr(0, point) + "," + digits.substr(point) + "E+" +
                  std::to_string(k + static_cast<int>(digits.size() - point)),
              ',');
    }
  }
  // The edges of the short cut: 19 and 20 digits, 10^27 and 10^28, zeros around.
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
  std::cout << "[   cases  ] " << t.cases() << " ParseFloat\n";
  EXPECT_EQ(t.failures(), 0);
}

}  // namespace
}  // namespace sheets
