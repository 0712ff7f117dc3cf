// The program's windows together against a temporary program folder: start-up, the main
// window's commands, enabled rules and filters, the fuel list, About, help, the captions
// and the error report.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDesktopServices>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <QUrl>
#include <fstream>
#include <iterator>
#include <memory>
#include <stdexcept>

#include "app/application.h"
#include "app/guarded_application.h"
#include "app/link_label.h"
#include "app/tform1.h"
#include "app/tform4.h"
#include "app/translations.h"
#include "calc/design.h"
#include "calc/fuel_io.h"
#include "library/qt_paths.h"
#include "library/tform3.h"
#include "test_support.h"
#include "ui/all_data_page.h"
#include "ui/design_parameters_page.h"
#include "ui/main_properties_page.h"
#include "ui/mixture_page.h"
#include "ui/tform2.h"

namespace fs = std::filesystem;

// Receives the addresses the program hands to the desktop.
class UrlCatcher : public QObject {
  Q_OBJECT

 public:
  QList<QUrl> urls;

 public slots:
  void Open(const QUrl& url) { urls << url; }
};

// An object whose event handler fails, as a calculation that nothing guards does.
class FailingObject : public QObject {
 public:
  bool event(QEvent* event) override {
    if (event->type() == QEvent::User)
      throw std::runtime_error("'abc' is not a valid floating point value");
    return QObject::event(event);
  }
};

class AppTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase();
  void cleanupTestCase();
  void init();
  void cleanup();
  void StartUpCreatesTheLibraryAndPlacesTheWindows();
  void HelpOpensThePageOrSaysWhyNot();
  void F1OpensTheSectionOfTheActiveFuelWindowsTab();
  void EnabledRulesFollowTheDocument();
  void ListShowsTheFolderInFileOrderAndFollowsIt();
  void FiltersAgreeInBothPlacesAndHideFuels();
  void ChoosingALineOpensTheFuelAndNewClearsTheChoice();
  void UnsavedEditsAreAskedAboutBeforeTheDocumentIsReplaced();
  void OpenReadsAnyFuelFile();
  void DeleteAsksDeletesAndReportsWhatCannotBeDeleted();
  void ShowHideListAndExit();
  void AboutWindowOpensOnceAndCloses();
  void FailuresReachTheErrorReportAndTheProgramGoesOn();
  void QtTextsAndOurMessagesAreRussian();
  void UndoRedoSaveAsAndKeysOfTheMainWindow();
  void PlacesTabAndFiltersAreKeptBetweenRuns();
  void CorruptSettingsGiveTheDefaults();
  void PlacesFromALargerScreenAreMovedIn();
  void TheDocumentWindowCarriesTheMenus();
  void TheListKeepsTheFocusAndTheOpenFuel();
  void DeleteIsOfferedForASelectedFuelAndNamesItsFile();
  void AnUnreadableLibraryFolderIsNamedWithTheReason();

 private:
  void Start(bool with_help = true);
  // A coal in the library, the program started and the coal chosen in the list.
  void StartWithCoalOpen() {
    test::WriteFuel(Fuel("a.fll"), "Уголь", 1, {10, 20, 55});
    Start();
    app_->Form3->ListBox1->setCurrentRow(0);
  }
  static void Activate(QWidget& window) {
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));
  }
  fs::path Fuel(const std::string& file) const { return program_ / "Fuel" / file; }
  QString SettingsFile() const { return temp_->filePath(QStringLiteral("pyrana.ini")); }
  static QToolButton* Button(QToolBar* toolbar, QAction* action) {
    return qobject_cast<QToolButton*>(toolbar->widgetForAction(action));
  }
  QStringList ListLines() const {
    QStringList lines;
    for (int i = 0; i < app_->Form3->ListBox1->count(); ++i)
      lines << app_->Form3->ListBox1->item(i)->text();
    return lines;
  }
  // The filter states in TypeFilters order as both their displays show them; an empty
  // list when the two displays of a state disagree.
  QList<bool> FilterDisplays();

  void WriteCoalGasAndOil() {
    test::WriteFuel(Fuel("a.fll"), "Уголь", 1, {10, 20, 55});
    test::WriteFuel(Fuel("b.fll"), "Газ", 6, {94});
    test::WriteFuel(Fuel("c.fll"), "Мазут", 5, {3});
  }

  void WriteThreeFuels() {
    test::WriteFuel(Fuel("1.fll"), "Мазут", 5);
    test::WriteFuel(Fuel("2.fll"), "Уголь", 1);
    test::WriteFuel(Fuel("3.fll"), "Газ", 6);
  }

  std::unique_ptr<QTemporaryDir> temp_;
  fs::path program_;
  test::ScriptedDialogs dialogs_;
  UrlCatcher urls_;
  std::unique_ptr<app::Application> app_;
};

void AppTest::initTestCase() {
  for (const char* scheme : {"mailto", "http", "file"}) {
    QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), &urls_, "Open");
  }
}

void AppTest::cleanupTestCase() {
  for (const char* scheme : {"mailto", "http", "file"}) {
    QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
  }
}

void AppTest::init() {
  temp_ = std::make_unique<QTemporaryDir>();
  QVERIFY(temp_->isValid());
  program_ = library::ToPath(temp_->path()) / "program";
  fs::create_directory(program_);
  dialogs_ = test::ScriptedDialogs();
  urls_.urls.clear();
}

void AppTest::cleanup() {
  app_.reset();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  temp_.reset();
}

void AppTest::Start(bool with_help) {
  if (with_help) {
    fs::create_directory(program_ / "Help");
    std::ofstream(program_ / "Help" / "Help.htm") << "<html></html>";
  }
  app_ = std::make_unique<app::Application>(program_, library::ToPath(temp_->path()) / "data",
                                            dialogs_);
  app_->SetSettingsFile(SettingsFile());
  app_->Start();
  QVERIFY(QTest::qWaitForWindowExposed(app_->Form1));
}

QList<bool> AppTest::FilterDisplays() {
  app::TForm1& f = *app_->Form1;
  const std::pair<QAction*, QAction*> pairs[] = {
      {f.SolidButton, f.Solid1->menuAction()},
      {f.Anthracite1, f.Anthracite2},
      {f.StoneCoal1, f.StoneCoal2},
      {f.BrownCoal1, f.BrownCoal2},
      {f.Peat1, f.Peat2},
      {f.Shale1, f.Shale2},
      {f.LiquidButton, f.Liquid1},
      {f.GasButton, f.Gas1},
  };
  QList<bool> states;
  for (const auto& [a, b] : pairs) {
    if (a->isChecked() != b->isChecked()) return {};
    states << a->isChecked();
  }
  return states;
}

void AppTest::StartUpCreatesTheLibraryAndPlacesTheWindows() {
  QVERIFY(!fs::exists(program_ / "Fuel"));
  Start();
  QVERIFY(fs::is_directory(program_ / "Fuel"));
  QCOMPARE(app_->Form3->ListBox1->count(), 0);
  QCOMPARE(app_->Form3->LibraryFolder(), program_ / "Fuel");
  QCOMPARE(app_->Form1->pos(), QPoint(0, 0));
  const QRect main_frame = app_->Form1->frameGeometry();
  QCOMPARE(app_->Form3->pos(), QPoint(0, main_frame.top() + main_frame.height() + 1));
  QVERIFY(app_->Form3->width() >= 218);
  QVERIFY(app_->Form3->isVisible());
  QVERIFY(app_->Form2 == nullptr);
  QVERIFY(!app_->DocumentOpen());
  QVERIFY(!app_->AboutOpen());

  // A program folder that cannot hold the library: it moves to the data folder.
  app_.reset();
  program_ = library::ToPath(temp_->path()) / "missing" / "program";
  Start(false);
  const fs::path data_library = library::ToPath(temp_->path()) / "data" / "Fuel";
  QVERIFY(fs::is_directory(data_library));
  QCOMPARE(app_->Form3->LibraryFolder(), data_library);
  QVERIFY(!fs::exists(program_));
}

void AppTest::HelpOpensThePageOrSaysWhyNot() {
  Start(false);
  QVERIFY(!app_->Form1->Help1->isEnabled());
  app_->Form1->Help1->trigger();
  QVERIFY(urls_.urls.isEmpty());
  app_.reset();
  Start(true);
  QVERIFY(app_->Form1->Help1->isEnabled());
  QTest::mouseClick(Button(app_->Form1->ToolBar5, app_->Form1->Help1), Qt::LeftButton);
  QCOMPARE(urls_.urls,
           QList<QUrl>{QUrl::fromLocalFile(library::ToQString(program_ / "Help" / "Help.htm"))});
  QVERIFY(dialogs_.messages.isEmpty());
  // No program takes the page (the offscreen platform opens nothing by itself).
  QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
  QTest::keyClick(app_->Form1, Qt::Key_F1);
  QDesktopServices::setUrlHandler(QStringLiteral("file"), &urls_, "Open");
  QCOMPARE(dialogs_.messages.size(), 1);
  QVERIFY(
      dialogs_.messages[0].text.startsWith(QStringLiteral("Не удалось открыть страницу помощи ") +
                                           library::ToQString(program_ / "Help" / "Help.htm")));
  QCOMPARE(urls_.urls.size(), 1);
}

void AppTest::F1OpensTheSectionOfTheActiveFuelWindowsTab() {
  StartWithCoalOpen();
  ui::TForm2& doc = *app_->Form2;
  const QUrl page = QUrl::fromLocalFile(library::ToQString(program_ / "Help" / "Help.htm"));
  const auto section = [&page](const QString& id) {
    QUrl url = page;
    url.setFragment(id);
    return url;
  };
  Activate(doc);
  doc.ShowTab(3);  // "Тепловой баланс"
  QTest::keyClick(&doc, Qt::Key_F1);
  doc.ShowTab(4);  // "Смесь топлива"
  QTest::keyClick(&doc, Qt::Key_F1);
  // The main window active: the page's top, whatever tab the fuel window shows.
  Activate(*app_->Form1);
  QTest::keyClick(app_->Form1, Qt::Key_F1);
  QCOMPARE(urls_.urls, (QList<QUrl>{section(QStringLiteral("tab-balance")),
                                    section(QStringLiteral("tab-mixture")), page}));
  // Each section the fuel window names is on the page the program ships.
  std::ifstream in(std::string(PYRANA_SOURCE_DIR) + "/Help/Help.htm", std::ios::binary);
  const std::string shipped((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  for (int tab = 0; tab < 5; ++tab) {
    doc.ShowTab(tab);
    const std::string id = doc.HelpSection().toStdString();
    QVERIFY2(shipped.find("id=\"" + id + "\"") != std::string::npos, id.c_str());
  }
}

void AppTest::EnabledRulesFollowTheDocument() {
  Start();
  app::TForm1& f = *app_->Form1;
  const auto document_items = [&f] {
    return QList<bool>{f.Save1->isEnabled(), f.SaveAs1->isEnabled(), f.Close1->isEnabled(),
                       Button(f.ToolBar2, f.Save1)->isEnabled(),
                       Button(f.ToolBar2, f.Close1)->isEnabled()};
  };
  QCOMPARE(document_items(), QList<bool>(5, false));
  QVERIFY(f.New1->isEnabled() && f.Open1->isEnabled() && f.Exit1->isEnabled());
  // Ctrl+O asks for a file; cancelled, it opens nothing.
  QTest::keyClick(&f, Qt::Key_O, Qt::ControlModifier);
  QCOMPARE(dialogs_.open_requests.size(), 1);
  QVERIFY(app_->Form2 == nullptr);
  // Ctrl+N opens a document.
  QTest::keyClick(&f, Qt::Key_N, Qt::ControlModifier);
  QVERIFY(app_->DocumentOpen() && app_->Form2 != nullptr);
  QCOMPARE(document_items(), QList<bool>(5, true));
  f.Close1->trigger();
  QVERIFY(!app_->DocumentOpen());
  QCOMPARE(document_items(), QList<bool>(5, false));
  QTRY_VERIFY(app_->Form2 == nullptr);  // a closed document window is gone for good
  f.Save1->trigger();
  QVERIFY(dialogs_.save_requests.isEmpty());
}

void AppTest::ListShowsTheFolderInFileOrderAndFollowsIt() {
  test::WriteFuel(Fuel("c.fll"), "Третий", 5);
  test::WriteFuel(Fuel("A.FLL"), "Первый", 1);
  test::WriteFuel(Fuel("b.fll"), "Первый", 6);
  std::ofstream(Fuel("notes.txt")) << "not a fuel";
  Start();
  library::TForm3& list = *app_->Form3;
  QCOMPARE(ListLines(), (QStringList{QStringLiteral("Первый"), QStringLiteral("Первый"),
                                     QStringLiteral("Третий")}));
  QCOMPARE(list.ListBox2, (std::vector<fs::path>{Fuel("A.FLL"), Fuel("b.fll"), Fuel("c.fll")}));
  QCOMPARE(list.SelectedRow(), -1);
  QCOMPARE(list.FolderLabel->toolTip(),
           QStringLiteral("Папка базы топлива: ") + library::ToQString(program_ / "Fuel"));
  QCOMPARE(list.CountLabel->text(), QStringLiteral("топлив в папке: 3"));
  // Two lines with one name each load their own file.
  list.ListBox1->setCurrentRow(1);
  QCOMPARE(app_->Form2->ComboBox3->currentIndex(), 6);
  list.ListBox1->setCurrentRow(0);
  QCOMPARE(app_->Form2->ComboBox3->currentIndex(), 1);
  // A filter that hides a fuel shows at a glance; the selection stays on a shown fuel.
  app_->Form1->Gas1->trigger();
  QCOMPARE(list.CountLabel->text(), QStringLiteral("показано 2 из 3"));
  QVERIFY(list.CountLabel->font().bold());
  QCOMPARE(list.SelectedPath(), std::optional<fs::path>(Fuel("A.FLL")));
  app_->Form1->Gas1->trigger();
  // Another program adds a file and rewrites one in place: the list follows by itself.
  test::WriteFuel(Fuel("d.fll"), "Мазут", 5);
  {
    std::ofstream rewrite(Fuel("A.FLL"), std::ios::binary | std::ios::trunc);
    rewrite << fuel::Utf8ToCp1251("Антрацит") << "\r\n" << std::string(15 * 6, ' ') << "0 ";
  }
  QTRY_COMPARE_WITH_TIMEOUT(ListLines(),
                            (QStringList{QStringLiteral("Антрацит"), QStringLiteral("Первый"),
                                         QStringLiteral("Третий"), QStringLiteral("Мазут")}),
                            5000);
  QCOMPARE(list.SelectedPath(), std::optional<fs::path>(Fuel("A.FLL")));
  // A burst of files is read in one rescan.
  for (int i = 0; i < 50; ++i) test::WriteFuel(Fuel("x" + std::to_string(i) + ".fll"), "X", 4);
  fs::remove(Fuel("b.fll"));
  QTRY_COMPARE_WITH_TIMEOUT(ListLines().size(), 53, 5000);
  // Another folder on "Настройка базы" lists that folder's fuels; the library stays.
  const fs::path other = library::ToPath(temp_->path()) / "other";
  test::WriteFuel(other / "x.fll", "Чужой", 6);
  list.SetListedFolder(other);
  QCOMPARE(ListLines(), QStringList{QStringLiteral("Чужой")});
  QCOMPARE(list.LibraryFolder(), program_ / "Fuel");
}

void AppTest::FiltersAgreeInBothPlacesAndHideFuels() {
  // A fuel of each type value, one between two types and one of a type without an entry.
  const std::pair<QString, float> fuels[] = {
      {QStringLiteral("Антрацит"), 0}, {QStringLiteral("Каменный"), 1},
      {QStringLiteral("Бурый"), 2},    {QStringLiteral("Полуторный"), 2.5f},
      {QStringLiteral("Торф"), 3},     {QStringLiteral("Сланец"), 4},
      {QStringLiteral("Мазут"), 5},    {QStringLiteral("Газ"), 6},
      {QStringLiteral("Седьмой"), 7}};
  for (const auto& [name, type] : fuels) {
    test::WriteFuel(Fuel(name.toStdString() + ".fll"), name.toStdString(), type);
  }
  Start();
  app::TForm1& f = *app_->Form1;
  const auto hidden = [&] {
    QList<float> types;
    for (const auto& [name, type] : fuels) {
      if (!ListLines().contains(name)) types << type;
    }
    return types;
  };
  QCOMPARE(FilterDisplays(), QList<bool>(8, true));
  QVERIFY(hidden().isEmpty());

  // Each filter in FilterDisplays order, off from one place and on again from the other,
  // hides exactly its types: solid every value below 5, a subtype its own index alone.
  struct Filter {
    QAction* off;
    QAction* on;
    QList<float> types;
  };
  const Filter filters[] = {
      {f.SolidButton, f.SolidButton, {0, 1, 2, 2.5f, 3, 4}},
      {f.Anthracite1, f.Anthracite2, {0}},
      {f.StoneCoal2, f.StoneCoal1, {1}},
      {f.BrownCoal1, f.BrownCoal2, {2}},
      {f.Peat2, f.Peat1, {3}},
      {f.Shale1, f.Shale2, {4}},
      {f.Liquid1, f.LiquidButton, {5}},
      {f.GasButton, f.Gas1, {6}},
  };
  for (int i = 0; i < 8; ++i) {
    filters[i].off->trigger();
    QList<bool> states(8, true);
    states[i] = false;
    QCOMPARE(FilterDisplays(), states);
    QCOMPARE(hidden(), filters[i].types);
    filters[i].on->trigger();
    QCOMPARE(FilterDisplays(), QList<bool>(8, true));
    QVERIFY(hidden().isEmpty());
  }

  // Solid off (a click on "Т ") hides every solid fuel, the subtype marks stay as they
  // are; on again, a subtype switched off meanwhile takes effect.
  QTest::mouseClick(Button(f.ToolBar4, f.SolidButton), Qt::LeftButton);
  f.StoneCoal1->trigger();
  QCOMPARE(FilterDisplays(), (QList<bool>{false, true, false, true, true, true, true, true}));
  QCOMPARE(hidden(), (QList<float>{0, 1, 2, 2.5f, 3, 4}));
  QVERIFY(!app_->Filters().solid && !app_->Filters().stone_coal);
  QTest::mouseClick(Button(f.ToolBar4, f.SolidButton), Qt::LeftButton);
  QCOMPARE(hidden(), QList<float>{1});
  QVERIFY(app_->Filters().solid && !app_->Filters().stone_coal);
}

void AppTest::ChoosingALineOpensTheFuelAndNewClearsTheChoice() {
  test::WriteCoal(Fuel("a.fll"));
  test::WriteFuel(Fuel("b.fll"), "Газ", 6, test::kWorkedGas);
  test::WriteFuel(Fuel("c.fll"), "Мазут", 5, {3});
  Start();
  library::TForm3& list = *app_->Form3;
  Activate(list);
  const QRect first = list.ListBox1->visualItemRect(list.ListBox1->item(0));
  QTest::mouseClick(list.ListBox1->viewport(), Qt::LeftButton, {}, first.center());
  QVERIFY(app_->DocumentOpen());
  QPointer<ui::TForm2> form2 = app_->Form2;
  QVERIFY(form2 != nullptr && form2->isVisible());
  QCOMPARE(form2->FilePath(), Fuel("a.fll"));
  // Window activation arrives through the event queue; once it has, the list has the focus.
  QTRY_COMPARE(QApplication::activeWindow(), &list);
  QVERIFY(list.ListBox1->hasFocus());
  // The choice also ran the design calculation at the given excess air.
  calc::FuelDocument reference;
  QVERIFY(calc::LoadLibraryFuel(reference, Fuel("a.fll")));
  calc::XLGrid15EditModeChanged(reference);
  QVERIFY(!reference.XLSheet15.Text(1, 6).empty());
  QCOMPARE(test::FirstDifference(form2->Document(), reference, {&calc::FuelDocument::XLSheet15}),
           QString());
  // The arrow keys walk the library, loading each fuel in turn into the same window.
  QTest::keyClick(list.ListBox1, Qt::Key_Down);
  QCOMPARE(form2->ComboBox1->text(), QStringLiteral("Газ"));
  QTest::keyClick(list.ListBox1, Qt::Key_Down);
  QCOMPARE(form2->ComboBox1->text(), QStringLiteral("Мазут"));
  QCOMPARE(app_->Form2, form2);
  QVERIFY(dialogs_.messages.isEmpty());
  // After closing, a choice opens a fresh window with the first page in front.
  form2->close();
  QTRY_VERIFY(app_->Form2 == nullptr && form2 == nullptr);
  list.ListBox1->setCurrentRow(0);
  QVERIFY(app_->Form2 != nullptr);
  QCOMPARE(app_->Form2->ComboBox1->text(), QStringLiteral("Уголь"));
  QCOMPARE(app_->Form2->CurrentTab(), 0);
  // "Новый" clears the selection.
  app_->Form1->New1->trigger();
  QCOMPARE(list.SelectedRow(), -1);
  QCOMPARE(app_->Form2->windowTitle(), QStringLiteral("Новое топливо"));
}

void AppTest::UnsavedEditsAreAskedAboutBeforeTheDocumentIsReplaced() {
  WriteCoalGasAndOil();
  Start();
  library::TForm3& list = *app_->Form3;
  QListWidget& lines = *list.ListBox1;
  Activate(list);
  lines.setFocus();
  const auto click = [&](int row) {
    QTest::mouseClick(lines.viewport(), Qt::LeftButton, {},
                      lines.visualItemRect(lines.item(row)).center());
  };
  const auto edit_name = [&] {
    QTest::keyClicks(app_->Form2->ComboBox1, QStringLiteral("!"));
    QVERIFY(app_->Form2->HasUnsavedEdits());
  };
  const auto name = [&] { return app_->Form2->ComboBox1->text(); };
  click(0);
  QCOMPARE(name(), QStringLiteral("Уголь"));
  edit_name();

  // Walking the list with the arrow keys asks nothing and loads nothing; Enter asks, and
  // Cancel keeps the document and selects its line again.
  QTest::keyClick(&lines, Qt::Key_Down);
  QTest::keyClick(&lines, Qt::Key_Down);
  QVERIFY(dialogs_.messages.isEmpty());
  QCOMPARE(name(), QStringLiteral("Уголь!"));
  dialogs_.answers = {QMessageBox::Cancel};
  QTest::keyClick(&lines, Qt::Key_Return);
  QCOMPARE(dialogs_.messages.size(), 1);
  QCOMPARE(dialogs_.messages[0].text, QStringLiteral("Сохранить изменения топлива \"Уголь!\"?"));
  QCOMPARE(name(), QStringLiteral("Уголь!"));
  QCOMPARE(list.SelectedRow(), 0);
  // A click asks too; No loads the chosen fuel, and the focus stays in the list.
  dialogs_.answers = {QMessageBox::No};
  click(2);
  QCOMPARE(dialogs_.messages.size(), 2);
  QCOMPARE(name(), QStringLiteral("Мазут"));
  QTRY_VERIFY(lines.hasFocus());
  // Without unsaved edits the arrow keys load line by line.
  QTest::keyClick(&lines, Qt::Key_Up);
  QCOMPARE(name(), QStringLiteral("Газ"));

  // "Новый": Cancel keeps the document, No replaces it.
  edit_name();
  dialogs_.answers = {QMessageBox::Cancel};
  app_->Form1->New1->trigger();
  QCOMPARE(name(), QStringLiteral("Газ!"));
  QCOMPARE(list.SelectedRow(), 1);
  dialogs_.answers = {QMessageBox::No};
  app_->Form1->New1->trigger();
  QCOMPARE(name(), QStringLiteral("Новое топливо"));
  QCOMPARE(dialogs_.messages.size(), 4);

  // Yes saves first (the new fuel asks for a file name), then the chosen fuel loads.
  edit_name();
  dialogs_.answers = {QMessageBox::Yes};
  dialogs_.save_answers = {library::ToQString(Fuel("d.fll"))};
  click(0);
  QVERIFY(fs::exists(Fuel("d.fll")));
  QCOMPARE(ListLines().size(), 4);
  QCOMPARE(name(), QStringLiteral("Уголь"));
  QCOMPARE(list.SelectedPath(), std::optional<fs::path>(Fuel("a.fll")));

  // The reload after a deletion asks as well: Cancel keeps the document unsaved.
  edit_name();
  list.SelectPath(Fuel("d.fll"));
  dialogs_.answers = {QMessageBox::Yes, QMessageBox::Cancel};
  app_->Form1->DeleteFuel1->trigger();
  QVERIFY(!fs::exists(Fuel("d.fll")));
  QCOMPARE(name(), QStringLiteral("Уголь!"));
  QVERIFY(app_->Form2->HasUnsavedEdits());
  QCOMPARE(list.SelectedPath(), std::optional<fs::path>(Fuel("a.fll")));
}

void AppTest::OpenReadsAnyFuelFile() {
  test::WriteCoal(Fuel("a.fll"));
  const fs::path mail = library::ToPath(temp_->path()) / "mail";
  const fs::path received = test::WriteFuel(mail / "received.fll", "Присланный мазут", 5, {3});
  Start();
  app::TForm1& f = *app_->Form1;
  // The first dialog starts in the library; the file is read and computed as a library
  // fuel is, design parameters included.
  dialogs_.open_answers = {library::ToQString(received)};
  f.Open1->trigger();
  QCOMPARE(dialogs_.open_requests.size(), 1);
  QCOMPARE(dialogs_.open_requests[0].title, QStringLiteral("Открыть файл топлива"));
  QCOMPARE(dialogs_.open_requests[0].folder, library::ToQString(program_ / "Fuel"));
  QCOMPARE(dialogs_.open_requests[0].filter, QStringLiteral("Файл топлива (*.fll)"));
  QVERIFY(app_->DocumentOpen());
  QCOMPARE(app_->Form2->ComboBox1->text(), QStringLiteral("Присланный мазут"));
  QCOMPARE(app_->Form2->FilePath(), received);
  QVERIFY(!app_->Form2->Document().XLSheet15.Text(1, 6).empty());
  QCOMPARE(app_->Form3->SelectedRow(), -1);  // not a line of the list

  // The next dialog starts where the last file came from; the unsaved-edits question
  // comes first, and Cancel keeps the document.
  QTest::keyClicks(app_->Form2->ComboBox1, QStringLiteral("!"));
  dialogs_.open_answers = {library::ToQString(Fuel("a.fll"))};
  dialogs_.answers = {QMessageBox::Cancel};
  f.Open1->trigger();
  QCOMPARE(dialogs_.open_requests[1].folder, library::ToQString(mail));
  QCOMPARE(app_->Form2->ComboBox1->text(), QStringLiteral("Присланный мазут!"));
  // A file of the library gets its line selected.
  dialogs_.open_answers = {library::ToQString(Fuel("a.fll"))};
  dialogs_.answers = {QMessageBox::No};
  f.Open1->trigger();
  QCOMPARE(app_->Form2->ComboBox1->text(), QStringLiteral("Уголь"));
  QCOMPARE(app_->Form3->SelectedRow(), 0);
  // A file that cannot be read is reported, and the program goes on.
  const qsizetype messages = dialogs_.messages.size();
  app_->OpenFile(mail / "missing.fll");
  QCOMPARE(dialogs_.messages.size(), messages + 1);
  QCOMPARE(dialogs_.messages.last().text.split(QLatin1Char('\n')).first(),
           QStringLiteral("Ошибка чтения !"));
  QVERIFY(app_->DocumentOpen());
}

void AppTest::QtTextsAndOurMessagesAreRussian() {
  // The program installs Qt's Russian translation (the Debian package of Qt's
  // translations); message box buttons then read in Russian.
  QVERIFY(app::InstallQtTranslations(*QCoreApplication::instance()));
  QMessageBox box(QMessageBox::Warning, QStringLiteral("Внимание !"), QStringLiteral("?"),
                  QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
  QCOMPARE(box.button(QMessageBox::Yes)->text().remove(QLatin1Char('&')), QStringLiteral("Да"));
  QCOMPARE(box.button(QMessageBox::No)->text().remove(QLatin1Char('&')), QStringLiteral("Нет"));
  QCOMPARE(box.button(QMessageBox::Cancel)->text(), QStringLiteral("Отмена"));
  // A save into a folder that does not exist: nothing written, our line with the path,
  // then the system's reason in Russian.
  StartWithCoalOpen();
  const fs::path nowhere = program_ / "нет такой папки" / "x.fll";
  dialogs_.save_answers = {library::ToQString(nowhere)};
  app_->Form1->SaveAs1->trigger();
  QCOMPARE(dialogs_.messages.size(), 1);
  const QStringList lines = dialogs_.messages[0].text.split(QLatin1Char('\n'));
  QCOMPARE(lines.size(), 2);
  QCOMPARE(lines[0], QStringLiteral("Не удалось сохранить файл ") + library::ToQString(nowhere));
  QCOMPARE(lines[1], QStringLiteral("Файл или каталог не существует"));
  QVERIFY(!fs::exists(nowhere));
  QCOMPARE(app_->Form2->FilePath(), Fuel("a.fll"));
}

void AppTest::PlacesTabAndFiltersAreKeptBetweenRuns() {
  test::WriteFuel(Fuel("a.fll"), "Уголь", 1);
  Start();
  app_->Form1->Liquid1->trigger();
  app_->Form1->Peat2->trigger();
  app_->Form3->ListBox1->setCurrentRow(0);
  ui::TForm2& doc = *app_->Form2;
  doc.ShowTab(2);  // "Расчетные параметры"
  const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
  const QRect list_place(screen.x() + 5, screen.y() + 60, 230, screen.height() / 2);
  const int doc_width = std::max(600, doc.minimumSizeHint().width());
  const QRect doc_place(std::max(screen.x(), screen.right() - doc_width), screen.y() + 80,
                        doc_width, screen.height() - 90);
  app_->Form3->setGeometry(list_place);
  doc.setGeometry(doc_place);
  app_->Form1->Exit1->trigger();
  QVERIFY(!app_->DocumentOpen());
  app_.reset();

  Start();
  QVERIFY(!app_->Filters().liquid && !app_->Filters().peat);
  QVERIFY(app_->Filters().solid && app_->Filters().gaseous && app_->Filters().shale);
  QVERIFY(!app_->Form1->Liquid1->isChecked() && !app_->Form1->Peat2->isChecked());
  QCOMPARE(app_->Form3->geometry(), list_place);
  app_->Form3->ListBox1->setCurrentRow(0);
  // The document is wider than the test's screen: its frame is pinned to the left edge.
  QCOMPARE(app_->Form2->size(), doc_place.size());
  QCOMPARE(app_->Form2->geometry().top(), doc_place.top());
  QCOMPARE(app_->Form2->CurrentTab(), 2);
  QCOMPARE(app_->Form2->PageControl1->currentWidget(),
           static_cast<QWidget*>(app_->Form2->TabSheet6));
}

void AppTest::CorruptSettingsGiveTheDefaults() {
  // Garbage, and values of the wrong kind: each gives the default.
  for (const char* content :
       {"\x00\xff\xfe[[[\n=\n\x01\x02 garbage \xd0",
        "[fuel_list]\ngeometry=not a rectangle\n[document]\ntab=-3\n[filters]\nliquid=maybe\n"}) {
    { std::ofstream(library::ToPath(SettingsFile()), std::ios::binary) << content; }
    Start();
    QCOMPARE(FilterDisplays(), QList<bool>(8, true));
    const QRect main_frame = app_->Form1->frameGeometry();
    QCOMPARE(app_->Form3->pos(), QPoint(0, main_frame.top() + main_frame.height() + 1));
    QCOMPARE(app_->Form1->pos(), QPoint(0, 0));
    app_->Form1->New1->trigger();
    QCOMPARE(app_->Form2->CurrentTab(), 0);
    // The settings are written anew on the way out.
    app_->Form1->Exit1->trigger();
    app_.reset();
    QSettings written(SettingsFile(), QSettings::IniFormat);
    QCOMPARE(written.status(), QSettings::NoError);
    QCOMPARE(written.value(QStringLiteral("filters/liquid")).toString(), QStringLiteral("true"));
  }
}

void AppTest::DeleteAsksDeletesAndReportsWhatCannotBeDeleted() {
  WriteThreeFuels();
  Start();
  app::TForm1& f = *app_->Form1;
  library::TForm3& list = *app_->Form3;
  f.DeleteFuel1->trigger();  // nothing selected: nothing asked
  QVERIFY(dialogs_.messages.isEmpty());

  // No document: deleting the last line leaves no line selected.
  list.SelectRow(2);
  dialogs_.answers = {QMessageBox::Yes};
  f.DeleteFuel1->trigger();
  QVERIFY(!fs::exists(Fuel("3.fll")));
  QCOMPARE(list.SelectedRow(), -1);
  test::WriteFuel(Fuel("3.fll"), "Газ", 6);
  QTest::keyClick(&f, Qt::Key_F5);

  // With liquid hidden, line 0 is "Уголь": that file is named and deleted.
  f.Liquid1->trigger();
  list.SelectRow(0);
  dialogs_.answers = {QMessageBox::No};
  Activate(list);
  list.ListBox1->setFocus();
  QTest::keyClick(list.ListBox1, Qt::Key_Delete);  // the list's Delete key asks the same
  QCOMPARE(dialogs_.messages.size(), 2);
  QVERIFY(fs::exists(Fuel("2.fll")));
  dialogs_.answers = {QMessageBox::Yes};
  QTest::mouseClick(Button(f.ToolBar3, f.DeleteFuel1), Qt::LeftButton);
  const test::ScriptedDialogs::MessageCall& asked = dialogs_.messages.last();
  QCOMPARE(asked.text, QStringLiteral("Удалить файл «2.fll»?"));
  QCOMPARE(asked.caption, QStringLiteral("Внимание !"));
  QCOMPARE(asked.buttons, QMessageBox::Yes | QMessageBox::No);
  QCOMPARE(asked.icon, QMessageBox::Warning);
  QVERIFY(!fs::exists(Fuel("2.fll")));
  QVERIFY(fs::exists(Fuel("1.fll")) && fs::exists(Fuel("3.fll")));
  QCOMPARE(ListLines(), QStringList{QStringLiteral("Газ")});
  QCOMPARE(list.SelectedRow(), 0);  // the same position again
  f.Liquid1->trigger();

  // With a document open, deleting the last line selects and shows the first remaining
  // fuel.
  fs::remove(Fuel("3.fll"));
  test::WriteFuel(Fuel("2.fll"), "Уголь", 1);
  QTest::keyClick(&f, Qt::Key_F5);
  list.ListBox1->setCurrentRow(1);
  QCOMPARE(app_->Form2->ComboBox1->text(), QStringLiteral("Уголь"));
  dialogs_.answers = {QMessageBox::Yes};
  f.DeleteFuel1->trigger();
  QCOMPARE(list.SelectedRow(), 0);
  QCOMPARE(app_->Form2->ComboBox1->text(), QStringLiteral("Мазут"));
  // A file that cannot be deleted is reported (here a folder took its name meanwhile).
  fs::remove(Fuel("1.fll"));
  fs::create_directory(Fuel("1.fll"));
  std::ofstream(Fuel("1.fll") / "keep") << "x";
  dialogs_.answers = {QMessageBox::Yes};
  dialogs_.messages.clear();
  f.DeleteFuel1->trigger();
  QCOMPARE(dialogs_.messages.size(), 2);
  QVERIFY(dialogs_.messages[1].text.startsWith(QStringLiteral("Не удалось удалить файл ") +
                                               library::ToQString(Fuel("1.fll"))));
  QCOMPARE(dialogs_.messages[1].caption, QStringLiteral("Ошибка"));
  QVERIFY(fs::exists(Fuel("1.fll") / "keep"));
}

void AppTest::ShowHideListAndExit() {
  StartWithCoalOpen();
  app::TForm1& f = *app_->Form1;
  f.ShowList1->trigger();
  QVERIFY(!app_->Form3->isVisible());
  QTest::mouseClick(Button(f.ToolBar3, f.ShowList1), Qt::LeftButton);
  QVERIFY(app_->Form3->isVisible());
  // "Выход" with an open document closes both windows; unsaved input is asked about.
  QTest::keyClicks(app_->Form2->ComboBox1, QStringLiteral("x"));
  dialogs_.answers = {QMessageBox::Cancel};
  f.Exit1->trigger();
  QVERIFY(f.isVisible() && app_->DocumentOpen());
  dialogs_.answers = {QMessageBox::No};
  f.Exit1->trigger();
  QVERIFY(!app_->DocumentOpen());
  QVERIFY(!f.isVisible());
}

void AppTest::AboutWindowOpensOnceAndCloses() {
  Start();
  app::TForm1& f = *app_->Form1;
  f.About1->trigger();
  QTest::mouseClick(Button(f.ToolBar5, f.About1), Qt::LeftButton);
  QVERIFY(app_->AboutOpen());
  QCOMPARE(f.findChildren<app::TForm4*>().size(), 1);
  QPointer<app::TForm4> about = app_->Form4.data();
  QVERIFY(about->isVisible() && !about->isModal());
  QTest::mouseClick(about->Label7, Qt::LeftButton);
  QTest::mouseClick(about->Label8, Qt::LeftButton);
  QCOMPARE(urls_.urls, (QList<QUrl>{QUrl(QStringLiteral("mailto:pyrana@example.org")),
                                    QUrl(QStringLiteral("http://www.example.org/pyrana"))}));
  QTest::keyClick(about, Qt::Key_Escape);
  QVERIFY(!app_->AboutOpen());
  QTRY_VERIFY(app_->Form4 == nullptr && about == nullptr);
  f.About1->trigger();
  QVERIFY(app_->AboutOpen() && app_->Form4 != nullptr);
  QCOMPARE(f.findChildren<app::TForm4*>().size(), 1);
  QTest::mouseClick(app_->Form4->OKButton, Qt::LeftButton);
  QVERIFY(!app_->AboutOpen());
}

void AppTest::FailuresReachTheErrorReportAndTheProgramGoesOn() {
  std::array<float, 9> coal = test::kWorkedCoal;
  coal[8] = 20000;
  test::WriteFuel(Fuel("a.fll"), "Уголь", test::kWorkedCoalType, coal);
  test::WriteFuel(Fuel("b.fll"), "Газ", 6, test::kWorkedGas);
  Start();
  app_->Form3->ListBox1->setCurrentRow(0);
  ui::TForm2& form = *app_->Form2;
  calc::FuelDocument& doc = form.Document();
  Activate(form);
  const auto said = [&](int count) {
    return dialogs_.messages.size() == count &&
           dialogs_.messages.last().text ==
               QStringLiteral("'x1' is not a valid floating point value") &&
           dialogs_.messages.last().caption == QStringLiteral("Ошибка") &&
           dialogs_.messages.last().icon == QMessageBox::Critical;
  };
  // A record value that is not a number (no grid takes one: put there behind the window's
  // back) stops the recalculation the check box starts; repaired, the window computes again.
  doc.XLSheet10.SetText(2, 30, "x1");
  form.TabSheet2->CheckBox2->click();
  QVERIFY(said(1));
  QVERIFY(doc.CheckBox2);
  doc.XLSheet10.SetText(2, 30, "0");
  QVERIFY(test::TypeIntoCell(*form.TabSheet2->XLGrid3, 1, 3, QStringLiteral("60")));
  QCOMPARE(dialogs_.messages.size(), 1);
  QCOMPARE(doc.XLSheet10.Text(2, 2), std::string("60"));

  // A number of the built-in enthalpy table that does not read stops the mixture's run;
  // what was written before the failure is shown.
  ui::MixturePage& mixture = *form.TabSheet7;
  form.PageControl1->setCurrentWidget(&mixture);
  for (int slot : {1, 2}) {
    QVERIFY(form.LoadFuel(Fuel(slot == 1 ? "a.fll" : "b.fll")));
    mixture.GSPages1->setCurrentIndex(slot - 1);
    QTest::mouseClick(mixture.Slot(slot).pick, Qt::LeftButton);
  }
  calc::ShareChange(doc, 1, "60");
  const std::string kept = doc.XLSheet11.Text(1, 0);
  doc.XLSheet11.SetText(1, 0, "x1");
  QTest::keyClicks(mixture.Edit4, QStringLiteral("40"));
  QVERIFY(said(2));
  QCOMPARE(mixture.Edit3->text(), QStringLiteral("100"));
  QVERIFY(!test::Shown(*mixture.XLGrid14, 1, 3).isEmpty());
  // The results page opens, and its run fails the same way.
  QTest::mouseClick(mixture.SpeedButton13, Qt::LeftButton);
  QCOMPARE(mixture.PageControl2->currentWidget(), mixture.TabSheet22);
  QVERIFY(said(3));
  doc.XLSheet11.SetText(1, 0, kept);
  QVERIFY(test::TypeIntoCell(*mixture.XLGrid20, 1, 2, QStringLiteral("1.2")));
  QCOMPARE(dialogs_.messages.size(), 3);
  QVERIFY(!doc.XLSheet17.Text(1, 5).empty() && !doc.XLSheet16.Text(0, 1).empty());

  // A failure outside every window's own guard is caught at the event boundary, each time.
  auto* guarded = qobject_cast<app::GuardedApplication*>(QCoreApplication::instance());
  QVERIFY(guarded != nullptr);
  guarded->SetDialogs(&dialogs_);
  FailingObject failing;
  QCoreApplication::postEvent(&failing, new QEvent(QEvent::User));
  QCoreApplication::postEvent(&failing, new QEvent(QEvent::User));
  QCoreApplication::sendPostedEvents(&failing, QEvent::User);
  guarded->SetDialogs(nullptr);
  QCOMPARE(dialogs_.messages.size(), 5);
  QCOMPARE(dialogs_.messages[4].text, QStringLiteral("'abc' is not a valid floating point value"));
  QCOMPARE(dialogs_.messages[4].icon, QMessageBox::Critical);
}

void AppTest::UndoRedoSaveAsAndKeysOfTheMainWindow() {
  StartWithCoalOpen();
  app::TForm1& f = *app_->Form1;
  QCOMPARE(f.Edit1->actions().first(), f.Undo1);
  QVERIFY(!f.Undo1->isEnabled() && !f.Redo1->isEnabled());
  ui::TForm2& doc = *app_->Form2;
  QTest::keyClicks(doc.ComboBox1, QStringLiteral(" X"));
  QVERIFY(f.Undo1->isEnabled());
  QTest::keyClick(&f, Qt::Key_Z, Qt::ControlModifier);
  QCOMPARE(doc.ComboBox1->text(), QStringLiteral("Уголь"));
  QVERIFY(!f.Undo1->isEnabled() && f.Redo1->isEnabled());
  QTest::keyClick(&f, Qt::Key_Y, Qt::ControlModifier);
  QCOMPARE(doc.ComboBox1->text(), QStringLiteral("Уголь X"));
  // Ctrl+S writes the fuel's own file without a dialog; Ctrl+Shift+S asks.
  QTest::keyClick(&f, Qt::Key_S, Qt::ControlModifier);
  QVERIFY(dialogs_.save_requests.isEmpty());
  QCOMPARE(fuel::ReadFuelFile(Fuel("a.fll"), 0).name_line.name, fuel::Utf8ToCp1251("Уголь X"));
  QCOMPARE(app_->Form3->SelectedPath(), std::optional<fs::path>(Fuel("a.fll")));
  QTest::keyClick(&f, Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
  QCOMPARE(dialogs_.save_requests.size(), 1);
}

void AppTest::PlacesFromALargerScreenAreMovedIn() {
  test::WriteFuel(Fuel("a.fll"), "Уголь", 1);
  const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
  // Kept on a screen larger than this one: right of it, and taller than it.
  {
    QSettings kept(SettingsFile(), QSettings::IniFormat);
    kept.setValue(QStringLiteral("fuel_list/geometry"),
                  QRect(screen.right() + 400, screen.top() + 50, 230, 400));
    kept.setValue(QStringLiteral("document/geometry"),
                  QRect(screen.left() + 300, screen.bottom() + 200, 700, screen.height() + 300));
  }
  Start();
  // Flush with the right edge, frame and all, at the height and size kept.
  const QRect list = app_->Form3->frameGeometry();
  QCOMPARE(list.right(), screen.right());
  QVERIFY(screen.contains(list));
  QCOMPARE(app_->Form3->size(), QSize(230, 400));
  QCOMPARE(app_->Form3->geometry().top(), screen.top() + 50);
  app_->Form3->ListBox1->setCurrentRow(0);
  // Below the screen and taller than it: moved up and shortened, the frame inside.
  const QRect doc = app_->Form2->frameGeometry();
  QCOMPARE(doc.top(), screen.top());
  QCOMPARE(doc.bottom(), screen.bottom());
  QVERIFY(screen.contains(app_->Form1->frameGeometry()));
}

void AppTest::TheDocumentWindowCarriesTheMenus() {
  test::WriteFuel(Fuel("a.fll"), "Уголь", 1, {10, 20, 55});
  Start();
  app::TForm1& f = *app_->Form1;
  app_->Form3->ListBox1->setCurrentRow(0);
  ui::TForm2& doc = *app_->Form2;
  QVERIFY(doc.MenuBar1 != nullptr);
  QCOMPARE(doc.MenuBar1->actions(),
           (QList<QAction*>{f.File1->menuAction(), f.Edit1->menuAction(), f.Options1->menuAction(),
                            f.HelpMenu1->menuAction()}));
  // Maximised over the main window, the document offers the same commands by mouse: an
  // edit there enables "Отменить" in both places, and "Закрыть" is reachable.
  doc.showMaximized();
  QApplication::setActiveWindow(&doc);
  QVERIFY(QTest::qWaitForWindowActive(&doc));
  QTest::keyClicks(doc.ComboBox1, QStringLiteral(" X"));
  QTest::mouseClick(doc.MenuBar1, Qt::LeftButton, {},
                    doc.MenuBar1->actionGeometry(f.Edit1->menuAction()).center());
  QTRY_VERIFY(f.Edit1->isVisible());
  QVERIFY(f.Undo1->isEnabled());
  QTest::mouseClick(f.Edit1, Qt::LeftButton, {}, f.Edit1->actionGeometry(f.Undo1).center());
  QTRY_COMPARE(doc.ComboBox1->text(), QStringLiteral("Уголь"));
  QTest::mouseClick(doc.MenuBar1, Qt::LeftButton, {},
                    doc.MenuBar1->actionGeometry(f.File1->menuAction()).center());
  QTRY_VERIFY(f.File1->isVisible());
  QTest::mouseClick(f.File1, Qt::LeftButton, {}, f.File1->actionGeometry(f.Close1).center());
  QTRY_VERIFY(!app_->DocumentOpen());
}

void AppTest::TheListKeepsTheFocusAndTheOpenFuel() {
  WriteCoalGasAndOil();
  Start();
  library::TForm3& list = *app_->Form3;
  QListWidget& lines = *list.ListBox1;
  QApplication::setActiveWindow(&list);
  QVERIFY(QTest::qWaitForWindowActive(&list));
  const auto click = [&](int row) {
    QTest::mouseClick(lines.viewport(), Qt::LeftButton, {},
                      lines.visualItemRect(lines.item(row)).center());
  };
  click(0);
  QTest::keyClicks(app_->Form2->ComboBox1, QStringLiteral("!"));
  // A click on the fuel already open asks nothing and keeps the edits.
  click(0);
  QVERIFY(dialogs_.messages.isEmpty());
  QCOMPARE(app_->Form2->ComboBox1->text(), QStringLiteral("Уголь!"));
  // Cancel of the question on another fuel: the question took the focus to the main
  // window, and the list gets it back, so the arrow keys go on working.
  dialogs_.while_asking = [this] {
    QApplication::setActiveWindow(app_->Form1);
    app_->Form1->setFocus();
  };
  dialogs_.answers = {QMessageBox::Cancel};
  click(2);
  QCOMPARE(dialogs_.messages.size(), 1);
  QCOMPARE(list.SelectedRow(), 0);
  QTRY_VERIFY(lines.hasFocus());
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
  QCOMPARE(list.SelectedRow(), 1);
  QCOMPARE(app_->Form2->ComboBox1->text(), QStringLiteral("Уголь!"));
}

void AppTest::DeleteIsOfferedForASelectedFuelAndNamesItsFile() {
  WriteThreeFuels();
  Start();
  app::TForm1& f = *app_->Form1;
  library::TForm3& list = *app_->Form3;
  QToolButton* button = Button(f.ToolBar3, f.DeleteFuel1);
  QVERIFY(!f.DeleteFuel1->isEnabled() && !button->isEnabled());
  QApplication::setActiveWindow(&list);
  QVERIFY(QTest::qWaitForWindowActive(&list));
  QListWidget& lines = *list.ListBox1;
  QTest::mouseClick(lines.viewport(), Qt::LeftButton, {},
                    lines.visualItemRect(lines.item(1)).center());
  QVERIFY(f.DeleteFuel1->isEnabled() && button->isEnabled());
  // "Нет" keeps the file; "Да" deletes it, and the line that took its place is selected.
  dialogs_.answers = {QMessageBox::No};
  QTest::mouseClick(button, Qt::LeftButton);
  QCOMPARE(dialogs_.messages.size(), 1);
  QCOMPARE(dialogs_.messages[0].text, QStringLiteral("Удалить файл «2.fll»?"));
  QCOMPARE(dialogs_.messages[0].buttons, QMessageBox::Yes | QMessageBox::No);
  QVERIFY(fs::exists(Fuel("2.fll")));
  // With nothing left to delete the command is off again.
  app_->Form1->New1->trigger();
  QVERIFY(!f.DeleteFuel1->isEnabled() && !button->isEnabled());
}

void AppTest::AnUnreadableLibraryFolderIsNamedWithTheReason() {
  // A file where the library belongs, and the fallback's library a dangling link.
  const fs::path data = library::ToPath(temp_->path()) / "data";
  std::ofstream(program_ / "Fuel") << "x";
  fs::create_directories(data);
  fs::create_symlink(data / "gone", data / "Fuel");
  Start();
  QCOMPARE(dialogs_.messages.size(), 1);
  const QString folder = library::ToQString(data / "Fuel");
  QCOMPARE(dialogs_.messages[0].text,
           QStringLiteral("Папка базы топлива %1 не читается: ссылка указывает на "
                          "несуществующий объект.")
               .arg(folder));
  QCOMPARE(dialogs_.messages[0].icon, QMessageBox::Critical);
  QCOMPARE(app_->Form3->CountLabel->text(), QStringLiteral("папка не читается"));
  // F5 says it again; once the folder is there, the list reads it and nothing is said.
  QTest::keyClick(app_->Form1, Qt::Key_F5);
  QCOMPARE(dialogs_.messages.size(), 2);
  fs::remove(data / "Fuel");
  fs::create_directory(data / "Fuel");
  test::WriteFuel(data / "Fuel" / "a.fll", "Уголь", 1);
  QTest::keyClick(app_->Form1, Qt::Key_F5);
  QCOMPARE(dialogs_.messages.size(), 2);
  QCOMPARE(ListLines(), QStringList{QStringLiteral("Уголь")});
  // A file in the library's place is named as such.
  app_.reset();
  fs::remove_all(data / "Fuel");
  std::ofstream(data / "Fuel") << "x";
  dialogs_.messages.clear();
  Start();
  QCOMPARE(dialogs_.messages.size(), 1);
  QVERIFY(dialogs_.messages[0].text.endsWith(
      QStringLiteral("не читается: на ее месте находится файл, а не папка.")));
}

int main(int argc, char** argv) {
  app::GuardedApplication application(argc, argv);
  AppTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "app_test.moc"
