// TabSheet6 "Расчетные параметры": the combustion products and the flue-gas state at a
// given excess air and fly-ash carry-over.
#pragma once

#include <QWidget>

#include "calc/fuel_document.h"
#include "ui/sheet_model_pool.h"

namespace ui {

class TXLGrid;

class DesignParametersPage : public QWidget {
  Q_OBJECT

 public:
  DesignParametersPage(calc::FuelDocument& doc, SheetModelPool& pool, QWidget* parent = nullptr);

  TXLGrid* XLGrid15 = nullptr;  // XLSheet15
};

}  // namespace ui
