// TabSheet1, the input page of the 1973 norms (its tab is shown only under those norms):
// the composition sheet, the volumes and the automatic heating value switch.
#pragma once

#include <QWidget>

#include "calc/fuel_document.h"
#include "ui/sheet_model_pool.h"

class QCheckBox;

namespace ui {

class TXLGrid;

class Norms1973Page : public QWidget {
  Q_OBJECT

 public:
  Norms1973Page(calc::FuelDocument& doc, SheetModelPool& pool, QWidget* parent = nullptr);

  TXLGrid* XLGrid1 = nullptr;  // XLSheet1_1, or XLSheet1_2 for gaseous fuel
  TXLGrid* XLGrid2 = nullptr;  // XLSheet2
  QCheckBox* CheckBox1 = nullptr;  // "Автоматически расчитывать теплотворность"
};

}  // namespace ui
