// The Qt application object with the program's default error report: a failure that
// no handler caught is shown in a message box at the event boundary, and the program
// goes on with the next event.
#pragma once

#include <QApplication>

#include "ui/qt_dialogs.h"

namespace app {

class GuardedApplication : public QApplication {
  Q_OBJECT

 public:
  GuardedApplication(int& argc, char** argv);

  // Where failures are reported; until set, Qt message boxes.
  void SetDialogs(ui::Dialogs* dialogs) { dialogs_ = dialogs; }

  bool notify(QObject* receiver, QEvent* event) override;

 private:
  ui::Dialogs& ReportDialogs() { return dialogs_ != nullptr ? *dialogs_ : qt_dialogs_; }

  ui::Dialogs* dialogs_ = nullptr;
  ui::QtDialogs qt_dialogs_;
};

}  // namespace app
