// The library folder scan: which files, in which order, with which names and types.
#include "library/fuel_folder.h"

#include <sys/stat.h>

#include <cstdint>
#include <string>
#include <vector>

#include "temp_folder.h"

namespace library {
namespace {

namespace fs = std::filesystem;

class FuelFolderTest : public test::TempFolderTest {
 protected:
  static std::vector<std::string> FileNames(const std::vector<fs::path>& paths) {
    std::vector<std::string> names;
    for (const fs::path& path : paths) names.push_back(path.filename().string());
    return names;
  }
  static std::vector<std::string> Names(const std::vector<FuelEntry>& entries) {
    std::vector<std::string> names;
    for (const FuelEntry& entry : entries) names.push_back(entry.name);
    return names;
  }
};

TEST_F(FuelFolderTest, ListsFllFilesOfAnyCaseInCaseInsensitiveNameOrder) {
  for (const char* name : {"b.fll", "A.FLL", "c.Fll", "б.fll", "А.fll", "в.fll", "Ё.fll", "е.fll",
                           "notes.txt", "x.fll.bak", "fll"}) {
    Write(name, FuelBytes("x", 0));
  }
  fs::create_directory(dir_ / "folder.fll");
  const std::vector<std::string> expected = {"A.FLL", "b.fll", "c.Fll", "А.fll",
                                             "б.fll", "в.fll", "е.fll", "Ё.fll"};
  EXPECT_EQ(FileNames(ListFuelFiles(dir_)), expected);
}

TEST_F(FuelFolderTest, MissingFolderListsNothingAndSaysWhy) {
  EXPECT_TRUE(ListFuelFiles(dir_ / "absent").empty());
  EXPECT_TRUE(ScanFuelFolder(dir_ / "absent", TypeFilters{}).empty());
  std::error_code error;
  EXPECT_TRUE(ListFuelFiles(dir_ / "absent", error).empty());
  EXPECT_EQ(error, std::errc::no_such_file_or_directory);
  Write("plain.fll", FuelBytes("x", 0));
  EXPECT_TRUE(ListFuelFiles(dir_ / "plain.fll", error).empty());
  EXPECT_EQ(error, std::errc::not_a_directory);
  EXPECT_EQ(ListFuelFiles(dir_, error).size(), 1u);
  EXPECT_FALSE(error);
}

// The list reads every file of the folder on each refresh: a file of 4 GiB without a line
// end, a FIFO, a device, a link loop and a file gone meanwhile must neither stall it nor
// hide the other fuels.
TEST_F(FuelFolderTest, OddFilesNeverStallTheList) {
  Write("a.fll", FuelBytes("first", 1));
  const fs::path huge = Write("huge.fll", "");
  fs::resize_file(huge, std::uintmax_t{4} << 30);  // sparse: 4 GiB of zero bytes
  ASSERT_EQ(mkfifo((dir_ / "pipe.fll").c_str(), 0600), 0);
  fs::create_symlink("/dev/zero", dir_ / "zero.fll");
  fs::create_symlink("loop.fll", dir_ / "loop.fll");
  Write("z.fll", FuelBytes("last", 6));

  const std::vector<FuelEntry> entries = ScanFuelFolder(dir_, TypeFilters{});
  ASSERT_EQ(entries.size(), 3u);
  EXPECT_EQ(entries[0].name, "first");
  EXPECT_EQ(entries[1].path, huge);
  EXPECT_EQ(entries[1].name, "");
  EXPECT_EQ(entries[1].type_value, 0.0f);
  EXPECT_EQ(entries[2].name, "last");
  // Named one by one, the odd ones and a vanished file are left out, never opened for
  // reading.
  EXPECT_EQ(Names(ReadFuelList({dir_ / "pipe.fll", dir_ / "zero.fll", dir_ / "loop.fll",
                                dir_ / "vanished.fll", dir_ / "a.fll"},
                               TypeFilters{})),
            std::vector<std::string>{"first"});
}

// A name line of control bytes only, or one without its line end, and no numbers. (Names
// in Windows-1251, type values and equal names are read through the fuel list in app_test.)
TEST_F(FuelFolderTest, ScanReadsNameLinesWithoutNumbersOrLineEnd) {
  Write("4.fll", std::string("\x01\x02", 2) + "\r\n");
  Write("5.fll", "No line end and no numbers");
  const std::vector<FuelEntry> entries = ScanFuelFolder(dir_, TypeFilters{});
  ASSERT_EQ(entries.size(), 2u);
  EXPECT_EQ(entries[0].name, "");
  EXPECT_EQ(entries[1].name, "No line end and no numbers");
  EXPECT_EQ(entries[1].path, dir_ / "5.fll");
  EXPECT_EQ(entries[0].type_value + entries[1].type_value, 0.0f);
}

TEST_F(FuelFolderTest, EnsureFolderCreatesOnlyTheLastLevel) {
  EXPECT_TRUE(EnsureFolder(dir_ / "Fuel"));
  EXPECT_TRUE(fs::is_directory(dir_ / "Fuel"));
  EXPECT_TRUE(EnsureFolder(dir_ / "Fuel"));  // already there
  EXPECT_FALSE(EnsureFolder(dir_ / "missing" / "Fuel"));
  EXPECT_FALSE(fs::exists(dir_ / "missing"));
  Write("plain", "a file where the folder should be");
  EXPECT_FALSE(EnsureFolder(dir_ / "plain"));
}

TEST(CompareFileNamesTest, IgnoresCaseOfLatinAndCyrillicLetters) {
  EXPECT_LT(CompareFileNames("apple", "Banana"), 0);
  EXPECT_GT(CompareFileNames("Zeta", "alpha"), 0);
  EXPECT_LT(CompareFileNames("Мазут", "торф"), 0);
  EXPECT_LT(CompareFileNames("ab", "ABC"), 0);
  // Names equal but for case still have a fixed order, so sorting is stable.
  EXPECT_NE(CompareFileNames("Газ", "газ"), 0);
  EXPECT_EQ(CompareFileNames("Газ", "Газ"), 0);
  EXPECT_EQ(CompareFileNames("газ", "Газ"), -CompareFileNames("Газ", "газ"));
  // Broken UTF-8 still compares, byte by byte.
  EXPECT_LT(CompareFileNames("\xD0", "\xD1"), 0);
  EXPECT_GT(CompareFileNames("a\xFF", "a"), 0);
}

}  // namespace
}  // namespace library
