// One committed cell edit in the real document window, from the Enter that commits a
// carbon value typed over the old one until the event loop is idle again: the separator
// repair, the cycle, the design calculation and every view's update. The window runs on
// the offscreen platform with a decimal comma and the composition page in front.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLocale>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <array>

#include "fuel/fuel_file.h"
#include "library/qt_paths.h"
#include "ui/ash_products_page.h"
#include "ui/dialogs.h"
#include "ui/main_properties_page.h"
#include "ui/tform2.h"
#include "ui/txl_grid.h"

namespace {

// No message box is ever shown by these edits; any would end the run with a wrong figure.
class NoDialogs : public ui::Dialogs {
 public:
  QMessageBox::StandardButton Message(QWidget*, const QString& text, const QString&,
                                      QMessageBox::StandardButtons, QMessageBox::Icon) override {
    qFatal("unexpected message: %s", qPrintable(text));
  }
  QString SaveFileName(QWidget*, const ui::SaveDialogRequest&) override { return {}; }
  QString OpenFileName(QWidget*, const ui::OpenDialogRequest&) override { return {}; }
  bool PrintSetup(QWidget*, QPrinter&) override { return false; }
  void PrintPreview(QWidget*, QPrinter&, const std::function<void(QPrinter&)>&) override {}
};

void Idle() {
  for (int i = 0; i < 3; ++i) QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void Key(Qt::Key key) { QTest::keyClick(QApplication::focusWidget(), key); }

void BM_CommittedCellEdit(benchmark::State& state) {
  QTemporaryDir dir;
  const std::filesystem::path coal = library::ToPath(dir.path()) / "coal.fll";
  std::array<float, fuel::kRecordSize> values{10, 20, 55, 4, 1, 2, 8, 40, 21861};
  values[fuel::kTypeRow] = 1;
  fuel::WriteFuelFile(coal, "Coal", values);

  NoDialogs dialogs;
  ui::TForm2 form(dialogs);
  form.show();
  QApplication::setActiveWindow(&form);
  if (!QTest::qWaitForWindowActive(&form) || !form.LoadFuel(coal)) {
    state.SkipWithError("the window did not start");
    return;
  }
  ui::TXLGrid& grid = *form.TabSheet2->XLGrid3;
  const QModelIndex carbon = grid.model()->index(3, 1);
  int i = 0;
  for (auto _ : state) {
    state.PauseTiming();
    grid.setFocus();
    grid.setCurrentIndex(carbon);
    QTest::keyClick(grid.viewport(), '5');
    QTest::keyClick(QApplication::focusWidget(), (i++ % 2) ? '5' : '6');
    Idle();
    state.ResumeTiming();
    Key(Qt::Key_Return);
    Idle();
  }
  if (!grid.model()->index(3, 1).data().toString().startsWith(QStringLiteral("5"))) {
    state.SkipWithError("the edit did not reach the sheet");
  }
}
BENCHMARK(BM_CommittedCellEdit)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
