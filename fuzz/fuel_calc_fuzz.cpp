// Any fuel record and any typed option texts through the whole calculation of the window:
// the load and cycle, the design at a given excess air, and a mixture of the fuel with a
// second one. No crash and no undefined behaviour (the sanitizers abort), and no shown
// text, other than one typed in, is ever an infinity or a NaN.
//
// Input: fields separated by NUL bytes, each optional:
//   0 the bytes of fuel file A     1 switches: "," decimal comma, "3" the 1973 norms,
//                                    "a" automatic heating value
//   2 excess air   3 given kind ("0", "1", "2")   4 given value   5 carry-over
//   6 mixture component count   7..11 shares of slots 1..5   12 the bytes of fuel file B
#include <unistd.h>

#include <cctype>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "calc/cycle.h"
#include "calc/design.h"
#include "calc/fuel_document.h"
#include "calc/fuel_io.h"
#include "calc/mixture.h"

namespace {

namespace fs = std::filesystem;

std::vector<std::string> Fields(std::string_view data) {
  std::vector<std::string> fields;
  std::size_t start = 0;
  for (std::size_t i = 0; i <= data.size(); ++i) {
    if (i == data.size() || data[i] == '\0') {
      fields.emplace_back(data.substr(start, i - start));
      start = i + 1;
    }
  }
  return fields;
}

// This process's folder for the fuel files, removed at exit.
const fs::path& FuzzFolder() {
  // Never destroyed: the exit handler still needs it.
  static const fs::path* const folder = [] {
    auto* dir =
        new fs::path(fs::temp_directory_path() / ("pyrana_calc_fuzz_" + std::to_string(getpid())));
    fs::create_directories(*dir);
    std::atexit([] {
      std::error_code ignored;
      fs::remove_all(FuzzFolder(), ignored);
    });
    return dir;
  }();
  return *folder;
}

fs::path WriteFuel(const std::string& which, const std::string& bytes) {
  const fs::path path = FuzzFolder() / (which + ".fll");
  std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
  return path;
}

// Runs one step of the user's; a failure the window would show in its error report ends
// the step, as it ends the event there.
template <typename Step>
void Run(Step step) {
  try {
    step();
  } catch (const std::exception&) {
  }
}

bool HasNonFinite(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text.find("nan") != std::string::npos || text.find("inf") != std::string::npos;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::vector<std::string> f = Fields(std::string_view(reinterpret_cast<const char*>(data), size));
  f.resize(13);
  const std::string& switches = f[1];
  calc::FuelDocument doc(switches.find(',') != std::string::npos ? ',' : '.');
  doc.RadioButton1 = switches.find('3') != std::string::npos;
  doc.CheckBox1 = doc.CheckBox2 = switches.find('a') != std::string::npos;

  // The cells typed into show what was typed, whatever it is.
  using Cell = std::tuple<const sheets::Sheet*, int, int>;
  std::set<Cell> typed;
  const auto type = [&typed](sheets::Sheet& sheet, int col, int row, const std::string& text) {
    if (text.empty()) return;
    sheet.SetText(col, row, text);
    typed.insert({&sheet, col, row});
  };
  const auto type_design = [&](sheets::Sheet& design, int carryover_col, int carryover_row) {
    type(design, 1, 2, f[2]);
    if (!f[3].empty()) design.SetInteger(0, 3, (f[3][0] - '0') % 3);
    type(design, 1, 3, f[4]);
    type(design, carryover_col, carryover_row, f[5]);
  };

  const fs::path fuel_a = WriteFuel("a", f[0]);
  Run([&] { calc::LoadLibraryFuel(doc, fuel_a); });
  Run([&] { calc::XLGrid15EditModeChanged(doc); });
  type_design(doc.XLSheet15, 1, 4);
  Run([&] { calc::XLGrid15EditModeChanged(doc); });
  Run([&] { calc::XLGrid13EditModeChanged(doc); });

  // The mixture: fuel A in the odd slots, fuel B in the even ones.
  Run([&] { calc::PickComponent(doc, 1); });
  const fs::path fuel_b = WriteFuel("b", f[12]);
  Run([&] { calc::LoadLibraryFuel(doc, fuel_b); });
  for (int slot = 2; slot <= calc::FuelDocument::kSlots; ++slot) {
    if (slot == 3) Run([&] { calc::LoadLibraryFuel(doc, fuel_a); });
    if (slot == 4) Run([&] { calc::LoadLibraryFuel(doc, fuel_b); });
    Run([&] { calc::PickComponent(doc, slot); });
  }
  Run([&] { calc::SetComponentCount(doc, f[6].empty() ? "2" : f[6]); });
  Run([&] { calc::Edit1Exit(doc); });
  for (int slot = 1; slot <= calc::FuelDocument::kSlots; ++slot) {
    const std::string& share = f[static_cast<std::size_t>(6 + slot)];
    if (!share.empty()) Run([&] { calc::ShareChange(doc, slot, share); });
  }
  type_design(doc.XLSheet17, 4, 2);
  Run([&] { calc::SpeedButton13Click(doc); });
  Run([&] { calc::XLGrid20Exit(doc); });
  Run([&] { calc::XLGrid20EditModeChanged(doc); });

  for (const sheets::Sheet* sheet : doc.Sheets()) {
    for (int row = 0; row < sheet->RowCount(); ++row) {
      for (int col = 0; col < sheet->ColCount(); ++col) {
        if (typed.contains({sheet, col, row})) continue;
        const std::string text = sheet->DisplayText(col, row);
        if (HasNonFinite(text)) {
          std::fprintf(stderr, "a shown text is not finite: '%s' at (%d, %d)\n", text.c_str(), col,
                       row);
          std::abort();
        }
      }
    }
  }
  if (HasNonFinite(doc.Edit3)) {
    std::fprintf(stderr, "the share total is not finite: '%s'\n", doc.Edit3.c_str());
    std::abort();
  }
  return 0;
}
