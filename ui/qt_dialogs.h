// The program's message boxes and file dialogs, shown with Qt.
#pragma once

#include "ui/dialogs.h"

namespace ui {

class QtDialogs : public Dialogs {
 public:
  QMessageBox::StandardButton Message(QWidget* parent, const QString& text, const QString& caption,
                                      QMessageBox::StandardButtons buttons,
                                      QMessageBox::Icon icon) override;
  QString SaveFileName(QWidget* parent, const SaveDialogRequest& request) override;
  QString OpenFileName(QWidget* parent, const OpenDialogRequest& request) override;
  bool PrintSetup(QWidget* parent, QPrinter& printer) override;
  void PrintPreview(QWidget* parent, QPrinter& printer,
                    const std::function<void(QPrinter&)>& paint) override;
};

}  // namespace ui
