// The fuel document window against a temporary folder: loading a fuel into the layout of
// its kind, files that do not read or are not whole, saving (onto a full disk too), the
// file changed by another program, the caption and the name, closing and the tabs.
// (Typing and the edit cycle are tried in editing_test.)
#include "ui/tform2.h"

#include <sys/stat.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSplitter>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QToolTip>
#include <cerrno>
#include <fstream>
#include <memory>
#include <random>

#include "fuel/atomic_file.h"
#include "test_support.h"
#include "ui/all_data_page.h"
#include "ui/ash_products_page.h"
#include "ui/design_parameters_page.h"
#include "ui/document_file_watch.h"
#include "ui/enthalpy_chart.h"
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
  void AFileThatIsNotAWholeFuelLoadsWithAWarningAndSavesUnderANewName();
  void SavingAsksBeforeReplacingAndKeepsTheOldFileOnFailure();
  void TheFileChangedOnDiskIsLoadedAgainOrAskedAbout();
  void CaptionAndNameFollowTheDocument();
  void ClosingWithUnsavedInputAsksFirst();
  void TabsAndTheNormsSwitch();
  void AtTheSmallestSizeTheTablesKeepTheirRowsAndTheDividerIsKept();

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

  // A file that does not read is said so, with the file and why; the caption names it.
  // (Without Qt's translation installed, the system's reason stays in English.)
  fs::create_directory(Fuel("folder.fll"));
  QCOMPARE(mkfifo(Fuel("fifo.fll").c_str(), 0600), 0);
  const struct {
    fs::path path;
    QString reason;
  } unreadable[] = {
      {Fuel("missing.fll"), QStringLiteral("No such file or directory")},
      {Fuel("folder.fll"), QStringLiteral("это папка, а не файл")},
      {Fuel("fifo.fll"), QStringLiteral("это не обычный файл, а канал (FIFO)")},
      {"/dev/zero", QStringLiteral("это не обычный файл, а устройство")},
  };
  for (const auto& [path, reason] : unreadable) {
    Messages().clear();
    QVERIFY(!Form().LoadFuel(path));
    QCOMPARE(Messages().size(), 1);
    QCOMPARE(Messages()[0].text,
             QStringLiteral("Ошибка чтения !\n%1\n%2").arg(library::ToQString(path), reason));
    QCOMPARE(Messages()[0].caption, QStringLiteral("Ошибка"));
    QCOMPARE(Messages()[0].buttons, QMessageBox::Ok | QMessageBox::Cancel);
    QCOMPARE(Messages()[0].icon, QMessageBox::Critical);
    QCOMPARE(Form().windowTitle(), library::ToQString(path));
    QVERIFY(Form().FilePath().empty());
  }
}

void TForm2Test::AFileThatIsNotAWholeFuelLoadsWithAWarningAndSavesUnderANewName() {
  std::string random(3000, '\0');
  std::mt19937 engine(21);
  for (char& c : random) {
    c = static_cast<char>(engine());
    if (c == '\r') c = ' ';  // no CR: no name line
  }
  const auto numbers = [](int count) {
    std::string bytes = "Coal\r\n";
    for (int i = 1; i <= count; ++i) bytes += std::to_string(i) + " ";
    return bytes;
  };
  const QString no_name = QStringLiteral("Файл топлива неполный: нет строки с именем, ");
  const QString named = QStringLiteral("Файл топлива неполный: ");
  const struct {
    std::string file;
    std::string bytes;
    QString text;
  } cases[] = {
      {"random.fll", random, no_name + QStringLiteral("прочитано 0 чисел из 50")},
      {"empty.fll", "", no_name + QStringLiteral("прочитано 0 чисел из 50")},
      {"huge.fll", "", no_name + QStringLiteral("прочитано 0 чисел из 50")},
      {"name.fll", numbers(0), named + QStringLiteral("прочитано 0 чисел из 50")},
      {"one.fll", numbers(1), named + QStringLiteral("прочитано 1 число из 50")},
      {"three.fll", numbers(3), named + QStringLiteral("прочитано 3 числа из 50")},
      {"twelve.fll", numbers(12), named + QStringLiteral("прочитано 12 чисел из 50")},
      {"21.fll", numbers(21), named + QStringLiteral("прочитано 21 число из 50")},
      {"22.fll", numbers(22), named + QStringLiteral("прочитано 22 числа из 50")},
      {"49.fll", numbers(49), named + QStringLiteral("прочитано 49 чисел из 50")},
  };
  QVERIFY(w_->Show());
  test::ScriptedDialogs& dialogs = w_->dialogs;
  for (const auto& c : cases) {
    const fs::path path = Fuel(c.file);
    std::ofstream(path, std::ios::binary) << c.bytes;
    if (c.file == "huge.fll") fs::resize_file(path, std::uintmax_t{4} << 30);  // no line end
    const std::uintmax_t size = fs::file_size(path);
    Messages().clear();
    QVERIFY(!Form().LoadFuel(path));
    QCOMPARE(Messages().size(), 1);
    QCOMPARE(Messages()[0].text, c.text);
    QCOMPARE(Messages()[0].caption, QStringLiteral("Внимание !"));
    QCOMPARE(Messages()[0].icon, QMessageBox::Warning);
    QCOMPARE(Form().windowTitle(), library::ToQString(path));
    // "Сохранить" asks for a name (cancelled here) instead of writing over the file.
    const qsizetype asked = dialogs.save_requests.size();
    QVERIFY(!Form().Save());
    QCOMPARE(dialogs.save_requests.size(), asked + 1);
    QCOMPARE(fs::file_size(path), size);
    if (size < 4096) QCOMPARE(test::ReadBytes(path), c.bytes);
    fs::remove(path);
  }
  // Fifty numbers are a whole fuel: nothing said, saved to its own file.
  const fs::path whole = Fuel("whole.fll");
  std::ofstream(whole, std::ios::binary) << numbers(50);
  Messages().clear();
  QVERIFY(Form().LoadFuel(whole));
  QVERIFY(Messages().isEmpty());
  QCOMPARE(Form().FilePath(), whole);
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
  Form().PageControl1->setCurrentWidget(Form().TabSheet2);
  QVERIFY(test::TypeIntoCell(*Form().TabSheet2->XLGrid3, 1, 3, QStringLiteral("77")));
  QVERIFY(Form().HasUnsavedEdits());
  // A full disk: the old file stays whole, the file and the reason are said, and the edits
  // stay unsaved. (A disk that fills part way is tried at the writer, in fuel_save_test.)
  const std::string b_bytes = test::ReadBytes(Fuel("b.fll"));
  const fuel::WriteCall real_write =
      fuel::SetWriteCallForTesting([](int, const void*, std::size_t) -> ssize_t {
        errno = ENOSPC;
        return -1;
      });
  const bool saved_on_full_disk = Form().Save();
  fuel::SetWriteCallForTesting(real_write);
  QVERIFY(!saved_on_full_disk);
  QCOMPARE(Messages().size(), 3);
  QCOMPARE(
      Messages()[2].text,
      QStringLiteral("Не удалось сохранить файл %1\nNo space left on device").arg(Path("b.fll")));
  QCOMPARE(Messages()[2].caption, QStringLiteral("Ошибка"));
  QCOMPARE(Messages()[2].icon, QMessageBox::Critical);
  QCOMPARE(test::ReadBytes(Fuel("b.fll")), b_bytes);
  QCOMPARE(Form().windowTitle(), Path("b.fll") + QStringLiteral("*"));
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

void TForm2Test::TheFileChangedOnDiskIsLoadedAgainOrAskedAbout() {
  const fs::path path = test::WriteFuel(Fuel("a.fll"), "Уголь", 1, {10, 20, 55});
  // Another program writes the file in place.
  const auto write_in_place = [&path](const std::string& name, float moisture) {
    std::array<float, fuel::kRecordSize> values{moisture, 20, 55};
    values[fuel::kTypeRow] = 1;
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        << fuel::FormatFuelFile(fuel::Utf8ToCp1251(name), values);
  };
  QVERIFY(w_->Show());
  QVERIFY(w_->Load("a.fll"));
  test::ScriptedDialogs& dialogs = w_->dialogs;
  const QString reloaded = QStringLiteral("Файл изменен на диске и загружен заново");

  // Replaced by a rename, as editors save: without unsaved edits it is loaded again.
  test::WriteFuel(path, "Уголь другой", 1, {11, 20, 55});
  QTRY_COMPARE(Form().ComboBox1->text(), QStringLiteral("Уголь другой"));
  QCOMPARE(Form().StatusText(), reloaded);
  QCOMPARE(w_->Doc().XLSheet10.Text(2, 0), std::string("11"));
  QVERIFY(!Form().HasUnsavedEdits());

  // The window's own save is no change. With unsaved edits, another program's change asks:
  // No keeps the edits.
  // (Another file written in the folder makes the watch look again: it finds the saved
  // file as the window left it.)
  QTest::keyClicks(Form().ComboBox1, QStringLiteral(" 2"));
  QSignalSpy looked(Form().findChild<ui::DocumentFileWatch*>()->findChild<QTimer*>(),
                    &QTimer::timeout);
  Form().ShowStatus(QString());
  QVERIFY(Form().Save());
  test::WriteFuel(Fuel("other.fll"), "Другое", 1);
  QTRY_VERIFY(looked.count() > 0);
  QVERIFY(Form().StatusText().isEmpty());
  QTest::keyClicks(Form().ComboBox1, QStringLiteral(" 3"));
  dialogs.answers = {QMessageBox::No};
  write_in_place("Уголь с диска", 12);
  QTRY_COMPARE(Messages().size(), 1);
  QCOMPARE(Messages()[0].text,
           QStringLiteral("Файл %1 изменен на диске другой программой.\n"
                          "Да — загрузить файл с диска (ваши изменения будут потеряны).\n"
                          "Нет — оставить ваши изменения.")
               .arg(Path("a.fll")));
  QCOMPARE(Messages()[0].caption, QStringLiteral("Внимание !"));
  QCOMPARE(Messages()[0].buttons, QMessageBox::Yes | QMessageBox::No);
  QCOMPARE(Form().ComboBox1->text(), QStringLiteral("Уголь другой 2 3"));
  QVERIFY(Form().HasUnsavedEdits());
  QCOMPARE(Form().StatusText(), QStringLiteral("Файл изменен на диске; ваши изменения оставлены"));
  // Yes takes the file's.
  dialogs.answers = {QMessageBox::Yes};
  write_in_place("Уголь с диска снова", 13);
  QTRY_COMPARE(Messages().size(), 2);
  QCOMPARE(Form().ComboBox1->text(), QStringLiteral("Уголь с диска снова"));
  QCOMPARE(w_->Doc().XLSheet10.Text(2, 0), std::string("13"));
  QVERIFY(!Form().HasUnsavedEdits());
  QCOMPARE(Form().StatusText(), reloaded);

  // Deleted: said in the status bar; "Сохранить" writes it again without asking, and the
  // file is watched again.
  fs::remove(path);
  QTRY_COMPARE(Form().StatusText(),
               QStringLiteral("Файл удален с диска; «Сохранить» запишет его снова"));
  QVERIFY(Form().Save());
  QCOMPARE(fuel::ReadFuelFile(path, 0).name_line.name, fuel::Utf8ToCp1251("Уголь с диска снова"));
  QVERIFY(dialogs.save_requests.isEmpty());
  test::WriteFuel(path, "Торф", 1, {40});
  QTRY_COMPARE(Form().ComboBox1->text(), QStringLiteral("Торф"));
  QCOMPARE(Messages().size(), 2);
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

void TForm2Test::AtTheSmallestSizeTheTablesKeepTheirRowsAndTheDividerIsKept() {
  test::WriteCoal(Fuel("coal.fll"));
  QVERIFY(w_->Show());
  QVERIFY(Form().LoadFuel(Fuel("coal.fll")));
  ui::AshProductsPage& page = *Form().TabSheet3;
  Form().PageControl1->setCurrentWidget(&page);
  Form().resize(Form().minimumSize());
  const auto rows_in_sight = [&page] {
    for (ui::TXLGrid* table : {page.XLGrid5, page.XLGrid7, page.XLGrid13, page.XLGrid9}) {
      if (table->height() < table->sizeHint().height()) return false;
    }
    return true;
  };
  QTRY_VERIFY(page.Chart->isVisible());
  QVERIFY(rows_in_sight());
  // The divider dragged down with the mouse: the diagram gives way, the tables stay whole.
  QSplitterHandle* handle = page.Splitter1->handle(1);
  const int chart_height = page.Chart->height();
  const QPoint middle = handle->rect().center();
  QTest::mousePress(handle, Qt::LeftButton, {}, middle);
  QTest::mouseMove(handle, middle + QPoint(0, 30));
  QTest::mouseRelease(handle, Qt::LeftButton, {}, middle + QPoint(0, 30));
  QTRY_VERIFY(page.Chart->height() < chart_height);
  QVERIFY(rows_in_sight());
  // Another window given the dividers puts the diagram where this one has it.
  const QList<int> sizes = page.Splitter1->sizes();
  const QByteArray kept = Form().Dividers();
  test::DocumentWindow other;
  QVERIFY(other.Show());
  other.form->resize(Form().size());
  other.form->RestoreDividers(kept);
  other.form->PageControl1->setCurrentWidget(other.form->TabSheet3);
  QTRY_COMPARE(other.form->TabSheet3->Splitter1->sizes(), sizes);
}

QTEST_MAIN(TForm2Test)
#include "tform2_test.moc"
