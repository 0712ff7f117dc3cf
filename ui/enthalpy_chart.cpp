// EnthalpyChart: the lines of calc::MakeDiagram drawn with Qt Charts.
#include "ui/enthalpy_chart.h"

#include <QChart>
#include <QGraphicsLayout>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QMouseEvent>
#include <QScatterSeries>
#include <QToolTip>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

#include "calc/enthalpy_table.h"

namespace ui {

namespace {

constexpr double kFirstTemperature = 100;
constexpr double kLastTemperature = calc::kTopTemperature;
// Room left and right of the table's temperatures, so a state point at 100 or 2500 °C is
// drawn whole.
constexpr double kTemperatureMargin = 40;
const QString kStateName = QStringLiteral("Расчетное состояние");
constexpr QMargins kChartMargins(6, 6, 12, 6);

QString DisplayUnit(const std::string& unit) {
  QString text = QString::fromStdString(unit);
  if (text.isEmpty()) text = QStringLiteral("кДж/кг");
  return text.replace(QStringLiteral("м3"), QStringLiteral("м³"));
}

// A tick step of 1, 2 or 5 times a power of ten giving about eight intervals over `span`.
double NiceStep(double span) {
  const double raw = span / 8;
  const double power = std::pow(10.0, std::floor(std::log10(raw)));
  for (const double factor : {1.0, 2.0, 5.0}) {
    if (raw <= factor * power) return factor * power;
  }
  return 10 * power;
}

QList<QPointF> Points(const std::vector<calc::DiagramPoint>& line) {
  QList<QPointF> points;
  for (const calc::DiagramPoint& p : line) points.append({p.temperature, p.enthalpy});
  return points;
}

QLineSeries* NewLine(const QString& name, const QColor& color, qreal width, Qt::PenStyle style) {
  auto* series = new QLineSeries;
  series->setName(name);
  QPen pen(color, width, style);
  pen.setCapStyle(Qt::FlatCap);
  series->setPen(pen);
  return series;
}

QFont SizedFont(int point_size, bool bold = false) {
  QFont font;
  font.setPointSize(point_size);
  font.setBold(bold);
  return font;
}

}  // namespace

EnthalpyChart::EnthalpyChart(QWidget* parent) : QChartView(parent) {
  auto* chart = new QChart;
  chart->setBackgroundRoundness(0);
  chart->setMargins(kChartMargins);
  chart->layout()->setContentsMargins(0, 0, 0, 0);
  // The legend stands in the upper left corner of the plot, which the lines rising to
  // the right leave empty, one entry a line so that no text is cut.
  QLegend* legend = chart->legend();
  legend->setAlignment(Qt::AlignLeft);
  legend->setFont(SizedFont(9));
  legend->detachFromChart();
  legend->setBackgroundVisible(true);
  legend->setBrush(QColor(255, 255, 255, 235));
  legend->setPen(QPen(QColor(0xbc, 0xbc, 0xbc), 1));
  chart->setTitleFont(SizedFont(10));
  setChart(chart);
  setRenderHint(QPainter::Antialiasing);
  setMinimumSize(480, 200);
  setMouseTracking(true);
  BuildSeries();
  connect(chart, &QChart::plotAreaChanged, this, &EnthalpyChart::PlaceOverlays);
}

void EnthalpyChart::BuildSeries() {
  gas_ = NewLine(QString(), QColor(0xb2, 0x18, 0x2b), 2.2, Qt::SolidLine);
  air_ = NewLine(QStringLiteral("I⁰в — теоретический воздух"), QColor(0x21, 0x66, 0xac), 2.2,
                 Qt::SolidLine);
  ash_ = NewLine(QStringLiteral("Iзл — зола"), QColor(0x8c, 0x6d, 0x1f), 1.8, Qt::SolidLine);
  const QColor guide_color(0x30, 0x30, 0x30);
  guide_t_ = NewLine(QString(), guide_color, 1.2, Qt::DashLine);
  guide_i_ = NewLine(QString(), guide_color, 1.2, Qt::DashLine);
  for (QLineSeries* line : {gas_, air_}) {
    line->setPointsVisible(true);
    line->setMarkerSize(3);
  }
  state_ = new QScatterSeries;
  state_->setName(kStateName);
  state_->setMarkerShape(QScatterSeries::MarkerShapeCircle);
  state_->setMarkerSize(10);
  state_->setColor(Qt::black);
  state_->setBorderColor(Qt::white);

  x_axis_ = new QValueAxis;
  x_axis_->setTitleText(QStringLiteral("Температура, °С"));
  x_axis_->setRange(kFirstTemperature - kTemperatureMargin, kLastTemperature + kTemperatureMargin);
  x_axis_->setTickType(QValueAxis::TicksDynamic);
  x_axis_->setTickAnchor(kFirstTemperature);
  x_axis_->setTickInterval(200);
  x_axis_->setMinorTickCount(1);
  y_axis_ = new QValueAxis;
  y_axis_->setTickType(QValueAxis::TicksDynamic);
  y_axis_->setTickAnchor(0);
  y_axis_->setMinorTickCount(1);
  const QPen minor_grid(QColor(0xe4, 0xe4, 0xe4), 1);
  const QPen major_grid(QColor(0xbc, 0xbc, 0xbc), 1);
  for (QValueAxis* axis : {x_axis_, y_axis_}) {
    axis->setLabelFormat(QStringLiteral("%.0f"));
    axis->setLabelsFont(SizedFont(9));
    axis->setTitleFont(SizedFont(9, true));
    axis->setGridLinePen(major_grid);
    axis->setMinorGridLinePen(minor_grid);
    axis->setLinePenColor(QColor(0x60, 0x60, 0x60));
    chart()->addAxis(axis, axis == x_axis_ ? Qt::AlignBottom : Qt::AlignLeft);
  }
  // Guides first, so the lines and the state point are drawn over them.
  for (QXYSeries* series :
       std::initializer_list<QXYSeries*>{guide_t_, guide_i_, gas_, air_, ash_, state_}) {
    chart()->addSeries(series);
    series->attachAxis(x_axis_);
    series->attachAxis(y_axis_);
  }
  UpdateAxes();
  UpdateState();
  PlaceOverlays();
}

void EnthalpyChart::ShowTable(const sheets::Sheet& table, const sheets::Sheet& titles,
                              const sheets::Sheet& design, const calc::StateCells& cells) {
  table_ = &table;
  titles_ = &titles;
  design_ = &design;
  cells_ = cells;
  drawn_ = false;
  Refresh();
}

void EnthalpyChart::ShowFuel(const calc::FuelDocument& doc) {
  ShowTable(doc.XLSheet6, doc.XLSheet8, doc.XLSheet15, calc::kFuelStateCells);
}

void EnthalpyChart::ShowMixture(const calc::FuelDocument& doc) {
  ShowTable(doc.XLSheet16, doc.XLSheet18, doc.XLSheet17, calc::kMixtureStateCells);
}

void EnthalpyChart::Refresh() {
  stale_ = false;
  if (table_ == nullptr) return;
  calc::Diagram diagram = calc::MakeDiagram(*table_, *titles_, *design_, cells_);
  // The axis texts' layout is the costly part of a redraw: skip it when nothing changed.
  if (drawn_ && diagram == diagram_) return;
  diagram_ = std::move(diagram);
  drawn_ = true;
  unit_ = DisplayUnit(diagram_.unit);
  gas_->replace(Points(diagram_.gas));
  const QString gas_name = QStringLiteral("Iг — дымовые газы при α = %1")
                               .arg(QString::fromStdString(diagram_.excess_air_text));
  if (gas_->name() != gas_name) gas_->setName(gas_name);
  air_->replace(Points(diagram_.air));
  ash_->replace(Points(diagram_.ash));
  const bool empty = diagram_.gas.empty() && diagram_.air.empty();
  const QString title = empty ? QStringLiteral("Таблица энтальпий не рассчитана") : QString();
  if (chart()->title() != title) chart()->setTitle(title);
  UpdateState();
  UpdateAxes();
  PlaceOverlays();
}

void EnthalpyChart::RefreshIfShown() {
  if (isVisible()) {
    Refresh();
  } else {
    stale_ = true;
  }
}

void EnthalpyChart::showEvent(QShowEvent* event) {
  QChartView::showEvent(event);
  if (stale_) Refresh();
}

void EnthalpyChart::PlaceOverlays() {
  QLegend* legend = chart()->legend();
  const QFontMetricsF metrics(legend->font());
  double label_width = 0;
  int shown = 0;
  // An entry for each line drawn, and the state's values under them, where they cover no
  // line.
  const QString state_name =
      state_->count() > 0 ? QStringLiteral("%1: %2").arg(kStateName, StateText()) : kStateName;
  if (state_->name() != state_name) state_->setName(state_name);
  for (QLegendMarker* marker : legend->markers()) {
    const auto* series = qobject_cast<const QXYSeries*>(marker->series());
    const bool entry = (series == gas_ || series == air_ || series == ash_ || series == state_) &&
                       series->count() > 0;
    marker->setVisible(entry);
    if (!entry) continue;
    label_width = std::max(label_width, metrics.horizontalAdvance(marker->label()));
    ++shown;
  }
  legend->setVisible(shown > 0);
  if (placing_) return;
  placing_ = true;
  // Marker, spacing and margins around the widest label; a line per entry.
  const QRectF area = chart()->plotArea();
  const QSizeF size(std::min(label_width + 40, area.width() - 16),
                    shown * (metrics.height() + 9) + 22);
  const QRectF corner(area.topLeft() + QPointF(8, 8), size);
  // In a low plot the corner is no longer empty: the legend then stands right of the
  // plot, in a margin made for it. (A plot narrowed so only covers more of the corner, so
  // the choice settles.)
  QMargins margins = kChartMargins;
  if (CrossesALine(corner)) {
    const QSizeF beside(label_width + 40, size.height());
    margins.setRight(margins.right() + static_cast<int>(beside.width()) + 12);
    legend->setGeometry(QRectF(QPointF(area.right() + 12, area.top()), beside));
  } else {
    legend->setGeometry(corner);
  }
  if (chart()->margins() != margins) chart()->setMargins(margins);
  // Room for every temperature label however narrow the plot.
  x_axis_->setTickInterval(area.width() < 560 ? 400 : 200);
  legend->update();
  placing_ = false;
}

bool EnthalpyChart::CrossesALine(const QRectF& rect) const {
  const QLineF edges[] = {{rect.topLeft(), rect.topRight()},
                          {rect.topRight(), rect.bottomRight()},
                          {rect.bottomRight(), rect.bottomLeft()},
                          {rect.bottomLeft(), rect.topLeft()}};
  for (const QXYSeries* line :
       {static_cast<const QXYSeries*>(gas_), static_cast<const QXYSeries*>(air_),
        static_cast<const QXYSeries*>(ash_)}) {
    const QList<QPointF> points = line->points();
    for (qsizetype i = 0; i < points.size(); ++i) {
      const QPointF at = chart()->mapToPosition(points[i], gas_);
      if (rect.contains(at)) return true;
      if (i == 0) continue;
      const QLineF segment(chart()->mapToPosition(points[i - 1], gas_), at);
      for (const QLineF& edge : edges) {
        if (segment.intersects(edge) == QLineF::BoundedIntersection) return true;
      }
    }
  }
  if (state_->count() > 0 && rect.contains(chart()->mapToPosition(state_->at(0), state_))) {
    return true;
  }
  return false;
}

QString EnthalpyChart::StateText() const {
  if (state_->count() == 0) return {};
  const auto text = [this](calc::StateCells::At at) {
    return QString::fromStdString(design_->Text(at.col, at.row)).trimmed();
  };
  // The values as the design sheet shows them.
  return QStringLiteral("%1 °С; %2 %3")
      .arg(text(cells_.temperature), text(cells_.gas_enthalpy), unit_);
}

void EnthalpyChart::UpdateState() {
  const auto& state = diagram_.state;
  const bool shown =
      state && state->temperature >= kFirstTemperature && state->temperature <= kLastTemperature;
  if (!shown) {
    state_->clear();
    guide_t_->clear();
    guide_i_->clear();
  } else {
    const double bottom = std::min(0.0, state->enthalpy);
    state_->replace({QPointF(state->temperature, state->enthalpy)});
    guide_t_->replace(
        {QPointF(state->temperature, bottom), QPointF(state->temperature, state->enthalpy)});
    guide_i_->replace({QPointF(kFirstTemperature, state->enthalpy),
                       QPointF(state->temperature, state->enthalpy)});
  }
}

void EnthalpyChart::UpdateAxes() {
  const QString title = QStringLiteral("Энтальпия, %1").arg(unit_.isEmpty() ? "кДж/кг" : unit_);
  if (y_axis_->titleText() != title) y_axis_->setTitleText(title);
  double low = 0;
  double high = 0;
  for (const auto* line : {&diagram_.gas, &diagram_.air, &diagram_.ash}) {
    for (const calc::DiagramPoint& p : *line) {
      low = std::min(low, p.enthalpy);
      high = std::max(high, p.enthalpy);
    }
  }
  if (state_->count() > 0) {
    low = std::min(low, state_->at(0).y());
    high = std::max(high, state_->at(0).y());
  }
  if (high - low <= 0) high = low + 1000;
  const double step = NiceStep(high - low);
  const double min = std::floor(low / step) * step;
  const double max = std::ceil(high / step) * step;
  if (y_axis_->tickInterval() != step) y_axis_->setTickInterval(step);
  if (y_axis_->min() != min || y_axis_->max() != max) y_axis_->setRange(min, max);
}

void EnthalpyChart::mouseMoveEvent(QMouseEvent* event) {
  const QPointF in_chart = chart()->mapFromScene(mapToScene(event->position().toPoint()));
  if (chart()->plotArea().contains(in_chart)) {
    const QPointF value = chart()->mapToValue(in_chart, gas_);
    QToolTip::showText(event->globalPosition().toPoint(),
                       QStringLiteral("%1 °С; %2 %3")
                           .arg(value.x(), 0, 'f', 0)
                           .arg(value.y(), 0, 'f', 0)
                           .arg(unit_),
                       this);
  } else {
    QToolTip::hideText();
  }
  QChartView::mouseMoveEvent(event);
}

}  // namespace ui
