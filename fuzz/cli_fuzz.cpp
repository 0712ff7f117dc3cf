// Any command line through pyrana-calc: the option and share parsing (CLI11), then, on the
// example fuels, the JSON, CSV and text writers. Whatever the options, the exit status is
// one of 0, 1, 2, 3; bad options print nothing and one line; every stderr line starts with
// the program's name; every output is valid UTF-8; JSON output parses; CSV starts with its
// byte-order mark; and no free text enters a CSV as a formula.
//
// Input: arguments separated by NUL bytes. The first byte chooses what is added to them:
// '1' the example coal, '2' a mixture of the coal and the gas whose shares are the last
// two arguments, '3' the folder of examples; anything else adds nothing.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "calc/csv_export.h"
#include "cli/calculator.h"
#include "cli/json.h"
#include "cli/options.h"

namespace {

void Check(bool ok, const char* what, const std::string& detail) {
  if (ok) return;
  std::fprintf(stderr, "%s: %s\n", what, detail.c_str());
  std::abort();
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

const std::string kExamples = std::string(PYRANA_SOURCE_DIR) + "/examples/Fuel";

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const char mode = static_cast<char>(data[0]);
  const std::string_view rest(reinterpret_cast<const char*>(data) + 1, size - 1);
  std::vector<std::string> args;
  std::size_t start = 0;
  for (std::size_t i = 0; i <= rest.size() && args.size() < 24; ++i) {
    if (i == rest.size() || rest[i] == '\0') {
      args.emplace_back(rest.substr(start, i - start));
      start = i + 1;
    }
  }
  if (args.size() == 1 && args[0].empty()) args.clear();
  if (mode == '1') args.push_back(kExamples + "/Каменный уголь.fll");
  if (mode == '2') {
    std::string second = args.empty() ? "40" : args.back();
    if (!args.empty()) args.pop_back();
    std::string first = args.empty() ? "60" : args.back();
    if (!args.empty()) args.pop_back();
    args.insert(args.end(), {"--mix", kExamples + "/Каменный уголь.fll=" + first,
                             kExamples + "/Природный газ.fll=" + second});
  }
  if (mode == '3') args.push_back(kExamples);

  // The CSV texts on their own: no formula ever starts one.
  for (const std::string& arg : args) {
    const std::string text = calc::CsvText(arg);
    Check(text.empty() || std::string_view("=+-@\t\r").find(text[0]) == std::string_view::npos,
          "a CSV text starts a formula", text);
  }

  std::ostringstream out_stream, err_stream;
  const int code = cli::RunCalculator(args, out_stream, err_stream);
  const std::string out = out_stream.str();
  const std::string err = err_stream.str();
  Check(code >= 0 && code <= 3, "exit status", std::to_string(code));
  Check(cli::IsUtf8(out), "output is not UTF-8", out.substr(0, 200));
  for (const std::string& line : Lines(err)) {
    Check(line.rfind("pyrana-calc: ", 0) == 0, "a stderr line without the name", line);
  }
  if (code == 2) {
    Check(out.empty(), "bad options printed", out.substr(0, 200));
    Check(Lines(err).size() == 1, "bad options: not one line", err);
    return 0;
  }

  cli::Options options;
  try {
    options = cli::ParseOptions(args);
  } catch (const cli::UsageError& e) {
    Check(false, "options accepted once and refused once", e.what());
  }
  if (options.help || options.version || out.empty()) return 0;
  if (options.format == cli::Format::kJson) {
    std::error_code ignored;
    const bool lines = options.components.empty() &&
                       (options.fuel_paths.size() > 1 ||
                        std::filesystem::is_directory(options.fuel_paths[0], ignored));
    try {
      if (lines) {
        for (const std::string& line : Lines(out)) (void)cli::Json::parse(line);
      } else {
        (void)cli::Json::parse(out);
      }
    } catch (const cli::Json::exception& e) {
      Check(false, "JSON does not parse", e.what());
    }
  } else if (options.format == cli::Format::kCsv) {
    Check(out.rfind(calc::kCsvByteOrderMark, 0) == 0, "CSV without its mark", out.substr(0, 40));
  }
  return 0;
}
