// How a run of pyrana-calc went: its exit statuses, and the errors and warnings it prints
// to stderr as it goes, one line each: "pyrana-calc: WHERE: WHAT".
#pragma once

#include <ostream>
#include <string>

namespace cli {

inline constexpr int kExitComplete = 0;    // every requested fuel was read and computed
inline constexpr int kExitUnreadable = 1;  // a file or folder could not be read
inline constexpr int kExitUsage = 2;       // bad options; nothing ran
inline constexpr int kExitIncomplete = 3;  // the output is printed but incomplete

class Diagnostics {
 public:
  explicit Diagnostics(std::ostream& err) : err_(err) {}

  // A file or folder that could not be read; `where` is its path as given.
  void Error(const std::string& where, const std::string& reason);
  // Output that is printed but incomplete, and what is missing.
  void Warning(const std::string& where, const std::string& what);
  // A warning that names no place (an option).
  void Warning(const std::string& what);

  // Prints `printed`, the lines that `other` wrote to its own stream, and takes over its
  // errors and warnings: work done apart, told in its place.
  void Append(const Diagnostics& other, const std::string& printed);

  // kExitUnreadable after an error, else kExitIncomplete after a warning, else
  // kExitComplete.
  int ExitStatus() const;

 private:
  void Line(const std::string& text);

  std::ostream& err_;
  bool error_ = false;
  bool warning_ = false;
};

}  // namespace cli
