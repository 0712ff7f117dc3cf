// Norms1973Page: the controls of TabSheet1.
#include "ui/norms1973_page.h"

#include <QCheckBox>
#include <QGridLayout>

#include "ui/txl_grid.h"

namespace ui {

Norms1973Page::Norms1973Page(calc::FuelDocument& doc, SheetModelPool& pool, QWidget* parent)
    : QWidget(parent) {
  XLGrid1 = new TXLGrid(pool.ModelFor(doc.XLSheet1_1), this);
  XLGrid2 = new TXLGrid(pool.ModelFor(doc.XLSheet2), this);
  CheckBox1 = new QCheckBox(QStringLiteral("Автоматически расчитывать теплотворность"), this);
  auto* layout = new QGridLayout(this);
  layout->addWidget(XLGrid1, 0, 0, 3, 1, Qt::AlignTop);
  layout->addWidget(XLGrid2, 0, 1, Qt::AlignTop);
  layout->addWidget(CheckBox1, 1, 1, Qt::AlignTop);
  layout->setRowStretch(2, 1);
  layout->setColumnStretch(2, 1);
}

}  // namespace ui
