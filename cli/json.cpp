// Serialisation of the report's JSON values.
#include "cli/json.h"

#include <algorithm>
#include <cstdio>

namespace cli {

Json& Json::Set(std::string key, Json value) {
  std::get<Object>(value_).emplace_back(std::move(key), std::move(value));
  return *this;
}

std::string JsonQuote(const std::string& text) {
  std::string out = "\"";
  for (const char ch : text) {
    const auto byte = static_cast<unsigned char>(ch);
    if (ch == '"' || ch == '\\') {
      out += '\\';
      out += ch;
    } else if (ch == '\n') {
      out += "\\n";
    } else if (ch == '\r') {
      out += "\\r";
    } else if (ch == '\t') {
      out += "\\t";
    } else if (byte < 0x20) {
      char buffer[8];
      std::snprintf(buffer, sizeof buffer, "\\u%04x", byte);
      out += buffer;
    } else {
      out += ch;
    }
  }
  return out + '"';
}

std::string Json::Dump() const {
  std::string out;
  DumpTo(out, 0, true);
  return out;
}

std::string Json::DumpLine() const {
  std::string out;
  DumpTo(out, 0, false);
  return out;
}

void Json::DumpTo(std::string& out, int indent, bool pretty) const {
  const std::string pad =
      pretty ? "\n" + std::string(static_cast<std::size_t>(indent + 2), ' ') : "";
  const std::string close_pad =
      pretty ? "\n" + std::string(static_cast<std::size_t>(indent), ' ') : "";
  if (const auto* text = std::get_if<std::string>(&value_)) {
    out += JsonQuote(*text);
  } else if (const auto* number = std::get_if<std::int64_t>(&value_)) {
    out += std::to_string(*number);
  } else if (const auto* flag = std::get_if<bool>(&value_)) {
    out += *flag ? "true" : "false";
  } else if (const auto* items = std::get_if<Array>(&value_)) {
    // Arrays of plain values stay on one line; nested structures get one item a line.
    const bool nested = std::any_of(items->begin(), items->end(), [](const Json& item) {
      return std::holds_alternative<Array>(item.value_) ||
             std::holds_alternative<Object>(item.value_);
    });
    const bool broken = pretty && nested;
    out += '[';
    for (std::size_t i = 0; i < items->size(); ++i) {
      if (i > 0) out += broken ? "," : ", ";
      if (broken) out += pad;
      (*items)[i].DumpTo(out, indent + 2, pretty);
    }
    if (broken && !items->empty()) out += close_pad;
    out += ']';
  } else {
    const auto& members = std::get<Object>(value_);
    out += '{';
    for (std::size_t i = 0; i < members.size(); ++i) {
      if (i > 0) out += pretty ? "," : ", ";
      out += pad + JsonQuote(members[i].first) + ": ";
      members[i].second.DumpTo(out, indent + 2, pretty);
    }
    if (!members.empty()) out += close_pad;
    out += '}';
  }
}

}  // namespace cli
