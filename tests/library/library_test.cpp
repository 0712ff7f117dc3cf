// The fuel library on disk: which files a scan lists and reads, what a rescan reads again,
// and where the library lives (beside the program, or seeded once into the data folder).
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <fstream>
#include <set>
#include <string>
#include <vector>

#include "library/fuel_catalog.h"
#include "library/fuel_folder.h"
#include "library/library_folder.h"
#include "support/temp_dir.h"

namespace library {
namespace {

namespace fs = std::filesystem;

// A fuel file: the name line, CR LF, fifty values with `type` as value 15.
std::string FuelBytes(const std::string& name, int type) {
  std::string bytes = name + "\r\n";
  for (int i = 0; i < 50; ++i) bytes += (i == 15 ? std::to_string(type) : "1.000") + " ";
  return bytes;
}

std::set<std::string> Listing(const fs::path& folder) {
  std::set<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) names.insert(entry.path().filename());
  return names;
}

std::vector<std::string> Names(const std::vector<FuelEntry>& entries) {
  std::vector<std::string> names;
  for (const FuelEntry& entry : entries) names.push_back(entry.name);
  return names;
}

std::vector<std::string> Names(const FuelCatalog& catalog) {
  std::vector<std::string> names;
  for (std::size_t i : catalog.Shown({})) names.push_back(catalog.Entries()[i].name);
  return names;
}

TEST(FuelFolderTest, ListsFllFilesOfAnyCaseInCaseInsensitiveNameOrder) {
  test::TempDir dir;
  for (const char* name : {"b.fll", "A.FLL", "c.Fll", "б.fll", "А.fll", "в.fll", "Ё.fll", "е.fll",
                           "notes.txt", "x.fll.bak", "fll"}) {
    dir.Write(name, FuelBytes("x", 0));
  }
  fs::create_directory(dir.path() / "folder.fll");
  std::vector<std::string> listed;
  for (const fs::path& path : ListFuelFiles(dir.path())) listed.push_back(path.filename());
  EXPECT_EQ(listed, (std::vector<std::string>{"A.FLL", "b.fll", "c.Fll", "А.fll", "б.fll", "в.fll",
                                              "е.fll", "Ё.fll"}));
  // Names equal but for case keep a fixed order; broken UTF-8 compares byte by byte.
  EXPECT_LT(CompareFileNames("Газ", "газ") * CompareFileNames("газ", "Газ"), 0);
  EXPECT_LT(CompareFileNames("ab", "ABC"), 0);
  EXPECT_LT(CompareFileNames("\xD0", "\xD1"), 0);
  EXPECT_GT(CompareFileNames("a\xFF", "a"), 0);

  std::error_code error;
  EXPECT_TRUE(ListFuelFiles(dir.path() / "absent", error).empty());
  EXPECT_EQ(error, std::errc::no_such_file_or_directory);
  EXPECT_TRUE(ListFuelFiles(dir / "b.fll", error).empty());
  EXPECT_EQ(error, std::errc::not_a_directory);
}

// The list reads every file of the folder on each refresh: a file of 4 GiB without a line
// end, a FIFO, a device, a link loop and a file gone meanwhile must neither stall it nor
// hide the other fuels; a name line of control bytes or without its line end still names one.
TEST(FuelFolderTest, OddFilesNeverStallTheList) {
  test::TempDir dir;
  dir.Write("a.fll", FuelBytes("first", 1));
  dir.Write("b.fll", std::string("\x01\x02", 2) + "\r\n");
  const fs::path huge = dir.Write("huge.fll", "");
  fs::resize_file(huge, std::uintmax_t{4} << 30);  // sparse: 4 GiB of zero bytes
  ASSERT_EQ(mkfifo((dir / "pipe.fll").c_str(), 0600), 0);
  fs::create_symlink("/dev/zero", dir.path() / "zero.fll");
  fs::create_symlink("loop.fll", dir.path() / "loop.fll");
  dir.Write("y.fll", "No line end and no numbers");
  dir.Write("z.fll", FuelBytes("last", 6));

  const std::vector<FuelEntry> entries = ScanFuelFolder(dir.path(), TypeFilters{});
  EXPECT_EQ(Names(entries),
            (std::vector<std::string>{"first", "", "", "No line end and no numbers", "last"}));
  ASSERT_EQ(entries.size(), 5u);
  EXPECT_EQ(entries[2].path, huge);
  EXPECT_EQ(entries[0].type_value + entries[4].type_value, 7.0f);
  EXPECT_EQ(entries[2].type_value + entries[3].type_value, 0.0f);
  EXPECT_EQ(Names(ReadFuelList({dir / "vanished.fll", dir / "a.fll"}, TypeFilters{})),
            std::vector<std::string>{"first"});
}

TEST(FuelCatalogTest, RescanReadsOnlyChangedFiles) {
  test::TempDir dir;
  dir.Write("a.fll", FuelBytes("Coal", 1));
  dir.Write("b.fll", FuelBytes("Gas", 6));
  dir.Write("c.fll", FuelBytes("Oil", 5));
  FuelCatalog catalog;
  EXPECT_EQ(catalog.Scan(dir.path()), 3);
  EXPECT_EQ(catalog.Scan(dir.path()), 0);  // nothing changed: nothing read
  EXPECT_EQ(Names(catalog), (std::vector<std::string>{"Coal", "Gas", "Oil"}));
  // One file rewritten (a later time), one added, one removed: two files read.
  const fs::path a = dir.Write("a.fll", FuelBytes("Peat", 3));
  fs::last_write_time(a, fs::last_write_time(a) + std::chrono::seconds(2));
  dir.Write("d.fll", FuelBytes("Shale", 4));
  fs::remove(dir / "c.fll");
  EXPECT_EQ(catalog.Scan(dir.path()), 2);
  EXPECT_EQ(Names(catalog), (std::vector<std::string>{"Peat", "Gas", "Shale"}));
}

TEST(FuelCatalogTest, UnreadableFileIsLeftOutAndTriedAgain) {
  test::TempDir dir;
  dir.Write("a.fll", FuelBytes("Coal", 1));
  fs::create_directory(dir.path() / "b.fll");  // a folder with a fuel's name is no file
  const fs::path c = dir.Write("c.fll", FuelBytes("Gas", 6));
  fs::permissions(c, fs::perms::none);
  if (std::ifstream(c).is_open()) GTEST_SKIP() << "root reads any file";
  FuelCatalog catalog;
  catalog.Scan(dir.path());
  EXPECT_EQ(Names(catalog), std::vector<std::string>{"Coal"});
  fs::permissions(c, fs::perms::owner_read | fs::perms::owner_write);
  EXPECT_EQ(catalog.Scan(dir.path()), 1);  // read again now that it can be
  EXPECT_EQ(Names(catalog), (std::vector<std::string>{"Coal", "Gas"}));
}

class LibraryFolderTest : public ::testing::Test {
 protected:
  // Gives back the write bits a test took away, so that the folder can be removed.
  void TearDown() override {
    std::error_code error;
    fs::permissions(program_ / "Fuel", fs::perms::owner_all, fs::perm_options::add, error);
  }
  // An example library beside the program: two fuels and a file that is not one.
  void WriteExamples() {
    fs::create_directories(program_ / "Fuel");
    temp_.Write("program/Fuel/Мазут.fll", "\xcc\xe0\xe7\xf3\xf2\r\n1 2 3");
    temp_.Write("program/Fuel/GAS.FLL", "gas\r\n4 5 6");
    temp_.Write("program/Fuel/readme.txt", "not a fuel");
  }

  test::TempDir temp_;
  const fs::path program_ = temp_.path() / "program";
  const fs::path data_ = temp_.path() / "home" / ".local" / "share" / "Pyrana";
};

TEST_F(LibraryFolderTest, WritableProgramFolderHoldsTheLibraryAndLosesStaleTemporaries) {
  fs::create_directories(program_);
  EXPECT_EQ(PrepareLibraryFolder(program_, data_), program_ / "Fuel");  // created when missing
  WriteExamples();
  // The temporaries of saves killed long ago go; one under way stays.
  const fs::path stale = temp_.Write("program/Fuel/.pyrana-00112233445566ff.tmp", "half");
  temp_.Write("program/Fuel/.pyrana-ffeeddccbbaa0099.tmp", "a save under way");
  fs::last_write_time(stale, fs::file_time_type::clock::now() - std::chrono::hours(2));
  EXPECT_EQ(PrepareLibraryFolder(program_, data_), program_ / "Fuel");
  EXPECT_EQ(Listing(program_ / "Fuel"),
            (std::set<std::string>{".pyrana-ffeeddccbbaa0099.tmp", "GAS.FLL", "readme.txt",
                                   "Мазут.fll"}));
  EXPECT_FALSE(fs::exists(data_));  // nothing copied anywhere
}

// A program folder that is missing, or an installed program's Fuel folder that holds the
// examples but cannot be written into. Root may write anywhere, so the second case runs
// only for an ordinary user.
TEST_F(LibraryFolderTest, LibraryMovesToTheDataFolderWhenTheProgramFolderCannotHoldIt) {
  EXPECT_EQ(PrepareLibraryFolder(program_, data_), data_ / "Fuel");
  EXPECT_TRUE(Listing(data_ / "Fuel").empty());
  EXPECT_FALSE(fs::exists(program_));
  if (::geteuid() == 0) GTEST_SKIP() << "root can write into any folder";
  fs::remove_all(data_);
  WriteExamples();
  fs::permissions(program_ / "Fuel", fs::perms::owner_read | fs::perms::owner_exec,
                  fs::perm_options::replace);
  EXPECT_EQ(PrepareLibraryFolder(program_, data_), data_ / "Fuel");
  EXPECT_EQ(Listing(data_ / "Fuel"), (std::set<std::string>{"GAS.FLL", "Мазут.fll"}));
}

TEST_F(LibraryFolderTest, SeedingCopiesTheFuelsOnceAndLeavesAnExistingFolderAlone) {
  WriteExamples();
  fs::permissions(program_ / "Fuel" / "GAS.FLL", fs::perms::owner_read | fs::perms::group_read,
                  fs::perm_options::replace);
  const fs::path library = data_ / "Fuel";
  ASSERT_TRUE(SeedLibraryFolder(library, program_ / "Fuel"));
  EXPECT_EQ(Listing(library), (std::set<std::string>{"GAS.FLL", "Мазут.fll"}));
  EXPECT_EQ(test::ReadBytes(library / "Мазут.fll"), "\xcc\xe0\xe7\xf3\xf2\r\n1 2 3");
  // A read-only example becomes a copy its owner can save over.
  EXPECT_NE(fs::status(library / "GAS.FLL").permissions() & fs::perms::owner_write,
            fs::perms::none);
  // The user deletes one fuel and saves another; a later start copies nothing back.
  fs::remove(library / "GAS.FLL");
  test::WriteBytes(library / "own.fll", "own\r\n7");
  ASSERT_TRUE(SeedLibraryFolder(library, program_ / "Fuel"));
  EXPECT_EQ(Listing(library), (std::set<std::string>{"own.fll", "Мазут.fll"}));
  // Without examples the folder is made empty; a file in the way fails.
  EXPECT_TRUE(SeedLibraryFolder(temp_.path() / "a" / "b" / "Fuel", temp_.path() / "none"));
  EXPECT_TRUE(Listing(temp_.path() / "a" / "b" / "Fuel").empty());
  temp_.Write("plain", "a file where the folder should be");
  EXPECT_FALSE(SeedLibraryFolder(temp_.path() / "plain" / "Fuel", temp_.path() / "none"));
}

}  // namespace
}  // namespace library
