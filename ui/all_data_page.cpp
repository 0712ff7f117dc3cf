// AllDataPage: the record grid of TabSheet4 and its label choice.
#include "ui/all_data_page.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QVBoxLayout>

#include "ui/txl_grid.h"

namespace ui {

AllDataPage::AllDataPage(calc::FuelDocument& doc, SheetModelPool& pool, QWidget* parent)
    : QWidget(parent) {
  XLGrid10 = new TXLGrid(pool.ModelFor(doc.XLSheet10), this);
  XLGrid10->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Ignored);
  RadioGroup1 = new QGroupBox(QStringLiteral("Тип топлива"), this);
  RadioGroup1Items = new QButtonGroup(this);
  auto* items = new QVBoxLayout(RadioGroup1);
  int id = 0;
  for (const char* item : {"Твердое и жидкое", "Газообразное"}) {
    auto* button = new QRadioButton(QString::fromUtf8(item), RadioGroup1);
    RadioGroup1Items->addButton(button, id++);
    items->addWidget(button);
  }
  RadioGroup1Items->button(0)->setChecked(true);
  auto* layout = new QHBoxLayout(this);
  layout->addWidget(XLGrid10);
  layout->addWidget(RadioGroup1, 0, Qt::AlignTop);
  layout->addStretch(1);
}

}  // namespace ui
