// Where the library lives: beside the program when that folder can be written into,
// otherwise in the data folder, seeded once with the program's examples.
#include "library/library_folder.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>

namespace library {
namespace {

namespace fs = std::filesystem;

class LibraryFolderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("pyrana_library_folder_" +
            std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    RemoveAll();
    fs::create_directories(dir_);
    program_ = dir_ / "program";
    data_ = dir_ / "home" / ".local" / "share" / "Pyrana";
  }
  void TearDown() override { RemoveAll(); }

  // Gives back the write bits a test took away, so that the folder can be removed.
  void RemoveAll() {
    std::error_code error;
    if (fs::exists(dir_ / "program" / "Fuel", error)) {
      fs::permissions(dir_ / "program" / "Fuel", fs::perms::owner_all, fs::perm_options::add,
                      error);
    }
    fs::remove_all(dir_, error);
  }

  static void Write(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
  }
  static std::string Read(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }
  static std::set<std::string> FileNames(const fs::path& folder) {
    std::set<std::string> names;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
      names.insert(entry.path().filename().string());
    }
    return names;
  }

  // An example library beside the program: two fuels and a file that is not one.
  void WriteExamples() {
    fs::create_directories(program_ / "Fuel");
    Write(program_ / "Fuel" / "Мазут.fll", "\xcc\xe0\xe7\xf3\xf2\r\n1 2 3");
    Write(program_ / "Fuel" / "GAS.FLL", "gas\r\n4 5 6");
    Write(program_ / "Fuel" / "readme.txt", "not a fuel");
  }

  fs::path dir_;
  fs::path program_;
  fs::path data_;
};

TEST_F(LibraryFolderTest, WritableProgramFolderHoldsTheLibrary) {
  fs::create_directories(program_);
  EXPECT_EQ(PrepareLibraryFolder(program_, data_), program_ / "Fuel");
  EXPECT_TRUE(fs::is_directory(program_ / "Fuel"));  // created when missing
  WriteExamples();
  EXPECT_EQ(PrepareLibraryFolder(program_, data_), program_ / "Fuel");
  EXPECT_FALSE(fs::exists(data_));  // nothing copied anywhere
}

TEST_F(LibraryFolderTest, StartRemovesTheStaleTemporariesOfKilledSaves) {
  WriteExamples();
  const fs::path stale = program_ / "Fuel" / ".pyrana-00112233445566ff.tmp";
  const fs::path fresh = program_ / "Fuel" / ".pyrana-ffeeddccbbaa0099.tmp";
  Write(stale, "half a fuel");
  Write(fresh, "a save under way");
  fs::last_write_time(stale, fs::file_time_type::clock::now() - std::chrono::hours(2));
  EXPECT_EQ(PrepareLibraryFolder(program_, data_), program_ / "Fuel");
  EXPECT_EQ(FileNames(program_ / "Fuel"),
            (std::set<std::string>{".pyrana-ffeeddccbbaa0099.tmp", "GAS.FLL", "readme.txt",
                                   "Мазут.fll"}));
}

TEST_F(LibraryFolderTest, MissingProgramFolderGivesAnEmptyDataLibrary) {
  EXPECT_EQ(PrepareLibraryFolder(program_, data_), data_ / "Fuel");
  EXPECT_TRUE(fs::is_directory(data_ / "Fuel"));
  EXPECT_TRUE(FileNames(data_ / "Fuel").empty());
  EXPECT_FALSE(fs::exists(program_));
}

TEST_F(LibraryFolderTest, SeedingCopiesTheFuelsOnceAndLeavesAnExistingFolderAlone) {
  WriteExamples();
  fs::permissions(program_ / "Fuel" / "GAS.FLL", fs::perms::owner_read | fs::perms::group_read,
                  fs::perm_options::replace);
  const fs::path library = data_ / "Fuel";
  ASSERT_TRUE(SeedLibraryFolder(library, program_ / "Fuel"));
  EXPECT_EQ(FileNames(library), (std::set<std::string>{"GAS.FLL", "Мазут.fll"}));
  EXPECT_EQ(Read(library / "Мазут.fll"), Read(program_ / "Fuel" / "Мазут.fll"));
  EXPECT_EQ(Read(library / "GAS.FLL"), "gas\r\n4 5 6");
  // A read-only example becomes a copy its owner can save over.
  EXPECT_NE(fs::status(library / "GAS.FLL").permissions() & fs::perms::owner_write,
            fs::perms::none);

  // The user deletes one fuel and saves another; a later start copies nothing back.
  fs::remove(library / "GAS.FLL");
  Write(library / "own.fll", "own\r\n7");
  ASSERT_TRUE(SeedLibraryFolder(library, program_ / "Fuel"));
  EXPECT_EQ(FileNames(library), (std::set<std::string>{"own.fll", "Мазут.fll"}));
}

TEST_F(LibraryFolderTest, SeedingWithoutExamplesGivesAnEmptyFolderAndAFileInTheWayFails) {
  EXPECT_TRUE(SeedLibraryFolder(dir_ / "a" / "b" / "Fuel", dir_ / "no examples"));
  EXPECT_TRUE(FileNames(dir_ / "a" / "b" / "Fuel").empty());
  Write(dir_ / "plain", "a file where the folder should be");
  EXPECT_FALSE(SeedLibraryFolder(dir_ / "plain", dir_ / "no examples"));
  EXPECT_FALSE(SeedLibraryFolder(dir_ / "plain" / "Fuel", dir_ / "no examples"));
}

// An installed program: its Fuel folder holds the examples but cannot be written into.
// Root may write anywhere, so this runs only for an ordinary user (CI covers the same
// case by starting the installed package as one).
TEST_F(LibraryFolderTest, ReadOnlyProgramLibraryMovesToTheSeededDataFolder) {
  if (::geteuid() == 0) GTEST_SKIP() << "root can write into any folder";
  WriteExamples();
  fs::permissions(program_ / "Fuel", fs::perms::owner_read | fs::perms::owner_exec,
                  fs::perm_options::replace);
  EXPECT_FALSE(IsWritableFolder(program_ / "Fuel"));
  EXPECT_EQ(PrepareLibraryFolder(program_, data_), data_ / "Fuel");
  EXPECT_EQ(FileNames(data_ / "Fuel"), (std::set<std::string>{"GAS.FLL", "Мазут.fll"}));
}

}  // namespace
}  // namespace library
