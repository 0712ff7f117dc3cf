// TabSheet5 (its tab is hidden): the built-in enthalpy table of gases, air and ash with
// its column headings.
#pragma once

#include <QWidget>

#include "calc/fuel_document.h"
#include "ui/sheet_model_pool.h"

namespace ui {

class TXLGrid;

class EnthalpyDataPage : public QWidget {
  Q_OBJECT

 public:
  EnthalpyDataPage(calc::FuelDocument& doc, SheetModelPool& pool, QWidget* parent = nullptr);

  TXLGrid* XLGrid12 = nullptr;  // XLSheet12, the headings
  TXLGrid* XLGrid11 = nullptr;  // XLSheet11, the table
};

}  // namespace ui
