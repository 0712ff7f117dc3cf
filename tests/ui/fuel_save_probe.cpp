// fuel_save_probe FILE: the document window loads FILE, its name is edited and "Сохранить"
// writes it, as a user saves; every message box goes to stderr as "caption: text". Exits 0
// when the file was written, 2 when the save failed and the window still marks the edits
// unsaved, 1 otherwise. scripts/check-package.sh runs it against a full disk.
#include <cstdio>

#include "test_support.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: fuel_save_probe FILE.fll\n");
    return 1;
  }
  // Every message is said on stderr and answered with Cancel; no dialog is shown.
  test::ScriptedDialogs dialogs;
  dialogs.while_asking = [&dialogs] {
    std::fprintf(stderr, "%s\n", dialogs.Said().toUtf8().constData());
  };
  ui::TForm2 form(dialogs);
  if (!form.LoadFuel(library::ToPath(QString::fromLocal8Bit(argv[1])))) return 1;
  form.ComboBox1->setText(form.ComboBox1->text() + QStringLiteral(" (правка)"));
  if (form.Save()) return 0;
  std::fprintf(stderr, "window title: %s\n", form.windowTitle().toUtf8().constData());
  return form.HasUnsavedEdits() && form.windowTitle().endsWith(QLatin1Char('*')) ? 2 : 1;
}
