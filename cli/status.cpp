// Errors and warnings of a calculator run.
#include "cli/status.h"

namespace cli {

void Diagnostics::Line(const std::string& text) {
  std::string line = "pyrana-calc: " + text;
  // One line each, whatever a path or a reason holds.
  for (char& c : line) {
    if (c == '\n' || c == '\r') c = ' ';
  }
  err_ << line << '\n';
}

void Diagnostics::Error(const std::string& where, const std::string& reason) {
  error_ = true;
  Line(where + ": " + reason);
}

void Diagnostics::Warning(const std::string& where, const std::string& what) {
  warning_ = true;
  Line(where + ": " + what);
}

void Diagnostics::Warning(const std::string& what) {
  warning_ = true;
  Line(what);
}

void Diagnostics::Append(const Diagnostics& other, const std::string& printed) {
  error_ = error_ || other.error_;
  warning_ = warning_ || other.warning_;
  err_ << printed;
}

int Diagnostics::ExitStatus() const {
  if (error_) return kExitUnreadable;
  return warning_ ? kExitIncomplete : kExitComplete;
}

}  // namespace cli
