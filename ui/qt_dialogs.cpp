// Message boxes and the save dialog with Qt widgets.
#include "ui/qt_dialogs.h"

#include <QFileDialog>

namespace ui {

QMessageBox::StandardButton QtDialogs::Message(QWidget* parent, const QString& text,
                                               const QString& caption,
                                               QMessageBox::StandardButtons buttons,
                                               QMessageBox::Icon icon) {
  QMessageBox box(icon, caption, text, buttons, parent);
  return static_cast<QMessageBox::StandardButton>(box.exec());
}

QString QtDialogs::SaveFileName(QWidget* parent, const SaveDialogRequest& request) {
  QFileDialog dialog(parent, request.title, request.folder, request.filter);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setDefaultSuffix(request.default_suffix);
  dialog.setOption(QFileDialog::DontConfirmOverwrite);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().constFirst();
}

QString QtDialogs::OpenFileName(QWidget* parent, const OpenDialogRequest& request) {
  QFileDialog dialog(parent, request.title, request.folder, request.filter);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(QFileDialog::ExistingFile);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().constFirst();
}

}  // namespace ui
