// The worked coal typed into the document as the user types it, and the design run.
#pragma once

#include <string>

#include "calc/cycle.h"
#include "calc/design.h"
#include "calc/fuel_document.h"
#include "sheets/numbers.h"
#include "support/example_fuels.h"

namespace calc::test_support {

// W A C H N S O of the worked coal into the 1998 sheet, with its heating value unless
// `with_heating_value` is false, as a type-1 fuel; nothing is recalculated.
inline void TypeWorkedCoal(FuelDocument& doc, bool with_heating_value = true) {
  for (int i = 0; i < 7; ++i) {
    doc.XLSheet3.SetText(1, 1 + i,
                         sheets::FormatSingle(test::kWorkedCoal[static_cast<std::size_t>(i)],
                                              doc.DecimalSeparator()));
  }
  if (with_heating_value) doc.XLSheet3.SetText(1, 10, "21861");
  doc.ComboBox3 = test::kWorkedCoalType;
}

// Types the inputs of the design sheet and runs the design; what it took instead of a text
// that is no number.
inline InputNotices Design(FuelDocument& doc, const std::string& alpha, int kind,
                           const std::string& given, const std::string& carryover = "0.95") {
  doc.XLSheet15.SetText(1, 2, alpha);
  doc.XLSheet15.SetInteger(0, 3, kind);
  doc.XLSheet15.SetText(1, 3, given);
  doc.XLSheet15.SetText(1, 4, carryover);
  return XLGrid15EditModeChanged(doc);
}

}  // namespace calc::test_support
