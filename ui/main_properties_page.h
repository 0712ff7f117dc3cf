// TabSheet2 "Основные характеристики": composition and heating values (or the gas
// composition), reduced values and ash temperatures of the 1998 norms, and the automatic
// heating value switch.
#pragma once

#include <QWidget>

#include "calc/fuel_document.h"
#include "ui/sheet_model_pool.h"

class QCheckBox;

namespace ui {

class TXLGrid;

class MainPropertiesPage : public QWidget {
  Q_OBJECT

 public:
  MainPropertiesPage(calc::FuelDocument& doc, SheetModelPool& pool, QWidget* parent = nullptr);

  TXLGrid* XLGrid3 = nullptr;  // XLSheet3, or XLSheet1_2 for gaseous fuel
  TXLGrid* XLGrid4 = nullptr;  // XLSheet4
  QCheckBox* CheckBox2 = nullptr;  // "Автоматически расчитывать теплотворность"
};

}  // namespace ui
