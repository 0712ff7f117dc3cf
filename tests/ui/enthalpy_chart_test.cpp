// The I–ϑ diagram over documents loaded from the example library: what each line, the
// state point, its guides, the legend and the axes show for a coal, a gas and a mixture,
// and that a recalculation is followed. With PYRANA_SCREENSHOT_DIR set, the three charts
// are also saved there as PNG files for people to look at.
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
#include "calc/fuel_io.h"
#include "calc/mixture.h"

namespace {

std::string Example(const char* name) {
  return std::string(PYRANA_SOURCE_DIR) + "/examples/Fuel/" + name;
}

// Loads a fuel as the list does and computes the design tab at `alpha` for the given
// temperature `given`.
bool LoadFuel(calc::FuelDocument& doc, const char* name, const char* alpha, const char* given) {
  if (!calc::LoadLibraryFuel(doc, Example(name))) return false;
  doc.XLSheet15.SetText(1, 2, alpha);
  doc.XLSheet15.SetInteger(0, 3, 0);
  doc.XLSheet15.SetText(1, 3, given);
  calc::XLGrid15EditModeChanged(doc);
  return true;
}

// 60 % coal and 40 % natural gas, as the user builds it, with the design at α 1.2, 1250 °C.
bool BuildMixture(calc::FuelDocument& doc) {
  if (!calc::LoadLibraryFuel(doc, Example("Каменный уголь.fll"))) return false;
  calc::PickComponent(doc, 1);
  if (!calc::LoadLibraryFuel(doc, Example("Природный газ.fll"))) return false;
  calc::PickComponent(doc, 2);
  calc::ShareChange(doc, 1, "60");
  calc::ShareChange(doc, 2, "40");
  if (!doc.SpeedButton13) return false;
  doc.XLSheet17.SetText(1, 2, "1.2");
  doc.XLSheet17.SetText(1, 3, "1250");
  calc::SpeedButton13Click(doc);
  return true;
}

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
  void CoalShowsLinesStateAndAxes();
  void StateShownAsDashOrOutsideTheAxisIsNotDrawn();
  void GasHasCubicMetreUnitsAndNoAshLine();
  void MixtureUsesItsOwnSheets();
};

void EnthalpyChartTest::CoalShowsLinesStateAndAxes() {
  calc::FuelDocument doc;
  QVERIFY(LoadFuel(doc, "Каменный уголь.fll", "1.2", "1250"));
  ui::EnthalpyChart chart;
  chart.resize(900, 600);
  chart.ShowFuel(doc);

  QLineSeries* gas = Line(chart, "Iг");
  QLineSeries* air = Line(chart, "I⁰в");
  QLineSeries* ash = Line(chart, "Iзл");
  QVERIFY(gas && air && ash);
  QCOMPARE(gas->name(), QStringLiteral("Iг — дымовые газы при α = 1.2"));
  QCOMPARE(gas->count(), 25);
  QCOMPARE(air->count(), 25);
  // Displayed table of this coal: I0air at 1000 °C 8268.18; the ash line ends at 2000 °C,
  // the last column before "-".
  QCOMPARE(air->at(9), QPointF(1000, 8268.18));
  QCOMPARE(ash->count(), 20);
  QCOMPARE(ash->at(19), QPointF(2000, 477.28));
  // (1.2 − 1)·8268.18 + 9801.69 + 186.96 = 11642.286 (α is the single 1.2f).
  QVERIFY(qAbs(gas->at(9).y() - 11642.286) < 1e-3);

  // The state of the design tab, with dashed guides from both axes.
  QScatterSeries* state = StatePoint(chart);
  QVERIFY(state != nullptr);
  QCOMPARE(state->count(), 1);
  const double enthalpy = std::stod(doc.XLSheet15.Text(1, 14));
  QCOMPARE(state->at(0), QPointF(1250, enthalpy));
  QCOMPARE(
      chart.StateText(),
      QStringLiteral("1250 °С; %1 кДж/кг").arg(QString::fromStdString(doc.XLSheet15.Text(1, 14))));
  const QList<QLineSeries*> guides = Guides(chart);
  QCOMPARE(guides.size(), 2);
  for (QLineSeries* guide : guides) {
    QCOMPARE(guide->pen().style(), Qt::DashLine);
    QCOMPARE(guide->count(), 2);
    QCOMPARE(guide->at(1), QPointF(1250, enthalpy));
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
  for (const QPointF& p : gas->points()) top = std::max(top, p.y());
  QCOMPARE(y->min(), 0.0);
  QVERIFY(y->max() >= top && y->max() < top + y->tickInterval());
  QVERIFY(y->tickInterval() > 0 && (y->max() - y->min()) / y->tickInterval() <= 12);

  SaveScreenshot(chart, "chart-solid-fuel.png");

  // A recalculation at another excess air is followed on Refresh().
  doc.XLSheet15.SetText(1, 2, "1.4");
  calc::XLGrid15EditModeChanged(doc);
  chart.Refresh();
  QCOMPARE(gas->name(), QStringLiteral("Iг — дымовые газы при α = 1.4"));
  QVERIFY(qAbs(gas->at(9).y() - (0.4 * 8268.18 + 9801.69 + 186.96)) < 1e-2);
  QCOMPARE(state->at(0).y(), std::stod(doc.XLSheet15.Text(1, 14)));
}

void EnthalpyChartTest::StateShownAsDashOrOutsideTheAxisIsNotDrawn() {
  calc::FuelDocument doc;
  QVERIFY(LoadFuel(doc, "Каменный уголь.fll", "1.2", "1250"));
  ui::EnthalpyChart chart;
  chart.ShowFuel(doc);
  QScatterSeries* state = StatePoint(chart);
  QCOMPARE(state->count(), 1);

  // A flue-gas enthalpy beyond the table: the design tab shows "-".
  doc.XLSheet15.SetInteger(0, 3, 2);
  doc.XLSheet15.SetText(1, 3, "900000");
  calc::XLGrid15EditModeChanged(doc);
  QCOMPARE(doc.XLSheet15.Text(1, 12), std::string("-"));
  chart.Refresh();
  QCOMPARE(state->count(), 0);
  for (QLineSeries* guide : Guides(chart)) QCOMPARE(guide->count(), 0);
  QCOMPARE(chart.StateText(), QString());

  // A temperature below the axis is not marked either.
  doc.XLSheet15.SetInteger(0, 3, 0);
  doc.XLSheet15.SetText(1, 3, "50");
  calc::XLGrid15EditModeChanged(doc);
  chart.Refresh();
  QCOMPARE(state->count(), 0);

  // Emptied state cells: nothing marked; then a valid state again.
  doc.XLSheet15.SetText(1, 3, "700");
  calc::XLGrid15EditModeChanged(doc);
  chart.Refresh();
  QCOMPARE(state->count(), 1);
  doc.XLSheet15.SetText(1, 14, "");
  chart.Refresh();
  QCOMPARE(state->count(), 0);
}

void EnthalpyChartTest::GasHasCubicMetreUnitsAndNoAshLine() {
  calc::FuelDocument doc;
  QVERIFY(LoadFuel(doc, "Природный газ.fll", "1.1", "1250"));
  ui::EnthalpyChart chart;
  chart.resize(900, 600);
  chart.ShowFuel(doc);
  QCOMPARE(chart.EnthalpyAxis()->titleText(), QStringLiteral("Энтальпия, кДж/м³"));
  QCOMPARE(Line(chart, "Iзл")->count(), 0);
  const QStringList legend = VisibleLegend(chart);
  QCOMPARE(legend.size(), 3);  // flue gas, air and the state
  QVERIFY(!legend.join(' ').contains(QStringLiteral("зола")));
  QVERIFY(chart.StateText().endsWith(QStringLiteral(" кДж/м³")));
  QCOMPARE(StatePoint(chart)->count(), 1);
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

  QVERIFY(BuildMixture(doc));
  chart.Refresh();
  QVERIFY(chart.chart()->title().isEmpty());
  QLineSeries* gas = Line(chart, "Iг");
  QCOMPARE(gas->count(), 25);
  QCOMPARE(gas->name(), QStringLiteral("Iг — дымовые газы при α = 1.2"));
  QCOMPARE(gas->at(0).x(), 100.0);
  QCOMPARE(Line(chart, "I⁰в")->at(0).y(), std::stod(doc.XLSheet16.Text(0, 1)));
  QCOMPARE(Line(chart, "Iзл")->count(), 20);
  QScatterSeries* state = StatePoint(chart);
  QCOMPARE(state->count(), 1);
  QCOMPARE(state->at(0),
           QPointF(std::stod(doc.XLSheet17.Text(4, 5)), std::stod(doc.XLSheet17.Text(4, 7))));
  SaveScreenshot(chart, "chart-mixture-60-40.png");
}

QTEST_MAIN(EnthalpyChartTest)
#include "enthalpy_chart_test.moc"
