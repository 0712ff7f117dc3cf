// Number texts of the grids: parsing with the decimal separator as a parameter, the
// checked narrowing to single precision, the display patterns and the general format.
#include "sheets/numbers.h"

#include <algorithm>
#include <array>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <system_error>

#include "sheets/errors.h"

// Every conversion here goes through <charconv>, which ignores the C locale: the
// application may run with ',' as the C decimal point. The common cases take exact short
// cuts (a value that is a double printed as one, a short decimal read with one operation)
// and give the very digits and values of the general route, which ParseFloatExact and
// FormatPatternExact take alone.

namespace sheets {
namespace {

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

// The general reading of a decimal: from_chars, which reads a long double with strtold,
// correctly rounded to nearest; beyond the long double range an infinity or zero.
std::optional<long double> ReadDecimal(const Decimal& d) {
  // Rebuilt in the one layout from_chars reads: no '+', '.' as the point.
  std::string plain = d.negative ? "-" : "";
  plain += d.whole.empty() ? std::string_view("0") : d.whole;
  if (!d.fraction.empty()) {
    plain += '.';
    plain += d.fraction;
  }
  if (!d.exponent.empty()) {
    plain += d.exponent_negative ? "e-" : "e";
    plain += d.exponent;
  }

  long double value = 0;
  const auto result = std::from_chars(plain.data(), plain.data() + plain.size(), value);
  if (result.ec == std::errc::result_out_of_range) {
    // Beyond the long double range: an infinity when too large, zero when too small.
    value = LeadingPower(d) > 0 ? std::numeric_limits<long double>::infinity() : 0.0L;
    return d.negative ? -value : value;
  }
  if (result.ec != std::errc() || result.ptr != plain.data() + plain.size()) return std::nullopt;
  return value;
}

// 10^0 .. 10^27: 10^27 = 2^27 * 5^27 with 5^27 < 2^64, so each is exact in the 64-bit
// mantissa of a long double (10^28 is not).
constexpr int kMaxExactPower = 27;
constexpr std::array<long double, kMaxExactPower + 1> kPowersOfTen = [] {
  std::array<long double, kMaxExactPower + 1> powers{};
  long double power = 1;
  for (long double& p : powers) {
    p = power;
    power *= 10;
  }
  return powers;
}();

// Whether the decimal has at most 19 significant digits times 10^k, |k| <= 27, and if so
// its value. The digits form an integer below 10^19 < 2^64, exact in a long
// double, as is 10^|k|; one multiplication or division of two exact operands is rounded
// once, to nearest, which is the correctly rounded value of the decimal: the value the
// general route gives (from_chars reads a long double with strtold, rounding to nearest).
// Non-zero results lie between 10^-27 and 2^64 * 10^27, far from overflow and subnormals.
bool ShortDecimal(const Decimal& d, long double& value) {
  constexpr int kMaxDigits = 19;
  constexpr long long kExponentCap = 100'000;
  std::uint64_t mantissa = 0;
  int digit_count = 0;  // significant digits taken into the mantissa
  long long zeros = 0;  // zeros after the last non-zero digit, not yet taken
  const auto take = [&](std::string_view digits) {
    for (char c : digits) {
      if (c == '0') {
        if (digit_count > 0) ++zeros;
        continue;
      }
      if (digit_count + zeros + 1 > kMaxDigits) return false;
      for (; zeros > 0; --zeros, ++digit_count) mantissa *= 10;
      mantissa = mantissa * 10 + static_cast<std::uint64_t>(c - '0');
      ++digit_count;
    }
    return true;
  };
  if (!take(d.whole) || !take(d.fraction)) return false;
  long long exponent = 0;
  for (char c : d.exponent) {
    exponent = exponent * 10 + (c - '0');
    if (exponent > kExponentCap) return false;
  }
  if (d.exponent_negative) exponent = -exponent;
  // value = mantissa * 10^power exactly
  const long long power = exponent + zeros - static_cast<long long>(d.fraction.size());
  if (power > kMaxExactPower || power < -kMaxExactPower) return false;
  const auto exact = static_cast<long double>(mantissa);
  value = power >= 0 ? exact * kPowersOfTen[static_cast<std::size_t>(power)]
                     : exact / kPowersOfTen[static_cast<std::size_t>(-power)];
  if (d.negative) value = -value;
  return true;
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

// |value| correctly rounded to 18 significant digits (ties to even), and the power of ten
// of the first.
struct EighteenDigits {
  bool negative = false;
  std::array<char, 18> digits{};
  int exponent = 0;
};

template <typename T>
EighteenDigits ScientificEighteen(T value) {
  // "-d.ddddddddddddddddde+ddd"
  char buffer[64];
  const auto result =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, 17);
  const char* p = buffer;
  EighteenDigits d;
  if (*p == '-') {
    d.negative = true;
    ++p;
  }
  d.digits[0] = *p;
  p += 2;
  std::copy(p, p + 17, d.digits.begin() + 1);
  p += 18;
  if (*p == '+') ++p;
  std::from_chars(p, result.ptr, d.exponent);
  return d;
}

// The 18 digits of a finite long double. A value that is exactly a double (every float is
// one) is printed as that double: the same real number, correctly rounded with the same
// tie rule by either printer, so the same digits, without the C library's printf that
// the long double printer calls.
EighteenDigits PatternDigits(long double value) {
  if (std::fabs(value) <= DBL_MAX) {
    const auto narrow = static_cast<double>(value);
    if (static_cast<long double>(narrow) == value) return ScientificEighteen(narrow);
  }
  return ScientificEighteen(value);
}

// Lays out significant digits the general way: plain between 1E-5 and 1E15,
// exponent form ("1.5E-7") outside.
std::string GeneralLayout(Digits d, char decimal_separator) {
  const std::size_t last = d.digits.find_last_not_of('0');
  if (last == std::string::npos) return "0";
  d.digits.resize(last + 1);

  std::string out = d.negative ? "-" : "";
  if (d.exponent < -5 || d.exponent >= 15) {
    out += d.digits.front();
    if (d.digits.size() > 1) {
      out += decimal_separator;
      out.append(d.digits, 1);
    }
    out += 'E';
    out += std::to_string(d.exponent);
  } else if (d.exponent < 0) {
    out += '0';
    out += decimal_separator;
    out.append(static_cast<std::size_t>(-d.exponent - 1), '0');
    out += d.digits;
  } else {
    const auto whole = static_cast<std::size_t>(d.exponent) + 1;
    if (d.digits.size() <= whole) {
      out += d.digits;
      out.append(whole - d.digits.size(), '0');
    } else {
      out.append(d.digits, 0, whole);
      out += decimal_separator;
      out.append(d.digits, whole);
    }
  }
  return out;
}

std::string NonFiniteText(double value) {
  if (std::isnan(value)) return "NAN";
  return value < 0 ? "-INF" : "INF";
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

// The digits of round(|value| * 10^max_fraction) from the value's 18-digit text, half
// away from zero.
std::string KeptDigits(const EighteenDigits& d, std::size_t max_fraction) {
  constexpr auto kDigitCount = static_cast<long long>(std::tuple_size_v<decltype(d.digits)>);
  const long long keep = d.exponent + static_cast<long long>(max_fraction) + 1;
  std::string kept;
  if (keep >= kDigitCount) {
    kept.assign(d.digits.data(), d.digits.size());
    kept.append(static_cast<std::size_t>(keep - kDigitCount), '0');
  } else if (keep >= 0) {
    kept.assign(d.digits.data(), static_cast<std::size_t>(keep));
    if (d.digits[static_cast<std::size_t>(keep)] >= '5') IncrementDigits(kept);
  }
  return kept;
}

// Lays out the kept digits (the value times 10^max_fraction, rounded) as the pattern
// asks; a value that rounds to 0 shows no minus sign.
std::string LayOut(std::string kept, bool negative, const Pattern& p, char decimal_separator) {
  const std::size_t nonzero = kept.find_first_not_of('0');
  if (nonzero == std::string::npos) {
    kept.clear();
    negative = false;
  } else {
    kept.erase(0, nonzero);
  }

  if (kept.size() < p.max_fraction) kept.insert(0, p.max_fraction - kept.size(), '0');
  const std::size_t whole = kept.size() - p.max_fraction;
  std::size_t fraction = p.max_fraction;
  while (fraction > p.min_fraction && kept[whole + fraction - 1] == '0') --fraction;

  std::string out;
  out.reserve(1 + std::max(whole, p.min_whole) + 1 + fraction);
  if (negative) out += '-';
  if (whole < p.min_whole) out.append(p.min_whole - whole, '0');
  out.append(kept, 0, whole);
  if (fraction > 0) {
    out += decimal_separator;
    out.append(kept, whole, fraction);
  }
  return out;
}

}  // namespace

std::optional<long double> ParseFloat(std::string_view text, char decimal_separator) {
  const std::optional<Decimal> d = SplitDecimal(TrimBlanks(text), decimal_separator);
  if (!d) return std::nullopt;
  // Built straight from the long double: copying an optional<long double> costs a
  // stalled store on x87.
  if (long double value = 0; ShortDecimal(*d, value)) return value;
  return ReadDecimal(*d);
}

std::optional<long double> ParseFloatExact(std::string_view text, char decimal_separator) {
  const std::optional<Decimal> d = SplitDecimal(TrimBlanks(text), decimal_separator);
  if (!d) return std::nullopt;
  return ReadDecimal(*d);
}

std::optional<long long> ParseInteger(std::string_view text) {
  text = TrimBlanks(text);
  std::string_view rest = text;
  if (!rest.empty() && (rest.front() == '+' || rest.front() == '-')) rest.remove_prefix(1);
  if (TakeDigits(rest).empty() || !rest.empty()) return std::nullopt;
  // from_chars takes a '-' but no '+'.
  if (text.front() == '+') text.remove_prefix(1);
  long long value = 0;
  const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
  if (result.ec != std::errc()) return std::nullopt;
  return value;
}

float TextToSingle(std::string_view text, char decimal_separator) {
  const std::optional<long double> value = ParseFloat(text, decimal_separator);
  if (!value) throw ConvertError(NotAFloatMessage(text), "TextToSingle");
  return ToSingle(*value);
}

// Halfway between the largest float and 2^128: from here on the nearest float is the
// infinity. Checked before the cast, which is undefined out of range.
constexpr long double kSingleOverflow = 0x1.ffffffp+127L;

float ToSingle(long double value) {
  if (std::isnan(value)) throw MathError("Invalid floating point operation", "ToSingle");
  if (std::fabs(value) >= kSingleOverflow) throw MathError("Floating point overflow", "ToSingle");
  return static_cast<float>(value);
}

std::optional<float> TrySingle(long double value) {
  if (std::isnan(value) || std::fabs(value) >= kSingleOverflow) return std::nullopt;
  return static_cast<float>(value);
}

long double Divide(long double a, long double b) {
  if (b == 0) throw MathError("Floating point division by zero", "Divide");
  return a / b;
}

std::string NotAFloatMessage(std::string_view text) {
  std::string message = "'";
  message.append(text);
  message.append("' is not a valid floating point value");
  return message;
}

// round(|value| · 10^max_fraction), half away from zero, as the 18-digit text would round
// it, without printing that text: nullopt when the product is too large, or its fraction
// so near one half that the product's rounding (under scaled · 2^-64) or the 18-digit
// rounding of the value (under scaled · 5·10^-18) could decide the half.
std::optional<std::uint64_t> RoundedScaled(long double magnitude, std::size_t max_fraction) {
  if (max_fraction > 9) return std::nullopt;
  const long double scaled = magnitude * kPowersOfTen[max_fraction];
  if (!(scaled < 1e15L)) return std::nullopt;
  const long double whole = std::floor(scaled);
  const long double fraction = scaled - whole;
  if (std::fabs(fraction - 0.5L) <= scaled * 1e-17L) return std::nullopt;
  return static_cast<std::uint64_t>(whole) + (fraction > 0.5L ? 1U : 0U);
}

std::string FormatPattern(long double value, std::string_view pattern, char decimal_separator) {
  if (!std::isfinite(value)) throw MathError("Invalid floating point operation", "FormatPattern");
  const Pattern p = ParsePattern(pattern);
  if (const std::optional<std::uint64_t> rounded =
          RoundedScaled(std::fabs(value), p.max_fraction)) {
    return LayOut(std::to_string(*rounded), std::signbit(value), p, decimal_separator);
  }
  const EighteenDigits d = PatternDigits(value);
  return LayOut(KeptDigits(d, p.max_fraction), d.negative, p, decimal_separator);
}

std::string FormatPatternExact(long double value, std::string_view pattern,
                               char decimal_separator) {
  if (!std::isfinite(value)) {
    throw MathError("Invalid floating point operation", "FormatPatternExact");
  }
  const Pattern p = ParsePattern(pattern);
  const EighteenDigits d = ScientificEighteen(value);
  return LayOut(KeptDigits(d, p.max_fraction), d.negative, p, decimal_separator);
}

std::string FormatGeneral(double value, char decimal_separator) {
  if (!std::isfinite(value)) return NonFiniteText(value);
  return GeneralLayout(ScientificDigits(value, 14), decimal_separator);
}

std::string FormatSingle(float value, char decimal_separator) {
  if (!std::isfinite(value)) return NonFiniteText(value);
  return GeneralLayout(ScientificDigits(value), decimal_separator);
}

}  // namespace sheets
