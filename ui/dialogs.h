// The message boxes and the file dialogs of the windows, behind one small interface:
// the program shows them with Qt (QtDialogs), tests answer them from a script.
#pragma once

#include <QMessageBox>
#include <QString>
#include <exception>
#include <functional>

class QPrinter;
class QWidget;

namespace ui {

// What the save dialog is asked to show.
struct SaveDialogRequest {
  QString title;           // "Сохранить файл топлива"
  QString folder;          // the folder it starts in, or the file proposed in that folder
  QString filter;          // "Файл топлива (*.fll)"
  QString default_suffix;  // "fll", added when the user types a name without one
};

// What the open dialog is asked to show.
struct OpenDialogRequest {
  QString title;   // "Открыть файл топлива"
  QString folder;  // the folder it starts in
  QString filter;  // "Файл топлива (*.fll)"
};

class Dialogs {
 public:
  virtual ~Dialogs() = default;

  // A modal message box; returns the button chosen (the Escape button when it is closed).
  virtual QMessageBox::StandardButton Message(QWidget* parent, const QString& text,
                                              const QString& caption,
                                              QMessageBox::StandardButtons buttons,
                                              QMessageBox::Icon icon) = 0;

  // A modal save dialog that does not ask before replacing a file; the chosen path, or an
  // empty text when the user cancels.
  virtual QString SaveFileName(QWidget* parent, const SaveDialogRequest& request) = 0;

  // A modal dialog to choose an existing file; the chosen path, or an empty text when the
  // user cancels.
  virtual QString OpenFileName(QWidget* parent, const OpenDialogRequest& request) = 0;

  // The print dialog for `printer` (printer, pages, copies); whether the user chose to
  // print.
  virtual bool PrintSetup(QWidget* parent, QPrinter& printer) = 0;
  // A preview of what `paint` paints on `printer`, from which the user may print it.
  virtual void PrintPreview(QWidget* parent, QPrinter& printer,
                            const std::function<void(QPrinter&)>& paint) = 0;
};

// The error report: the failure's own text in a message box captioned "Ошибка".
void ReportError(Dialogs& dialogs, QWidget* parent, const QString& text);

// The error report of a failure: its own text in the message box; where a calculation's
// failure came from (routine and cell) written to the log.
void ReportFailure(Dialogs& dialogs, QWidget* parent, const std::exception& failure);

// Runs `handler`; a failure it lets through is reported and the program goes on. Every
// slot that starts a calculation or touches a file runs through it.
template <typename Handler>
void RunGuarded(Dialogs& dialogs, QWidget* parent, Handler&& handler) {
  try {
    handler();
  } catch (const std::exception& error) {
    ReportFailure(dialogs, parent, error);
  }
}

}  // namespace ui
