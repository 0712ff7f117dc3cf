// The fuel document window against a temporary folder: loading a fuel into the layout of
// its kind, saving, the caption and the name, closing and the tabs. (Typing and the edit
// cycle are tried in editing_test.)
#include "ui/tform2.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <QToolTip>
#include <memory>

#include "test_support.h"
#include "ui/all_data_page.h"
#include "ui/ash_products_page.h"
#include "ui/design_parameters_page.h"
#include "ui/fuel_name_validator.h"
#include "ui/main_properties_page.h"
#include "ui/norms1973_page.h"

namespace fs = std::filesystem;
using Doc = calc::FuelDocument;

class TForm2Test : public QObject {
  Q_OBJECT

 private slots:
  void init();
  void cleanup() { w_.reset(); }
  void LoadShowsTheFuelInTheLayoutOfItsKind();
  void SavingAsksBeforeReplacingAndKeepsTheOldFileOnFailure();
  void CaptionAndNameFollowTheDocument();
  void ClosingWithUnsavedInputAsksFirst();
  void TabsAndTheNormsSwitch();

 private:
  ui::TForm2& Form() { return *w_->form; }
  fs::path Fuel(const std::string& file) const { return w_->Fuel(file); }
  QString Path(const std::string& file) const { return library::ToQString(Fuel(file)); }
  QList<test::ScriptedDialogs::MessageCall>& Messages() { return w_->dialogs.messages; }

  std::unique_ptr<test::DocumentWindow> w_;
};

void TForm2Test::init() {
  w_ = std::make_unique<test::DocumentWindow>();
  QVERIFY(w_->temp.isValid());
}

void TForm2Test::LoadShowsTheFuelInTheLayoutOfItsKind() {
  test::WriteCoal(Fuel("coal.fll"), "Уголь марки Д");
  test::WriteFuel(Fuel("gas.fll"), "Газ", 6, {94, 2.8f, 0.4f, 0.2f, 0.1f, 2, 0.5f});
  test::WriteFuel(Fuel("seven.fll"), "Седьмой", 7, {10, 20, 55});
  QVERIFY(w_->Show());
  const Doc& doc = w_->Doc();
  const auto composition = [&] { return &Form().TabSheet2->XLGrid3->Model()->Sheet(); };
  const auto volume_unit = [&](int row) { return test::Shown(*Form().TabSheet3->XLGrid7, 2, row); };

  QVERIFY(w_->Load("coal.fll"));
  QCOMPARE(Form().FilePath(), Fuel("coal.fll"));
  QCOMPARE(Form().ComboBox1->text(), QStringLiteral("Уголь марки Д"));
  QCOMPARE(Form().ComboBox3->currentText(), QStringLiteral("каменный уголь"));
  QCOMPARE(Form().windowTitle(), Path("coal.fll"));
  QCOMPARE(test::Shown(*Form().TabSheet4->XLGrid10, 2, 8), QStringLiteral("21861"));
  QCOMPARE(test::Shown(*Form().TabSheet2->XLGrid3, 1, 3), QStringLiteral("55"));
  QCOMPARE(composition(), &doc.XLSheet3);
  QCOMPARE(volume_unit(5), QStringLiteral("Нм3/кг"));
  QVERIFY(!Form().HasUnsavedEdits());

  // A gas: both composition grids show the gas sheet, volumes per cubic metre.
  QVERIFY(w_->Load("gas.fll"));
  QCOMPARE(Form().ComboBox3->currentIndex(), 6);
  QCOMPARE(&Form().TabSheet1->XLGrid1->Model()->Sheet(), &doc.XLSheet1_2);
  QCOMPARE(composition(), &doc.XLSheet1_2);
  QCOMPARE(test::Shown(*Form().TabSheet2->XLGrid3, 1, 1), QStringLiteral("94"));
  for (int row = 2; row <= 5; ++row) QCOMPARE(volume_unit(row), QStringLiteral("м3/м3"));

  // A type without an entry: no type shown, the solid layout.
  QVERIFY(w_->Load("seven.fll"));
  QCOMPARE(Form().ComboBox3->currentIndex(), -1);
  QCOMPARE(composition(), &doc.XLSheet3);
  QCOMPARE(Form().ComboBox1->text(), QStringLiteral("Седьмой"));
  QVERIFY(Messages().isEmpty());

  // Picking the gas type switches both grids at once, and back.
  QTest::keyClick(Form().ComboBox3, Qt::Key_End);  // "газообразное топливо"
  QCOMPARE(doc.XLSheet10.Text(2, 15), std::string("6"));
  QCOMPARE(&Form().TabSheet1->XLGrid1->Model()->Sheet(), &doc.XLSheet1_2);
  QCOMPARE(composition(), &doc.XLSheet1_2);
  QVERIFY(Form().HasUnsavedEdits());
  QTest::keyClick(Form().ComboBox3, Qt::Key_Home);  // "антрацит"
  QCOMPARE(composition(), &doc.XLSheet3);

  // A file that does not read is said so; the caption names it.
  QVERIFY(!w_->Load("missing.fll"));
  QCOMPARE(Messages().size(), 1);
  QCOMPARE(Messages()[0].text, QStringLiteral("Ошибка чтения !"));
  QCOMPARE(Messages()[0].caption, QStringLiteral("Error"));
  QCOMPARE(Messages()[0].buttons, QMessageBox::Ok | QMessageBox::Cancel);
  QCOMPARE(Messages()[0].icon, QMessageBox::Critical);
  QCOMPARE(Form().windowTitle(), Path("missing.fll"));
}

void TForm2Test::SavingAsksBeforeReplacingAndKeepsTheOldFileOnFailure() {
  const fs::path original = test::WriteFuel(Fuel("a.fll"), "Уголь Д", 1, {10, 20.5f, 55, 4, 1});
  const std::string original_bytes = test::ReadBytes(original);
  const std::string other_bytes = test::ReadBytes(test::WriteFuel(Fuel("b.fll"), "Другой", 2));
  QVERIFY(w_->Show());
  QVERIFY(w_->Load("a.fll"));
  test::ScriptedDialogs& dialogs = w_->dialogs;
  QSignalSpy finished(&Form(), &ui::TForm2::SaveFinished);
  // "Сохранить" writes the fuel's own file without asking: the unchanged record gives the
  // library file byte for byte.
  QVERIFY(Form().Save());
  QCOMPARE(test::ReadBytes(original), original_bytes);
  QTest::keyClicks(Form().ComboBox1, QStringLiteral(" 2"));
  QVERIFY(Form().Save());
  QVERIFY(dialogs.save_requests.isEmpty());
  QCOMPARE(fuel::ReadFuelFile(original, 0).name_line.name, fuel::Utf8ToCp1251("Уголь Д 2"));
  QVERIFY(!Form().HasUnsavedEdits());
  QCOMPARE(finished.count(), 2);

  // "Сохранить как..." asks, proposing the fuel's name in the save folder.
  dialogs.save_answers = {Path("copy")};
  QVERIFY(Form().SaveAs());
  QCOMPARE(dialogs.save_requests.size(), 1);
  const ui::SaveDialogRequest& request = dialogs.save_requests[0];
  QCOMPARE(request.title, QStringLiteral("Сохранить файл топлива"));
  QCOMPARE(request.filter, QStringLiteral("Файл топлива (*.fll)"));
  QCOMPARE(request.default_suffix, QStringLiteral("fll"));
  QCOMPARE(request.folder, Path("Уголь Д 2.fll"));
  QCOMPARE(test::ReadBytes(Fuel("copy.fll")), test::ReadBytes(original));
  QCOMPARE(Form().FilePath(), Fuel("copy.fll"));

  // An existing file: asked first. No asks for another name (here none: nothing written),
  // Yes replaces it.
  dialogs.save_answers = {Path("b.fll"), QString()};
  dialogs.answers = {QMessageBox::No};
  QVERIFY(!Form().SaveAs());
  QCOMPARE(Messages().size(), 1);
  QCOMPARE(Messages()[0].text,
           QStringLiteral("Файл %1 уже существует.\nЗаменить его?").arg(Path("b.fll")));
  QCOMPARE(Messages()[0].caption, QStringLiteral("Внимание !"));
  QCOMPARE(Messages()[0].buttons, QMessageBox::Yes | QMessageBox::No);
  QCOMPARE(dialogs.save_requests.size(), 3);
  QCOMPARE(dialogs.save_requests[2].folder, Path("b.fll"));
  QCOMPARE(test::ReadBytes(Fuel("b.fll")), other_bytes);
  QCOMPARE(Form().FilePath(), Fuel("copy.fll"));
  dialogs.save_answers = {Path("b.fll")};
  dialogs.answers = {QMessageBox::Yes};
  QVERIFY(Form().SaveAs());
  QCOMPARE(test::ReadBytes(Fuel("b.fll")), test::ReadBytes(original));
  QCOMPARE(Form().FilePath(), Fuel("b.fll"));
  // The record view takes no text that is no number, so no save meets one: the value
  // stays and the status bar says why. (A folder that does not exist is tried in app_test,
  // in Russian.)
  QAbstractItemModel& record = *Form().TabSheet4->XLGrid10->model();
  const QString kept = record.index(3, 2).data().toString();
  QVERIFY(!record.setData(record.index(3, 2), QStringLiteral("abc")));
  QCOMPARE(record.index(3, 2).data().toString(), kept);
  QCOMPARE(Form().StatusText(), QStringLiteral("«abc» — не число, значение не изменено"));
  QCOMPARE(Form().FilePath(), Fuel("b.fll"));
  QVERIFY(!Form().HasUnsavedEdits());
  QVERIFY(record.setData(record.index(3, 2), QStringLiteral("1")));
  // Cancelling writes nothing, but the end of the command is told all the same.
  const qsizetype before = finished.count();
  QVERIFY(!Form().SaveAs());
  QCOMPARE(finished.count(), before + 1);

  // A new fuel has no file: "Сохранить" asks for a name.
  Form().NewFuel();
  dialogs.save_answers = {Path("new.fll")};
  QVERIFY(Form().Save());
  QCOMPARE(dialogs.save_requests.last().folder, Path("Новое топливо.fll"));
  QCOMPARE(Form().FilePath(), Fuel("new.fll"));
}

void TForm2Test::CaptionAndNameFollowTheDocument() {
  test::WriteFuel(Fuel("a.fll"), "Уголь", 1, {10, 20, 55});
  QVERIFY(w_->Show());
  QVERIFY(w_->Load("a.fll"));
  QLineEdit& name = *Form().ComboBox1;
  const QString path = Path("a.fll");
  QTest::keyClicks(&name, QStringLiteral(" 2"));
  QCOMPARE(Form().windowTitle(), path + QStringLiteral("*"));
  // Undone to what the file holds: no longer modified.
  Form().Undo();
  QCOMPARE(Form().windowTitle(), path);
  Form().Redo();
  QCOMPARE(Form().windowTitle(), path + QStringLiteral("*"));
  QVERIFY(Form().Save());
  QCOMPARE(Form().windowTitle(), path);

  // Characters the file's code page lacks (Greek alpha, an emoji) are refused as they are
  // typed, with a hint; Cyrillic, Latin, "№" and a dash are kept and saved.
  name.setFocus();
  name.end(false);
  QSignalSpy rejected(&name, &QLineEdit::inputRejected);
  for (const QString& typed : {QStringLiteral("α"), QString::fromUtf8("\xF0\x9F\x94\xA5")}) {
    test::TypeText(name, typed);
    QCOMPARE(name.text(), QStringLiteral("Уголь 2"));
  }
  QCOMPARE(rejected.count(), 2);
  QVERIFY(QToolTip::text().contains(QString::fromUtf8("\xF0\x9F\x94\xA5")));
  QVERIFY(QToolTip::text().contains(QStringLiteral("Windows-1251")));
  QCOMPARE(ui::CharactersOutsideCp1251(QStringLiteral("aαbβa")), QStringLiteral("αβ"));
  test::TypeText(name, QStringLiteral(" №2 – Ё a"));
  QCOMPARE(w_->Doc().ComboBox1, std::string("Уголь 2 №2 – Ё a"));
  QVERIFY(Form().Save());
  QCOMPARE(fuel::ReadFuelFile(Fuel("a.fll"), 0).name_line.name,
           fuel::Utf8ToCp1251("Уголь 2 №2 – Ё a"));

  // A new fuel: every value 0, named by its name, which follows the name field.
  Form().NewFuel();
  QCOMPARE(Form().ComboBox3->currentIndex(), 0);
  for (int row = 0; row < 50; ++row) QCOMPARE(w_->Doc().XLSheet10.Text(2, row), std::string("0"));
  QVERIFY(Form().FilePath().empty());
  QVERIFY(!Form().HasUnsavedEdits());
  QCOMPARE(Form().windowTitle(), QStringLiteral("Новое топливо"));
  name.selectAll();
  test::TypeText(name, QStringLiteral("Торф"));
  QCOMPARE(Form().windowTitle(), QStringLiteral("Торф*"));
  // Becoming the active window again keeps what was typed.
  QWidget other;
  other.show();
  QApplication::setActiveWindow(&other);
  QVERIFY(QTest::qWaitForWindowActive(&other));
  QApplication::setActiveWindow(&Form());
  QVERIFY(QTest::qWaitForWindowActive(&Form()));
  QCOMPARE(name.text(), QStringLiteral("Торф"));
  QCOMPARE(w_->Doc().ComboBox1, std::string("Торф"));
  w_->dialogs.save_answers = {Path("peat.fll")};
  QVERIFY(Form().Save());
  QCOMPARE(Form().windowTitle(), Path("peat.fll"));
  // The name holds at most 50 characters.
  name.clear();
  QTest::keyClicks(&name, QString(60, QChar('x')));
  QCOMPARE(name.text().size(), 50);
}

void TForm2Test::ClosingWithUnsavedInputAsksFirst() {
  test::WriteFuel(Fuel("a.fll"), "Уголь", 1, {10, 20, 55});
  QVERIFY(w_->Show());
  QVERIFY(w_->Load("a.fll"));
  test::ScriptedDialogs& dialogs = w_->dialogs;
  QSignalSpy closed(&Form(), &ui::TForm2::FormClosed);
  QTest::keyClicks(Form().ComboBox1, QStringLiteral(" B"));

  dialogs.answers = {QMessageBox::Cancel};
  QVERIFY(!Form().close());
  QVERIFY(Form().isVisible());
  QCOMPARE(Messages()[0].caption, QStringLiteral("Внимание !"));
  QCOMPARE(Messages()[0].buttons, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);

  // Yes saves the fuel into its own file, then the window closes.
  dialogs.answers = {QMessageBox::Yes};
  QVERIFY(Form().close());
  QCOMPARE(closed.count(), 1);
  QCOMPARE(fuel::ReadFuelFile(Fuel("a.fll"), 0).name_line.name, fuel::Utf8ToCp1251("Уголь B"));
  QVERIFY(dialogs.save_requests.isEmpty());

  // A new fuel asks for a name: cancelled, the window stays open; given, it closes.
  Form().show();
  Form().NewFuel();
  QTest::keyClicks(Form().ComboBox1, QStringLiteral(" B"));
  dialogs.answers = {QMessageBox::Yes};
  QVERIFY(!Form().close());
  QCOMPARE(closed.count(), 1);
  dialogs.answers = {QMessageBox::Yes};
  dialogs.save_answers = {Path("saved.fll")};
  QVERIFY(Form().close());
  QCOMPARE(closed.count(), 2);
  QVERIFY(fs::exists(Fuel("saved.fll")));

  // Without unsaved input nothing is asked; No closes without saving.
  Form().show();
  const qsizetype asked = Messages().size();
  QVERIFY(Form().close());
  QCOMPARE(Messages().size(), asked);
  Form().show();
  QTest::keyClicks(Form().ComboBox1, QStringLiteral("x"));
  dialogs.answers = {QMessageBox::No};
  QVERIFY(Form().close());
  QCOMPARE(closed.count(), 4);
  QCOMPARE(fuel::ReadFuelFile(Fuel("saved.fll"), 0).name_line.name,
           fuel::Utf8ToCp1251("Новое топливо B"));
}

void TForm2Test::TabsAndTheNormsSwitch() {
  QVERIFY(w_->Show());
  QTabWidget& tabs = *Form().PageControl1;
  QStringList visible;
  for (int i = 0; i < tabs.count(); ++i) {
    if (tabs.isTabVisible(i)) visible << tabs.tabText(i);
  }
  QCOMPARE(visible,
           (QStringList{QStringLiteral("Основные характеристики"),
                        QStringLiteral("Зола и продукты сгорания"),
                        QStringLiteral("Расчетные параметры"), QStringLiteral("Тепловой баланс"),
                        QStringLiteral("Смесь топлива")}));
  QCOMPARE(tabs.currentWidget(), Form().TabSheet2);

  // The hidden norms switch: 1973 shows its own page in front, 1998 brings the others back.
  const auto shown = [&](QWidget* page) { return tabs.isTabVisible(tabs.indexOf(page)); };
  tabs.setCurrentWidget(Form().TabSheet3);
  Form().RadioButton1->click();
  QVERIFY(w_->Doc().RadioButton1);
  QVERIFY(shown(Form().TabSheet1) && !shown(Form().TabSheet2) && !shown(Form().TabSheet3));
  QCOMPARE(tabs.currentWidget(), Form().TabSheet1);
  Form().RadioButton2->click();
  QVERIFY(!w_->Doc().RadioButton1);
  QVERIFY(!shown(Form().TabSheet1));
  QCOMPARE(tabs.currentWidget(), Form().TabSheet2);
}

QTEST_MAIN(TForm2Test)
#include "tform2_test.moc"
