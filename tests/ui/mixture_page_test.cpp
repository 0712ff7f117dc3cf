// The tab "Смесь топлива" of the real document window against a temporary library: a
// mixture built from the list, the count field and its spin control, and both pages.
#include "ui/mixture_page.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>
#include <functional>
#include <memory>

#include "calc/fuel_io.h"
#include "calc/mixture.h"
#include "test_support.h"
#include "ui/ash_products_page.h"
#include "ui/tform2.h"
#include "ui/txl_grid.h"
#include "ui/up_down.h"

using Doc = calc::FuelDocument;

class MixturePageTest : public QObject {
  Q_OBJECT

 private slots:
  void init();
  void cleanup() { w_.reset(); }
  void SixtyFortyMixtureThroughBothPages();
  void InvalidTotalsAndCountChanges();

 private:
  ui::MixturePage& Page() { return *w_->form->TabSheet7; }
  const Doc& Document() { return w_->Doc(); }
  // Shows the window with the mixture tab in front.
  void Open();
  // Picks the fuel of the folder (0 coal.fll, 1 gas.fll) into `slot` as the user does: the
  // fuel, the slot's tab, the slot's button.
  void PickFromList(int fuel, int slot) {
    QVERIFY(w_->Load(fuel == 0 ? "coal.fll" : "gas.fll"));
    QTabBar& tabs = *Page().GSPages1->tabBar();
    QTest::mouseClick(&tabs, Qt::LeftButton, {}, tabs.tabRect(slot - 1).center());
    QTest::mouseClick(Page().Slot(slot).pick, Qt::LeftButton);
  }
  static void Type(QLineEdit* field, const QString& text) {
    field->setFocus();
    field->selectAll();
    if (text.isEmpty()) {
      QTest::keyClick(field, Qt::Key_Backspace);
    } else {
      QTest::keyClicks(field, text);
    }
  }
  QString Result(int row) { return test::Shown(*Page().XLGrid14, 1, row); }
  // Whether the component page shows the document's total, results and button state.
  bool ComponentsShowTheDocument();

  std::unique_ptr<test::DocumentWindow> w_;
};

void MixturePageTest::init() {
  w_ = std::make_unique<test::DocumentWindow>();
  QVERIFY(w_->temp.isValid());
  // The solid fuel and the gas of the worked mixture: the worked coal with a heating value
  // of 20000 kJ/kg and no volatiles, natural gas of 0.73 kg/m3 and 35000 kJ/m3.
  std::array<float, 9> coal = test::kWorkedCoal;
  coal[7] = 0;
  coal[8] = 20000;
  test::WriteFuel(w_->Fuel("coal.fll"), "Уголь марки Д", test::kWorkedCoalType, coal);
  test::WriteFuel(w_->Fuel("gas.fll"), "Природный газ", 6,
                  {94, 2.8f, 0.4f, 0.2f, 0.1f, 2, 0.5f, 0, 0, 0, 0, 0, 35000, 0.73f});
}

void MixturePageTest::Open() {
  QVERIFY(w_->Show());
  w_->form->PageControl1->setCurrentWidget(w_->form->TabSheet7);
}

bool MixturePageTest::ComponentsShowTheDocument() {
  if (Page().Edit3->text() != QString::fromStdString(Document().Edit3)) return false;
  if (Page().SpeedButton13->isEnabled() != Document().SpeedButton13) return false;
  for (int row = 0; row < Document().XLSheet14.RowCount(); ++row) {
    if (Result(row) != QString::fromStdString(Document().XLSheet14.Text(1, row))) return false;
  }
  return true;
}

void MixturePageTest::SixtyFortyMixtureThroughBothPages() {
  Open();
  ui::MixturePage& page = Page();
  QCOMPARE(page.PageControl2->currentWidget(), page.TabSheet21);
  QCOMPARE(page.Edit1->text(), QStringLiteral("2"));
  for (int i = 0; i < 5; ++i) QCOMPARE(page.GSPages1->isTabVisible(i), i < 2);
  PickFromList(0, 1);
  QCOMPARE(page.GSEdit1->text(), QStringLiteral("Уголь марки Д"));
  QCOMPARE(page.GSEdit2->text(), QStringLiteral("каменный уголь"));
  QCOMPARE(Document().XLFuel.Text(0, 8), std::string("20000"));
  QCOMPARE(page.Edit3->text(), QStringLiteral("0"));  // no shares yet: shown, not valid
  QVERIFY(!page.SpeedButton13->isEnabled());

  PickFromList(1, 2);
  QCOMPARE(page.GSPages1->currentWidget(), page.GSPage2);  // the pick keeps the slot in front
  QCOMPARE(page.GSEdit3->text(), QStringLiteral("Природный газ"));
  QCOMPARE(page.GSEdit4->text(), QStringLiteral("газообразное топливо"));
  QCOMPARE(page.GSEdit1->text(), QStringLiteral("Уголь марки Д"));
  QCOMPARE(Document().XLFuel.Text(1, 13), std::string("0.73"));

  Type(page.Edit2, QStringLiteral("60"));
  QCOMPARE(page.Edit3->text(), QStringLiteral("60"));
  QVERIFY(!page.SpeedButton13->isEnabled());
  QCOMPARE(Result(3), QString());
  Type(page.Edit4, QStringLiteral("40"));
  QCOMPARE(Document().Slots[1].share, std::string("40"));
  // The same fuels taken into the slots by the calculation alone.
  Doc reference;
  QVERIFY(calc::LoadLibraryFuel(reference, w_->Fuel("coal.fll")));
  calc::PickComponent(reference, 1);
  QVERIFY(calc::LoadLibraryFuel(reference, w_->Fuel("gas.fll")));
  calc::PickComponent(reference, 2);
  calc::ShareChange(reference, 1, "60");
  calc::ShareChange(reference, 2, "40");
  QVERIFY(reference.SpeedButton13 && !reference.XLSheet14.Text(1, 3).empty());
  QCOMPARE(test::FirstDifference(Document(), reference, {&Doc::XLFuel, &Doc::XLSheet14}),
           QString());
  QVERIFY(ComponentsShowTheDocument());

  // "Зола и продукты сгорания" opens the results page with the design calculation done.
  QTest::mouseClick(page.SpeedButton13, Qt::LeftButton);
  QCOMPARE(page.PageControl2->currentWidget(), page.TabSheet22);
  calc::SpeedButton13Click(reference);
  const std::initializer_list<test::SheetOf> results = {&Doc::XLSheet16, &Doc::XLSheet17};
  QCOMPARE(test::FirstDifference(Document(), reference, results), QString());
  QCOMPARE(test::Shown(*page.XLGrid19, 0, 1),
           QString::fromStdString(Document().XLSheet16.Text(0, 1)));
  QCOMPARE(test::Shown(*page.XLGrid20, 1, 5),
           QString::fromStdString(Document().XLSheet17.Text(1, 5)));
  QVERIFY(!Document().XLSheet17.Text(1, 5).empty());
  QCOMPARE(test::Shown(*page.XLGrid20, 2, 3), QStringLiteral("°C"));
  QCOMPARE(page.XLGrid20->model()->index(3, 0).data(Qt::ToolTipRole).toString(),
           QStringLiteral("Задающий параметр:\n 1. температура\n 2. энтальпия воздуха\n 3. "
                          "энтальпия дымовых газов"));

  // Another excess air, typed into the design grid.
  ui::TXLGrid& design = *page.XLGrid20;
  QVERIFY(test::TypeIntoCell(design, 1, 2, QStringLiteral("1.2")));
  reference.XLSheet17.SetText(1, 2, "1.2");
  calc::XLGrid20EditModeChanged(reference);
  QCOMPARE(test::FirstDifference(Document(), reference, results), QString());

  // The given value as an air enthalpy, chosen in the selector cell.
  const QModelIndex kind = design.model()->index(3, 0);
  design.setCurrentIndex(kind);
  design.edit(kind);
  auto* combo = qobject_cast<QComboBox*>(design.indexWidget(kind));
  QVERIFY(combo != nullptr);
  QTest::keyClick(combo, Qt::Key_Down);
  QTRY_VERIFY(!design.IsEditing());
  QCOMPARE(kind.data().toString(), QStringLiteral(" Энтальпия воздуха"));
  QCOMPARE(test::Shown(design, 2, 3), QStringLiteral("кДж/кг"));
  reference.XLSheet17.SetInteger(0, 3, 1);
  calc::XLGrid20EditModeChanged(reference);
  QCOMPARE(test::FirstDifference(Document(), reference, results), QString());

  // Leaving the grid while typing "1,3" repairs the separator before the run reads it.
  QVERIFY(test::TypeAndLeave(design, 1, 2, QStringLiteral("1,3"), *w_->form->ComboBox1));
  QCOMPARE(Document().XLSheet17.Text(1, 2), std::string("1.3"));
  reference.XLSheet17.SetText(1, 2, "1.3");
  calc::XLGrid20EditModeChanged(reference);
  QCOMPARE(test::FirstDifference(Document(), reference, results), QString());
  // The mixture is no part of the fuel: nothing asks to be saved.
  QVERIFY(!w_->form->HasUnsavedEdits());

  // Each way back leads to the component page, the mixture as it was: another tab and
  // back, a click on the mixture's own tab, "Компоненты смеси".
  QTabBar& tabs = *w_->form->PageControl1->tabBar();
  const std::function<void()> ways_back[] = {
      [&] {
        w_->form->PageControl1->setCurrentWidget(w_->form->TabSheet3);
        w_->form->PageControl1->setCurrentWidget(w_->form->TabSheet7);
      },
      [&] {
        QTest::mouseClick(&tabs, Qt::LeftButton, {},
                          tabs.tabRect(w_->form->PageControl1->indexOf(&page)).center());
      },
      [&] {
        QVERIFY(page.ComponentsButton->isVisible());
        QTest::mouseClick(page.ComponentsButton, Qt::LeftButton);
      },
  };
  for (const auto& back : ways_back) {
    QCOMPARE(page.PageControl2->currentWidget(), page.TabSheet22);
    back();
    QCOMPARE(page.PageControl2->currentWidget(), page.TabSheet21);
    QCOMPARE(Document().PageControl2, 0);
    QCOMPARE(page.Edit2->text(), QStringLiteral("60"));
    QVERIFY(ComponentsShowTheDocument());
    QVERIFY(!Result(3).isEmpty());
    QTest::mouseClick(page.SpeedButton13, Qt::LeftButton);
  }
  QVERIFY(w_->dialogs.messages.isEmpty());
}

void MixturePageTest::InvalidTotalsAndCountChanges() {
  Open();
  ui::MixturePage& page = Page();
  PickFromList(0, 1);
  PickFromList(1, 2);
  Type(page.Edit2, QStringLiteral("50"));
  Type(page.Edit4, QStringLiteral("50"));
  QVERIFY(page.SpeedButton13->isEnabled());
  QVERIFY(!Result(3).isEmpty());

  // 50 + 30 is no mixture: the results are cleared and the button is disabled.
  Type(page.Edit4, QStringLiteral("30"));
  QCOMPARE(page.Edit3->text(), QStringLiteral("80"));
  QVERIFY(!page.SpeedButton13->isEnabled());
  for (int row : {3, 4, 5, 6, 8}) QCOMPARE(Result(row), QString());
  // An emptied share counts as nothing.
  Type(page.Edit4, QString());
  QCOMPARE(page.Edit4->text(), QString());
  QCOMPARE(page.Edit3->text(), QStringLiteral("50"));

  // The spin control raises the count to 3 and shows the third slot.
  QTest::mouseClick(page.UpDown1->UpButton, Qt::LeftButton);
  QCOMPARE(page.Edit1->text(), QStringLiteral("3"));
  QCOMPARE(Document().Edit1, std::string("3"));
  QVERIFY(page.GSPages1->isTabVisible(2));
  QVERIFY(!page.GSPages1->isTabVisible(3));
  PickFromList(0, 3);
  Type(page.Edit4, QStringLiteral("30"));
  Type(page.Edit5, QStringLiteral("20"));
  QCOMPARE(page.Edit3->text(), QStringLiteral("100"));
  QVERIFY(page.SpeedButton13->isEnabled());
  QVERIFY(!Result(3).isEmpty());

  // Lowering the count hides slot 3 but keeps its fuel and share; the mixture of two
  // slots, 50 + 30, is recomputed at once and has no results.
  QTest::mouseClick(page.UpDown1->DownButton, Qt::LeftButton);
  QCOMPARE(page.Edit1->text(), QStringLiteral("2"));
  QVERIFY(!page.GSPages1->isTabVisible(2));
  QCOMPARE(page.GSPages1->currentWidget(), page.GSPage1);
  QCOMPARE(page.GSEdit5->text(), QStringLiteral("Уголь марки Д"));
  QCOMPARE(page.Edit5->text(), QStringLiteral("20"));
  QCOMPARE(Result(3), QString());
  QCOMPARE(page.Edit3->text(), QStringLiteral("80"));
  QVERIFY(!page.SpeedButton13->isEnabled());
  // At the lower bound the spin control stays.
  QTest::mouseClick(page.UpDown1->DownButton, Qt::LeftButton);
  QCOMPARE(page.Edit1->text(), QStringLiteral("2"));

  // Typed counts: 7 becomes 5 at once and every slot shows; the spin control follows it.
  Type(page.Edit1, QStringLiteral("7"));
  QCOMPARE(page.Edit1->text(), QStringLiteral("5"));
  for (int i = 0; i < 5; ++i) QVERIFY(page.GSPages1->isTabVisible(i));
  QTest::mouseClick(page.UpDown1->UpButton, Qt::LeftButton);
  QCOMPARE(page.Edit1->text(), QStringLiteral("5"));
  QTest::mouseClick(page.UpDown1->DownButton, Qt::LeftButton);
  QCOMPARE(page.Edit1->text(), QStringLiteral("4"));
  Type(page.Edit1, QStringLiteral("1"));
  QCOMPARE(page.Edit1->text(), QStringLiteral("2"));
  QVERIFY(!page.GSPages1->isTabVisible(2));
  // A cleared field waits until it is left, then becomes 2.
  Type(page.Edit1, QStringLiteral("4"));
  Type(page.Edit1, QString());
  QCOMPARE(page.Edit1->text(), QString());
  QVERIFY(page.GSPages1->isTabVisible(3));
  page.Edit2->setFocus();
  QTRY_VERIFY(page.Edit2->hasFocus());
  QCOMPARE(page.Edit1->text(), QStringLiteral("2"));
  QCOMPARE(Document().Edit1, std::string("2"));
  QVERIFY(!page.GSPages1->isTabVisible(2));
  QVERIFY(w_->dialogs.messages.isEmpty());
}

QTEST_MAIN(MixturePageTest)
#include "mixture_page_test.moc"
