// A generated fuel library for the benchmarks: `count` ".fll" files with Cyrillic file
// names and names, types cycling through the seven fuel types, plausible compositions.
#pragma once

#include <array>
#include <cstdio>
#include <filesystem>
#include <string>

#include "fuel/fuel_file.h"

namespace bench {

inline void WriteGeneratedLibrary(const std::filesystem::path& folder, int count) {
  static constexpr const char* kKinds[] = {"Антрацит", "Каменный уголь", "Бурый уголь", "Торф",
                                           "Сланец",   "Мазут",          "Газ"};
  std::filesystem::create_directories(folder);
  for (int i = 0; i < count; ++i) {
    const int type = i % 7;
    char number[16];
    std::snprintf(number, sizeof number, " %05d", i);
    const std::string name = std::string(kKinds[type]) + number;
    std::array<float, fuel::kRecordSize> values{};
    const float spread = static_cast<float>(i % 10) * 0.5f;
    values[0] = 8.0f + spread;                                   // moisture
    values[1] = 15.0f - spread;                                  // ash
    values[2] = 60.0f;                                           // carbon
    values[3] = 4.0f;                                            // hydrogen
    values[4] = 1.0f;                                            // nitrogen
    values[5] = 2.0f;                                            // sulphur
    values[6] = 10.0f;                                           // oxygen
    values[8] = 22000.0f + static_cast<float>(i % 100) * 10.0f;  // lower heating value
    values[fuel::kTypeRow] = static_cast<float>(type);
    fuel::WriteFuelFile(folder / (name + ".fll"), fuel::Utf8ToCp1251(name), values);
  }
}

}  // namespace bench
