// The fuels of a folder kept between scans: a rescan reads only what changed.
#include "library/fuel_catalog.h"

#include <chrono>
#include <string>
#include <vector>

#include "temp_folder.h"

namespace library {
namespace {

namespace fs = std::filesystem;

class FuelCatalogTest : public test::TempFolderTest {
 protected:
  fs::path Write(const std::string& file_name, const std::string& name, int type) {
    return TempFolderTest::Write(file_name, FuelBytes(name, static_cast<float>(type)));
  }
  std::vector<std::string> Names(const FuelCatalog& catalog, const TypeFilters& filters) {
    std::vector<std::string> names;
    for (std::size_t i : catalog.Shown(filters)) names.push_back(catalog.Entries()[i].name);
    return names;
  }
};

TEST_F(FuelCatalogTest, RescanReadsOnlyChangedFiles) {
  Write("a.fll", "Coal", 1);
  Write("b.fll", "Gas", 6);
  Write("c.fll", "Oil", 5);
  FuelCatalog catalog;
  EXPECT_EQ(catalog.Scan(dir_), 3);
  EXPECT_EQ(Names(catalog, {}), (std::vector<std::string>{"Coal", "Gas", "Oil"}));
  // Nothing changed: nothing read.
  EXPECT_EQ(catalog.Scan(dir_), 0);
  EXPECT_EQ(catalog.Entries().size(), 3u);

  // One file rewritten (a later time), one added, one removed: two files read.
  const fs::path a = Write("a.fll", "Peat", 3);
  fs::last_write_time(a, fs::last_write_time(a) + std::chrono::seconds(2));
  Write("d.fll", "Shale", 4);
  fs::remove(dir_ / "c.fll");
  EXPECT_EQ(catalog.Scan(dir_), 2);
  EXPECT_EQ(Names(catalog, {}), (std::vector<std::string>{"Peat", "Gas", "Shale"}));

  // The filters and another folder are tried through the fuel list in app_test.
}

TEST_F(FuelCatalogTest, UnreadableFileIsLeftOutAndTriedAgain) {
  Write("a.fll", "Coal", 1);
  fs::create_directory(dir_ / "b.fll");  // a folder with a fuel's name is no file
  const fs::path c = Write("c.fll", "Gas", 6);
  fs::permissions(c, fs::perms::none);
  const bool root_reads_anyway = std::ifstream(c).is_open();
  FuelCatalog catalog;
  catalog.Scan(dir_);
  if (!root_reads_anyway) {
    EXPECT_EQ(Names(catalog, {}), std::vector<std::string>{"Coal"});
    fs::permissions(c, fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(catalog.Scan(dir_), 1);  // read again now that it can be
  }
  fs::permissions(c, fs::perms::owner_read | fs::perms::owner_write);
  catalog.Scan(dir_);
  EXPECT_EQ(Names(catalog, {}), (std::vector<std::string>{"Coal", "Gas"}));
}

}  // namespace
}  // namespace library
