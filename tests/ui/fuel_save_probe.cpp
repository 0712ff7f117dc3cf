// fuel_save_probe FILE: the document window loads FILE, its name is edited and "Сохранить"
// writes it, as a user saves; every message box goes to stderr as "caption: text". Exits 0
// when the file was written, 2 when the save failed and the window still marks the edits
// unsaved, 1 otherwise. scripts/check-package.sh runs it against a full disk.
#include <QApplication>
#include <QLineEdit>
#include <cstdio>

#include "library/qt_paths.h"
#include "ui/dialogs.h"
#include "ui/tform2.h"

namespace {

// Says every message on stderr and answers no question; no dialog is shown.
class PrintingDialogs : public ui::Dialogs {
 public:
  QMessageBox::StandardButton Message(QWidget* /*parent*/, const QString& text,
                                      const QString& caption, QMessageBox::StandardButtons,
                                      QMessageBox::Icon) override {
    std::fprintf(stderr, "%s: %s\n", caption.toUtf8().constData(), text.toUtf8().constData());
    return QMessageBox::Cancel;
  }
  QString SaveFileName(QWidget*, const ui::SaveDialogRequest&) override { return {}; }
  QString OpenFileName(QWidget*, const ui::OpenDialogRequest&) override { return {}; }
  bool PrintSetup(QWidget*, QPrinter&) override { return false; }
  void PrintPreview(QWidget*, QPrinter&, const std::function<void(QPrinter&)>&) override {}
};

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: fuel_save_probe FILE.fll\n");
    return 1;
  }
  PrintingDialogs dialogs;
  ui::TForm2 form(dialogs);
  if (!form.LoadFuel(library::ToPath(QString::fromLocal8Bit(argv[1])))) return 1;
  form.ComboBox1->setText(form.ComboBox1->text() + QStringLiteral(" (правка)"));
  if (form.Save()) return 0;
  std::fprintf(stderr, "window title: %s\n", form.windowTitle().toUtf8().constData());
  return form.HasUnsavedEdits() && form.windowTitle().endsWith(QLatin1Char('*')) ? 2 : 1;
}
