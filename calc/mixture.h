// Mixtures of two to five fuels by mass share: the count and slot rules, the validity of
// the input, the mixed volumes and heating value, the mixture's enthalpy–temperature
// table and its design parameters.
#pragma once

#include <optional>
#include <string>

#include "calc/fuel_document.h"
#include "calc/input_notice.h"

namespace calc {

// A mixture has two to five components.
inline constexpr int kMinComponents = 2;
inline constexpr int kMaxComponents = 5;

// The count text changed: corrects it when out of range and shows the tabs of the
// counted slots. An empty text waits until the field is left.
void Edit1Change(FuelDocument& doc);

// The count field left: below 2 becomes "2", above 5 "5", not a whole number "2".
void Edit1Exit(FuelDocument& doc);

// Types `text` into the count field, as the field's change event does, and recomputes
// the mixture.
void SetComponentCount(FuelDocument& doc, const std::string& text);

// Takes the fuel loaded in the document into slot 1..5 (SpeedButton6Click ..
// SpeedButton10Click): its name and type texts and its record values unparsed; then
// recomputes the mixture.
void PickComponent(FuelDocument& doc, int slot);

// The share field of slot 1..5 changed (Edit2Change, Edit4Change .. Edit7Change); the
// mixture is recomputed, so an emptied field clears the results. The share is read as
// every typed number is (RepairNumberText): either decimal separator, digit-group spaces.
void ShareChange(FuelDocument& doc, int slot, const std::string& text);

// The range of a share, as the mixture's page and pyrana-calc give it.
inline constexpr char kShareRange[] = "от 0 до 100 %";

// The first counted slot (0..4) whose share is a number outside 0..100 %, if any.
std::optional<int> ShareOutOfRange(const FuelDocument& doc);

// Validates the mixture and shows its total; a valid one is computed (results, enthalpy
// table, all-gaseous flag, design parameters, heat balance, SpeedButton13 enabled), an
// invalid one has every result cleared, SpeedButton13 disabled and its results page
// closed. Failures it does not handle are thrown.
void RecalcMixture(FuelDocument& doc);

// "Зола и продукты сгорания": the results page, then its design calculation.
void SpeedButton13Click(FuelDocument& doc);

// The mixture's design calculation; failures that no step handles are thrown. Gives the
// fallbacks it took for typed inputs that are no number.
InputNotices XLGrid20EditModeChanged(FuelDocument& doc);

// The exit check of XLGrid20: excess air, given value and carry-over.
void XLGrid20Exit(FuelDocument& doc);

}  // namespace calc
