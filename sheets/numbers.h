// Number texts of the grids: parsing with a given decimal separator, the checked
// narrowing to single precision, the display patterns and the general format.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace sheets {

// Parses a cell text as a floating-point number: blanks allowed before and after,
// an optional sign, digits with an optional separator and fraction, an optional
// exponent, at least one digit; no thousands separators. nullopt when it does not parse.
std::optional<long double> ParseFloat(std::string_view text, char decimal_separator);

// ParseFloat by its general route alone: every text read by the C library's correctly
// rounded reader. The reference ParseFloat's short cut for short decimals must agree
// with, value for value; too slow for the grids.
std::optional<long double> ParseFloatExact(std::string_view text, char decimal_separator);

// Parses a whole number (optional sign, digits, blanks around); nullopt otherwise.
std::optional<long long> ParseInteger(std::string_view text);

// ParseFloat, then the checked narrowing; throws ConvertError with
// "'<text>' is not a valid floating point value" when the text does not parse.
float TextToSingle(std::string_view text, char decimal_separator);

// Narrows a wide result to single precision; throws MathError on overflow, infinity and NaN.
float ToSingle(long double value);

// ToSingle without the failure: nullopt where ToSingle would throw.
std::optional<float> TrySingle(long double value);

// a / b in extended precision; throws MathError when b is 0.
long double Divide(long double a, long double b);

// The text "'<text>' is not a valid floating point value".
std::string NotAFloatMessage(std::string_view text);

// Formats a value with a display pattern: "0.##", "0.###", "0.####", "0.######", "0.#",
// ".##" or "0.". Digits after the point marked "#" are dropped when they are trailing
// zeros, "0" digits always shown; a pattern without "0" before the point shows no
// leading zero (".##": 0.5 gives ".5", 0 gives ""). The value's decimal expansion is
// taken to 18 significant digits and rounded half away from zero; a negative value
// that rounds to 0 shows no minus sign.
std::string FormatPattern(long double value, std::string_view pattern, char decimal_separator);

// FormatPattern by its general route alone: the 18 digits printed from the long double
// itself. The reference FormatPattern's short cuts (a rounded product, a value printed as
// the double it is) must agree with, text for text; too slow for the grids.
std::string FormatPatternExact(long double value, std::string_view pattern, char decimal_separator);

// The general format of a double: up to 15 significant digits, trailing zeros dropped,
// exponent form "1E-6", "1.5E20" outside 1E-5 .. 1E15.
std::string FormatGeneral(double value, char decimal_separator);

// The shortest general-format text that reads back as the same single ("4.1", "0.95").
std::string FormatSingle(float value, char decimal_separator);

}  // namespace sheets
