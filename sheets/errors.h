// Failures of the calculations: a text that is not a number, and a floating-point
// operation that would give an infinity, a NaN or a division by zero.
#pragma once

#include <stdexcept>
#include <string>

namespace sheets {

// Base of every calculation failure; what() is the text the user sees.
class Error : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
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

}  // namespace sheets
