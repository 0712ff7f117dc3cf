// Fuels every layer's tests start from: the worked coal of the normative method, the worked
// gas, the two example files shipped with the program, the example fuels designed at α 1.2
// and 1250 °C, and the 60/40 coal/gas mixture built from them.
#pragma once

#include <array>
#include <string>

#include "calc/design.h"
#include "calc/fuel_document.h"
#include "calc/fuel_io.h"
#include "calc/mixture.h"

namespace test {

// The worked coal: W 10, A 20, C 55, H 4, N 1, S 2, O 8, volatiles 40 %, Qi 21861 kJ/kg, as
// the first nine values of a type-1 fuel file.
inline constexpr std::array<float, 9> kWorkedCoal = {10, 20, 55, 4, 1, 2, 8, 40, 21861};
inline constexpr int kWorkedCoalType = 1;

// The worked natural gas: CH4 94, C2H6 2.8, C3H8 0.4, C4H10 0.2, C5H12 0.1, N2 2, CO2 0.5 %
// by volume, heating value 35000 kJ/m3 and density 0.73 kg/m3, as the first fourteen values
// of a gas fuel file (type 6).
inline constexpr std::array<float, 14> kWorkedGas = {94, 2.8f, 0.4f, 0.2f, 0.1f, 2,     0.5f,
                                                     0,  0,    0,    0,    0,    35000, 0.73f};

// A fuel file of the shipped examples ("Каменный уголь.fll", "Природный газ.fll").
inline std::string ExampleFuel(const char* name) {
  return std::string(PYRANA_SOURCE_DIR) + "/examples/Fuel/" + name;
}

// An example fuel opened as the list opens it, its design run at α 1.2 and 1250 °C. False
// when the file does not load.
inline bool OpenDesignedExample(calc::FuelDocument& doc, const char* name) {
  if (!calc::LoadLibraryFuel(doc, ExampleFuel(name))) return false;
  doc.XLSheet15.SetText(1, 2, "1.2");
  doc.XLSheet15.SetText(1, 3, "1250");
  calc::XLGrid15EditModeChanged(doc);
  return true;
}

// 60 % example coal and 40 % example gas, picked and shared as the user does, with the
// mixture's design at α 1.2 and 1250 °C. False when an example file does not load.
inline bool BuildSixtyFortyMixture(calc::FuelDocument& doc) {
  if (!calc::LoadLibraryFuel(doc, ExampleFuel("Каменный уголь.fll"))) return false;
  calc::PickComponent(doc, 1);
  if (!calc::LoadLibraryFuel(doc, ExampleFuel("Природный газ.fll"))) return false;
  calc::PickComponent(doc, 2);
  calc::ShareChange(doc, 1, "60");
  calc::ShareChange(doc, 2, "40");
  if (!doc.SpeedButton13) return false;
  doc.XLSheet17.SetText(1, 2, "1.2");
  doc.XLSheet17.SetText(1, 3, "1250");
  calc::SpeedButton13Click(doc);
  return true;
}

}  // namespace test
