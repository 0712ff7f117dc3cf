// The "Тепловой баланс" tab: the boiler's heat balance, efficiency, fuel consumption,
// combustion temperature and flue-gas excess air for the fuel shown, from the inputs typed
// on the tab (they belong to the window and are not saved with the fuel).
#pragma once

#include <QWidget>

#include "calc/fuel_document.h"
#include "ui/sheet_model_pool.h"

namespace ui {

class HeatBalancePicture;
class TXLGrid;

class HeatBalancePage : public QWidget {
  Q_OBJECT

 public:
  HeatBalancePage(calc::FuelDocument& doc, SheetModelPool& pool, QWidget* parent = nullptr);

  TXLGrid* XLGrid21 = nullptr;            // XLSheet19
  HeatBalancePicture* Picture = nullptr;  // the balance beside it
};

// A grid over a heat-balance sheet that scrolls inside the room its page gives it.
TXLGrid* NewHeatBalanceGrid(sheets::Sheet& sheet, SheetModelPool& pool, QWidget* parent);
// The picture of a heat-balance sheet, repainted with every change its model tells.
HeatBalancePicture* NewHeatBalancePicture(sheets::Sheet& sheet, SheetModelPool& pool,
                                          QWidget* parent);

}  // namespace ui
