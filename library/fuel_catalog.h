// The fuels of one folder as last read, so that the list can be filtered again without
// reading a file, and a rescan reads only the files that changed since.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <unordered_map>
#include <vector>

#include "library/fuel_folder.h"
#include "library/type_filters.h"

namespace library {

class FuelCatalog {
 public:
  // Lists `folder` again; a file whose size and modification time are those seen at the
  // last scan of the same folder keeps the entry read then, every other file is read.
  // Files that cannot be read are left out (and read again at the next scan). Returns
  // how many files were read.
  int Scan(const std::filesystem::path& folder);

  const std::filesystem::path& Folder() const { return folder_; }
  // Every fuel of the folder, in file-name order.
  const std::vector<FuelEntry>& Entries() const { return entries_; }
  // The positions in Entries() of the fuels that `filters` do not exclude.
  std::vector<std::size_t> Shown(const TypeFilters& filters) const;

 private:
  struct Stamp {
    std::int64_t size = 0;
    std::int64_t seconds = 0;
    std::int64_t nanoseconds = 0;
    bool operator==(const Stamp&) const = default;
  };
  struct Known {
    Stamp stamp;
    FuelEntry entry;
  };

  std::filesystem::path folder_;
  std::vector<FuelEntry> entries_;
  std::unordered_map<std::string, Known> known_;  // by the file's path
};

}  // namespace library
