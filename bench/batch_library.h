// The batch benchmark's library: `count` fuels, coals, oils and gases in turn, whose
// compositions vary slightly; fuels i and i + kBatchCompositions are the same but for
// their names.
#pragma once

#include <unistd.h>

#include <array>
#include <filesystem>
#include <string>

#include "fuel/fuel_file.h"

namespace bench {

inline constexpr int kBatchCompositions = 300;

// Writes "fuel<i>.fll", named "Fuel <i>", into a new folder under the temporary one.
inline std::filesystem::path MakeBatchLibrary(int count) {
  const std::filesystem::path folder =
      std::filesystem::temp_directory_path() / ("pyrana_batch_" + std::to_string(getpid()));
  std::filesystem::create_directories(folder);
  for (int i = 0; i < count; ++i) {
    std::array<float, fuel::kRecordSize> values{};
    const float shift = static_cast<float>(i % 100) * 0.01f;
    switch (i % 3) {
      case 0:  // stone coal
        values = {10 + shift, 20, 55 - shift, 4, 1, 2, 8, 40, 21861};
        values[15] = 1;
        break;
      case 1:  // fuel oil
        values = {3, 0.1f, 83.8f - shift, 11.2f + shift, 0.3f, 1.4f, 0.2f, 0, 39800};
        values[15] = 5;
        break;
      default:  // natural gas
        values = {94 - shift, 2.8f, 0.4f, 0.2f, 0.1f, 2 + shift, 0.5f, 0, 0, 0, 0, 0, 36000, 0.73f};
        values[15] = 6;
    }
    fuel::WriteFuelFile(folder / ("fuel" + std::to_string(i) + ".fll"), "Fuel " + std::to_string(i),
                        values);
  }
  return folder;
}

}  // namespace bench
