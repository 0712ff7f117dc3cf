// pyrana: the desktop program.
#include <QDir>
#include <QIcon>
#include <QStandardPaths>
#include <cstdio>
#include <cstdlib>

#include "app/application.h"
#include "app/guarded_application.h"
#include "app/screenshot_tour.h"
#include "app/translations.h"
#include "library/qt_paths.h"
#include "ui/qt_dialogs.h"

namespace {

// Whether a window system is there to show the program on.
bool HasDisplay() {
  for (const char* variable : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"}) {
    const char* value = std::getenv(variable);
    if (value != nullptr && *value != '\0') return true;
  }
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  if (!HasDisplay()) {
    // The command as it was typed: build/release/app/pyrana in a build, pyrana installed.
    std::fprintf(stderr,
                 "pyrana: no display; start it under Xvfb (xvfb-run -a %s) or use the "
                 "calculator: pyrana-calc FUEL.fll (build/release/cli/pyrana-calc in a build)\n",
                 argc > 0 ? argv[0] : "pyrana");
    return 1;
  }
  app::GuardedApplication qt_app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Pyrana"));
  QApplication::setApplicationVersion(QStringLiteral("1.5"));
  QIcon::setFallbackThemeName(QStringLiteral("Adwaita"));
  if (!app::InstallQtTranslations(qt_app)) {
    std::fprintf(stderr, "pyrana: Qt's Russian translation (qtbase_ru.qm) is missing\n");
  }

  ui::QtDialogs dialogs;
  qt_app.SetDialogs(&dialogs);
  const QString data_dir = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
  app::Application application(library::ToPath(QCoreApplication::applicationDirPath()),
                               library::ToPath(data_dir), dialogs);
  application.Start();

  const QString screenshot_dir = qEnvironmentVariable("PYRANA_SCREENSHOT_DIR");
  if (!screenshot_dir.isEmpty()) app::StartScreenshotTour(application, screenshot_dir);
  const int result = QApplication::exec();
  qt_app.SetDialogs(nullptr);
  return result;
}
