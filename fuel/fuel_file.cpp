// Reading and writing ".fll" fuel files.
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
//   - the name keeps at most kMaxNameBytes bytes, though the line is scanned to its CR.
// The number scanner below is shared by ReadNumbers (whole content in memory) and
// ReadFuelStream (content arriving in chunks), so both always agree.
#include "fuel/fuel_file.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <charconv>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <random>
#include <system_error>
#include <utility>

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

// A path for a message, in UTF-8 and quoted.
std::string Quoted(const std::filesystem::path& path) {
  const std::u8string text = path.u8string();
  return "\"" + std::string(reinterpret_cast<const char*>(text.data()), text.size()) + "\"";
}

// The reason of the last failed C library call, when it left one.
std::string Reason(int error) {
  if (error == 0) return "";
  return ": " + std::generic_category().message(error);
}

// A name for a temporary file beside `target` that no file has yet. It is short, so a
// target whose own name is near the file system's limit can still be written.
std::filesystem::path TempPathBeside(const std::filesystem::path& target,
                                     const std::string& failed) {
  static std::atomic<std::uint64_t> counter{0};
  static const std::uint64_t seed = [] {
    std::random_device device;
    return (static_cast<std::uint64_t>(device()) << 32) ^ device();
  }();
  for (int attempt = 0; attempt < 16; ++attempt) {
    // splitmix64 of seed, time and a counter.
    std::uint64_t x = seed ^ static_cast<std::uint64_t>(
                                 std::chrono::steady_clock::now().time_since_epoch().count());
    x += 0x9E3779B97F4A7C15ULL * (counter.fetch_add(1) + 1);
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ULL;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBULL;
    x ^= x >> 31;
    char hex[17];
    for (int k = 0; k < 16; ++k) hex[k] = "0123456789abcdef"[(x >> (4 * k)) & 0xF];
    hex[16] = '\0';
    std::filesystem::path temp = target;
    temp.replace_filename(std::string(".pyrana-") + hex + ".tmp");
    std::error_code ec;
    const auto status = std::filesystem::symlink_status(temp, ec);
    if (!std::filesystem::exists(status)) return temp;
  }
  throw FileError(failed + ": no free name for a temporary file");
}

// Removes the temporary file unless the rename has taken it.
class TempFileGuard {
 public:
  explicit TempFileGuard(std::filesystem::path path) : path_(std::move(path)) {}
  TempFileGuard(const TempFileGuard&) = delete;
  TempFileGuard& operator=(const TempFileGuard&) = delete;
  ~TempFileGuard() {
    if (armed_) {
      std::error_code ignored;
      std::filesystem::remove(path_, ignored);
    }
  }
  void Release() { armed_ = false; }

 private:
  std::filesystem::path path_;
  bool armed_ = true;
};

}  // namespace

NameLine ReadNameLine(std::string_view bytes) {
  NameLine line;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    const char c = bytes[i];
    if (c == kCr) {
      line.numbers_start = i;
      line.complete = true;
      return line;
    }
    if (IsNameByte(c) && line.name.size() < kMaxNameBytes) line.name.push_back(c);
  }
  line.numbers_start = bytes.size();
  return line;
}

std::vector<float> ReadNumbers(std::string_view bytes, std::size_t start, int count) {
  CheckCount(count);
  std::vector<float> values(static_cast<std::size_t>(count), 0.0f);
  std::size_t pos = std::min(start, bytes.size());
  for (float& value : values) {
    pos = SkipSpace(bytes, pos);
    const ScanResult scan = ScanNumber(bytes, pos, /*at_end=*/true);
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
  CheckCount(count);
  if (chunk_bytes == 0) throw std::invalid_argument("fuel: zero chunk size");
  FuelFileContent content;
  content.values.assign(static_cast<std::size_t>(count), 0.0f);

  std::string chunk(chunk_bytes, '\0');
  bool at_end = false;
  // Reads the next chunk; an empty view once the stream has ended.
  const auto next_chunk = [&]() -> std::string_view {
    if (at_end) return {};
    in.read(chunk.data(), static_cast<std::streamsize>(chunk.size()));
    if (in.bad()) throw FileError("fuel: read error");
    const auto got = static_cast<std::size_t>(in.gcount());
    if (got < chunk.size()) at_end = true;
    return std::string_view(chunk.data(), got);
  };

  // The name line, up to its CR; `pending` takes what follows it in that chunk.
  NameLine& line = content.name_line;
  std::string pending;
  std::size_t consumed = 0;
  while (!line.complete) {
    const std::string_view bytes = next_chunk();
    if (bytes.empty()) {
      line.numbers_start = consumed;
      return content;
    }
    for (std::size_t i = 0; i < bytes.size(); ++i) {
      const char c = bytes[i];
      if (c == kCr) {
        line.numbers_start = consumed + i;
        line.complete = true;
        pending.assign(bytes.substr(i));
        break;
      }
      if (IsNameByte(c) && line.name.size() < kMaxNameBytes) line.name.push_back(c);
    }
    consumed += bytes.size();
  }

  // The numbers. `pending` holds at most one unfinished number and a chunk.
  std::size_t pos = 0;
  int read = 0;
  while (read < count) {
    pos = SkipSpace(pending, pos);
    if (pos == pending.size()) {
      pending.clear();
      pos = 0;
      const std::string_view bytes = next_chunk();
      if (bytes.empty()) break;
      pending.append(bytes);
      continue;
    }
    const ScanResult scan = ScanNumber(pending, pos, at_end);
    if (scan.kind == ScanKind::kNeedMore) {
      pending.erase(0, pos);
      pos = 0;
      pending.append(next_chunk());  // at its end, the next scan sees at_end
      continue;
    }
    if (scan.kind == ScanKind::kStop) break;
    content.values[static_cast<std::size_t>(read++)] = scan.value;
    pos = scan.end;
  }
  return content;
}

FuelFileContent ReadFuelFile(const std::filesystem::path& path, int count) {
  errno = 0;
  std::ifstream in(path, std::ios::binary);
  if (!in.is_open()) {
    throw FileError("Cannot open fuel file " + Quoted(path) + Reason(errno));
  }
  try {
    return ReadFuelStream(in, count);
  } catch (const FileError&) {
    throw FileError("Cannot read fuel file " + Quoted(path) + ": read error");
  }
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

void WriteFuelFile(const std::filesystem::path& path, std::string_view name_cp1251,
                   const std::array<float, kRecordSize>& values) {
  const std::string content = FormatFuelFile(name_cp1251, values);
  const std::string failed = "Cannot write fuel file " + Quoted(path);

  const std::filesystem::path temp = TempPathBeside(path, failed);
  TempFileGuard guard(temp);
  {
    errno = 0;
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    if (!out.is_open()) throw FileError(failed + Reason(errno));
    out.write(content.data(), static_cast<std::streamsize>(content.size()));
    out.flush();
    if (!out) throw FileError(failed + Reason(errno));
    out.close();
    if (out.fail()) throw FileError(failed + Reason(errno));
  }

  // The new file takes the old one's permissions where it can; failing that, the
  // default ones do.
  std::error_code ec;
  const auto old_status = std::filesystem::status(path, ec);
  if (!ec && std::filesystem::is_regular_file(old_status)) {
    std::filesystem::permissions(temp, old_status.permissions(), ec);
  }

  std::filesystem::rename(temp, path, ec);
  if (ec) throw FileError(failed + ": " + ec.message());
  guard.Release();
}

int TypeIndexOf(float value15) {
  if (!std::isfinite(value15)) return -1;
  const float rounded = std::round(value15);
  // -2^31 and 2^31 are exact floats; every float between them is a whole int.
  if (rounded < -2147483648.0f || rounded >= 2147483648.0f) return -1;
  return static_cast<int>(rounded);
}

}  // namespace fuel
