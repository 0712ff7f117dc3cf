// The fuel document window against a temporary folder: loading a fuel, the sheets and
// units of each fuel kind, the edit cycle, saving, closing and the tabs.
#include "ui/tform2.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QRadioButton>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolTip>
#include <memory>

#include "calc/cycle.h"
#include "calc/design.h"
#include "calc/fuel_io.h"
#include "library/qt_paths.h"
#include "test_support.h"
#include "ui/all_data_page.h"
#include "ui/ash_products_page.h"
#include "ui/design_parameters_page.h"
#include "ui/fuel_name_validator.h"
#include "ui/main_properties_page.h"
#include "ui/mixture_page.h"
#include "ui/norms1973_page.h"

namespace fs = std::filesystem;

class TForm2Test : public QObject {
  Q_OBJECT

 private slots:
  void init();
  void cleanup();
  void LoadShowsNameTypeCaptionAndRecord();
  void GasFuelShowsTheGasSheetAndCubicMetreUnits();
  void TypeWithoutEntryLoadsWithNoTypeAndTheSolidLayout();
  void UnreadableFileIsReported();
  void TypingIntoTheCompositionRunsTheCycle();
  void LeavingAGridWhileEditingRepairsTheDecimalSeparator();
  void PickingGasTypeSwitchesBothCompositionGrids();
  void EditingTheDesignGridRunsTheDesignCalculation();
  void SaveWritesTheOwnFileAndSaveAsAsksBeforeReplacing();
  void CaptionFollowsTheDocument();
  void NameOutsideTheFileCodePageIsRefused();
  void FailedSaveKeepsTheOldFileAndSaysWhy();
  void ClosingWithUnsavedInputAsksFirst();
  void NewFuelAndReactivationKeepWhatTheyShould();
  void TabsNormsSwitchAndMixturePage();
  void FailureInAHandlerIsReportedAndTheWindowGoesOn();

 private:
  void CreateWindows();
  fs::path Fuel(const std::string& file) const { return fuel_dir_ / file; }
  bool Load(const std::string& file) { return form_->LoadFuel(Fuel(file)); }

  std::unique_ptr<QTemporaryDir> temp_;
  fs::path fuel_dir_;
  test::ScriptedDialogs dialogs_;
  std::unique_ptr<ui::TForm2> form_;
};

void TForm2Test::init() {
  temp_ = std::make_unique<QTemporaryDir>();
  QVERIFY(temp_->isValid());
  fuel_dir_ = library::ToPath(temp_->path()) / "Fuel";
  fs::create_directory(fuel_dir_);
  dialogs_ = test::ScriptedDialogs();
}

void TForm2Test::cleanup() {
  form_.reset();
  temp_.reset();
  QLocale::setDefault(QLocale::c());
}

void TForm2Test::CreateWindows() {
  form_ = std::make_unique<ui::TForm2>(dialogs_);
  form_->SetSaveFolder([this] { return fuel_dir_; });
  form_->show();
  QApplication::setActiveWindow(form_.get());
  QVERIFY(QTest::qWaitForWindowActive(form_.get()));
}

void TForm2Test::LoadShowsNameTypeCaptionAndRecord() {
  test::WriteFuel(Fuel("a.fll"), "Уголь марки Д", 1, {10, 20, 55, 4, 1, 2, 8, 40, 21861});
  test::WriteFuel(Fuel("b.fll"), "Мазут", 5, {3, 0.1f, 83.8f});
  CreateWindows();
  QVERIFY(Load("a.fll"));
  QCOMPARE(form_->FilePath(), Fuel("a.fll"));
  QCOMPARE(form_->ComboBox1->text(), QStringLiteral("Уголь марки Д"));
  QCOMPARE(form_->ComboBox3->currentText(), QStringLiteral("каменный уголь"));
  QCOMPARE(form_->windowTitle(), library::ToQString(Fuel("a.fll")));
  QCOMPARE(form_->TabSheet4->XLGrid10->model()->index(8, 2).data().toString(),
           QStringLiteral("21861"));
  QCOMPARE(form_->TabSheet2->XLGrid3->model()->index(3, 1).data().toString(), QStringLiteral("55"));
  QCOMPARE(form_->TabSheet3->XLGrid7->model()->index(2, 2).data().toString(),
           QStringLiteral("Нм3/кг"));
  QVERIFY(!form_->HasUnsavedEdits());
  QVERIFY(Load("b.fll"));
  QCOMPARE(form_->ComboBox1->text(), QStringLiteral("Мазут"));
  QCOMPARE(form_->ComboBox3->currentIndex(), 5);
  QCOMPARE(form_->windowTitle(), library::ToQString(Fuel("b.fll")));
  QVERIFY(dialogs_.messages.isEmpty());
}

void TForm2Test::GasFuelShowsTheGasSheetAndCubicMetreUnits() {
  test::WriteFuel(Fuel("a.fll"), "Газ", 6, {94, 2.8f, 0.4f, 0.2f, 0.1f, 2, 0.5f});
  test::WriteFuel(Fuel("b.fll"), "Антрацит", 0, {8, 20, 65});
  CreateWindows();
  const calc::FuelDocument& doc = form_->Document();
  QVERIFY(Load("a.fll"));
  QCOMPARE(&form_->TabSheet1->XLGrid1->Model()->Sheet(), &doc.XLSheet1_2);
  QCOMPARE(&form_->TabSheet2->XLGrid3->Model()->Sheet(), &doc.XLSheet1_2);
  QCOMPARE(form_->TabSheet2->XLGrid3->model()->index(1, 1).data().toString(), QStringLiteral("94"));
  for (int row = 2; row <= 5; ++row) {
    QCOMPARE(form_->TabSheet3->XLGrid7->model()->index(row, 2).data().toString(),
             QStringLiteral("м3/м3"));
  }
  QVERIFY(Load("b.fll"));
  QCOMPARE(&form_->TabSheet1->XLGrid1->Model()->Sheet(), &doc.XLSheet1_1);
  QCOMPARE(&form_->TabSheet2->XLGrid3->Model()->Sheet(), &doc.XLSheet3);
  QCOMPARE(form_->TabSheet3->XLGrid7->model()->index(5, 2).data().toString(),
           QStringLiteral("Нм3/кг"));
}

void TForm2Test::TypeWithoutEntryLoadsWithNoTypeAndTheSolidLayout() {
  test::WriteFuel(Fuel("a.fll"), "Седьмой", 7, {10, 20, 55});
  CreateWindows();
  QVERIFY(Load("a.fll"));
  QCOMPARE(form_->ComboBox3->currentIndex(), -1);
  QCOMPARE(&form_->TabSheet2->XLGrid3->Model()->Sheet(), &form_->Document().XLSheet3);
  QCOMPARE(form_->ComboBox1->text(), QStringLiteral("Седьмой"));
}

void TForm2Test::UnreadableFileIsReported() {
  CreateWindows();
  QVERIFY(!Load("a.fll"));
  QCOMPARE(dialogs_.messages.size(), 1);
  QCOMPARE(dialogs_.messages[0].text, QStringLiteral("Ошибка чтения !"));
  QCOMPARE(dialogs_.messages[0].caption, QStringLiteral("Error"));
  QCOMPARE(dialogs_.messages[0].buttons, QMessageBox::Ok | QMessageBox::Cancel);
  QCOMPARE(dialogs_.messages[0].icon, QMessageBox::Critical);
  QCOMPARE(form_->windowTitle(), library::ToQString(Fuel("a.fll")));
}

void TForm2Test::TypingIntoTheCompositionRunsTheCycle() {
  test::WriteFuel(Fuel("a.fll"), "Уголь", 1, {10, 20, 55, 4, 1, 2, 8, 40, 21861});
  CreateWindows();
  QVERIFY(Load("a.fll"));
  const calc::FuelDocument& doc = form_->Document();
  ui::TXLGrid& grid = *form_->TabSheet2->XLGrid3;
  QVERIFY(test::TypeIntoCell(grid, 1, 3, QStringLiteral("60")));
  QVERIFY(form_->HasUnsavedEdits());
  QCOMPARE(doc.XLSheet10.Text(2, 2), std::string("60"));
  // 10 + 20 + 60 + 4 + 1 + 2 + 8 = 105, which is not 100: the total turns red.
  QCOMPARE(grid.model()->index(8, 1).data().toString(), QStringLiteral("105"));
  QCOMPARE(grid.model()->index(8, 1).data(Qt::ForegroundRole).value<QBrush>().color(),
           QColor(Qt::red));
  // Every result sheet shows what the cycle gives for the same edit on its own.
  calc::FuelDocument reference;
  calc::LoadLibraryFuel(reference, Fuel("a.fll"));
  reference.XLSheet3.SetText(1, 3, "60");
  calc::XLGrid1EditModeChanged(reference);
  for (auto sheet : {&calc::FuelDocument::XLSheet2, &calc::FuelDocument::XLSheet4,
                     &calc::FuelDocument::XLSheet6}) {
    const sheets::Sheet& shown = doc.*sheet;
    for (int row = 0; row < shown.RowCount(); ++row) {
      for (int col = 0; col < shown.ColCount(); ++col) {
        QCOMPARE(shown.Text(col, row), (reference.*sheet).Text(col, row));
      }
    }
  }
  QVERIFY(doc.XLSheet2.Text(1, 2) != std::string("5.7498"));  // the volumes did change
  // Letters do not parse: the cycle stores 0 and shows it.
  QVERIFY(test::TypeIntoCell(grid, 1, 3, QStringLiteral("abc")));
  QCOMPARE(grid.model()->index(3, 1).data().toString(), QStringLiteral("0"));
  QCOMPARE(doc.XLSheet10.Text(2, 2), std::string("0"));
}

void TForm2Test::LeavingAGridWhileEditingRepairsTheDecimalSeparator() {
  QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
  test::WriteFuel(Fuel("a.fll"), "Уголь", 1, {10, 20, 55});
  CreateWindows();
  QApplication::setActiveWindow(form_.get());
  QVERIFY(QTest::qWaitForWindowActive(form_.get()));
  QVERIFY(Load("a.fll"));
  ui::TXLGrid& grid = *form_->TabSheet2->XLGrid3;
  const QModelIndex moisture = grid.model()->index(1, 1);
  grid.setFocus();
  grid.setCurrentIndex(moisture);
  grid.edit(moisture);
  auto* editor = qobject_cast<QLineEdit*>(grid.indexWidget(moisture));
  QVERIFY(editor != nullptr);
  editor->selectAll();
  QTest::keyClicks(editor, QStringLiteral("12.5"));
  form_->ComboBox1->setFocus();  // leaves the grid with the editor open
  QTRY_VERIFY(form_->ComboBox1->hasFocus());
  QCOMPARE(moisture.data().toString(), QStringLiteral("12,5"));
  QCOMPARE(form_->Document().XLSheet10.Text(2, 0), std::string("12,5"));
}

void TForm2Test::PickingGasTypeSwitchesBothCompositionGrids() {
  test::WriteFuel(Fuel("a.fll"), "Уголь", 1, {10, 20, 55});
  CreateWindows();
  QVERIFY(Load("a.fll"));
  QTest::keyClick(form_->ComboBox3, Qt::Key_End);  // "газообразное топливо"
  const calc::FuelDocument& doc = form_->Document();
  QCOMPARE(doc.ComboBox3, 6);
  QCOMPARE(doc.XLSheet10.Text(2, 15), std::string("6"));
  QCOMPARE(&form_->TabSheet1->XLGrid1->Model()->Sheet(), &doc.XLSheet1_2);
  QCOMPARE(&form_->TabSheet2->XLGrid3->Model()->Sheet(), &doc.XLSheet1_2);
  QVERIFY(form_->HasUnsavedEdits());
  QTest::keyClick(form_->ComboBox3, Qt::Key_Home);  // "антрацит"
  QCOMPARE(&form_->TabSheet2->XLGrid3->Model()->Sheet(), &doc.XLSheet3);
}

void TForm2Test::EditingTheDesignGridRunsTheDesignCalculation() {
  test::WriteFuel(Fuel("a.fll"), "Уголь", 1, {10, 20, 55, 4, 1, 2, 8, 40, 21861});
  CreateWindows();
  QVERIFY(Load("a.fll"));
  ui::TXLGrid& grid = *form_->TabSheet6->XLGrid15;
  QVERIFY(test::TypeIntoCell(grid, 1, 2, QStringLiteral("1.2")));
  calc::FuelDocument reference;
  calc::LoadLibraryFuel(reference, Fuel("a.fll"));
  reference.XLSheet15.SetText(1, 2, "1.2");
  calc::XLGrid15EditModeChanged(reference);
  const calc::FuelDocument& doc = form_->Document();
  for (int row = 0; row < doc.XLSheet15.RowCount(); ++row) {
    QCOMPARE(doc.XLSheet15.Text(1, row), reference.XLSheet15.Text(1, row));
  }
  QVERIFY(!doc.XLSheet15.Text(1, 6).empty());  // the water vapour volume was written
}

void TForm2Test::SaveWritesTheOwnFileAndSaveAsAsksBeforeReplacing() {
  const fs::path original = test::WriteFuel(Fuel("a.fll"), "Уголь Д", 1, {10, 20.5f, 55, 4, 1});
  const std::string original_bytes = test::ReadBytes(original);
  test::WriteFuel(Fuel("b.fll"), "Другой", 2);
  const std::string other_bytes = test::ReadBytes(Fuel("b.fll"));
  CreateWindows();
  QVERIFY(Load("a.fll"));
  QSignalSpy finished(form_.get(), &ui::TForm2::SaveFinished);
  // "Сохранить" writes the fuel's own file without asking: the unchanged record gives the
  // library file byte for byte.
  QVERIFY(form_->Save());
  QVERIFY(dialogs_.save_requests.isEmpty());
  QCOMPARE(test::ReadBytes(original), original_bytes);
  QTest::keyClicks(form_->ComboBox1, QStringLiteral(" 2"));
  QVERIFY(form_->Save());
  QVERIFY(dialogs_.save_requests.isEmpty());
  QCOMPARE(fuel::ReadFuelFile(original, 0).name_line.name, fuel::Utf8ToCp1251("Уголь Д 2"));
  QVERIFY(!form_->HasUnsavedEdits());
  QCOMPARE(finished.count(), 2);

  // "Сохранить как..." asks, proposing the fuel's name in the save folder.
  dialogs_.save_answers = {library::ToQString(Fuel("copy"))};
  QVERIFY(form_->SaveAs());
  QCOMPARE(dialogs_.save_requests.size(), 1);
  const ui::SaveDialogRequest& request = dialogs_.save_requests[0];
  QCOMPARE(request.title, QStringLiteral("Сохранить файл топлива"));
  QCOMPARE(request.filter, QStringLiteral("Файл топлива (*.fll)"));
  QCOMPARE(request.default_suffix, QStringLiteral("fll"));
  QCOMPARE(request.folder, library::ToQString(fuel_dir_ / "Уголь Д 2.fll"));
  QCOMPARE(test::ReadBytes(Fuel("copy.fll")), test::ReadBytes(original));
  QCOMPARE(form_->FilePath(), Fuel("copy.fll"));
  QVERIFY(dialogs_.messages.isEmpty());

  // An existing file: asked first. No asks for another name (here none: nothing written),
  // Yes replaces it.
  dialogs_.save_answers = {library::ToQString(Fuel("b.fll")), QString()};
  dialogs_.answers = {QMessageBox::No};
  QVERIFY(!form_->SaveAs());
  QCOMPARE(dialogs_.messages.size(), 1);
  QCOMPARE(dialogs_.messages[0].text, QStringLiteral("Файл %1 уже существует.\nЗаменить его?")
                                          .arg(library::ToQString(Fuel("b.fll"))));
  QCOMPARE(dialogs_.messages[0].caption, QStringLiteral("Внимание !"));
  QCOMPARE(dialogs_.messages[0].buttons, QMessageBox::Yes | QMessageBox::No);
  QCOMPARE(dialogs_.save_requests.size(), 3);
  QCOMPARE(dialogs_.save_requests[2].folder, library::ToQString(Fuel("b.fll")));
  QCOMPARE(test::ReadBytes(Fuel("b.fll")), other_bytes);
  QCOMPARE(form_->FilePath(), Fuel("copy.fll"));
  dialogs_.save_answers = {library::ToQString(Fuel("b.fll"))};
  dialogs_.answers = {QMessageBox::Yes};
  QVERIFY(form_->SaveAs());
  QCOMPARE(test::ReadBytes(Fuel("b.fll")), test::ReadBytes(original));
  QCOMPARE(form_->FilePath(), Fuel("b.fll"));
  // Cancelling writes nothing, but the end of the command is told all the same.
  const int before = static_cast<int>(finished.count());
  QVERIFY(!form_->SaveAs());
  QCOMPARE(finished.count(), before + 1);

  // A new fuel has no file: "Сохранить" asks for a name.
  form_->NewFuel();
  dialogs_.save_answers = {library::ToQString(Fuel("new.fll"))};
  QVERIFY(form_->Save());
  QCOMPARE(dialogs_.save_requests.last().folder,
           library::ToQString(fuel_dir_ / "Новое топливо.fll"));
  QCOMPARE(form_->FilePath(), Fuel("new.fll"));
}

void TForm2Test::CaptionFollowsTheDocument() {
  test::WriteFuel(Fuel("a.fll"), "Уголь", 1, {10, 20, 55});
  CreateWindows();
  QVERIFY(Load("a.fll"));
  const QString path = library::ToQString(Fuel("a.fll"));
  QCOMPARE(form_->windowTitle(), path);
  QTest::keyClicks(form_->ComboBox1, QStringLiteral(" 2"));
  QCOMPARE(form_->windowTitle(), path + QStringLiteral("*"));
  // Undone to what the file holds: no longer modified.
  form_->Undo();
  QCOMPARE(form_->windowTitle(), path);
  form_->Redo();
  QCOMPARE(form_->windowTitle(), path + QStringLiteral("*"));
  QVERIFY(form_->Save());
  QCOMPARE(form_->windowTitle(), path);
  // A new fuel is named by its name, which follows the name field.
  form_->NewFuel();
  QCOMPARE(form_->windowTitle(), QStringLiteral("Новое топливо"));
  form_->ComboBox1->selectAll();
  test::TypeText(*form_->ComboBox1, QStringLiteral("Торф"));
  QCOMPARE(form_->windowTitle(), QStringLiteral("Торф*"));
  dialogs_.save_answers = {library::ToQString(Fuel("peat.fll"))};
  QVERIFY(form_->Save());
  QCOMPARE(form_->windowTitle(), library::ToQString(Fuel("peat.fll")));
}

void TForm2Test::NameOutsideTheFileCodePageIsRefused() {
  test::WriteFuel(Fuel("a.fll"), "Уголь", 1, {10, 20, 55});
  CreateWindows();
  QVERIFY(Load("a.fll"));
  form_->show();
  QLineEdit& name = *form_->ComboBox1;
  name.setFocus();
  name.end(false);
  QSignalSpy rejected(&name, &QLineEdit::inputRejected);
  // Greek alpha and an emoji are refused as they are typed, with a hint.
  for (const QString& typed : {QStringLiteral("α"), QString::fromUtf8("\xF0\x9F\x94\xA5")}) {
    test::TypeText(name, typed);
    QCOMPARE(name.text(), QStringLiteral("Уголь"));
  }
  QCOMPARE(rejected.count(), 2);
  QVERIFY(QToolTip::text().contains(QString::fromUtf8("\xF0\x9F\x94\xA5")));
  QVERIFY(QToolTip::text().contains(QStringLiteral("Windows-1251")));
  // What the file holds is typed: Cyrillic, Latin, "№", a dash.
  test::TypeText(name, QStringLiteral(" №2 – Ё a"));
  QCOMPARE(name.text(), QStringLiteral("Уголь №2 – Ё a"));
  QCOMPARE(form_->Document().ComboBox1, std::string("Уголь №2 – Ё a"));
  QCOMPARE(ui::CharactersOutsideCp1251(QStringLiteral("aαbβa")), QStringLiteral("αβ"));
  QVERIFY(form_->Save());
  QCOMPARE(fuel::ReadFuelFile(Fuel("a.fll"), 0).name_line.name,
           fuel::Utf8ToCp1251("Уголь №2 – Ё a"));
}

void TForm2Test::FailedSaveKeepsTheOldFileAndSaysWhy() {
  test::WriteFuel(Fuel("a.fll"), "Уголь", 1, {10, 20, 55});
  const std::string old_bytes = "old content";
  test::WriteFuel(Fuel("b.fll"), "Старый", 2);
  { std::ofstream(Fuel("b.fll"), std::ios::binary) << old_bytes; }
  CreateWindows();
  QVERIFY(Load("a.fll"));
  QAbstractItemModel& record = *form_->TabSheet4->XLGrid10->model();
  QVERIFY(record.setData(record.index(3, 2), QStringLiteral("abc")));
  dialogs_.save_answers = {library::ToQString(Fuel("b.fll"))};
  dialogs_.answers = {QMessageBox::Yes};  // replace b.fll
  QVERIFY(!form_->SaveAs());
  QCOMPARE(test::ReadBytes(Fuel("b.fll")), old_bytes);
  QCOMPARE(dialogs_.messages.size(), 2);
  QCOMPARE(dialogs_.messages[1].text, QStringLiteral("'abc' is not a valid floating point value"));
  QCOMPARE(dialogs_.messages[1].caption, QStringLiteral("Error"));

  QVERIFY(record.setData(record.index(3, 2), QStringLiteral("4")));
  const fs::path nowhere = fuel_dir_ / "no such folder" / "x.fll";
  dialogs_.save_answers = {library::ToQString(nowhere)};
  QVERIFY(!form_->SaveAs());
  QVERIFY(!fs::exists(nowhere));
  QCOMPARE(dialogs_.messages.size(), 3);
  // The path, then the system's reason as Qt words it.
  const QStringList lines = dialogs_.messages[2].text.split(QLatin1Char('\n'));
  QCOMPARE(lines.size(), 2);
  QCOMPARE(lines[0], QStringLiteral("Не удалось сохранить файл ") + library::ToQString(nowhere));
  QVERIFY(!lines[1].isEmpty());
  QCOMPARE(form_->FilePath(), Fuel("a.fll"));
  QVERIFY(form_->HasUnsavedEdits());
}

void TForm2Test::ClosingWithUnsavedInputAsksFirst() {
  test::WriteFuel(Fuel("a.fll"), "Уголь", 1, {10, 20, 55});
  CreateWindows();
  QVERIFY(Load("a.fll"));
  QSignalSpy closed(form_.get(), &ui::TForm2::FormClosed);
  QTest::keyClicks(form_->ComboBox1, QStringLiteral(" B"));
  QCOMPARE(form_->Document().ComboBox1, std::string("Уголь B"));
  QVERIFY(form_->HasUnsavedEdits());

  dialogs_.answers = {QMessageBox::Cancel};
  QVERIFY(!form_->close());
  QVERIFY(form_->isVisible());
  QCOMPARE(dialogs_.messages[0].caption, QStringLiteral("Внимание !"));
  QCOMPARE(dialogs_.messages[0].buttons, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);

  // Yes saves the fuel into its own file, then the window closes.
  dialogs_.answers = {QMessageBox::Yes};
  QVERIFY(form_->close());
  QCOMPARE(closed.count(), 1);
  QCOMPARE(fuel::ReadFuelFile(Fuel("a.fll"), 0).name_line.name, fuel::Utf8ToCp1251("Уголь B"));
  QVERIFY(dialogs_.save_requests.isEmpty());

  // A new fuel asks for a name: cancelled, the window stays open; given, it closes.
  form_->show();
  form_->NewFuel();
  QTest::keyClicks(form_->ComboBox1, QStringLiteral(" B"));
  dialogs_.answers = {QMessageBox::Yes};
  QVERIFY(!form_->close());
  QCOMPARE(closed.count(), 1);
  dialogs_.answers = {QMessageBox::Yes};
  dialogs_.save_answers = {library::ToQString(Fuel("saved.fll"))};
  QVERIFY(form_->close());
  QCOMPARE(closed.count(), 2);
  QVERIFY(fs::exists(Fuel("saved.fll")));

  // Without unsaved input nothing is asked.
  form_->show();
  const qsizetype asked = dialogs_.messages.size();
  QVERIFY(form_->close());
  QCOMPARE(dialogs_.messages.size(), asked);
  QCOMPARE(closed.count(), 3);

  form_->show();
  QTest::keyClicks(form_->ComboBox1, QStringLiteral("x"));
  dialogs_.answers = {QMessageBox::No};
  QVERIFY(form_->close());
  QCOMPARE(closed.count(), 4);
}

void TForm2Test::NewFuelAndReactivationKeepWhatTheyShould() {
  test::WriteFuel(Fuel("a.fll"), "Уголь", 1, {10, 20, 55});
  CreateWindows();
  QVERIFY(Load("a.fll"));
  form_->NewFuel();
  const calc::FuelDocument& doc = form_->Document();
  QCOMPARE(form_->ComboBox1->text(), QStringLiteral("Новое топливо"));
  QCOMPARE(form_->ComboBox3->currentIndex(), 0);
  for (int row = 0; row < 50; ++row) QCOMPARE(doc.XLSheet10.Text(2, row), std::string("0"));
  QCOMPARE(form_->windowTitle(), QStringLiteral("Новое топливо"));
  QVERIFY(form_->FilePath().empty());
  QVERIFY(!form_->HasUnsavedEdits());

  // Becoming the active window again keeps what was typed.
  QTest::keyClicks(form_->ComboBox1, QStringLiteral(" 2"));
  QWidget other;
  other.show();
  QApplication::setActiveWindow(&other);
  QVERIFY(QTest::qWaitForWindowActive(&other));
  QApplication::setActiveWindow(form_.get());
  QVERIFY(QTest::qWaitForWindowActive(form_.get()));
  QCOMPARE(form_->ComboBox1->text(), QStringLiteral("Новое топливо 2"));
  QCOMPARE(doc.ComboBox1, std::string("Новое топливо 2"));

  // The name holds at most 50 characters.
  form_->ComboBox1->clear();
  QTest::keyClicks(form_->ComboBox1, QString(60, QChar('x')));
  QCOMPARE(form_->ComboBox1->text().size(), 50);
}

void TForm2Test::TabsNormsSwitchAndMixturePage() {
  CreateWindows();
  QTabWidget& tabs = *form_->PageControl1;
  QStringList visible;
  for (int i = 0; i < tabs.count(); ++i) {
    if (tabs.isTabVisible(i)) visible << tabs.tabText(i);
  }
  QCOMPARE(visible,
           (QStringList{QStringLiteral("Основные характеристики"),
                        QStringLiteral("Зола и продукты сгорания"),
                        QStringLiteral("Расчетные параметры"), QStringLiteral("Тепловой баланс"),
                        QStringLiteral("Смесь топлива")}));
  QCOMPARE(tabs.currentWidget(), form_->TabSheet2);

  // Selecting the mixture tab always brings back its component page.
  ui::MixturePage& mixture = *form_->TabSheet7;
  form_->Document().PageControl2 = 1;
  form_->ShowDocument();
  QCOMPARE(mixture.PageControl2->currentWidget(), mixture.TabSheet22);
  tabs.setCurrentWidget(form_->TabSheet7);
  QCOMPARE(form_->Document().PageControl2, 0);
  QCOMPARE(mixture.PageControl2->currentWidget(), mixture.TabSheet21);

  // The hidden norms switch: 1973 shows its own page in front, 1998 brings the others back.
  tabs.setCurrentWidget(form_->TabSheet3);
  form_->RadioButton1->click();
  QVERIFY(form_->Document().RadioButton1);
  QVERIFY(tabs.isTabVisible(tabs.indexOf(form_->TabSheet1)));
  QVERIFY(!tabs.isTabVisible(tabs.indexOf(form_->TabSheet2)));
  QVERIFY(!tabs.isTabVisible(tabs.indexOf(form_->TabSheet3)));
  QCOMPARE(tabs.currentWidget(), form_->TabSheet1);
  form_->RadioButton2->click();
  QVERIFY(!form_->Document().RadioButton1);
  QVERIFY(!tabs.isTabVisible(tabs.indexOf(form_->TabSheet1)));
  QCOMPARE(tabs.currentWidget(), form_->TabSheet2);
}

void TForm2Test::FailureInAHandlerIsReportedAndTheWindowGoesOn() {
  test::WriteFuel(Fuel("a.fll"), "Уголь", 1, {10, 20, 55});
  CreateWindows();
  QVERIFY(Load("a.fll"));
  // A record value that is not a number stops the recalculation the check box starts.
  QAbstractItemModel& record = *form_->TabSheet4->XLGrid10->model();
  QVERIFY(record.setData(record.index(30, 2), QStringLiteral("x1")));
  form_->TabSheet2->CheckBox2->click();
  QCOMPARE(dialogs_.messages.size(), 1);
  QCOMPARE(dialogs_.messages[0].text, QStringLiteral("'x1' is not a valid floating point value"));
  QCOMPARE(dialogs_.messages[0].caption, QStringLiteral("Error"));
  QVERIFY(form_->Document().CheckBox2);
  // Repaired, the same window computes again.
  QVERIFY(record.setData(record.index(30, 2), QStringLiteral("0")));
  QVERIFY(test::TypeIntoCell(*form_->TabSheet2->XLGrid3, 1, 3, QStringLiteral("60")));
  QCOMPARE(dialogs_.messages.size(), 1);
  QCOMPARE(form_->Document().XLSheet10.Text(2, 2), std::string("60"));
}

QTEST_MAIN(TForm2Test)
#include "tform2_test.moc"
