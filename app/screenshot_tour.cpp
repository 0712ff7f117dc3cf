// screenshot_tour PROGRAM_FOLDER PICTURE_FOLDER: starts the program's windows as pyrana
// does, with PROGRAM_FOLDER (holding Help and Fuel) as the program's folder, shows every
// window, menu and tab, saves a PNG of each into PICTURE_FOLDER and quits. Not part of
// the installed program; scripts/screenshots.sh and scripts/check-package.sh run it.
#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTimer>
#include <QToolBar>
#include <cstdio>

#include "app/application.h"
#include "app/guarded_application.h"
#include "app/tform1.h"
#include "app/tform4.h"
#include "app/translations.h"
#include "library/qt_paths.h"
#include "library/tform3.h"
#include "ui/main_properties_page.h"
#include "ui/mixture_page.h"
#include "ui/qt_dialogs.h"
#include "ui/tform2.h"

namespace {

using app::Application;

class Tour {
 public:
  Tour(Application& app, const QString& folder) : app_(app), folder_(folder) {}

  void Run() {
    QDir().mkpath(folder_);
    Settle();
    Save(*app_.Form1, QStringLiteral("main-window"));
    ShowMenus();
    Save(*app_.Form3, QStringLiteral("fuel-list"));
    app_.Form3->PageControl1->setCurrentIndex(1);
    Save(*app_.Form3, QStringLiteral("fuel-list-folders"));
    app_.Form3->PageControl1->setCurrentIndex(0);
    ShowFuels();
    ShowMixture();
    app_.ShowAbout();
    Save(*app_.Form4, QStringLiteral("about"));
    if (QScreen* screen = QApplication::primaryScreen()) {
      screen->grabWindow(0).save(folder_ + QStringLiteral("/desktop.png"));
    }
    QApplication::quit();
  }

 private:
  void Settle() {
    for (int i = 0; i < 5; ++i) QApplication::processEvents();
  }

  void Save(QWidget& widget, const QString& name) {
    Settle();
    widget.grab().save(
        QStringLiteral("%1/%2-%3.png").arg(folder_).arg(++count_, 2, 10, QChar('0')).arg(name));
  }

  void SaveMenu(QMenu& menu, const QString& name) {
    menu.popup(app_.Form1->mapToGlobal(QPoint(0, app_.Form1->height())));
    Save(menu, name);
    menu.hide();
  }

  void ShowMenus() {
    app::TForm1& form1 = *app_.Form1;
    SaveMenu(*form1.File1, QStringLiteral("menu-file"));
    SaveMenu(*form1.Edit1, QStringLiteral("menu-editor"));
    SaveMenu(*form1.Options1, QStringLiteral("menu-settings"));
    SaveMenu(*form1.Sort1, QStringLiteral("menu-sort"));
    SaveMenu(*form1.Solid1, QStringLiteral("menu-solid"));
    SaveMenu(*form1.HelpMenu1, QStringLiteral("menu-help"));
    SaveMenu(*form1.PopupMenu1, QStringLiteral("menu-solid-button"));
  }

  // Opens each fuel of the list as a click on its line does, and grabs the document
  // window's visible tabs: every tab for the first fuel, the first two for the others.
  void ShowFuels() {
    QListWidget& list = *app_.Form3->ListBox1;
    for (int row = 0; row < list.count(); ++row) {
      list.setCurrentRow(row);
      Settle();
      ui::TForm2* form2 = app_.Form2;
      if (form2 == nullptr) return;
      QTabWidget& tabs = *form2->PageControl1;
      int shown = 0;
      for (int tab = 0; tab < tabs.count(); ++tab) {
        if (!tabs.isTabVisible(tab)) continue;
        if (row > 0 && shown == 2) break;
        tabs.setCurrentIndex(tab);
        Save(*form2, QStringLiteral("document-%1-tab%2").arg(row + 1).arg(++shown));
      }
      tabs.setCurrentWidget(form2->TabSheet2);
    }
    Save(*app_.Form3, QStringLiteral("fuel-list-chosen"));
    if (QScreen* screen = QApplication::primaryScreen()) {
      screen->grabWindow(0).save(folder_ + QStringLiteral("/desktop-document.png"));
    }
  }

  // A mixture of 60 % stone coal and 40 % natural gas from the example library, built as
  // the user does: choose a fuel in the list, press the slot's button, type the shares.
  void ShowMixture() {
    ui::TForm2* form2 = app_.Form2;
    if (form2 == nullptr) return;
    form2->PageControl1->setCurrentWidget(form2->TabSheet7);
    ui::MixturePage& page = *form2->TabSheet7;
    const std::pair<QString, QString> components[] = {{QStringLiteral("Каменный уголь"), "60"},
                                                      {QStringLiteral("Природный газ"), "40"}};
    for (int slot = 1; slot <= 2; ++slot) {
      const auto& [fuel, share] = components[slot - 1];
      if (!ChooseFuel(fuel)) return;
      page.GSPages1->setCurrentIndex(slot - 1);
      page.Slot(slot).pick->click();
      Type(*page.Slot(slot).share, share);
    }
    Save(*form2, QStringLiteral("mixture-components"));
    page.SpeedButton13->click();
    Save(*form2, QStringLiteral("mixture-results"));
    form2->PageControl1->setCurrentWidget(form2->TabSheet2);
  }

  // Chooses the first line of the fuel list that starts with `name`.
  bool ChooseFuel(const QString& name) {
    QListWidget& list = *app_.Form3->ListBox1;
    for (int row = 0; row < list.count(); ++row) {
      if (!list.item(row)->text().startsWith(name)) continue;
      list.setCurrentRow(row);
      Settle();
      return true;
    }
    return false;
  }

  // Types `text` over the contents of `field`, key by key.
  void Type(QLineEdit& field, const QString& text) {
    field.setFocus();
    field.selectAll();
    for (const QChar ch : text) {
      QKeyEvent press(QEvent::KeyPress, ch.unicode(), Qt::NoModifier, QString(ch));
      QApplication::sendEvent(&field, &press);
    }
    Settle();
  }

  Application& app_;
  QString folder_;
  int count_ = 0;
};

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: screenshot_tour PROGRAM_FOLDER PICTURE_FOLDER\n");
    return 2;
  }
  app::GuardedApplication qt_app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Pyrana"));
  QIcon::setFallbackThemeName(QStringLiteral("Adwaita"));
  app::InstallQtTranslations(qt_app);
  ui::QtDialogs dialogs;
  qt_app.SetDialogs(&dialogs);
  const QString data_dir = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
  Application application(library::ToPath(QString::fromLocal8Bit(argv[1])),
                          library::ToPath(data_dir), dialogs);
  application.Start();
  const QString folder = QString::fromLocal8Bit(argv[2]);
  QTimer::singleShot(300, &application,
                     [&application, folder] { Tour(application, folder).Run(); });
  const int result = QApplication::exec();
  qt_app.SetDialogs(nullptr);
  return result;
}
