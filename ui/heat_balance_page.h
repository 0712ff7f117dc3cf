// The "Тепловой баланс" tab: the boiler's heat balance, efficiency, fuel consumption,
// combustion temperature and flue-gas excess air for the fuel shown, from the inputs typed
// on the tab (they belong to the window and are not saved with the fuel).
#pragma once

#include <QWidget>

#include "calc/fuel_document.h"
#include "ui/sheet_model_pool.h"

namespace ui {

class TXLGrid;

class HeatBalancePage : public QWidget {
  Q_OBJECT

 public:
  HeatBalancePage(calc::FuelDocument& doc, SheetModelPool& pool, QWidget* parent = nullptr);

  TXLGrid* XLGrid21 = nullptr;  // XLSheet19
};

// A grid over a heat-balance sheet that scrolls inside the room its page gives it.
TXLGrid* NewHeatBalanceGrid(sheets::Sheet& sheet, SheetModelPool& pool, QWidget* parent);

}  // namespace ui
