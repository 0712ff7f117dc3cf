// HeatBalancePage: the grid of the heat-balance tab.
#include "ui/heat_balance_page.h"

#include <QScrollBar>
#include <QVBoxLayout>

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

HeatBalancePage::HeatBalancePage(calc::FuelDocument& doc, SheetModelPool& pool, QWidget* parent)
    : QWidget(parent) {
  XLGrid21 = NewHeatBalanceGrid(doc.XLSheet19, pool, this);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(XLGrid21, 1, Qt::AlignLeft);
}

}  // namespace ui
