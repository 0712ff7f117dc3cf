// Listing and reading the fuel files of a library folder.
#include "library/fuel_folder.h"

#include <algorithm>
#include <string>
#include <system_error>
#include <utility>

#include "fuel/fuel_file.h"

namespace library {

namespace {

// The next code point of a UTF-8 text; a byte that starts no valid sequence is returned
// as 0xDC00 + byte so that every text folds to something comparable.
char32_t NextCodePoint(std::string_view text, std::size_t& pos) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = byte(pos);
  int extra = 0;
  char32_t code = 0;
  if (lead < 0x80) {
    ++pos;
    return lead;
  } else if ((lead & 0xE0) == 0xC0) {
    extra = 1;
    code = lead & 0x1F;
  } else if ((lead & 0xF0) == 0xE0) {
    extra = 2;
    code = lead & 0x0F;
  } else if ((lead & 0xF8) == 0xF0) {
    extra = 3;
    code = lead & 0x07;
  } else {
    ++pos;
    return 0xDC00 + lead;
  }
  if (pos + static_cast<std::size_t>(extra) >= text.size()) {
    ++pos;
    return 0xDC00 + lead;
  }
  for (int i = 1; i <= extra; ++i) {
    const unsigned char next = byte(pos + static_cast<std::size_t>(i));
    if ((next & 0xC0) != 0x80) {
      ++pos;
      return 0xDC00 + lead;
    }
    code = (code << 6) | (next & 0x3F);
  }
  pos += static_cast<std::size_t>(extra) + 1;
  return code;
}

char32_t FoldCase(char32_t c) {
  if (c >= U'A' && c <= U'Z') return c + 0x20;
  if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return c + 0x20;  // Latin-1 capitals
  if (c >= 0x0410 && c <= 0x042F) return c + 0x20;           // А..Я
  if (c >= 0x0400 && c <= 0x040F) return c + 0x50;           // Ѐ..Џ, Ё among them
  return c;
}

bool HasFuelExtension(std::string_view name) {
  constexpr std::string_view kExtension = ".fll";
  if (name.size() < kExtension.size()) return false;
  const std::string_view tail = name.substr(name.size() - kExtension.size());
  return std::equal(tail.begin(), tail.end(), kExtension.begin(), [](char a, char b) {
    return (a >= 'A' && a <= 'Z' ? static_cast<char>(a + 0x20) : a) == b;
  });
}

// The name's code points with the case of Latin and Cyrillic letters folded.
std::u32string Folded(std::string_view name) {
  std::u32string folded;
  folded.reserve(name.size());
  for (std::size_t pos = 0; pos < name.size();)
    folded.push_back(FoldCase(NextCodePoint(name, pos)));
  return folded;
}

// The order of CompareFileNames as a key computed once per name: the folded code points,
// then the bytes.
struct FileNameKey {
  std::u32string folded;
  std::string bytes;
  std::filesystem::path path;

  bool operator<(const FileNameKey& other) const {
    if (const int order = folded.compare(other.folded); order != 0) return order < 0;
    return bytes < other.bytes;
  }
};

FileNameKey KeyOf(std::filesystem::path path) {
  std::string bytes = path.filename().string();
  std::u32string folded = Folded(bytes);
  return {std::move(folded), std::move(bytes), std::move(path)};
}

}  // namespace

int CompareFileNames(std::string_view a, std::string_view b) {
  if (const int order = Folded(a).compare(Folded(b)); order != 0) return order < 0 ? -1 : 1;
  return a.compare(b) < 0 ? -1 : (a == b ? 0 : 1);
}

std::vector<std::filesystem::path> ListFuelFiles(const std::filesystem::path& folder) {
  std::error_code ignored;
  return ListFuelFiles(folder, ignored);
}

std::vector<std::filesystem::path> ListFuelFiles(const std::filesystem::path& folder,
                                                 std::error_code& error) {
  std::vector<FileNameKey> keys;
  error.clear();
  std::filesystem::directory_iterator it(folder, error);
  if (error) return {};
  for (const std::filesystem::directory_iterator end; it != end; it.increment(error)) {
    if (error) break;
    const std::filesystem::path& path = it->path();
    if (!HasFuelExtension(path.filename().string())) continue;
    std::error_code type_error;
    if (!it->is_regular_file(type_error)) continue;
    keys.push_back(KeyOf(path));
  }
  std::sort(keys.begin(), keys.end());
  std::vector<std::filesystem::path> files;
  files.reserve(keys.size());
  for (FileNameKey& key : keys) files.push_back(std::move(key.path));
  return files;
}

FuelEntry ReadFuelEntry(const std::filesystem::path& path) {
  const fuel::FuelFileContent content = fuel::ReadFuelFile(path, fuel::kListCount);
  FuelEntry entry;
  entry.name = fuel::Cp1251ToUtf8(content.name_line.name);
  entry.path = path;
  entry.type_value = content.values[fuel::kTypeRow];
  return entry;
}

std::vector<FuelEntry> ReadFuelList(const std::vector<std::filesystem::path>& files,
                                    const TypeFilters& filters) {
  std::vector<FuelEntry> entries;
  for (const std::filesystem::path& path : files) {
    try {
      FuelEntry entry = ReadFuelEntry(path);
      if (!IsExcluded(filters, entry.type_value)) entries.push_back(std::move(entry));
    } catch (const fuel::FileError&) {
      // A file that cannot be read is not a fuel of the list.
    }
  }
  return entries;
}

std::vector<FuelEntry> ScanFuelFolder(const std::filesystem::path& folder,
                                      const TypeFilters& filters) {
  return ReadFuelList(ListFuelFiles(folder), filters);
}

bool EnsureFolder(const std::filesystem::path& folder) {
  std::error_code error;
  if (std::filesystem::is_directory(folder, error)) return true;
  std::filesystem::create_directory(folder, error);
  return std::filesystem::is_directory(folder, error);
}

}  // namespace library
