// Loading a library fuel into the document and saving the record back.
#include "calc/fuel_io.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "calc/fuel_document.h"
#include "sheets/errors.h"
#include "support/temp_dir.h"

namespace calc {
namespace {

// "Уголь" in Windows-1251.
const std::string kCoalName = "\xD3\xE3\xEE\xEB\xFC";

// The name, the type and the kind of sheets a file gives; a file without a name line is
// named after itself, never after the fuel loaded before it, so that a save cannot write
// it under another fuel's name.
TEST(FuelIoTest, FileGivesNameTypeAndSheets) {
  test::TempDir dir;
  FuelDocument doc;
  const std::vector<std::tuple<std::string, std::string, std::string, int, const char*>> files = {
      {"coal.fll", kCoalName + "\r\n10 20 55 4 1 2 8 0 21861 0 0 0 0 0 0 1.000 ", "Уголь", 1,
       "Нм3/кг"},
      {"gas.fll", "Gas\r\n94 0 0 0 0 0 0 0 0 0 0 0 0 0 0 6.000 ", "Gas", kGasType, "м3/м3"},
      // A type value that names no entry: nothing selected, the solid layout.
      {"odd.fll", "Odd\r\n1 0 0 0 0 0 0 0 0 0 0 0 0 0 0 7 ", "Odd", -1, "Нм3/кг"},
      {"Пустой.fll", "", "Пустой", 0, "Нм3/кг"},
      {"no line end.FLL", "Gas 94 0 0", "no line end", 0, "Нм3/кг"},
      {"fuel.fll.txt", "", "fuel.fll.txt", 0, "Нм3/кг"},  // only ".fll" is cut off
      {"unnamed.fll", "\r\n1 2 3", "", 0, "Нм3/кг"},      // a name line ending in CR names it
  };
  for (const auto& [file, bytes, name, type, unit] : files) {
    ASSERT_TRUE(LoadLibraryFuel(doc, dir.Write(file, bytes))) << file;
    EXPECT_EQ(doc.ComboBox1, name) << file;
    EXPECT_EQ(doc.ComboBox3, type) << file;
    EXPECT_EQ(doc.GasSheetsShown, type == kGasType) << file;
    EXPECT_EQ(doc.XLSheet2.Text(2, 2), unit) << file;
    EXPECT_EQ(doc.Caption, dir / file);
  }
  EXPECT_EQ(doc.XLSheet10.Text(2, 2), "3");
  EXPECT_EQ(doc.XLSheet10.Text(2, 3), "0");  // values not present are 0
}

TEST(FuelIoTest, UnreadableFileKeepsWhatWasThereAndStillRecalculates) {
  test::TempDir dir;
  FuelDocument doc;
  ASSERT_TRUE(LoadLibraryFuel(doc, dir.Write("coal.fll", kCoalName + "\r\n10 20 55 4 1 2 8")));
  doc.XLSheet2.SetText(1, 2, "stale");
  EXPECT_FALSE(LoadLibraryFuel(doc, dir / "missing.fll"));
  EXPECT_EQ(doc.ComboBox1, "Уголь");
  EXPECT_EQ(doc.XLSheet10.Text(2, 2), "55");
  EXPECT_EQ(doc.XLSheet2.Text(1, 2), "5.7498");
  EXPECT_EQ(doc.Caption, dir / "missing.fll");
  // The throwing variant says why, and recomputes all the same.
  doc.XLSheet2.SetText(1, 2, "stale");
  EXPECT_THROW(ReadLibraryFuel(doc, dir / "missing.fll"), fuel::FileError);
  EXPECT_EQ(doc.XLSheet2.Text(1, 2), "5.7498");
}

TEST(FuelIoTest, SaveWritesTheRecordAndReadsBackTheSameOrNothing) {
  test::TempDir dir;
  FuelDocument doc(',');
  doc.ComboBox1 = "Донецкий уголь Д";
  doc.XLSheet10.SetText(2, 0, "1234567,891");
  doc.XLSheet10.SetText(2, 1, "0,0004");
  doc.XLSheet10.SetText(2, 2, "-2,5");
  doc.XLSheet10.SetText(2, 3, "4,12345");
  SaveFuel(doc, dir / "out.fll");
  const std::string bytes = test::ReadBytes(dir / "out.fll");

  // After the save the document holds what the file holds: the values the three decimals
  // changed are named with the record view's label (1234567,891 was already the single
  // 1234567.875); the input grid shows what a load shows; a second save writes the same.
  EXPECT_EQ(RoundedValuesText(RoundRecordAsSaved(doc)),
            "Зольность 0,0004 → 0; Водород 4,12345 → 4,123");
  EXPECT_EQ(doc.XLSheet3.Text(1, 1), "1234567,9");
  EXPECT_EQ(doc.XLSheet3.Text(1, 4), "4,123");
  EXPECT_EQ(SaveBytes(doc), bytes);
  EXPECT_TRUE(RoundRecordAsSaved(doc).empty());

  FuelDocument loaded(',');
  ASSERT_TRUE(LoadLibraryFuel(loaded, dir / "out.fll"));
  EXPECT_EQ(loaded.ComboBox1, "Донецкий уголь Д");
  for (int row = 0; row < fuel::kRecordSize; ++row) {
    EXPECT_EQ(loaded.XLSheet10.Text(2, row), doc.XLSheet10.Text(2, row)) << "record row " << row;
  }
  EXPECT_EQ(SaveBytes(loaded), bytes);

  // A value that is no number (a point where the separator is a comma) leaves the old file
  // whole: there is nothing a save could write.
  doc.XLSheet10.SetText(2, 17, "12.5");
  EXPECT_THROW(SaveFuel(doc, dir / "out.fll"), sheets::ConvertError);
  EXPECT_EQ(test::ReadBytes(dir / "out.fll"), bytes);
  EXPECT_EQ(SaveBytes(doc), std::nullopt);
}

}  // namespace
}  // namespace calc
