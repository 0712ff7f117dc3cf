// GuardedApplication: the catch at the event boundary.
#include "app/guarded_application.h"

#include <QtGlobal>
#include <exception>
#include <string>

#include "sheets/errors.h"
#include "ui/qt_dialogs.h"

namespace app {

GuardedApplication::GuardedApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool GuardedApplication::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (const std::exception& error) {
    const std::string origin = sheets::ErrorOrigin(error);
    if (!origin.empty()) qWarning("%s (in %s)", error.what(), origin.c_str());
    Report(QString::fromUtf8(error.what()));
  } catch (...) {
    Report(QStringLiteral("Неизвестная ошибка"));
  }
  return false;
}

void GuardedApplication::Report(const QString& text) {
  if (dialogs_ != nullptr) {
    ui::ReportError(*dialogs_, activeWindow(), text);
    return;
  }
  ui::QtDialogs dialogs;
  ui::ReportError(dialogs, activeWindow(), text);
}

}  // namespace app
