// Saving a file: whole or not at all (a disk that fills part way leaves the old file), through
// symbolic links, never over a read-only file, flushed to the disk before the rename and the
// folder after it, and no temporary left behind for good.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <climits>
#include <filesystem>
#include <string>
#include <vector>

#include "fuel/atomic_file.h"
#include "fuel/fuel_file.h"
#include "support/temp_dir.h"

// The fuel test program is linked with --wrap=fsync and --wrap=rename: the fuel library's
// calls come here, are recorded while a test listens, and are then made.
extern "C" int __real_fsync(int fd);
extern "C" int __real_rename(const char* from, const char* to);

namespace {

std::vector<std::string>* g_calls = nullptr;

std::string PathOf(int fd) {
  char buffer[PATH_MAX];
  const ssize_t size =
      readlink(("/proc/self/fd/" + std::to_string(fd)).c_str(), buffer, sizeof buffer);
  return size < 0 ? "?" : std::string(buffer, static_cast<std::size_t>(size));
}

}  // namespace

extern "C" int __wrap_fsync(int fd) {
  if (g_calls != nullptr) g_calls->push_back("fsync " + PathOf(fd));
  return __real_fsync(fd);
}

extern "C" int __wrap_rename(const char* from, const char* to) {
  if (g_calls != nullptr) g_calls->push_back(std::string("rename ") + from + " " + to);
  return __real_rename(from, to);
}

namespace {

// A disk that takes `g_room` more bytes, at most `g_chunk` of them per call, and then
// fails as a full disk does.
std::size_t g_room = 0;
std::size_t g_chunk = 0;

ssize_t FillingDiskWrite(int fd, const void* buffer, std::size_t size) {
  if (g_room == 0) {
    errno = ENOSPC;
    return -1;
  }
  const ssize_t written = ::write(fd, buffer, std::min({size, g_room, g_chunk}));
  if (written > 0) g_room -= static_cast<std::size_t>(written);
  return written;
}

// Puts the filling disk in for the writer while in scope.
class FillingDisk {
 public:
  FillingDisk() : before_(fuel::SetWriteCallForTesting(FillingDiskWrite)) {}
  ~FillingDisk() { fuel::SetWriteCallForTesting(before_); }
  FillingDisk(const FillingDisk&) = delete;
  FillingDisk& operator=(const FillingDisk&) = delete;

 private:
  fuel::WriteCall before_;
};

}  // namespace

namespace fuel {
namespace {

namespace fs = std::filesystem;
using Record = std::array<float, kRecordSize>;

class FuelSaveTest : public ::testing::Test {
 protected:
  test::TempDir temp_;
  const fs::path& dir_ = temp_.path();
};

TEST_F(FuelSaveTest, ADiskThatFillsPartWayLeavesTheOldFileWholeAndSaysWhy) {
  const std::string path = temp_.Write("a.fll", "old\r\n1 2 3");
  const std::string new_bytes(3 * 4096 + 5, 'n');
  const struct {
    std::size_t room, chunk;
  } full_disks[] = {
      {0, 4096},                     // no room at all
      {new_bytes.size() - 1, 4096},  // all but the last byte
      {5000, 7},                     // short writes, then full
  };
  FillingDisk disk;
  for (const auto& full : full_disks) {
    g_room = full.room;
    g_chunk = full.chunk;
    try {
      WriteFileAtomically(path, new_bytes);
      ADD_FAILURE() << "a write onto a full disk succeeded, room " << full.room;
    } catch (const FileError& e) {
      EXPECT_EQ(e.path(), path);
      EXPECT_EQ(e.reason(), "No space left on device");
    }
    EXPECT_EQ(test::ReadBytes(path), "old\r\n1 2 3") << "room " << full.room;
    EXPECT_EQ(temp_.Names(), std::vector<std::string>{"a.fll"}) << "room " << full.room;
  }
  // Short writes that all find room make the whole file.
  g_room = new_bytes.size();
  WriteFileAtomically(path, new_bytes);
  EXPECT_EQ(test::ReadBytes(path), new_bytes);
}

// A link is written through (to a file not yet there, too); a loop, a read-only file or a
// link to one is refused and left as it is; a new file keeps the old one's permissions.
TEST_F(FuelSaveTest, SavesThroughLinksNeverOverAReadOnlyFileAndKeepsPermissions) {
  temp_.Write("real.fll", "old\r\n1 ");
  fs::create_directory(dir_ / "sub");
  fs::create_symlink("real.fll", dir_ / "link.fll");
  fs::create_symlink("../link.fll", dir_ / "sub" / "chain.fll");
  fs::create_symlink("new.fll", dir_ / "dangling.fll");
  for (const auto& [written, target] : {std::pair<std::string, std::string>{"link.fll", "real.fll"},
                                        {"sub/chain.fll", "real.fll"},
                                        {"dangling.fll", "new.fll"}}) {
    WriteFuelFile(dir_ / written, written, Record{1});
    EXPECT_TRUE(fs::is_symlink(dir_ / written));
    EXPECT_EQ(test::ReadBytes(dir_ / target), FormatFuelFile(written, Record{1}));
  }

  const std::string locked = temp_.Write("locked.fll", "old");
  fs::permissions(locked, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  fs::create_symlink("locked.fll", dir_ / "to_locked.fll");
  fs::create_symlink("loop.fll", dir_ / "loop.fll");
  const std::pair<fs::path, std::string> refused[] = {
      {locked, "Permission denied"},
      {dir_ / "to_locked.fll", "Permission denied"},
      {dir_ / "loop.fll", "Too many levels of symbolic links"},
  };
  for (const auto& [path, reason] : refused) {
    try {
      WriteFuelFile(path, "new", Record{});
      ADD_FAILURE() << "saved over " << path;
    } catch (const FileError& e) {
      EXPECT_EQ(e.reason(), reason);
      EXPECT_NE(std::string(e.what()).find(path.string()), std::string::npos) << e.what();
    }
  }
  EXPECT_EQ(test::ReadBytes(locked), "old");

  const std::string shared = temp_.Write("shared.fll", "old");
  const auto mode = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
  fs::permissions(shared, mode);
  WriteFuelFile(shared, "new", Record{});
  EXPECT_EQ(fs::status(shared).permissions(), mode);
  EXPECT_EQ(test::ReadBytes(shared), FormatFuelFile("new", Record{}));
}

TEST_F(FuelSaveTest, FlushesTheFileBeforeTheRenameAndTheFolderAfterIt) {
  std::vector<std::string> calls;
  g_calls = &calls;
  WriteFuelFile(dir_ / "a.fll", "a", Record{});
  g_calls = nullptr;
  ASSERT_EQ(calls.size(), 3u) << ::testing::PrintToString(calls);
  const std::string temp_prefix = (dir_ / ".pyrana-").string();
  EXPECT_EQ(calls[0].rfind("fsync " + temp_prefix, 0), 0u) << calls[0];
  const std::string temp = calls[0].substr(6);
  EXPECT_TRUE(IsSaveTemporaryName(fs::path(temp).filename().string())) << temp;
  EXPECT_EQ(calls[1], "rename " + temp + " " + (dir_ / "a.fll").string());
  EXPECT_EQ(calls[2], "fsync " + dir_.string());
}

TEST_F(FuelSaveTest, RemovesStaleTemporariesOfItsOwnNaming) {
  const auto now = fs::file_time_type::clock::now();
  for (const char* name : {".pyrana-0123456789abcdef.tmp", ".pyrana-0000000000000000.tmp",
                           ".pyrana-fedcba9876543210.tmp", ".pyrana-notmine.tmp",
                           ".pyrana-0123456789ABCDEF.tmp", "x.tmp"}) {
    fs::last_write_time(temp_.Write(name, "half"), now - std::chrono::hours(1));
  }
  fs::last_write_time(dir_ / ".pyrana-fedcba9876543210.tmp", now);  // a save under way
  fs::create_directory(dir_ / ".pyrana-00000000000000aa.tmp");
  fs::last_write_time(dir_ / ".pyrana-00000000000000aa.tmp", now - std::chrono::hours(1));

  WriteFuelFile(dir_ / "a.fll", "a", Record{});
  EXPECT_EQ(temp_.Names(),
            (std::vector<std::string>{
                ".pyrana-00000000000000aa.tmp", ".pyrana-0123456789ABCDEF.tmp",
                ".pyrana-fedcba9876543210.tmp", ".pyrana-notmine.tmp", "a.fll", "x.tmp"}));
  fs::last_write_time(dir_ / ".pyrana-fedcba9876543210.tmp", now - kStaleTemporaryAge);
  EXPECT_EQ(RemoveStaleTemporaries(dir_), 1);
  EXPECT_EQ(RemoveStaleTemporaries(dir_ / "absent"), 0);
}

}  // namespace
}  // namespace fuel
