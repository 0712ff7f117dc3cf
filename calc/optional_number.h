// A number of the heat balance that may have no value, which the grid shows as "-": an
// input left empty or refused, a division by zero, a result beyond the range of doubles.
// Formulas are written with the usual operators; they run in `Wide` and a result that has
// no value makes every result computed from it have none.
#pragma once

#include <cmath>
#include <limits>
#include <optional>

namespace calc {

template <typename Wide>
class OptionalNumber {
 public:
  OptionalNumber() = default;
  OptionalNumber(std::nullopt_t) {}  // NOLINT(google-explicit-constructor): reads as a value
  OptionalNumber(Wide value) : value_(value) {}  // NOLINT(google-explicit-constructor)
  // A value as the sheets keep it, double, joins a formula.
  OptionalNumber(const std::optional<double>& value) {  // NOLINT(google-explicit-constructor)
    if (value) value_ = *value;
  }

  // The double that is shown and kept; none for an infinity, a NaN or a value beyond
  // doubles.
  operator std::optional<double>() const {  // NOLINT(google-explicit-constructor)
    if (!value_ || !std::isfinite(*value_) ||
        std::fabs(*value_) > std::numeric_limits<double>::max()) {
      return std::nullopt;
    }
    return static_cast<double>(*value_);
  }

  friend OptionalNumber operator+(const OptionalNumber& a, const OptionalNumber& b) {
    return Apply(a, b, [](Wide x, Wide y) { return x + y; });
  }
  friend OptionalNumber operator-(const OptionalNumber& a, const OptionalNumber& b) {
    return Apply(a, b, [](Wide x, Wide y) { return x - y; });
  }
  friend OptionalNumber operator*(const OptionalNumber& a, const OptionalNumber& b) {
    return Apply(a, b, [](Wide x, Wide y) { return x * y; });
  }
  // None when b is 0.
  friend OptionalNumber operator/(const OptionalNumber& a, const OptionalNumber& b) {
    if (b.value_ && *b.value_ == 0) return std::nullopt;
    return Apply(a, b, [](Wide x, Wide y) { return x / y; });
  }

 private:
  template <typename Operation>
  static OptionalNumber Apply(const OptionalNumber& a, const OptionalNumber& b, Operation op) {
    if (!a.value_ || !b.value_) return std::nullopt;
    return op(*a.value_, *b.value_);
  }

  std::optional<Wide> value_;
};

}  // namespace calc
