// Any bytes as a fuel file: the in-memory reader and the chunked stream reader must agree
// on the name, where the numbers start, and every value bit for bit, whatever the chunk
// size; and a name must come back from UTF-8 as it went in.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <sstream>
#include <string_view>

#include "fuel/fuel_file.h"

namespace {

void Check(bool ok) {
  if (!ok) std::abort();
}

bool SameBits(const std::vector<float>& a, const std::vector<float>& b) {
  return a.size() == b.size() && std::memcmp(a.data(), b.data(), a.size() * sizeof(float)) == 0;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const fuel::NameLine line = fuel::ReadNameLine(bytes);
  const std::vector<float> values = fuel::ReadNumbers(bytes, line.numbers_start, fuel::kRecordSize);
  Check(values.size() == static_cast<std::size_t>(fuel::kRecordSize));

  for (const std::size_t chunk : {std::size_t{1}, 1 + size % 13, fuel::kReadChunkBytes}) {
    std::istringstream in{std::string(bytes)};
    const fuel::FuelFileContent read = fuel::ReadFuelStream(in, fuel::kRecordSize, chunk);
    Check(read.name_line.name == line.name);
    Check(read.name_line.numbers_start == line.numbers_start);
    Check(read.name_line.complete == line.complete);
    Check(SameBits(read.values, line.complete ? values : std::vector<float>(values.size())));
  }

  // Every Windows-1251 byte but the unassigned 0x98 survives a trip through UTF-8.
  std::string expected(line.name);
  for (char& c : expected) {
    if (c == '\x98') c = '?';
  }
  Check(fuel::Utf8ToCp1251(fuel::Cp1251ToUtf8(line.name)) == expected);
  fuel::Utf8ToCp1251(bytes);
  return 0;
}
