// Loading and saving the fuel record.
#include "calc/fuel_io.h"

#include <algorithm>
#include <cctype>
#include <exception>
#include <string>
#include <string_view>

#include "calc/cycle.h"
#include "sheets/numbers.h"

namespace calc {

namespace {

// The file's name without its ".fll" (in any case), for a file that gives no name line.
std::string NameFromFileName(const std::filesystem::path& path) {
  std::string name = path.filename().string();
  constexpr std::string_view kExtension = ".fll";
  if (name.size() > kExtension.size()) {
    const std::string_view tail = std::string_view(name).substr(name.size() - kExtension.size());
    const bool fll = std::equal(tail.begin(), tail.end(), kExtension.begin(), [](char a, char b) {
      return std::tolower(static_cast<unsigned char>(a)) == b;
    });
    if (fll) name.resize(name.size() - kExtension.size());
  }
  return name;
}

// Applies the file's content to the document and returns it; throws on a failure part way.
fuel::FuelFileContent ApplyFuelFile(FuelDocument& doc, const std::filesystem::path& path) {
  fuel::FuelFileContent content = fuel::ReadFuelFile(path, fuel::kRecordSize);
  // A file without a complete name line (an empty one included) is named after itself,
  // so that a save never writes it under the name of the fuel loaded before.
  doc.ComboBox1 = content.name_line.complete ? fuel::Cp1251ToUtf8(content.name_line.name)
                                             : NameFromFileName(path);
  for (int row = 0; row < fuel::kRecordSize; ++row) doc.XLSheet10.SetInteger(2, row, 0);
  for (int row = 0; row < fuel::kRecordSize; ++row) {
    doc.XLSheet10.SetSingle(2, row, content.values[static_cast<std::size_t>(row)]);
  }
  const int type = fuel::TypeIndexOf(content.values[fuel::kTypeRow]);
  doc.ComboBox3 = (type >= 0 && type <= kGasType) ? type : -1;
  doc.GasSheetsShown = doc.ComboBox3 == kGasType;
  return content;
}

}  // namespace

fuel::FuelFileContent ReadLibraryFuel(FuelDocument& doc, const std::filesystem::path& path) {
  doc.Caption = path.string();
  std::exception_ptr failure;
  fuel::FuelFileContent content;
  try {
    content = ApplyFuelFile(doc, path);
  } catch (const fuel::FileError&) {
    failure = std::current_exception();
  }
  ScatterAllData(doc);
  RecalcFuel(doc);
  if (failure) std::rethrow_exception(failure);
  return content;
}

bool LoadLibraryFuel(FuelDocument& doc, const std::filesystem::path& path) {
  try {
    ReadLibraryFuel(doc, path);
    return true;
  } catch (const fuel::FileError&) {
    return false;
  }
}

std::array<float, fuel::kRecordSize> RecordForSave(const FuelDocument& doc) {
  std::array<float, fuel::kRecordSize> values{};
  for (int row = 0; row < fuel::kRecordSize; ++row) {
    values[static_cast<std::size_t>(row)] = doc.XLSheet10.Number(2, row);
  }
  return values;
}

void SaveFuel(const FuelDocument& doc, const std::filesystem::path& path) {
  const auto values = RecordForSave(doc);
  fuel::WriteFuelFile(path, fuel::Utf8ToCp1251(doc.ComboBox1), values);
}

}  // namespace calc
