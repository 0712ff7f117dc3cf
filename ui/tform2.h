// TForm2, the fuel document window: the fuel's name and type above tabbed pages of
// grids over one calc::FuelDocument. Its handlers call the routines of calc/ and
// refresh the controls; they compute nothing themselves.
#pragma once

#include <QByteArray>
#include <QList>
#include <QWidget>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "calc/fuel_document.h"
#include "calc/input_notice.h"
#include "ui/fuel_undo.h"
#include "ui/sheet_model_pool.h"

class QComboBox;
class QGroupBox;
class QLineEdit;
class QMenu;
class QMenuBar;
class QRadioButton;
class QTabWidget;
class QPushButton;
class QStatusBar;
class QUndoStack;

namespace ui {

class AllDataPage;
class AshProductsPage;
class DesignParametersPage;
class Dialogs;
class DocumentFileWatch;
class EnthalpyDataPage;
class ExportActions;
class HeatBalancePage;
class FuelNameValidator;
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
  // file that cannot be read is reported with "Ошибка чтения !", the file and the reason;
  // one that is not a whole fuel loads as far as it goes, with a warning saying what was
  // read, and is saved under a name the user chooses. Returns whether a whole fuel was
  // read. Unsaved edits are not asked about: see MayDiscardEdits(). From then on, another
  // program's change of the file reloads it (or, with unsaved edits, asks), and its
  // deletion is told in the status bar.

  bool LoadFuel(const std::filesystem::path& path);

  // The empty fuel of "Новый": the name "Новое топливо", every record value 0, type 0.
  void NewFuel();

  // "Сохранить": writes the record to the document's own file, also after it was deleted
  // on disk; a fuel that has none (a new one, one read only in part) asks for a name as
  // SaveAs() does. A file that cannot be written is left whole and the failure said, with
  // the file and the reason; the edits stay unsaved. Reports SaveFinished, also when nothing was
  // written. Returns whether the file was written.
  bool Save();
  // "Сохранить как...": asks for a file name (the fuel's name in the save folder proposed),
  // asks before replacing an existing file, then writes the record there.
  bool SaveAs();

  // Where the save dialog starts; asked at every save.
  void SetSaveFolder(std::function<std::filesystem::path()> folder) {
    save_folder_ = std::move(folder);
  }

  // Undo and redo of the fuel's input (cells, name, type, switches); a load or "Новый"
  // forgets the steps.
  void Undo();
  void Redo();
  bool CanUndo() const;
  bool CanRedo() const;
  QUndoStack& UndoStack() { return *undo_stack_; }

  // The visible tab in front (0 "Основные характеристики" .. 3 "Смесь топлива"), and
  // bringing one to the front; an index out of range is ignored.
  int CurrentTab() const;
  void ShowTab(int visible_index);
  // The id of the help page's section on the tab in front ("tab-main", "tab-ash",
  // "tab-design", "tab-balance", "tab-mixture").
  QString HelpSection() const;
  // Where the user put the dividers of the pages, to be given back by RestoreDividers().
  QByteArray Dividers() const;
  void RestoreDividers(const QByteArray& state);

  // The file the document was loaded from or last saved to; empty for a new fuel.
  const std::filesystem::path& FilePath() const { return file_path_; }

  // Whether a save would change the file: the name and record it would write differ from
  // what the document held when it was loaded, created or saved. Inputs that are not
  // saved (carry-over, design, mixture, heat balance) never count.
  bool HasUnsavedEdits() const { return modified_; }

  // Before the document's content is replaced or the window closes: with unsaved edits,
  // asks whether to save them (Yes saves first, No discards, Cancel keeps the document).
  // Returns whether the caller may go on.
  bool MayDiscardEdits();

  // A menu bar above the fuel's name with `menus`, the program's own menus: a maximised
  // window keeps its commands within reach.
  void ShowMenus(const QList<QMenu*>& menus);
  QMenuBar* MenuBar1 = nullptr;

  // Shows the document's name, type, caption and the controls that follow the document.
  void ShowDocument();

  // A line for the user at the foot of the window: what an action refused, kept or changed
  // (a refused number, a fallback used, a value rounded by a save). Stays until the next.
  void ShowStatus(const QString& text);
  QString StatusText() const;

  // Controls.
  QGroupBox* GroupBox1 = nullptr;       // "Месторождение, тип"
  QLineEdit* ComboBox1 = nullptr;       // the fuel name
  QComboBox* ComboBox3 = nullptr;       // the fuel type
  QPushButton* ExportButton = nullptr;  // "Печать / экспорт": printing, PDF report and CSV
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
  QStatusBar* StatusBar1 = nullptr;

 signals:
  // The window was closed (FormClose); it is not shown again.
  void FormClosed();
  // A save command ended, whether or not a file was written: the fuel list may change.
  void SaveFinished();
  // Whether undo or redo is possible may have changed.
  void UndoStateChanged();

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
  // Run() and RunFuelCycle() for an action of the user: what it changed of the fuel's
  // input becomes one undo step named `text`.
  template <typename Handler>
  void RunEdit(const QString& text, Handler&& handler);
  template <typename Handler>
  void RunFuelEdit(const QString& text, Handler&& handler);
  void RecordUndoStep(const QString& text, FuelEditCommand::Kind kind = FuelEditCommand::kOther);
  // An undo or redo: the input back, everything recomputed from it.
  void ApplyFuelInputs(const FuelInputs& inputs);
  // The undo history starts again from the document as it is.
  void ForgetUndoSteps();
  void NameEdited(const QString& text);
  void SetModified(bool modified);
  // "*" follows whether the bytes a save would write differ from file_bytes_.
  void UpdateModified();
  // What an edit refused or fell back on, on the status bar; nothing when all was read.
  void ShowNotices(const calc::InputNotices& notices);
  // After a successful write of `bytes`: the record as the file holds it, every grid
  // recomputed from it, and what the three decimals changed on the status bar.
  void ShowSaved(const std::string& bytes);
  // The file's path, or the fuel's name for a fuel without a file; "*" while modified.
  void ShowCaption();
  // Asks for the file to save to; empty when the user gives up.
  QString AskSavePath();
  bool WriteFile(const QString& path);
  // Another program changed or deleted the document's file.
  void FileChangedOnDisk();
  void FileDeletedOnDisk();
  void ShowNormsPages(bool norms_1973);
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
  DocumentFileWatch* file_watch_ = nullptr;  // watches file_path_
  bool modified_ = false;
  // The bytes a save wrote or would have written when the document was loaded, created or
  // saved; nullopt when they could not be formed.
  std::optional<std::string> file_bytes_;
  QUndoStack* undo_stack_ = nullptr;
  FuelInputs undo_base_;  // the input as the last undo step left it
  bool applying_undo_ = false;
  int name_session_ = 0;  // typing the name is one step until the field is left
  FuelNameValidator* name_validator_ = nullptr;
};

}  // namespace ui
