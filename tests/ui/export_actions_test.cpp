// "Печать / экспорт": the save dialog asked for each format, the CSV written byte for byte
// as calc/ makes it, the PDF report, cancelling, failures reported in a message box, the
// mixture's actions enabled only for a computed mixture, and the folder remembered.
#include "ui/export_actions.h"

#include <QAction>
#include <QFile>
#include <QMenu>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <memory>
#include <string>

#include "calc/csv_export.h"
#include "calc/design.h"
#include "calc/fuel_io.h"
#include "calc/mixture.h"
#include "test_support.h"

namespace {

std::string Example(const char* name) {
  return std::string(PYRANA_SOURCE_DIR) + "/examples/Fuel/" + name;
}

QByteArray ReadAll(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

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
  calc::FuelDocument doc(',');
  QVERIFY(calc::LoadLibraryFuel(doc, Example("Каменный уголь.fll")));
  calc::XLGrid15EditModeChanged(doc);
  test::ScriptedDialogs dialogs;
  QWidget window;
  ui::ExportActions actions(doc, dialogs, &window);
  QTemporaryDir dir;
  actions.SetFolder(dir.path());
  QSignalSpy exported(&actions, &ui::ExportActions::Exported);

  // A name typed without a suffix gets ".csv".
  dialogs.save_answers = {dir.filePath("уголь")};
  actions.FuelCsv->trigger();
  QCOMPARE(dialogs.save_requests.size(), 1);
  const ui::SaveDialogRequest& request = dialogs.save_requests.first();
  QCOMPARE(request.title, QStringLiteral("Сохранить таблицу CSV"));
  QCOMPARE(request.filter, QStringLiteral("Таблица CSV (*.csv)"));
  QCOMPARE(request.default_suffix, QStringLiteral("csv"));
  QCOMPARE(request.folder, dir.filePath("Каменный уголь марки Д.csv"));
  const QString path = dir.filePath("уголь.csv");
  const QByteArray csv = ReadAll(path);
  QCOMPARE(csv, QByteArray::fromStdString(calc::FuelCsv(doc)));
  QVERIFY(csv.contains("\r\n1000;8268,18;9801,69;186,96\r\n"));
  QCOMPARE(exported.size(), 1);
  QCOMPARE(exported.first().first().toString(), path);
  QVERIFY(dialogs.messages.isEmpty());

  // The next dialog starts in the folder written to; a name with characters no file name
  // may hold is suggested with "_" in their place.
  doc.ComboBox1 = "Уголь 1/2: \"Д\"";
  dialogs.save_answers = {QString()};
  QVERIFY(!actions.Export(ui::ExportActions::Format::kCsv, false));
  QCOMPARE(dialogs.save_requests.last().folder, dir.filePath("Уголь 1_2_ _Д_.csv"));
}

void ExportActionsTest::PdfReportCancelAndFailure() {
  calc::FuelDocument doc;
  QVERIFY(calc::LoadLibraryFuel(doc, Example("Природный газ.fll")));
  calc::XLGrid15EditModeChanged(doc);
  test::ScriptedDialogs dialogs;
  QWidget window;
  ui::ExportActions actions(doc, dialogs, &window);
  QTemporaryDir dir;
  actions.SetFolder(dir.path());

  dialogs.save_answers = {dir.filePath("газ.pdf")};
  QVERIFY(actions.Export(ui::ExportActions::Format::kPdf, false));
  QCOMPARE(dialogs.save_requests.last().title, QStringLiteral("Сохранить отчет PDF"));
  QCOMPARE(dialogs.save_requests.last().default_suffix, QStringLiteral("pdf"));
  QVERIFY(ReadAll(dir.filePath("газ.pdf")).startsWith("%PDF-"));

  // Cancelled: nothing written, nothing said.
  dialogs.save_answers = {QString()};
  QVERIFY(!actions.Export(ui::ExportActions::Format::kPdf, false));
  QVERIFY(dialogs.messages.isEmpty());

  // A folder that does not exist: the reason is shown and the folder stays.
  const QString missing = dir.filePath("нет/газ.csv");
  dialogs.save_answers = {missing};
  QVERIFY(!actions.Export(ui::ExportActions::Format::kCsv, false));
  QCOMPARE(dialogs.messages.size(), 1);
  QVERIFY(dialogs.messages.first().text.contains(missing));
  QCOMPARE(dialogs.messages.first().caption, QStringLiteral("Печать / экспорт"));
  QVERIFY(!QFile::exists(missing));
  QCOMPARE(actions.Folder(), dir.path());
}

void ExportActionsTest::MixtureActionsFollowTheMixture() {
  calc::FuelDocument doc;
  test::ScriptedDialogs dialogs;
  QWidget window;
  ui::ExportActions actions(doc, dialogs, &window);
  QTemporaryDir dir;
  actions.SetFolder(dir.path());
  std::unique_ptr<QMenu> menu(actions.CreateMenu(&window));
  QCOMPARE(menu->actions().size(), 9);  // four for the fuel, a separator, four for the mixture
  QCOMPARE(menu->actions().first(), actions.FuelPrint);
  for (QAction* action :
       {actions.MixturePrint, actions.MixturePreview, actions.MixturePdf, actions.MixtureCsv}) {
    QVERIFY(!action->isEnabled());
  }
  // Asked for anyway: said so, no dialog.
  QVERIFY(!actions.Export(ui::ExportActions::Format::kCsv, true));
  QCOMPARE(dialogs.messages.size(), 1);
  QVERIFY(dialogs.save_requests.isEmpty());

  QVERIFY(calc::LoadLibraryFuel(doc, Example("Каменный уголь.fll")));
  calc::PickComponent(doc, 1);
  QVERIFY(calc::LoadLibraryFuel(doc, Example("Природный газ.fll")));
  calc::PickComponent(doc, 2);
  calc::ShareChange(doc, 1, "60");
  calc::ShareChange(doc, 2, "40");
  calc::SpeedButton13Click(doc);
  QVERIFY(doc.SpeedButton13);
  // Opening the menu enables them.
  emit menu->aboutToShow();
  QVERIFY(actions.MixturePdf->isEnabled() && actions.MixtureCsv->isEnabled());

  dialogs.save_answers = {dir.filePath("смесь.csv"), dir.filePath("смесь.pdf")};
  actions.MixtureCsv->trigger();
  QCOMPARE(dialogs.save_requests.last().folder, dir.filePath("Смесь.csv"));
  const QByteArray csv = ReadAll(dir.filePath("смесь.csv"));
  QCOMPARE(csv, QByteArray::fromStdString(calc::MixtureCsv(doc)));
  QVERIFY(csv.contains(QByteArray::fromStdString("\r\n100," + doc.XLSheet16.Text(0, 1) + ",")));
  actions.MixturePdf->trigger();
  QVERIFY(ReadAll(dir.filePath("смесь.pdf")).startsWith("%PDF-"));
  QCOMPARE(dialogs.messages.size(), 1);
}

void ExportActionsTest::PrintAndPreviewPaintTheReport() {
  calc::FuelDocument doc;
  QVERIFY(calc::LoadLibraryFuel(doc, Example("Каменный уголь.fll")));
  test::ScriptedDialogs dialogs;
  QWidget window;
  ui::ExportActions actions(doc, dialogs, &window);
  // Cancelled in the print dialog: nothing printed.
  QVERIFY(!actions.Print(false));
  QCOMPARE(dialogs.print_dialogs, 1);
  // Printed (into a PDF file here): one A4 page, as the report written as PDF.
  QTemporaryDir dir;
  dialogs.print_to_pdf = dir.filePath("printed.pdf");
  actions.FuelPrint->trigger();
  QCOMPARE(dialogs.print_dialogs, 2);
  const QByteArray printed = ReadAll(dialogs.print_to_pdf);
  QVERIFY(printed.startsWith("%PDF-"));
  QVERIFY(printed.contains("/MediaBox [0 0 595"));
  // The preview paints the same report.
  dialogs.print_to_pdf = dir.filePath("preview.pdf");
  actions.FuelPreview->trigger();
  QCOMPARE(dialogs.previews, 1);
  QVERIFY(ReadAll(dialogs.print_to_pdf).startsWith("%PDF-"));
  // A mixture that is not computed is said, no dialog.
  QVERIFY(!actions.Print(true));
  QCOMPARE(dialogs.print_dialogs, 2);
  QCOMPARE(dialogs.messages.size(), 1);
}

QTEST_MAIN(ExportActionsTest)
#include "export_actions_test.moc"
