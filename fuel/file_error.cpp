// The texts of fuel::FileError.
#include "fuel/file_error.h"

#include <sys/stat.h>

#include <cerrno>
#include <system_error>
#include <utility>

namespace fuel {

namespace {

// A path for a message, in UTF-8 and quoted.
std::string Quoted(const std::filesystem::path& path) {
  const std::u8string text = path.u8string();
  return "\"" + std::string(reinterpret_cast<const char*>(text.data()), text.size()) + "\"";
}

// Why a file of this kind is not read or replaced as a fuel file.
std::string NotRegularReason(FileKind kind) {
  switch (kind) {
    case FileKind::kFolder:
      return SystemReason(EISDIR);
    case FileKind::kFifo:
      return "not a regular file (a FIFO)";
    case FileKind::kDevice:
      return "not a regular file (a device)";
    case FileKind::kSocket:
      return "not a regular file (a socket)";
    case FileKind::kRegular:
    case FileKind::kOther:
      break;
  }
  return "not a regular file";
}

}  // namespace

FileKind KindOfMode(mode_t mode) {
  if (S_ISREG(mode)) return FileKind::kRegular;
  if (S_ISDIR(mode)) return FileKind::kFolder;
  if (S_ISFIFO(mode)) return FileKind::kFifo;
  if (S_ISCHR(mode) || S_ISBLK(mode)) return FileKind::kDevice;
  if (S_ISSOCK(mode)) return FileKind::kSocket;
  return FileKind::kOther;
}

std::string SystemReason(int error) { return std::generic_category().message(error); }

FileError::FileError(const std::string& action, std::filesystem::path path, std::string reason)
    : std::runtime_error(action + " " + Quoted(path) + ": " + reason),
      path_(std::move(path)),
      reason_(std::move(reason)) {}

FileError::FileError(const std::string& action, std::filesystem::path path, int error)
    : FileError(action, std::move(path), SystemReason(error)) {
  error_code_ = error;
}

FileError::FileError(const std::string& action, std::filesystem::path path, FileKind kind)
    : FileError(action, std::move(path), NotRegularReason(kind)) {
  error_code_ = kind == FileKind::kFolder ? EISDIR : 0;
  kind_ = kind;
}

}  // namespace fuel
