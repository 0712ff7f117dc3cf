// The ".fll" fuel file: a name line in Windows-1251, CR LF, then fifty numbers "%.3f ".
// Reading never trusts the file; writing replaces the old file only when complete.
#pragma once

#include <array>
#include <cstddef>
#include <filesystem>
#include <istream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace fuel {

inline constexpr int kRecordSize = 50;  // values per fuel record (record rows 0..49)
inline constexpr int kTypeRow = 15;     // record row of the fuel type index
inline constexpr int kListCount = 20;   // values the fuel list reads of each file

// The longest name kept. The name line is still scanned to its CR, but bytes past this
// many are dropped, by ReadNameLine and ReadFuelStream alike (and never written).
inline constexpr std::size_t kMaxNameBytes = 4096;

// A number written with more characters than this ends the reading, as a non-number does.
inline constexpr std::size_t kMaxNumberChars = 400;

// How many bytes ReadFuelStream asks the stream for at a time.
inline constexpr std::size_t kReadChunkBytes = 4096;

// A file that cannot be opened, read or written.
class FileError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The name line of a fuel file.
struct NameLine {
  std::string name;               // Windows-1251 bytes; bytes below 32 skipped
  std::size_t numbers_start = 0;  // position of the first CR (the size when there is none)
  bool complete = false;          // the line ended with its CR
};

// Scans the whole content: the name is every byte of code 32 or more before the first CR
// (the first kMaxNameBytes of them).
NameLine ReadNameLine(std::string_view bytes);

// Reads `count` numbers from `start` as scanf's "%f" does: white space skipped, then a
// sign, digits, an optional "." fraction and an optional exponent. The first token that
// is not a number (or the end) ends the reading; values not read are 0.
// Not numbers: "inf", "nan", hexadecimal ("0x1" reads 0, then stops at the "x"), a value
// too large for a float ("1e99"; a too small one reads as 0), a number longer than
// kMaxNumberChars. A start past the end reads nothing. Throws std::invalid_argument for
// a negative count.
std::vector<float> ReadNumbers(std::string_view bytes, std::size_t start, int count);

// What a load takes from a fuel file.
struct FuelFileContent {
  NameLine name_line;
  std::vector<float> values;  // exactly `count` values
};

// Reads the name line and `count` numbers from a stream, reading no further than needed;
// the result is that of ReadNameLine and ReadNumbers on the whole content (no numbers
// when the name line has no CR). Throws FileError when the stream fails (badbit) and
// std::invalid_argument for a negative count or a zero chunk size.
FuelFileContent ReadFuelStream(std::istream& in, int count);
FuelFileContent ReadFuelStream(std::istream& in, int count, std::size_t chunk_bytes);

// Opens and reads a fuel file; throws FileError when it cannot be opened or read.
FuelFileContent ReadFuelFile(const std::filesystem::path& path, int count);

// The bytes of a fuel file: the name, CR LF, each value as "%.3f " ("." always, whatever
// the C locale). The name is written as the reader will take it back: bytes below 32 are
// left out, and so is everything past kMaxNameBytes. Throws std::invalid_argument for a
// NaN or infinite value.
std::string FormatFuelFile(std::string_view name_cp1251,
                           const std::array<float, kRecordSize>& values);

// Writes the complete file beside the target and renames it over the old one, so a
// failure leaves the old file whole. Throws FileError on any failure to write, and
// std::invalid_argument (before touching any file) for a NaN or infinite value.
void WriteFuelFile(const std::filesystem::path& path, std::string_view name_cp1251,
                   const std::array<float, kRecordSize>& values);

// Fuel type index of record value 15: rounded half away from zero to a whole number;
// -1 for a value that names no whole number in int range (NaN, huge).
int TypeIndexOf(float value15);

// Windows-1251 <-> UTF-8 for the fuel name. Characters without a Windows-1251 code
// become "?"; invalid UTF-8 bytes become "?" too.
std::string Cp1251ToUtf8(std::string_view cp1251);
std::string Utf8ToCp1251(std::string_view utf8);

}  // namespace fuel
