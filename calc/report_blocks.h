// The texts of the one-page report of the open fuel or of the mixture, read from the
// document's sheets as they show them: the header (name and type, or the components and
// their shares), bands of label–value–unit blocks (composition, heating value, reduced
// values, volumes, design parameters, heat balance) and the enthalpy table. Where and how
// they stand on the page is the painter's business.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "calc/balance_bands.h"
#include "calc/fuel_document.h"

namespace calc {

// A row of a report block: label, value and unit as the sheets show them ("м3" raised
// to "м³").
struct ReportRow {
  std::string label;
  std::string value;
  std::string unit;
  bool heading = false;  // a sub-heading over the rows below it
  bool bold = false;     // a total
  std::string value2{};  // the second value of a block with two value columns
  bool red = false;      // the value is red on screen
};

// A titled block of rows; the bases have two value columns (dry, dry ash-free).
struct ReportBlock {
  std::string title;
  std::vector<ReportRow> rows;
  bool two_values = false;
};

// Blocks stacked in one column; columns side by side in one band; bands one under another.
using ReportColumn = std::vector<ReportBlock>;
using ReportBand = std::vector<ReportColumn>;

// A component of the mixture as the header lists it: number, name and type
// ("1. <name> (<type>)"), and its share as typed with " %".
struct ReportComponent {
  std::string line;
  std::string share;
};

// The header. A single fuel: its name and a line of type, norms and file. The mixture:
// "Смесь топлив", the components that take part, and the total of the shares, red when it
// is not 100.
struct ReportHeader {
  std::string title;
  std::string subtitle;                     // the single fuel only
  std::vector<ReportComponent> components;  // the mixture only
  std::string total_label;                  // the mixture only
  std::string total;
  bool total_red = false;
};

// The enthalpy table: one row per temperature of the table sheet, its four texts under
// the four headings.
struct ReportEnthalpyTable {
  std::string title;
  std::array<std::string, 4> headings;
  std::vector<std::array<std::string, 4>> rows;
};

struct FuelReport {
  ReportHeader header;
  std::vector<ReportBand> bands;
  ReportEnthalpyTable enthalpy;
  std::string diagram_title;
  std::vector<BalanceBand> balance;  // empty when the balance is not formed
  std::string balance_title;
};

// Shown in a block that has no rows.
inline constexpr char kReportNoData[] = "нет данных";

// The document's name in the report: the fuel's name, or "Смесь топлив" for the mixture.
std::string ReportTitle(const FuelDocument& doc, bool mixture);

// The label–value–unit bands of the report of the single fuel, or of the mixture when
// `mixture`: what the fuel is and its design parameters, then its heat balance.
std::vector<ReportBand> FuelReportBands(const FuelDocument& doc, bool mixture);

// Every text of the report of the single fuel, or of the mixture when `mixture`.
FuelReport MakeFuelReport(const FuelDocument& doc, bool mixture);

}  // namespace calc
