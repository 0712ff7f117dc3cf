// Choosing and seeding the library folder.
#include "library/library_folder.h"

#include <unistd.h>

#include <system_error>

#include "fuel/atomic_file.h"
#include "fuel/fuel_file.h"
#include "library/fuel_folder.h"

namespace library {

namespace fs = std::filesystem;

bool IsWritableFolder(const fs::path& folder) {
  std::error_code error;
  return fs::is_directory(folder, error) && ::access(folder.c_str(), W_OK | X_OK) == 0;
}

bool SeedLibraryFolder(const fs::path& folder, const fs::path& examples) {
  std::error_code error;
  if (fs::exists(folder, error)) return fs::is_directory(folder, error);
  if (!fs::create_directories(folder, error)) return fs::is_directory(folder, error);
  for (const fs::path& example : ListFuelFiles(examples)) {
    const fs::path copy = folder / example.filename();
    if (fs::copy_file(example, copy, error)) {
      fs::permissions(copy, fs::perms::owner_read | fs::perms::owner_write, fs::perm_options::add,
                      error);
    }
  }
  return true;
}

std::string FolderProblem(const fs::path& folder) {
  std::error_code error;
  const fs::file_status link = fs::symlink_status(folder, error);
  const fs::file_status target = fs::status(folder, error);
  if (!fs::exists(target)) {
    return fs::is_symlink(link) ? "ссылка указывает на несуществующий объект"
                                : "папка не существует и не может быть создана";
  }
  if (!fs::is_directory(target)) return "на ее месте находится файл, а не папка";
  if (::access(folder.c_str(), R_OK | X_OK) != 0) return "нет прав на чтение папки";
  return {};
}

fs::path PrepareLibraryFolder(const fs::path& program_dir, const fs::path& data_dir) {
  const fs::path beside_program = program_dir / "Fuel";
  if (EnsureFolder(beside_program) && IsWritableFolder(beside_program)) {
    fuel::RemoveStaleTemporaries(beside_program);
    return beside_program;
  }
  const fs::path in_data = data_dir / "Fuel";
  SeedLibraryFolder(in_data, beside_program);
  fuel::RemoveStaleTemporaries(in_data);
  return in_data;
}

}  // namespace library
