// Writing the calculator's JSON.
#include "cli/json.h"

#include <cstdio>

namespace cli {

std::string JsonText(const Json& json, bool pretty) {
  const std::string dumped = json.dump(pretty ? 2 : -1);
  // In the valid UTF-8 that dump() gives, DEL is the byte 0x7F and a C1 control the bytes
  // C2 80..C2 9F; both stand only inside strings, where an escape means the same.
  std::string out;
  out.reserve(dumped.size());
  for (std::size_t i = 0; i < dumped.size(); ++i) {
    const auto byte = static_cast<unsigned char>(dumped[i]);
    const auto next = i + 1 < dumped.size() ? static_cast<unsigned char>(dumped[i + 1]) : 0;
    unsigned code = 0;
    if (byte == 0x7F) {
      code = byte;
    } else if (byte == 0xC2 && next >= 0x80 && next <= 0x9F) {
      code = next;
      ++i;
    } else {
      out.push_back(dumped[i]);
      continue;
    }
    char escape[8];
    std::snprintf(escape, sizeof escape, "\\u%04x", code);
    out += escape;
  }
  return out;
}

bool IsUtf8(std::string_view text) {
  try {
    (void)Json(std::string(text)).dump();
    return true;
  } catch (const Json::type_error&) {
    return false;
  }
}

}  // namespace cli
