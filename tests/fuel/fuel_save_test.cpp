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
  static std::string Read(const fs::path& path) { return test::ReadBytes(path); }
  static void Write(const fs::path& path, const std::string& bytes) {
    test::WriteBytes(path, bytes);
  }
  std::vector<std::string> Names() const { return temp_.Names(); }

  test::TempDir temp_;
  const fs::path& dir_ = temp_.path();
};

TEST_F(FuelSaveTest, ADiskThatFillsPartWayLeavesTheOldFileWholeAndSaysWhy) {
  const fs::path path = dir_ / "a.fll";
  const std::string old_bytes = FormatFuelFile("old", Record{1, 2, 3});
  Write(path, old_bytes);
  const std::string new_bytes(3 * 4096 + 5, 'n');
  const struct {
    std::size_t room, chunk;
  } full_disks[] = {
      {0, 4096},                     // no room at all
      {100, 4096},                   // cut inside the first write
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
      EXPECT_EQ(e.error_code(), ENOSPC);
      EXPECT_EQ(e.reason(), "No space left on device");
    }
    EXPECT_EQ(Read(path), old_bytes) << "room " << full.room;
    EXPECT_EQ(Names(), std::vector<std::string>{"a.fll"}) << "room " << full.room;
  }
  // Short writes that all find room make the whole file.
  g_room = new_bytes.size();
  g_chunk = 7;
  WriteFileAtomically(path, new_bytes);
  EXPECT_EQ(Read(path), new_bytes);
}

TEST_F(FuelSaveTest, SavesThroughSymbolicLinks) {
  const fs::path real = dir_ / "real.fll";
  Write(real, "old\r\n1 ");
  fs::create_symlink("real.fll", dir_ / "link.fll");
  fs::create_directory(dir_ / "sub");
  fs::create_symlink("../link.fll", dir_ / "sub" / "chain.fll");
  fs::create_symlink("new.fll", dir_ / "dangling.fll");

  WriteFuelFile(dir_ / "link.fll", "one", Record{1});
  EXPECT_TRUE(fs::is_symlink(dir_ / "link.fll"));
  EXPECT_EQ(Read(real), FormatFuelFile("one", Record{1}));
  WriteFuelFile(dir_ / "sub" / "chain.fll", "two", Record{2});
  EXPECT_TRUE(fs::is_symlink(dir_ / "sub" / "chain.fll"));
  EXPECT_TRUE(fs::is_symlink(dir_ / "link.fll"));
  EXPECT_EQ(Read(real), FormatFuelFile("two", Record{2}));
  // A link to a file not yet there creates that file.
  WriteFuelFile(dir_ / "dangling.fll", "three", Record{3});
  EXPECT_TRUE(fs::is_symlink(dir_ / "dangling.fll"));
  EXPECT_EQ(Read(dir_ / "new.fll"), FormatFuelFile("three", Record{3}));
  EXPECT_EQ(Names(),
            (std::vector<std::string>{"dangling.fll", "link.fll", "new.fll", "real.fll", "sub"}));

  fs::create_symlink("loop.fll", dir_ / "loop.fll");
  try {
    WriteFuelFile(dir_ / "loop.fll", "x", Record{});
    ADD_FAILURE() << "a symbolic link loop was saved";
  } catch (const FileError& e) {
    EXPECT_EQ(e.reason(), "Too many levels of symbolic links");
  }
}

TEST_F(FuelSaveTest, RefusesAReadOnlyFileAndKeepsTheOldOnesPermissions) {
  const fs::path locked = dir_ / "locked.fll";
  const std::string old_bytes = FormatFuelFile("old", Record{1, 2});
  Write(locked, old_bytes);
  fs::permissions(locked, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  fs::create_symlink("locked.fll", dir_ / "to_locked.fll");
  for (const fs::path& path : {locked, dir_ / "to_locked.fll"}) {
    try {
      WriteFuelFile(path, "new", Record{});
      ADD_FAILURE() << "a read-only file was replaced through " << path;
    } catch (const FileError& e) {
      EXPECT_EQ(e.reason(), "Permission denied");
      EXPECT_NE(std::string(e.what()).find(path.string()), std::string::npos) << e.what();
    }
  }
  EXPECT_EQ(Read(locked), old_bytes);
  EXPECT_EQ(Names(), (std::vector<std::string>{"locked.fll", "to_locked.fll"}));

  const fs::path shared = dir_ / "shared.fll";
  Write(shared, old_bytes);
  const auto mode = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
  fs::permissions(shared, mode);
  WriteFuelFile(shared, "new", Record{});
  EXPECT_EQ(fs::status(shared).permissions(), mode);
  EXPECT_EQ(Read(shared), FormatFuelFile("new", Record{}));
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
  const auto old = now - std::chrono::hours(1);
  for (const char* name : {".pyrana-0123456789abcdef.tmp", ".pyrana-0000000000000000.tmp",
                           ".pyrana-fedcba9876543210.tmp", ".pyrana-notmine.tmp",
                           ".pyrana-0123456789ABCDEF.tmp", "x.tmp"}) {
    Write(dir_ / name, "half");
    fs::last_write_time(dir_ / name, old);
  }
  fs::last_write_time(dir_ / ".pyrana-fedcba9876543210.tmp", now);  // a save under way
  fs::create_directory(dir_ / ".pyrana-00000000000000aa.tmp");
  fs::last_write_time(dir_ / ".pyrana-00000000000000aa.tmp", old);

  WriteFuelFile(dir_ / "a.fll", "a", Record{});
  EXPECT_EQ(Names(), (std::vector<std::string>{
                         ".pyrana-00000000000000aa.tmp", ".pyrana-0123456789ABCDEF.tmp",
                         ".pyrana-fedcba9876543210.tmp", ".pyrana-notmine.tmp", "a.fll", "x.tmp"}));

  fs::last_write_time(dir_ / ".pyrana-fedcba9876543210.tmp", now - kStaleTemporaryAge);
  EXPECT_EQ(RemoveStaleTemporaries(dir_), 1);
  EXPECT_EQ(RemoveStaleTemporaries(dir_ / "absent"), 0);
}

}  // namespace
}  // namespace fuel
