// Driving the document as a user drives the window.
#include "cli/fuel_run.h"

#include <filesystem>
#include <stdexcept>
#include <system_error>

#include "calc/design.h"
#include "calc/fuel_io.h"
#include "calc/mixture.h"

namespace cli {

namespace {

// Loads a fuel file the way the document loads a library fuel; a file that cannot be
// read is an error here rather than the window's message box.
void LoadFuel(calc::FuelDocument& doc, const std::string& path) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) {
    throw std::runtime_error("cannot read fuel file '" + path + "': no such file");
  }
  if (!calc::LoadLibraryFuel(doc, path)) {
    throw std::runtime_error("cannot read fuel file '" + path + "'");
  }
}

// Types the design options into their cells; the carry-over sits at (1, 4) in the
// single fuel's sheet and at (4, 2) in the mixture's.
void TypeDesignInputs(const Options& options, sheets::Sheet& design, int carryover_col,
                      int carryover_row) {
  if (options.excess_air) design.SetText(1, 2, *options.excess_air);
  if (options.given_kind) design.SetInteger(0, 3, *options.given_kind);
  if (options.given) design.SetText(1, 3, *options.given);
  if (options.carryover) design.SetText(carryover_col, carryover_row, *options.carryover);
}

// The switches of the document window that the options set.
void ApplySwitches(const Options& options, calc::FuelDocument& doc) {
  doc.RadioButton1 = options.norms_1973;
  // The box of the layout in force; a gas counts either box.
  (options.norms_1973 ? doc.CheckBox1 : doc.CheckBox2) = options.auto_heating_value;
}

}  // namespace

void ComputeFuel(const Options& options, const std::string& path, calc::FuelDocument& doc) {
  ApplySwitches(options, doc);
  LoadFuel(doc, path);
  calc::XLGrid15EditModeChanged(doc);
  TypeDesignInputs(options, doc.XLSheet15, 1, 4);
  calc::XLGrid15EditModeChanged(doc);
}

void ComputeMixture(const Options& options, calc::FuelDocument& doc) {
  ApplySwitches(options, doc);
  const int count = static_cast<int>(options.components.size());
  for (int slot = 1; slot <= count; ++slot) {
    LoadFuel(doc, options.components[static_cast<std::size_t>(slot - 1)].path);
    calc::PickComponent(doc, slot);
  }
  calc::SetComponentCount(doc, std::to_string(count));
  for (int slot = 1; slot <= count; ++slot) {
    calc::ShareChange(doc, slot, options.components[static_cast<std::size_t>(slot - 1)].share);
  }
  if (doc.SpeedButton13) {
    TypeDesignInputs(options, doc.XLSheet17, 4, 2);
    calc::SpeedButton13Click(doc);
  }
}

}  // namespace cli
