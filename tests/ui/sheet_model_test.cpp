// The sheet model and the grid view: what the views show of a sheet, what an edit stores,
// the two grid events, spans, shared and replaced sheets.
#include "ui/sheet_model.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

#include "calc/fuel_document.h"
#include "sheets/sheet.h"
#include "test_support.h"
#include "ui/sheet_model_pool.h"
#include "ui/txl_grid.h"

class SheetModelTest : public QObject {
  Q_OBJECT

 private slots:
  void PassesTheModelTesterWhileTheSheetChanges();
  void StoresEditsAsTextsAndListChoicesAsIndexes();
  void ReportsChangedCellsToTheViews();
  void GridShowsMergedAreasAsSpans();
  void HeadingsCutOverSeveralCellsReadAsOneText();
  void TwoGridsOverOneSheetAndTheExitWhenTheFocusLeaves();
};

void SheetModelTest::PassesTheModelTesterWhileTheSheetChanges() {
  calc::FuelDocument doc;
  ui::SheetModel model(doc.XLSheet4);
  QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
  doc.XLSheet4.SetText(1, 1, "0,5");
  doc.XLSheet4.SetFontColor(0, 1, sheets::kRed);
  doc.XLSheet4.SetItems(1, 10, {"да", "нет"}, 1);
  QVERIFY(model.setData(model.index(4, 1), QStringLiteral("7")));
  doc.XLSheet4.Merge({.col = 0, .row = 3, .col_count = 2, .row_count = 1});
  QCOMPARE(model.rowCount(), 11);
  QCOMPARE(model.columnCount(), 3);
}

void SheetModelTest::StoresEditsAsTextsAndListChoicesAsIndexes() {
  sheets::Sheet sheet(2, 2, ',');
  sheet.SetText(0, 0, " Влажность");
  sheet.SetItems(1, 1, {"да", "нет"}, 0);
  sheet.SetInput(1, 0, true);
  sheet.SetInput(1, 1, true);
  ui::SheetModel model(sheet);
  QSignalSpy edited(&model, &ui::SheetModel::CellEdited);
  // Only input cells take edits, and they look like fields. (Which cells of the window
  // take typing, and the separator repair, are tried with real keys in editing_test.)
  QVERIFY(!model.setData(model.index(0, 0), QStringLiteral("x")));
  QCOMPARE(sheet.Text(0, 0), std::string(" Влажность"));
  QVERIFY(model.data(model.index(0, 0), Qt::BackgroundRole).isValid());
  QVERIFY(!model.data(model.index(0, 1), Qt::BackgroundRole).isValid());
  // What is not a number is stored as typed, the separator untouched, and parsed later.
  QVERIFY(model.setData(model.index(0, 1), QStringLiteral("12.5abc")));
  QCOMPARE(sheet.Text(1, 0), std::string("12.5abc"));
  // A list cell shows its item and edits as the item's index. (Hints, colours and the
  // items of a list are shown by the windows in editing_test and mixture_page_test.)
  QCOMPARE(model.data(model.index(1, 1), Qt::EditRole).toInt(), 0);
  QVERIFY(model.setData(model.index(1, 1), 1));
  QCOMPARE(sheet.Integer(1, 1), 1);
  QCOMPARE(model.data(model.index(1, 1)).toString(), QStringLiteral("нет"));
  QCOMPARE(model.data(model.index(1, 1), Qt::EditRole).toInt(), 1);
  QVERIFY(!model.setData(model.index(1, 1), 2));  // no such item
  QVERIFY(!model.setData(model.index(1, 1), QStringLiteral("да")));
  QCOMPARE(sheet.Integer(1, 1), 1);
  QVERIFY(!model.setData(model.index(0, 0), QStringLiteral("x"), Qt::DisplayRole));
  QCOMPARE(edited.count(), 2);
  QCOMPARE(edited.at(0).at(0).toInt(), 1);
  QCOMPARE(edited.at(0).at(1).toInt(), 0);
}

void SheetModelTest::ReportsChangedCellsToTheViews() {
  sheets::Sheet sheet(3, 4);
  ui::SheetModel model(sheet);
  QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
  QSignalSpy layout(&model, &ui::SheetModel::SheetLayoutChanged);
  sheet.SetText(2, 3, "x");
  QCOMPARE(changed.count(), 1);
  QCOMPARE(changed.at(0).at(0).toModelIndex(), model.index(3, 2));
  QCOMPARE(changed.at(0).at(1).toModelIndex(), model.index(3, 2));
  sheet.SetColumnWidth(1, 99);
  QCOMPARE(layout.count(), 1);
  QCOMPARE(changed.at(1).at(0).toModelIndex(), model.index(0, 0));
  QCOMPARE(changed.at(1).at(1).toModelIndex(), model.index(3, 2));
}

void SheetModelTest::GridShowsMergedAreasAsSpans() {
  calc::FuelDocument doc;
  ui::SheetModelPool pool;
  ui::TXLGrid grid;
  grid.SetSheetModel(pool.ModelFor(doc.XLSheet2));
  QCOMPARE(grid.columnSpan(0, 0), 3);
  QCOMPARE(grid.rowSpan(0, 0), 2);
  QCOMPARE(grid.columnSpan(2, 0), 1);
  // Columns are at least as wide as the sheet says, and wide enough for their texts.
  for (int col = 0; col < 3; ++col) QVERIFY(grid.columnWidth(col) >= doc.XLSheet2.ColumnWidth(col));
  // A hidden grid measures a new text when it is shown.
  doc.XLSheet2.SetText(0, 3, QString(80, QChar('N')).toStdString());
  grid.show();
  QVERIFY(grid.columnWidth(0) >= grid.fontMetrics().horizontalAdvance(QString(80, QChar('N'))));
  doc.XLSheet2.SetText(1, 3, QString(60, QChar('N')).toStdString());
  QVERIFY(grid.columnWidth(1) >= grid.fontMetrics().horizontalAdvance(QString(60, QChar('N'))));
}

void SheetModelTest::HeadingsCutOverSeveralCellsReadAsOneText() {
  calc::FuelDocument doc;
  struct Heading {
    sheets::Sheet* sheet;
    int row;
    int col_count;
    QString shown;
  };
  const Heading headings[] = {
      {&doc.XLSheet4, 0, 2, QStringLiteral("Приведенные значения")},
      {&doc.XLSheet4, 3, 2, QStringLiteral("Температурные характеристики")},
      {&doc.XLSheet5, 0, 2, QStringLiteral("Элементарный состав золы")},
      {&doc.XLSheet5, 1, 2, QStringLiteral("на бессульфатную массу")},
      {&doc.XLSheet1_1, 14, 2, QStringLiteral("Плавкостные характеристики")},
      {&doc.XLSheet3, 15, 2, QStringLiteral("Предельные значения")},
      {&doc.XLSheet15, 0, 3, QStringLiteral("Расчетные параметры продуктов сгорания и воздуха")},
  };
  ui::SheetModelPool pool;
  for (const Heading& h : headings) {
    ui::TXLGrid grid;
    grid.SetSheetModel(pool.ModelFor(*h.sheet));
    const QAbstractItemModel& model = *grid.model();
    QCOMPARE(model.index(h.row, 0).data().toString(), h.shown);
    QCOMPARE(grid.columnSpan(h.row, 0), h.col_count);
    // The pieces still read as the layout wrote them, and the cells they cover show nothing.
    QCOMPARE(model.index(h.row, 0).data(Qt::EditRole).toString(),
             QString::fromStdString(h.sheet->Text(0, h.row)));
    for (int col = 1; col < h.col_count; ++col) {
      QVERIFY(!h.sheet->Text(col, h.row).empty());
      QCOMPARE(model.index(h.row, col).data().toString(), QString());
    }
    // It reads on from the left like the labels under it.
    QCOMPARE(model.index(h.row, 0).data(Qt::TextAlignmentRole).value<Qt::Alignment>(),
             Qt::AlignLeft | Qt::AlignVCenter);
  }
  // A heading written for its area alone stays centred.
  ui::SheetModel volumes(doc.XLSheet2);
  QCOMPARE(volumes.index(0, 0).data(Qt::TextAlignmentRole).value<Qt::Alignment>(),
           Qt::Alignment(Qt::AlignCenter));

  // Empty cells of the row add no separator; a change of a piece shows at once.
  sheets::Sheet sheet(4, 2);
  sheet.SetText(0, 0, "a");
  sheet.SetText(2, 0, "b");
  sheet.SetText(3, 0, "c");
  sheet.SetText(1, 1, "under the area");
  sheet.Merge({.col = 0, .row = 0, .col_count = 3, .row_count = 2, .separator = " "});
  ui::SheetModel model(sheet);
  QCOMPARE(model.index(0, 0).data().toString(), QStringLiteral("a b"));
  QCOMPARE(model.index(1, 1).data().toString(), QString());
  QCOMPARE(model.index(0, 3).data().toString(), QStringLiteral("c"));
  // A new piece changes what the origin shows, so the views hear of the origin too.
  QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
  sheet.SetText(1, 0, "x");
  QCOMPARE(model.index(0, 0).data().toString(), QStringLiteral("a x b"));
  QCOMPARE(changed.count(), 1);
  QCOMPARE(changed.at(0).at(0).toModelIndex(), model.index(0, 0));
  QCOMPARE(changed.at(0).at(1).toModelIndex(), model.index(0, 1));
}

void SheetModelTest::TwoGridsOverOneSheetAndTheExitWhenTheFocusLeaves() {
  calc::FuelDocument doc;
  ui::SheetModelPool pool;
  QWidget window;
  auto* first = new ui::TXLGrid(&window);
  auto* second = new ui::TXLGrid(&window);
  first->SetSheetModel(pool.ModelFor(doc.XLSheet3));
  second->SetSheetModel(pool.ModelFor(doc.XLSheet3));
  QCOMPARE(first->model(), second->model());
  auto* layout = new QVBoxLayout(&window);
  layout->addWidget(first);
  layout->addWidget(second);
  window.show();
  QApplication::setActiveWindow(&window);
  QVERIFY(QTest::qWaitForWindowActive(&window));

  QSignalSpy edit_mode(first, &ui::TXLGrid::EditModeChanged);
  QSignalSpy other_edit_mode(second, &ui::TXLGrid::EditModeChanged);
  QSignalSpy pool_edited(&pool, &ui::SheetModelPool::CellEdited);
  QSignalSpy exit(first, &ui::TXLGrid::Exit);
  // Whatever runs when the editor opens rewrites the cell under it: the editor keeps the
  // key that opened it. Opening the editor moves the focus into the grid's own editor,
  // which is no exit.
  connect(first, &ui::TXLGrid::EditModeChanged, first, [&] {
    if (first->IsEditing()) doc.XLSheet3.SetText(1, 2, "1.20");
  });
  QVERIFY(test::TypeIntoCell(*first, 1, 2, QStringLiteral("4.2")));
  QCOMPARE(edit_mode.count(), 2);  // the editor opened, then closed
  QCOMPARE(other_edit_mode.count(), 0);
  QCOMPARE(pool_edited.count(), 1);
  QCOMPARE(doc.XLSheet3.Text(1, 2), std::string("4.2"));
  QCOMPARE(second->model()->index(2, 1).data().toString(), QStringLiteral("4.2"));
  QCOMPARE(exit.count(), 0);
  // The focus going to another control is an exit, once.
  second->setFocus();
  QTRY_VERIFY(second->hasFocus());
  QCOMPARE(exit.count(), 1);
  second->setFocus();
  QCOMPARE(exit.count(), 1);
}

QTEST_MAIN(SheetModelTest)
#include "sheet_model_test.moc"
