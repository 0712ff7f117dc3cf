// The physical range of a fuel's composition: each content from 0 to 100 %, and for a solid
// or liquid fuel W + A below 100 %, so that a combustible mass 100 − W − A remains.
#pragma once

#include <string>
#include <vector>

#include "calc/fuel_document.h"

namespace calc {

// A content of the record outside its range: its record row, its label and text as the
// input sheet shows them, and the range.
struct OutOfRangeContent {
  int record_row;
  std::string label;
  std::string text;
  const char* range;
};

// The contents of the document's record (rows 0..6 of a solid or liquid fuel, 0..11 of a
// gas) outside their range, in record order.
std::vector<OutOfRangeContent> CompositionOutOfRange(const FuelDocument& doc);

// Marks the contents on the input sheets of the fuel's kind: each one out of range red with
// the range as its hint, the others black with no hint, and the composition total red when
// any is out of range. The results still follow the formulas: a stored file may hold such
// a record. Run after the totals are written.
void MarkCompositionRanges(FuelDocument& doc);

}  // namespace calc
