// GuardedApplication: the catch at the event boundary.
#include "app/guarded_application.h"

#include <exception>

#include "ui/qt_dialogs.h"

namespace app {

GuardedApplication::GuardedApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool GuardedApplication::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (const std::exception& error) {
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
