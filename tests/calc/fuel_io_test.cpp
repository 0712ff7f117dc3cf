// Loading a library fuel into the document and saving the record back.
#include "calc/fuel_io.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>

#include "calc/fuel_document.h"
#include "sheets/errors.h"
#include "support/temp_dir.h"

namespace calc {
namespace {

namespace fs = std::filesystem;

class FuelIoTest : public ::testing::Test {
 protected:
  fs::path Write(const std::string& name, const std::string& bytes) {
    return temp_.Write(name, bytes);
  }
  static std::string Read(const fs::path& path) { return test::ReadBytes(path); }

  test::TempDir temp_;
  const fs::path& dir_ = temp_.path();
};

// "Уголь" in Windows-1251.
const std::string kCoalName = "\xD3\xE3\xEE\xEB\xFC";

TEST_F(FuelIoTest, LoadsNameValuesTypeAndVolumes) {
  const fs::path path =
      Write("coal.fll", kCoalName +
                            "\r\n10.000 20.000 55.000 4.000 1.000 2.000 8.000 0.000 "
                            "21861.000 0.000 0.000 0.000 0.000 0.000 0.000 1.000 ");
  FuelDocument doc;
  ASSERT_TRUE(LoadLibraryFuel(doc, path));
  EXPECT_EQ(doc.ComboBox1, "Уголь");
  EXPECT_EQ(doc.ComboBox3, 1);
  EXPECT_EQ(doc.Caption, path.string());
  EXPECT_FALSE(doc.GasSheetsShown);
  EXPECT_EQ(doc.XLSheet10.Text(2, 8), "21861");
  EXPECT_EQ(doc.XLSheet10.Text(2, 49), "0");
  EXPECT_EQ(doc.XLSheet2.Text(1, 2), "5.7498");
  EXPECT_EQ(doc.XLSheet2.Text(2, 5), "Нм3/кг");
}

TEST_F(FuelIoTest, TypeDecidesSheetsAndUnits) {
  FuelDocument doc;
  ASSERT_TRUE(
      LoadLibraryFuel(doc, Write("gas.fll", "Gas\r\n94 0 0 0 0 0 0 0 0 0 0 0 0 0 0 6.000 ")));
  EXPECT_EQ(doc.ComboBox3, kGasType);
  EXPECT_TRUE(doc.GasSheetsShown);
  EXPECT_EQ(doc.XLSheet2.Text(2, 2), "м3/м3");
  // A type value that names no entry: nothing selected, the solid layout.
  ASSERT_TRUE(LoadLibraryFuel(doc, Write("odd.fll", "Odd\r\n1 0 0 0 0 0 0 0 0 0 0 0 0 0 0 7 ")));
  EXPECT_EQ(doc.ComboBox3, -1);
  EXPECT_FALSE(doc.GasSheetsShown);
  EXPECT_EQ(doc.XLSheet2.Text(2, 2), "Нм3/кг");
  // Ten numbers only: the rest are 0, so the type is anthracite.
  ASSERT_TRUE(LoadLibraryFuel(doc, Write("short.fll", "Short\r\n1 2 3 4 5 6 7 8 9 10")));
  EXPECT_EQ(doc.ComboBox3, 0);
  EXPECT_EQ(doc.XLSheet10.Text(2, 9), "10");
  EXPECT_EQ(doc.XLSheet10.Text(2, 10), "0");
}

TEST_F(FuelIoTest, UnreadableFileKeepsWhatWasThereAndStillRecalculates) {
  FuelDocument doc;
  ASSERT_TRUE(LoadLibraryFuel(doc, Write("coal.fll", kCoalName + "\r\n10 20 55 4 1 2 8")));
  doc.XLSheet2.SetText(1, 2, "stale");
  EXPECT_FALSE(LoadLibraryFuel(doc, dir_ / "missing.fll"));
  EXPECT_EQ(doc.ComboBox1, "Уголь");
  EXPECT_EQ(doc.XLSheet10.Text(2, 2), "55");
  EXPECT_EQ(doc.XLSheet2.Text(1, 2), "5.7498");
  EXPECT_EQ(doc.Caption, (dir_ / "missing.fll").string());
  // The throwing variant says why, and recomputes all the same.
  doc.XLSheet2.SetText(1, 2, "stale");
  try {
    ReadLibraryFuel(doc, dir_ / "missing.fll");
    ADD_FAILURE() << "no FileError";
  } catch (const fuel::FileError& e) {
    EXPECT_EQ(e.path(), dir_ / "missing.fll");
    EXPECT_EQ(e.reason(), "No such file or directory");
  }
  EXPECT_EQ(doc.XLSheet2.Text(1, 2), "5.7498");
}

// A file that gives no name line is named after itself, never after the fuel loaded
// before it, so that a save cannot write it under another fuel's name.
TEST_F(FuelIoTest, FileWithoutANameLineIsNamedAfterTheFile) {
  FuelDocument doc;
  ASSERT_TRUE(LoadLibraryFuel(doc, Write("coal.fll", kCoalName + "\r\n10 20 55 4 1 2 8")));
  ASSERT_EQ(doc.ComboBox1, "Уголь");
  ASSERT_TRUE(LoadLibraryFuel(doc, Write("Пустой.fll", "")));
  EXPECT_EQ(doc.ComboBox1, "Пустой");
  EXPECT_EQ(doc.XLSheet10.Text(2, 2), "0");  // values not present are 0
  ASSERT_TRUE(LoadLibraryFuel(doc, Write("no line end.FLL", "Gas 94 0 0")));
  EXPECT_EQ(doc.ComboBox1, "no line end");
  EXPECT_EQ(doc.XLSheet10.Text(2, 0), "0");
  ASSERT_TRUE(LoadLibraryFuel(doc, Write("fuel.fll.txt", "")));  // only ".fll" is cut off
  EXPECT_EQ(doc.ComboBox1, "fuel.fll.txt");
  // A name line that ends with its CR gives its name, an empty one included.
  ASSERT_TRUE(LoadLibraryFuel(doc, Write("unnamed.fll", "\r\n1 2 3")));
  EXPECT_EQ(doc.ComboBox1, "");

  ASSERT_TRUE(LoadLibraryFuel(doc, Write("Пустой.fll", "")));
  SaveFuel(doc, dir_ / "saved.fll");
  EXPECT_EQ(Read(dir_ / "saved.fll").substr(0, 8), "\xCF\xF3\xF1\xF2\xEE\xE9\r\n");
}

TEST_F(FuelIoTest, SaveWritesTheRecordAndReadsBackTheSame) {
  FuelDocument doc(',');
  doc.ComboBox1 = "Донецкий уголь Д";
  doc.XLSheet10.SetText(2, 0, "1234567,891");
  doc.XLSheet10.SetText(2, 1, "0,0004");
  doc.XLSheet10.SetText(2, 2, "-2,5");
  doc.XLSheet10.SetText(2, 3, "4,12345");
  const fs::path path = dir_ / "out.fll";
  SaveFuel(doc, path);
  const std::string bytes = Read(path);
  EXPECT_EQ(bytes.substr(0, bytes.find('\r')),
            "\xC4\xEE\xED\xE5\xF6\xEA\xE8\xE9 \xF3\xE3\xEE\xEB\xFC \xC4");
  EXPECT_NE(bytes.find("\r\n1234567.875 0.000 -2.500 4.123 0.000 "), std::string::npos);
  EXPECT_EQ(bytes.back(), ' ');

  // After the save the document holds what the file holds: the values the three decimals
  // changed are named with the record view's label, the others are not (1234567,891 was
  // already the single 1234567.875); the input grid shows what a load of the file shows,
  // and a second save writes the same bytes.
  EXPECT_EQ(RoundedValuesText(RoundRecordAsSaved(doc)),
            "Зольность 0,0004 → 0; Водород 4,12345 → 4,123");
  EXPECT_EQ(doc.XLSheet10.Text(2, 2), "-2,5");
  EXPECT_EQ(doc.XLSheet3.Text(1, 1), "1234567,9");
  EXPECT_EQ(doc.XLSheet3.Text(1, 4), "4,123");
  EXPECT_EQ(SaveBytes(doc), bytes);
  EXPECT_TRUE(RoundRecordAsSaved(doc).empty());

  FuelDocument loaded(',');
  ASSERT_TRUE(LoadLibraryFuel(loaded, path));
  EXPECT_EQ(loaded.ComboBox1, "Донецкий уголь Д");
  for (int row = 0; row < fuel::kRecordSize; ++row) {
    EXPECT_EQ(loaded.XLSheet10.Text(2, row), doc.XLSheet10.Text(2, row)) << "record row " << row;
  }
  const fs::path again = dir_ / "again.fll";
  SaveFuel(loaded, again);
  EXPECT_EQ(Read(again), bytes);
  EXPECT_EQ(SaveBytes(loaded), bytes);
}

TEST_F(FuelIoTest, ValueThatIsNotANumberLeavesTheOldFileWhole) {
  const fs::path path = Write("keep.fll", "old content");
  FuelDocument doc;
  doc.XLSheet10.SetText(2, 17, "12,5");  // a comma where the separator is a point
  try {
    SaveFuel(doc, path);
    FAIL() << "saved a record with a bad value";
  } catch (const sheets::ConvertError& e) {
    EXPECT_STREQ(e.what(), "'12,5' is not a valid floating point value");
  }
  EXPECT_EQ(Read(path), "old content");
  EXPECT_EQ(SaveBytes(doc), std::nullopt);  // nothing a save could write
}

}  // namespace
}  // namespace calc
