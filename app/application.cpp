// Application: start-up and the flows between the windows.
#include "app/application.h"

#include <QDesktopServices>
#include <QDir>
#include <QGuiApplication>
#include <QScreen>
#include <QUrl>

#include "app/app_settings.h"
#include "app/tform1.h"
#include "app/tform4.h"
#include "library/qt_paths.h"
#include "library/tform3.h"
#include "ui/dialogs.h"
#include "ui/frame_on_screen.h"
#include "ui/tform2.h"

namespace app {

namespace {

const QString kMainWindow = QStringLiteral("main_window");
const QString kFuelList = QStringLiteral("fuel_list");
const QString kDocument = QStringLiteral("document");

// The available area of the screen that shows most of `rect` (the primary one by default).
QRect AvailableArea(const QRect& rect) {
  QScreen* screen = QGuiApplication::screenAt(rect.center());
  if (screen == nullptr) screen = QGuiApplication::primaryScreen();
  return screen != nullptr ? screen->availableGeometry() : QRect();
}

// Puts `window` where the settings keep it, moved onto the screen; false when they keep
// no place.
bool RestorePlace(QWidget& window, const AppSettings& settings, const QString& key,
                  bool keep_size) {
  const std::optional<QRect> saved = settings.Geometry(key);
  if (!saved) return false;
  const std::optional<QRect> fitted = FitToScreen(*saved, AvailableArea(*saved));
  if (!fitted) return false;
  if (keep_size) {
    window.move(fitted->topLeft());
  } else {
    window.setGeometry(*fitted);
  }
  return true;
}

}  // namespace

Application::Application(std::filesystem::path program_dir, std::filesystem::path fallback_data_dir,
                         ui::Dialogs& dialogs, QObject* parent)
    : QObject(parent),
      program_dir_(std::move(program_dir)),
      fallback_data_dir_(std::move(fallback_data_dir)),
      dialogs_(dialogs) {}

Application::~Application() {
  // The windows go before the state they refer to.
  form1_.reset();
}

void Application::Start() {
  const AppSettings settings(settings_file_);
  filters_ = settings.Filters();
  form1_ = std::make_unique<TForm1>(*this);
  Form1 = form1_.get();
  Form1->move(0, 0);
  RestorePlace(*Form1, settings, kMainWindow, true);
  // The frames come from the window manager after the windows are shown: each is moved
  // onto the screen then, and the list and a fuel window opened at start follow the main
  // window unless they have a place of their own.
  const auto place_list = [this] {
    if (Form3 != nullptr && !list_placed_) Form3->PlaceBelow(*Form1);
    if (Form3 != nullptr && DocumentOpen() && !document_placed_) {
      Form2->PlaceBelow(*Form1, *Form3);
    }
  };
  new ui::FrameOnScreen(*Form1, place_list);
  Form1->show();
  Form3 = new library::TForm3(program_dir_, fallback_data_dir_, filters_, Form1);
  Form3->PlaceBelow(*Form1);
  list_placed_ = RestorePlace(*Form3, settings, kFuelList, false);
  new ui::FrameOnScreen(*Form3, place_list);
  Form3->ShowTab(settings.Tab(kFuelList));
  Form3->show();
  ReportFolderProblem();
  connect(Form3, &library::TForm3::DeleteRequested, this,
          [this] { ui::RunGuarded(dialogs_, Form3, [this] { DeleteSelectedFuel(); }); });
  connect(Form3, &library::TForm3::FuelChosen, this,
          [this] { ui::RunGuarded(dialogs_, Form3, [this] { OpenChosenFuel(); }); });
  connect(Form3, &library::TForm3::SelectionChanged, Form1, &TForm1::ShowDocumentState);
  Form1->ShowDocumentState();
  connect(Form3, &library::TForm3::SelectionMoved, this,
          [this] { ui::RunGuarded(dialogs_, Form3, [this] { SelectionMoved(); }); });
}

bool Application::DocumentOpen() const { return Form2 != nullptr; }

bool Application::AboutOpen() const { return Form4 != nullptr; }

ui::TForm2* Application::OpenDocument(bool activate) {
  if (DocumentOpen()) {
    Form2->show();
    if (activate) {
      Form2->raise();
      Form2->activateWindow();
    }
    return Form2;
  }
  Form2 = new ui::TForm2(dialogs_, Form1);
  Form2->setAttribute(Qt::WA_DeleteOnClose);
  Form2->setAttribute(Qt::WA_ShowWithoutActivating, !activate);
  Form2->SetSaveFolder([this] { return Form3->ListedFolder(); });
  // The same actions as the main window's: one enabled state, one shortcut each.
  Form2->ShowMenus({Form1->File1, Form1->Edit1, Form1->Options1, Form1->HelpMenu1});
  Form2->PlaceBelow(*Form1, *Form3);
  RestoreDocumentPlace();
  new ui::FrameOnScreen(*Form2);
  connect(Form2, &ui::TForm2::FormClosed, this, [this] {
    SaveDocumentPlace();
    // Closed, though deleted only later.
    Form2 = nullptr;
    emit DocumentOpenChanged(false);
    emit UndoStateChanged();
  });
  connect(Form2, &ui::TForm2::UndoStateChanged, this, &Application::UndoStateChanged);
  connect(Form2, &ui::TForm2::SaveFinished, this, [this] {
    Form3->RefreshFuelList();
    if (Form2 != nullptr) Form3->SelectPath(Form2->FilePath());
  });
  emit DocumentOpenChanged(true);
  Form2->show();
  if (activate) Form2->activateWindow();
  Form2->setAttribute(Qt::WA_ShowWithoutActivating, false);
  return Form2;
}

bool Application::CloseDocument() {
  if (!DocumentOpen()) return true;
  return Form2->close();
}

bool Application::MayReplaceDocument() {
  if (!DocumentOpen()) return true;
  if (Form2->MayDiscardEdits()) return true;
  // The question took the focus; the list's keys go on working.
  Form3->SelectPath(Form2->FilePath());
  Form3->TakeFocus();
  return false;
}

void Application::LoadIntoDocument(const std::filesystem::path& path) {
  ui::TForm2* form2 = OpenDocument(false);
  form2->LoadFuel(path);
  // A save on the way may have rebuilt the list.
  Form3->SelectPath(path);
  Form3->TakeFocus();
}

void Application::OpenChosenFuel() {
  const std::optional<std::filesystem::path> path = Form3->SelectedPath();
  if (!path) return;
  // The fuel already open stays as it is, edits and all.
  if (DocumentOpen() && Form2->FilePath() == *path) return;
  if (!MayReplaceDocument()) return;
  LoadIntoDocument(*path);
}

void Application::SelectionMoved() {
  if (DocumentOpen() && Form2->HasUnsavedEdits()) return;
  OpenChosenFuel();
}

void Application::NewFuel() {
  if (!MayReplaceDocument()) return;
  ui::TForm2* form2 = OpenDocument();
  Form3->SelectRow(-1);
  form2->NewFuel();
}

void Application::OpenFuelFile() {
  const ui::OpenDialogRequest request{
      .title = QStringLiteral("Открыть файл топлива"),
      .folder = library::ToQString(last_open_folder_.empty() ? Form3->LibraryFolder()
                                                             : last_open_folder_),
      .filter = QStringLiteral("Файл топлива (*.fll)"),
  };
  const QString chosen = dialogs_.OpenFileName(Form1, request);
  if (chosen.isEmpty()) return;
  const std::filesystem::path path = library::ToPath(chosen);
  last_open_folder_ = path.parent_path();
  OpenFile(path);
}

void Application::OpenFile(const std::filesystem::path& path) {
  if (!MayReplaceDocument()) return;
  OpenDocument()->LoadFuel(path);
  Form3->SelectPath(path);
}

void Application::SaveDocument() {
  if (DocumentOpen()) Form2->Save();
}

void Application::SaveDocumentAs() {
  if (DocumentOpen()) Form2->SaveAs();
}

void Application::Undo() {
  if (DocumentOpen()) Form2->Undo();
}

void Application::Redo() {
  if (DocumentOpen()) Form2->Redo();
}

bool Application::CanUndo() const { return DocumentOpen() && Form2->CanUndo(); }

bool Application::CanRedo() const { return DocumentOpen() && Form2->CanRedo(); }

void Application::OpenHelp() {
  const QString page = library::ToQString(HelpPage());
  QUrl url = QUrl::fromLocalFile(page);
  if (DocumentOpen() && Form2->isActiveWindow()) {
    url.setFragment(Form2->HelpSection());
  }
  if (QDesktopServices::openUrl(url)) return;
  dialogs_.Message(Form1,
                   QStringLiteral("Не удалось открыть страницу помощи %1.\nВ системе не найдена "
                                  "программа для просмотра веб-страниц (браузер).")
                       .arg(QDir::toNativeSeparators(page)),
                   QStringLiteral("Внимание !"), QMessageBox::Ok, QMessageBox::Warning);
}

void Application::SetFilters(const library::TypeFilters& filters) {
  filters_ = filters;
  // The fuels already read are filtered again; no file is read.
  if (Form3 != nullptr) Form3->ApplyFilters();
}

void Application::ToggleList() {
  if (Form3 != nullptr) Form3->setVisible(!Form3->isVisible());
}

void Application::RereadFolder() {
  if (Form3 == nullptr) return;
  Form3->Reread();
  ReportFolderProblem();
}

void Application::ReportFolderProblem() {
  if (Form3->FolderProblem().isEmpty()) return;
  dialogs_.Message(Form3, Form3->FolderProblem(), QStringLiteral("Ошибка"), QMessageBox::Ok,
                   QMessageBox::Critical);
}

void Application::RestoreDocumentPlace() {
  const AppSettings settings(settings_file_);
  document_placed_ = RestorePlace(*Form2, settings, kDocument, false);
  const int tab = settings.Tab(kDocument);
  if (tab >= 0) Form2->ShowTab(tab);
  Form2->RestoreDividers(settings.Dividers(kDocument));
}

void Application::SaveDocumentPlace() {
  if (Form2 == nullptr) return;
  AppSettings settings(settings_file_);
  settings.SetGeometry(kDocument, Form2->geometry());
  settings.SetTab(kDocument, Form2->CurrentTab());
  settings.SetDividers(kDocument, Form2->Dividers());
  settings.Sync();
}

void Application::SaveSettings() {
  if (Form1 == nullptr) return;
  if (DocumentOpen()) SaveDocumentPlace();
  AppSettings settings(settings_file_);
  settings.SetGeometry(kMainWindow, Form1->geometry());
  settings.SetGeometry(kFuelList, Form3->geometry());
  settings.SetTab(kFuelList, Form3->CurrentTab());
  settings.SetFilters(filters_);
  settings.Sync();
}

void Application::DeleteSelectedFuel() {
  const std::optional<std::filesystem::path> path = Form3->SelectedPath();
  if (!path) return;
  const QMessageBox::StandardButton answer = dialogs_.Message(
      Form1, QStringLiteral("Удалить файл «%1»?").arg(library::ToQString(path->filename())),
      QStringLiteral("Внимание !"), QMessageBox::Yes | QMessageBox::No, QMessageBox::Warning);
  if (answer != QMessageBox::Yes) return;
  const QString reason = Form3->DeleteSelected();
  if (!reason.isEmpty()) {
    dialogs_.Message(Form1,
                     QStringLiteral("Не удалось удалить файл %1\n%2")
                         .arg(path ? library::ToQString(*path) : QString(), reason),
                     QStringLiteral("Ошибка"), QMessageBox::Ok, QMessageBox::Critical);
  }
  if (!DocumentOpen() || Form3->ShownCount() == 0) return;
  if (Form3->SelectedRow() < 0) Form3->SelectRow(0);
  const std::optional<std::filesystem::path> next = Form3->SelectedPath();
  if (next && MayReplaceDocument()) Form2->LoadFuel(*next);
}

void Application::ShowAbout() {
  if (AboutOpen()) {
    Form4->show();
    Form4->raise();
    Form4->activateWindow();
    return;
  }
  Form4 = new TForm4(Form1);
  connect(Form4, &TForm4::finished, this, [this] { Form4 = nullptr; });
  Form4->show();
}

}  // namespace app
