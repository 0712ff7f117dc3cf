// pyrana: the desktop program.
#include <QCommandLineParser>
#include <QDir>
#include <QIcon>
#include <QStandardPaths>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>

#include "app/application.h"
#include "app/guarded_application.h"
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

constexpr const char* kVersion = "1.5";

// The command line: fuel files to open, --help, --version. Returns an exit status when
// the program is to end at once (after printing help, the version or a usage error).
std::optional<int> ParseArguments(int argc, char** argv, QStringList& files) {
  QStringList arguments;
  for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
  QCommandLineParser parser;
  parser.setApplicationDescription(QStringLiteral(
      "Pyrana: fuel reference and boiler design calculator. Opens the first FILE given."));
  const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                QStringLiteral("Show this help and exit."));
  const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                   QStringLiteral("Show the version and exit."));
  parser.addOptions({help, version});
  parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("fuel file (.fll) to open"),
                               QStringLiteral("[FILE.fll ...]"));
  if (!parser.parse(arguments)) {
    std::fprintf(stderr, "pyrana: %s\n", qPrintable(parser.errorText()));
    return 2;
  }
  if (parser.isSet(help)) {
    // No application object exists yet to name the program in the usage line.
    QString text = parser.helpText();
    text.replace(QStringLiteral("<executable_name>"), QStringLiteral("pyrana"));
    std::fputs(qPrintable(text), stdout);
    return 0;
  }
  if (parser.isSet(version)) {
    std::printf("pyrana %s\n", kVersion);
    return 0;
  }
  files = parser.positionalArguments();
  for (qsizetype i = 1; i < files.size(); ++i) {
    std::fprintf(stderr, "pyrana: only the first file is opened; %s is ignored\n",
                 qPrintable(files[i]));
  }
  return std::nullopt;
}

}  // namespace

int main(int argc, char** argv) {
  QStringList files;
  if (const std::optional<int> status = ParseArguments(argc, argv, files)) return *status;
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
  QApplication::setApplicationVersion(QString::fromLatin1(kVersion));
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
  if (!files.isEmpty()) {
    const std::filesystem::path file = library::ToPath(files.constFirst());
    application.OpenFile(std::filesystem::absolute(file).lexically_normal());
  }
  const int result = QApplication::exec();
  qt_app.SetDialogs(nullptr);
  return result;
}
