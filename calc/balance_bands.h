// The heat balance as bands of the available heat for its picture: the useful heat and
// each loss in % of Qрр, and the latent heat a condensing exchanger would recover.
#pragma once

#include <string>
#include <vector>

#include "sheets/sheet.h"

namespace calc {

struct BalanceBand {
  std::string name;   // "η", "q2" …
  std::string label;  // what it is, in words
  std::string text;   // the value as the sheet shows it
  double percent = 0;
  bool recovered = false;  // recoverable latent heat, beside q2 and outside the 100 %
};

// The bands of a heat-balance sheet (XLSheet19 or XLSheet20) from its displayed texts, η
// first, then q2..q6, then the latent heat when the condensation block shows one above
// 0. Empty when η or a loss does not read: the balance is not formed.
std::vector<BalanceBand> BalanceBands(const sheets::Sheet& sheet);

}  // namespace calc
