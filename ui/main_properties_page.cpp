// MainPropertiesPage: the controls of TabSheet2.
#include "ui/main_properties_page.h"

#include <QCheckBox>
#include <QGridLayout>

#include "ui/txl_grid.h"

namespace ui {

MainPropertiesPage::MainPropertiesPage(calc::FuelDocument& doc, SheetModelPool& pool,
                                       QWidget* parent)
    : QWidget(parent) {
  XLGrid3 = new TXLGrid(pool.ModelFor(doc.XLSheet3), this);
  XLGrid4 = new TXLGrid(pool.ModelFor(doc.XLSheet4), this);
  CheckBox2 = new QCheckBox(QStringLiteral("Автоматически расчитывать теплотворность"), this);
  auto* layout = new QGridLayout(this);
  layout->addWidget(XLGrid3, 0, 0, 3, 1, Qt::AlignTop);
  layout->addWidget(XLGrid4, 0, 1, Qt::AlignTop);
  layout->addWidget(CheckBox2, 1, 1, Qt::AlignTop);
  layout->setRowStretch(2, 1);
  layout->setColumnStretch(2, 1);
}

}  // namespace ui
