// The fuel document: every sheet of the document window and the state of the controls
// that the calculations read or write. A window shows it; it keeps no second copy.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "calc/heat_balance_cells.h"
#include "sheets/sheet.h"

namespace calc {

// Fuel type indexes (record row 15, item index of ComboBox3).
inline constexpr int kLiquidType = 5;
inline constexpr int kGasType = 6;
inline constexpr int kFuelTypeCount = 7;

// The type names of ComboBox3 in index order; empty for an index outside them.
const std::string& FuelTypeName(int type_index);

class FuelDocument {
 public:
  // Lays out every sheet with its labels, units, headings and initial values, as a new
  // document window starts; numbers are read and shown with `decimal_separator`.
  explicit FuelDocument(char decimal_separator = '.');

  FuelDocument(const FuelDocument&) = delete;

  // Takes every sheet (values, parsed numbers, layout) and control of `fresh`, as a new
  // document: cheaper than laying one out again. For a document no view listens to: the
  // sheets' listeners become those of `fresh`.
  void ResetTo(const FuelDocument& fresh) { *this = fresh; }

  char DecimalSeparator() const { return decimal_separator_; }

  // Controls.
  std::string ComboBox1 = "Новое топливо";  // fuel name (UTF-8), at most 50 characters
  int ComboBox3 = 0;                        // fuel type index; -1 when no entry is selected
  bool RadioButton1 = false;                // 1973 norms checked (RadioButton2 is its negation)
  bool CheckBox1 = false;                   // automatic heating value, 1973 layout
  bool CheckBox2 = false;                   // automatic heating value, 1998 layout
  int RadioGroup1 = 0;                      // labels of the record view: 0 solid/liquid, 1 gas
  bool GasSheetsShown = false;              // XLGrid1 and XLGrid3 show XLSheet1_2
  std::string Caption;                      // path of the last fuel file loaded from the list

  // The record: column 0 row number, 1 label, 2 value, 3 unit; rows 0..49.
  sheets::Sheet XLSheet10{4, 50};
  // Input sheets: solid and liquid fuel, 1973 norms.
  sheets::Sheet XLSheet1_1{3, 18};
  // Gaseous fuel, both norms.
  sheets::Sheet XLSheet1_2{3, 18};
  // Solid and liquid fuel, 1998 norms: composition and heating values, reduced values
  // and ash temperatures, ash oxides.
  sheets::Sheet XLSheet3{3, 18};
  sheets::Sheet XLSheet4{3, 11};
  sheets::Sheet XLSheet5{3, 11};
  // Theoretical volumes at excess air 1.
  sheets::Sheet XLSheet2{3, 6};
  // Enthalpy–temperature table (100..2500 °C by columns), its heading and row titles.
  sheets::Sheet XLSheet6{25, 4};
  sheets::Sheet XLSheet7{1, 1};
  sheets::Sheet XLSheet8{1, 4};
  // Built-in enthalpy table of gases, air and ash, and its column headings.
  sheets::Sheet XLSheet11{6, 25};
  sheets::Sheet XLSheet12{6, 1};
  // Fly-ash carry-over coefficient.
  sheets::Sheet XLSheet13{2, 1};
  // Design parameters at a given excess air.
  sheets::Sheet XLSheet15{3, 15};

  // Mixture of two to five fuels. A slot holds what was taken into it: the name and type
  // texts (GSEdit1/2 .. GSEdit9/10), its 50 record values in column k - 1 of XLFuel, and
  // the share as typed (Edit2, Edit4, Edit5, Edit6, Edit7).
  struct MixtureSlot {
    std::string name;
    std::string type_name;
    std::string share;
  };
  static constexpr int kSlots = 5;
  std::string Edit1 = "2";                    // component count as typed
  std::array<MixtureSlot, kSlots> Slots;      // slots 1..5
  std::array<bool, kSlots> GSPageTabShown{};  // tabs " 1 " .. " 5 "
  int GSPagesActive = 0;                      // active slot page (0 is " 1 ")
  std::string Edit3;                          // total of the shares
  // Why shares that total 100 still make no mixture (one out of 0..100 %), or empty.
  std::string Edit3Hint;
  bool SpeedButton13 = false;           // "Зола и продукты сгорания" enabled
  int PageControl2 = 0;                 // 0 components (TabSheet21), 1 results (TabSheet22)
  sheets::Sheet XLFuel{6, 50};          // component records; (5, 49) all-gaseous flag
  sheets::Sheet XLSheet14{3, 9};        // mixture results
  sheets::Sheet XLSheet16{25, 4};       // mixture enthalpy–temperature table
  sheets::Sheet XLSheet7Mixture{1, 1};  // heading of XLSheet16, always per kilogram
  sheets::Sheet XLSheet17{6, 11};       // mixture design parameters
  sheets::Sheet XLSheet18{1, 4};        // row titles of XLSheet16

  // Heat balance of the boiler, efficiency, fuel consumption and combustion temperature:
  // the single fuel's, with its dry and dry ash-free bases, and the mixture's. Their
  // inputs belong to the window: they are not part of the fuel record.
  sheets::Sheet XLSheet19{3, heat_balance_row::kFuelRows};
  sheets::Sheet XLSheet20{3, heat_balance_row::kMixtureRows};

  // Every sheet of the document.
  std::vector<sheets::Sheet*> Sheets();

 private:
  FuelDocument& operator=(const FuelDocument&) = default;

  char decimal_separator_;
};

}  // namespace calc
