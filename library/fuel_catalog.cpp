// FuelCatalog: the folder's listing against what was read before.
#include "library/fuel_catalog.h"

#include <sys/stat.h>

#include <optional>

#include "fuel/fuel_file.h"

namespace library {

namespace {

// Size and modification time of a file in one call; nothing when it cannot be read.
template <typename Stamp>
std::optional<Stamp> StampOf(const std::filesystem::path& path) {
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0) return std::nullopt;
  return Stamp{static_cast<std::int64_t>(info.st_size),
               static_cast<std::int64_t>(info.st_mtim.tv_sec),
               static_cast<std::int64_t>(info.st_mtim.tv_nsec)};
}

}  // namespace

int FuelCatalog::Scan(const std::filesystem::path& folder) {
  if (folder != folder_) {
    known_.clear();
    folder_ = folder;
  }
  std::unordered_map<std::string, Known> seen;
  seen.reserve(known_.size());
  entries_.clear();
  int read = 0;
  for (const std::filesystem::path& path : ListFuelFiles(folder)) {
    const std::optional<Stamp> stamp = StampOf<Stamp>(path);
    const auto old = known_.find(path.native());
    if (stamp && old != known_.end() && old->second.stamp == *stamp) {
      entries_.push_back(old->second.entry);
      seen.emplace(path.native(), std::move(old->second));
      continue;
    }
    ++read;
    try {
      FuelEntry entry = ReadFuelEntry(path);
      entries_.push_back(entry);
      // A file whose stamp could not be taken is read again next time.
      if (stamp) seen.emplace(path.native(), Known{*stamp, std::move(entry)});
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
