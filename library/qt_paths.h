// File system paths between std::filesystem and Qt texts, in the file name encoding.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <filesystem>

namespace library {

inline std::filesystem::path ToPath(const QString& text) {
  return std::filesystem::path(QFile::encodeName(text).toStdString());
}

inline QString ToQString(const std::filesystem::path& path) {
  return QFile::decodeName(QByteArray::fromStdString(path.native()));
}

}  // namespace library
