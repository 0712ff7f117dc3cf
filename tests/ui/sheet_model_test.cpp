// The sheet model and the grid view: what is shown and stored, the changes told, merged
// areas, and two grids over one sheet with their two events.
#include "ui/sheet_model.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QVBoxLayout>

#include "test_support.h"
#include "ui/sheet_model_pool.h"

class SheetModelTest : public QObject {
  Q_OBJECT

 private slots:

  void StoresEditsOfInputCellsAndTellsTheViews() {
    sheets::Sheet sheet(3, 4, ',');
    ui::SheetModel model(sheet);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    sheet.SetText(0, 0, " Влажность");
    sheet.SetItems(1, 1, {"да", "нет"}, 0);
    sheet.SetInput(1, 0, true);
    sheet.SetInput(1, 1, true);
    sheet.SetFontColor(2, 0, sheets::kRed);
    QSignalSpy edited(&model, &ui::SheetModel::CellEdited);
    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
    // Only input cells take edits; a red text shows red.
    QVERIFY(!model.setData(model.index(0, 0), QStringLiteral("x")));
    QCOMPARE(sheet.Text(0, 0), std::string(" Влажность"));
    QCOMPARE(model.index(0, 2).data(Qt::ForegroundRole).value<QBrush>().color(), QColor(Qt::red));
    // A typed text is stored as typed, parsed later.
    QVERIFY(model.setData(model.index(0, 1), QStringLiteral("12.5abc")));
    QCOMPARE(sheet.Text(1, 0), std::string("12.5abc"));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.at(0).at(1).toModelIndex(), model.index(0, 1));
    // A list cell shows its item and edits as the item's index.
    QVERIFY(model.setData(model.index(1, 1), 1));
    QCOMPARE(model.index(1, 1).data().toString(), QStringLiteral("нет"));
    QVERIFY(!model.setData(model.index(1, 1), 2));  // no such item
    QCOMPARE(edited.count(), 2);
    QCOMPARE(edited.at(0).at(0).toInt(), 1);
    // A new column width is a change of the layout the grids hear of.
    QSignalSpy layout(&model, &ui::SheetModel::SheetLayoutChanged);
    sheet.SetColumnWidth(1, 99);
    QCOMPARE(layout.count(), 1);
  }

  void MergedAreasShowAsSpansAndReadAsOneText() {
    // A heading pieced together over several cells reads as one text.
    sheets::Sheet sheet(4, 2);
    sheet.SetText(0, 0, "a");
    sheet.SetText(2, 0, "b");
    sheet.SetText(3, 0, "c");
    sheet.SetText(1, 1, "under the area");
    sheet.Merge({.col = 0, .row = 0, .col_count = 3, .row_count = 2, .separator = " "});
    ui::SheetModelPool pool;
    ui::TXLGrid grid;
    grid.SetSheetModel(pool.ModelFor(sheet));
    const QAbstractItemModel& model = *grid.model();
    QCOMPARE(grid.columnSpan(0, 0), 3);
    QCOMPARE(grid.rowSpan(0, 0), 2);
    QCOMPARE(grid.columnSpan(0, 3), 1);
    QCOMPARE(model.index(0, 0).data().toString(), QStringLiteral("a b"));
    QCOMPARE(model.index(1, 1).data().toString(), QString());
    QCOMPARE(model.index(0, 3).data().toString(), QStringLiteral("c"));
    // A new piece changes what the origin shows, so the views hear of the origin too.
    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
    sheet.SetText(1, 0, "x");
    QCOMPARE(model.index(0, 0).data().toString(), QStringLiteral("a x b"));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.at(0).at(0).toModelIndex(), model.index(0, 0));
  }

  void TwoGridsOverOneSheetAndTheExitWhenTheFocusLeaves() {
    calc::FuelDocument doc;
    ui::SheetModelPool pool;
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* first = new ui::TXLGrid;
    auto* second = new ui::TXLGrid;
    for (ui::TXLGrid* grid : {first, second}) {
      grid->SetSheetModel(pool.ModelFor(doc.XLSheet3));
      layout->addWidget(grid);
    }
    window.show();
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));

    QSignalSpy edit_mode(first, &ui::TXLGrid::EditModeChanged);
    QSignalSpy pool_edited(&pool, &ui::SheetModelPool::CellEdited);
    QSignalSpy exit(first, &ui::TXLGrid::Exit);
    // The editor keeps the key that opened it though the cell is rewritten as it opens; the
    // focus going into the grid's own editor is no exit.
    connect(first, &ui::TXLGrid::EditModeChanged, first, [&] {
      if (first->IsEditing()) doc.XLSheet3.SetText(1, 2, "1.20");
    });
    QVERIFY(test::TypeIntoCell(*first, 1, 2, QStringLiteral("4.2")));
    QCOMPARE(edit_mode.count(), 2);  // the editor opened, then closed
    QCOMPARE(pool_edited.count(), 1);
    QCOMPARE(second->model()->index(2, 1).data().toString(), QStringLiteral("4.2"));
    QCOMPARE(exit.count(), 0);
    // The focus going to another control is an exit, once.
    second->setFocus();
    QTRY_VERIFY(second->hasFocus());
    second->setFocus();
    QCOMPARE(exit.count(), 1);
  }
};

QTEST_MAIN(SheetModelTest)
#include "sheet_model_test.moc"
