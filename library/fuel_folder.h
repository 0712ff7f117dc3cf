// The library folder scan behind the fuel list: the "*.fll" files of a folder in
// file-name order, each with the fuel name of its first line and its type value.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "library/type_filters.h"

namespace library {

// One line of the fuel list and the file behind it.
struct FuelEntry {
  std::string name;  // UTF-8, as ReadNameLine gives it (may be empty, may repeat)
  std::filesystem::path path;
  float type_value = 0;  // record value 15 as read; 0 when the file holds fewer numbers
};

// Compares two file names without regard to case (ASCII, Latin-1 and Cyrillic letters);
// names equal but for case are ordered by their bytes. Returns <0, 0 or >0.
int CompareFileNames(std::string_view a, std::string_view b);

// The regular files of `folder` whose name ends in ".fll" in any case, in the order of
// CompareFileNames. A folder that does not exist or cannot be read gives no files.
std::vector<std::filesystem::path> ListFuelFiles(const std::filesystem::path& folder);
// The same, with the reason in `error` when the folder cannot be opened or listed to its
// end (the files listed before that are still given).
std::vector<std::filesystem::path> ListFuelFiles(const std::filesystem::path& folder,
                                                 std::error_code& error);

// Reads the name line and the first 20 numbers of a fuel file, never more than the
// reader's bounds however large the file; throws fuel::FileError when the file cannot be
// opened or read.
FuelEntry ReadFuelEntry(const std::filesystem::path& path);

// The fuel list of `files`: every file that the filters do not exclude, in the given
// order. Files that cannot be opened or read are left out.
std::vector<FuelEntry> ReadFuelList(const std::vector<std::filesystem::path>& files,
                                    const TypeFilters& filters);

// ReadFuelList over ListFuelFiles(folder).
std::vector<FuelEntry> ScanFuelFolder(const std::filesystem::path& folder,
                                      const TypeFilters& filters);

// Creates `folder` when it does not exist (only the last level). Returns whether the
// folder exists afterwards.
bool EnsureFolder(const std::filesystem::path& folder);

}  // namespace library
