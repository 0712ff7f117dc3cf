// HeatBalancePage: the grid of the heat-balance tab.
#include "ui/heat_balance_page.h"

#include <QHBoxLayout>
#include <QScrollBar>

#include "ui/heat_balance_picture.h"
#include "ui/sheet_model.h"
#include "ui/txl_grid.h"

namespace ui {

TXLGrid* NewHeatBalanceGrid(sheets::Sheet& sheet, SheetModelPool& pool, QWidget* parent) {
  auto* grid = new TXLGrid(pool.ModelFor(sheet), parent);
  // As wide as its columns, as tall as the page allows: the rows scroll.
  grid->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Ignored);
  grid->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  grid->setMinimumWidth(grid->sizeHint().width() + grid->verticalScrollBar()->sizeHint().width());
  return grid;
}

HeatBalancePicture* NewHeatBalancePicture(sheets::Sheet& sheet, SheetModelPool& pool,
                                          QWidget* parent) {
  auto* picture = new HeatBalancePicture(sheet, parent);
  // Each cycle tells the sheet's model once; the picture repaints when it is on screen.
  SheetModel* model = pool.ModelFor(sheet);
  QObject::connect(model, &QAbstractItemModel::dataChanged, picture,
                   [picture] { picture->update(); });
  QObject::connect(model, &QAbstractItemModel::modelReset, picture,
                   [picture] { picture->update(); });
  return picture;
}

HeatBalancePage::HeatBalancePage(calc::FuelDocument& doc, SheetModelPool& pool, QWidget* parent)
    : QWidget(parent) {
  XLGrid21 = NewHeatBalanceGrid(doc.XLSheet19, pool, this);
  Picture = NewHeatBalancePicture(doc.XLSheet19, pool, this);
  auto* layout = new QHBoxLayout(this);
  layout->addWidget(XLGrid21, 0);
  layout->addWidget(Picture, 1);
}

}  // namespace ui
