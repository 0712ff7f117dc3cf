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
#include <atomic>
#include <cerrno>
#include <charconv>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <functional>
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

namespace fs = std::filesystem;

// A path for a message, in UTF-8 and quoted.
std::string Quoted(const fs::path& path) {
  const std::u8string text = path.u8string();
  return "\"" + std::string(reinterpret_cast<const char*>(text.data()), text.size()) + "\"";
}

// The operating system's text for an error number.
std::string Reason(int error) { return std::generic_category().message(error); }

// Why a file of this type is not read as a fuel file.
std::string NotRegularReason(mode_t mode) {
  if (S_ISDIR(mode)) return Reason(EISDIR);
  if (S_ISFIFO(mode)) return "not a regular file (a FIFO)";
  if (S_ISCHR(mode) || S_ISBLK(mode)) return "not a regular file (a device)";
  if (S_ISSOCK(mode)) return "not a regular file (a socket)";
  return "not a regular file";
}

// Closes a file descriptor when it goes out of scope.
class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  ~Descriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  int get() const { return fd_; }
  // Closes now; returns the errno of a failed close, 0 when it succeeded.
  int Close() {
    const int result = ::close(fd_);
    fd_ = -1;
    return result == 0 ? 0 : errno;
  }

 private:
  int fd_;
};

// A name for a temporary file beside `target` that no file has yet. It is short, so a
// target whose own name is near the file system's limit can still be written.
fs::path TempPathBeside(const fs::path& target, const fs::path& path, const std::string& failed) {
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
    fs::path temp = target;
    temp.replace_filename(std::string(".pyrana-") + hex + ".tmp");
    std::error_code ec;
    const auto status = fs::symlink_status(temp, ec);
    if (!fs::exists(status)) return temp;
  }
  throw FileError(failed, path, "no free name for a temporary file");
}

// Removes the temporary file unless the rename has taken it.
class TempFileGuard {
 public:
  explicit TempFileGuard(fs::path path) : path_(std::move(path)) {}
  TempFileGuard(const TempFileGuard&) = delete;
  TempFileGuard& operator=(const TempFileGuard&) = delete;
  ~TempFileGuard() {
    if (armed_) {
      std::error_code ignored;
      fs::remove(path_, ignored);
    }
  }
  void Release() { armed_ = false; }

 private:
  fs::path path_;
  bool armed_ = true;
};

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

// The file a save replaces: `path`, or what the chain of symbolic links from it names.
fs::path ResolveLinks(const fs::path& path, const std::string& failed) {
  fs::path target = path;
  for (int hops = 0;; ++hops) {
    struct stat st {};
    if (::lstat(target.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return target;
    if (hops == 40) throw FileError(failed, path, Reason(ELOOP));
    std::error_code ec;
    const fs::path link = fs::read_symlink(target, ec);
    if (ec) throw FileError(failed, path, ec.message());
    target = link.is_absolute() ? link : target.parent_path() / link;
  }
}

// Writes all of `content`; returns 0 or the errno of the failed write.
int WriteAll(int fd, std::string_view content) {
  while (!content.empty()) {
    const ssize_t written = ::write(fd, content.data(), content.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      return errno;
    }
    content.remove_prefix(static_cast<std::size_t>(written));
  }
  return 0;
}

// Flushes a folder's entries (a rename just made) to the disk; file systems that cannot
// are left as they are, since the file itself is already written.
void SyncFolder(const fs::path& folder) {
  const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  Descriptor dir(fd);
  ::fsync(dir.get());
}

}  // namespace

FileError::FileError(const std::string& action, std::filesystem::path path, std::string reason)
    : std::runtime_error(action + " " + Quoted(path) + ": " + reason),
      path_(std::move(path)),
      reason_(std::move(reason)) {}

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
  if (::stat(path.c_str(), &st) != 0) throw FileError(failed, path, Reason(errno));
  if (!S_ISREG(st.st_mode)) throw FileError(failed, path, NotRegularReason(st.st_mode));
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) throw FileError(failed, path, Reason(errno));
  Descriptor file(fd);
  if (::fstat(file.get(), &st) != 0) throw FileError(failed, path, Reason(errno));
  if (!S_ISREG(st.st_mode)) throw FileError(failed, path, NotRegularReason(st.st_mode));
  return ReadFuelChunks(
      [&file, &path](char* buffer, std::size_t size) {
        for (;;) {
          const ssize_t got = ::read(file.get(), buffer, size);
          if (got >= 0) return static_cast<std::size_t>(got);
          if (errno != EINTR) throw FileError("Cannot read fuel file", path, Reason(errno));
        }
      },
      count, kReadChunkBytes);
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
  const std::string failed = "Cannot write fuel file";
  const fs::path target = ResolveLinks(path, failed);

  // An existing file must be one that this user may write; root may write any file, so
  // for root a file without any write permission counts as read-only.
  struct stat old {};
  const bool exists = ::stat(target.c_str(), &old) == 0;
  if (exists) {
    if (!S_ISREG(old.st_mode)) throw FileError(failed, path, NotRegularReason(old.st_mode));
    if (::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0) {
      throw FileError(failed, path, Reason(errno));
    }
    if (::geteuid() == 0 && (old.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) {
      throw FileError(failed, path, Reason(EACCES));
    }
  }

  const fs::path temp = TempPathBeside(target, path, failed);
  const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
  if (fd < 0) throw FileError(failed, path, Reason(errno));
  TempFileGuard guard(temp);
  Descriptor file(fd);
  if (exists) {
    // The new file takes the old one's permissions (and, for root, its owner) where it
    // can; failing that, the defaults stay, and the file is still whole.
    if (::fchmod(file.get(), old.st_mode & 07777) != 0 ||
        (::geteuid() == 0 && ::fchown(file.get(), old.st_uid, old.st_gid) != 0)) {
    }
  }
  if (const int error = WriteAll(file.get(), content)) throw FileError(failed, path, Reason(error));
  if (::fsync(file.get()) != 0) throw FileError(failed, path, Reason(errno));
  if (const int error = file.Close()) throw FileError(failed, path, Reason(error));
  if (::rename(temp.c_str(), target.c_str()) != 0) throw FileError(failed, path, Reason(errno));
  guard.Release();
  SyncFolder(target.parent_path());
  RemoveStaleTemporaries(target.parent_path().empty() ? fs::path(".") : target.parent_path());
}

bool IsSaveTemporaryName(std::string_view file_name) {
  constexpr std::string_view kPrefix = ".pyrana-";
  constexpr std::string_view kSuffix = ".tmp";
  constexpr std::size_t kDigits = 16;
  if (file_name.size() != kPrefix.size() + kDigits + kSuffix.size()) return false;
  if (!file_name.starts_with(kPrefix) || !file_name.ends_with(kSuffix)) return false;
  const std::string_view digits = file_name.substr(kPrefix.size(), kDigits);
  return std::all_of(digits.begin(), digits.end(),
                     [](char c) { return IsDigit(c) || (c >= 'a' && c <= 'f'); });
}

int RemoveStaleTemporaries(const std::filesystem::path& folder) noexcept {
  try {
    std::error_code ec;
    std::vector<fs::path> stale;
    const auto now = fs::file_time_type::clock::now();
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
      if (!IsSaveTemporaryName(it->path().filename().string())) continue;
      std::error_code entry_ec;
      if (!fs::is_regular_file(it->symlink_status(entry_ec))) continue;
      const auto written = it->last_write_time(entry_ec);
      if (!entry_ec && now - written >= kStaleTemporaryAge) stale.push_back(it->path());
    }
    int removed = 0;
    for (const fs::path& temp : stale) removed += fs::remove(temp, ec) ? 1 : 0;
    return removed;
  } catch (const std::exception&) {
    return 0;  // out of memory while listing: the temporaries wait for the next time
  }
}

int TypeIndexOf(float value15) {
  if (!std::isfinite(value15)) return -1;
  const float rounded = std::round(value15);
  // -2^31 and 2^31 are exact floats; every float between them is a whole int.
  if (rounded < -2147483648.0f || rounded >= 2147483648.0f) return -1;
  return static_cast<int>(rounded);
}

}  // namespace fuel
