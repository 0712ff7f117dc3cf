// Message boxes and the save dialog with Qt widgets.
#include "ui/qt_dialogs.h"

#include <QFileDialog>
#include <QHeaderView>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QTimer>
#include <QTreeView>

#include "ui/frame_on_screen.h"

namespace ui {

namespace {

// Wide enough for the Russian column titles; the names take the room the size, type and
// date columns leave, each of which is as wide as its texts.
void ShowFileNamesInFull(QFileDialog& dialog) {
  dialog.setViewMode(QFileDialog::Detail);
  // Placed over its parent, the dialog is given its size and kept on the screen once the
  // window manager has framed it.
  new FrameOnScreen(dialog, {}, QSize(820, 480));
  // The dialog makes its widgets, and restores the last columns, as it is shown.
  QTimer::singleShot(0, &dialog, [&dialog] {
    for (auto* files : dialog.findChildren<QTreeView*>()) {
      QHeaderView* header = files->header();
      header->setStretchLastSection(false);
      header->setSectionResizeMode(0, QHeaderView::Stretch);
      for (int col = 1; col < header->count(); ++col) {
        header->setSectionResizeMode(col, QHeaderView::ResizeToContents);
      }
    }
  });
}

}  // namespace

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
  ShowFileNamesInFull(dialog);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().constFirst();
}

QString QtDialogs::OpenFileName(QWidget* parent, const OpenDialogRequest& request) {
  QFileDialog dialog(parent, request.title, request.folder, request.filter);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(QFileDialog::ExistingFile);
  ShowFileNamesInFull(dialog);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().constFirst();
}

}  // namespace ui

namespace ui {

bool QtDialogs::PrintSetup(QWidget* parent, QPrinter& printer) {
  QPrintDialog dialog(&printer, parent);
  dialog.setWindowTitle(QStringLiteral("Печать"));
  return dialog.exec() == QDialog::Accepted;
}

void QtDialogs::PrintPreview(QWidget* parent, QPrinter& printer,
                             const std::function<void(QPrinter&)>& paint) {
  QPrintPreviewDialog dialog(&printer, parent);
  dialog.setWindowTitle(QStringLiteral("Просмотр печати"));
  dialog.resize(760, 680);
  QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested,
                   [&paint](QPrinter* target) { paint(*target); });
  dialog.exec();
}

}  // namespace ui
