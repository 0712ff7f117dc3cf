// The error report shared by every window.
#include "ui/dialogs.h"

#include <QtGlobal>
#include <string>

#include "sheets/errors.h"

namespace ui {

void ReportError(Dialogs& dialogs, QWidget* parent, const QString& text) {
  dialogs.Message(parent, text, QStringLiteral("Ошибка"), QMessageBox::Ok, QMessageBox::Critical);
}

void ReportFailure(Dialogs& dialogs, QWidget* parent, const std::exception& failure) {
  const std::string origin = sheets::ErrorOrigin(failure);
  if (!origin.empty()) qWarning("%s (in %s)", failure.what(), origin.c_str());
  ReportError(dialogs, parent, QString::fromUtf8(failure.what()));
}

}  // namespace ui
