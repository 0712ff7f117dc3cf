// A text compared with a file kept beside the tests: the whole output of a run, so that a
// changed label, width, key or byte shows as a diff. After a change that is meant, run
// the test with PYRANA_WRITE_GOLDEN=1 to write the file anew and read the diff in git.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

namespace test {

// `path` is relative to the source tree, e.g. "tests/cli/calculator.golden".
inline void ExpectGolden(const std::string& path, const std::string& actual) {
  const std::string file = std::string(PYRANA_SOURCE_DIR) + "/" + path;
  if (std::getenv("PYRANA_WRITE_GOLDEN") != nullptr) {
    std::ofstream(file, std::ios::binary) << actual;
    GTEST_SKIP() << "wrote " << file;
  }
  std::ifstream in(file, std::ios::binary);
  ASSERT_TRUE(in) << file << " is missing; PYRANA_WRITE_GOLDEN=1 writes it";
  const std::string expected{std::istreambuf_iterator<char>(in), {}};
  EXPECT_EQ(actual, expected) << "differs from " << file;
}

}  // namespace test
