// Fuels every layer's tests start from: the worked coal of the normative method, the two
// example files shipped with the program, and the 60/40 coal/gas mixture built from them.
#pragma once

#include <array>
#include <string>

#include "calc/fuel_document.h"
#include "calc/fuel_io.h"
#include "calc/mixture.h"

namespace test {

// The worked coal: W 10, A 20, C 55, H 4, N 1, S 2, O 8, volatiles 40 %, Qi 21861 kJ/kg, as
// the first nine values of a type-1 fuel file.
inline constexpr std::array<float, 9> kWorkedCoal = {10, 20, 55, 4, 1, 2, 8, 40, 21861};
inline constexpr int kWorkedCoalType = 1;

// A fuel file of the shipped examples ("Каменный уголь.fll", "Природный газ.fll").
inline std::string ExampleFuel(const char* name) {
  return std::string(PYRANA_SOURCE_DIR) + "/examples/Fuel/" + name;
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
