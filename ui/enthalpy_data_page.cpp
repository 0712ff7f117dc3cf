// EnthalpyDataPage: the grids of TabSheet5.
#include "ui/enthalpy_data_page.h"

#include <QVBoxLayout>

#include "ui/txl_grid.h"

namespace ui {

EnthalpyDataPage::EnthalpyDataPage(calc::FuelDocument& doc, SheetModelPool& pool, QWidget* parent)
    : QWidget(parent) {
  XLGrid12 = new TXLGrid(pool.ModelFor(doc.XLSheet12), this);
  XLGrid11 = new TXLGrid(pool.ModelFor(doc.XLSheet11), this);
  XLGrid11->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Ignored);
  auto* layout = new QVBoxLayout(this);
  layout->setSpacing(0);
  layout->addWidget(XLGrid12, 0, Qt::AlignLeft);
  layout->addWidget(XLGrid11, 1, Qt::AlignLeft);
}

}  // namespace ui
