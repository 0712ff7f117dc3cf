// Application: start-up and the flows between the windows.
#include "app/application.h"

#include <QListWidget>

#include "app/tform1.h"
#include "app/tform4.h"
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
}

ui::TForm2* Application::OpenDocument() {
  if (Form2 != nullptr && DocumentOpen) {
    Form2->show();
    Form2->raise();
    Form2->activateWindow();
    return Form2;
  }
  Form2 = new ui::TForm2(*Form3, dialogs_, Form1);
  Form2->setAttribute(Qt::WA_DeleteOnClose);
  Form2->PlaceBelow(*Form1, *Form3);
  connect(Form2, &ui::TForm2::FormClosed, this, [this] {
    DocumentOpen = false;
    emit DocumentOpenChanged(false);
  });
  DocumentOpen = true;
  emit DocumentOpenChanged(true);
  Form2->show();
  Form2->activateWindow();
  return Form2;
}

bool Application::CloseDocument() {
  if (!DocumentOpen || Form2 == nullptr) return true;
  return Form2->close();
}

void Application::OpenChosenFuel() {
  ui::TForm2* form2 = OpenDocument();
  Form3->activateWindow();
  Form3->ListBox1->setFocus();
  form2->LoadLibraryFuel();
  form2->XLGrid15EditModeChanged();
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
