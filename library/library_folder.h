// Where the fuel library lives: beside the program when that folder can be written into,
// otherwise in the user's data folder, filled once with the program's example fuels.
#pragma once

#include <filesystem>
#include <string>

namespace library {

// Whether `folder` is a directory that this process may create files in.
bool IsWritableFolder(const std::filesystem::path& folder);

// When `folder` does not exist, creates it with its parents and copies the "*.fll" files
// of `examples` (when that folder exists) into it, each writable by its owner; a file that
// cannot be copied is left out. An existing `folder` is left as it is, so fuels the user
// deleted stay deleted. Returns whether `folder` is a directory afterwards.
bool SeedLibraryFolder(const std::filesystem::path& folder, const std::filesystem::path& examples);

// Why the fuels of `folder` cannot be listed (nothing there, a dangling link, a file in
// its place, no permission to read it), in words for the user; empty when they can.
std::string FolderProblem(const std::filesystem::path& folder);

// The library folder of a start-up: `program_dir`/Fuel when that folder exists or can be
// created and can be written into; otherwise `data_dir`/Fuel, seeded by SeedLibraryFolder
// with the fuels of `program_dir`/Fuel (the examples of a read-only installation). The
// stale temporaries of saves killed half way are removed from it.
std::filesystem::path PrepareLibraryFolder(const std::filesystem::path& program_dir,
                                           const std::filesystem::path& data_dir);

}  // namespace library
