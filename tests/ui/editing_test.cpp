// Typing into the document window with real key events, in a decimal-comma and a
// decimal-point locale: what is typed is what the document holds, only input cells take
// typing, every commit repairs the separator, and every result follows the fuel shown.
#include <QAbstractItemModel>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <map>
#include <memory>

#include "calc/cycle.h"
#include "calc/design.h"
#include "calc/fuel_io.h"
#include "calc/heat_balance_cells.h"
#include "library/qt_paths.h"
#include "test_support.h"
#include "ui/ash_products_page.h"
#include "ui/design_parameters_page.h"
#include "ui/heat_balance_page.h"
#include "ui/main_properties_page.h"
#include "ui/mixture_page.h"
#include "ui/tform2.h"

namespace fs = std::filesystem;

namespace {

// Rows of XLSheet3 (composition) and XLSheet15 (design parameters).
constexpr int kMoistureRow = 1;
constexpr int kAshRow = 2;
constexpr int kCarbonRow = 3;
constexpr int kHydrogenRow = 4;
constexpr int kOxygenRow = 7;
constexpr int kTotalRow = 8;
constexpr int kHeatingValueRow = 10;
constexpr int kExcessAirRow = 2;

}  // namespace

class EditingTest : public QObject {
  Q_OBJECT

 private slots:
  void init();
  void cleanup();
  void TypingOverACellReplacesItAndF2EditsAtTheEnd_data();
  void TypingOverACellReplacesItAndF2EditsAtTheEnd();
  void EveryCommitRepairsTheOtherSeparator_data();
  void EveryCommitRepairsTheOtherSeparator();
  void OnlyInputCellsTakeTyping();
  void DesignParametersFollowEveryFuelEdit();
  void OneEditTellsEachSheetOnce();
  void MixtureResultsPageLeadsBackToTheComponents();
  void HeatBalanceInputsRecomputeTheTabAndAreNotSaved();
  void EnterGoesToTheNextInputCellDown();
  void UndoAndRedoRestoreAndRecompute();
  void CopyAndPasteRangesThroughTheClipboard();

 private:
  // The window over the worked coal (W 10, A 20, C 55, H 4, N 1, S 2, O 8, volatile 40,
  // Q 21861), in `locale`.
  void Open(const QLocale& locale);
  QString Shown(ui::TXLGrid& grid, int col, int row) {
    return grid.model()->index(row, col).data().toString();
  }
  ui::TXLGrid& Composition() { return *form_->TabSheet2->XLGrid3; }
  // The worked coal computed by the calculation alone, after `edit`, with the design run.
  template <typename Edit>
  std::unique_ptr<calc::FuelDocument> Reference(char separator, Edit&& edit);
  void AddLocales();

  std::unique_ptr<QTemporaryDir> temp_;
  fs::path coal_;
  test::ScriptedDialogs dialogs_;
  std::unique_ptr<ui::TForm2> form_;
};

void EditingTest::init() {
  temp_ = std::make_unique<QTemporaryDir>();
  QVERIFY(temp_->isValid());
  coal_ = test::WriteFuel(library::ToPath(temp_->path()) / "coal.fll", "Уголь", 1,
                          {10, 20, 55, 4, 1, 2, 8, 40, 21861});
  dialogs_ = test::ScriptedDialogs();
}

void EditingTest::cleanup() {
  form_.reset();
  temp_.reset();
  QLocale::setDefault(QLocale::c());
}

void EditingTest::Open(const QLocale& locale) {
  QLocale::setDefault(locale);
  form_ = std::make_unique<ui::TForm2>(dialogs_);
  form_->show();
  QApplication::setActiveWindow(form_.get());
  QVERIFY(QTest::qWaitForWindowActive(form_.get()));
  QVERIFY(form_->LoadFuel(coal_));
}

template <typename Edit>
std::unique_ptr<calc::FuelDocument> EditingTest::Reference(char separator, Edit&& edit) {
  auto doc = std::make_unique<calc::FuelDocument>(separator);
  calc::LoadLibraryFuel(*doc, coal_);
  edit(*doc);
  calc::XLGrid1EditModeChanged(*doc);
  calc::XLGrid15EditModeChanged(*doc);
  return doc;
}

void EditingTest::AddLocales() {
  QTest::addColumn<QLocale>("locale");
  QTest::newRow("decimal comma") << QLocale(QLocale::Russian, QLocale::Russia);
  QTest::newRow("decimal point") << QLocale(QLocale::English, QLocale::UnitedStates);
}

void EditingTest::TypingOverACellReplacesItAndF2EditsAtTheEnd_data() { AddLocales(); }

void EditingTest::TypingOverACellReplacesItAndF2EditsAtTheEnd() {
  QFETCH(QLocale, locale);
  Open(locale);
  const QString sep = locale.decimalPoint();
  ui::TXLGrid& grid = Composition();
  // Every key typed over hydrogen is kept, the first included.
  QVERIFY(test::TypeIntoCell(grid, 1, kHydrogenRow, QStringLiteral("59")));
  QCOMPARE(Shown(grid, 1, kHydrogenRow), QStringLiteral("59"));
  QCOMPARE(form_->Document().XLSheet10.Text(2, 3), std::string("59"));
  QCOMPARE(Shown(grid, 1, kTotalRow), QStringLiteral("155"));
  // The carry-over takes a fraction typed over it.
  ui::TXLGrid& carryover = *form_->TabSheet3->XLGrid13;
  form_->PageControl1->setCurrentWidget(form_->TabSheet3);
  QVERIFY(test::TypeIntoCell(carryover, 1, 0, QStringLiteral("0") + sep + QStringLiteral("8")));
  QCOMPARE(Shown(carryover, 1, 0), QStringLiteral("0") + sep + QStringLiteral("8"));
  QCOMPARE(Shown(*form_->TabSheet6->XLGrid15, 1, 4),
           QStringLiteral("0") + sep + QStringLiteral("8"));
  // F2 edits the old text with the cursor at its end.
  form_->PageControl1->setCurrentWidget(form_->TabSheet2);
  grid.setFocus();
  grid.setCurrentIndex(grid.model()->index(kCarbonRow, 1));
  test::PressKey(*grid.viewport(), Qt::Key_F2);
  QVERIFY(grid.IsEditing());
  test::TypeKeys(*grid.viewport(), QStringLiteral("1"));
  test::PressKey(*grid.viewport(), Qt::Key_Return);
  QTRY_VERIFY(!grid.IsEditing());
  QCOMPARE(Shown(grid, 1, kCarbonRow), QStringLiteral("551"));
  QVERIFY(dialogs_.messages.isEmpty());
}

void EditingTest::EveryCommitRepairsTheOtherSeparator_data() { AddLocales(); }

void EditingTest::EveryCommitRepairsTheOtherSeparator() {
  QFETCH(QLocale, locale);
  Open(locale);
  const bool comma = locale.decimalPoint() == QStringLiteral(",");
  const QString other = comma ? QStringLiteral(".") : QStringLiteral(",");
  const char sep = comma ? ',' : '.';
  const auto typed = [&](const char* whole, const char* fraction) {
    return QString::fromLatin1(whole) + other + QString::fromLatin1(fraction);
  };
  const auto shown = [&](const char* whole, const char* fraction) {
    return QString::fromLatin1(whole) + locale.decimalPoint() + QString::fromLatin1(fraction);
  };
  ui::TXLGrid& grid = Composition();
  // Enter, Tab and an arrow key each commit, and each repairs before the cycle reads.
  QVERIFY(test::TypeIntoCell(grid, 1, kCarbonRow, typed("63", "8")));
  QCOMPARE(Shown(grid, 1, kCarbonRow), shown("63", "8"));
  QVERIFY(test::TypeIntoCell(grid, 1, kAshRow, typed("11", "2"), Qt::Key_Tab));
  QCOMPARE(Shown(grid, 1, kAshRow), shown("11", "2"));
  QCOMPARE(grid.currentIndex(), grid.model()->index(kCarbonRow, 1));  // the next input
  test::PressKey(*grid.viewport(), Qt::Key_Escape);
  QTRY_VERIFY(!grid.IsEditing());
  QVERIFY(test::TypeIntoCell(grid, 1, kMoistureRow, typed("9", "5"), Qt::Key_Down));
  QCOMPARE(Shown(grid, 1, kMoistureRow), shown("9", "5"));
  // The whole document is what the calculation gives for the repaired texts.
  const auto reference = Reference(sep, [&](calc::FuelDocument& doc) {
    doc.XLSheet3.SetText(1, kCarbonRow, shown("63", "8").toStdString());
    doc.XLSheet3.SetText(1, kAshRow, shown("11", "2").toStdString());
    doc.XLSheet3.SetText(1, kMoistureRow, shown("9", "5").toStdString());
  });
  const calc::FuelDocument& doc = form_->Document();
  QCOMPARE(doc.XLSheet3.Text(1, kTotalRow), reference->XLSheet3.Text(1, kTotalRow));
  for (int col = 0; col < doc.XLSheet6.ColCount(); ++col) {
    QCOMPARE(doc.XLSheet6.Text(col, 2), reference->XLSheet6.Text(col, 2));
  }
  // The design grid's excess air too.
  ui::TXLGrid& design = *form_->TabSheet6->XLGrid15;
  form_->PageControl1->setCurrentWidget(form_->TabSheet6);
  QVERIFY(test::TypeIntoCell(design, 1, kExcessAirRow, typed("1", "3")));
  QCOMPARE(Shown(design, 1, kExcessAirRow), shown("1", "3"));
  QCOMPARE(doc.XLSheet15.Text(1, 6), [&] {
    auto at_1_3 = Reference(sep, [&](calc::FuelDocument& d) {
      d.XLSheet3.SetText(1, kCarbonRow, shown("63", "8").toStdString());
      d.XLSheet3.SetText(1, kAshRow, shown("11", "2").toStdString());
      d.XLSheet3.SetText(1, kMoistureRow, shown("9", "5").toStdString());
      d.XLSheet15.SetText(1, kExcessAirRow, shown("1", "3").toStdString());
    });
    return at_1_3->XLSheet15.Text(1, 6);
  }());
  QVERIFY(dialogs_.messages.isEmpty());
}

void EditingTest::OnlyInputCellsTakeTyping() {
  Open(QLocale(QLocale::Russian, QLocale::Russia));
  ui::TXLGrid& grid = Composition();
  const calc::FuelDocument& doc = form_->Document();
  // A label, a unit and the total open no editor; the label is as the layout wrote it.
  for (const auto& [col, row] :
       {std::pair{0, kCarbonRow}, std::pair{2, kCarbonRow}, std::pair{1, kTotalRow}}) {
    grid.setFocus();
    grid.setCurrentIndex(grid.model()->index(row, col));
    test::TypeKeys(*grid.viewport(), QStringLiteral("x"));
    QVERIFY(!grid.IsEditing());
  }
  QCOMPARE(Shown(grid, 0, kCarbonRow),
           QString::fromStdString(calc::FuelDocument().XLSheet3.Text(0, kCarbonRow)));
  // Tab goes from carbon to hydrogen, past the label and unit between them.
  grid.setCurrentIndex(grid.model()->index(kCarbonRow, 1));
  test::PressKey(*grid.viewport(), Qt::Key_Tab);
  QCOMPARE(grid.currentIndex(), grid.model()->index(kHydrogenRow, 1));
  // Results elsewhere are read-only too (a volume, a design result); the design inputs
  // are not.
  const auto editable = [](ui::TXLGrid* g, int col, int row) {
    return bool(g->model()->flags(g->model()->index(row, col)) & Qt::ItemIsEditable);
  };
  QVERIFY(!editable(form_->TabSheet3->XLGrid7, 1, 2));
  QVERIFY(!editable(form_->TabSheet6->XLGrid15, 1, 8));
  QVERIFY(editable(form_->TabSheet6->XLGrid15, 1, kExcessAirRow));
  // The heating value is typed only while it is not computed.
  const QModelIndex heating_value = grid.model()->index(kHeatingValueRow, 1);
  QVERIFY(grid.model()->flags(heating_value) & Qt::ItemIsEditable);
  form_->TabSheet2->CheckBox2->click();
  QVERIFY(doc.CheckBox2);
  QVERIFY(!(grid.model()->flags(heating_value) & Qt::ItemIsEditable));
  form_->TabSheet2->CheckBox2->click();
  QVERIFY(grid.model()->flags(heating_value) & Qt::ItemIsEditable);
  // A gas has no ash temperatures or oxides to type.
  ui::TXLGrid& temperatures = *form_->TabSheet2->XLGrid4;
  QVERIFY(editable(&temperatures, 1, 4));
  QTest::keyClick(form_->ComboBox3, Qt::Key_End);  // "газообразное топливо"
  QVERIFY(!editable(&temperatures, 1, 4));
  QVERIFY(!editable(form_->TabSheet3->XLGrid5, 1, 2));
}

void EditingTest::DesignParametersFollowEveryFuelEdit() {
  Open(QLocale(QLocale::English, QLocale::UnitedStates));
  const calc::FuelDocument& doc = form_->Document();
  const std::string before = doc.XLSheet15.Text(1, 13);
  QVERIFY(test::TypeIntoCell(Composition(), 1, kCarbonRow, QStringLiteral("70")));
  const auto reference =
      Reference('.', [](calc::FuelDocument& d) { d.XLSheet3.SetText(1, kCarbonRow, "70"); });
  for (int row = 0; row < doc.XLSheet15.RowCount(); ++row) {
    QCOMPARE(doc.XLSheet15.Text(1, row), reference->XLSheet15.Text(1, row));
  }
  QVERIFY(doc.XLSheet15.Text(1, 13) != before);  // the air enthalpy at 100 °C moved
  // The automatic heating value box is a change of the fuel too.
  form_->TabSheet2->CheckBox2->click();
  const auto automatic = Reference('.', [](calc::FuelDocument& d) {
    d.XLSheet3.SetText(1, kCarbonRow, "70");
    d.CheckBox2 = true;
  });
  QCOMPARE(doc.XLSheet15.Text(1, 11), automatic->XLSheet15.Text(1, 11));
  QCOMPARE(doc.XLSheet10.Text(2, 8), automatic->XLSheet10.Text(2, 8));
}

void EditingTest::OneEditTellsEachSheetOnce() {
  Open(QLocale(QLocale::Russian, QLocale::Russia));
  std::map<QAbstractItemModel*, std::unique_ptr<QSignalSpy>> spies;
  for (ui::TXLGrid* grid : form_->findChildren<ui::TXLGrid*>()) {
    QAbstractItemModel* model = grid->model();
    if (spies.count(model) == 0) {
      spies[model] = std::make_unique<QSignalSpy>(model, &QAbstractItemModel::dataChanged);
    }
  }
  QVERIFY(spies.size() > 10);
  ui::TXLGrid& grid = Composition();
  // Opening an editor runs the cycle over unchanged input: nothing changes, nobody hears.
  grid.setFocus();
  grid.setCurrentIndex(grid.model()->index(kCarbonRow, 1));
  test::PressKey(*grid.viewport(), Qt::Key_F2);
  QVERIFY(grid.IsEditing());
  for (const auto& [model, spy] : spies) QCOMPARE(spy->count(), 0);
  // A committed edit: the edited sheet hears the stored text and the cycle's results,
  // every other sheet at most once.
  test::TypeKeys(*grid.viewport(), QStringLiteral("1"));
  test::PressKey(*grid.viewport(), Qt::Key_Return);
  QTRY_VERIFY(!grid.IsEditing());
  int touched = 0;
  for (const auto& [model, spy] : spies) {
    QVERIFY(spy->count() <= (model == grid.model() ? 2 : 1));
    touched += spy->count() > 0 ? 1 : 0;
  }
  QVERIFY(touched >= 4);  // composition, record, volumes, enthalpy table, design
}

void EditingTest::MixtureResultsPageLeadsBackToTheComponents() {
  Open(QLocale(QLocale::English, QLocale::UnitedStates));
  ui::MixturePage& page = *form_->TabSheet7;
  form_->PageControl1->setCurrentWidget(form_->TabSheet7);
  const auto show_results = [&] {
    form_->Document().PageControl2 = 1;
    form_->ShowDocument();
    QCOMPARE(page.PageControl2->currentWidget(), page.TabSheet22);
  };
  show_results();
  QVERIFY(page.ComponentsButton->isVisible());
  QCOMPARE(page.ComponentsButton->text(), QStringLiteral("Компоненты смеси"));
  QTest::mouseClick(page.ComponentsButton, Qt::LeftButton);
  QCOMPARE(page.PageControl2->currentWidget(), page.TabSheet21);
  QCOMPARE(form_->Document().PageControl2, 0);
  // A click on the mixture's own tab goes back too.
  show_results();
  QTabBar& tabs = *form_->PageControl1->tabBar();
  QTest::mouseClick(&tabs, Qt::LeftButton, {},
                    tabs.tabRect(form_->PageControl1->indexOf(form_->TabSheet7)).center());
  QCOMPARE(page.PageControl2->currentWidget(), page.TabSheet21);
}

void EditingTest::HeatBalanceInputsRecomputeTheTabAndAreNotSaved() {
  Open(QLocale(QLocale::Russian, QLocale::Russia));
  form_->PageControl1->setCurrentWidget(form_->TabSheet8);
  ui::TXLGrid& grid = *form_->TabSheet8->XLGrid21;
  const calc::FuelDocument& doc = form_->Document();
  // q4 typed with a point in a comma locale, then the boiler's output.
  QVERIFY(test::TypeIntoCell(grid, 1, calc::heat_balance_row::kQ4, QStringLiteral("1.5")));
  QVERIFY(
      test::TypeIntoCell(grid, 1, calc::heat_balance_row::kHeatOutput, QStringLiteral("37494")));
  QCOMPARE(Shown(grid, 1, calc::heat_balance_row::kQ4), QStringLiteral("1,5"));
  const auto reference = Reference(',', [](calc::FuelDocument& d) {
    d.XLSheet19.SetText(1, calc::heat_balance_row::kQ4, "1,5");
    d.XLSheet19.SetText(1, calc::heat_balance_row::kHeatOutput, "37494");
  });
  for (int row = 0; row < doc.XLSheet19.RowCount(); ++row) {
    QCOMPARE(doc.XLSheet19.Text(1, row), reference->XLSheet19.Text(1, row));
  }
  QVERIFY(!doc.XLSheet19.Text(1, calc::heat_balance_row::kFuelConsumption).empty());
  QVERIFY(!form_->HasUnsavedEdits());
  // A fuel edit recomputes the balance with the inputs kept.
  form_->PageControl1->setCurrentWidget(form_->TabSheet2);
  QVERIFY(test::TypeIntoCell(Composition(), 1, kCarbonRow, QStringLiteral("60")));
  QCOMPARE(doc.XLSheet19.Text(1, calc::heat_balance_row::kQ4), std::string("1,5"));
  QVERIFY(doc.XLSheet19.Text(1, calc::heat_balance_row::kEfficiency) !=
          reference->XLSheet19.Text(1, calc::heat_balance_row::kEfficiency));
}

void EditingTest::EnterGoesToTheNextInputCellDown() {
  Open(QLocale(QLocale::Russian, QLocale::Russia));
  ui::TXLGrid& grid = Composition();
  QVERIFY(test::TypeIntoCell(grid, 1, kMoistureRow, QStringLiteral("11")));
  QCOMPARE(grid.currentIndex(), grid.model()->index(kAshRow, 1));
  // From oxygen past the total and the empty row to the heating value.
  QVERIFY(test::TypeIntoCell(grid, 1, kOxygenRow, QStringLiteral("9")));
  QCOMPARE(grid.currentIndex(), grid.model()->index(kHeatingValueRow, 1));
  QCOMPARE(Shown(grid, 1, kOxygenRow), QStringLiteral("9"));
  // Enter on a cell without an editor moves down too; Tab goes to the next input.
  grid.setCurrentIndex(grid.model()->index(kAshRow, 1));
  test::PressKey(*grid.viewport(), Qt::Key_Return);
  QCOMPARE(grid.currentIndex(), grid.model()->index(kCarbonRow, 1));
  QVERIFY(!grid.IsEditing());
  test::PressKey(*grid.viewport(), Qt::Key_Tab);
  QCOMPARE(grid.currentIndex(), grid.model()->index(kHydrogenRow, 1));
}

void EditingTest::UndoAndRedoRestoreAndRecompute() {
  Open(QLocale(QLocale::Russian, QLocale::Russia));
  ui::TXLGrid& grid = Composition();
  const calc::FuelDocument& doc = form_->Document();
  const auto reference = Reference(',', [](calc::FuelDocument&) {});
  QVERIFY(!form_->CanUndo());
  // Two cell edits, the name, the type and the automatic heating value: five steps.
  QVERIFY(test::TypeIntoCell(grid, 1, kCarbonRow, QStringLiteral("63")));
  QVERIFY(test::TypeIntoCell(grid, 1, kAshRow, QStringLiteral("12")));
  QCOMPARE(Shown(grid, 1, kTotalRow), QStringLiteral("100"));
  QTest::keyClicks(form_->ComboBox1, QStringLiteral(" D"));
  emit form_->ComboBox3->activated(2);
  form_->TabSheet2->CheckBox2->click();
  QCOMPARE(form_->UndoStack().count(), 5);
  QVERIFY(doc.XLSheet3.Text(1, kHeatingValueRow) != "21861");

  // Each undo puts one step back, the computed values with it.
  form_->Undo();
  QVERIFY(!doc.CheckBox2);
  QCOMPARE(doc.XLSheet3.Text(1, kHeatingValueRow), std::string("21861"));
  form_->Undo();
  QCOMPARE(form_->ComboBox3->currentIndex(), 1);
  form_->Undo();
  QCOMPARE(form_->ComboBox1->text(), QStringLiteral("Уголь"));
  form_->Undo();
  form_->Undo();
  QVERIFY(!form_->CanUndo());
  QVERIFY(!form_->HasUnsavedEdits());
  for (const auto& [sheet, ref] : {std::pair{&doc.XLSheet3, &reference->XLSheet3},
                                   std::pair{&doc.XLSheet6, &reference->XLSheet6},
                                   std::pair{&doc.XLSheet15, &reference->XLSheet15},
                                   std::pair{&doc.XLSheet10, &reference->XLSheet10}}) {
    for (int row = 0; row < sheet->RowCount(); ++row) {
      for (int col = 0; col < sheet->ColCount(); ++col) {
        QCOMPARE(sheet->Text(col, row), ref->Text(col, row));
      }
    }
  }
  // Redo brings the carbon back and recomputes the total; a new edit drops the redo steps.
  form_->Redo();
  QCOMPARE(Shown(grid, 1, kCarbonRow), QStringLiteral("63"));
  QCOMPARE(Shown(grid, 1, kTotalRow), QStringLiteral("108"));
  QVERIFY(form_->HasUnsavedEdits());
  QVERIFY(test::TypeIntoCell(grid, 1, kHydrogenRow, QStringLiteral("3")));
  QVERIFY(!form_->CanRedo());
  // Opening an editor and leaving it unchanged is no step.
  const int steps = form_->UndoStack().count();
  grid.setCurrentIndex(grid.model()->index(kCarbonRow, 1));
  test::PressKey(*grid.viewport(), Qt::Key_F2);
  test::PressKey(*grid.viewport(), Qt::Key_Return);
  QTRY_VERIFY(!grid.IsEditing());
  QCOMPARE(form_->UndoStack().count(), steps);
  // A new fuel starts a new history.
  form_->NewFuel();
  QVERIFY(!form_->CanUndo() && !form_->CanRedo());
}

void EditingTest::CopyAndPasteRangesThroughTheClipboard() {
  Open(QLocale(QLocale::Russian, QLocale::Russia));
  ui::TXLGrid& grid = Composition();
  const calc::FuelDocument& doc = form_->Document();
  QClipboard& clipboard = *QApplication::clipboard();
  // A range of labels and values, with the locale's decimal comma.
  QVERIFY(test::TypeIntoCell(grid, 1, kAshRow, QStringLiteral("20,5")));
  grid.setFocus();
  grid.selectionModel()->select(
      QItemSelection(grid.model()->index(kMoistureRow, 0), grid.model()->index(kAshRow, 1)),
      QItemSelectionModel::ClearAndSelect);
  test::PressKey(*grid.viewport(), Qt::Key_C, Qt::ControlModifier);
  QCOMPARE(clipboard.text(), QStringLiteral("Влажность\t10\nЗольность\t20,5"));
  // A result grid copies too: the volumes column.
  ui::TXLGrid& volumes = *form_->TabSheet3->XLGrid7;
  volumes.selectionModel()->select(
      QItemSelection(volumes.model()->index(2, 1), volumes.model()->index(5, 1)),
      QItemSelectionModel::ClearAndSelect);
  QStringList expected;
  for (int row = 2; row <= 5; ++row) expected << QString::fromStdString(doc.XLSheet2.Text(1, row));
  QCOMPARE(volumes.SelectionText(), expected.join(QLatin1Char('\n')));
  QVERIFY(expected.join(QString()).contains(QLatin1Char(',')));

  // A column from a spreadsheet, with points, into moisture, ash and carbon: each number
  // repaired, the cycle run once, one undo step.
  const int steps = form_->UndoStack().count();
  clipboard.setText(QStringLiteral("12.5\r\n21\r\n50.25\r\n"));
  grid.setFocus();
  grid.setCurrentIndex(grid.model()->index(kMoistureRow, 1));
  test::PressKey(*grid.viewport(), Qt::Key_V, Qt::ControlModifier);
  QCOMPARE(Shown(grid, 1, kMoistureRow), QStringLiteral("12,5"));
  QCOMPARE(Shown(grid, 1, kAshRow), QStringLiteral("21"));
  QCOMPARE(Shown(grid, 1, kCarbonRow), QStringLiteral("50,25"));
  QCOMPARE(doc.XLSheet10.Text(2, 0), std::string("12,5"));
  const auto reference = Reference(',', [](calc::FuelDocument& d) {
    d.XLSheet3.SetText(1, kAshRow, "21");
    d.XLSheet3.SetText(1, kMoistureRow, "12,5");
    d.XLSheet3.SetText(1, kCarbonRow, "50,25");
  });
  QCOMPARE(doc.XLSheet3.Text(1, kTotalRow), reference->XLSheet3.Text(1, kTotalRow));
  QCOMPARE(doc.XLSheet15.Text(1, 6), reference->XLSheet15.Text(1, 6));
  QCOMPARE(form_->UndoStack().count(), steps + 1);
  form_->Undo();
  QCOMPARE(Shown(grid, 1, kMoistureRow), QStringLiteral("10"));
  QCOMPARE(Shown(grid, 1, kCarbonRow), QStringLiteral("55"));
  // Labels, units and the total take nothing: only the value lands, next to the label.
  clipboard.setText(QStringLiteral("Метка\t7\tединица\nx\t8"));
  grid.setCurrentIndex(grid.model()->index(kHydrogenRow, 0));
  QCOMPARE(grid.Paste(), 2);
  QCOMPARE(Shown(grid, 1, kHydrogenRow), QStringLiteral("7"));
  QCOMPARE(Shown(grid, 1, kHydrogenRow + 1), QStringLiteral("8"));
  QCOMPARE(Shown(grid, 2, kHydrogenRow), QStringLiteral("%"));
  QVERIFY(Shown(grid, 0, kHydrogenRow) != QStringLiteral("Метка"));
  QVERIFY(dialogs_.messages.isEmpty());
}

QTEST_MAIN(EditingTest)
#include "editing_test.moc"
