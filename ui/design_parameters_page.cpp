// DesignParametersPage: the grid of TabSheet6.
#include "ui/design_parameters_page.h"

#include <QVBoxLayout>

#include "ui/txl_grid.h"

namespace ui {

DesignParametersPage::DesignParametersPage(calc::FuelDocument& doc, SheetModelPool& pool,
                                           QWidget* parent)
    : QWidget(parent) {
  XLGrid15 = new TXLGrid(pool.ModelFor(doc.XLSheet15), this);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(XLGrid15, 0, Qt::AlignLeft | Qt::AlignTop);
  layout->addStretch(1);
}

}  // namespace ui
