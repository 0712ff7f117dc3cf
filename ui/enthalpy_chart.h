// The I–ϑ diagram of an enthalpy–temperature table: the flue-gas enthalpy at the design
// excess air, the air and ash enthalpies against temperature, and the design state.
#pragma once

#include <QChartView>

#include "calc/diagram.h"
#include "calc/fuel_document.h"
#include "calc/lookup.h"

class QLineSeries;
class QScatterSeries;
class QValueAxis;

namespace ui {

class EnthalpyChart : public QChartView {
  Q_OBJECT

 public:
  explicit EnthalpyChart(QWidget* parent = nullptr);

  // Shows the table `table` (XLSheet6, XLSheet16) with the unit of its row titles
  // `titles` (XLSheet8, XLSheet18), at the excess air of `design` (XLSheet15,
  // XLSheet17), marking the state of `cells`. The sheets are read now and on every
  // Refresh(), so they must outlive the chart or the next ShowTable().
  void ShowTable(const sheets::Sheet& table, const sheets::Sheet& titles,
                 const sheets::Sheet& design, const calc::StateCells& cells);
  // The single fuel's sheets; the mixture's.
  void ShowFuel(const calc::FuelDocument& doc);
  void ShowMixture(const calc::FuelDocument& doc);

  // Reads the sheets again and redraws what differs from the drawing.
  void Refresh();
  // Refresh() when the chart is on screen; a hidden chart refreshes when it is shown.
  void RefreshIfShown();

  // What is drawn.
  const calc::Diagram& Shown() const { return diagram_; }
  QValueAxis* TemperatureAxis() const { return x_axis_; }
  QValueAxis* EnthalpyAxis() const { return y_axis_; }
  // The values of the state written in the legend; empty when no state is drawn.
  QString StateText() const;

 protected:
  void showEvent(QShowEvent* event) override;
  // Shows the temperature and enthalpy under the cursor.
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  void BuildSeries();
  void UpdateAxes();
  void UpdateState();
  // Puts the legend, the state's values included, into the upper left corner of the plot
  // area, which the rising lines leave empty, or beside the plot when they do not.
  void PlaceOverlays();
  // Whether a line or the state point of the diagram runs through `rect` (chart
  // coordinates).
  bool CrossesALine(const QRectF& rect) const;

  const sheets::Sheet* table_ = nullptr;
  const sheets::Sheet* titles_ = nullptr;
  const sheets::Sheet* design_ = nullptr;
  calc::StateCells cells_{};
  calc::Diagram diagram_;
  bool drawn_ = false;    // diagram_ is on the chart
  bool stale_ = false;    // the sheets may have changed while the chart was hidden
  bool placing_ = false;  // PlaceOverlays() moves the legend, which moves the plot
  QString unit_;

  QLineSeries* gas_ = nullptr;
  QLineSeries* air_ = nullptr;
  QLineSeries* ash_ = nullptr;
  QScatterSeries* state_ = nullptr;
  QLineSeries* guide_t_ = nullptr;  // vertical, from the axis up to the state
  QLineSeries* guide_i_ = nullptr;  // horizontal, from the axis across to the state
  QValueAxis* x_axis_ = nullptr;
  QValueAxis* y_axis_ = nullptr;
};

}  // namespace ui
