// MixturePage: the two pages of the mixture.
#include "ui/mixture_page.h"

#include <QStackedWidget>
#include <QVBoxLayout>

namespace ui {

MixturePage::MixturePage(calc::FuelDocument& /*doc*/, SheetModelPool& /*pool*/, QWidget* parent)
    : QWidget(parent) {
  PageControl2 = new QStackedWidget(this);
  TabSheet21 = new QWidget;
  TabSheet22 = new QWidget;
  PageControl2->addWidget(TabSheet21);
  PageControl2->addWidget(TabSheet22);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(PageControl2);
}

}  // namespace ui
