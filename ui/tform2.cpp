// TForm2: the document window: its building, caption, tabs, menus and handlers. Its undo
// steps are in tform2_undo.cpp, its file flows in tform2_file.cpp.
#include "ui/tform2.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSplitter>
#include <QStackedWidget>
#include <QStatusBar>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>
#include <QToolTip>
#include <QUndoStack>
#include <QVBoxLayout>
#include <optional>

#include "calc/cycle.h"
#include "calc/decimal_fix.h"
#include "calc/design.h"
#include "calc/fuel_io.h"
#include "calc/heat_balance.h"
#include "calc/mixture.h"
#include "fuel/fuel_file.h"
#include "library/qt_paths.h"
#include "ui/all_data_page.h"
#include "ui/ash_products_page.h"
#include "ui/design_parameters_page.h"
#include "ui/dialogs.h"
#include "ui/document_file_watch.h"
#include "ui/enthalpy_chart.h"
#include "ui/enthalpy_data_page.h"
#include "ui/export_actions.h"
#include "ui/fuel_name_validator.h"
#include "ui/heat_balance_page.h"
#include "ui/main_properties_page.h"
#include "ui/mixture_page.h"
#include "ui/norms1973_page.h"
#include "ui/tform2_run.h"
#include "ui/txl_grid.h"
#include "ui/up_down.h"

namespace ui {

namespace {

constexpr int kLeft = 219;
constexpr int kClientWidth = 574;
constexpr int kClientHeight = 380;
constexpr int kMaxNameLength = 50;

const QString kEditCell = QStringLiteral("ввод в ячейку");

// The decimal separator of the default locale, as the sheets keep it.
char LocaleDecimalSeparator() {
  return QLocale().decimalPoint() == QStringLiteral(",") ? ',' : '.';
}

}  // namespace

TForm2::TForm2(Dialogs& dialogs, QWidget* parent)
    : QWidget(parent,
              Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      dialogs_(dialogs),
      doc_(LocaleDecimalSeparator()) {
  undo_stack_ = new QUndoStack(this);
  undo_stack_->setUndoLimit(200);
  file_watch_ = new DocumentFileWatch(this);
  connect(file_watch_, &DocumentFileWatch::Changed, this, &TForm2::FileChangedOnDisk);
  connect(file_watch_, &DocumentFileWatch::Deleted, this, &TForm2::FileDeletedOnDisk);
  connect(undo_stack_, &QUndoStack::indexChanged, this, [this] {
    UpdateModified();
    emit UndoStateChanged();
  });
  BuildHeader();
  BuildPages();
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(4, 4, 4, 4);
  layout->addWidget(GroupBox1);
  layout->addWidget(GroupBox2);
  layout->addWidget(PageControl1, 1);
  StatusBar1 = new QStatusBar(this);
  StatusBar1->setSizeGripEnabled(false);
  layout->addWidget(StatusBar1);
  // At least the size of the original layout; larger when the fonts need more room.
  resize(sizeHint().expandedTo(QSize(kClientWidth, kClientHeight)));
  ConnectHandlers();
  ConnectGrids();
  ConnectMixture();
  PageControl1->setCurrentWidget(TabSheet2);
  ShowDocument();
  ForgetUndoSteps();
}

TForm2::~TForm2() {
  // The controls outlive the document while the window's children are destroyed; no
  // handler of any of them may run on the way.
  for (QObject* child : findChildren<QObject*>()) child->disconnect(this);
}

void TForm2::BuildHeader() {
  GroupBox1 = new QGroupBox(QStringLiteral("Месторождение, тип"), this);
  ComboBox1 = new QLineEdit(GroupBox1);
  ComboBox1->setMaxLength(kMaxNameLength);
  name_validator_ = new FuelNameValidator(ComboBox1);
  ComboBox1->setValidator(name_validator_);
  ComboBox3 = new QComboBox(GroupBox1);
  for (int type = 0; type < calc::kFuelTypeCount; ++type) {
    ComboBox3->addItem(QString::fromStdString(calc::FuelTypeName(type)));
  }
  Export = new ExportActions(doc_, dialogs_, this);
  // A push button leaves room for its menu's arrow beside the text.
  ExportButton = new QPushButton(QStringLiteral("Печать / экспорт"), GroupBox1);
  ExportButton->setToolTip(QStringLiteral("Печать, отчет PDF и таблица CSV топлива или смеси"));
  ExportButton->setAutoDefault(false);
  ExportButton->setMenu(Export->CreateMenu(ExportButton));
  auto* layout = new QHBoxLayout(GroupBox1);
  layout->addWidget(ComboBox1, 3);
  layout->addWidget(ComboBox3, 2);
  layout->addWidget(ExportButton);

  GroupBox2 = new QGroupBox(this);
  RadioButton1 = new QRadioButton(QStringLiteral("Нормы 1973г."), GroupBox2);
  RadioButton2 = new QRadioButton(QStringLiteral("Нормы 1998г."), GroupBox2);
  RadioButton2->setChecked(true);
  auto* norms = new QHBoxLayout(GroupBox2);
  norms->addWidget(RadioButton1);
  norms->addWidget(RadioButton2);
  GroupBox2->hide();
}

void TForm2::BuildPages() {
  PageControl1 = new QTabWidget(this);
  PageControl1->setUsesScrollButtons(false);  // every tab in sight: the window is as wide
  TabSheet1 = new Norms1973Page(doc_, pool_);
  TabSheet2 = new MainPropertiesPage(doc_, pool_);
  TabSheet3 = new AshProductsPage(doc_, pool_);
  TabSheet4 = new AllDataPage(doc_, pool_);
  TabSheet5 = new EnthalpyDataPage(doc_, pool_);
  TabSheet6 = new DesignParametersPage(doc_, pool_);
  TabSheet8 = new HeatBalancePage(doc_, pool_);
  TabSheet7 = new MixturePage(doc_, pool_);
  PageControl1->addTab(TabSheet1, QStringLiteral("Основные характеристики"));
  PageControl1->addTab(TabSheet2, QStringLiteral("Основные характеристики"));
  PageControl1->addTab(TabSheet3, QStringLiteral("Зола и продукты сгорания"));
  PageControl1->addTab(TabSheet4, QStringLiteral("Все данные"));
  PageControl1->addTab(TabSheet5, QStringLiteral("Таблица энтальпий"));
  PageControl1->addTab(TabSheet6, QStringLiteral("Расчетные параметры"));
  PageControl1->addTab(TabSheet8, QStringLiteral("Тепловой баланс"));
  PageControl1->addTab(TabSheet7, QStringLiteral("Смесь топлива"));
  for (QWidget* hidden : {static_cast<QWidget*>(TabSheet1), static_cast<QWidget*>(TabSheet4),
                          static_cast<QWidget*>(TabSheet5)}) {
    PageControl1->setTabVisible(PageControl1->indexOf(hidden), false);
  }
}

void TForm2::ShowNotices(const calc::InputNotices& notices) {
  if (!notices.empty()) ShowStatus(QString::fromStdString(calc::NoticesText(notices)));
}

void TForm2::ShowCaption() {
  const QString caption = doc_.Caption.empty() ? QString::fromStdString(doc_.ComboBox1)
                                               : library::ToQString(doc_.Caption);
  const QString title = modified_ ? caption + QStringLiteral("*") : caption;
  if (windowTitle() != title) setWindowTitle(title);
}

int TForm2::CurrentTab() const {
  int visible = 0;
  for (int i = 0; i < PageControl1->count(); ++i) {
    if (!PageControl1->isTabVisible(i)) continue;
    if (i == PageControl1->currentIndex()) return visible;
    ++visible;
  }
  return 0;
}

void TForm2::ShowTab(int visible_index) {
  int visible = 0;
  for (int i = 0; i < PageControl1->count(); ++i) {
    if (!PageControl1->isTabVisible(i)) continue;
    if (visible++ == visible_index) {
      PageControl1->setCurrentIndex(i);
      return;
    }
  }
}

QString TForm2::HelpSection() const {
  const QWidget* page = PageControl1->currentWidget();
  if (page == TabSheet3 || page == TabSheet5) return QStringLiteral("tab-ash");
  if (page == TabSheet6) return QStringLiteral("tab-design");
  if (page == TabSheet8) return QStringLiteral("tab-balance");
  if (page == TabSheet7) return QStringLiteral("tab-mixture");
  return QStringLiteral("tab-main");
}

void TForm2::ConnectHandlers() {
  // The field's own undo (Ctrl+Z while typing in it) changes the name too.
  connect(ComboBox1, &QLineEdit::textChanged, this, &TForm2::NameEdited);
  connect(ComboBox1, &QLineEdit::editingFinished, this, [this] { ++name_session_; });
  connect(ComboBox1, &QLineEdit::inputRejected, this, [this] {
    QToolTip::showText(ComboBox1->mapToGlobal(QPoint(0, ComboBox1->height())),
                       name_validator_->RefusalHint(), ComboBox1);
  });
  connect(ComboBox3, &QComboBox::activated, this, [this](int index) {
    RunFuelEdit(QStringLiteral("тип топлива"), [&] { ComboBox3Change(index); });
  });
  for (QCheckBox* box : {TabSheet1->CheckBox1, TabSheet2->CheckBox2}) {
    connect(box, &QCheckBox::clicked, this, [this] {
      RunFuelEdit(QStringLiteral("автоматический расчет теплотворности"),
                  [&] { CheckBox1Click(); });
    });
  }
  for (QRadioButton* button : {RadioButton1, RadioButton2}) {
    connect(button, &QRadioButton::clicked, this,
            [this] { RunFuelEdit(QStringLiteral("нормы"), [&] { RadioButton1Click(); }); });
  }
  connect(TabSheet4->RadioGroup1Items, &QButtonGroup::idClicked, this,
          [this](int item) { Run([&] { RadioGroup1Click(item); }); });
  connect(PageControl1, &QTabWidget::currentChanged, this, &TForm2::PageControl1Change);
  connect(&pool_, &SheetModelPool::CellRefused, this, &TForm2::ShowStatus);
}

void TForm2::ConnectGrids() {
  // The input grids run the whole cycle whenever a cell editor opens or closes, and the
  // design calculation after it; the carry-over and design grids run both themselves.
  for (TXLGrid* grid :
       {TabSheet1->XLGrid1, TabSheet2->XLGrid3, TabSheet2->XLGrid4, TabSheet3->XLGrid5}) {
    connect(grid, &TXLGrid::EditModeChanged, this, [this] {
      RunFuelEdit(kEditCell, [&] { ShowNotices(calc::XLGrid1EditModeChanged(doc_)); });
    });
  }
  // The record view holds the record itself: a text that is no number is refused as typed.
  pool_.ModelFor(doc_.XLSheet10)->SetNumbersOnly(true);
  connect(TabSheet4->XLGrid10, &TXLGrid::EditModeChanged, this,
          [this] { RunFuelEdit(kEditCell, [&] { calc::XLGrid10EditModeChanged(doc_); }); });
  connect(TabSheet3->XLGrid13, &TXLGrid::EditModeChanged, this, [this] {
    RunEdit(kEditCell, [&] { ShowNotices(calc::XLGrid13EditModeChanged(doc_)); });
  });
  connect(TabSheet6->XLGrid15, &TXLGrid::EditModeChanged, this, [this] {
    RunEdit(kEditCell, [&] { ShowNotices(calc::XLGrid15EditModeChanged(doc_)); });
  });
  connect(TabSheet8->XLGrid21, &TXLGrid::EditModeChanged, this,
          [this] { Run([&] { calc::RecalcHeatBalance(doc_); }); });
  // Leaving a grid repairs numbers typed with the other decimal separator.
  const std::pair<TXLGrid*, void (*)(calc::FuelDocument&)> exits[] = {
      {TabSheet1->XLGrid1, &calc::XLGrid1Exit},   {TabSheet1->XLGrid2, &calc::XLGrid2Exit},
      {TabSheet3->XLGrid7, &calc::XLGrid2Exit},   {TabSheet2->XLGrid3, &calc::XLGrid3Exit},
      {TabSheet2->XLGrid4, &calc::XLGrid4Exit},   {TabSheet3->XLGrid5, &calc::XLGrid5Exit},
      {TabSheet4->XLGrid10, &calc::XLGrid10Exit}, {TabSheet5->XLGrid11, &calc::XLGrid11Exit},
      {TabSheet3->XLGrid13, &calc::XLGrid13Exit}, {TabSheet6->XLGrid15, &calc::XLGrid15Exit},
      {TabSheet8->XLGrid21, &calc::XLGrid21Exit},
  };
  for (const auto& [grid, handler] : exits) {
    connect(grid, &TXLGrid::Exit, this, [this, handler = handler] { Run([&] { handler(doc_); }); });
  }
}

void TForm2::ConnectMixture() {
  MixturePage& page = *TabSheet7;
  connect(page.Edit1, &QLineEdit::textEdited, this, [this](const QString& text) {
    Run([&] { calc::SetComponentCount(doc_, text.toStdString()); });
  });
  connect(&page, &MixturePage::Edit1Exit, this, [this] { Run([&] { calc::Edit1Exit(doc_); }); });
  connect(page.UpDown1, &UpDown::Clicked, this, [this](int position) {
    Run([&] { calc::SetComponentCount(doc_, std::to_string(position)); });
  });
  connect(page.GSPages1, &QTabWidget::currentChanged, this, [this](int index) {
    if (index >= 0) doc_.GSPagesActive = index;
  });
  for (int slot = 1; slot <= calc::FuelDocument::kSlots; ++slot) {
    const MixturePage::SlotControls& controls = page.Slot(slot);
    connect(controls.pick, &QPushButton::clicked, this,
            [this, slot] { Run([&] { calc::PickComponent(doc_, slot); }); });
    connect(controls.share, &QLineEdit::textEdited, this, [this, slot](const QString& text) {
      Run([&] { calc::ShareChange(doc_, slot, text.toStdString()); });
    });
  }
  connect(page.SpeedButton13, &QPushButton::clicked, this,
          [this] { Run([&] { calc::SpeedButton13Click(doc_); }); });
  connect(page.ComponentsButton, &QPushButton::clicked, this,
          [this] { Run([&] { doc_.PageControl2 = 0; }); });
  // A click on the mixture's tab while it is in front goes back to the components too.
  connect(PageControl1->tabBar(), &QTabBar::tabBarClicked, this, [this](int index) {
    if (PageControl1->widget(index) == TabSheet7 && PageControl1->currentWidget() == TabSheet7) {
      Run([&] { doc_.PageControl2 = 0; });
    }
  });
  connect(page.XLGrid20, &TXLGrid::EditModeChanged, this,
          [this] { Run([&] { ShowNotices(calc::XLGrid20EditModeChanged(doc_)); }); });
  connect(page.XLGrid20, &TXLGrid::Exit, this, [this] { Run([&] { calc::XLGrid20Exit(doc_); }); });
  connect(page.XLGrid22, &TXLGrid::EditModeChanged, this,
          [this] { Run([&] { calc::RecalcMixture(doc_); }); });
  connect(page.XLGrid22, &TXLGrid::Exit, this, [this] { Run([&] { calc::XLGrid22Exit(doc_); }); });
}

QByteArray TForm2::Dividers() const { return TabSheet3->Splitter1->saveState(); }

void TForm2::RestoreDividers(const QByteArray& state) {
  if (!state.isEmpty()) TabSheet3->Splitter1->restoreState(state);
}

void TForm2::ShowMenus(const QList<QMenu*>& menus) {
  if (MenuBar1 == nullptr) {
    MenuBar1 = new QMenuBar(this);
    MenuBar1->setNativeMenuBar(false);
    layout()->setMenuBar(MenuBar1);
  }
  MenuBar1->clear();
  for (QMenu* menu : menus) MenuBar1->addMenu(menu);
}

void TForm2::PlaceBelow(const QWidget& main_window, const QWidget& list_window) {
  const QRect main_frame = main_window.frameGeometry();
  const QRect list_frame = list_window.frameGeometry();
  move(std::max(kLeft, list_frame.x() + list_frame.width() + 1),
       main_frame.top() + main_frame.height() + 1);
  // The whole window on the screen, 1366 × 768 included: the pages give way to the height
  // the screen has below the main window. A frame not drawn yet is taken as a title bar.
  const QScreen* screen = main_window.screen();
  if (screen == nullptr) return;
  const QRect available = screen->availableGeometry();
  int frame = frameGeometry().height() - height();
  if (frame == 0 && !isVisible()) frame = style()->pixelMetric(QStyle::PM_TitleBarHeight) + 4;
  const int room = available.bottom() + 1 - y() - frame;
  if (height() > room) resize(width(), std::max(minimumSizeHint().height(), room));
}

void TForm2::ShowDocument() {
  ShowCaption();
  if (ComboBox1->text() != QString::fromStdString(doc_.ComboBox1)) {
    ComboBox1->setText(QString::fromStdString(doc_.ComboBox1));
  }
  ComboBox3->setCurrentIndex(
      doc_.ComboBox3 >= 0 && doc_.ComboBox3 < ComboBox3->count() ? doc_.ComboBox3 : -1);
  TabSheet1->CheckBox1->setChecked(doc_.CheckBox1);
  TabSheet2->CheckBox2->setChecked(doc_.CheckBox2);
  RadioButton1->setChecked(doc_.RadioButton1);
  RadioButton2->setChecked(!doc_.RadioButton1);
  TabSheet4->RadioGroup1Items->button(doc_.RadioGroup1 == 1 ? 1 : 0)->setChecked(true);
  TabSheet7->ShowDocument();
  // A gas has no ash: its oxide analysis is not shown.
  TabSheet3->XLGrid5->setVisible(!doc_.GasSheetsShown);
  TabSheet3->Chart->RefreshIfShown();
  TabSheet7->Chart->RefreshIfShown();
  // XLGrid1 and XLGrid3 show the gas composition for gaseous fuel.
  sheets::Sheet& sheet1 = doc_.GasSheetsShown ? doc_.XLSheet1_2 : doc_.XLSheet1_1;
  sheets::Sheet& sheet3 = doc_.GasSheetsShown ? doc_.XLSheet1_2 : doc_.XLSheet3;
  if (&TabSheet1->XLGrid1->Model()->Sheet() != &sheet1) {
    TabSheet1->XLGrid1->SetSheetModel(pool_.ModelFor(sheet1));
  }
  if (&TabSheet2->XLGrid3->Model()->Sheet() != &sheet3) {
    TabSheet2->XLGrid3->SetSheetModel(pool_.ModelFor(sheet3));
  }
}

void TForm2::ShowStatus(const QString& text) { StatusBar1->showMessage(text); }

QString TForm2::StatusText() const { return StatusBar1->currentMessage(); }

void TForm2::ComboBox3Change(int index) { calc::ComboBox3Change(doc_, index); }

void TForm2::CheckBox1Click() {
  doc_.CheckBox1 = TabSheet1->CheckBox1->isChecked();
  doc_.CheckBox2 = TabSheet2->CheckBox2->isChecked();
  calc::CheckBox1Click(doc_);
}

void TForm2::RadioButton1Click() {
  const bool norms_1973 = RadioButton1->isChecked();
  ShowNormsPages(norms_1973);
  calc::RadioButton1Click(doc_, norms_1973);
}

void TForm2::ShowNormsPages(bool norms_1973) {
  const bool first_page_active = PageControl1->currentWidget() == TabSheet1;
  PageControl1->setTabVisible(PageControl1->indexOf(TabSheet1), norms_1973);
  PageControl1->setTabVisible(PageControl1->indexOf(TabSheet2), !norms_1973);
  PageControl1->setTabVisible(PageControl1->indexOf(TabSheet3), !norms_1973);
  if (norms_1973) {
    PageControl1->setCurrentWidget(TabSheet1);
  } else if (first_page_active) {
    PageControl1->setCurrentWidget(TabSheet2);
  }
}

void TForm2::RadioGroup1Click(int item) { calc::RadioGroup1Click(doc_, item); }

void TForm2::PageControl1Change(int index) {
  if (PageControl1->widget(index) != TabSheet7) return;
  doc_.PageControl2 = 0;
  ShowDocument();
}

}  // namespace ui
