// TabSheet4 "Все данные" (its tab is hidden): the All-data sheet, the fuel record, with
// the choice of its labels for solid and liquid fuel or for gas.
#pragma once

#include <QWidget>

#include "calc/fuel_document.h"
#include "ui/sheet_model_pool.h"

class QButtonGroup;
class QGroupBox;

namespace ui {

class TXLGrid;

class AllDataPage : public QWidget {
  Q_OBJECT

 public:
  AllDataPage(calc::FuelDocument& doc, SheetModelPool& pool, QWidget* parent = nullptr);

  TXLGrid* XLGrid10 = nullptr;  // XLSheet10
  // "Тип топлива": item 0 "Твердое и жидкое", item 1 "Газообразное".
  QGroupBox* RadioGroup1 = nullptr;
  QButtonGroup* RadioGroup1Items = nullptr;
};

}  // namespace ui
