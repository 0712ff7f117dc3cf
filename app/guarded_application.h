// The Qt application object with the program's default error report: a failure that
// no handler caught is shown in a message box at the event boundary, and the program
// goes on with the next event.
#pragma once

#include <QApplication>

namespace ui {
class Dialogs;
}

namespace app {

class GuardedApplication : public QApplication {
  Q_OBJECT

 public:
  GuardedApplication(int& argc, char** argv);

  // Where failures are reported; until set, Qt message boxes.
  void SetDialogs(ui::Dialogs* dialogs) { dialogs_ = dialogs; }

  bool notify(QObject* receiver, QEvent* event) override;

 private:
  void Report(const QString& text);

  ui::Dialogs* dialogs_ = nullptr;
};

}  // namespace app
