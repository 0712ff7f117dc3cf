// The one-page PDF report of the open fuel or of the mixture: name and type (or the
// components and shares), composition, heating value, reduced values, volumes, the
// design parameters, the heat balance, the enthalpy table and the I–ϑ diagram, all from
// displayed texts.
#pragma once

#include <QString>
#include <vector>

#include "calc/fuel_document.h"

class QPainter;
class QPrinter;
class QRectF;

namespace ui {

// A row of a report block: label, value and unit as the sheets show them.
struct ReportRow {
  QString label;
  QString value;
  QString unit;
  bool heading = false;  // a sub-heading over the rows below it
  bool bold = false;     // a total
  QString value2{};      // the second value of a block with two value columns
  bool red = false;      // the value is red on screen
};

// A titled block of rows; the bases have two value columns (dry, dry ash-free).
struct ReportBlock {
  QString title;
  std::vector<ReportRow> rows;
  bool two_values = false;
};

// Blocks stacked in one column; columns side by side in one band; bands one under another.
using ReportColumn = std::vector<ReportBlock>;
using ReportBand = std::vector<ReportColumn>;

// The label–value–unit bands of the report of the single fuel, or of the mixture when
// `mixture`: what the fuel is and its design parameters, then its heat balance. The
// enthalpy table and the diagram follow them on the page.
std::vector<ReportBand> FuelReportBands(const calc::FuelDocument& doc, bool mixture);

// Paints the report of the single fuel, or of the mixture when `mixture`, into `page`
// (device coordinates of `painter`) of a device with `dots_per_mm` dots per millimetre.
void PaintFuelReport(QPainter& painter, const QRectF& page, double dots_per_mm,
                     const calc::FuelDocument& doc, bool mixture);

// Sets `printer` up for the report: A4 portrait, 12 mm margins, the fuel's (or the
// mixture's) name as the document's name.
void PrepareReportPrinter(QPrinter& printer, const calc::FuelDocument& doc, bool mixture);
// Prints the report on one page of `printer`. Returns an empty text on success, the
// reason in Russian otherwise.
QString PrintFuelReport(QPrinter& printer, const calc::FuelDocument& doc, bool mixture);

// Writes the report as one A4 page to `path` through a file written beside it and renamed
// over it, so a failure leaves an old file whole. Returns an empty text on success, the
// reason in Russian otherwise.
QString WriteFuelReportPdf(const calc::FuelDocument& doc, bool mixture, const QString& path);

}  // namespace ui
