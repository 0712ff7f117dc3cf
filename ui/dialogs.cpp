// The error report shared by every window.
#include "ui/dialogs.h"

namespace ui {

void ReportError(Dialogs& dialogs, QWidget* parent, const QString& text) {
  dialogs.Message(parent, text, QStringLiteral("Error"), QMessageBox::Ok, QMessageBox::Critical);
}

}  // namespace ui
