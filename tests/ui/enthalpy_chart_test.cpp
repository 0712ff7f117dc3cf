// The I–ϑ diagram over documents loaded from the example library: each line and the state
// point are the diagram the calculation makes, with their guides, the legend and the axes,
// for a coal, a gas and a mixture, and a recalculation is followed. With
// PYRANA_SCREENSHOT_DIR set, the three charts are also saved there as PNG files for people
// to look at.
#include "ui/enthalpy_chart.h"

#include <QChart>
#include <QDir>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QScatterSeries>
#include <QTest>
#include <QValueAxis>
#include <string>

#include "calc/design.h"
#include "calc/diagram.h"
#include "calc/fuel_io.h"
#include "support/example_fuels.h"

namespace {

// An example fuel loaded as the list does, its design tab computed at `alpha` for 1250 °C,
// shown in a chart.
struct FuelChart {
  bool Show(const char* name, const char* alpha) {
    if (!calc::LoadLibraryFuel(doc, test::ExampleFuel(name))) return false;
    doc.XLSheet15.SetText(1, 2, alpha);
    doc.XLSheet15.SetInteger(0, 3, 0);
    doc.XLSheet15.SetText(1, 3, "1250");
    calc::XLGrid15EditModeChanged(doc);
    chart.resize(900, 600);
    chart.ShowFuel(doc);
    return true;
  }
  calc::FuelDocument doc;
  ui::EnthalpyChart chart;
};

QLineSeries* Line(const ui::EnthalpyChart& chart, const QString& name_start) {
  for (QAbstractSeries* series : chart.chart()->series()) {
    if (series->name().startsWith(name_start)) return qobject_cast<QLineSeries*>(series);
  }
  return nullptr;
}

QScatterSeries* StatePoint(const ui::EnthalpyChart& chart) {
  for (QAbstractSeries* series : chart.chart()->series()) {
    if (auto* scatter = qobject_cast<QScatterSeries*>(series)) return scatter;
  }
  return nullptr;
}

// The dashed guides: the line series without a name.
QList<QLineSeries*> Guides(const ui::EnthalpyChart& chart) {
  QList<QLineSeries*> guides;
  for (QAbstractSeries* series : chart.chart()->series()) {
    auto* line = qobject_cast<QLineSeries*>(series);
    if (line != nullptr && line->name().isEmpty()) guides.append(line);
  }
  return guides;
}

QList<QPointF> Points(const std::vector<calc::DiagramPoint>& line) {
  QList<QPointF> points;
  for (const calc::DiagramPoint& p : line) points.append(QPointF(p.temperature, p.enthalpy));
  return points;
}

// Whether the chart's lines and state are those of `diagram`.
bool DrawsTheDiagram(const ui::EnthalpyChart& chart, const calc::Diagram& diagram) {
  const QString alpha = QString::fromStdString(diagram.excess_air_text);
  const QScatterSeries* state = StatePoint(chart);
  return Line(chart, "Iг")->name() == QStringLiteral("Iг — дымовые газы при α = ") + alpha &&
         Line(chart, "Iг")->points() == Points(diagram.gas) &&
         Line(chart, "I⁰в")->points() == Points(diagram.air) &&
         Line(chart, "Iзл")->points() == Points(diagram.ash) &&
         state->count() == (diagram.state ? 1 : 0) &&
         (!diagram.state ||
          state->at(0) == QPointF(diagram.state->temperature, diagram.state->enthalpy));
}

calc::Diagram FuelDiagram(const calc::FuelDocument& doc) {
  return calc::MakeDiagram(doc.XLSheet6, doc.XLSheet8, doc.XLSheet15, calc::kFuelStateCells);
}

// The legend as shown: the chart must be on screen for its markers to be visible.
QStringList VisibleLegend(ui::EnthalpyChart& chart) {
  chart.show();
  QStringList labels;
  for (QLegendMarker* marker : chart.chart()->legend()->markers()) {
    if (marker->isVisible()) labels.append(marker->label());
  }
  return labels;
}

void SaveScreenshot(ui::EnthalpyChart& chart, const QString& file) {
  const QString dir = qEnvironmentVariable("PYRANA_SCREENSHOT_DIR");
  if (dir.isEmpty()) return;
  QDir().mkpath(dir);
  QCoreApplication::processEvents();  // the chart lays itself out from the event queue
  QVERIFY(chart.grab().save(dir + "/" + file));
}

}  // namespace

class EnthalpyChartTest : public QObject {
  Q_OBJECT

 private slots:
  void CoalShowsLinesStateAndAxesAndNoStateOffTheTable();
  void GasHasCubicMetreUnitsAndNoAshLine();
  void MixtureUsesItsOwnSheets();
};

void EnthalpyChartTest::CoalShowsLinesStateAndAxesAndNoStateOffTheTable() {
  FuelChart shown;
  QVERIFY(shown.Show("Каменный уголь.fll", "1.2"));
  calc::FuelDocument& doc = shown.doc;
  ui::EnthalpyChart& chart = shown.chart;
  const calc::Diagram diagram = FuelDiagram(doc);
  QVERIFY(diagram.gas.size() == 25 && !diagram.ash.empty() && diagram.state);
  QVERIFY(DrawsTheDiagram(chart, diagram));

  // The state of the design tab, with dashed guides from both axes.
  const QPointF state = StatePoint(chart)->at(0);
  QCOMPARE(
      chart.StateText(),
      QStringLiteral("1250 °С; %1 кДж/кг").arg(QString::fromStdString(doc.XLSheet15.Text(1, 14))));
  const QList<QLineSeries*> guides = Guides(chart);
  QCOMPARE(guides.size(), 2);
  for (QLineSeries* guide : guides) {
    QCOMPARE(guide->pen().style(), Qt::DashLine);
    QCOMPARE(guide->count(), 2);
    QCOMPARE(guide->at(1), state);
  }
  // The lines and the state's values in the legend, which covers no line; the guides
  // have no entry.
  QCOMPARE(VisibleLegend(chart),
           QStringList({QStringLiteral("Iг — дымовые газы при α = 1.2"),
                        QStringLiteral("I⁰в — теоретический воздух"), QStringLiteral("Iзл — зола"),
                        QStringLiteral("Расчетное состояние: ") + chart.StateText()}));

  QValueAxis* x = chart.TemperatureAxis();
  QValueAxis* y = chart.EnthalpyAxis();
  QCOMPARE(x->titleText(), QStringLiteral("Температура, °С"));
  // Room around 100 and 2500 °C, so that a state point there is drawn whole.
  QVERIFY(x->min() < 100 - 4 && x->min() > 0);
  QVERIFY(x->max() > 2500 + 4 && x->max() < 2600);
  QCOMPARE(x->tickAnchor(), 100.0);
  QCOMPARE(y->titleText(), QStringLiteral("Энтальпия, кДж/кг"));
  // The axis starts at 0 and ends on the first tick above the largest value.
  double top = 0;
  for (const calc::DiagramPoint& p : diagram.gas) top = std::max(top, p.enthalpy);
  QCOMPARE(y->min(), 0.0);
  QVERIFY(y->max() >= top && y->max() < top + y->tickInterval());
  QVERIFY(y->tickInterval() > 0 && (y->max() - y->min()) / y->tickInterval() <= 12);

  SaveScreenshot(chart, "chart-solid-fuel.png");

  // A recalculation at another excess air is followed on Refresh().
  doc.XLSheet15.SetText(1, 2, "1.4");
  calc::XLGrid15EditModeChanged(doc);
  chart.Refresh();
  QVERIFY(FuelDiagram(doc).gas != diagram.gas);
  QVERIFY(DrawsTheDiagram(chart, FuelDiagram(doc)));

  // No state is marked for a flue-gas enthalpy beyond the table (the design tab shows
  // "-"), nor for a temperature below the axis, nor for emptied state cells; a valid state
  // between them is.
  struct State {
    int given;  // 0 temperature, 2 flue-gas enthalpy
    const char* value;
    bool marked;
  };
  for (const State& s : {State{2, "900000", false}, State{0, "50", false}, State{0, "700", true},
                         State{0, "", false}}) {
    if (*s.value != '\0') {
      doc.XLSheet15.SetInteger(0, 3, s.given);
      doc.XLSheet15.SetText(1, 3, s.value);
      calc::XLGrid15EditModeChanged(doc);
    } else {
      doc.XLSheet15.SetText(1, 14, "");
    }
    if (s.given == 2) QCOMPARE(doc.XLSheet15.Text(1, 12), std::string("-"));
    chart.Refresh();
    QCOMPARE(StatePoint(chart)->count(), s.marked ? 1 : 0);
    for (QLineSeries* guide : Guides(chart)) QCOMPARE(guide->count(), s.marked ? 2 : 0);
    QCOMPARE(chart.StateText().isEmpty(), !s.marked);
  }
}

void EnthalpyChartTest::GasHasCubicMetreUnitsAndNoAshLine() {
  FuelChart shown;
  QVERIFY(shown.Show("Природный газ.fll", "1.1"));
  calc::FuelDocument& doc = shown.doc;
  ui::EnthalpyChart& chart = shown.chart;
  QVERIFY(DrawsTheDiagram(chart, FuelDiagram(doc)));
  QCOMPARE(chart.EnthalpyAxis()->titleText(), QStringLiteral("Энтальпия, кДж/м³"));
  QCOMPARE(Line(chart, "Iзл")->count(), 0);
  const QStringList legend = VisibleLegend(chart);
  QCOMPARE(legend.size(), 3);  // flue gas, air and the state
  QVERIFY(!legend.join(' ').contains(QStringLiteral("зола")));
  QVERIFY(chart.StateText().endsWith(QStringLiteral(" кДж/м³")));
  SaveScreenshot(chart, "chart-gas.png");
}

void EnthalpyChartTest::MixtureUsesItsOwnSheets() {
  calc::FuelDocument doc;
  ui::EnthalpyChart chart;
  chart.resize(900, 600);
  // Before a valid mixture there is no table to draw.
  chart.ShowMixture(doc);
  QCOMPARE(Line(chart, "Iг")->count(), 0);
  QCOMPARE(StatePoint(chart)->count(), 0);
  QCOMPARE(chart.chart()->title(), QStringLiteral("Таблица энтальпий не рассчитана"));
  QVERIFY(VisibleLegend(chart).isEmpty());

  QVERIFY(test::BuildSixtyFortyMixture(doc));
  chart.Refresh();
  QVERIFY(chart.chart()->title().isEmpty());
  const calc::Diagram diagram =
      calc::MakeDiagram(doc.XLSheet16, doc.XLSheet18, doc.XLSheet17, calc::kMixtureStateCells);
  QVERIFY(diagram.gas.size() == 25 && !diagram.ash.empty() && diagram.state);
  QVERIFY(DrawsTheDiagram(chart, diagram));
  // Its own sheets, not the fuel's.
  QVERIFY(diagram != FuelDiagram(doc));
  SaveScreenshot(chart, "chart-mixture-60-40.png");
}

QTEST_MAIN(EnthalpyChartTest)
#include "enthalpy_chart_test.moc"
