// TabSheet7 "Смесь топлива": PageControl2 with the component page TabSheet21 and the
// results page TabSheet22; their tabs are hidden, the results page is reached by a button.
#pragma once

#include <QWidget>

#include "calc/fuel_document.h"
#include "ui/sheet_model_pool.h"

class QStackedWidget;

namespace ui {

class MixturePage : public QWidget {
  Q_OBJECT

 public:
  MixturePage(calc::FuelDocument& doc, SheetModelPool& pool, QWidget* parent = nullptr);

  QStackedWidget* PageControl2 = nullptr;
  QWidget* TabSheet21 = nullptr;  // components and shares
  QWidget* TabSheet22 = nullptr;  // the mixture's enthalpy table and design parameters
};

}  // namespace ui
