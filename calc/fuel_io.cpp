// Loading and saving the fuel record.
#include "calc/fuel_io.h"

#include <algorithm>
#include <cctype>
#include <exception>
#include <string>
#include <string_view>

#include "calc/cycle.h"
#include "calc/sheet_cells.h"
#include "calc/text.h"
#include "fuel/atomic_file.h"
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
  for (int row = 0; row < fuel::kRecordSize; ++row)
    doc.XLSheet10.SetInteger(kRecordValueCol, row, 0);
  for (int row = 0; row < fuel::kRecordSize; ++row) {
    doc.XLSheet10.SetSingle(kRecordValueCol, row, content.values[static_cast<std::size_t>(row)]);
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
    values[static_cast<std::size_t>(row)] = doc.XLSheet10.Number(kRecordValueCol, row);
  }
  return values;
}

std::optional<std::string> SaveBytes(const FuelDocument& doc) {
  try {
    return fuel::FormatFuelFile(fuel::Utf8ToCp1251(doc.ComboBox1), RecordForSave(doc));
  } catch (const std::exception&) {
    // A value that is no number or no finite single, or a name outside Windows-1251.
    return std::nullopt;
  }
}

std::vector<RoundedValue> RoundRecordAsSaved(FuelDocument& doc) {
  const auto values = RecordForSave(doc);
  // The numbers as a load reads them back from the bytes a save writes.
  const std::string bytes = fuel::FormatFuelFile({}, values);
  const std::vector<float> saved =
      fuel::ReadNumbers(bytes, fuel::ReadNameLine(bytes).numbers_start, fuel::kRecordSize);
  std::vector<RoundedValue> changes;
  sheets::Sheet& record = doc.XLSheet10;
  for (int row = 0; row < fuel::kRecordSize; ++row) {
    const std::size_t i = static_cast<std::size_t>(row);
    const std::string before = record.Text(2, row);
    record.SetSingle(2, row, saved[i]);
    if (saved[i] == values[i]) continue;
    changes.push_back({row, SpacesTrimmed(record.Text(1, row)), before, record.Text(2, row)});
  }
  ScatterAllData(doc);
  RecalcFuel(doc);
  return changes;
}

std::string RoundedValuesText(const std::vector<RoundedValue>& changes) {
  std::string text;
  for (const RoundedValue& change : changes) {
    if (!text.empty()) text += "; ";
    text += change.label + " " + change.before + " → " + change.after;
  }
  return text;
}

std::string SaveFuel(const FuelDocument& doc, const std::filesystem::path& path) {
  std::string bytes = fuel::FormatFuelFile(fuel::Utf8ToCp1251(doc.ComboBox1), RecordForSave(doc));
  fuel::WriteFileAtomically(path, bytes);
  return bytes;
}

}  // namespace calc
