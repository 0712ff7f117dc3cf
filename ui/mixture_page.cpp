// MixturePage: the controls of the two mixture pages and what they show of the document.
#include "ui/mixture_page.h"

#include <QEvent>
#include <QFocusEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTabWidget>
#include <QVBoxLayout>

#include "calc/mixture.h"
#include "sheets/numbers.h"
#include "ui/enthalpy_chart.h"
#include "ui/heat_balance_page.h"
#include "ui/heat_balance_picture.h"
#include "ui/txl_grid.h"
#include "ui/up_down.h"

namespace ui {

namespace {

QLabel* PlainLabel(const QString& text, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setTextFormat(Qt::PlainText);  // keeps the two blanks of "смеси  ,%"
  return label;
}

QLineEdit* ReadOnlyField(QWidget* parent) {
  auto* field = new QLineEdit(parent);
  field->setReadOnly(true);
  return field;
}

void ShowText(QLineEdit& field, const std::string& text) {
  const QString shown = QString::fromStdString(text);
  if (field.text() != shown) field.setText(shown);
}

}  // namespace

MixturePage::MixturePage(calc::FuelDocument& doc, SheetModelPool& pool, QWidget* parent)
    : QWidget(parent), doc_(doc) {
  PageControl2 = new QStackedWidget(this);
  TabSheet21 = new QWidget;
  TabSheet22 = new QWidget;
  PageControl2->addWidget(TabSheet21);
  PageControl2->addWidget(TabSheet22);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(PageControl2);
  BuildComponentPage(pool);
  BuildResultsPage(pool);
  ShowDocument();
}

const MixturePage::SlotControls& MixturePage::Slot(int slot) const {
  return slots_.at(static_cast<std::size_t>(slot - 1));
}

void MixturePage::BuildComponentPage(SheetModelPool& pool) {
  Edit1 = new QLineEdit(TabSheet21);
  Edit1->setFixedWidth(Edit1->fontMetrics().horizontalAdvance(QStringLiteral("000")) + 16);
  Edit1->installEventFilter(this);
  UpDown1 = new UpDown(calc::kMinComponents, calc::kMaxComponents, TabSheet21);
  UpDown1->setFixedHeight(Edit1->sizeHint().height());
  auto* count = new QHBoxLayout;
  count->setSpacing(2);
  count->addWidget(PlainLabel(QStringLiteral("Количество компонентов в смеси"), TabSheet21));
  count->addSpacing(6);
  count->addWidget(Edit1);
  count->addWidget(UpDown1);
  count->addStretch(1);

  GSPages1 = new QTabWidget(TabSheet21);
  for (int slot = 1; slot <= calc::FuelDocument::kSlots; ++slot) {
    const SlotControls controls = BuildSlotPage(slot);
    slots_[static_cast<std::size_t>(slot - 1)] = controls;
    GSPages1->addTab(controls.page, QStringLiteral(" %1 ").arg(slot));
  }
  GSPage1 = slots_[0].page;
  GSPage2 = slots_[1].page;
  GSPage3 = slots_[2].page;
  GSPage4 = slots_[3].page;
  GSPage5 = slots_[4].page;
  GSEdit1 = slots_[0].name;
  GSEdit2 = slots_[0].type;
  GSEdit3 = slots_[1].name;
  GSEdit4 = slots_[1].type;
  GSEdit5 = slots_[2].name;
  GSEdit6 = slots_[2].type;
  GSEdit7 = slots_[3].name;
  GSEdit8 = slots_[3].type;
  GSEdit9 = slots_[4].name;
  GSEdit10 = slots_[4].type;
  Edit2 = slots_[0].share;
  Edit4 = slots_[1].share;
  Edit5 = slots_[2].share;
  Edit6 = slots_[3].share;
  Edit7 = slots_[4].share;
  SpeedButton6 = slots_[0].pick;
  SpeedButton7 = slots_[1].pick;
  SpeedButton8 = slots_[2].pick;
  SpeedButton9 = slots_[3].pick;
  SpeedButton10 = slots_[4].pick;

  Edit3 = ReadOnlyField(TabSheet21);
  auto* left = new QVBoxLayout;
  left->addLayout(count);
  left->addWidget(GSPages1);
  left->addSpacing(4);
  left->addWidget(PlainLabel(QStringLiteral("Процентов смеси составлено"), TabSheet21));
  left->addWidget(Edit3);
  left->addStretch(1);

  XLGrid14 = new TXLGrid(pool.ModelFor(doc_.XLSheet14), TabSheet21);
  SpeedButton13 = new QPushButton(QStringLiteral("Зола и продукты сгорания"), TabSheet21);
  auto* right = new QVBoxLayout;
  right->addWidget(XLGrid14, 0, Qt::AlignLeft | Qt::AlignTop);
  right->addWidget(SpeedButton13, 0, Qt::AlignRight);
  right->addStretch(1);

  auto* page = new QHBoxLayout(TabSheet21);
  page->addLayout(left, 1);
  page->addSpacing(8);
  page->addLayout(right);
}

// On a slot page the name spans the top, the type and the share follow on lines of their
// own beside their labels, and the pick button spans the bottom.
MixturePage::SlotControls MixturePage::BuildSlotPage(int slot) {
  auto* page = new QWidget;
  page->setObjectName(QStringLiteral("GSPage%1").arg(slot));
  SlotControls controls{
      .page = page,
      .name = ReadOnlyField(page),
      .type = ReadOnlyField(page),
      .share = new QLineEdit(page),
      .pick = new QPushButton(QStringLiteral("Выбрать топливо из базы данных"), page),
  };
  // The longest type name is read whole at the window's smallest width.
  controls.type->setMinimumWidth(
      controls.type->fontMetrics().horizontalAdvance(QStringLiteral("газообразное топливо")) + 16);
  controls.share->setFixedWidth(
      controls.share->fontMetrics().horizontalAdvance(QStringLiteral("000000000")) + 16);
  auto* layout = new QGridLayout(page);
  layout->addWidget(controls.name, 0, 0, 1, 3);
  layout->addWidget(PlainLabel(QStringLiteral("Тип топлива"), page), 1, 0);
  layout->addWidget(controls.type, 1, 1, 1, 2);
  layout->addWidget(PlainLabel(QStringLiteral("Доля топлива в смеси  ,%"), page), 2, 0);
  layout->addWidget(controls.share, 2, 1);
  layout->addWidget(controls.pick, 3, 0, 1, 3);
  layout->setColumnStretch(2, 1);
  return controls;
}

void MixturePage::BuildResultsPage(SheetModelPool& pool) {
  const auto grid = [&](sheets::Sheet& sheet) {
    return new TXLGrid(pool.ModelFor(sheet), TabSheet22);
  };
  XLGrid16 = grid(doc_.XLSheet7Mixture);
  XLGrid17 = grid(doc_.XLSheet18);
  XLGrid19 = grid(doc_.XLSheet16);
  XLGrid20 = grid(doc_.XLSheet17);
  XLGrid20->SetShowHints(true);
  // The heading runs over the whole page; the table is wider than the window and scrolls
  // sideways under its fixed row titles.
  XLGrid16->horizontalHeader()->setStretchLastSection(true);
  XLGrid16->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
  XLGrid19->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
  XLGrid19->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

  auto* table = new QHBoxLayout;
  table->setSpacing(0);
  table->addWidget(XLGrid17, 0, Qt::AlignTop);
  table->addWidget(XLGrid19, 1, Qt::AlignTop);
  auto* layout = new QVBoxLayout(TabSheet22);
  layout->addWidget(XLGrid16);
  layout->addLayout(table);
  layout->addSpacing(4);
  ComponentsButton = new QPushButton(QStringLiteral("Компоненты смеси"), TabSheet22);
  ComponentsButton->setObjectName(QStringLiteral("ComponentsButton"));
  ComponentsButton->setToolTip(QStringLiteral("Вернуться к составу смеси"));
  auto* design = new QHBoxLayout;
  design->addWidget(XLGrid20, 0, Qt::AlignTop);
  design->addWidget(ComponentsButton, 0, Qt::AlignTop);
  design->addStretch(1);
  layout->addLayout(design);
  // The diagram and the heat balance share the rest of the page, one tab each.
  ResultTabs = new QTabWidget(TabSheet22);
  Chart = new EnthalpyChart(ResultTabs);
  Chart->setMinimumHeight(200);
  Chart->ShowMixture(doc_);
  XLGrid22 = NewHeatBalanceGrid(doc_.XLSheet20, pool, ResultTabs);
  ResultTabs->addTab(Chart, QStringLiteral("Диаграмма I–ϑ"));
  ResultTabs->addTab(XLGrid22, QStringLiteral("Тепловой баланс"));
  BalancePicture = NewHeatBalancePicture(doc_.XLSheet20, pool, ResultTabs);
  ResultTabs->addTab(BalancePicture, QStringLiteral("Баланс тепла"));
  layout->addWidget(ResultTabs, 1);
}

void MixturePage::ShowDocument() {
  ShowText(*Edit1, doc_.Edit1);
  if (const auto count = sheets::ParseInteger(doc_.Edit1)) {
    UpDown1->SetPosition(static_cast<int>(*count));
  }
  // The active page first: hiding the tab in front would move the choice elsewhere.
  GSPages1->setCurrentIndex(doc_.GSPagesActive);
  for (int slot = 0; slot < calc::FuelDocument::kSlots; ++slot) {
    const auto k = static_cast<std::size_t>(slot);
    GSPages1->setTabVisible(slot, doc_.GSPageTabShown[k]);
    ShowText(*slots_[k].name, doc_.Slots[k].name);
    ShowText(*slots_[k].type, doc_.Slots[k].type_name);
    ShowText(*slots_[k].share, doc_.Slots[k].share);
  }
  ShowText(*Edit3, doc_.Edit3);
  // A share out of range: the total turns red and tells why.
  const QString refusal = QString::fromStdString(doc_.Edit3Hint);
  if (Edit3->toolTip() != refusal) {
    Edit3->setToolTip(refusal);
    Edit3->setStyleSheet(refusal.isEmpty() ? QString() : QStringLiteral("color: #d00000"));
  }
  SpeedButton13->setEnabled(doc_.SpeedButton13);
  PageControl2->setCurrentWidget(doc_.PageControl2 == 1 ? TabSheet22 : TabSheet21);
}

// Edit1Exit comes when the focus moves to another control; switching to another window
// or opening a menu is no exit.
bool MixturePage::eventFilter(QObject* watched, QEvent* event) {
  if (watched == Edit1 && event->type() == QEvent::FocusOut) {
    const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
    if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) emit Edit1Exit();
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace ui
