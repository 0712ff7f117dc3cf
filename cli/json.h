// The calculator's JSON: nlohmann's JSON with keys kept in insertion order, written as
// valid UTF-8 with every control character escaped.
#pragma once

#include <nlohmann/json.hpp>
#include <string>
#include <string_view>

namespace cli {

using Json = nlohmann::ordered_json;

// Two-space indented text, or the whole value on one line. Besides the characters that
// JSON requires escaped, DEL and the C1 controls are written as \u escapes too. Throws
// nlohmann::json::type_error for a text that is not valid UTF-8 (the options are checked
// with IsUtf8 before anything runs, and every name read from a file is converted from
// Windows-1251, so none reaches it).
std::string JsonText(const Json& json, bool pretty);

// Whether a text is valid UTF-8, as the JSON writer takes it.
bool IsUtf8(std::string_view text);

}  // namespace cli
