// FuelCatalog: the folder's listing against what was read before.
#include "library/fuel_catalog.h"

#include <system_error>

#include "fuel/fuel_file.h"

namespace library {

int FuelCatalog::Scan(const std::filesystem::path& folder) {
  if (folder != folder_) {
    known_.clear();
    folder_ = folder;
  }
  std::map<std::filesystem::path, Known> seen;
  entries_.clear();
  int read = 0;
  for (const std::filesystem::path& path : ListFuelFiles(folder)) {
    std::error_code error;
    Stamp stamp{std::filesystem::file_size(path, error), {}};
    if (!error) stamp.time = std::filesystem::last_write_time(path, error);
    const auto old = known_.find(path);
    if (!error && old != known_.end() && old->second.stamp == stamp) {
      entries_.push_back(old->second.entry);
      seen.emplace(path, std::move(old->second));
      continue;
    }
    ++read;
    try {
      FuelEntry entry = ReadFuelEntry(path);
      entries_.push_back(entry);
      // A file whose stamp could not be taken is read again next time.
      if (!error) seen.emplace(path, Known{stamp, std::move(entry)});
    } catch (const fuel::FileError&) {
      // A file that cannot be read is not a fuel of the list.
    }
  }
  known_ = std::move(seen);
  return read;
}

std::vector<std::size_t> FuelCatalog::Shown(const TypeFilters& filters) const {
  std::vector<std::size_t> shown;
  shown.reserve(entries_.size());
  for (std::size_t i = 0; i < entries_.size(); ++i) {
    if (!IsExcluded(filters, entries_[i].type_value)) shown.push_back(i);
  }
  return shown;
}

}  // namespace library
