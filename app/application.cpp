// Application: start-up and the flows between the windows.
#include "app/application.h"

#include "app/tform1.h"
#include "app/tform4.h"
#include "library/qt_paths.h"
#include "library/tform3.h"
#include "ui/dialogs.h"
#include "ui/tform2.h"

namespace app {

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
  form1_ = std::make_unique<TForm1>(*this);
  Form1 = form1_.get();
  Form1->move(0, 0);
  Form1->show();
  Form3 = new library::TForm3(program_dir_, fallback_data_dir_, Filters, Form1);
  Form3->PlaceBelow(*Form1);
  Form3->show();
  connect(Form3, &library::TForm3::FuelChosen, this,
          [this] { ui::RunGuarded(dialogs_, Form3, [this] { OpenChosenFuel(); }); });
  connect(Form3, &library::TForm3::SelectionMoved, this,
          [this] { ui::RunGuarded(dialogs_, Form3, [this] { SelectionMoved(); }); });
}

ui::TForm2* Application::OpenDocument(bool activate) {
  if (Form2 != nullptr && DocumentOpen) {
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
  Form2->PlaceBelow(*Form1, *Form3);
  connect(Form2, &ui::TForm2::FormClosed, this, [this] {
    DocumentOpen = false;
    emit DocumentOpenChanged(false);
  });
  connect(Form2, &ui::TForm2::SaveFinished, this, [this] {
    Form3->RefreshFuelList();
    if (Form2 != nullptr) Form3->SelectPath(Form2->FilePath());
  });
  DocumentOpen = true;
  emit DocumentOpenChanged(true);
  Form2->show();
  if (activate) Form2->activateWindow();
  Form2->setAttribute(Qt::WA_ShowWithoutActivating, false);
  return Form2;
}

bool Application::CloseDocument() {
  if (!DocumentOpen || Form2 == nullptr) return true;
  return Form2->close();
}

bool Application::MayReplaceDocument() {
  if (!DocumentOpen || Form2 == nullptr) return true;
  if (Form2->MayDiscardEdits()) return true;
  Form3->SelectPath(Form2->FilePath());
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
  if (!path || !MayReplaceDocument()) return;
  LoadIntoDocument(*path);
}

void Application::SelectionMoved() {
  if (DocumentOpen && Form2 != nullptr && Form2->HasUnsavedEdits()) return;
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
  if (DocumentOpen && Form2 != nullptr) Form2->Save();
}

void Application::DeleteSelectedFuel() {
  const QString name = Form3->SelectedName();
  if (name.isEmpty()) return;
  const QMessageBox::StandardButton answer = dialogs_.Message(
      Form1, QStringLiteral("Удалить файл ") + name, QStringLiteral("Внимание !"),
      QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Warning);
  if (answer != QMessageBox::Yes) return;
  const std::optional<std::filesystem::path> path = Form3->SelectedPath();
  const QString reason = Form3->DeleteSelected();
  if (!reason.isEmpty()) {
    dialogs_.Message(Form1,
                     QStringLiteral("Не удалось удалить файл %1\n%2")
                         .arg(path ? library::ToQString(*path) : QString(), reason),
                     QStringLiteral("Error"), QMessageBox::Ok, QMessageBox::Critical);
  }
  if (!DocumentOpen || Form2 == nullptr || Form3->ListBox2.empty()) return;
  if (Form3->SelectedRow() < 0) Form3->SelectRow(0);
  const std::optional<std::filesystem::path> next = Form3->SelectedPath();
  if (next && MayReplaceDocument()) Form2->LoadFuel(*next);
}

void Application::ShowAbout() {
  if (AboutOpen && Form4 != nullptr) {
    Form4->show();
    Form4->raise();
    Form4->activateWindow();
    return;
  }
  Form4 = new TForm4(Form1);
  AboutOpen = true;
  connect(Form4, &TForm4::finished, this, [this] { AboutOpen = false; });
  Form4->show();
}

}  // namespace app
