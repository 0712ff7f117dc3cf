// TabSheet3 "Зола и продукты сгорания": the ash oxide analysis, the theoretical volumes
// at excess air 1, the fly-ash carry-over, the enthalpy–temperature table and its diagram.
#pragma once

#include <QWidget>

#include "calc/fuel_document.h"
#include "ui/sheet_model_pool.h"

class QSplitter;

namespace ui {

class EnthalpyChart;
class TXLGrid;

class AshProductsPage : public QWidget {
  Q_OBJECT

 public:
  AshProductsPage(calc::FuelDocument& doc, SheetModelPool& pool, QWidget* parent = nullptr);

  TXLGrid* XLGrid5 = nullptr;      // XLSheet5, ash oxides
  TXLGrid* XLGrid7 = nullptr;      // XLSheet2, volumes
  TXLGrid* XLGrid13 = nullptr;     // XLSheet13, carry-over coefficient
  TXLGrid* XLGrid8 = nullptr;      // XLSheet7, heading of the enthalpy table
  TXLGrid* XLGrid9 = nullptr;      // XLSheet8, its row titles
  TXLGrid* XLGrid6 = nullptr;      // XLSheet6, the enthalpy table, 100..2500 °C
  EnthalpyChart* Chart = nullptr;  // the I–θ diagram of the table and the design state
  QSplitter* Splitter1 = nullptr;  // the tables above, the diagram below
};

}  // namespace ui
