// Where the library lives: beside the program when that folder can be written into,
// otherwise in the data folder, seeded once with the program's examples.
#include "library/library_folder.h"

#include <unistd.h>

#include <chrono>
#include <string>

#include "temp_folder.h"

namespace library {
namespace {

namespace fs = std::filesystem;

class LibraryFolderTest : public test::TempFolderTest {
 protected:
  // Gives back the write bits a test took away, so that the folder can be removed.
  void TearDown() override {
    std::error_code error;
    fs::permissions(dir_ / "program" / "Fuel", fs::perms::owner_all, fs::perm_options::add, error);
  }

  // An example library beside the program: two fuels and a file that is not one.
  void WriteExamples() {
    fs::create_directories(program_ / "Fuel");
    Write(program_ / "Fuel" / "Мазут.fll", "\xcc\xe0\xe7\xf3\xf2\r\n1 2 3");
    Write(program_ / "Fuel" / "GAS.FLL", "gas\r\n4 5 6");
    Write(program_ / "Fuel" / "readme.txt", "not a fuel");
  }

  const fs::path program_ = dir_ / "program";
  const fs::path data_ = dir_ / "home" / ".local" / "share" / "Pyrana";
};

TEST_F(LibraryFolderTest, WritableProgramFolderHoldsTheLibraryAndLosesStaleTemporaries) {
  fs::create_directories(program_);
  EXPECT_EQ(PrepareLibraryFolder(program_, data_), program_ / "Fuel");
  EXPECT_TRUE(fs::is_directory(program_ / "Fuel"));  // created when missing
  WriteExamples();
  // The temporaries of saves killed long ago go; one under way stays.
  const fs::path stale = Write(program_ / "Fuel" / ".pyrana-00112233445566ff.tmp", "half a fuel");
  Write(program_ / "Fuel" / ".pyrana-ffeeddccbbaa0099.tmp", "a save under way");
  fs::last_write_time(stale, fs::file_time_type::clock::now() - std::chrono::hours(2));
  EXPECT_EQ(PrepareLibraryFolder(program_, data_), program_ / "Fuel");
  EXPECT_EQ(FileNames(program_ / "Fuel"),
            (std::set<std::string>{".pyrana-ffeeddccbbaa0099.tmp", "GAS.FLL", "readme.txt",
                                   "Мазут.fll"}));
  EXPECT_FALSE(fs::exists(data_));  // nothing copied anywhere
}

// A program folder that is missing, or an installed program's Fuel folder that holds the
// examples but cannot be written into. Root may write anywhere, so the second case runs
// only for an ordinary user (CI covers it by starting the installed package as one).
TEST_F(LibraryFolderTest, LibraryMovesToTheDataFolderWhenTheProgramFolderCannotHoldIt) {
  EXPECT_EQ(PrepareLibraryFolder(program_, data_), data_ / "Fuel");
  EXPECT_TRUE(fs::is_directory(data_ / "Fuel"));
  EXPECT_TRUE(FileNames(data_ / "Fuel").empty());
  EXPECT_FALSE(fs::exists(program_));
  if (::geteuid() == 0) GTEST_SKIP() << "root can write into any folder";
  fs::remove_all(data_);
  WriteExamples();
  fs::permissions(program_ / "Fuel", fs::perms::owner_read | fs::perms::owner_exec,
                  fs::perm_options::replace);
  EXPECT_FALSE(IsWritableFolder(program_ / "Fuel"));
  EXPECT_EQ(PrepareLibraryFolder(program_, data_), data_ / "Fuel");
  EXPECT_EQ(FileNames(data_ / "Fuel"), (std::set<std::string>{"GAS.FLL", "Мазут.fll"}));
}

TEST_F(LibraryFolderTest, SeedingCopiesTheFuelsOnceAndLeavesAnExistingFolderAlone) {
  WriteExamples();
  fs::permissions(program_ / "Fuel" / "GAS.FLL", fs::perms::owner_read | fs::perms::group_read,
                  fs::perm_options::replace);
  const fs::path library = data_ / "Fuel";
  ASSERT_TRUE(SeedLibraryFolder(library, program_ / "Fuel"));
  EXPECT_EQ(FileNames(library), (std::set<std::string>{"GAS.FLL", "Мазут.fll"}));
  EXPECT_EQ(::test::ReadBytes(library / "Мазут.fll"),
            ::test::ReadBytes(program_ / "Fuel" / "Мазут.fll"));
  EXPECT_EQ(::test::ReadBytes(library / "GAS.FLL"), "gas\r\n4 5 6");
  // A read-only example becomes a copy its owner can save over.
  EXPECT_NE(fs::status(library / "GAS.FLL").permissions() & fs::perms::owner_write,
            fs::perms::none);

  // The user deletes one fuel and saves another; a later start copies nothing back.
  fs::remove(library / "GAS.FLL");
  Write(library / "own.fll", "own\r\n7");
  ASSERT_TRUE(SeedLibraryFolder(library, program_ / "Fuel"));
  EXPECT_EQ(FileNames(library), (std::set<std::string>{"own.fll", "Мазут.fll"}));

  // Without examples the folder is made empty; a file in the way fails.
  EXPECT_TRUE(SeedLibraryFolder(dir_ / "a" / "b" / "Fuel", dir_ / "no examples"));
  EXPECT_TRUE(FileNames(dir_ / "a" / "b" / "Fuel").empty());
  Write("plain", "a file where the folder should be");
  EXPECT_FALSE(SeedLibraryFolder(dir_ / "plain", dir_ / "no examples"));
  EXPECT_FALSE(SeedLibraryFolder(dir_ / "plain" / "Fuel", dir_ / "no examples"));
}

}  // namespace
}  // namespace library
