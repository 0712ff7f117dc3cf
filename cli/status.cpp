// Errors and warnings of a calculator run.
#include "cli/status.h"

#include "cli/terminal_text.h"

namespace cli {

void Diagnostics::Line(const std::string& text) {
  // One line each, whatever a path, a value or a reason holds.
  err_ << "pyrana-calc: " << TerminalText(text) << '\n';
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
