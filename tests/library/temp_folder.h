// What the library tests share: a fresh folder of tests/support for each test, and fuel
// files written into it byte for byte.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>

#include "support/temp_dir.h"

namespace library::test {

class TempFolderTest : public ::testing::Test {
 protected:
  // Writes `bytes` to `path`, taken within the test's folder when relative.
  std::filesystem::path Write(const std::filesystem::path& path, const std::string& bytes) {
    const std::filesystem::path full = dir_ / path;  // an absolute path stays as it is
    ::test::WriteBytes(full, bytes);
    return full;
  }

  // A fuel file: the name line (Windows-1251 bytes), CR LF, fifty values with `type` as
  // value 15.
  static std::string FuelBytes(const std::string& name, float type) {
    std::string bytes = name + "\r\n";
    for (int i = 0; i < 50; ++i) bytes += (i == 15 ? std::to_string(type) : "1.000") + " ";
    return bytes;
  }

  static std::set<std::string> FileNames(const std::filesystem::path& folder) {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
      names.insert(entry.path().filename().string());
    }
    return names;
  }

  ::test::TempDir temp_;
  const std::filesystem::path dir_ = temp_.path();
};

}  // namespace library::test
