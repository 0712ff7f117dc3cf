// The PDF report of the example fuels and of the mixture: one A4 page written to the path
// asked for, painted within its area, the total that is not 100 in red, and an old file
// left whole when writing fails. The report's texts are tested with calc/report_blocks.
// With PYRANA_SCREENSHOT_DIR set, the reports are also written there for people to render
// and look at.
#include "ui/fuel_report.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>

#include "calc/cycle.h"
#include "calc/design.h"
#include "calc/fuel_io.h"
#include "support/example_fuels.h"

namespace {

bool LoadFuel(calc::FuelDocument& doc, const char* name) {
  if (!calc::LoadLibraryFuel(doc, test::ExampleFuel(name))) return false;
  doc.XLSheet15.SetText(1, 2, "1.2");
  doc.XLSheet15.SetText(1, 3, "1250");
  calc::XLGrid15EditModeChanged(doc);
  return true;
}

QByteArray ReadAll(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Page objects of a PDF: "/Type /Page" not followed by "s" (the page tree).
int PageCount(const QByteArray& pdf) {
  static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?!s)"));
  return static_cast<int>(QString::fromLatin1(pdf).count(page));
}

// The A4 media box in points, 595 × 842.
bool IsA4(const QByteArray& pdf) {
  static const QRegularExpression box(
      QStringLiteral("/MediaBox\\s*\\[\\s*0\\s+0\\s+(\\d+(?:\\.\\d+)?)\\s+(\\d+(?:\\.\\d+)?)"));
  const auto match = box.match(QString::fromLatin1(pdf));
  return match.hasMatch() && qAbs(match.captured(1).toDouble() - 595.3) < 1 &&
         qAbs(match.captured(2).toDouble() - 841.9) < 1;
}

void KeepCopy(const QString& path, const QString& file) {
  const QString dir = qEnvironmentVariable("PYRANA_SCREENSHOT_DIR");
  if (dir.isEmpty()) return;
  QDir().mkpath(dir);
  QFile::remove(dir + "/" + file);
  QVERIFY(QFile::copy(path, dir + "/" + file));
}

// The page painted onto an image at 4 dots per millimetre inside a white border of 40
// dots: the dots inked outside the area, the lowest inked row inside it, and the red
// dots (a total that is not 100) in its upper third, where the composition is and the
// diagram's lines are not.
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
  Painted painted;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const QColor c = image.pixelColor(x, y);
      if (c == Qt::white) continue;
      const bool in =
          x >= kBorder && x < kBorder + kAreaWidth && y >= kBorder && y < kBorder + kAreaHeight;
      if (!in) ++painted.outside;
      if (in) painted.lowest_ink = std::max(painted.lowest_ink, y);
      if (in && y < kBorder + kAreaHeight / 3 && c.red() > 150 && c.green() < 80 && c.blue() < 80)
        ++painted.red_at_top;
    }
  }
  return painted;
}

}  // namespace

class FuelReportTest : public QObject {
  Q_OBJECT

 private slots:
  void OneA4PageWithinItsArea();
  void FailedWriteLeavesTheOldFile();
};

void FuelReportTest::OneA4PageWithinItsArea() {
  // The coal, the gas (whose composition has the most rows) and the mixture: one A4 page
  // each; painted, nothing outside the area and the diagram down to its last tenth.
  QTemporaryDir dir;
  QVERIFY(dir.isValid());
  for (const char* name : {"Каменный уголь.fll", "Природный газ.fll", ""}) {
    calc::FuelDocument doc;
    const bool mixture = *name == '\0';
    QVERIFY(mixture ? test::BuildSixtyFortyMixture(doc) : LoadFuel(doc, name));
    const QString file = mixture ? QStringLiteral("mixture-60-40.pdf")
                                 : QString::fromUtf8(name).replace(".fll", ".pdf");
    const QString path = dir.filePath(file);
    QCOMPARE(ui::WriteFuelReportPdf(doc, mixture, path), QString());
    const QByteArray pdf = ReadAll(path);
    QVERIFY2(pdf.startsWith("%PDF-"), qPrintable(file));
    QCOMPARE(PageCount(pdf), 1);
    QVERIFY2(IsA4(pdf), qPrintable(file));
    KeepCopy(path, file);
    const Painted painted = Paint(doc, mixture);
    QCOMPARE(painted.outside, 0);
    QVERIFY2(painted.lowest_ink > kBorder + kAreaHeight * 9 / 10, qPrintable(file));
    QCOMPARE(painted.red_at_top, 0);
  }
  // Carbon 45 instead of 55: the composition's total of 90 is painted red.
  calc::FuelDocument doc;
  QVERIFY(LoadFuel(doc, "Каменный уголь.fll"));
  doc.XLSheet3.SetText(1, 3, "45");
  calc::XLGrid1EditModeChanged(doc);
  QVERIFY(Paint(doc, false).red_at_top > 20);
}

void FuelReportTest::FailedWriteLeavesTheOldFile() {
  QTemporaryDir dir;
  calc::FuelDocument doc;
  QVERIFY(LoadFuel(doc, "Каменный уголь.fll"));
  // A read-only folder: the old report stays as it was. (A folder that does not exist is
  // tried through the export action in export_actions_test.)
  const QString folder = dir.filePath("только чтение");
  QVERIFY(QDir().mkpath(folder));
  const QString old_path = folder + "/отчет.pdf";
  {
    QFile old(old_path);
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write("old report");
  }
  QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner));
  const bool root_ignores_permissions = QFile(folder + "/probe").open(QIODevice::WriteOnly);
  if (!root_ignores_permissions) {
    QVERIFY(!ui::WriteFuelReportPdf(doc, false, old_path).isEmpty());
    QCOMPARE(ReadAll(old_path), QByteArray("old report"));
  }
  QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  // Written over it once the folder may be written.
  QCOMPARE(ui::WriteFuelReportPdf(doc, false, old_path), QString());
  QVERIFY(ReadAll(old_path).startsWith("%PDF-"));
}

QTEST_MAIN(FuelReportTest)
#include "fuel_report_test.moc"
