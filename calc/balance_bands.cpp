// The heat balance's bands read back from the texts of its sheet.
#include "calc/balance_bands.h"

#include <cmath>
#include <optional>

#include "calc/heat_balance_cells.h"

namespace calc {

namespace {

namespace row = heat_balance_row;

struct BandRow {
  int row;
  const char* name;
  const char* label;
};

constexpr BandRow kBands[] = {
    {row::kEfficiency, "η", "полезное тепло"}, {row::kQ2, "q2", "с уходящими газами"},
    {row::kQ3, "q3", "химический недожог"},    {row::kQ4, "q4", "механический недожог"},
    {row::kQ5, "q5", "наружное охлаждение"},   {row::kQ6, "q6", "с теплом шлака"},
};

std::optional<double> Percent(const sheets::Sheet& sheet, int r) {
  const std::optional<long double> value = sheet.ParsedNumber(1, r);
  if (!value || !std::isfinite(*value)) return std::nullopt;
  return static_cast<double>(*value);
}

}  // namespace

std::vector<BalanceBand> BalanceBands(const sheets::Sheet& sheet) {
  std::vector<BalanceBand> bands;
  for (const BandRow& band : kBands) {
    const std::optional<double> percent = Percent(sheet, band.row);
    if (!percent || *percent < 0) return {};
    bands.push_back({band.name, band.label, sheet.Text(1, band.row), *percent});
  }
  const std::optional<double> latent = Percent(sheet, row::kCondensationShare);
  if (latent && *latent > 0) {
    bands.push_back(
        {"qк", "тепло конденсации", sheet.Text(1, row::kCondensationShare), *latent, true});
  }
  return bands;
}

}  // namespace calc
