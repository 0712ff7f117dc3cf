// fuel::FileError: a file that could not be opened, read or written, with the file and
// why; and the reasons of the operating system that the reader and the writer give.
#pragma once

#include <sys/types.h>

#include <filesystem>
#include <stdexcept>
#include <string>

namespace fuel {

// What a path names; anything but a regular file is neither read nor replaced.
enum class FileKind { kRegular, kFolder, kFifo, kDevice, kSocket, kOther };

// The kind of a file of mode `mode` (st_mode of stat).
FileKind KindOfMode(mode_t mode);

// The operating system's text for an error number ("No space left on device").
std::string SystemReason(int error);

// A file that cannot be opened, read or written: what failed, the file, and why (the
// operating system's reason where there is one).
class FileError : public std::runtime_error {
 public:
  explicit FileError(const std::string& message) : std::runtime_error(message) {}
  // The message is `action` "`path`": `reason`.
  FileError(const std::string& action, std::filesystem::path path, std::string reason);
  // The reason is the operating system's text for `error`.
  FileError(const std::string& action, std::filesystem::path path, int error);
  // `path` names a folder, a FIFO, a device or a socket where a regular file was needed.
  FileError(const std::string& action, std::filesystem::path path, FileKind kind);

  const std::filesystem::path& path() const { return path_; }
  const std::string& reason() const { return reason_; }
  // The error number behind the reason; 0 when the reason is not the system's.
  int error_code() const { return error_code_; }
  // What the path is when it is not a regular file; kRegular otherwise.
  FileKind kind() const { return kind_; }

 private:
  std::filesystem::path path_;
  std::string reason_;
  int error_code_ = 0;
  FileKind kind_ = FileKind::kRegular;
};

}  // namespace fuel
