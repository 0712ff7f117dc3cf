// "Печать / экспорт": the save dialog asked for each format, the CSV written byte for byte
// as calc/ makes it, the PDF report, cancelling, failures reported in a message box, the
// mixture's actions enabled only for a computed mixture, and the folder remembered.
#include "ui/export_actions.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <cerrno>
#include <memory>
#include <string>

#include "calc/csv_export.h"
#include "calc/design.h"
#include "calc/fuel_io.h"
#include "fuel/atomic_file.h"
#include "test_support.h"

namespace {

QByteArray ReadAll(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The actions over a document, their dialogs answered from a script, writing into a
// temporary folder.
struct Exporting {
  explicit Exporting(char separator = '.') : doc(separator) { actions.SetFolder(dir.path()); }
  // Loads an example fuel and computes its design parameters.
  bool Load(const char* example) {
    if (!calc::LoadLibraryFuel(doc, test::ExampleFuel(example))) return false;
    calc::XLGrid15EditModeChanged(doc);
    return true;
  }

  calc::FuelDocument doc;
  test::ScriptedDialogs dialogs;
  QWidget window;
  ui::ExportActions actions{doc, dialogs, &window};
  QTemporaryDir dir;
};

}  // namespace

class ExportActionsTest : public QObject {
  Q_OBJECT

 private slots:
  void CsvOfTheFuelIsWrittenAsCalcMakesIt();
  void PdfReportCancelAndFailure();
  void MixtureActionsFollowTheMixture();
  void PrintAndPreviewPaintTheReport();
};

void ExportActionsTest::CsvOfTheFuelIsWrittenAsCalcMakesIt() {
  // A document with a decimal comma: the CSV's fields are then separated by ";".
  Exporting e(',');
  QVERIFY(e.Load("Каменный уголь.fll"));
  QSignalSpy exported(&e.actions, &ui::ExportActions::Exported);

  // A name typed without a suffix gets ".csv".
  e.dialogs.save_answers = {e.dir.filePath("уголь")};
  e.actions.FuelCsv->trigger();
  QCOMPARE(e.dialogs.save_requests.size(), 1);
  const ui::SaveDialogRequest& request = e.dialogs.save_requests.first();
  QCOMPARE(request.title, QStringLiteral("Сохранить таблицу CSV"));
  QCOMPARE(request.filter, QStringLiteral("Таблица CSV (*.csv)"));
  QCOMPARE(request.default_suffix, QStringLiteral("csv"));
  QCOMPARE(request.folder, e.dir.filePath("Каменный уголь марки Д.csv"));
  const QString path = e.dir.filePath("уголь.csv");
  const QByteArray csv = ReadAll(path);
  QCOMPARE(csv, QByteArray::fromStdString(calc::FuelCsv(e.doc)));
  QCOMPARE(exported.size(), 1);
  QCOMPARE(exported.first().first().toString(), path);
  QVERIFY(e.dialogs.messages.isEmpty());

  // The next dialog starts in the folder written to; a name with characters no file name
  // may hold is suggested with "_" in their place.
  e.doc.ComboBox1 = "Уголь 1/2: \"Д\"";
  e.dialogs.save_answers = {QString()};
  QVERIFY(!e.actions.Export(ui::ExportActions::Format::kCsv, false));
  QCOMPARE(e.dialogs.save_requests.last().folder, e.dir.filePath("Уголь 1_2_ _Д_.csv"));
}

void ExportActionsTest::PdfReportCancelAndFailure() {
  Exporting e;
  QVERIFY(e.Load("Природный газ.fll"));
  e.dialogs.save_answers = {e.dir.filePath("газ.pdf")};
  QVERIFY(e.actions.Export(ui::ExportActions::Format::kPdf, false));
  QCOMPARE(e.dialogs.save_requests.last().title, QStringLiteral("Сохранить отчет PDF"));
  QCOMPARE(e.dialogs.save_requests.last().default_suffix, QStringLiteral("pdf"));
  QVERIFY(ReadAll(e.dir.filePath("газ.pdf")).startsWith("%PDF-"));

  // Cancelled: nothing written, nothing said.
  e.dialogs.save_answers = {QString()};
  QVERIFY(!e.actions.Export(ui::ExportActions::Format::kPdf, false));
  QVERIFY(e.dialogs.messages.isEmpty());

  // A folder that does not exist, or a full disk, for either format: nothing written, the
  // file and the reason shown, an old file and the folder as they were.
  for (const auto format : {ui::ExportActions::Format::kPdf, ui::ExportActions::Format::kCsv}) {
    const QString old =
        e.dir.filePath(format == ui::ExportActions::Format::kPdf ? QStringLiteral("старый.pdf")
                                                                 : QStringLiteral("старый.csv"));
    {
      QFile file(old);
      QVERIFY(file.open(QIODevice::WriteOnly));
      file.write("old");
    }
    e.dialogs.save_answers = {old};
    e.dialogs.messages.clear();
    const fuel::WriteCall before =
        fuel::SetWriteCallForTesting([](int, const void*, std::size_t) -> ssize_t {
          errno = ENOSPC;
          return -1;
        });
    const bool exported = e.actions.Export(format, false);
    fuel::SetWriteCallForTesting(before);
    QVERIFY(!exported);
    QCOMPARE(e.dialogs.messages.size(), 1);
    QCOMPARE(e.dialogs.messages.first().text,
             QStringLiteral("Не удалось записать файл %1\nNo space left on device").arg(old));
    QCOMPARE(ReadAll(old), QByteArray("old"));

    const QString missing = e.dir.filePath("нет/газ");
    e.dialogs.save_answers = {missing};
    e.dialogs.messages.clear();
    QVERIFY(!e.actions.Export(format, false));
    QCOMPARE(e.dialogs.messages.size(), 1);
    QVERIFY(e.dialogs.messages.first().text.startsWith(QStringLiteral("Не удалось")));
    QVERIFY(e.dialogs.messages.first().text.contains(missing));
    QVERIFY(!QDir(e.dir.filePath("нет")).exists());
  }
  QCOMPARE(e.dialogs.messages.first().caption, QStringLiteral("Печать / экспорт"));
  QCOMPARE(e.actions.Folder(), e.dir.path());
}

void ExportActionsTest::MixtureActionsFollowTheMixture() {
  Exporting e;
  std::unique_ptr<QMenu> menu(e.actions.CreateMenu(&e.window));
  QCOMPARE(menu->actions().size(), 9);  // four for the fuel, a separator, four for the mixture
  QCOMPARE(menu->actions().first(), e.actions.FuelPrint);
  for (QAction* action : {e.actions.MixturePrint, e.actions.MixturePreview, e.actions.MixturePdf,
                          e.actions.MixtureCsv}) {
    QVERIFY(!action->isEnabled());
  }
  // Asked for anyway: said so, no dialog.
  QVERIFY(!e.actions.Export(ui::ExportActions::Format::kCsv, true));
  QCOMPARE(e.dialogs.messages.size(), 1);
  QVERIFY(e.dialogs.save_requests.isEmpty());

  QVERIFY(test::BuildSixtyFortyMixture(e.doc));
  // Opening the menu enables them.
  emit menu->aboutToShow();
  QVERIFY(e.actions.MixturePdf->isEnabled() && e.actions.MixtureCsv->isEnabled());

  e.dialogs.save_answers = {e.dir.filePath("смесь.csv"), e.dir.filePath("смесь.pdf")};
  e.actions.MixtureCsv->trigger();
  QCOMPARE(e.dialogs.save_requests.last().folder, e.dir.filePath("Смесь.csv"));
  const QByteArray csv = ReadAll(e.dir.filePath("смесь.csv"));
  QCOMPARE(csv, QByteArray::fromStdString(calc::MixtureCsv(e.doc)));
  QVERIFY(csv != QByteArray::fromStdString(calc::FuelCsv(e.doc)));
  e.actions.MixturePdf->trigger();
  QVERIFY(ReadAll(e.dir.filePath("смесь.pdf")).startsWith("%PDF-"));
  QCOMPARE(e.dialogs.messages.size(), 1);
}

void ExportActionsTest::PrintAndPreviewPaintTheReport() {
  Exporting e;
  QVERIFY(e.Load("Каменный уголь.fll"));
  // Cancelled in the print dialog: nothing printed.
  QVERIFY(!e.actions.Print(false));
  QCOMPARE(e.dialogs.print_dialogs, 1);
  // Printed (into a PDF file here): one A4 page, as the report written as PDF.
  e.dialogs.print_to_pdf = e.dir.filePath("printed.pdf");
  e.actions.FuelPrint->trigger();
  QCOMPARE(e.dialogs.print_dialogs, 2);
  const QByteArray printed = ReadAll(e.dialogs.print_to_pdf);
  QVERIFY(printed.startsWith("%PDF-"));
  QVERIFY(printed.contains("/MediaBox [0 0 595"));
  // The preview paints the same report.
  e.dialogs.print_to_pdf = e.dir.filePath("preview.pdf");
  e.actions.FuelPreview->trigger();
  QCOMPARE(e.dialogs.previews, 1);
  QVERIFY(ReadAll(e.dialogs.print_to_pdf).startsWith("%PDF-"));
  // A mixture that is not computed is said, no dialog.
  QVERIFY(!e.actions.Print(true));
  QCOMPARE(e.dialogs.print_dialogs, 2);
  QCOMPARE(e.dialogs.messages.size(), 1);
}

QTEST_MAIN(ExportActionsTest)
#include "export_actions_test.moc"
