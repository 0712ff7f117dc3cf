// The tab "Смесь топлива" of the real document window against a temporary library: a
// mixture built from the list, the count field and its spin control, both pages, and
// failures that reach the error report.
#include "ui/mixture_page.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QStackedWidget>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <memory>

#include "calc/fuel_io.h"
#include "calc/mixture.h"
#include "library/qt_paths.h"
#include "test_support.h"
#include "ui/ash_products_page.h"
#include "ui/tform2.h"
#include "ui/txl_grid.h"
#include "ui/up_down.h"

namespace fs = std::filesystem;

class MixturePageTest : public QObject {
  Q_OBJECT

 private slots:
  void init();
  void cleanup();
  void ControlsCaptionsAndLayoutOfTheSlots();
  void SixtyFortyMixtureThroughBothPages();
  void InvalidTotalsAndCountChanges();
  void FailuresReachTheErrorReportAndTheWindowGoesOn();

 private:
  // The solid fuel and the gas of the worked mixture example (60 % coal with a heating
  // value of 20000 kJ/kg, 40 % natural gas of density 0.73 kg/m3 and 35000 kJ/m3).
  void CreateWindows();
  // The fuels of the folder in file order: a.fll, b.fll.
  void Choose(int row) { form_->LoadFuel(fuel_dir_ / (row == 0 ? "a.fll" : "b.fll")); }
  ui::MixturePage& Page() { return *form_->TabSheet7; }
  const calc::FuelDocument& Doc() { return form_->Document(); }
  // Picks the fuel of list line `row` into `slot` as the user does: the line, the slot's
  // tab, the slot's button.
  void PickFromList(int row, int slot) {
    Choose(row);
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
  QString Result(int row) { return Page().XLGrid14->model()->index(row, 1).data().toString(); }
  // A document that takes the same fuels into its slots through the calculation alone.
  std::unique_ptr<calc::FuelDocument> Reference(const QString& share1, const QString& share2);

  std::unique_ptr<QTemporaryDir> temp_;
  fs::path fuel_dir_;
  test::ScriptedDialogs dialogs_;
  std::unique_ptr<ui::TForm2> form_;
};

void MixturePageTest::init() {
  temp_ = std::make_unique<QTemporaryDir>();
  QVERIFY(temp_->isValid());
  fuel_dir_ = library::ToPath(temp_->path()) / "Fuel";
  test::WriteFuel(fuel_dir_ / "a.fll", "Уголь марки Д", 1, {10, 20, 55, 4, 1, 2, 8, 0, 20000});
  test::WriteFuel(fuel_dir_ / "b.fll", "Природный газ", 6,
                  {94, 2.8f, 0.4f, 0.2f, 0.1f, 2, 0.5f, 0, 0, 0, 0, 0, 35000, 0.73f});
  dialogs_ = test::ScriptedDialogs();
  QLocale::setDefault(QLocale::c());
}

void MixturePageTest::cleanup() {
  form_.reset();
  temp_.reset();
}

void MixturePageTest::CreateWindows() {
  form_ = std::make_unique<ui::TForm2>(dialogs_);
  form_->show();
  QApplication::setActiveWindow(form_.get());
  QVERIFY(QTest::qWaitForWindowActive(form_.get()));
  form_->PageControl1->setCurrentWidget(form_->TabSheet7);
}

std::unique_ptr<calc::FuelDocument> MixturePageTest::Reference(const QString& share1,
                                                               const QString& share2) {
  auto doc = std::make_unique<calc::FuelDocument>();
  calc::LoadLibraryFuel(*doc, fuel_dir_ / "a.fll");
  calc::PickComponent(*doc, 1);
  calc::LoadLibraryFuel(*doc, fuel_dir_ / "b.fll");
  calc::PickComponent(*doc, 2);
  calc::ShareChange(*doc, 1, share1.toStdString());
  calc::ShareChange(*doc, 2, share2.toStdString());
  return doc;
}

void MixturePageTest::ControlsCaptionsAndLayoutOfTheSlots() {
  CreateWindows();
  ui::MixturePage& page = Page();
  QCOMPARE(page.PageControl2->currentWidget(), page.TabSheet21);
  QCOMPARE(page.Edit1->text(), QStringLiteral("2"));
  QCOMPARE(page.UpDown1->Min(), 2);
  QCOMPARE(page.UpDown1->Max(), 5);
  QVERIFY(page.Edit3->isReadOnly());
  QCOMPARE(page.Edit3->text(), QString());
  QVERIFY(!page.SpeedButton13->isEnabled());
  QCOMPARE(page.SpeedButton13->text(), QStringLiteral("Зола и продукты сгорания"));
  QStringList labels;
  for (const QLabel* label : page.TabSheet21->findChildren<QLabel*>()) labels << label->text();
  QVERIFY(labels.contains(QStringLiteral("Количество компонентов в смеси")));
  QVERIFY(labels.contains(QStringLiteral("Процентов смеси составлено")));

  QTabWidget& slot_tabs = *page.GSPages1;
  QCOMPARE(slot_tabs.count(), 5);
  QCOMPARE(slot_tabs.currentWidget(), page.GSPage1);
  // The named controls sit on their own slot's page, the fields in the slot's order.
  const QList<std::pair<QWidget*, int>> placed = {{page.GSEdit3, 2},      {page.GSEdit6, 3},
                                                  {page.Edit4, 2},        {page.Edit7, 5},
                                                  {page.SpeedButton9, 4}, {page.GSEdit10, 5}};
  for (const auto& [control, slot] : placed) QVERIFY(page.Slot(slot).page->isAncestorOf(control));
  QCOMPARE(page.Slot(3).type, page.GSEdit6);
  QCOMPARE(page.Slot(2).share, page.Edit4);
  for (int i = 0; i < 5; ++i) {
    const ui::MixturePage::SlotControls& slot = page.Slot(i + 1);
    QCOMPARE(slot_tabs.indexOf(slot.page), i);
    QCOMPARE(slot_tabs.tabText(i), QStringLiteral(" %1 ").arg(i + 1));
    QCOMPARE(slot_tabs.isTabVisible(i), i < 2);
    QCOMPARE(slot.pick->text(), QStringLiteral("Выбрать топливо из базы данных"));
    QVERIFY(slot.name->isReadOnly() && slot.type->isReadOnly() && !slot.share->isReadOnly());
    QStringList slot_labels;
    for (const QLabel* label : slot.page->findChildren<QLabel*>()) slot_labels << label->text();
    QCOMPARE(slot_labels, (QStringList{QStringLiteral("Тип топлива"),
                                       QStringLiteral("Доля топлива в смеси  ,%")}));
  }
  // The name spans the top, type and share follow on their own lines beside their labels,
  // the button spans the bottom.
  const QRect name = page.GSEdit1->geometry();
  const QRect type = page.GSEdit2->geometry();
  const QRect share = page.Edit2->geometry();
  const QRect pick = page.SpeedButton6->geometry();
  QVERIFY(name.bottom() < type.top() && type.bottom() < share.top() && share.bottom() < pick.top());
  QVERIFY(name.left() < type.left() && type.left() == share.left());
  QCOMPARE(pick.left(), name.left());
  QCOMPARE(pick.width(), name.width());
  for (const QLabel* label : page.GSPage1->findChildren<QLabel*>()) {
    QVERIFY(label->geometry().right() < type.left());
    QVERIFY(label->width() >= label->sizeHint().width());  // not cut off
  }

  // The results page: the heading of the enthalpy table (its own, always per kilogram),
  // its titles, the table, the design grid with its hints.
  QCOMPARE(&page.XLGrid16->Model()->Sheet(), &Doc().XLSheet7Mixture);
  QCOMPARE(&page.XLGrid17->Model()->Sheet(), &Doc().XLSheet18);
  QCOMPARE(&page.XLGrid19->Model()->Sheet(), &Doc().XLSheet16);
  QCOMPARE(&page.XLGrid20->Model()->Sheet(), &Doc().XLSheet17);
  QCOMPARE(page.XLGrid19->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
  QVERIFY(page.XLGrid20->ShowHints());
  QCOMPARE(page.XLGrid20->model()->index(3, 0).data(Qt::ToolTipRole).toString(),
           QStringLiteral("Задающий параметр:\n 1. температура\n 2. энтальпия воздуха\n 3. "
                          "энтальпия дымовых газов"));
}

void MixturePageTest::SixtyFortyMixtureThroughBothPages() {
  CreateWindows();
  ui::MixturePage& page = Page();
  PickFromList(0, 1);
  QCOMPARE(page.GSEdit1->text(), QStringLiteral("Уголь марки Д"));
  QCOMPARE(page.GSEdit2->text(), QStringLiteral("каменный уголь"));
  QCOMPARE(Doc().XLFuel.Text(0, 8), std::string("20000"));
  QCOMPARE(page.Edit3->text(), QStringLiteral("0"));  // no shares yet: shown, not valid
  QVERIFY(!page.SpeedButton13->isEnabled());

  PickFromList(1, 2);
  QCOMPARE(page.GSPages1->currentWidget(), page.GSPage2);  // the pick keeps the slot in front
  QCOMPARE(page.GSEdit3->text(), QStringLiteral("Природный газ"));
  QCOMPARE(page.GSEdit4->text(), QStringLiteral("газообразное топливо"));
  QCOMPARE(page.GSEdit1->text(), QStringLiteral("Уголь марки Д"));
  QCOMPARE(Doc().XLFuel.Text(1, 13), std::string("0.73"));

  Type(page.Edit2, QStringLiteral("60"));
  QCOMPARE(page.Edit3->text(), QStringLiteral("60"));
  QVERIFY(!page.SpeedButton13->isEnabled());
  QCOMPARE(Result(3), QString());
  Type(page.Edit4, QStringLiteral("40"));
  QCOMPARE(Doc().Slots[1].share, std::string("40"));
  QCOMPARE(page.Edit3->text(), QStringLiteral("100"));
  QVERIFY(page.SpeedButton13->isEnabled());
  // The worked example of the mixing rule: 60 % coal, 40 % gas by mass.
  QCOMPARE(Result(3), QStringLiteral("8.716"));
  QCOMPARE(Result(4), QStringLiteral("6.901"));
  QCOMPARE(Result(5), QStringLiteral("1.186"));
  QCOMPARE(Result(6), QStringLiteral("1.582"));
  QCOMPARE(Result(8), QStringLiteral("31178.1"));

  // "Зола и продукты сгорания" opens the results page with the design calculation done.
  QTest::mouseClick(page.SpeedButton13, Qt::LeftButton);
  QCOMPARE(page.PageControl2->currentWidget(), page.TabSheet22);
  std::unique_ptr<calc::FuelDocument> reference = Reference("60", "40");
  calc::SpeedButton13Click(*reference);
  const auto same_as_reference = [&](const char* what) {
    for (auto sheet : {&calc::FuelDocument::XLSheet16, &calc::FuelDocument::XLSheet17}) {
      const sheets::Sheet& shown = Doc().*sheet;
      for (int row = 0; row < shown.RowCount(); ++row) {
        for (int col = 0; col < shown.ColCount(); ++col) {
          if (shown.Text(col, row) != (reference.get()->*sheet).Text(col, row)) {
            qWarning("%s: cell (%d, %d)", what, col, row);
            return false;
          }
        }
      }
    }
    return true;
  };
  QVERIFY(same_as_reference("opened"));
  QCOMPARE(page.XLGrid20->model()->index(3, 2).data().toString(), QStringLiteral("°C"));
  QCOMPARE(page.XLGrid19->model()->index(1, 0).data().toString(),
           QString::fromStdString(Doc().XLSheet16.Text(0, 1)));
  QVERIFY(!Doc().XLSheet17.Text(1, 5).empty());
  QCOMPARE(Doc().XLSheet17.Text(4, 2), std::string("0.95"));  // the carry-over's default

  // Another excess air, typed into the design grid.
  ui::TXLGrid& design = *page.XLGrid20;
  QVERIFY(test::TypeIntoCell(design, 1, 2, QStringLiteral("1.2")));
  calc::FuelDocument& ref = *reference;
  ref.XLSheet17.SetText(1, 2, "1.2");
  calc::XLGrid20EditModeChanged(ref);
  QVERIFY(same_as_reference("excess air"));

  // The given value as an air enthalpy, chosen in the selector cell.
  const QModelIndex kind = design.model()->index(3, 0);
  design.setCurrentIndex(kind);
  design.edit(kind);
  auto* combo = qobject_cast<QComboBox*>(design.indexWidget(kind));
  QVERIFY(combo != nullptr);
  QTest::keyClick(combo, Qt::Key_Down);
  QTRY_VERIFY(!design.IsEditing());
  QCOMPARE(kind.data().toString(), QStringLiteral(" Энтальпия воздуха"));
  QCOMPARE(design.model()->index(3, 2).data().toString(), QStringLiteral("кДж/кг"));
  ref.XLSheet17.SetInteger(0, 3, 1);
  calc::XLGrid20EditModeChanged(ref);
  QVERIFY(same_as_reference("given kind"));

  // Leaving the grid while typing "1,3" repairs the separator before the run reads it.
  const QModelIndex alpha = design.model()->index(2, 1);
  design.setFocus();
  design.setCurrentIndex(alpha);
  design.edit(alpha);
  auto* editor = qobject_cast<QLineEdit*>(design.indexWidget(alpha));
  QVERIFY(editor != nullptr);
  editor->selectAll();
  QTest::keyClicks(editor, QStringLiteral("1,3"));
  form_->ComboBox1->setFocus();
  QTRY_VERIFY(form_->ComboBox1->hasFocus());
  QCOMPARE(Doc().XLSheet17.Text(1, 2), std::string("1.3"));
  ref.XLSheet17.SetText(1, 2, "1.3");
  calc::XLGrid20EditModeChanged(ref);
  QVERIFY(same_as_reference("repaired excess air"));
  // The mixture is no part of the fuel: nothing asks to be saved.
  QVERIFY(!form_->HasUnsavedEdits());

  // Back to the tab: the component page comes first again, the mixture as it was.
  form_->PageControl1->setCurrentWidget(form_->TabSheet3);
  form_->PageControl1->setCurrentWidget(form_->TabSheet7);
  QCOMPARE(page.PageControl2->currentWidget(), page.TabSheet21);
  QCOMPARE(page.Edit2->text(), QStringLiteral("60"));
  QCOMPARE(Result(3), QStringLiteral("8.716"));
  QVERIFY(dialogs_.messages.isEmpty());
}

void MixturePageTest::InvalidTotalsAndCountChanges() {
  CreateWindows();
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
  QCOMPARE(Doc().Edit1, std::string("3"));
  QVERIFY(page.GSPages1->isTabVisible(2));
  QVERIFY(!page.GSPages1->isTabVisible(3));
  PickFromList(0, 3);
  Type(page.Edit4, QStringLiteral("30"));
  Type(page.Edit5, QStringLiteral("20"));
  QCOMPARE(page.Edit3->text(), QStringLiteral("100"));
  QVERIFY(page.SpeedButton13->isEnabled());
  const QString three_fuels = Result(3);

  QVERIFY(!three_fuels.isEmpty());

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
  QCOMPARE(Doc().Edit1, std::string("2"));
  QVERIFY(!page.GSPages1->isTabVisible(2));
  QVERIFY(dialogs_.messages.isEmpty());
}

void MixturePageTest::FailuresReachTheErrorReportAndTheWindowGoesOn() {
  CreateWindows();
  ui::MixturePage& page = Page();
  PickFromList(0, 1);
  PickFromList(1, 2);
  Type(page.Edit2, QStringLiteral("60"));
  // A number of the built-in enthalpy table that does not read stops the mixture's run.
  calc::FuelDocument& doc = form_->Document();
  const std::string kept = doc.XLSheet11.Text(1, 0);
  doc.XLSheet11.SetText(1, 0, "x1");
  Type(page.Edit4, QStringLiteral("40"));
  QCOMPARE(dialogs_.messages.size(), 1);
  QCOMPARE(dialogs_.messages[0].text, QStringLiteral("'x1' is not a valid floating point value"));
  QCOMPARE(dialogs_.messages[0].caption, QStringLiteral("Error"));
  // What was written before the failure is shown.
  QCOMPARE(page.Edit3->text(), QStringLiteral("100"));
  QCOMPARE(Result(3), QStringLiteral("8.716"));
  QVERIFY(page.SpeedButton13->isEnabled());

  // The results page opens, and its run fails the same way.
  QTest::mouseClick(page.SpeedButton13, Qt::LeftButton);
  QCOMPARE(page.PageControl2->currentWidget(), page.TabSheet22);
  QCOMPARE(dialogs_.messages.size(), 2);
  QCOMPARE(dialogs_.messages[1].text, QStringLiteral("'x1' is not a valid floating point value"));

  // Repaired, the same window computes again without a message.
  doc.XLSheet11.SetText(1, 0, kept);
  QVERIFY(test::TypeIntoCell(*page.XLGrid20, 1, 2, QStringLiteral("1.2")));
  QCOMPARE(dialogs_.messages.size(), 2);
  QVERIFY(!doc.XLSheet17.Text(1, 5).empty());
  QVERIFY(!doc.XLSheet16.Text(0, 1).empty());
}

QTEST_MAIN(MixturePageTest)
#include "mixture_page_test.moc"
