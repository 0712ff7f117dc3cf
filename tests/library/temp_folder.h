// What the library tests share: a fresh folder under the system's temporary folder for each
// test, removed afterwards, and fuel files written into it byte for byte.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <string>

namespace library::test {

class TempFolderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const ::testing::TestInfo& info = *::testing::UnitTest::GetInstance()->current_test_info();
    dir_ = std::filesystem::temp_directory_path() /
           (std::string("pyrana_") + info.test_suite_name() + "_" + info.name());
    TearDown();
    std::filesystem::create_directories(dir_);
  }
  void TearDown() override {
    std::error_code error;
    std::filesystem::remove_all(dir_, error);
  }

  // Writes `bytes` to `path`, taken within the test's folder when relative.
  std::filesystem::path Write(const std::filesystem::path& path, const std::string& bytes) {
    const std::filesystem::path full = path.is_absolute() ? path : dir_ / path;
    std::ofstream(full, std::ios::binary | std::ios::trunc) << bytes;
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

  std::filesystem::path dir_;
};

}  // namespace library::test
