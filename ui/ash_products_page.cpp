// AshProductsPage: the grids of TabSheet3.
#include "ui/ash_products_page.h"

#include <QGridLayout>
#include <QHeaderView>
#include <QSplitter>
#include <QVBoxLayout>

#include "ui/enthalpy_chart.h"
#include "ui/txl_grid.h"

namespace ui {

AshProductsPage::AshProductsPage(calc::FuelDocument& doc, SheetModelPool& pool, QWidget* parent)
    : QWidget(parent) {
  const auto grid = [&](sheets::Sheet& sheet) { return new TXLGrid(pool.ModelFor(sheet), this); };
  XLGrid5 = grid(doc.XLSheet5);
  XLGrid7 = grid(doc.XLSheet2);
  XLGrid13 = grid(doc.XLSheet13);
  XLGrid8 = grid(doc.XLSheet7);
  XLGrid9 = grid(doc.XLSheet8);
  XLGrid6 = grid(doc.XLSheet6);
  // The table is wider than the window: it scrolls sideways under its fixed titles.
  XLGrid6->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
  XLGrid6->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  XLGrid8->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
  XLGrid8->horizontalHeader()->setStretchLastSection(true);  // the heading runs over the page

  // The tables keep every row in sight; the diagram below takes what height is left.
  for (TXLGrid* table : {XLGrid5, XLGrid7, XLGrid13, XLGrid9}) {
    table->setSizePolicy(table->sizePolicy().horizontalPolicy(), QSizePolicy::Fixed);
  }
  auto* tables = new QWidget;
  auto* right = new QVBoxLayout;
  right->addWidget(XLGrid7, 0, Qt::AlignLeft);
  right->addWidget(XLGrid13, 0, Qt::AlignLeft);
  right->addStretch(1);
  auto* layout = new QGridLayout(tables);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(XLGrid5, 0, 0, Qt::AlignTop);
  layout->addLayout(right, 0, 1);
  layout->addWidget(XLGrid8, 1, 0, 1, 3);
  auto* table = new QHBoxLayout;
  table->setSpacing(0);
  table->addWidget(XLGrid9, 0, Qt::AlignTop);
  table->addWidget(XLGrid6, 1, Qt::AlignTop);
  layout->addLayout(table, 2, 0, 1, 3);
  layout->setColumnStretch(2, 1);
  Chart = new EnthalpyChart;
  Chart->ShowFuel(doc);
  Chart->setMinimumHeight(100);  // the axes and a few grid lines; the tables come first
  Splitter1 = new QSplitter(Qt::Vertical, this);
  Splitter1->setChildrenCollapsible(false);
  Splitter1->addWidget(tables);
  Splitter1->addWidget(Chart);
  Splitter1->setStretchFactor(0, 0);
  Splitter1->setStretchFactor(1, 1);
  auto* page = new QVBoxLayout(this);
  page->addWidget(Splitter1);
}

}  // namespace ui
