// Loading a library fuel file into the document and saving the record to a file.
#pragma once

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "calc/fuel_document.h"
#include "fuel/fuel_file.h"

namespace calc {

// Reads the fuel file into the record, the name and the type, picks the solid or gas
// sheets and the volume units, then runs the cycle. Returns false when the file could
// not be read (the caller shows "Ошибка чтения !"); what was read before stays and the
// results are recomputed all the same.
bool LoadLibraryFuel(FuelDocument& doc, const std::filesystem::path& path);
// The same, but a file that could not be read throws its fuel::FileError (what failed,
// the file and the system's reason) once what was read has been recomputed. Returns what
// the file gave: a file that is not a whole fuel (Complete() false) loads as far as it
// goes, the missing values 0.
fuel::FuelFileContent ReadLibraryFuel(FuelDocument& doc, const std::filesystem::path& path);

// The fifty record values converted for saving; throws sheets::ConvertError for a value
// that is not a number, before anything is written.
std::array<float, fuel::kRecordSize> RecordForSave(const FuelDocument& doc);

// The bytes a save would write now: the name of ComboBox1 and the record as RecordForSave
// gives it; nullopt when the record or the name cannot be written. Two documents that give
// the same bytes save the same file.
std::optional<std::string> SaveBytes(const FuelDocument& doc);

// A record value that the file's three decimals changed, with the label the record view
// shows for its row (trimmed) and its text before and after, as the record view shows them.
struct RoundedValue {
  int row = 0;
  std::string label;
  std::string before;
  std::string after;
};

// Puts into the record the values a fuel file holds for it (each written with three
// decimals and read back as a load reads it), then scatters and recomputes, so that the
// grids show what was saved. Gives the values that changed; throws as RecordForSave.
std::vector<RoundedValue> RoundRecordAsSaved(FuelDocument& doc);

// "Влажность 10,12345 → 10,123", the changes joined with "; ".
std::string RoundedValuesText(const std::vector<RoundedValue>& changes);

// Writes the record with the name of ComboBox1 to `path` and returns the bytes written;
// the old file stays whole when a value does not convert or the write fails
// (sheets::ConvertError, fuel::FileError).
std::string SaveFuel(const FuelDocument& doc, const std::filesystem::path& path);

}  // namespace calc
