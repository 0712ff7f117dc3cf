// The ".fll" fuel file: a name line in Windows-1251, CR LF, then fifty numbers "%.3f ".
// Reading never trusts the file; writing replaces the old file only when complete.
#pragma once

#include <array>
#include <cstddef>
#include <filesystem>
#include <istream>
#include <string>
#include <string_view>
#include <vector>

#include "fuel/file_error.h"

namespace fuel {

inline constexpr int kRecordSize = 50;  // values per fuel record (record rows 0..49)
inline constexpr int kTypeRow = 15;     // record row of the fuel type index

// Record rows that the calculations read by name.
namespace record_row {
inline constexpr int kMoisture = 0;          // W, %
inline constexpr int kAsh = 1;               // A, %
inline constexpr int kCarbon = 2;            // C, %, then H, N, S, O in rows 3..6
inline constexpr int kHydrogen = 3;          // H, %
inline constexpr int kHeatingValue = 8;      // Q of a solid or liquid fuel, kJ/kg
inline constexpr int kGasHeatingValue = 12;  // Q of a gas, kJ/m3
inline constexpr int kGasDensity = 13;       // ρ of a gas, kg/m3
inline constexpr int kType = kTypeRow;
inline constexpr int kSlagging = 24;  // 1 when the ash is slagging
}  // namespace record_row
inline constexpr int kListCount = 20;  // values the fuel list reads of each file

// The name line ends at a CR among the first kMaxNameBytes + 1 bytes of a file: the name
// is at most this long. A file without such a CR has no name line (and no numbers), so
// no file is read further than this to find one.
inline constexpr std::size_t kMaxNameBytes = 4096;

// The numbers are read from the CR on, within this many bytes; a number that the window
// cuts is not read.
inline constexpr std::size_t kMaxNumbersBytes = 65536;

// A number written with more characters than this ends the reading, as a non-number does.
inline constexpr std::size_t kMaxNumberChars = 400;

// How many bytes ReadFuelStream asks the stream for at a time.
inline constexpr std::size_t kReadChunkBytes = 4096;

// The name line of a fuel file.
struct NameLine {
  std::string name;  // Windows-1251 bytes; bytes below 32 skipped
  // Position of the CR; without one, how many bytes were scanned for it (the size, at
  // most kMaxNameBytes + 1).
  std::size_t numbers_start = 0;
  bool complete = false;  // the line ended with its CR: the file has a name line
};

// Scans the first kMaxNameBytes + 1 bytes for the first CR: the name is every byte of
// code 32 or more before it (of the first kMaxNameBytes bytes when there is none).
NameLine ReadNameLine(std::string_view bytes);

// Reads `count` numbers from `start` as scanf's "%f" does: white space skipped, then a
// sign, digits, an optional "." fraction and an optional exponent. The first token that
// is not a number (or the end) ends the reading; values not read are 0.
// Not numbers: "inf", "nan", hexadecimal ("0x1" reads 0, then stops at the "x"), a value
// too large for a float ("1e99"; a too small one reads as 0), a number longer than
// kMaxNumberChars. Only the kMaxNumbersBytes bytes from `start` are read; a number that
// runs past them is not read. A start past the end reads nothing. Throws
// std::invalid_argument for a negative count.
std::vector<float> ReadNumbers(std::string_view bytes, std::size_t start, int count);

// What a load takes from a fuel file.
struct FuelFileContent {
  NameLine name_line;
  std::vector<float> values;  // exactly `count` values
  int numbers_read = 0;       // how many of them the file gave; the rest are 0

  // Whether the file gave a whole fuel: its name line and every one of the values.
  bool Complete() const {
    return name_line.complete && numbers_read == static_cast<int>(values.size());
  }
};

// Reads the name line and `count` numbers from a stream, reading no further than needed
// and never more than kMaxNameBytes + kMaxNumbersBytes + 1 bytes; the result is that of
// ReadNameLine and ReadNumbers on the whole content (no numbers when the file has no
// name line). Throws FileError when the stream fails (badbit) and std::invalid_argument
// for a negative count or a zero chunk size.
FuelFileContent ReadFuelStream(std::istream& in, int count);
FuelFileContent ReadFuelStream(std::istream& in, int count, std::size_t chunk_bytes);

// Opens and reads a fuel file as ReadFuelStream does. Only a regular file is read (a
// symbolic link counts as what it points to): a FIFO, a device or a directory is refused
// without being opened for reading. Throws FileError, with the operating system's reason,
// when the file cannot be opened or read.
FuelFileContent ReadFuelFile(const std::filesystem::path& path, int count);

// The bytes of a fuel file: the name, CR LF, each value as "%.3f " ("." always, whatever
// the C locale). The name is written as the reader will take it back: bytes below 32 are
// left out, and so is everything past kMaxNameBytes. Throws std::invalid_argument for a
// NaN or infinite value.
std::string FormatFuelFile(std::string_view name_cp1251,
                           const std::array<float, kRecordSize>& values);

// Writes the bytes of FormatFuelFile through WriteFileAtomically (fuel/atomic_file.h), so
// a failure leaves the old file whole. Throws FileError, with the operating system's
// reason, on any failure to write, and std::invalid_argument (before touching any file)
// for a NaN or infinite value.
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
