// The program's windows together against a temporary program folder: start-up and the
// settings kept between runs, the fuel list and the flows that span it and the fuel window.
#include <QDesktopServices>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <fstream>
#include <stdexcept>

#include "app/application.h"
#include "app/guarded_application.h"
#include "app/tform1.h"
#include "app/tform4.h"
#include "app/translations.h"
#include "library/qt_paths.h"
#include "library/tform3.h"
#include "test_support.h"
#include "ui/tform2.h"

namespace fs = std::filesystem;
using library::TypeFilters;

// The filter states in the order of their entries on the tool bar and in the menu.
constexpr bool TypeFilters::*kFilterStates[] = {&TypeFilters::solid,      &TypeFilters::anthracite,
                                                &TypeFilters::stone_coal, &TypeFilters::brown_coal,
                                                &TypeFilters::peat,       &TypeFilters::shale,
                                                &TypeFilters::liquid,     &TypeFilters::gaseous};

class AppTest : public QObject {
  Q_OBJECT

 public slots:
  // Receives the addresses the program hands to the desktop.
  void OpenUrl(const QUrl& url) { urls_ << url; }

 private:
  std::unique_ptr<QTemporaryDir> temp_;
  fs::path program_;
  test::ScriptedDialogs dialogs_;
  QList<QUrl> urls_;
  std::unique_ptr<app::Application> app_;

  void Start() {
    app_ = std::make_unique<app::Application>(program_, TempPath() / "data", dialogs_);
    app_->SetSettingsFile(SettingsFile());
    app_->Start();
    QVERIFY(QTest::qWaitForWindowExposed(app_->Form1));
  }
  void Exit() {
    app_->Form1->Exit1->trigger();
    app_.reset();
  }
  static void Activate(QWidget& window) {
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));
  }
  void Click(int row) {
    QListWidget& lines = *app_->Form3->ListBox1;
    QTest::mouseClick(lines.viewport(), Qt::LeftButton, {},
                      lines.visualItemRect(lines.item(row)).center());
  }
  fs::path TempPath() const { return library::ToPath(temp_->path()); }
  fs::path Fuel(const std::string& file) const { return program_ / "Fuel" / file; }
  QString SettingsFile() const { return temp_->filePath(QStringLiteral("pyrana.ini")); }
  QString Name() const { return app_->Form2->ComboBox1->text(); }
  QStringList ListLines() const {
    QStringList lines;
    for (int i = 0; i < app_->Form3->ListBox1->count(); ++i)
      lines << app_->Form3->ListBox1->item(i)->text();
    return lines;
  }
  void WriteCoalGasAndOil() {
    test::WriteFuel(Fuel("a.fll"), "Уголь", 1, {10, 20, 55});
    test::WriteFuel(Fuel("b.fll"), "Газ", 6, {94});
    test::WriteFuel(Fuel("c.fll"), "Мазут", 5, {3});
  }

 private slots:
  void initTestCase() {
    QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "OpenUrl");
    // Qt's Russian translation (Debian's package), as the program installs it.
    QVERIFY(app::InstallQtTranslations(*QCoreApplication::instance()));
    QMessageBox box(QMessageBox::Warning, {}, {}, QMessageBox::Cancel);
    QCOMPARE(box.button(QMessageBox::Cancel)->text(), QStringLiteral("Отмена"));
  }

  void cleanupTestCase() { QDesktopServices::unsetUrlHandler(QStringLiteral("file")); }

  void init() {
    temp_ = std::make_unique<QTemporaryDir>();
    program_ = TempPath() / "program";
    fs::create_directories(program_ / "Help");
    std::ofstream(program_ / "Help" / "Help.htm") << "<html></html>";
    dialogs_ = test::ScriptedDialogs();
    urls_.clear();
  }

  void cleanup() {
    app_.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    temp_.reset();
  }

  void TypeFiltersHideTheirTypesAndSwitchFromBothPlaces() {
    // Solid off hides every value below 5 whatever the subtype marks say; a subtype hides
    // its own value alone (not 2.5), and a value without a filter is never hidden.
    const float types[] = {0, 1, 2, 2.5f, 3, 4, 5, 6, 7};
    const QList<float> solid = {0, 1, 2, 2.5f, 3, 4};
    const std::pair<QList<int>, QList<float>> rows[] = {
        {{}, {}},   {{0}, solid}, {{1}, {0}}, {{2}, {1}},      {{3}, {2}},      {{4}, {3}},
        {{5}, {4}}, {{6}, {5}},   {{7}, {6}}, {{0, 2}, solid}, {{2, 7}, {1, 6}}};
    for (const auto& [off, hidden] : rows) {
      TypeFilters filters;
      for (int i : off) filters.*kFilterStates[i] = false;
      QList<float> excluded;
      for (float type : types) {
        if (library::IsExcluded(filters, type)) excluded << type;
      }
      QCOMPARE(excluded, hidden);
    }
    Start();
    const app::TForm1& f = *app_->Form1;
    // Off from one place and on again from the other (the solid menu entry only shows).
    QAction* solid_menu = f.Solid1->menuAction();
    const std::pair<QAction*, QAction*> filters[] = {
        {f.SolidButton, solid_menu},  {f.Anthracite1, f.Anthracite2},
        {f.StoneCoal2, f.StoneCoal1}, {f.BrownCoal1, f.BrownCoal2},
        {f.Peat2, f.Peat1},           {f.Shale1, f.Shale2},
        {f.Liquid1, f.LiquidButton},  {f.GasButton, f.Gas1}};
    for (int i = 0; i < 8; ++i) {
      const auto [one, other] = filters[i];
      for (QAction* place : {one, i == 0 ? one : other}) {
        const bool on = !(app_->Filters().*kFilterStates[i]);
        place->trigger();
        QVERIFY2(app_->Filters().*kFilterStates[i] == on && one->isChecked() == on &&
                     other->isChecked() == on,
                 qPrintable(one->text()));
      }
    }
  }

  void StartUpKeepsTheSettingsAndFindsTheLibrary() {
    // Garbage settings: the default places; the library is made beside the program.
    { std::ofstream(library::ToPath(SettingsFile())) << "\x00\xff\xfe[[[\n=\n\x01 garbage \xd0"; }
    Start();
    QVERIFY(fs::is_directory(program_ / "Fuel") && app_->Form3->isVisible() &&
            !app_->DocumentOpen());
    // Filters, places and the tab are kept for the next run.
    test::WriteFuel(Fuel("a.fll"), "Уголь", 1);
    app_->RereadFolder();
    app_->Form1->Liquid1->trigger();
    app_->Form1->Peat2->trigger();
    app_->Form3->ListBox1->setCurrentRow(0);
    app_->Form2->ShowTab(2);
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    const QRect list_place(screen.x() + 5, screen.y() + 60, 230, screen.height() / 2);
    const int doc_width = std::max(600, app_->Form2->minimumSizeHint().width());
    const QRect doc_place(std::max(screen.x(), screen.right() - doc_width), screen.y() + 80,
                          doc_width, screen.height() - 90);
    app_->Form3->setGeometry(list_place);
    app_->Form2->setGeometry(doc_place);
    Exit();
    Start();
    QVERIFY(!app_->Filters().liquid && !app_->Filters().peat && !app_->Form1->Liquid1->isChecked());
    QCOMPARE(app_->Form3->geometry(), list_place);
    app_->Form3->ListBox1->setCurrentRow(0);
    QCOMPARE(app_->Form2->size(), doc_place.size());  // the frame may be moved onto the screen
    QCOMPARE(app_->Form2->geometry().top(), doc_place.top());
    QCOMPARE(app_->Form2->CurrentTab(), 2);
    Exit();
    // A wrong value gives the default; a place off this screen is moved onto it. Without the
    // program folder the library is in the data folder, here a dangling link: said so.
    {
      QSettings kept(SettingsFile(), QSettings::IniFormat);
      kept.setValue(QStringLiteral("document/geometry"),
                    QRect(screen.left() + 300, screen.bottom() + 200, 700, screen.height() + 300));
      kept.setValue(QStringLiteral("filters/liquid"), QStringLiteral("maybe"));
    }
    const fs::path data_library = TempPath() / "data" / "Fuel";
    fs::create_directories(data_library.parent_path());
    fs::create_symlink(TempPath() / "gone", data_library);
    program_ = TempPath() / "missing" / "program";
    Start();
    QCOMPARE(app_->Form3->LibraryFolder(), data_library);
    QCOMPARE(dialogs_.messages.size(), 1);
    QCOMPARE(dialogs_.messages[0].text,
             QStringLiteral("Папка базы топлива %1 не читается: ссылка указывает на "
                            "несуществующий объект.")
                 .arg(library::ToQString(data_library)));
    QVERIFY(!fs::exists(program_) && !app_->Form1->Help1->isEnabled());
    QVERIFY(app_->Filters().liquid && !app_->Filters().peat);
    app_->Form1->New1->trigger();
    const QRect frame = app_->Form2->frameGeometry();
    QCOMPARE(std::pair(frame.top(), frame.bottom()), std::pair(screen.top(), screen.bottom()));
    // Once the folder is there, F5 reads it and nothing more is said.
    fs::remove(data_library);
    test::WriteFuel(data_library / "a.fll", "Уголь", 1);
    QTest::keyClick(app_->Form1, Qt::Key_F5);
    QCOMPARE(ListLines(), QStringList{QStringLiteral("Уголь")});
    QCOMPARE(dialogs_.messages.size(), 1);
  }

  void ListShowsTheFolderInFileOrderAndFollowsIt() {
    WriteCoalGasAndOil();
    Start();
    library::TForm3& list = *app_->Form3;
    QCOMPARE(ListLines(), (QStringList{QStringLiteral("Уголь"), QStringLiteral("Газ"),
                                       QStringLiteral("Мазут")}));
    list.SelectRow(0);
    // Files added, rewritten and removed by others: the list follows, keeping the selection.
    for (int i = 0; i < 20; ++i) test::WriteFuel(Fuel("x" + std::to_string(i) + ".fll"), "X", 4);
    test::WriteFuel(Fuel("a.fll"), "Антрацит", 0);
    fs::remove(Fuel("c.fll"));
    QTRY_COMPARE_WITH_TIMEOUT(ListLines().size(), 22, 5000);
    QCOMPARE(ListLines().first(), QStringLiteral("Антрацит"));
    QCOMPARE(list.SelectedPath(), std::optional<fs::path>(Fuel("a.fll")));
    // Another folder on "Настройка базы" lists that folder's fuels; the library stays.
    test::WriteFuel(TempPath() / "other" / "x.fll", "Чужой", 6);
    list.SetListedFolder(TempPath() / "other");
    QCOMPARE(ListLines(), QStringList{QStringLiteral("Чужой")});
    QCOMPARE(list.LibraryFolder(), program_ / "Fuel");
  }

  void ChoosingAFuelAsksAboutUnsavedEdits() {
    WriteCoalGasAndOil();
    Start();
    library::TForm3& list = *app_->Form3;
    QListWidget& lines = *list.ListBox1;
    Activate(list);
    Click(0);
    QPointer<ui::TForm2> form2 = app_->Form2;
    QTRY_VERIFY(lines.hasFocus());
    // The arrow keys load line by line into the same window; after an edit, they and a
    // click on the open fuel neither ask nor load.
    QTest::keyClick(&lines, Qt::Key_Down);
    QCOMPARE(Name(), QStringLiteral("Газ"));
    const auto edit = [&form2] { QTest::keyClicks(form2->ComboBox1, QStringLiteral("!")); };
    edit();
    Click(1);
    QTest::keyClick(&lines, Qt::Key_Down);
    QVERIFY(dialogs_.messages.isEmpty());
    QCOMPARE(Name(), QStringLiteral("Газ!"));
    QCOMPARE(app_->Form2, form2);
    // Enter asks (the question takes the focus away); Cancel keeps the document and gives
    // its line and the focus back to the list.
    dialogs_.while_asking = [this] {
      QApplication::setActiveWindow(app_->Form1);
      app_->Form1->setFocus();
    };
    dialogs_.answers = {QMessageBox::Cancel, QMessageBox::No};
    QTest::keyClick(&lines, Qt::Key_Return);
    QCOMPARE(dialogs_.messages[0].text, QStringLiteral("Сохранить изменения топлива \"Газ!\"?"));
    QCOMPARE(Name(), QStringLiteral("Газ!"));
    QCOMPARE(list.SelectedRow(), 1);
    QTRY_VERIFY(lines.hasFocus());
    Click(2);  // No: the chosen fuel loads
    QCOMPARE(Name(), QStringLiteral("Мазут"));
    // "Новый" asks too. Yes saves first (a new fuel asks for a file), then the choice loads.
    edit();
    dialogs_.answers = {QMessageBox::No};
    app_->Form1->New1->trigger();
    QVERIFY(dialogs_.messages.size() == 3 && list.SelectedRow() == -1);
    edit();
    dialogs_.answers = {QMessageBox::Yes};
    dialogs_.save_answers = {library::ToQString(Fuel("d.fll"))};
    Click(0);
    QCOMPARE(ListLines().size(), 4);
    QCOMPARE(list.SelectedPath(), std::optional<fs::path>(Fuel("a.fll")));
    QCOMPARE(Name(), QStringLiteral("Уголь"));
    // So does the reload after a deletion: Cancel keeps the document unsaved.
    edit();
    list.SelectPath(Fuel("d.fll"));
    dialogs_.answers = {QMessageBox::Yes, QMessageBox::Cancel};
    app_->Form1->DeleteFuel1->trigger();
    QVERIFY(!fs::exists(Fuel("d.fll")));
    QCOMPARE(Name(), QStringLiteral("Уголь!"));
    QCOMPARE(list.SelectedPath(), std::optional<fs::path>(Fuel("a.fll")));
  }

  void DeleteAsksAndDeletesTheFileOfTheLine() {
    WriteCoalGasAndOil();
    Start();
    app::TForm1& f = *app_->Form1;
    library::TForm3& list = *app_->Form3;
    QVERIFY(!f.DeleteFuel1->isEnabled());  // nothing selected
    // "Т " off hides the coal at once and says so; the selection stays on its fuel.
    list.SelectPath(Fuel("c.fll"));
    f.SolidButton->trigger();
    QCOMPARE(ListLines(), (QStringList{QStringLiteral("Газ"), QStringLiteral("Мазут")}));
    QCOMPARE(list.SelectedPath(), std::optional<fs::path>(Fuel("c.fll")));
    QCOMPARE(list.CountLabel->text(), QStringLiteral("показано 2 из 3"));
    // Line 0 is the gas, so its file is named: No from the Delete key keeps it, Yes deletes.
    list.SelectRow(0);
    dialogs_.answers = {QMessageBox::No, QMessageBox::Yes};
    Activate(list);
    list.ListBox1->setFocus();
    QTest::keyClick(list.ListBox1, Qt::Key_Delete);
    QCOMPARE(dialogs_.Said(), QStringLiteral("Внимание !: Удалить файл «b.fll»?"));
    f.DeleteFuel1->trigger();
    QVERIFY(!fs::exists(Fuel("b.fll")) && fs::exists(Fuel("a.fll")) && fs::exists(Fuel("c.fll")));
    QCOMPARE(ListLines(), QStringList{QStringLiteral("Мазут")});
    QCOMPARE(list.SelectedRow(), 0);
    // With a document open, deleting the last line shows the first remaining fuel.
    f.SolidButton->trigger();
    QTest::keyClick(list.ListBox1, Qt::Key_Return);  // the oil, still selected, opens
    dialogs_.answers = {QMessageBox::Yes};
    f.DeleteFuel1->trigger();
    QCOMPARE(list.SelectedRow(), 0);
    QCOMPARE(Name(), QStringLiteral("Уголь"));
    // A file that cannot be deleted is reported (here a folder took its name meanwhile).
    fs::remove(Fuel("a.fll"));
    fs::create_directories(Fuel("a.fll") / "keep");
    dialogs_.answers = {QMessageBox::Yes};
    f.DeleteFuel1->trigger();
    QVERIFY(dialogs_.messages.last().text.startsWith(QStringLiteral("Не удалось удалить файл ") +
                                                     library::ToQString(Fuel("a.fll"))));
    QVERIFY(fs::exists(Fuel("a.fll") / "keep"));
  }

  void MainWindowCommandsAndHelpFollowTheDocument() {
    test::WriteFuel(Fuel("a.fll"), "Уголь", 1, {10, 20, 55});
    Start();
    app::TForm1& f = *app_->Form1;
    // The document's commands are on with a document only; a closed fuel window is gone.
    QVERIFY(!f.Save1->isEnabled());
    QTest::keyClick(&f, Qt::Key_N, Qt::ControlModifier);
    QVERIFY(f.Save1->isEnabled() && f.SaveAs1->isEnabled() && f.Close1->isEnabled());
    f.Close1->trigger();
    QTRY_VERIFY(app_->Form2 == nullptr && !f.Close1->isEnabled());
    // A choice opens a new one; undo and saving from the main window act on it.
    app_->Form3->ListBox1->setCurrentRow(0);
    ui::TForm2& doc = *app_->Form2;
    QTest::keyClicks(doc.ComboBox1, QStringLiteral(" X"));
    Activate(f);
    QTest::keyClick(&f, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(Name(), QStringLiteral("Уголь"));
    QVERIFY(!f.Undo1->isEnabled() && f.Redo1->isEnabled());
    QTest::keyClick(&f, Qt::Key_Y, Qt::ControlModifier);
    // Ctrl+S writes the fuel's own file unasked, the list keeping it; Ctrl+Shift+S asks.
    QTest::keyClick(&f, Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(fuel::ReadFuelFile(Fuel("a.fll"), 0).name_line.name, fuel::Utf8ToCp1251("Уголь X"));
    QCOMPARE(app_->Form3->SelectedPath(), std::optional<fs::path>(Fuel("a.fll")));
    QTest::keyClick(&f, Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(dialogs_.save_requests.size(), 1);
    // "Открыть": the first dialog starts in the library, and a file from elsewhere gets no line
    // of the list; the next starts where that file came from, and a library file gets its line.
    const fs::path mail = TempPath() / "mail";
    const fs::path received = test::WriteFuel(mail / "received.fll", "Присланный мазут", 5, {3});
    dialogs_.open_answers = {library::ToQString(received), library::ToQString(Fuel("a.fll"))};
    f.Open1->trigger();
    QCOMPARE(dialogs_.open_requests[0].folder, library::ToQString(program_ / "Fuel"));
    QVERIFY(app_->Form2->FilePath() == received && app_->Form3->SelectedRow() == -1);
    f.Open1->trigger();
    QCOMPARE(dialogs_.open_requests[1].folder, library::ToQString(mail));
    QCOMPARE(app_->Form3->SelectedRow(), 0);

    // F1 opens help at the fuel window's tab, or at the top from the main window.
    const QUrl page = QUrl::fromLocalFile(library::ToQString(program_ / "Help" / "Help.htm"));
    Activate(doc);
    doc.ShowTab(3);
    QTest::keyClick(&doc, Qt::Key_F1);
    Activate(f);
    f.Help1->trigger();
    QCOMPARE(urls_, (QList<QUrl>{page.resolved(QUrl(QStringLiteral("#tab-balance"))), page}));
    // No program takes the page (the offscreen platform opens nothing by itself).
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    QTest::keyClick(&f, Qt::Key_F1);
    QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "OpenUrl");
    QVERIFY(dialogs_.messages.last().text.startsWith(
        QStringLiteral("Не удалось открыть страницу помощи ") + page.toLocalFile()));

    // "Выход" closes both windows, unsaved input asked about first.
    QTest::keyClicks(doc.ComboBox1, QStringLiteral("x"));
    dialogs_.answers = {QMessageBox::Cancel, QMessageBox::No};
    f.Exit1->trigger();
    QVERIFY(f.isVisible() && app_->DocumentOpen());
    f.Exit1->trigger();
    QVERIFY(!app_->DocumentOpen() && !f.isVisible());
  }

  void AboutOpensOnceAndFailuresAreReported() {
    Start();
    app::TForm1& f = *app_->Form1;
    f.About1->trigger();
    f.About1->trigger();
    QCOMPARE(f.findChildren<app::TForm4*>().size(), 1);
    // A failure outside every window's own guard is reported at the event boundary.
    auto* guarded = qobject_cast<app::GuardedApplication*>(QCoreApplication::instance());
    guarded->SetDialogs(&dialogs_);
    QMetaObject::invokeMethod(
        &f, [] { throw std::runtime_error("'abc' is not a number"); }, Qt::QueuedConnection);
    QCoreApplication::sendPostedEvents(&f, QEvent::MetaCall);
    guarded->SetDialogs(nullptr);
    QCOMPARE(dialogs_.messages.size(), 1);
    QCOMPARE(dialogs_.messages[0].text, QStringLiteral("'abc' is not a number"));
    QCOMPARE(dialogs_.messages[0].icon, QMessageBox::Critical);
  }
};

int main(int argc, char** argv) {
  app::GuardedApplication application(argc, argv);
  AppTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "app_test.moc"
