// HeatBalancePicture: the heat balance's bar painted with a QPainter of its own.
#include "ui/heat_balance_picture.h"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <vector>

namespace ui {

namespace {

// The colours of the I–ϑ diagram's family: the useful heat green, the flue-gas loss the
// gas line's red, the other losses quieter, the latent heat the air line's blue.
QColor BandColor(const calc::BalanceBand& band, bool print) {
  QColor color;
  if (band.recovered) {
    color = QColor(0x21, 0x66, 0xac);
  } else if (band.name == "η") {
    color = QColor(0x1a, 0x98, 0x50);
  } else if (band.name == "q2") {
    color = QColor(0xb2, 0x18, 0x2b);
  } else if (band.name == "q3") {
    color = QColor(0xe0, 0x82, 0x14);
  } else if (band.name == "q4") {
    color = QColor(0x8c, 0x6d, 0x1f);
  } else if (band.name == "q5") {
    color = QColor(0x76, 0x2a, 0x83);
  } else {
    color = QColor(0x80, 0x80, 0x80);
  }
  return print ? color.lighter(135) : color;
}

// "q2 с уходящими газами — 6,02 %"; the latent heat, outside the 100 %, with a "+".
QString LabelText(const calc::BalanceBand& band) {
  return QStringLiteral("%1 %2 — %3%4 %")
      .arg(QString::fromStdString(band.name), QString::fromStdString(band.label),
           band.recovered ? QStringLiteral("+") : QString(), QString::fromStdString(band.text));
}

}  // namespace

void PaintBalanceBands(QPainter& painter, const QRectF& area,
                       const std::vector<calc::BalanceBand>& bands, bool print) {
  if (bands.empty() || area.width() <= 0 || area.height() <= 0) return;
  painter.save();
  const QFontMetricsF metrics(painter.font());
  const double line = metrics.height();
  const QColor ink = print ? Qt::black : QColor(0x30, 0x30, 0x30);
  const double top = area.top() + line * 1.4;
  const double height = std::max(area.height() - line * 1.8, 1.0);
  const double bar_left = area.left() + 2;
  const double bar_width = std::min(area.width() * 0.16, line * 4.5);
  const double side_width = bar_width * 0.5;  // the latent heat's band beside q2
  const double label_left = bar_left + bar_width + side_width + line;
  const double pen = line * 0.06;

  painter.setPen(ink);
  painter.drawText(QRectF(area.left(), area.top(), area.width(), line * 1.2),
                   Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Qрр = 100 %"));

  // The bar: each band as tall as its share of the 100 %; the latent heat hatched beside
  // q2, outside the 100 %, as tall as its own share.
  struct Label {
    QPointF anchor;  // the band's edge its leader starts from
    QString text;
    double y;  // the top of the label's line
  };
  std::vector<Label> labels;
  double y = top;
  double q2_top = top;
  double q2_height = 0;
  for (const calc::BalanceBand& band : bands) {
    if (band.recovered) continue;
    const double h = height * std::clamp(band.percent, 0.0, 100.0) / 100;
    painter.setPen(QPen(print ? Qt::black : Qt::white, pen));
    painter.setBrush(BandColor(band, print));
    painter.drawRect(QRectF(bar_left, y, bar_width, h));
    if (band.name == "q2") {
      q2_top = y;
      q2_height = h;
    }
    labels.push_back({QPointF(bar_left + bar_width, y + h / 2), LabelText(band), 0});
    y += h;
  }
  for (const calc::BalanceBand& band : bands) {
    if (!band.recovered) continue;
    const double h = std::max(height * std::clamp(band.percent, 0.0, 100.0) / 100, 2 * pen);
    const QRectF side(bar_left + bar_width + pen, q2_top + (q2_height - h) / 2, side_width, h);
    painter.setPen(QPen(BandColor(band, print), pen));
    painter.setBrush(QBrush(BandColor(band, print), Qt::BDiagPattern));
    painter.drawRect(side);
    labels.push_back({QPointF(side.right(), side.center().y()), LabelText(band), 0});
  }
  // The labels in order, each at its band where there is room, pushed apart where small
  // bands crowd, and all inside the area.
  double next = top;
  for (Label& label : labels) {
    label.y = std::max(next, label.anchor.y() - line / 2);
    next = label.y + line;
  }
  double last = top + height - line;
  for (auto it = labels.rbegin(); it != labels.rend(); ++it) {
    it->y = std::min(it->y, last);
    last = it->y - line;
  }
  for (const Label& label : labels) {
    painter.setPen(QPen(ink, pen));
    painter.drawLine(label.anchor, QPointF(label_left - line * 0.3, label.y + line / 2));
    painter.drawText(QRectF(label_left, label.y, area.right() - label_left, line),
                     Qt::AlignLeft | Qt::AlignVCenter, label.text);
  }
  painter.restore();
}

HeatBalancePicture::HeatBalancePicture(const sheets::Sheet& sheet, QWidget* parent)
    : QWidget(parent), sheet_(sheet) {
  setAutoFillBackground(true);
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, Qt::white);
  setPalette(palette);
}

std::vector<calc::BalanceBand> HeatBalancePicture::Bands() const {
  return calc::BalanceBands(sheet_);
}

QSize HeatBalancePicture::sizeHint() const { return {360, 320}; }

void HeatBalancePicture::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  PaintBalanceBands(painter, QRectF(rect()).adjusted(8, 8, -8, -8), Bands(), false);
}

}  // namespace ui
