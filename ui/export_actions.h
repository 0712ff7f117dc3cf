// "Печать / экспорт" of the document window: the one-page report printed, previewed or
// written as PDF, and the CSV of the enthalpy table and design results, for the single
// fuel or the mixture, as a menu of actions.
#pragma once

#include <QObject>
#include <QString>

#include "calc/fuel_document.h"

class QAction;
class QMenu;
class QWidget;

namespace ui {

class Dialogs;

// Writes calc::FuelCsv (or calc::MixtureCsv when `mixture`) to `path`, UTF-8 as it is,
// through a file renamed over the old one. Returns an empty text on success, the reason
// in Russian otherwise.
QString WriteCsvFile(const calc::FuelDocument& doc, bool mixture, const QString& path);

class ExportActions : public QObject {
  Q_OBJECT

 public:
  enum class Format { kPdf, kCsv };

  // The actions over `doc`; `window` parents the dialogs. `doc` and `dialogs` must outlive
  // the object.
  ExportActions(const calc::FuelDocument& doc, Dialogs& dialogs, QWidget* window);

  // Asks for a file name (starting in the last folder used, with the fuel's name), writes
  // the file and reports a failure in a message box; a mixture that is not computed is
  // reported instead. Returns whether a file was written.
  bool Export(Format format, bool mixture);
  // The print dialog, then the report on the chosen printer; a failure is reported.
  // Returns whether the report was printed.
  bool Print(bool mixture);
  // The report in a print preview, from which it can be printed.
  void Preview(bool mixture);

  // The folder the save dialog starts in until a file is written.
  void SetFolder(const QString& folder) { folder_ = folder; }
  QString Folder() const { return folder_; }

  // Enables the mixture's actions when the mixture is computed (its results page is
  // enabled); the menu calls it each time it opens.
  void UpdateEnabled();

  // A menu with the actions, the fuel's above the mixture's; owned by the caller.
  QMenu* CreateMenu(QWidget* parent);

  QAction* FuelPrint = nullptr;       // "Печать: топливо…"
  QAction* FuelPreview = nullptr;     // "Просмотр печати: топливо…"
  QAction* MixturePrint = nullptr;    // "Печать: смесь…"
  QAction* MixturePreview = nullptr;  // "Просмотр печати: смесь…"
  QAction* FuelPdf = nullptr;         // "Отчет PDF: топливо…"
  QAction* FuelCsv = nullptr;         // "Таблица CSV: топливо…"
  QAction* MixturePdf = nullptr;      // "Отчет PDF: смесь…"
  QAction* MixtureCsv = nullptr;      // "Таблица CSV: смесь…"

 signals:
  // A file was written to `path`.
  void Exported(const QString& path);

 private:
  QString SuggestedName(Format format, bool mixture) const;
  // Said when the mixture is asked for before it is computed; false then.
  bool MixtureReady(bool mixture);

  const calc::FuelDocument& doc_;
  Dialogs& dialogs_;
  QWidget* window_;
  QString folder_;
};

}  // namespace ui
