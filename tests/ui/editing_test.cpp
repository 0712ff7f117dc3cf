// Typing into the document window with real key events, in a decimal-comma and a
// decimal-point locale: what is typed is what the document holds, only input cells take
// typing, every commit repairs the separator, and every result follows the fuel shown.
#include <QAbstractItemModel>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QLocale>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <map>
#include <memory>
#include <vector>

#include "calc/cycle.h"
#include "calc/design.h"
#include "calc/fuel_io.h"
#include "calc/heat_balance_cells.h"
#include "calc/report_blocks.h"
#include "test_support.h"
#include "ui/ash_products_page.h"
#include "ui/design_parameters_page.h"
#include "ui/heat_balance_page.h"
#include "ui/heat_balance_picture.h"
#include "ui/main_properties_page.h"
#include "ui/tform2.h"

using Doc = calc::FuelDocument;
using test::Shown;

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
  void EveryKeyIsKeptAndEveryCommitRepairsTheOtherSeparator_data() { AddLocales(); }
  void EveryKeyIsKeptAndEveryCommitRepairsTheOtherSeparator();
  void OnlyInputCellsTakeTypingAndEnterAndTabMoveBetweenThem();
  void OneEditTellsEachSheetOnce();
  void InputsThatAreNotSavedSetNoStarAndASaveShowsTheFile();
  void CondensingTemperatureFillsItsBlockAndTheReport();
  void TypeSwitchRecomputesEverythingAsOneStep();
  void UndoAndRedoRestoreAndRecompute();
  void CopyAndPasteRangesThroughTheClipboard();
  void DeleteEmptiesTheSelectedInputsAsOneStep();
  void AListCellIsADropDownThatOneClickOpens();

 private:
  // The window over the worked coal, in `locale`.
  void Open(const QLocale& locale);
  ui::TXLGrid& Composition() { return *w_->form->TabSheet2->XLGrid3; }
  const Doc& Document() { return w_->Doc(); }
  // The worked coal computed by the calculation alone, after `edit`, with the design run.
  template <typename Edit>
  std::unique_ptr<Doc> Reference(char separator, Edit&& edit);
  static void AddLocales();

  std::unique_ptr<test::DocumentWindow> w_;
};

void EditingTest::init() {
  w_ = std::make_unique<test::DocumentWindow>();
  QVERIFY(w_->temp.isValid());
  test::WriteCoal(w_->Fuel("coal.fll"));
}

void EditingTest::cleanup() {
  w_.reset();
  QLocale::setDefault(QLocale::c());
}

void EditingTest::Open(const QLocale& locale) {
  QLocale::setDefault(locale);
  QVERIFY(w_->Show());
  QVERIFY(w_->Load("coal.fll"));
}

template <typename Edit>
std::unique_ptr<Doc> EditingTest::Reference(char separator, Edit&& edit) {
  auto doc = std::make_unique<Doc>(separator);
  calc::LoadLibraryFuel(*doc, w_->Fuel("coal.fll"));
  edit(*doc);
  calc::XLGrid13EditModeChanged(*doc);  // the fuel's cycle, the carry-over and the design run
  calc::XLGrid15EditModeChanged(*doc);
  return doc;
}

void EditingTest::AddLocales() {
  QTest::addColumn<QLocale>("locale");
  QTest::newRow("decimal comma") << QLocale(QLocale::Russian, QLocale::Russia);
  QTest::newRow("decimal point") << QLocale(QLocale::English, QLocale::UnitedStates);
}

void EditingTest::EveryKeyIsKeptAndEveryCommitRepairsTheOtherSeparator() {
  QFETCH(QLocale, locale);
  Open(locale);
  const bool comma = locale.decimalPoint() == QStringLiteral(",");
  const QString other = comma ? QStringLiteral(".") : QStringLiteral(",");
  ui::TForm2& form = *w_->form;
  ui::TXLGrid& grid = Composition();
  // Enter, Tab, an arrow key and leaving the grid each commit, and each repairs before the
  // cycle reads; the first key typed over the old text is kept.
  struct Case {
    QWidget* page;
    ui::TXLGrid* grid;
    test::SheetOf sheet;
    int row;
    const char* number;
    Qt::Key commit;  // Qt::Key_unknown: the focus leaves the grid with the editor open
  };
  const Case cases[] = {
      {form.TabSheet2, &grid, &Doc::XLSheet3, kCarbonRow, "63.8", Qt::Key_Return},
      {form.TabSheet2, &grid, &Doc::XLSheet3, kAshRow, "11.2", Qt::Key_Tab},
      {form.TabSheet2, &grid, &Doc::XLSheet3, kMoistureRow, "9.5", Qt::Key_Down},
      {form.TabSheet2, &grid, &Doc::XLSheet3, kHydrogenRow, "4.5", Qt::Key_unknown},
      {form.TabSheet6, form.TabSheet6->XLGrid15, &Doc::XLSheet15, kExcessAirRow, "1.3",
       Qt::Key_Return},
      {form.TabSheet3, form.TabSheet3->XLGrid13, &Doc::XLSheet13, 0, "0.8", Qt::Key_Return},
  };
  // After each commit every result sheet is what the calculation gives for the repaired
  // texts typed so far.
  std::vector<std::pair<const Case*, std::string>> typed_so_far;
  bool automatic_heating_value = false;
  const auto reference = [&] {
    return Reference(comma ? ',' : '.', [&](Doc& doc) {
      for (const auto& [c, text] : typed_so_far) (doc.*c->sheet).SetText(1, c->row, text);
      doc.CheckBox2 = automatic_heating_value;
    });
  };
  const std::initializer_list<test::SheetOf> results = {&Doc::XLSheet2,  &Doc::XLSheet3,
                                                        &Doc::XLSheet4,  &Doc::XLSheet6,
                                                        &Doc::XLSheet10, &Doc::XLSheet15};
  for (const Case& c : cases) {
    const QString typed = QString::fromLatin1(c.number).replace('.', other);
    const QString shown = QString::fromLatin1(c.number).replace('.', locale.decimalPoint());
    form.PageControl1->setCurrentWidget(c.page);
    if (c.commit == Qt::Key_unknown) {
      QVERIFY(test::TypeAndLeave(*c.grid, 1, c.row, typed, *form.ComboBox1));
    } else {
      QVERIFY(test::TypeIntoCell(*c.grid, 1, c.row, typed, c.commit));
    }
    QCOMPARE((w_->Doc().*c.sheet).Text(1, c.row), shown.toStdString());
    QCOMPARE(Shown(*c.grid, 1, c.row), shown);
    typed_so_far.emplace_back(&c, shown.toStdString());
    QCOMPARE(test::FirstDifference(Document(), *reference(), results), QString());
    if (c.commit == Qt::Key_Tab) {
      QCOMPARE(grid.currentIndex(), grid.model()->index(kCarbonRow, 1));  // the next input
      test::PressKey(*grid.viewport(), Qt::Key_Escape);
      QTRY_VERIFY(!grid.IsEditing());
    }
  }
  // The design grid shows the carry-over typed on the other tab.
  QCOMPARE(Shown(*form.TabSheet6->XLGrid15, 1, 4), Shown(*form.TabSheet3->XLGrid13, 1, 0));
  // The automatic heating value box is a change of the fuel too.
  form.TabSheet2->CheckBox2->click();
  automatic_heating_value = true;
  QCOMPARE(test::FirstDifference(Document(), *reference(), results), QString());
  const auto total_colour = [&] {
    return grid.model()->index(kTotalRow, 1).data(Qt::ForegroundRole).value<QBrush>().color();
  };
  QVERIFY(total_colour() != QColor(Qt::red));  // 100 %
  // F2 edits the old text with the cursor at its end; letters do not parse, and the cycle
  // stores 0 and shows it.
  form.PageControl1->setCurrentWidget(form.TabSheet2);
  grid.setFocus();
  grid.setCurrentIndex(grid.model()->index(kAshRow, 1));
  test::PressKey(*grid.viewport(), Qt::Key_F2);
  QVERIFY(grid.IsEditing());
  test::TypeKeys(*grid.viewport(), QStringLiteral("1"));
  test::PressKey(*grid.viewport(), Qt::Key_Return);
  QTRY_VERIFY(!grid.IsEditing());
  QCOMPARE(Shown(grid, 1, kAshRow), QStringLiteral("11") + locale.decimalPoint() + "21");
  // Letters are no number: the cell keeps the carbon it had, and the status bar says why.
  const QString carbon = Shown(grid, 1, kCarbonRow);
  const std::string record_carbon = Document().XLSheet10.Text(2, 2);
  QVERIFY(test::TypeIntoCell(grid, 1, kCarbonRow, QStringLiteral("abc")));
  QCOMPARE(Shown(grid, 1, kCarbonRow), carbon);
  QCOMPARE(Document().XLSheet10.Text(2, 2), record_carbon);
  QCOMPARE(form.StatusText(), QStringLiteral("«abc» — не число, значение не изменено"));
  // A design input takes its fallback and says which.
  form.PageControl1->setCurrentWidget(form.TabSheet6);
  QVERIFY(test::TypeIntoCell(*form.TabSheet6->XLGrid15, 1, kExcessAirRow, QStringLiteral("x")));
  QCOMPARE(Shown(*form.TabSheet6->XLGrid15, 1, kExcessAirRow), QStringLiteral("1"));
  QCOMPARE(form.StatusText(),
           QStringLiteral("«x» — не число, принят коэффициент избытка воздуха 1"));
  // Carbon 0: the total is no longer 100 and turns red.
  form.PageControl1->setCurrentWidget(form.TabSheet2);
  QVERIFY(test::TypeIntoCell(grid, 1, kCarbonRow, QStringLiteral("0")));
  QCOMPARE(total_colour(), QColor(Qt::red));
  QVERIFY(w_->dialogs.messages.isEmpty());
}

void EditingTest::OnlyInputCellsTakeTypingAndEnterAndTabMoveBetweenThem() {
  Open(QLocale(QLocale::Russian, QLocale::Russia));
  ui::TXLGrid& grid = Composition();
  // A label, a unit and the total open no editor; the label is as the layout wrote it.
  for (const auto& [col, row] :
       {std::pair{0, kCarbonRow}, std::pair{2, kCarbonRow}, std::pair{1, kTotalRow}}) {
    grid.setFocus();
    grid.setCurrentIndex(grid.model()->index(row, col));
    test::TypeKeys(*grid.viewport(), QStringLiteral("x"));
    QVERIFY(!grid.IsEditing());
  }
  QCOMPARE(Shown(grid, 0, kCarbonRow), QString::fromStdString(Doc().XLSheet3.Text(0, kCarbonRow)));
  // Enter after typing goes to the next input down: from oxygen past the total and the
  // empty row to the heating value.
  QVERIFY(test::TypeIntoCell(grid, 1, kMoistureRow, QStringLiteral("11")));
  QCOMPARE(grid.currentIndex(), grid.model()->index(kAshRow, 1));
  QVERIFY(test::TypeIntoCell(grid, 1, kOxygenRow, QStringLiteral("9")));
  QCOMPARE(grid.currentIndex(), grid.model()->index(kHeatingValueRow, 1));
  // Enter on a cell without an editor moves down too; Tab goes to the next input, past the
  // label and unit between carbon and hydrogen.
  grid.setCurrentIndex(grid.model()->index(kAshRow, 1));
  test::PressKey(*grid.viewport(), Qt::Key_Return);
  QCOMPARE(grid.currentIndex(), grid.model()->index(kCarbonRow, 1));
  QVERIFY(!grid.IsEditing());
  test::PressKey(*grid.viewport(), Qt::Key_Tab);
  QCOMPARE(grid.currentIndex(), grid.model()->index(kHydrogenRow, 1));
  test::PressKey(*grid.viewport(), Qt::Key_Backtab, Qt::ShiftModifier);
  QCOMPARE(grid.currentIndex(), grid.model()->index(kCarbonRow, 1));

  // Results elsewhere are read-only too (a volume, a design result); the design inputs
  // are not.
  const auto editable = [](ui::TXLGrid* g, int col, int row) {
    return bool(g->model()->flags(g->model()->index(row, col)) & Qt::ItemIsEditable);
  };
  QVERIFY(!editable(w_->form->TabSheet3->XLGrid7, 1, 2));
  QVERIFY(!editable(w_->form->TabSheet6->XLGrid15, 1, 8));
  QVERIFY(editable(w_->form->TabSheet6->XLGrid15, 1, kExcessAirRow));
  // The heating value is typed only while it is not computed.
  QVERIFY(editable(&grid, 1, kHeatingValueRow));
  w_->form->TabSheet2->CheckBox2->click();
  QVERIFY(Document().CheckBox2);
  QVERIFY(!editable(&grid, 1, kHeatingValueRow));
  w_->form->TabSheet2->CheckBox2->click();
  QVERIFY(editable(&grid, 1, kHeatingValueRow));
  // A gas has no ash temperatures or oxides to type.
  QVERIFY(editable(w_->form->TabSheet2->XLGrid4, 1, 4));
  QTest::keyClick(w_->form->ComboBox3, Qt::Key_End);  // "газообразное топливо"
  QVERIFY(!editable(w_->form->TabSheet2->XLGrid4, 1, 4));
  QVERIFY(!editable(w_->form->TabSheet3->XLGrid5, 1, 2));
}

void EditingTest::OneEditTellsEachSheetOnce() {
  Open(QLocale(QLocale::Russian, QLocale::Russia));
  std::map<QAbstractItemModel*, std::unique_ptr<QSignalSpy>> spies;
  for (ui::TXLGrid* grid : w_->form->findChildren<ui::TXLGrid*>()) {
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

// The heat balance, design and carry-over inputs are window state; "*" only tells that a
// save would change the file, and after a save the grids show what the file holds.
void EditingTest::InputsThatAreNotSavedSetNoStarAndASaveShowsTheFile() {
  namespace row = calc::heat_balance_row;
  Open(QLocale(QLocale::Russian, QLocale::Russia));
  w_->form->PageControl1->setCurrentWidget(w_->form->TabSheet8);
  ui::TXLGrid& grid = *w_->form->TabSheet8->XLGrid21;
  // q4 typed with a point in a comma locale, then the boiler's output.
  QVERIFY(test::TypeIntoCell(grid, 1, row::kQ4, QStringLiteral("1.5")));
  QVERIFY(test::TypeIntoCell(grid, 1, row::kHeatOutput, QStringLiteral("37494")));
  QCOMPARE(Shown(grid, 1, row::kQ4), QStringLiteral("1,5"));
  const auto reference = Reference(',', [](Doc& d) {
    d.XLSheet19.SetText(1, row::kQ4, "1,5");
    d.XLSheet19.SetText(1, row::kHeatOutput, "37494");
  });
  QVERIFY(!reference->XLSheet19.Text(1, row::kFuelConsumption).empty());
  QCOMPARE(test::FirstDifference(Document(), *reference, {&Doc::XLSheet19}), QString());
  ui::TForm2& form = *w_->form;
  QVERIFY(!form.HasUnsavedEdits());
  // Neither the design inputs nor the carry-over are saved: no "*" either.
  form.PageControl1->setCurrentWidget(form.TabSheet6);
  QVERIFY(test::TypeIntoCell(*form.TabSheet6->XLGrid15, 1, kExcessAirRow, QStringLiteral("1,3")));
  form.PageControl1->setCurrentWidget(form.TabSheet3);
  QVERIFY(test::TypeIntoCell(*form.TabSheet3->XLGrid13, 1, 0, QStringLiteral("0,8")));
  QVERIFY(!form.HasUnsavedEdits());
  // F2 and Enter on a fuel cell change nothing a save would write.
  form.PageControl1->setCurrentWidget(form.TabSheet2);
  ui::TXLGrid& composition = Composition();
  composition.setFocus();
  composition.setCurrentIndex(composition.model()->index(kCarbonRow, 1));
  test::PressKey(*composition.viewport(), Qt::Key_F2);
  QVERIFY(composition.IsEditing());
  test::PressKey(*composition.viewport(), Qt::Key_Return);
  QTRY_VERIFY(!composition.IsEditing());
  QVERIFY(!form.HasUnsavedEdits());
  QVERIFY(!form.windowTitle().endsWith('*'));
  // A fuel edit recomputes the balance with the inputs kept, and a save would change the file.
  QVERIFY(test::TypeIntoCell(composition, 1, kCarbonRow, QStringLiteral("60")));
  QCOMPARE(Document().XLSheet19.Text(1, row::kQ4), std::string("1,5"));
  QVERIFY(Document().XLSheet19.Text(1, row::kEfficiency) !=
          reference->XLSheet19.Text(1, row::kEfficiency));
  QVERIFY(form.HasUnsavedEdits());
  QVERIFY(form.windowTitle().endsWith('*'));
  // The save keeps three decimals: the grids then show what the file holds, and say so.
  QVERIFY(test::TypeIntoCell(composition, 1, kMoistureRow, QStringLiteral("10,12345")));
  QVERIFY(form.Save());
  QCOMPARE(Shown(composition, 1, kMoistureRow), QStringLiteral("10,123"));
  QCOMPARE(form.StatusText(), QStringLiteral("Влажность 10,12345 → 10,123"));
  QVERIFY(!form.HasUnsavedEdits());
  QVERIFY(!form.windowTitle().endsWith('*'));
}

// tк typed on the tab fills the condensation block as the calculation alone does, and the
// report shows the block with the texts of the tab.
void EditingTest::CondensingTemperatureFillsItsBlockAndTheReport() {
  namespace row = calc::heat_balance_row;
  Open(QLocale(QLocale::Russian, QLocale::Russia));
  w_->form->PageControl1->setCurrentWidget(w_->form->TabSheet8);
  ui::TXLGrid& grid = *w_->form->TabSheet8->XLGrid21;
  QCOMPARE(Document().XLSheet19.Text(1, row::kCondensedWater), std::string());
  QVERIFY(test::TypeIntoCell(grid, 1, row::kCondensingTemperature, QStringLiteral("30")));
  const auto reference =
      Reference(',', [](Doc& d) { d.XLSheet19.SetText(1, row::kCondensingTemperature, "30"); });
  QCOMPARE(test::FirstDifference(Document(), *reference, {&Doc::XLSheet19}), QString());
  const std::string water = Document().XLSheet19.Text(1, row::kCondensedWater);
  QVERIFY(!water.empty() && water != "-");
  // The picture beside the grid reads the same sheet: the latent heat is its last band.
  const std::vector<calc::BalanceBand> bands = w_->form->TabSheet8->Picture->Bands();
  QVERIFY(!bands.empty() && bands.back().recovered);
  const calc::FuelReport report = calc::MakeFuelReport(Document(), false);
  bool shown = false;
  for (const calc::ReportBand& band : report.bands) {
    for (const calc::ReportColumn& column : band) {
      for (const calc::ReportBlock& block : column) {
        if (block.title != "Конденсация водяных паров") continue;
        for (const calc::ReportRow& r : block.rows) shown = shown || r.value == water;
      }
    }
  }
  QVERIFY(shown);
}

// Coal typed as a gas: the record's values are taken as the gas's at once, every result
// tab and unit with them, and one undo puts the coal back.
void EditingTest::TypeSwitchRecomputesEverythingAsOneStep() {
  Open(QLocale(QLocale::Russian, QLocale::Russia));
  ui::TForm2& form = *w_->form;
  const auto results = {&Doc::XLSheet1_2, &Doc::XLSheet2,  &Doc::XLSheet6,
                        &Doc::XLSheet8,   &Doc::XLSheet15, &Doc::XLSheet19};
  QTest::keyClick(form.ComboBox3, Qt::Key_End);
  QCOMPARE(form.ComboBox3->currentIndex(), calc::kGasType);
  const auto gas = Reference(',', [](Doc& d) { calc::ComboBox3Change(d, calc::kGasType); });
  QCOMPARE(test::FirstDifference(Document(), *gas, results), QString());
  QCOMPARE(Document().XLSheet2.Text(2, 2), std::string("м3/м3"));
  QCOMPARE(form.UndoStack().count(), 1);
  QVERIFY(form.HasUnsavedEdits());

  form.Undo();
  QCOMPARE(test::FirstDifference(Document(), *Reference(',', [](Doc&) {}), results), QString());
  QVERIFY(!form.HasUnsavedEdits());
}

void EditingTest::UndoAndRedoRestoreAndRecompute() {
  Open(QLocale(QLocale::Russian, QLocale::Russia));
  ui::TXLGrid& grid = Composition();
  ui::TForm2& form = *w_->form;
  const Doc& doc = Document();
  const auto loaded = Reference(',', [](Doc&) {});
  QVERIFY(!form.CanUndo());
  // Two cell edits, the name, the type and the automatic heating value: five steps.
  QVERIFY(test::TypeIntoCell(grid, 1, kCarbonRow, QStringLiteral("63")));
  QVERIFY(test::TypeIntoCell(grid, 1, kAshRow, QStringLiteral("12")));
  QTest::keyClicks(form.ComboBox1, QStringLiteral(" D"));
  QTest::keyClick(form.ComboBox3, Qt::Key_Down);  // the type, with the keyboard
  form.TabSheet2->CheckBox2->click();
  QCOMPARE(form.UndoStack().count(), 5);
  QVERIFY(doc.XLSheet3.Text(1, kHeatingValueRow) != "21861");

  // Each undo puts one step back, the computed values with it.
  form.Undo();
  QVERIFY(!doc.CheckBox2);
  QCOMPARE(doc.XLSheet3.Text(1, kHeatingValueRow), std::string("21861"));
  form.Undo();
  QCOMPARE(form.ComboBox3->currentIndex(), 1);
  form.Undo();
  QCOMPARE(form.ComboBox1->text(), QStringLiteral("Уголь"));
  form.Undo();
  form.Undo();
  QVERIFY(!form.CanUndo());
  QVERIFY(!form.HasUnsavedEdits());
  QCOMPARE(test::FirstDifference(
               doc, *loaded, {&Doc::XLSheet3, &Doc::XLSheet6, &Doc::XLSheet15, &Doc::XLSheet10}),
           QString());
  // Redo brings the carbon back and recomputes; a new edit drops the redo steps.
  form.Redo();
  QCOMPARE(Shown(grid, 1, kCarbonRow), QStringLiteral("63"));
  const auto redone = Reference(',', [](Doc& d) { d.XLSheet3.SetText(1, kCarbonRow, "63"); });
  QCOMPARE(test::FirstDifference(doc, *redone, {&Doc::XLSheet3, &Doc::XLSheet6}), QString());
  QVERIFY(form.HasUnsavedEdits());
  QVERIFY(test::TypeIntoCell(grid, 1, kHydrogenRow, QStringLiteral("3")));
  QVERIFY(!form.CanRedo());
  // Opening an editor and leaving it unchanged is no step.
  const int steps = form.UndoStack().count();
  grid.setCurrentIndex(grid.model()->index(kCarbonRow, 1));
  test::PressKey(*grid.viewport(), Qt::Key_F2);
  test::PressKey(*grid.viewport(), Qt::Key_Return);
  QTRY_VERIFY(!grid.IsEditing());
  QCOMPARE(form.UndoStack().count(), steps);
  // A new fuel starts a new history.
  form.NewFuel();
  QVERIFY(!form.CanUndo() && !form.CanRedo());
}

void EditingTest::CopyAndPasteRangesThroughTheClipboard() {
  Open(QLocale(QLocale::Russian, QLocale::Russia));
  ui::TXLGrid& grid = Composition();
  QClipboard& clipboard = *QApplication::clipboard();
  const auto select = [](ui::TXLGrid& g, int col0, int row0, int col1, int row1) {
    g.selectionModel()->select(
        QItemSelection(g.model()->index(row0, col0), g.model()->index(row1, col1)),
        QItemSelectionModel::ClearAndSelect);
  };
  // A range of labels and values, with the locale's decimal comma.
  QVERIFY(test::TypeIntoCell(grid, 1, kAshRow, QStringLiteral("20,5")));
  grid.setFocus();
  select(grid, 0, kMoistureRow, 1, kAshRow);
  test::PressKey(*grid.viewport(), Qt::Key_C, Qt::ControlModifier);
  QCOMPARE(clipboard.text(), QStringLiteral("Влажность\t10\nЗольность\t20,5"));
  // A result grid copies too: the volumes column.
  ui::TXLGrid& volumes = *w_->form->TabSheet3->XLGrid7;
  select(volumes, 1, 2, 1, 5);
  QStringList expected;
  for (int row = 2; row <= 5; ++row) {
    expected << QString::fromStdString(Document().XLSheet2.Text(1, row));
  }
  QCOMPARE(volumes.SelectionText(), expected.join(QLatin1Char('\n')));
  QVERIFY(expected.join(QString()).contains(QLatin1Char(',')));

  // A column from a spreadsheet, with points, into moisture, ash and carbon: each number
  // repaired, the cycle run once, one undo step.
  const int steps = w_->form->UndoStack().count();
  clipboard.setText(QStringLiteral("12.5\r\n21\r\n50.25\r\n"));
  grid.setFocus();
  grid.setCurrentIndex(grid.model()->index(kMoistureRow, 1));
  test::PressKey(*grid.viewport(), Qt::Key_V, Qt::ControlModifier);
  QCOMPARE(Shown(grid, 1, kMoistureRow), QStringLiteral("12,5"));
  QCOMPARE(Document().XLSheet10.Text(2, 0), std::string("12,5"));
  const auto reference = Reference(',', [](Doc& d) {
    d.XLSheet3.SetText(1, kAshRow, "21");
    d.XLSheet3.SetText(1, kMoistureRow, "12,5");
    d.XLSheet3.SetText(1, kCarbonRow, "50,25");
  });
  QCOMPARE(test::FirstDifference(Document(), *reference, {&Doc::XLSheet3, &Doc::XLSheet15}),
           QString());
  QCOMPARE(w_->form->UndoStack().count(), steps + 1);
  w_->form->Undo();
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
  // A pasted text that is no number is refused as a typed one: the value stays, the
  // status bar says why, the number beside it lands.
  clipboard.setText(QStringLiteral("5%\n9"));
  grid.setCurrentIndex(grid.model()->index(kHydrogenRow, 1));
  test::PressKey(*grid.viewport(), Qt::Key_V, Qt::ControlModifier);
  QCOMPARE(Shown(grid, 1, kHydrogenRow), QStringLiteral("7"));
  QCOMPARE(Shown(grid, 1, kHydrogenRow + 1), QStringLiteral("9"));
  QCOMPARE(w_->form->StatusText(), QStringLiteral("«5%» — не число, значение не изменено"));
  QVERIFY(w_->dialogs.messages.isEmpty());
}

void EditingTest::DeleteEmptiesTheSelectedInputsAsOneStep() {
  Open(QLocale(QLocale::Russian, QLocale::Russia));
  ui::TXLGrid& grid = Composition();
  const int steps = w_->form->UndoStack().count();
  // Labels and values of three rows: the values go, the labels stay, the cycle runs once.
  grid.setFocus();
  grid.setCurrentIndex(grid.model()->index(kMoistureRow, 0));
  QTest::keyClick(grid.viewport(), Qt::Key_Down, Qt::ShiftModifier);
  QTest::keyClick(grid.viewport(), Qt::Key_Down, Qt::ShiftModifier);
  QTest::keyClick(grid.viewport(), Qt::Key_Right, Qt::ShiftModifier);
  test::PressKey(*grid.viewport(), Qt::Key_Delete);
  QVERIFY(!grid.IsEditing());
  QCOMPARE(Shown(grid, 0, kAshRow).trimmed(), QStringLiteral("Зольность"));
  // An empty input counts as 0 in the cycle, as a typed-over empty cell does.
  QCOMPARE(Shown(grid, 1, kCarbonRow), QStringLiteral("0"));
  const auto reference = Reference(',', [](Doc& d) {
    for (int row : {kMoistureRow, kAshRow, kCarbonRow}) d.XLSheet3.SetText(1, row, "");
  });
  QCOMPARE(test::FirstDifference(Document(), *reference, {&Doc::XLSheet3, &Doc::XLSheet15}),
           QString());
  QCOMPARE(w_->form->UndoStack().count(), steps + 1);
  w_->form->Undo();
  QCOMPARE(Shown(grid, 1, kMoistureRow), QStringLiteral("10"));
  QCOMPARE(Shown(grid, 1, kCarbonRow), QStringLiteral("55"));
  QVERIFY(!w_->form->HasUnsavedEdits());
}

void EditingTest::AListCellIsADropDownThatOneClickOpens() {
  Open(QLocale(QLocale::Russian, QLocale::Russia));
  ui::TForm2& form = *w_->form;
  form.PageControl1->setCurrentWidget(form.TabSheet6);
  ui::TXLGrid& grid = *form.TabSheet6->XLGrid15;
  const QModelIndex given = grid.model()->index(3, 0);  // what is given
  QVERIFY(!given.data(ui::SheetModel::kItemsRole).toStringList().isEmpty());
  QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, grid.visualRect(given).center());
  auto* combo = qobject_cast<QComboBox*>(grid.indexWidget(given));
  QVERIFY(combo != nullptr);
  QTRY_VERIFY(combo->view()->isVisible());
  QTest::keyClick(combo->view(), Qt::Key_Down);
  QTest::keyClick(combo->view(), Qt::Key_Return);
  QTRY_VERIFY(!grid.IsEditing());
  QCOMPARE(given.data(Qt::EditRole).toInt(), 1);
  QCOMPARE(Shown(grid, 0, 3).trimmed(), QStringLiteral("Энтальпия воздуха"));
  QCOMPARE(Shown(grid, 2, 3), QStringLiteral("кДж/кг"));
  // A click on a cell that offers no choice opens nothing.
  QTest::mouseClick(grid.viewport(), Qt::LeftButton, {},
                    grid.visualRect(grid.model()->index(8, 1)).center());
  QVERIFY(!grid.IsEditing());
}

QTEST_MAIN(EditingTest)
#include "editing_test.moc"
