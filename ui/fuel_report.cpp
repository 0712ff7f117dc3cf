// The PDF report laid out: the header, bands of blocks of label, value and unit, the
// enthalpy table in three blocks of temperatures, and the diagram drawn by EnthalpyChart.
#include "ui/fuel_report.h"

#include <QBuffer>
#include <QChart>
#include <QCoreApplication>
#include <QDate>
#include <QGraphicsLayout>
#include <QGraphicsScene>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "calc/report_blocks.h"
#include "ui/enthalpy_chart.h"
#include "ui/file_messages.h"
#include "ui/heat_balance_picture.h"

namespace ui {

namespace {

constexpr double kRowHeight = 3.7;    // mm
constexpr double kTitleHeight = 5.5;  // mm
constexpr double kGap = 4.0;          // mm between blocks
constexpr double kRowFont = 7.0;      // pt
const QColor kInk(0x20, 0x20, 0x20);
const QColor kMuted(0x60, 0x60, 0x60);
const QColor kRule(0x90, 0x90, 0x90);
const QColor kShade(0xf1, 0xf3, 0xf5);
const QColor kRed(0xd0, 0x00, 0x00);               // a total that is not 100, as the grids show it
constexpr QMarginsF kPageMargins(12, 12, 12, 12);  // mm

QString Q(const std::string& text) { return QString::fromStdString(text); }

using Row = calc::ReportRow;
using Block = calc::ReportBlock;

// Millimetres of the page to device coordinates, fonts by point size.
class Page {
 public:
  Page(QPainter& painter, const QRectF& area, double dots_per_mm)
      : painter_(painter), area_(area), dpmm_(dots_per_mm) {}

  double Width() const { return area_.width() / dpmm_; }
  double Height() const { return area_.height() / dpmm_; }
  QRectF Rect(double x, double y, double w, double h) const {
    return {area_.left() + x * dpmm_, area_.top() + y * dpmm_, w * dpmm_, h * dpmm_};
  }
  QFont Font(double points, bool bold = false, bool italic = false) const {
    QFont font;
    font.setPixelSize(std::max(1, qRound(points * 25.4 / 72 * dpmm_)));
    font.setBold(bold);
    font.setItalic(italic);
    return font;
  }
  void Text(double x, double y, double w, double h, int flags, const QString& text,
            const QFont& font, const QColor& color = kInk) {
    painter_.setFont(font);
    painter_.setPen(color);
    const QRectF rect = Rect(x, y, w, h);
    const QString shown =
        QFontMetricsF(font, painter_.device()).elidedText(text, Qt::ElideRight, rect.width());
    painter_.drawText(rect, flags | Qt::TextSingleLine, shown);
  }
  void Line(double x1, double y1, double x2, double y2, double width, const QColor& color) {
    painter_.setPen(QPen(color, width * dpmm_, Qt::SolidLine, Qt::FlatCap));
    painter_.drawLine(Rect(x1, y1, 0, 0).topLeft(), Rect(x2, y2, 0, 0).topLeft());
  }
  void Fill(double x, double y, double w, double h, const QColor& color) {
    painter_.fillRect(Rect(x, y, w, h), color);
  }
  void Text(double x, double y, double w, double h, int flags, const std::string& text,
            const QFont& font, const QColor& color = kInk) {
    Text(x, y, w, h, flags, Q(text), font, color);
  }
  double TextWidth(const QString& text, const QFont& font) const {
    return QFontMetricsF(font, painter_.device()).horizontalAdvance(text) / dpmm_;
  }
  double TextWidth(const std::string& text, const QFont& font) const {
    return TextWidth(Q(text), font);
  }
  QPainter& Painter() { return painter_; }

 private:
  QPainter& painter_;
  QRectF area_;
  double dpmm_;
};

// A block title with a rule under it; returns the y below.
double DrawTitle(Page& page, double x, double y, double w, const std::string& title) {
  page.Text(x, y, w, kTitleHeight - 1, Qt::AlignLeft | Qt::AlignBottom, title,
            page.Font(8.5, true));
  page.Line(x, y + kTitleHeight - 0.5, x + w, y + kTitleHeight - 0.5, 0.3, kInk);
  return y + kTitleHeight;
}

constexpr double kPad = 0.8;       // mm before a label
constexpr double kUnitGap = 1.5;   // mm between a value and its unit
constexpr double kValueGap = 2.0;  // mm between two value columns

// The widths in millimetres that the label, value and unit texts of a block take; a
// block with two value columns gives each the width of the wider.
struct Widths {
  double title = 0;
  double label = 0;
  double value = 0;
  double unit = 0;
  int values = 1;
  double Values() const { return values * value + (values - 1) * kValueGap; }
  double Total() const { return std::max(title, kPad + label + Values() + kUnitGap + unit + kPad); }
};

Widths Measure(const Page& page, const Block& block) {
  Widths w;
  w.title = page.TextWidth(block.title, page.Font(8.5, true));
  w.values = block.two_values ? 2 : 1;
  for (const Row& row : block.rows) {
    // A heading names the value columns of a block with two.
    const QFont font =
        row.heading ? page.Font(kRowFont, false, true) : page.Font(kRowFont, row.bold);
    if (!row.heading) w.label = std::max(w.label, page.TextWidth(row.label, font) + 1);
    if (row.heading && !block.two_values) continue;
    // A little over the advance, so that no text is elided for rounding.
    for (const std::string* value : {&row.value, &row.value2}) {
      w.value = std::max(w.value, page.TextWidth(*value, font) + 0.5);
    }
    w.unit = std::max(w.unit, page.TextWidth(row.unit, page.Font(kRowFont)) + 0.5);
  }
  return w;
}

// Rows of label, value (right-aligned) and unit; returns the y below the block.
double DrawBlock(Page& page, double x, double y, double w, const Block& block) {
  y = DrawTitle(page, x, y, w, block.title);
  Widths natural = Measure(page, block);
  const double unit_w = natural.unit;
  natural.value = std::max(natural.value, 8.0);
  const double value_w = natural.value;
  const double label_w = w - kPad - natural.Values() - kUnitGap - unit_w - kPad;
  // The value columns: right-aligned, the second after the first.
  auto draw_values = [&](double at, double top, const Row& row, const QFont& font,
                         const QColor& color) {
    page.Text(at, top, value_w, kRowHeight, Qt::AlignRight | Qt::AlignVCenter, row.value, font,
              color);
    if (block.two_values) {
      page.Text(at + value_w + kValueGap, top, value_w, kRowHeight,
                Qt::AlignRight | Qt::AlignVCenter, row.value2, font, color);
    }
  };
  bool shade = false;
  for (const Row& row : block.rows) {
    if (row.heading) {
      const QFont font = page.Font(kRowFont, false, true);
      page.Text(x, y + 0.6, w, kRowHeight, Qt::AlignLeft | Qt::AlignVCenter, row.label, font,
                row.red ? kRed : kMuted);
      draw_values(x + kPad + label_w, y + 0.6, row, font, kMuted);
      y += kRowHeight + 0.6;
      shade = false;
      continue;
    }
    if (shade) page.Fill(x, y, w, kRowHeight, kShade);
    shade = !shade;
    const QFont font = page.Font(kRowFont, row.bold);
    double at = x + kPad;
    page.Text(at, y, label_w, kRowHeight, Qt::AlignLeft | Qt::AlignVCenter, row.label, font);
    at += label_w;
    draw_values(at, y, row, font, row.red ? kRed : kInk);
    at += natural.Values() + kUnitGap;
    page.Text(at, y, unit_w + kPad, kRowHeight, Qt::AlignLeft | Qt::AlignVCenter, row.unit,
              page.Font(kRowFont), kMuted);
    y += kRowHeight;
  }
  if (block.rows.empty()) {
    page.Text(x, y, w, kRowHeight, Qt::AlignLeft | Qt::AlignVCenter, Q(calc::kReportNoData),
              page.Font(kRowFont, false, true), kMuted);
    y += kRowHeight;
  }
  return y;
}

double DrawColumn(Page& page, double x, double y, double w, const std::vector<Block>& blocks) {
  for (std::size_t i = 0; i < blocks.size(); ++i) {
    if (i > 0) y += kGap - 1;
    y = DrawBlock(page, x, y, w, blocks[i]);
  }
  return y;
}

// Column widths and the gap between them: each column as wide as its widest block
// needs, a little wider when there is room, the rest between the columns; narrowed in
// proportion when the page is too narrow.
std::vector<double> ColumnWidths(const Page& page, const std::vector<std::vector<Block>>& columns,
                                 double& gap) {
  constexpr double kMostExtra = 12;  // mm
  std::vector<double> widths;
  const double n = static_cast<double>(columns.size());
  double total = gap * (n - 1);
  for (const auto& column : columns) {
    double w = 0;
    for (const Block& block : column) w = std::max(w, Measure(page, block).Total());
    widths.push_back(w);
    total += w;
  }
  const double spare = page.Width() - total;
  if (spare < 0) {
    const double gaps = gap * (n - 1);
    for (double& w : widths) w *= (page.Width() - gaps) / (total - gaps);
    return widths;
  }
  const double extra = std::min(spare / n, kMostExtra);
  for (double& w : widths) w += extra;
  if (n > 1) gap += (spare - extra * n) / (n - 1);
  return widths;
}

// The header: name and type, or the mixture's components; returns the y below it.
double DrawHeader(Page& page, const calc::ReportHeader& header, bool mixture) {
  const double w = page.Width();
  const QString date = QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy"));
  page.Text(w - 40, 0, 40, 5, Qt::AlignRight | Qt::AlignTop, date, page.Font(7.5), kMuted);
  double y = 0;
  page.Text(0.5, y, w - 42, 8, Qt::AlignLeft | Qt::AlignVCenter, header.title, page.Font(14, true));
  y += 8.5;
  if (!mixture) {
    page.Text(0.5, y, w, 5, Qt::AlignLeft | Qt::AlignVCenter, header.subtitle, page.Font(9),
              kMuted);
    y += 5.5;
  } else {
    for (const calc::ReportComponent& component : header.components) {
      page.Text(4, y, w - 30, 4.5, Qt::AlignLeft | Qt::AlignVCenter, component.line, page.Font(9));
      page.Text(w - 30, y, 22, 4.5, Qt::AlignRight | Qt::AlignVCenter, component.share,
                page.Font(9, true));
      y += 4.5;
    }
    page.Text(4, y, w - 30, 4.5, Qt::AlignLeft | Qt::AlignVCenter, header.total_label, page.Font(9),
              kMuted);
    page.Text(w - 30, y, 22, 4.5, Qt::AlignRight | Qt::AlignVCenter, header.total, page.Font(9),
              header.total_red ? kRed : kMuted);
    y += 5;
  }
  page.Line(0, y + 0.5, w, y + 0.5, 0.5, kInk);
  return y + 3;
}

// The enthalpy table in three side-by-side blocks of temperatures; returns the y below.
double DrawEnthalpyTable(Page& page, double y, const calc::ReportEnthalpyTable& table) {
  const double w = page.Width();
  y = DrawTitle(page, 0, y, w, table.title);
  constexpr int kParts = 3;
  const int count = static_cast<int>(table.rows.size());
  const int part_rows = (count + kParts - 1) / kParts;
  const double gap = 5;
  const double block_w = (w - gap * (kParts - 1)) / kParts;
  const double widths[] = {10, (block_w - 10) / 3, (block_w - 10) / 3, (block_w - 10) / 3};
  double bottom = y;
  for (int part = 0; part < kParts; ++part) {
    const double x0 = part * (block_w + gap);
    double yy = y + 0.5;
    double x = x0;
    for (int c = 0; c < 4; ++c) {
      page.Text(x, yy, widths[c] - 1.5, kRowHeight, Qt::AlignRight | Qt::AlignVCenter,
                table.headings[static_cast<std::size_t>(c)], page.Font(kRowFont, true));
      x += widths[c];
    }
    yy += kRowHeight + 0.3;
    page.Line(x0, yy, x0 + block_w, yy, 0.15, kRule);
    const int from = part * part_rows;
    const int to = std::min(from + part_rows, count);
    for (int i = from; i < to; ++i) {
      if ((i - from) % 2 == 1) page.Fill(x0, yy, block_w, kRowHeight, kShade);
      x = x0;
      for (int r = 0; r < 4; ++r) {
        page.Text(x, yy, widths[r] - 1.5, kRowHeight, Qt::AlignRight | Qt::AlignVCenter,
                  table.rows[static_cast<std::size_t>(i)][static_cast<std::size_t>(r)],
                  page.Font(kRowFont, r == 0));
        x += widths[r];
      }
      yy += kRowHeight;
    }
    bottom = std::max(bottom, yy);
  }
  for (int part = 1; part < kParts; ++part) {
    const double x = part * (block_w + gap) - gap / 2;
    page.Line(x, y + 0.5, x, bottom, 0.15, kRule);
  }
  return bottom;
}

// The heat balance's bar beside the diagram, painted for print.
void DrawBalance(Page& page, double x, double y, double w, double h, const std::string& title,
                 const std::vector<calc::BalanceBand>& bands) {
  y = DrawTitle(page, x, y, w, title);
  page.Painter().setFont(page.Font(kRowFont));
  PaintBalanceBands(page.Painter(), page.Rect(x, y + 1, w, h - kTitleHeight - 1), bands, true);
}

// The diagram drawn by the chart widget into the rest of the page, `w` wide.
void DrawDiagram(Page& page, double y, double w, double h, const std::string& title,
                 const calc::FuelDocument& doc, bool mixture) {
  y = DrawTitle(page, 0, y, w, title);
  h -= kTitleHeight + 1;
  EnthalpyChart chart;
  // Laid out at a screen size of the page's aspect, then scaled onto the page.
  const QSizeF size(900, 900 * h / w);
  chart.resize(size.toSize());
  chart.chart()->setGeometry(QRectF(QPointF(0, 0), size));
  if (mixture) {
    chart.ShowMixture(doc);
  } else {
    chart.ShowFuel(doc);
  }
  QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
  chart.chart()->layout()->activate();
  chart.scene()->render(&page.Painter(), page.Rect(0, y + 1, w, h), QRectF(QPointF(0, 0), size),
                        Qt::KeepAspectRatio);
}

}  // namespace

void PaintFuelReport(QPainter& painter, const QRectF& area, double dots_per_mm,
                     const calc::FuelDocument& doc, bool mixture) {
  const calc::FuelReport report = calc::MakeFuelReport(doc, mixture);
  Page page(painter, area, dots_per_mm);
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  double y = DrawHeader(page, report.header, mixture);
  for (const calc::ReportBand& band : report.bands) {
    double gap = 5;
    const std::vector<double> widths = ColumnWidths(page, band, gap);
    double bottom = y;
    double x = 0;
    for (std::size_t i = 0; i < band.size(); ++i) {
      bottom = std::max(bottom, DrawColumn(page, x, y, widths[i], band[i]));
      x += widths[i] + gap;
    }
    y = bottom + kGap;
  }
  y = DrawEnthalpyTable(page, y, report.enthalpy);
  y += kGap;
  const double h = std::min(page.Height() - y, 120.0);
  // The balance, when formed, takes the right part beside the diagram.
  const double balance_width = report.balance.empty() ? 0 : page.Width() * 0.36;
  const double diagram_width = page.Width() - (balance_width > 0 ? balance_width + kGap : 0);
  DrawDiagram(page, y, diagram_width, h, report.diagram_title, doc, mixture);
  if (balance_width > 0) {
    DrawBalance(page, diagram_width + kGap, y, balance_width, h, report.balance_title,
                report.balance);
  }
  painter.restore();
}

void PrepareReportPrinter(QPrinter& printer, const calc::FuelDocument& doc, bool mixture) {
  printer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, kPageMargins,
                                    QPageLayout::Millimeter));
  printer.setDocName(Q(calc::ReportTitle(doc, mixture)));
  printer.setCreator(QStringLiteral("Pyrana"));
}

QString PrintFuelReport(QPrinter& printer, const calc::FuelDocument& doc, bool mixture) {
  QPainter painter;
  if (!painter.begin(&printer)) return QStringLiteral("Не удалось начать печать на принтере");
  const double dots_per_mm = printer.resolution() / 25.4;
  const QRect area = printer.pageLayout().paintRectPixels(printer.resolution());
  PaintFuelReport(painter, QRectF(QPointF(0, 0), area.size()), dots_per_mm, doc, mixture);
  painter.end();
  return {};
}

QString WriteFuelReportPdf(const calc::FuelDocument& doc, bool mixture, const QString& path) {
  // The whole document is made in memory, then written as one file through the writer of
  // every file, so a failure leaves the old report whole.
  QByteArray pdf;
  {
    QBuffer buffer(&pdf);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setResolution(300);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, kPageMargins,
                                     QPageLayout::Millimeter));
    writer.setTitle(Q(calc::ReportTitle(doc, mixture)));
    writer.setCreator(QStringLiteral("Pyrana"));
    QPainter painter;
    if (!painter.begin(&writer)) {
      return QStringLiteral("Не удалось начать запись PDF в файл %1").arg(path);
    }
    const double dots_per_mm = writer.resolution() / 25.4;
    const QRect area = writer.pageLayout().paintRectPixels(writer.resolution());
    PaintFuelReport(painter, QRectF(QPointF(0, 0), area.size()), dots_per_mm, doc, mixture);
    painter.end();
  }
  return WriteWholeFile(path,
                        std::string_view(pdf.constData(), static_cast<std::size_t>(pdf.size())));
}

}  // namespace ui
