// The desktop program's start-up over a large library, for /usr/bin/time under Xvfb:
//   start_up_probe --make-library N FOLDER  writes N generated fuels into FOLDER/Fuel;
//   start_up_probe FOLDER                   starts the program's windows as main() does,
//                                           with FOLDER as the program folder, and quits as
//                                           soon as the main window and the fuel list are
//                                           shown, printing the time from main() to then.
#include <QApplication>
#include <QElapsedTimer>
#include <QIcon>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QWindow>
#include <cstdio>
#include <cstdlib>
#include <initializer_list>
#include <string_view>

#include "app/application.h"
#include "app/guarded_application.h"
#include "app/tform1.h"
#include "bench/generated_library.h"
#include "library/qt_paths.h"
#include "library/tform3.h"
#include "ui/qt_dialogs.h"

namespace {

// Quits the event loop once every watched window has been exposed and painted.
class ShownWatch : public QObject {
 public:
  explicit ShownWatch(std::initializer_list<QWidget*> widgets) {
    for (QWidget* widget : widgets) {
      widget->windowHandle()->installEventFilter(this);
      ++waiting_;
    }
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    auto* window = static_cast<QWindow*>(watched);
    if (event->type() == QEvent::Expose && window->isExposed()) {
      window->removeEventFilter(this);
      // After this event, which paints the window, has been handled.
      if (--waiting_ == 0) QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    }
    return false;
  }

 private:
  int waiting_ = 0;
};

}  // namespace

int main(int argc, char** argv) {
  QElapsedTimer since_main;
  since_main.start();
  if (argc == 4 && std::string_view(argv[1]) == "--make-library") {
    bench::WriteGeneratedLibrary(std::filesystem::path(argv[3]) / "Fuel", std::atoi(argv[2]));
    return 0;
  }
  if (argc != 2) {
    std::fputs("usage: start_up_probe --make-library N FOLDER | start_up_probe FOLDER\n", stderr);
    return 2;
  }
  app::GuardedApplication qt_app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Pyrana"));
  QIcon::setFallbackThemeName(QStringLiteral("Adwaita"));
  ui::QtDialogs dialogs;
  qt_app.SetDialogs(&dialogs);
  QTemporaryDir data_dir;  // the user's data folder is left alone
  app::Application application(library::ToPath(QString::fromLocal8Bit(argv[1])),
                               library::ToPath(data_dir.path()), dialogs);
  application.Start();
  ShownWatch watch{application.Form1, application.Form3};
  bool timed_out = false;
  QTimer::singleShot(30000, &qt_app, [&timed_out] {
    timed_out = true;
    QCoreApplication::quit();
  });
  QApplication::exec();
  if (timed_out) {
    std::fputs("start_up_probe: the windows were not shown within 30 s\n", stderr);
    return 1;
  }
  std::printf("windows shown %lld ms after main(); %d fuels listed\n",
              static_cast<long long>(since_main.elapsed()), application.Form3->ListBox1->count());
  qt_app.SetDialogs(nullptr);
  return 0;
}
