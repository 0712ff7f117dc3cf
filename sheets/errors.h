// Failures of the calculations: a text that is not a number, and a floating-point
// operation that would give an infinity, a NaN or a division by zero.
#pragma once

#include <exception>
#include <stdexcept>
#include <string>

namespace sheets {

// Base of every calculation failure; what() is the text the user sees, where() the
// routine that failed and the routines and cell it failed in, innermost first
// ("TextToSingle in Sheet::Number, cell (1, 3)"), for logs and tests.
class Error : public std::runtime_error {
 public:
  explicit Error(const std::string& message, std::string where = {})
      : std::runtime_error(message), where_(std::move(where)) {}

  const std::string& where() const { return where_; }
  // Adds the routine (and cell) the failure passes through on its way out.
  void Within(const std::string& outer) { where_ += where_.empty() ? outer : " in " + outer; }

 private:
  std::string where_;
};

// A text that does not read as a number: "'abc' is not a valid floating point value".
class ConvertError : public Error {
 public:
  using Error::Error;
};

// Overflow, infinity, NaN or a division by zero.
class MathError : public Error {
 public:
  using Error::Error;
};

// The origin of a calculation failure, empty for any other exception.
inline std::string ErrorOrigin(const std::exception& failure) {
  const auto* error = dynamic_cast<const Error*>(&failure);
  return error != nullptr ? error->where() : std::string();
}

// "cell (col, row)" for an origin.
inline std::string CellName(int col, int row) {
  return "cell (" + std::to_string(col) + ", " + std::to_string(row) + ")";
}

}  // namespace sheets
