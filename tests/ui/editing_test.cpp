// Typing into the document window with real key events: only input cells take typing,
// every commit repairs the separator and runs the cycle, and undo, paste and delete are
// one step each.
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLocale>
#include <QTabWidget>

#include "calc/cycle.h"
#include "calc/design.h"
#include "calc/heat_balance_cells.h"
#include "test_support.h"
#include "ui/ash_products_page.h"
#include "ui/design_parameters_page.h"
#include "ui/heat_balance_page.h"
#include "ui/heat_balance_picture.h"
#include "ui/main_properties_page.h"

using Doc = calc::FuelDocument;
using test::Shown;

namespace {

// Rows of XLSheet3 (composition) and XLSheet15 (design parameters).
constexpr int kMoistureRow = 1, kAshRow = 2, kCarbonRow = 3, kHydrogenRow = 4, kOxygenRow = 7,
              kTotalRow = 8, kHeatingValueRow = 10, kExcessAirRow = 2;

}  // namespace

class EditingTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    w_ = std::make_unique<test::DocumentWindow>();
    test::WriteFuel(w_->Fuel("coal.fll"), "Уголь", test::kWorkedCoalType, test::kWorkedCoal);
  }
  void cleanup() {
    w_.reset();
    QLocale::setDefault(QLocale::c());
  }

  void EveryCommitRepairsTheOtherSeparatorAndRunsTheCycle_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::newRow("decimal comma") << QLocale(QLocale::Russian, QLocale::Russia);
    QTest::newRow("decimal point") << QLocale(QLocale::English, QLocale::UnitedStates);
  }

  void EveryCommitRepairsTheOtherSeparatorAndRunsTheCycle() {
    QFETCH(QLocale, locale);
    Open(locale);
    const QString point = locale.decimalPoint();
    const QString other = point == QStringLiteral(",") ? QStringLiteral(".") : QStringLiteral(",");
    ui::TForm2& form = Form();
    ui::TXLGrid& grid = Composition();
    // Enter, Tab, an arrow key and leaving the grid each commit and repair the number.
    const struct Case {
      QWidget* page;
      ui::TXLGrid* grid;
      test::SheetOf sheet;
      int row;
      const char* number;
      Qt::Key commit;  // Qt::Key_unknown: the focus leaves the grid with the editor open
    } cases[] = {
        {form.TabSheet2, &grid, &Doc::XLSheet3, kCarbonRow, "63.8", Qt::Key_Return},
        {form.TabSheet2, &grid, &Doc::XLSheet3, kAshRow, "11.2", Qt::Key_Tab},
        {form.TabSheet2, &grid, &Doc::XLSheet3, kMoistureRow, "9.5", Qt::Key_Down},
        {form.TabSheet2, &grid, &Doc::XLSheet3, kHydrogenRow, "4.5", Qt::Key_unknown},
        {form.TabSheet6, form.TabSheet6->XLGrid15, &Doc::XLSheet15, kExcessAirRow, "1.3",
         Qt::Key_Return},
        {form.TabSheet3, form.TabSheet3->XLGrid13, &Doc::XLSheet13, 0, "0.8", Qt::Key_Return},
    };
    std::vector<Typed> typed;
    for (const Case& c : cases) {
      const QString shown = QString::fromLatin1(c.number).replace('.', point);
      const QString keys = QString::fromLatin1(c.number).replace('.', other);
      form.PageControl1->setCurrentWidget(c.page);
      QVERIFY(test::TypeIntoCell(*c.grid, 1, c.row, keys, c.commit,
                                 c.commit == Qt::Key_unknown ? form.ComboBox1 : nullptr));
      QCOMPARE(Shown(*c.grid, 1, c.row), shown);
      typed.push_back({c.row, shown.toStdString(), c.sheet});
      QCOMPARE(Differs(typed, kResults), QString());
      if (c.commit == Qt::Key_Tab) {
        QCOMPARE(grid.currentIndex(), grid.model()->index(kCarbonRow, 1));  // the next input
        test::PressKey(*grid.viewport(), Qt::Key_Escape);
        QTRY_VERIFY(!grid.IsEditing());
      }
    }
    // F2 edits the old text with the cursor at its end.
    form.PageControl1->setCurrentWidget(form.TabSheet2);
    grid.setFocus();
    grid.setCurrentIndex(grid.model()->index(kAshRow, 1));
    for (Qt::Key key : {Qt::Key_F2, Qt::Key_1, Qt::Key_Return}) test::PressKey(grid, key);
    QTRY_COMPARE(Shown(grid, 1, kAshRow), QStringLiteral("11") + point + "21");
    // What the design run tells reaches the status bar.
    form.PageControl1->setCurrentWidget(form.TabSheet6);
    QVERIFY(test::TypeIntoCell(*form.TabSheet6->XLGrid15, 1, kExcessAirRow, QStringLiteral("x")));
    QCOMPARE(form.StatusText(),
             QStringLiteral("«x» — не число, принят коэффициент избытка воздуха 1"));
    QVERIFY(w_->dialogs.messages.isEmpty());
  }

  void OnlyInputCellsTakeTypingAndEnterAndTabMoveBetweenThem() {
    Open();
    ui::TXLGrid& grid = Composition();
    // A label, a unit and the total open no editor.
    for (const auto& [col, row] : {std::pair{0, kCarbonRow}, {2, kCarbonRow}, {1, kTotalRow}}) {
      QVERIFY(!test::TypeIntoCell(grid, col, row, QStringLiteral("x")));
    }
    // Enter (after typing or not) goes to the next input down, Shift+Tab back across.
    QVERIFY(test::TypeIntoCell(grid, 1, kOxygenRow, QStringLiteral("9")));
    QCOMPARE(grid.currentIndex(), grid.model()->index(kHeatingValueRow, 1));
    grid.setCurrentIndex(grid.model()->index(kAshRow, 1));
    test::PressKey(*grid.viewport(), Qt::Key_Return);
    QCOMPARE(grid.currentIndex(), grid.model()->index(kCarbonRow, 1));
    test::PressKey(*grid.viewport(), Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(grid.currentIndex(), grid.model()->index(kAshRow, 1));
  }

  // The heat balance inputs are no part of the file: no "*"; a save shows what the file holds.
  void HeatBalanceInputsSetNoStarAndASaveShowsTheFile() {
    namespace row = calc::heat_balance_row;
    Open();
    ui::TForm2& form = Form();
    form.PageControl1->setCurrentWidget(form.TabSheet8);
    ui::TXLGrid& grid = *form.TabSheet8->XLGrid21;
    QVERIFY(test::TypeIntoCell(grid, 1, row::kQ4, QStringLiteral("1.5")));
    QVERIFY(test::TypeIntoCell(grid, 1, row::kHeatOutput, QStringLiteral("37494")));
    QVERIFY(test::TypeIntoCell(grid, 1, row::kCondensingTemperature, QStringLiteral("30")));
    std::vector<Typed> balance = {{row::kQ4, "1,5", &Doc::XLSheet19},
                                  {row::kHeatOutput, "37494", &Doc::XLSheet19},
                                  {row::kCondensingTemperature, "30", &Doc::XLSheet19}};
    QVERIFY(!Document().XLSheet19.Text(1, row::kFuelConsumption).empty());
    QCOMPARE(Differs(balance, {&Doc::XLSheet19}), QString());
    // The picture beside the grid reads the same sheet: the latent heat is its last band.
    const std::vector<calc::BalanceBand> bands = form.TabSheet8->Picture->Bands();
    QVERIFY(!bands.empty() && bands.back().recovered);
    form.PageControl1->setCurrentWidget(form.TabSheet2);
    QVERIFY(!form.HasUnsavedEdits());
    // A fuel edit recomputes the balance with its inputs kept, and a save would change the file.
    QVERIFY(test::TypeIntoCell(Composition(), 1, kCarbonRow, QStringLiteral("60")));
    balance.push_back({kCarbonRow, "60"});
    QCOMPARE(Differs(balance, {&Doc::XLSheet19}), QString());
    QVERIFY(form.HasUnsavedEdits());
    // The save keeps three decimals: the grids then show what the file holds, and say so.
    QVERIFY(test::TypeIntoCell(Composition(), 1, kMoistureRow, QStringLiteral("10,12345")));
    QVERIFY(form.Save());
    QCOMPARE(Shown(Composition(), 1, kMoistureRow), QStringLiteral("10,123"));
    QCOMPARE(form.StatusText(), QStringLiteral("Влажность 10,12345 → 10,123"));
    QVERIFY(!form.HasUnsavedEdits());
  }

  void UndoAndRedoRestoreAndRecompute() {
    Open();
    ui::TXLGrid& grid = Composition();
    ui::TForm2& form = Form();
    // Four steps: a cell, the name, the automatic heating value and the type (a gas at once).
    QVERIFY(test::TypeIntoCell(grid, 1, kCarbonRow, QStringLiteral("63")));
    QTest::keyClicks(form.ComboBox1, QStringLiteral(" D"));
    form.TabSheet2->CheckBox2->click();
    QTest::keyClick(form.ComboBox3, Qt::Key_End);
    QCOMPARE(form.UndoStack().count(), 4);
    const std::vector<Typed> carbon = {{kCarbonRow, "63"}};
    QCOMPARE(Differs(carbon, kGasResults,
                     [](Doc& d) {
                       d.CheckBox2 = true;
                       calc::XLGrid1EditModeChanged(d);
                       calc::ComboBox3Change(d, calc::kGasType);
                     }),
             QString());
    // Each undo puts one step back, the computed values with it.
    form.Undo();
    QCOMPARE(form.ComboBox3->currentIndex(), test::kWorkedCoalType);
    form.Undo();
    QCOMPARE(Differs(carbon, kResults), QString());
    form.Undo();
    QCOMPARE(form.ComboBox1->text(), QStringLiteral("Уголь"));
    form.Undo();
    QVERIFY(!form.CanUndo() && !form.HasUnsavedEdits());
    QCOMPARE(Differs({}, kResults), QString());
    // Redo brings the carbon back and recomputes; a new edit drops the redo steps.
    form.Redo();
    QCOMPARE(Differs(carbon, kResults), QString());
    QVERIFY(test::TypeIntoCell(grid, 1, kHydrogenRow, QStringLiteral("3")));
    QVERIFY(!form.CanRedo());
    // Opening an editor and leaving it unchanged is no step; a new fuel starts a new history.
    const int steps = form.UndoStack().count();
    grid.setCurrentIndex(grid.model()->index(kCarbonRow, 1));
    for (Qt::Key key : {Qt::Key_F2, Qt::Key_Return}) test::PressKey(grid, key);
    QTRY_VERIFY(!grid.IsEditing());
    QCOMPARE(form.UndoStack().count(), steps);
    form.NewFuel();
    QVERIFY(!form.CanUndo() && !form.CanRedo());
  }

  void PasteAndDeleteAreOneStepEach() {
    Open();
    ui::TXLGrid& grid = Composition();
    QClipboard& clipboard = *QApplication::clipboard();
    // Labels and values are copied with the locale's decimal comma.
    const auto select = [&](int first_row, int last_row) {
      grid.selectionModel()->select(
          QItemSelection(grid.model()->index(first_row, 0), grid.model()->index(last_row, 1)),
          QItemSelectionModel::ClearAndSelect);
    };
    QVERIFY(test::TypeIntoCell(grid, 1, kAshRow, QStringLiteral("20,5")));
    select(kMoistureRow, kAshRow);
    test::PressKey(*grid.viewport(), Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(clipboard.text(), QStringLiteral("Влажность\t10\nЗольность\t20,5"));
    // A spreadsheet's column, with points: each number repaired, one undo step.
    const int steps = Form().UndoStack().count();
    clipboard.setText(QStringLiteral("12.5\r\n21\r\n50.25\r\n"));
    grid.setCurrentIndex(grid.model()->index(kMoistureRow, 1));
    test::PressKey(*grid.viewport(), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(Differs({{kMoistureRow, "12,5"}, {kAshRow, "21"}, {kCarbonRow, "50,25"}}, kResults),
             QString());
    QCOMPARE(Form().UndoStack().count(), steps + 1);
    // Labels and units take nothing; a text that is no number is refused as a typed one.
    clipboard.setText(QStringLiteral("Метка\t7\tединица\nx\t5%"));
    grid.setCurrentIndex(grid.model()->index(kHydrogenRow, 0));
    QCOMPARE(grid.Paste(), 2);
    QCOMPARE(Form().StatusText(), QStringLiteral("«5%» — не число, значение не изменено"));
    // Delete over labels and values empties the values, one step; empty counts as 0.
    select(kMoistureRow, kCarbonRow);
    test::PressKey(*grid.viewport(), Qt::Key_Delete);
    QCOMPARE(Form().UndoStack().count(), steps + 3);
    QCOMPARE(Differs({{kHydrogenRow, "7"}, {kMoistureRow, ""}, {kAshRow, ""}, {kCarbonRow, ""}},
                     kResults),
             QString());
  }

  void AListCellIsADropDownThatOneClickOpens() {
    Open();
    Form().PageControl1->setCurrentWidget(Form().TabSheet6);
    ui::TXLGrid& grid = *Form().TabSheet6->XLGrid15;
    const QModelIndex given = grid.model()->index(3, 0);  // what is given
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, grid.visualRect(given).center());
    auto* combo = qobject_cast<QComboBox*>(grid.indexWidget(given));
    QVERIFY(combo != nullptr);
    QTRY_VERIFY(combo->view()->isVisible());
    QTest::keyClick(combo->view(), Qt::Key_Down);
    QTest::keyClick(combo->view(), Qt::Key_Return);
    QTRY_VERIFY(!grid.IsEditing());
    QCOMPARE(Shown(grid, 0, 3).trimmed(), QStringLiteral("Энтальпия воздуха"));
    QCOMPARE(Shown(grid, 2, 3), QStringLiteral("кДж/кг"));
  }

 private:
  void Open(const QLocale& locale = QLocale(QLocale::Russian, QLocale::Russia)) {
    QLocale::setDefault(locale);
    QVERIFY(w_->Show() && w_->Load("coal.fll"));
  }
  ui::TForm2& Form() { return *w_->form; }
  ui::TXLGrid& Composition() { return *w_->form->TabSheet2->XLGrid3; }
  const Doc& Document() { return w_->Doc(); }
  // A text in the input column of a sheet's row, the composition's unless named.
  struct Typed {
    int row;
    std::string text;
    test::SheetOf sheet = &Doc::XLSheet3;
  };
  // Where the window's document first differs from the coal computed by calc/ with `typed`
  // (then `more`) done.
  QString Differs(const std::vector<Typed>& typed, std::initializer_list<test::SheetOf> sheets,
                  const std::function<void(Doc&)>& more = {}) {
    Doc doc(Document().DecimalSeparator());
    calc::LoadLibraryFuel(doc, w_->Fuel("coal.fll"));
    for (const Typed& t : typed) (doc.*t.sheet).SetText(1, t.row, t.text);
    if (more) more(doc);
    calc::XLGrid13EditModeChanged(doc);
    calc::XLGrid15EditModeChanged(doc);
    return test::FirstDifference(Document(), doc, sheets);
  }
  // The sheets a coal shows, and with the gas's composition sheet.
  static constexpr std::initializer_list<test::SheetOf> kResults = {
      &Doc::XLSheet2, &Doc::XLSheet3,  &Doc::XLSheet4,  &Doc::XLSheet6,
      &Doc::XLSheet8, &Doc::XLSheet10, &Doc::XLSheet15, &Doc::XLSheet19};
  static constexpr std::initializer_list<test::SheetOf> kGasResults = {
      &Doc::XLSheet1_2, &Doc::XLSheet2,  &Doc::XLSheet6, &Doc::XLSheet8,
      &Doc::XLSheet10,  &Doc::XLSheet15, &Doc::XLSheet19};

  std::unique_ptr<test::DocumentWindow> w_;
};

QTEST_MAIN(EditingTest)
#include "editing_test.moc"
