// The application object: the four windows, the type filters, and every flow that crosses windows
// (choosing a fuel, new, delete, save then refresh the list, close, the About window). The windows
// offer verbs; only this object strings them together.
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <filesystem>
#include <memory>

#include "library/type_filters.h"

namespace library {
class TForm3;
}
namespace ui {
class Dialogs;
class TForm2;
}  // namespace ui

namespace app {

class TForm1;
class TForm4;

class Application : public QObject {
  Q_OBJECT

 public:
  // `program_dir` holds "Fuel" and "Help/Help.htm"; when it cannot hold the library,
  // `fallback_data_dir` does. `dialogs` must outlive the object.
  Application(std::filesystem::path program_dir, std::filesystem::path fallback_data_dir,
              ui::Dialogs& dialogs, QObject* parent = nullptr);
  ~Application() override;

  // Where the windows' places, the last tab and the filters are kept between runs; until
  // set, the user's settings of the program. Call before Start().
  void SetSettingsFile(const QString& path) { settings_file_ = path; }

  // Start-up: the main window at the top left, then the fuel list window below it, each
  // where the last run left it (moved onto the screen), every frame inside the screen.
  void Start();
  // Keeps the places of the windows, the document's tab and the filters for the next run.
  void SaveSettings();

  const std::filesystem::path& ProgramDir() const { return program_dir_; }
  std::filesystem::path HelpPage() const { return program_dir_ / "Help" / "Help.htm"; }
  ui::Dialogs& Dialogs() { return dialogs_; }

  // Creates the document window when none is open, otherwise
  // shows the open one; `activate` brings it to the front and gives it the focus.
  ui::TForm2* OpenDocument(bool activate = true);
  // Closes the document window when one is open; false when the user keeps it open.
  bool CloseDocument();
  // The list's choice (a click, Enter, a double click): after the unsaved-edits question,
  // opens the document and loads the fuel; the focus stays in the list. Cancel keeps the
  // document and selects its line again.
  void OpenChosenFuel();
  // The list's selection moved by the keyboard: loads the fuel as a choice does, unless
  // the document has unsaved edits; then it waits for Enter or a click, so that walking
  // through the list does not ask at every line.
  void SelectionMoved();
  // "Новый", after the unsaved-edits question.
  void NewFuel();
  // "Открыть": asks for a fuel file (in the library folder first, then in the folder of the
  // last file opened) and opens it.
  void OpenFuelFile();
  // Opens any fuel file in the document window, after the unsaved-edits question; a file
  // the list shows gets its line selected.
  void OpenFile(const std::filesystem::path& path);
  // "Сохранить": the document into its own file (a new fuel asks for a name); "Сохранить
  // как...": always asks. The list is rebuilt afterwards.
  void SaveDocument();
  void SaveDocumentAs();
  // "Отменить", "Повторить": the document's undo and redo.
  void Undo();
  void Redo();
  bool CanUndo() const;
  bool CanRedo() const;
  // "Помощь": opens the help page in the browser, at the section of the fuel window's tab
  // in front when that window is active; says so when that cannot be done.
  void OpenHelp();
  // "Обновить список": reads the listed folder again, keeping the selected fuel.
  void RereadFolder();
  // "Удалить топливо": asks, deletes the selected file, rebuilds the list and loads the
  // fuel now selected into an open document (after the unsaved-edits question).
  void DeleteSelectedFuel();
  // "О программе": creates the About window, or brings the open one to the front.
  void ShowAbout();

  // Whether the fuel window, the About window is open: it exists and has not been closed.
  bool DocumentOpen() const;
  bool AboutOpen() const;
  // The type filters the list obeys; new ones filter the fuels already read again.
  const library::TypeFilters& Filters() const { return filters_; }
  void SetFilters(const library::TypeFilters& filters);
  // "Показать/скрыть список".
  void ToggleList();

  // The windows; Form2 and Form4 exist only while they are open.
  TForm1* Form1 = nullptr;
  library::TForm3* Form3 = nullptr;
  QPointer<ui::TForm2> Form2;
  QPointer<TForm4> Form4;

 signals:
  // DocumentOpen() changed.
  void DocumentOpenChanged(bool open);
  // Whether undo or redo is possible may have changed.
  void UndoStateChanged();

 private:
  std::filesystem::path program_dir_;
  std::filesystem::path fallback_data_dir_;
  ui::Dialogs& dialogs_;
  library::TypeFilters filters_;
  // Whether the open document's content may be replaced: no document, no unsaved edits,
  // or the user's answer. On Cancel the list selects the document's line again.
  bool MayReplaceDocument();
  void LoadIntoDocument(const std::filesystem::path& path);
  // A listed folder that could not be read, named with the reason in a message.
  void ReportFolderProblem();
  void RestoreDocumentPlace();
  void SaveDocumentPlace();

  QString settings_file_;
  bool list_placed_ = false;      // the list window stands where the last run left it
  bool document_placed_ = false;  // so does the fuel window

  std::unique_ptr<TForm1> form1_;
  std::filesystem::path last_open_folder_;
};

}  // namespace app
