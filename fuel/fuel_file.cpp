// Reading and formatting ".fll" fuel files (the writing is fuel/atomic_file's).
//
// Reading follows scanf's "%f" with a few deliberate differences, all in the direction of
// stopping early rather than storing something odd:
//   - "inf", "nan" and hexadecimal numbers are not numbers here ("0x1" reads 0 and the
//     reading stops at the "x");
//   - a value too large for a float ("1e99") ends the reading instead of being stored as
//     inf; a value too small for a float ("1e-99") reads as a zero of its sign, as scanf
//     gives it;
//   - a number written with more than kMaxNumberChars characters ends the reading, so the
//     work for one number stays bounded;
//   - the name line is looked for only in the first kMaxNameBytes + 1 bytes, and the
//     numbers only in the kMaxNumbersBytes bytes from its CR, so that no file, however
//     large, is read further.
// The number scanner below is shared by ReadNumbers (whole content in memory) and
// ReadFuelChunks (content arriving in chunks, from a stream or a file), so both always
// agree.
#include "fuel/fuel_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <functional>
#include <utility>

#include "fuel/atomic_file.h"
#include "fuel/descriptor.h"

namespace fuel {
namespace {

constexpr char kCr = '\r';

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The white space that scanf skips before a number.
bool IsSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// Name bytes: everything of code 32 or more, control bytes dropped.
bool IsNameByte(char c) { return static_cast<unsigned char>(c) >= 32; }

// Scans `bytes`, which stand at `offset` in the file, for the CR that ends the name line,
// adding the name bytes before it that lie within the first kMaxNameBytes of the file.
// Returns the CR's index in `bytes`, having marked `line` complete, or npos.
std::size_t ScanNameLine(std::string_view bytes, std::size_t offset, NameLine& line) {
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    const char c = bytes[i];
    if (c == kCr) {
      line.numbers_start = offset + i;
      line.complete = true;
      return i;
    }
    if (IsNameByte(c) && offset + i < kMaxNameBytes) line.name.push_back(c);
  }
  return std::string_view::npos;
}

enum class ScanKind {
  kNumber,    // a number; value and end are set
  kStop,      // not a number (or too long, or too large): the reading ends here
  kNeedMore,  // the bytes end inside what may still become a number
};

struct ScanResult {
  ScanKind kind = ScanKind::kStop;
  std::size_t end = 0;
  float value = 0.0f;
};

// Whether a scanned number (sign, digits, point, exponent; not all digits zero) is at
// least 1 in magnitude. from_chars reports overflow and underflow alike; this tells them
// apart: the power of ten of the leading nonzero digit plus the exponent is not negative.
bool IsLarge(std::string_view token) {
  std::size_t i = 0;
  if (token[i] == '-') ++i;
  long lead = 0;  // power of ten of the leading nonzero digit, before the exponent
  bool found = false;
  bool after_point = false;
  for (; i < token.size() && token[i] != 'e' && token[i] != 'E'; ++i) {
    const char c = token[i];
    if (c == '.') {
      if (found) break;
      after_point = true;
    } else if (after_point) {
      --lead;
      if (c != '0') {
        found = true;
        break;
      }
    } else if (found) {
      ++lead;
    } else {
      found = c != '0';
    }
  }
  if (!found) return false;  // all zeros: from_chars reports no range error for them
  // Skip the rest of the mantissa.
  while (i < token.size() && token[i] != 'e' && token[i] != 'E') ++i;
  // Exponent, saturated: a token holds at most kMaxNumberChars digits.
  long exponent = 0;
  if (i < token.size()) {
    ++i;
    bool negative = false;
    if (token[i] == '+' || token[i] == '-') negative = token[i++] == '-';
    for (; i < token.size(); ++i) {
      if (exponent < 1'000'000) exponent = exponent * 10 + (token[i] - '0');
    }
    if (negative) exponent = -exponent;
  }
  return lead + exponent >= 0;
}

// Scans one number at `pos` (white space already skipped). `at_end` tells that no more
// bytes follow `bytes`; without it, running out of bytes where the number might go on
// gives kNeedMore, and the caller retries with more bytes from the same `pos`.
ScanResult ScanNumber(std::string_view bytes, std::size_t pos, bool at_end) {
  const std::size_t size = bytes.size();
  ScanResult stop;
  ScanResult need_more;
  need_more.kind = ScanKind::kNeedMore;
  const auto too_long = [pos](std::size_t end) { return end - pos > kMaxNumberChars; };

  std::size_t i = pos;
  if (i == size) return at_end ? stop : need_more;
  if (bytes[i] == '+' || bytes[i] == '-') ++i;
  std::size_t mantissa_digits = 0;
  for (; i < size && IsDigit(bytes[i]); ++i) {
    ++mantissa_digits;
    if (too_long(i + 1)) return stop;
  }
  if (i == size && !at_end) return need_more;
  if (i < size && bytes[i] == '.') {
    ++i;
    for (; i < size && IsDigit(bytes[i]); ++i) {
      ++mantissa_digits;
      if (too_long(i + 1)) return stop;
    }
    if (i == size && !at_end) return need_more;
  }
  if (mantissa_digits == 0) return stop;

  // The exponent counts only when a digit follows "e" or "e" and its sign.
  if (i < size && (bytes[i] == 'e' || bytes[i] == 'E')) {
    std::size_t j = i + 1;
    if (j == size && !at_end) return need_more;
    if (j < size && (bytes[j] == '+' || bytes[j] == '-')) {
      ++j;
      if (j == size && !at_end) return need_more;
    }
    if (j < size && IsDigit(bytes[j])) {
      for (; j < size && IsDigit(bytes[j]); ++j) {
        if (too_long(j + 1)) return stop;
      }
      if (j == size && !at_end) return need_more;
      i = j;
    }
  }
  if (too_long(i)) return stop;

  // from_chars takes no '+', and rounds the decimal straight to the nearest float (no
  // detour through double, which could round twice).
  std::string_view token = bytes.substr(pos, i - pos);
  if (token.front() == '+') token.remove_prefix(1);
  float value = 0.0f;
  const auto [ptr, ec] =
      std::from_chars(token.data(), token.data() + token.size(), value, std::chars_format::general);
  if (ptr != token.data() + token.size()) return stop;
  if (ec == std::errc::result_out_of_range) {
    if (IsLarge(token)) return stop;
    value = token.front() == '-' ? -0.0f : 0.0f;
  } else if (ec != std::errc()) {
    return stop;
  }
  ScanResult number;
  number.kind = ScanKind::kNumber;
  number.end = i;
  number.value = value;
  return number;
}

std::size_t SkipSpace(std::string_view bytes, std::size_t pos) {
  while (pos < bytes.size() && IsSpace(bytes[pos])) ++pos;
  return pos;
}

void CheckCount(int count) {
  if (count < 0) throw std::invalid_argument("fuel: negative count of values to read");
}

// Hands out the next bytes of the content, at most `size` of them; 0 at its end.
using ChunkReader = std::function<std::size_t(char* buffer, std::size_t size)>;

// The reading of ReadFuelStream and ReadFuelFile: the name line within its bound, then
// the numbers within their window, asking for no byte past either.
FuelFileContent ReadFuelChunks(const ChunkReader& read_some, int count, std::size_t chunk_bytes) {
  CheckCount(count);
  if (chunk_bytes == 0) throw std::invalid_argument("fuel: zero chunk size");
  FuelFileContent content;
  content.values.assign(static_cast<std::size_t>(count), 0.0f);

  std::string chunk(chunk_bytes, '\0');
  bool at_end = false;
  // Reads the next chunk of at most `limit` bytes; an empty view once the content ended.
  const auto next_chunk = [&](std::size_t limit) -> std::string_view {
    if (at_end || limit == 0) return {};
    const std::size_t got = read_some(chunk.data(), std::min(chunk.size(), limit));
    if (got == 0) at_end = true;
    return std::string_view(chunk.data(), got);
  };

  // The name line, up to its CR; `numbers` takes the CR and what follows it in that chunk.
  NameLine& line = content.name_line;
  std::string numbers;
  std::size_t scanned = 0;
  while (!line.complete) {
    const std::string_view bytes = next_chunk(kMaxNameBytes + 1 - scanned);
    if (bytes.empty()) {
      line.numbers_start = scanned;
      return content;
    }
    const std::size_t cr = ScanNameLine(bytes, scanned, line);
    if (cr != std::string_view::npos) numbers.assign(bytes.substr(cr));
    scanned += bytes.size();
  }

  // The numbers, from the CR on. One byte past the window tells that the file goes on, so
  // that a number the window cuts is not taken for one the file ends with.
  const std::size_t cap = kMaxNumbersBytes + 1;
  std::size_t pos = 0;
  int read = 0;
  while (read < count) {
    const bool cut = numbers.size() > kMaxNumbersBytes;
    const std::string_view window(numbers.data(), std::min(numbers.size(), kMaxNumbersBytes));
    pos = SkipSpace(window, pos);
    ScanResult scan;
    if (pos < window.size()) scan = ScanNumber(window, pos, at_end && !cut);
    if (pos == window.size() || scan.kind == ScanKind::kNeedMore) {
      if (at_end || cut) break;
      numbers.append(next_chunk(cap - numbers.size()));  // at its end, the next scan sees at_end
      continue;
    }
    if (scan.kind == ScanKind::kStop) break;
    content.values[static_cast<std::size_t>(read++)] = scan.value;
    pos = scan.end;
  }
  content.numbers_read = read;
  return content;
}

}  // namespace

NameLine ReadNameLine(std::string_view bytes) {
  NameLine line;
  const std::size_t scanned = std::min(bytes.size(), kMaxNameBytes + 1);
  if (ScanNameLine(bytes.substr(0, scanned), 0, line) == std::string_view::npos) {
    line.numbers_start = scanned;
  }
  return line;
}

std::vector<float> ReadNumbers(std::string_view bytes, std::size_t start, int count) {
  CheckCount(count);
  std::vector<float> values(static_cast<std::size_t>(count), 0.0f);
  const std::string_view rest = bytes.substr(std::min(start, bytes.size()));
  const bool cut = rest.size() > kMaxNumbersBytes;
  const std::string_view window = rest.substr(0, kMaxNumbersBytes);
  std::size_t pos = 0;
  for (float& value : values) {
    pos = SkipSpace(window, pos);
    const ScanResult scan = ScanNumber(window, pos, /*at_end=*/!cut);
    if (scan.kind != ScanKind::kNumber) break;
    value = scan.value;
    pos = scan.end;
  }
  return values;
}

FuelFileContent ReadFuelStream(std::istream& in, int count) {
  return ReadFuelStream(in, count, kReadChunkBytes);
}

FuelFileContent ReadFuelStream(std::istream& in, int count, std::size_t chunk_bytes) {
  return ReadFuelChunks(
      [&in](char* buffer, std::size_t size) {
        in.read(buffer, static_cast<std::streamsize>(size));
        if (in.bad()) throw FileError("fuel: read error");
        return static_cast<std::size_t>(in.gcount());
      },
      count, chunk_bytes);
}

FuelFileContent ReadFuelFile(const std::filesystem::path& path, int count) {
  const std::string failed = "Cannot open fuel file";
  // The type is known before the file is opened, so a FIFO or a device is never opened
  // for reading; the open itself does not wait, and what it opened is checked again.
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) throw FileError(failed, path, errno);
  if (!S_ISREG(st.st_mode)) throw FileError(failed, path, KindOfMode(st.st_mode));
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) throw FileError(failed, path, errno);
  Descriptor file(fd);
  if (::fstat(file.get(), &st) != 0) throw FileError(failed, path, errno);
  if (!S_ISREG(st.st_mode)) throw FileError(failed, path, KindOfMode(st.st_mode));
  return ReadFuelChunks(
      [&file, &path](char* buffer, std::size_t size) {
        for (;;) {
          const ssize_t got = ::read(file.get(), buffer, size);
          if (got >= 0) return static_cast<std::size_t>(got);
          if (errno != EINTR) throw FileError("Cannot read fuel file", path, errno);
        }
      },
      count, kReadChunkBytes);
}

void WriteFuelFile(const std::filesystem::path& path, std::string_view name_cp1251,
                   const std::array<float, kRecordSize>& values) {
  WriteFileAtomically(path, FormatFuelFile(name_cp1251, values));
}

std::string FormatFuelFile(std::string_view name_cp1251,
                           const std::array<float, kRecordSize>& values) {
  std::string out;
  out.reserve(std::min(name_cp1251.size(), kMaxNameBytes) + 2 + kRecordSize * 8);
  std::size_t name_bytes = 0;
  for (const char c : name_cp1251) {
    if (!IsNameByte(c)) continue;
    if (name_bytes++ == kMaxNameBytes) break;
    out.push_back(c);
  }
  out += "\r\n";
  for (const float value : values) {
    if (!std::isfinite(value)) {
      throw std::invalid_argument("fuel: a value to write is not a finite number");
    }
    // Fixed notation, three decimals, "." as the point: at most 39 digits for a float.
    char text[64];
    const auto [end, ec] = std::to_chars(text, text + sizeof text, static_cast<double>(value),
                                         std::chars_format::fixed, 3);
    if (ec != std::errc()) throw std::invalid_argument("fuel: a value cannot be formatted");
    out.append(text, end);
    out.push_back(' ');
  }
  return out;
}

int TypeIndexOf(float value15) {
  if (!std::isfinite(value15)) return -1;
  const float rounded = std::round(value15);
  // -2^31 and 2^31 are exact floats; every float between them is a whole int.
  if (rounded < -2147483648.0f || rounded >= 2147483648.0f) return -1;
  return static_cast<int>(rounded);
}

}  // namespace fuel
