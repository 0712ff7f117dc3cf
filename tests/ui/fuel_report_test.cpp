// The fuel report and "Печать / экспорт": one A4 page painted within its area, the CSV as
// calc/ makes it, failures said with an old file left whole, the mixture's actions only for
// a computed mixture. (The report's texts are tested with calc/report_blocks.)
#include "ui/fuel_report.h"

#include <QAction>
#include <QDir>
#include <QImage>
#include <QMenu>
#include <QPainter>
#include <QRegularExpression>
#include <QSignalSpy>

#include "calc/csv_export.h"
#include "calc/cycle.h"
#include "test_support.h"
#include "ui/export_actions.h"

namespace {

QByteArray ReadAll(const QString& path) {
  return QByteArray::fromStdString(test::ReadBytes(library::ToPath(path)));
}

// One page object ("/Type /Page" not followed by "s", the page tree), A4 wide.
bool IsOneA4Page(const QByteArray& pdf) {
  static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?!s)"));
  return pdf.startsWith("%PDF-") && QString::fromLatin1(pdf).count(page) == 1 &&
         pdf.contains("/MediaBox [0 0 595");
}

// The page painted at 4 dots per millimetre inside a white border of 40 dots: the dots
// inked outside the area, the lowest inked row, and the red dots of its upper third, where
// the composition is and the diagram's lines are not.
struct Painted {
  int outside = 0;
  int lowest_ink = 0;
  int red_at_top = 0;
};
constexpr int kBorder = 40;
constexpr int kAreaWidth = 186 * 4;
constexpr int kAreaHeight = 273 * 4;

Painted Paint(const calc::FuelDocument& doc, bool mixture) {
  QImage image(kAreaWidth + 2 * kBorder, kAreaHeight + 2 * kBorder, QImage::Format_RGB32);
  image.fill(Qt::white);
  {
    QPainter painter(&image);
    ui::PaintFuelReport(painter, QRectF(kBorder, kBorder, kAreaWidth, kAreaHeight), 4, doc,
                        mixture);
  }
  const QRect area(kBorder, kBorder, kAreaWidth, kAreaHeight);
  Painted painted;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const QColor c = image.pixelColor(x, y);
      if (c == Qt::white) continue;
      if (!area.contains(x, y)) ++painted.outside;
      painted.lowest_ink = std::max(painted.lowest_ink, y);
      const bool red = c.red() > 150 && c.green() < 80 && c.blue() < 80;
      if (red && y < kBorder + kAreaHeight / 3) ++painted.red_at_top;
    }
  }
  return painted;
}

// The actions over a document, their dialogs answered from a script, in a temporary folder.
struct Exporting {
  Exporting() { actions.SetFolder(dir.path()); }
  calc::FuelDocument doc{','};
  test::ScriptedDialogs dialogs;
  QWidget window;
  ui::ExportActions actions{doc, dialogs, &window};
  QTemporaryDir dir;
};

}  // namespace

class FuelReportTest : public QObject {
  Q_OBJECT

 private slots:

  void OneA4PageWithinItsArea() {
    // The coal, the gas (the longest composition) and the mixture: inside, down to the end.
    QTemporaryDir dir;
    for (const char* name : {"Каменный уголь.fll", "Природный газ.fll", ""}) {
      calc::FuelDocument doc;
      const bool mixture = *name == '\0';
      QVERIFY(mixture ? test::BuildSixtyFortyMixture(doc) : test::OpenDesignedExample(doc, name));
      const QString path = dir.filePath("report.pdf");
      QCOMPARE(ui::WriteFuelReportPdf(doc, mixture, path), QString());
      QVERIFY2(IsOneA4Page(ReadAll(path)), name);
      const Painted painted = Paint(doc, mixture);
      QCOMPARE(painted.outside, 0);
      QVERIFY2(painted.lowest_ink > kBorder + kAreaHeight * 9 / 10, name);
      QCOMPARE(painted.red_at_top, 0);
    }
    // Carbon 45 instead of 55: the composition's total of 90 is painted red.
    calc::FuelDocument doc;
    QVERIFY(test::OpenDesignedExample(doc, "Каменный уголь.fll"));
    doc.XLSheet3.SetText(1, 3, "45");
    calc::XLGrid1EditModeChanged(doc);
    QVERIFY(Paint(doc, false).red_at_top > 20);
  }

  void ExportAsksWritesAndSaysWhatFailed() {
    Exporting e;
    QVERIFY(test::OpenDesignedExample(e.doc, "Каменный уголь.fll"));
    QSignalSpy exported(&e.actions, &ui::ExportActions::Exported);
    // A name typed without a suffix gets ".csv"; with a decimal comma, fields are split by ";".
    e.dialogs.save_answers = {e.dir.filePath("уголь")};
    e.actions.FuelCsv->trigger();
    QCOMPARE(e.dialogs.save_requests.value(0).folder, e.dir.filePath("Каменный уголь марки Д.csv"));
    QCOMPARE(ReadAll(e.dir.filePath("уголь.csv")), QByteArray::fromStdString(calc::FuelCsv(e.doc)));
    QCOMPARE(exported.value(0).value(0).toString(), e.dir.filePath("уголь.csv"));
    // The PDF report; a name with characters no file name may hold is proposed with "_".
    e.doc.ComboBox1 = "Уголь 1/2: \"Д\"";
    e.dialogs.save_answers = {e.dir.filePath("уголь.pdf"), QString()};
    e.actions.FuelPdf->trigger();
    QCOMPARE(e.dialogs.save_requests.last().folder, e.dir.filePath("Уголь 1_2_ _Д_.pdf"));
    QVERIFY(IsOneA4Page(ReadAll(e.dir.filePath("уголь.pdf"))));
    // Cancelled: nothing said.
    QVERIFY(!e.actions.Export(ui::ExportActions::Format::kPdf, false));
    QVERIFY(e.dialogs.messages.isEmpty());

    // A full disk or a missing folder: the file and the reason said, old file and folders kept.
    for (const auto format : {ui::ExportActions::Format::kPdf, ui::ExportActions::Format::kCsv}) {
      const QString old =
          e.dir.filePath(format == ui::ExportActions::Format::kPdf ? "старый.pdf" : "старый.csv");
      std::ofstream(library::ToPath(old)) << "old";
      const QString missing = e.dir.filePath("нет/газ");
      e.dialogs.save_answers = {old, missing};
      e.dialogs.messages.clear();
      QVERIFY(![&] {
        const test::FullDisk full;
        return e.actions.Export(format, false);
      }());
      QVERIFY(!e.actions.Export(format, false));
      QCOMPARE(e.dialogs.messages.size(), 2);
      QCOMPARE(e.dialogs.messages[0].text,
               QStringLiteral("Не удалось записать файл %1\nNo space left on device").arg(old));
      QCOMPARE(ReadAll(old), QByteArray("old"));
      QVERIFY(e.dialogs.messages[1].text.startsWith(QStringLiteral("Не удалось записать файл ") +
                                                    missing));
      QVERIFY(!QDir(e.dir.filePath("нет")).exists());
    }
    QCOMPARE(exported.size(), 2);
  }

  void MixtureActionsAndPrinting() {
    Exporting e;
    QVERIFY(test::OpenDesignedExample(e.doc, "Каменный уголь.fll"));
    // Printed (into a PDF here): one page.
    e.dialogs.print_to_pdf = e.dir.filePath("printed.pdf");
    e.actions.FuelPrint->trigger();
    QVERIFY(IsOneA4Page(ReadAll(e.dialogs.print_to_pdf)));

    // The mixture's actions: off and said so until it is computed, on when the menu opens.
    std::unique_ptr<QMenu> menu(e.actions.CreateMenu(&e.window));
    QVERIFY(!e.actions.MixturePrint->isEnabled() && !e.actions.MixtureCsv->isEnabled());
    QVERIFY(!e.actions.Export(ui::ExportActions::Format::kCsv, true));
    QVERIFY(!e.actions.Print(true));
    QCOMPARE(e.dialogs.messages.size(), 2);
    QCOMPARE(e.dialogs.messages[0].text,
             QStringLiteral("Смесь не рассчитана: задайте компоненты и их доли."));
    QVERIFY(e.dialogs.save_requests.isEmpty() && e.dialogs.print_dialogs == 1);
    QVERIFY(test::BuildSixtyFortyMixture(e.doc));
    emit menu->aboutToShow();
    QVERIFY(e.actions.MixturePrint->isEnabled() && e.actions.MixtureCsv->isEnabled());
    e.dialogs.save_answers = {e.dir.filePath("смесь.csv")};
    e.actions.MixtureCsv->trigger();
    QCOMPARE(e.dialogs.save_requests.last().folder, e.dir.filePath("Смесь.csv"));
    QCOMPARE(ReadAll(e.dir.filePath("смесь.csv")),
             QByteArray::fromStdString(calc::MixtureCsv(e.doc)));
  }
};

QTEST_MAIN(FuelReportTest)
#include "fuel_report_test.moc"
