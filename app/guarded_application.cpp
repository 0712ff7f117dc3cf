// GuardedApplication: the catch at the event boundary.
#include "app/guarded_application.h"

#include <exception>

namespace app {

GuardedApplication::GuardedApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool GuardedApplication::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (const std::exception& error) {
    ui::ReportFailure(ReportDialogs(), activeWindow(), error);
  } catch (...) {
    ui::ReportError(ReportDialogs(), activeWindow(), QStringLiteral("Неизвестная ошибка"));
  }
  return false;
}

}  // namespace app
