// The I–ϑ diagram draws the diagram calc/ makes for the example fuels and the mixture, and
// follows a recalculation.
#include "ui/enthalpy_chart.h"

#include <QChart>
#include <QLineSeries>
#include <QTest>
#include <QValueAxis>
#include <algorithm>

#include "calc/design.h"
#include "calc/diagram.h"
#include "support/example_fuels.h"

namespace {

using Lines = QList<QList<QPointF>>;

// The points of the series named so (the guides: dashed, without a name).
Lines Drawn(const ui::EnthalpyChart& chart, const QString& name, bool dashed) {
  Lines found;
  for (QAbstractSeries* series : chart.chart()->series()) {
    auto* xy = qobject_cast<QXYSeries*>(series);
    if (name.isEmpty() ? xy->name().isEmpty() : xy->name().startsWith(name)) {
      if ((xy->pen().style() == Qt::DashLine) == dashed) found.append(xy->points());
    }
  }
  return found;
}

QList<QPointF> Points(const std::vector<calc::DiagramPoint>& line) {
  QList<QPointF> points;
  for (const calc::DiagramPoint& p : line) points.append(QPointF(p.temperature, p.enthalpy));
  return points;
}

// Whether the chart draws `diagram`: its lines, its state and a guide to it from each axis.
bool DrawsTheDiagram(const ui::EnthalpyChart& chart, const calc::Diagram& diagram) {
  const QList<QPointF> state =
      Points(diagram.state ? std::vector{*diagram.state} : std::vector<calc::DiagramPoint>());
  const Lines guides = Drawn(chart, QString(), true);
  return Drawn(chart,
               QStringLiteral("Iг — дымовые газы при α = ") +
                   QString::fromStdString(diagram.excess_air_text),
               false) == Lines{Points(diagram.gas)} &&
         Drawn(chart, "I⁰в", false) == Lines{Points(diagram.air)} &&
         Drawn(chart, "Iзл", false) == Lines{Points(diagram.ash)} &&
         Drawn(chart, "Расчетное", false) == Lines{state} && guides.size() == 2 &&
         std::all_of(guides.begin(), guides.end(), [&](const QList<QPointF>& guide) {
           return state.isEmpty() ? guide.isEmpty() : guide.size() == 2 && guide[1] == state[0];
         });
}

calc::Diagram FuelDiagram(const calc::FuelDocument& doc) {
  return calc::MakeDiagram(doc.XLSheet6, doc.XLSheet8, doc.XLSheet15, calc::kFuelStateCells);
}

}  // namespace

class EnthalpyChartTest : public QObject {
  Q_OBJECT

 private slots:

  void CoalLinesAndStateFollowTheDesignTab() {
    calc::FuelDocument doc;
    QVERIFY(test::OpenDesignedExample(doc, "Каменный уголь.fll"));
    ui::EnthalpyChart chart;
    chart.resize(900, 600);
    chart.ShowFuel(doc);
    const calc::Diagram diagram = FuelDiagram(doc);
    QVERIFY(diagram.gas.size() == 25 && !diagram.ash.empty() && diagram.state);
    QVERIFY(DrawsTheDiagram(chart, diagram));
    QCOMPARE(chart.StateText(), QStringLiteral("1250 °С; %1 кДж/кг")
                                    .arg(QString::fromStdString(doc.XLSheet15.Text(1, 14))));

    // Refresh() follows a recalculation, also to a state that marks no point (a flue-gas
    // enthalpy, given as item 2, beyond the table) and back to a temperature (item 0).
    doc.XLSheet15.SetText(1, 2, "1.4");
    for (const auto& [given, value] : {std::pair{0, "1250"}, {2, "900000"}, {0, "700"}}) {
      doc.XLSheet15.SetInteger(0, 3, given);
      doc.XLSheet15.SetText(1, 3, value);
      calc::XLGrid15EditModeChanged(doc);
      chart.Refresh();
      const bool marked = given == 0;
      QCOMPARE(FuelDiagram(doc).state.has_value(), marked);
      QVERIFY2(DrawsTheDiagram(chart, FuelDiagram(doc)), value);
      QCOMPARE(chart.StateText().isEmpty(), !marked);
    }
    QVERIFY(FuelDiagram(doc).gas != diagram.gas);
  }

  void GasAndMixture() {
    calc::FuelDocument gas;
    QVERIFY(test::OpenDesignedExample(gas, "Природный газ.fll"));
    ui::EnthalpyChart chart;
    chart.resize(900, 600);
    chart.ShowFuel(gas);
    QVERIFY(DrawsTheDiagram(chart, FuelDiagram(gas)));
    QCOMPARE(chart.EnthalpyAxis()->titleText(), QStringLiteral("Энтальпия, кДж/м³"));
    // The mixture has no table to draw before it is valid, then draws its own sheets.
    calc::FuelDocument doc;
    const auto mixture = [&] {
      return calc::MakeDiagram(doc.XLSheet16, doc.XLSheet18, doc.XLSheet17,
                               calc::kMixtureStateCells);
    };
    chart.ShowMixture(doc);
    QVERIFY(mixture().gas.empty() && DrawsTheDiagram(chart, mixture()));
    QCOMPARE(chart.chart()->title(), QStringLiteral("Таблица энтальпий не рассчитана"));
    QVERIFY(test::BuildSixtyFortyMixture(doc));
    chart.Refresh();
    QVERIFY(chart.chart()->title().isEmpty());
    QVERIFY(mixture().gas.size() == 25 && mixture() != FuelDiagram(doc) &&
            DrawsTheDiagram(chart, mixture()));
  }
};

QTEST_MAIN(EnthalpyChartTest)
#include "enthalpy_chart_test.moc"
