// A small JSON value for the calculator's report: texts, whole numbers, booleans,
// arrays and objects with keys in insertion order.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <variant>
#include <vector>

namespace cli {

class Json {
 public:
  using Array = std::vector<Json>;
  using Object = std::vector<std::pair<std::string, Json>>;

  Json() : value_(Object{}) {}
  Json(std::string text) : value_(std::move(text)) {}    // NOLINT: implicit by design
  Json(const char* text) : value_(std::string(text)) {}  // NOLINT
  Json(std::int64_t number) : value_(number) {}          // NOLINT
  Json(int number) : value_(std::int64_t{number}) {}     // NOLINT
  Json(bool flag) : value_(flag) {}                      // NOLINT
  Json(Array items) : value_(std::move(items)) {}        // NOLINT

  // Adds a key to an object.
  Json& Set(std::string key, Json value);

  // Two-space indented text.
  std::string Dump() const;
  // The whole value on one line.
  std::string DumpLine() const;

 private:
  void DumpTo(std::string& out, int indent, bool pretty) const;

  std::variant<std::string, std::int64_t, bool, Array, Object> value_;
};

// The text as a JSON string literal, quotes included.
std::string JsonQuote(const std::string& text);

}  // namespace cli
