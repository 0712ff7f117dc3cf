// Loading a library fuel file into the document and saving the record to a file.
#pragma once

#include <array>
#include <filesystem>
#include <string>

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

// Writes the record with the name of ComboBox1 to `path`; the old file stays whole when
// a value does not convert or the write fails (sheets::ConvertError, fuel::FileError).
void SaveFuel(const FuelDocument& doc, const std::filesystem::path& path);

}  // namespace calc
