// The fuel document window against a temporary folder: loading, saving with the name and the
// caption, the file changed on disk, the mixture tab. (Grids: editing_test; closing: app_test.)
#include "ui/tform2.h"

#include <QComboBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QToolTip>

#include "test_support.h"
#include "ui/ash_products_page.h"
#include "ui/document_file_watch.h"
#include "ui/main_properties_page.h"
#include "ui/mixture_page.h"
#include "ui/norms1973_page.h"

namespace fs = std::filesystem;
using Doc = calc::FuelDocument;

class TForm2Test : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    w_ = std::make_unique<test::DocumentWindow>();
    QVERIFY(w_->Show());
  }
  void cleanup() { w_.reset(); }
  void LoadShowsTheFuelInTheLayoutOfItsKindOrSaysWhatIsWrong();
  void SavingFollowsTheNameAndKeepsTheOldFileOnAFullDisk();
  void TheFileChangedOnDiskIsLoadedAgainOrAskedAbout();
  void MixtureTabShowsTheMixtureOfTheFuelsPicked();

 private:
  ui::TForm2& Form() { return *w_->form; }
  fs::path Fuel(const std::string& file) const { return w_->Fuel(file); }
  QString Path(const std::string& file) const { return w_->Path(file); }
  QString Said() { return w_->dialogs.Said(); }
  QString NameInFile(const std::string& file) const {
    return QString::fromStdString(
        fuel::Cp1251ToUtf8(fuel::ReadFuelFile(Fuel(file), 0).name_line.name));
  }

  std::unique_ptr<test::DocumentWindow> w_;
};

void TForm2Test::LoadShowsTheFuelInTheLayoutOfItsKindOrSaysWhatIsWrong() {
  test::WriteFuel(Fuel("coal.fll"), "Уголь марки Д", test::kWorkedCoalType, test::kWorkedCoal);
  test::WriteFuel(Fuel("gas.fll"), "Газ", calc::kGasType, test::kWorkedGas);
  test::WriteFuel(Fuel("seven.fll"), "Седьмой", 7, {10, 20, 55});
  const Doc& doc = w_->Doc();
  // Whether the two composition grids show these sheets.
  const auto grids_show = [&](const sheets::Sheet& first, const sheets::Sheet& second) {
    return &Form().TabSheet1->XLGrid1->Model()->Sheet() == &first &&
           &Form().TabSheet2->XLGrid3->Model()->Sheet() == &second;
  };
  QVERIFY(w_->Load("coal.fll"));
  QCOMPARE(Form().FilePath(), Fuel("coal.fll"));
  QCOMPARE(Form().ComboBox1->text(), QStringLiteral("Уголь марки Д"));
  QCOMPARE(Form().ComboBox3->currentText(), QStringLiteral("каменный уголь"));
  QCOMPARE(Form().windowTitle(), Path("coal.fll"));
  QVERIFY(grids_show(doc.XLSheet1_1, doc.XLSheet3) && !Form().HasUnsavedEdits());
  QVERIFY(w_->Load("gas.fll"));
  QCOMPARE(Form().ComboBox3->currentIndex(), calc::kGasType);
  QVERIFY(grids_show(doc.XLSheet1_2, doc.XLSheet1_2));
  // A type without an entry: none shown, the solid layout.
  QVERIFY(w_->Load("seven.fll"));
  QCOMPARE(Form().ComboBox3->currentIndex(), -1);
  QVERIFY(grids_show(doc.XLSheet1_1, doc.XLSheet3));
  QCOMPARE(Said(), QString());
  // "Помощь" opens the help page at the front tab's section, which the page must hold.
  const QString help = QString::fromStdString(test::ReadBytes(PYRANA_SOURCE_DIR "/Help/Help.htm"));
  for (int tab = 0; tab < Form().PageControl1->count(); ++tab) {
    Form().PageControl1->setCurrentIndex(tab);
    QVERIFY2(help.contains("id=\"" + Form().HelpSection() + '"'), qPrintable(Form().HelpSection()));
  }

  // A file that does not read is said so with the file and why; the caption names it.
  fs::create_directory(Fuel("folder.fll"));
  QVERIFY(!w_->Load("folder.fll"));
  QCOMPARE(
      Said(),
      QStringLiteral("Ошибка: Ошибка чтения !\n%1\nэто папка, а не файл").arg(Path("folder.fll")));
  QCOMPARE(Form().windowTitle(), Path("folder.fll"));
  QVERIFY(Form().FilePath().empty());
  // A fuel file that is not whole loads with a warning of what was read, the word following
  // the count.
  const auto numbers = [](int count) {
    std::string bytes = "Coal\r\n";
    for (int i = 1; i <= count; ++i) bytes += std::to_string(i) + " ";
    return bytes;
  };
  const std::tuple<std::string, std::string, QString> cases[] = {
      {"no-line.fll", "Coal", QStringLiteral("нет строки с именем, прочитано 0 чисел")},
      {"one.fll", numbers(1), QStringLiteral("прочитано 1 число")},
      {"three.fll", numbers(3), QStringLiteral("прочитано 3 числа")},
      {"twelve.fll", numbers(12), QStringLiteral("прочитано 12 чисел")},
      {"21.fll", numbers(21), QStringLiteral("прочитано 21 число")},
  };
  for (const auto& [file, bytes, read] : cases) {
    std::ofstream(Fuel(file), std::ios::binary) << bytes;
    QVERIFY(!w_->Load(file));
    QCOMPARE(Said(), QStringLiteral("Внимание !: Файл топлива неполный: %1 из 50").arg(read));
  }
  // "Сохранить" asks for a name (cancelled here) instead of writing over the file.
  QCOMPARE(Form().windowTitle(), Path("21.fll"));
  QVERIFY(!Form().Save());
  QCOMPARE(w_->dialogs.save_requests.size(), 1);
  QCOMPARE(test::ReadBytes(Fuel("21.fll")), numbers(21));
}

void TForm2Test::SavingFollowsTheNameAndKeepsTheOldFileOnAFullDisk() {
  const fs::path original = test::WriteFuel(Fuel("a.fll"), "Уголь Д", 1, {10, 20.5f, 55, 4, 1});
  const std::string original_bytes = test::ReadBytes(original);
  const std::string other_bytes = test::ReadBytes(test::WriteFuel(Fuel("b.fll"), "Другой", 2));
  QVERIFY(w_->Load("a.fll"));
  test::ScriptedDialogs& dialogs = w_->dialogs;
  QSignalSpy finished(&Form(), &ui::TForm2::SaveFinished);
  // "Сохранить" writes the fuel's own file without asking; unchanged, byte for byte.
  QVERIFY(Form().Save() && dialogs.save_requests.isEmpty());
  QCOMPARE(test::ReadBytes(original), original_bytes);
  // "Сохранить как..." asks, proposing the fuel's name in the save folder.
  dialogs.save_answers = {Path("copy")};
  QVERIFY(Form().SaveAs());
  QCOMPARE(dialogs.save_requests.value(0).folder, Path("Уголь Д.fll"));
  QCOMPARE(test::ReadBytes(Fuel("copy.fll")), original_bytes);
  QCOMPARE(Form().FilePath(), Fuel("copy.fll"));
  // An existing file is asked about: No asks for another name (none given), Yes replaces it.
  const QString replace =
      QStringLiteral("Внимание !: Файл %1 уже существует.\nЗаменить его?").arg(Path("b.fll"));
  dialogs.save_answers = {Path("b.fll"), QString(), Path("b.fll")};
  dialogs.answers = {QMessageBox::No, QMessageBox::Yes};
  QVERIFY(!Form().SaveAs());
  QCOMPARE(dialogs.save_requests.size(), 3);
  QCOMPARE(test::ReadBytes(Fuel("b.fll")), other_bytes);
  QCOMPARE(Form().FilePath(), Fuel("copy.fll"));
  QVERIFY(Form().SaveAs());
  QCOMPARE(Said(), replace + "\n\n" + replace);
  QCOMPARE(test::ReadBytes(Fuel("b.fll")), original_bytes);
  // The name as typed: "*" at once; characters the file's code page lacks are refused with
  // a hint.
  QLineEdit& name = *Form().ComboBox1;
  name.setFocus();
  test::TypeKeys(name, QStringLiteral(" 2"));
  QCOMPARE(Form().windowTitle(), Path("b.fll") + QStringLiteral("*"));
  QSignalSpy rejected(&name, &QLineEdit::inputRejected);
  const QString emoji = QString::fromUtf8("\xF0\x9F\x94\xA5");
  test::TypeKeys(name, QStringLiteral("α") + emoji + QStringLiteral(" №2 – Ё a"));
  QCOMPARE(rejected.count(), 2);
  QVERIFY(QToolTip::text().contains(emoji) && QToolTip::text().contains("Windows-1251"));
  // A full disk: the old file stays whole, the reason is said, the edits stay unsaved.
  QVERIFY(![&] {
    const test::FullDisk full;
    return Form().Save();
  }());
  QCOMPARE(Said(), QStringLiteral("Ошибка: Не удалось сохранить файл %1\nNo space left on device")
                       .arg(Path("b.fll")));
  QCOMPARE(test::ReadBytes(Fuel("b.fll")), original_bytes);
  QCOMPARE(Form().windowTitle(), Path("b.fll") + QStringLiteral("*"));
  QVERIFY(Form().Save());
  QCOMPARE(Form().windowTitle(), Path("b.fll"));
  QCOMPARE(NameInFile("b.fll"), QStringLiteral("Уголь Д 2 №2 – Ё a"));
  QTest::keyClicks(&name, QString(60, QChar('x')));
  QCOMPARE(name.text().size(), 50);
  // A new fuel has no file and is named by its name field: "Сохранить" asks, proposing it.
  Form().NewFuel();
  QCOMPARE(Form().windowTitle(), QStringLiteral("Новое топливо"));
  name.selectAll();
  test::TypeKeys(name, QStringLiteral("Торф"));
  QCOMPARE(Form().windowTitle(), QStringLiteral("Торф*"));
  dialogs.save_answers = {Path("new.fll")};
  QVERIFY(Form().Save());
  QCOMPARE(dialogs.save_requests.last().folder, Path("Торф.fll"));
  QCOMPARE(Form().FilePath(), Fuel("new.fll"));
  QCOMPARE(finished.count(), 7);
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
  QVERIFY(w_->Load("a.fll"));
  // Replaced by a rename, as editors save: without unsaved edits it is loaded again.
  test::WriteFuel(path, "Уголь другой", 1, {11, 20, 55});
  QTRY_COMPARE(Form().ComboBox1->text(), QStringLiteral("Уголь другой"));
  QCOMPARE(Form().StatusText(), QStringLiteral("Файл изменен на диске и загружен заново"));
  QVERIFY(!Form().HasUnsavedEdits());
  // The window's own save is no change: when the watch looks again it asks nothing.
  QTest::keyClicks(Form().ComboBox1, QStringLiteral(" 2"));
  QSignalSpy looked(Form().findChild<ui::DocumentFileWatch*>()->findChild<QTimer*>(),
                    &QTimer::timeout);
  Form().ShowStatus(QString());
  QVERIFY(Form().Save());
  test::WriteFuel(Fuel("other.fll"), "Другое", 1);
  QTRY_VERIFY(looked.count() > 0);
  QVERIFY(Form().StatusText().isEmpty());
  // With unsaved edits it asks: No keeps the edits, Yes takes the file's.
  QTest::keyClicks(Form().ComboBox1, QStringLiteral(" 3"));
  w_->dialogs.answers = {QMessageBox::No, QMessageBox::Yes};
  write_in_place("Уголь с диска", 12);
  QTRY_COMPARE(w_->dialogs.messages.size(), 1);
  QCOMPARE(Said(), QStringLiteral("Внимание !: Файл %1 изменен на диске другой программой.\n"
                                  "Да — загрузить файл с диска (ваши изменения будут потеряны).\n"
                                  "Нет — оставить ваши изменения.")
                       .arg(Path("a.fll")));
  QCOMPARE(Form().ComboBox1->text(), QStringLiteral("Уголь другой 2 3"));
  QVERIFY(Form().HasUnsavedEdits());
  QCOMPARE(Form().StatusText(), QStringLiteral("Файл изменен на диске; ваши изменения оставлены"));
  write_in_place("Уголь с диска снова", 13);
  QTRY_COMPARE(w_->dialogs.messages.size(), 1);
  QCOMPARE(Form().ComboBox1->text(), QStringLiteral("Уголь с диска снова"));
  QCOMPARE(w_->Doc().XLSheet10.Text(2, 0), std::string("13"));
  QVERIFY(!Form().HasUnsavedEdits());
  // Deleted: said; "Сохранить" writes it again without asking, and it is watched again.
  fs::remove(path);
  QTRY_COMPARE(Form().StatusText(),
               QStringLiteral("Файл удален с диска; «Сохранить» запишет его снова"));
  QVERIFY(Form().Save() && w_->dialogs.save_requests.isEmpty());
  QCOMPARE(NameInFile("a.fll"), QStringLiteral("Уголь с диска снова"));
  test::WriteFuel(path, "Торф", 1, {40});
  QTRY_COMPARE(Form().ComboBox1->text(), QStringLiteral("Торф"));
}

void TForm2Test::MixtureTabShowsTheMixtureOfTheFuelsPicked() {
  ui::MixturePage& page = *Form().TabSheet7;
  Form().PageControl1->setCurrentWidget(&page);
  // The example coal and gas picked as the user does.
  for (const auto& [slot, file] : {std::pair{1, "Каменный уголь.fll"}, {2, "Природный газ.fll"}}) {
    QVERIFY(Form().LoadFuel(test::ExampleFuel(file)));
    QTabBar& bar = *page.GSPages1->tabBar();
    QTest::mouseClick(&bar, Qt::LeftButton, {}, bar.tabRect(slot - 1).center());
    QTest::mouseClick(page.Slot(slot).pick, Qt::LeftButton);
  }
  QCOMPARE(page.GSEdit4->text(), QStringLiteral("газообразное топливо"));
  QTest::keyClicks(page.Edit2, QStringLiteral("60"));
  QTest::keyClicks(page.Edit4, QStringLiteral("40"));
  Doc reference;
  QVERIFY(test::BuildSixtyFortyMixture(reference));
  QCOMPARE(test::FirstDifference(w_->Doc(), reference, {&Doc::XLFuel, &Doc::XLSheet14}), QString());
  // The page shows the document's count, total, results and button.
  QCOMPARE(page.Edit1->text(), QString::fromStdString(reference.Edit1));
  QCOMPARE(page.Edit3->text(), QString::fromStdString(reference.Edit3));
  QVERIFY(&page.XLGrid14->Model()->Sheet() == &w_->Doc().XLSheet14);
  QVERIFY(page.SpeedButton13->isEnabled());
  // The results page runs the design, again when its input is typed (and repaired).
  QTest::mouseClick(page.SpeedButton13, Qt::LeftButton);
  QCOMPARE(page.PageControl2->currentWidget(), page.TabSheet22);
  QVERIFY(test::TypeIntoCell(*page.XLGrid20, 1, 3, QStringLiteral("1250")));
  QVERIFY(test::TypeIntoCell(*page.XLGrid20, 1, 2, QStringLiteral("1,2"), {}, Form().ComboBox1));
  QCOMPARE(test::FirstDifference(w_->Doc(), reference, {&Doc::XLSheet16, &Doc::XLSheet17}),
           QString());
  QVERIFY(!Form().HasUnsavedEdits());  // the mixture is no part of the fuel
  // Its button leads back to the components.
  QTest::mouseClick(page.ComponentsButton, Qt::LeftButton);
  QCOMPARE(page.PageControl2->currentWidget(), page.TabSheet21);
  QCOMPARE(Said(), QString());
}

QTEST_MAIN(TForm2Test)
#include "tform2_test.moc"
