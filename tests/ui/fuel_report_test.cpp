// The PDF report of example fuels and of a mixture: one A4 page written to the path
// asked for, an old file left whole when writing fails, and the texts the report takes
// from the document's sheets, the heat balance typed on its tab included. With
// PYRANA_SCREENSHOT_DIR set, the reports are also written there for people to render and
// look at.
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
#include "calc/heat_balance.h"
#include "calc/mixture.h"
#include "test_support.h"
#include "ui/heat_balance_page.h"
#include "ui/tform2.h"

namespace {

std::string Example(const char* name) {
  return std::string(PYRANA_SOURCE_DIR) + "/examples/Fuel/" + name;
}

// The example coal in slot 1 and the example natural gas in slot 2, shares not yet typed.
bool PickCoalAndGas(calc::FuelDocument& doc) {
  if (!calc::LoadLibraryFuel(doc, Example("Каменный уголь.fll"))) return false;
  calc::PickComponent(doc, 1);
  if (!calc::LoadLibraryFuel(doc, Example("Природный газ.fll"))) return false;
  calc::PickComponent(doc, 2);
  return true;
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

namespace hb = calc::heat_balance_row;

// The worked example's heat-balance inputs beyond the tab's first ones.
void TypeWorkedInputs(sheets::Sheet& sheet) {
  sheet.SetText(1, hb::kQ4, "1.5");
  sheet.SetText(1, hb::kHeatOutput, "37494");
  sheet.SetText(1, hb::kHotAirTemperature, "300");
  sheet.SetText(1, hb::kO2, "3.583");
}

const ui::ReportBlock* FindBlock(const std::vector<ui::ReportBand>& bands, const QString& title) {
  for (const ui::ReportBand& band : bands) {
    for (const ui::ReportColumn& column : band) {
      for (const ui::ReportBlock& block : column) {
        if (block.title == title) return &block;
      }
    }
  }
  return nullptr;
}

// The row of `block` with `label`; one that is not there shows "<нет строки>".
ui::ReportRow FindRow(const ui::ReportBlock* block, const QString& label) {
  if (block != nullptr) {
    for (const ui::ReportRow& row : block->rows) {
      if (row.label == label && !row.heading) return row;
    }
  }
  const QString missing = QStringLiteral("<нет строки>");
  return {missing, missing, missing, false, false, missing};
}

bool HasRow(const ui::ReportBlock* block, const QString& label) {
  return FindRow(block, label).value != QStringLiteral("<нет строки>");
}

QString Text(const sheets::Sheet& sheet, int col, int row) {
  return QString::fromStdString(sheet.Text(col, row)).trimmed();
}

// The report's row of a heat-balance result shows the sheet's label, value and unit.
bool ShowsResult(const std::vector<ui::ReportBand>& bands, const QString& title,
                 const sheets::Sheet& sheet, int row) {
  const ui::ReportRow shown = FindRow(FindBlock(bands, title), Text(sheet, 0, row));
  return shown.value == Text(sheet, 1, row) && !shown.value.isEmpty() &&
         shown.unit == Text(sheet, 2, row).replace(QStringLiteral("м3"), QStringLiteral("м³"));
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
  void HeatBalanceBlocksShowTheTab();
  void TypingOnTheTabUpdatesTheReport();
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
  QVERIFY(PickCoalAndGas(doc));
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

void FuelReportTest::HeatBalanceBlocksShowTheTab() {
  // The coal with the worked example's inputs: every block of the heat balance shows the
  // texts of its tab; inputs by their symbols, those left empty (RO2) left out.
  calc::FuelDocument coal;
  QVERIFY(LoadFuel(coal, "Каменный уголь.fll"));
  TypeWorkedInputs(coal.XLSheet19);
  calc::RecalcHeatBalance(coal);
  const auto bands = ui::FuelReportBands(coal, false);
  QCOMPARE(bands.size(), std::size_t{2});
  const sheets::Sheet& sheet = coal.XLSheet19;
  const ui::ReportBlock* inputs = FindBlock(bands, QStringLiteral("Исходные данные"));
  QVERIFY(inputs != nullptr);
  QCOMPARE(inputs->rows.size(), std::size_t{14});
  QCOMPARE(FindRow(inputs, QStringLiteral("q4")).value, QStringLiteral("1.5"));
  QCOMPARE(FindRow(inputs, QStringLiteral("Qка")).unit, QStringLiteral("кВт"));
  QVERIFY(!HasRow(inputs, QStringLiteral("RO2")));
  const QString balance = QStringLiteral("Тепловой баланс котла");
  for (int row = hb::kAvailableHeat; row <= hb::kCalculatedFuelConsumption; ++row) {
    QVERIFY2(ShowsResult(bands, balance, sheet, row), qPrintable(Text(sheet, 0, row)));
  }
  QVERIFY(FindRow(FindBlock(bands, balance), Text(sheet, 0, hb::kEfficiency)).bold);
  for (int row = hb::kHotAirEnthalpy; row <= hb::kAdiabaticTemperature; ++row) {
    QVERIFY(ShowsResult(bands, QStringLiteral("Теоретическая температура горения"), sheet, row));
  }
  const QString flue_gas = QStringLiteral("Анализ дымовых газов");
  QVERIFY(ShowsResult(bands, flue_gas, sheet, hb::kExcessAirO2));
  QVERIFY(!HasRow(FindBlock(bands, flue_gas), Text(sheet, 0, hb::kExcessAirRO2)));
  // The bases: dry and dry ash-free side by side; the higher heating value beside the
  // lower one.
  const ui::ReportBlock* bases =
      FindBlock(bands, QStringLiteral("Состав на сухую и горючую массу"));
  QVERIFY(bases != nullptr && bases->two_values);
  const ui::ReportRow carbon = FindRow(bases, QStringLiteral("Углерод"));
  QCOMPARE(carbon.value, Text(sheet, 1, hb::kDryFirst));
  QCOMPARE(carbon.value2, Text(sheet, 1, hb::kDafFirst));
  QCOMPARE(FindRow(bases, QStringLiteral("Зольность")).value, Text(sheet, 1, hb::kDryFirst + 5));
  QCOMPARE(FindRow(bases, QStringLiteral("Теплота сгорания")).value2,
           Text(sheet, 1, hb::kDafHeatingValue));
  QVERIFY(ShowsResult(bands, QStringLiteral("Характеристики"), sheet, hb::kHigherHeatingValue));

  // A gas: per cubic metre, no bases and no higher heating value.
  calc::FuelDocument gas;
  QVERIFY(LoadFuel(gas, "Природный газ.fll"));
  const auto gas_bands = ui::FuelReportBands(gas, false);
  QVERIFY(ShowsResult(gas_bands, balance, gas.XLSheet19, hb::kAvailableHeat));
  QCOMPARE(FindRow(FindBlock(gas_bands, balance), QStringLiteral("Располагаемое тепло")).unit,
           QStringLiteral("кДж/м³"));
  QVERIFY(!FindBlock(gas_bands, QStringLiteral("Состав на сухую и горючую массу")));
  QVERIFY(!HasRow(FindBlock(gas_bands, QStringLiteral("Характеристики")),
                  Text(coal.XLSheet19, 0, hb::kHigherHeatingValue)));

  // The mixture's balance, from its own sheet.
  calc::FuelDocument mix;
  QVERIFY(PickCoalAndGas(mix));
  calc::ShareChange(mix, 1, "60");
  TypeWorkedInputs(mix.XLSheet20);
  calc::ShareChange(mix, 2, "40");
  QVERIFY(mix.SpeedButton13);
  const auto mix_bands = ui::FuelReportBands(mix, true);
  QCOMPARE(FindRow(FindBlock(mix_bands, balance), QStringLiteral("q4")).value,
           QStringLiteral("1.5"));
  for (int row = hb::kAvailableHeat; row <= hb::kCalculatedFuelConsumption; ++row) {
    QVERIFY(ShowsResult(mix_bands, QStringLiteral("Тепловой баланс"), mix.XLSheet20, row));
  }
  QVERIFY(ShowsResult(mix_bands, flue_gas, mix.XLSheet20, hb::kExcessAirO2));
  QVERIFY(!FindBlock(mix_bands, QStringLiteral("Состав на сухую и горючую массу")));

  QTemporaryDir dir;
  const QString path = dir.filePath("worked.pdf");
  QCOMPARE(ui::WriteFuelReportPdf(coal, false, path), QString());
  QCOMPARE(PageCount(ReadAll(path)), 1);
  KeepCopy(path, "coal-heat-balance.pdf");
  QCOMPARE(ui::WriteFuelReportPdf(mix, true, path), QString());
  QCOMPARE(PageCount(ReadAll(path)), 1);
  KeepCopy(path, "mixture-heat-balance.pdf");
}

void FuelReportTest::TypingOnTheTabUpdatesTheReport() {
  // The heat-balance tab of the document window, typed with real keys: the report of the
  // window's document follows.
  QLocale::setDefault(QLocale::c());  // numbers typed and shown with "."
  test::ScriptedDialogs dialogs;
  ui::TForm2 form(dialogs);
  form.show();
  QApplication::setActiveWindow(&form);
  QVERIFY(QTest::qWaitForWindowActive(&form));
  QVERIFY(form.LoadFuel(Example("Каменный уголь.fll")));
  form.PageControl1->setCurrentWidget(form.TabSheet8);
  ui::TXLGrid& grid = *form.TabSheet8->XLGrid21;
  const calc::FuelDocument& doc = form.Document();
  const QString balance = QStringLiteral("Тепловой баланс котла");
  const QString consumption = Text(doc.XLSheet19, 0, hb::kFuelConsumption);
  const QString efficiency = Text(doc.XLSheet19, 0, hb::kEfficiency);
  const QString before =
      FindRow(FindBlock(ui::FuelReportBands(doc, false), balance), efficiency).value;
  QVERIFY(!HasRow(FindBlock(ui::FuelReportBands(doc, false), balance), consumption));

  QVERIFY(test::TypeIntoCell(grid, 1, hb::kQ4, QStringLiteral("1.5")));
  QVERIFY(test::TypeIntoCell(grid, 1, hb::kHeatOutput, QStringLiteral("37494")));
  const auto bands = ui::FuelReportBands(doc, false);
  QCOMPARE(FindRow(FindBlock(bands, QStringLiteral("Исходные данные")), QStringLiteral("q4")).value,
           QStringLiteral("1.5"));
  QCOMPARE(
      FindRow(FindBlock(bands, QStringLiteral("Исходные данные")), QStringLiteral("Qка")).value,
      QStringLiteral("37494"));
  const ui::ReportRow typed = FindRow(FindBlock(bands, balance), efficiency);
  QCOMPARE(typed.value, Text(doc.XLSheet19, 1, hb::kEfficiency));
  QVERIFY(typed.value != before);
  QVERIFY(ShowsResult(bands, balance, doc.XLSheet19, hb::kFuelConsumption));
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
  QVERIFY(PickCoalAndGas(mix));
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
