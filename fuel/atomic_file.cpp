// Writing a file whole or not at all: temporary beside the target, rename over it.
#include "fuel/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdint>
#include <random>
#include <string>
#include <system_error>
#include <utility>
#include <vector>

#include "fuel/descriptor.h"

namespace fuel {

namespace {

namespace fs = std::filesystem;

const std::string kFailed = "Cannot write file";

std::atomic<WriteCall> g_write_call{nullptr};

// A name for a temporary file beside `target` that no file has yet. It is short, so a
// target whose own name is near the file system's limit can still be written.
fs::path TempPathBeside(const fs::path& target, const fs::path& path) {
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
  throw FileError(kFailed, path, "no free name for a temporary file");
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

// The file a save replaces: `path`, or what the chain of symbolic links from it names.
fs::path ResolveLinks(const fs::path& path) {
  fs::path target = path;
  for (int hops = 0;; ++hops) {
    struct stat st {};
    if (::lstat(target.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return target;
    if (hops == 40) throw FileError(kFailed, path, ELOOP);
    std::error_code ec;
    const fs::path link = fs::read_symlink(target, ec);
    if (ec) throw FileError(kFailed, path, ec.value());
    target = link.is_absolute() ? link : target.parent_path() / link;
  }
}

// Writes all of `content`, however few bytes each call takes; returns 0 or the errno of
// the failed write.
int WriteAll(int fd, std::string_view content) {
  const WriteCall call = g_write_call.load();
  while (!content.empty()) {
    const ssize_t written = call != nullptr ? call(fd, content.data(), content.size())
                                            : ::write(fd, content.data(), content.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      return errno;
    }
    // A write that takes nothing and names no error would loop for ever: the disk is full.
    if (written == 0) return ENOSPC;
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

bool IsHexDigit(char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'); }

}  // namespace

WriteCall SetWriteCallForTesting(WriteCall call) { return g_write_call.exchange(call); }

void WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes) {
  const fs::path target = ResolveLinks(path);

  // An existing file must be one that this user may write; root may write any file, so
  // for root a file without any write permission counts as read-only.
  struct stat old {};
  const bool exists = ::stat(target.c_str(), &old) == 0;
  if (exists) {
    if (!S_ISREG(old.st_mode)) throw FileError(kFailed, path, KindOfMode(old.st_mode));
    if (::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0) {
      throw FileError(kFailed, path, errno);
    }
    if (::geteuid() == 0 && (old.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) {
      throw FileError(kFailed, path, EACCES);
    }
  }

  const fs::path temp = TempPathBeside(target, path);
  const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
  if (fd < 0) throw FileError(kFailed, path, errno);
  TempFileGuard guard(temp);
  Descriptor file(fd);
  if (exists) {
    // The new file takes the old one's permissions (and, for root, its owner) where it
    // can; failing that, the defaults stay, and the file is still whole.
    if (::fchmod(file.get(), old.st_mode & 07777) != 0 ||
        (::geteuid() == 0 && ::fchown(file.get(), old.st_uid, old.st_gid) != 0)) {
    }
  }
  if (const int error = WriteAll(file.get(), bytes)) throw FileError(kFailed, path, error);
  if (::fsync(file.get()) != 0) throw FileError(kFailed, path, errno);
  if (const int error = file.Close()) throw FileError(kFailed, path, error);
  if (::rename(temp.c_str(), target.c_str()) != 0) throw FileError(kFailed, path, errno);
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
  return std::all_of(digits.begin(), digits.end(), IsHexDigit);
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

}  // namespace fuel
