// ExportActions: the save dialog, then WriteFuelReportPdf or the CSV of calc/.
#include "ui/export_actions.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QPrinter>
#include <QRegularExpression>
#include <string>

#include "calc/csv_export.h"
#include "ui/dialogs.h"
#include "ui/file_messages.h"
#include "ui/fuel_report.h"

namespace ui {

namespace {

const QString kCaption = QStringLiteral("Печать / экспорт");

}  // namespace

QString WriteCsvFile(const calc::FuelDocument& doc, bool mixture, const QString& path) {
  return WriteWholeFile(path, mixture ? calc::MixtureCsv(doc) : calc::FuelCsv(doc));
}

ExportActions::ExportActions(const calc::FuelDocument& doc, Dialogs& dialogs, QWidget* window)
    : QObject(window), doc_(doc), dialogs_(dialogs), window_(window), folder_(QDir::homePath()) {
  const auto action = [this](const QString& text, Format format, bool mixture) {
    auto* a = new QAction(text, this);
    connect(a, &QAction::triggered, this, [this, format, mixture] { Export(format, mixture); });
    return a;
  };
  const auto print = [this](const QString& text, bool mixture, bool preview) {
    auto* a = new QAction(text, this);
    connect(a, &QAction::triggered, this, [this, mixture, preview] {
      if (preview) {
        Preview(mixture);
      } else {
        Print(mixture);
      }
    });
    return a;
  };
  FuelPrint = print(QStringLiteral("Печать: топливо…"), false, false);
  FuelPreview = print(QStringLiteral("Просмотр печати: топливо…"), false, true);
  MixturePrint = print(QStringLiteral("Печать: смесь…"), true, false);
  MixturePreview = print(QStringLiteral("Просмотр печати: смесь…"), true, true);
  FuelPdf = action(QStringLiteral("Отчет PDF: топливо…"), Format::kPdf, false);
  FuelCsv = action(QStringLiteral("Таблица CSV: топливо…"), Format::kCsv, false);
  MixturePdf = action(QStringLiteral("Отчет PDF: смесь…"), Format::kPdf, true);
  MixtureCsv = action(QStringLiteral("Таблица CSV: смесь…"), Format::kCsv, true);
  UpdateEnabled();
}

void ExportActions::UpdateEnabled() {
  for (QAction* action : {MixturePrint, MixturePreview, MixturePdf, MixtureCsv}) {
    action->setEnabled(doc_.SpeedButton13);
  }
}

QMenu* ExportActions::CreateMenu(QWidget* parent) {
  auto* menu = new QMenu(kCaption, parent);
  menu->addActions({FuelPrint, FuelPreview, FuelPdf, FuelCsv});
  menu->addSeparator();
  menu->addActions({MixturePrint, MixturePreview, MixturePdf, MixtureCsv});
  connect(menu, &QMenu::aboutToShow, this, &ExportActions::UpdateEnabled);
  return menu;
}

QString ExportActions::SuggestedName(Format format, bool mixture) const {
  QString name = mixture ? QStringLiteral("Смесь") : QString::fromStdString(doc_.ComboBox1);
  // Characters that no file name may hold.
  name.replace(QRegularExpression(QStringLiteral("[\\\\/:*?\"<>|]")), QStringLiteral("_"));
  name = name.trimmed();
  if (name.isEmpty()) name = QStringLiteral("Топливо");
  return name + (format == Format::kPdf ? QStringLiteral(".pdf") : QStringLiteral(".csv"));
}

bool ExportActions::MixtureReady(bool mixture) {
  if (!mixture || doc_.SpeedButton13) return true;
  dialogs_.Message(window_, QStringLiteral("Смесь не рассчитана: задайте компоненты и их доли."),
                   kCaption, QMessageBox::Ok, QMessageBox::Information);
  return false;
}

bool ExportActions::Print(bool mixture) {
  if (!MixtureReady(mixture)) return false;
  QPrinter printer(QPrinter::HighResolution);
  PrepareReportPrinter(printer, doc_, mixture);
  if (!dialogs_.PrintSetup(window_, printer)) return false;
  const QString error = PrintFuelReport(printer, doc_, mixture);
  if (!error.isEmpty()) {
    dialogs_.Message(window_, error, kCaption, QMessageBox::Ok, QMessageBox::Warning);
    return false;
  }
  return true;
}

void ExportActions::Preview(bool mixture) {
  if (!MixtureReady(mixture)) return;
  QPrinter printer(QPrinter::HighResolution);
  PrepareReportPrinter(printer, doc_, mixture);
  dialogs_.PrintPreview(window_, printer, [this, mixture](QPrinter& target) {
    const QString error = PrintFuelReport(target, doc_, mixture);
    if (!error.isEmpty()) {
      dialogs_.Message(window_, error, kCaption, QMessageBox::Ok, QMessageBox::Warning);
    }
  });
}

bool ExportActions::Export(Format format, bool mixture) {
  if (!MixtureReady(mixture)) return false;
  const bool pdf = format == Format::kPdf;
  const SaveDialogRequest request{
      .title =
          pdf ? QStringLiteral("Сохранить отчет PDF") : QStringLiteral("Сохранить таблицу CSV"),
      .folder = QDir(folder_).filePath(SuggestedName(format, mixture)),
      .filter =
          pdf ? QStringLiteral("Документ PDF (*.pdf)") : QStringLiteral("Таблица CSV (*.csv)"),
      .default_suffix = pdf ? QStringLiteral("pdf") : QStringLiteral("csv"),
  };
  QString chosen = dialogs_.SaveFileName(window_, request);
  if (chosen.isEmpty()) return false;
  if (QFileInfo(chosen).suffix().isEmpty()) chosen += "." + request.default_suffix;
  const QString error =
      pdf ? WriteFuelReportPdf(doc_, mixture, chosen) : WriteCsvFile(doc_, mixture, chosen);
  if (!error.isEmpty()) {
    dialogs_.Message(window_, error, kCaption, QMessageBox::Ok, QMessageBox::Warning);
    return false;
  }
  folder_ = QFileInfo(chosen).absolutePath();
  emit Exported(chosen);
  return true;
}

}  // namespace ui
