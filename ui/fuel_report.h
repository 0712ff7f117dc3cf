// The one-page PDF report of the open fuel or of the mixture: the texts of
// calc/report_blocks laid out on an A4 page, with the date and the I–ϑ diagram.
#pragma once

#include <QString>

#include "calc/fuel_document.h"

class QPainter;
class QPrinter;
class QRectF;

namespace ui {

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
