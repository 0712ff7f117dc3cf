// The PDF report of example fuels and of a mixture: one A4 page written to the path
// asked for, an old file left whole when writing fails, and the texts the report takes
// from the document's sheets. With PYRANA_SCREENSHOT_DIR set, the reports are also
// written there for people to render and look at.
#include "ui/fuel_report.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <string>

#include "calc/cycle.h"
#include "calc/design.h"
#include "calc/fuel_io.h"
#include "calc/mixture.h"

namespace {

std::string Example(const char* name) {
  return std::string(PYRANA_SOURCE_DIR) + "/examples/Fuel/" + name;
}

bool LoadFuel(calc::FuelDocument& doc, const char* name) {
  if (!calc::LoadLibraryFuel(doc, Example(name))) return false;
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

}  // namespace

class FuelReportTest : public QObject {
  Q_OBJECT

 private slots:
  void FuelReportIsOneA4Page();
  void MixtureReportIsOneA4Page();
  void FailedWriteLeavesTheOldFile();
  void StaysWithinThePage();
  void TotalNotHundredIsRedAndUnusedSlotsAreLeftOut();
};

void FuelReportTest::FuelReportIsOneA4Page() {
  QTemporaryDir dir;
  QVERIFY(dir.isValid());
  for (const char* name : {"Каменный уголь.fll", "Природный газ.fll", "Мазут.fll"}) {
    calc::FuelDocument doc;
    QVERIFY(LoadFuel(doc, name));
    const QString path = dir.filePath(QString::fromUtf8(name) + ".pdf");
    QCOMPARE(ui::WriteFuelReportPdf(doc, false, path), QString());
    const QByteArray pdf = ReadAll(path);
    QVERIFY2(pdf.startsWith("%PDF-"), name);
    QCOMPARE(PageCount(pdf), 1);
    QVERIFY2(IsA4(pdf), name);
    KeepCopy(path, QString::fromUtf8(name).replace(".fll", ".pdf"));
  }
}

void FuelReportTest::MixtureReportIsOneA4Page() {
  calc::FuelDocument doc;
  QVERIFY(calc::LoadLibraryFuel(doc, Example("Каменный уголь.fll")));
  calc::PickComponent(doc, 1);
  QVERIFY(calc::LoadLibraryFuel(doc, Example("Природный газ.fll")));
  calc::PickComponent(doc, 2);
  calc::ShareChange(doc, 1, "60");
  calc::ShareChange(doc, 2, "40");
  QVERIFY(doc.SpeedButton13);
  doc.XLSheet17.SetText(1, 2, "1.2");
  doc.XLSheet17.SetText(1, 3, "1250");
  calc::SpeedButton13Click(doc);

  QTemporaryDir dir;
  const QString path = dir.filePath("смесь.pdf");
  QCOMPARE(ui::WriteFuelReportPdf(doc, true, path), QString());
  const QByteArray pdf = ReadAll(path);
  QVERIFY(pdf.startsWith("%PDF-"));
  QCOMPARE(PageCount(pdf), 1);
  KeepCopy(path, "mixture-60-40.pdf");
}

void FuelReportTest::FailedWriteLeavesTheOldFile() {
  QTemporaryDir dir;
  calc::FuelDocument doc;
  QVERIFY(LoadFuel(doc, "Каменный уголь.fll"));
  // A folder that does not exist: nothing written, the reason given.
  const QString missing = dir.filePath("нет/отчет.pdf");
  const QString error = ui::WriteFuelReportPdf(doc, false, missing);
  QVERIFY(error.startsWith(QStringLiteral("Не удалось")));
  QVERIFY(error.contains(missing));
  QVERIFY(!QFile::exists(missing));

  // A read-only folder: the old report stays as it was.
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

void FuelReportTest::StaysWithinThePage() {
  // The page painted onto an image at 4 dots per millimetre inside a white border: the
  // report draws nothing outside the area, and its diagram reaches down to the last
  // tenth of it, also for the gas, whose composition has the most rows.
  for (const char* name : {"Каменный уголь.fll", "Природный газ.fll"}) {
    calc::FuelDocument doc;
    QVERIFY(LoadFuel(doc, name));
    const int border = 40;
    QImage image(186 * 4 + 2 * border, 273 * 4 + 2 * border, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
      QPainter painter(&image);
      ui::PaintFuelReport(painter, QRectF(border, border, 186 * 4, 273 * 4), 4, doc, false);
    }
    int outside = 0;
    int lowest_ink = 0;
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width(); ++x) {
        if (image.pixel(x, y) == qRgb(255, 255, 255)) continue;
        const bool in =
            x >= border && x < image.width() - border && y >= border && y < image.height() - border;
        if (in) lowest_ink = std::max(lowest_ink, y);
        if (!in) ++outside;
      }
    }
    QCOMPARE(outside, 0);
    QVERIFY2(lowest_ink > border + 273 * 4 * 9 / 10, name);
  }
}

// Pixels of the red of a total that is not 100 in the upper third of a painted page, where
// the composition is and the diagram's lines are not.
int RedPixelsAtTheTop(const calc::FuelDocument& doc, bool mixture) {
  QImage image(186 * 4, 273 * 4, QImage::Format_RGB32);
  image.fill(Qt::white);
  {
    QPainter painter(&image);
    ui::PaintFuelReport(painter, QRectF(0, 0, 186 * 4, 273 * 4), 4, doc, mixture);
  }
  int red = 0;
  for (int y = 0; y < image.height() / 3; ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const QColor c = image.pixelColor(x, y);
      if (c.red() > 150 && c.green() < 80 && c.blue() < 80) ++red;
    }
  }
  return red;
}

QString PdfText(const QString& path) {
  QProcess pdftotext;
  pdftotext.start(QStringLiteral("pdftotext"),
                  {QStringLiteral("-layout"), path, QStringLiteral("-")});
  if (!pdftotext.waitForFinished(20000)) return {};
  return QString::fromUtf8(pdftotext.readAllStandardOutput());
}

void FuelReportTest::TotalNotHundredIsRedAndUnusedSlotsAreLeftOut() {
  calc::FuelDocument doc;
  QVERIFY(LoadFuel(doc, "Каменный уголь.fll"));
  QCOMPARE(doc.XLSheet3.Text(1, 8), std::string("100"));
  QCOMPARE(RedPixelsAtTheTop(doc, false), 0);
  // Carbon 45 instead of 55: the total is 90, red on screen and in the report.
  doc.XLSheet3.SetText(1, 3, "45");
  calc::XLGrid1EditModeChanged(doc);
  QVERIFY(doc.XLSheet3.At(1, 8).font_color != sheets::kBlack);
  QVERIFY(RedPixelsAtTheTop(doc, false) > 20);

  // A mixture of three slots of which the third holds nothing: two components listed.
  calc::FuelDocument mix;
  QVERIFY(calc::LoadLibraryFuel(mix, Example("Каменный уголь.fll")));
  calc::PickComponent(mix, 1);
  QVERIFY(calc::LoadLibraryFuel(mix, Example("Природный газ.fll")));
  calc::PickComponent(mix, 2);
  calc::ShareChange(mix, 1, "60");
  calc::ShareChange(mix, 2, "40");
  calc::SetComponentCount(mix, "3");
  QTemporaryDir dir;
  const QString path = dir.filePath("смесь.pdf");
  QCOMPARE(ui::WriteFuelReportPdf(mix, true, path), QString());
  const QString text = PdfText(path);
  QVERIFY2(text.contains(QStringLiteral("1. ")) && text.contains(QStringLiteral("2. ")),
           qPrintable(text.left(400)));
  QVERIFY(!text.contains(QStringLiteral("3. ")));
}

QTEST_MAIN(FuelReportTest)
#include "fuel_report_test.moc"
