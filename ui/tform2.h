// TForm2, the fuel document window: the fuel's name and type above tabbed pages of
// grids over one calc::FuelDocument. Its handlers call the routines of calc/ and
// refresh the controls; they compute nothing themselves.
#pragma once

#include <QWidget>
#include <filesystem>
#include <functional>

#include "calc/fuel_document.h"
#include "ui/sheet_model_pool.h"

class QComboBox;
class QGroupBox;
class QLineEdit;
class QRadioButton;
class QTabWidget;
class QToolButton;

namespace ui {

class AllDataPage;
class AshProductsPage;
class DesignParametersPage;
class Dialogs;
class EnthalpyDataPage;
class ExportActions;
class HeatBalancePage;
class MainPropertiesPage;
class MixturePage;
class Norms1973Page;

class TForm2 : public QWidget {
  Q_OBJECT

 public:
  // Creates the window over a new document (FormCreate); the numbers of its grids use the
  // decimal separator of the default locale. `dialogs` must outlive it.
  explicit TForm2(Dialogs& dialogs, QWidget* parent = nullptr);
  ~TForm2() override;

  calc::FuelDocument& Document() { return doc_; }

  // Just right of the fuel list (left 219 beside a list 218 wide), top just below
  // `main_window`.
  void PlaceBelow(const QWidget& main_window, const QWidget& list_window);

  // Loads a fuel file into the document and computes it, design parameters included. A
  // file that cannot be read is reported with "Ошибка чтения !". Returns whether a fuel
  // was read. Unsaved edits are not asked about: see MayDiscardEdits().
  bool LoadFuel(const std::filesystem::path& path);

  // The empty fuel of "Новый": the name "Новое топливо", every record value 0, type 0.
  void NewFuel();

  // The save command: asks for a file name in the save folder, writes the record there
  // and reports SaveFinished (also when the dialog is cancelled). Returns whether the
  // file was written.
  bool Save();

  // Where the save dialog starts; asked at every save.
  void SetSaveFolder(std::function<std::filesystem::path()> folder) {
    save_folder_ = std::move(folder);
  }

  // The file the document was loaded from or last saved to; empty for a new fuel.
  const std::filesystem::path& FilePath() const { return file_path_; }

  // Whether the document holds input typed since it was loaded, created or saved.
  bool HasUnsavedEdits() const { return modified_; }

  // Before the document's content is replaced or the window closes: with unsaved edits,
  // asks whether to save them (Yes saves first, No discards, Cancel keeps the document).
  // Returns whether the caller may go on.
  bool MayDiscardEdits();

  // Shows the document's name, type, caption and the controls that follow the document.
  void ShowDocument();

  // Controls.
  QGroupBox* GroupBox1 = nullptr;       // "Месторождение, тип"
  QLineEdit* ComboBox1 = nullptr;       // the fuel name
  QComboBox* ComboBox3 = nullptr;       // the fuel type
  QToolButton* ExportButton = nullptr;  // "Печать / экспорт": PDF report and CSV
  ExportActions* Export = nullptr;
  // The norms switch; not shown, so the 1998 norms are in force.
  QGroupBox* GroupBox2 = nullptr;
  QRadioButton* RadioButton1 = nullptr;  // "Нормы 1973г."
  QRadioButton* RadioButton2 = nullptr;  // "Нормы 1998г."
  QTabWidget* PageControl1 = nullptr;
  Norms1973Page* TabSheet1 = nullptr;
  MainPropertiesPage* TabSheet2 = nullptr;
  AshProductsPage* TabSheet3 = nullptr;
  AllDataPage* TabSheet4 = nullptr;
  EnthalpyDataPage* TabSheet5 = nullptr;
  DesignParametersPage* TabSheet6 = nullptr;
  HeatBalancePage* TabSheet8 = nullptr;  // "Тепловой баланс"
  MixturePage* TabSheet7 = nullptr;

 signals:
  // The window was closed (FormClose); it is not shown again.
  void FormClosed();
  // A save command ended, whether or not a file was written: the fuel list may change.
  void SaveFinished();

 protected:
  // FormClose: with unsaved input, asks whether to save it first (Yes, No, Cancel).
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildHeader();
  void BuildPages();
  void ConnectHandlers();
  void ConnectGrids();
  // The mixture tab: the count, the slots, the shares and the results page.
  void ConnectMixture();
  // Runs a handler of the document's routines as one update: the sheets tell their views
  // once afterwards, a failure is reported, and the controls are shown again.
  template <typename Handler>
  void Run(Handler&& handler);
  // Run() for a change of the fuel: the design parameters are computed after it, so that
  // every tab and export belongs to the fuel as shown.
  template <typename Handler>
  void RunFuelCycle(Handler&& handler);
  void ComboBox3Change(int index);
  void CheckBox1Click();
  void RadioButton1Click();
  void RadioGroup1Click(int item);
  void PageControl1Change(int index);

  Dialogs& dialogs_;
  std::function<std::filesystem::path()> save_folder_;
  // The document before the pool: the pool's models follow its sheets and go first.
  calc::FuelDocument doc_;
  SheetModelPool pool_;
  std::filesystem::path file_path_;
  bool modified_ = false;
};

}  // namespace ui
