// TForm3, the fuel list window: the library's fuels by name, filtered by type, and a tab
// to point the list at another folder. Choosing a line asks for the fuel to be opened.
#pragma once

#include <QString>
#include <QWidget>
#include <filesystem>
#include <memory>
#include <optional>
#include <vector>

#include "library/fuel_catalog.h"
#include "library/type_filters.h"

class QAbstractFileIconProvider;
class QComboBox;
class QFileSystemModel;
class QFileSystemWatcher;
class QLabel;
class QListWidget;
class QTabWidget;
class QTimer;
class QTreeView;

namespace library {

class TForm3 : public QWidget {
  Q_OBJECT

 public:
  // The library folder is PrepareLibraryFolder(program_dir, fallback_dir): `program_dir`/Fuel
  // when it can be written into, otherwise `fallback_dir`/Fuel, seeded with the program's
  // examples. The list applies `filters`, which must outlive the window, at every
  // RefreshFuelList.
  TForm3(const std::filesystem::path& program_dir, const std::filesystem::path& fallback_dir,
         const TypeFilters& filters, QWidget* parent = nullptr);
  ~TForm3() override;

  // Left 0, top just below `main_window`, width 218, the rest of the screen's height.
  void PlaceBelow(const QWidget& main_window);

  // Rebuilds the list from the files of the listed folder; no line is selected afterwards.
  // Only files that changed since the last reading are read again.
  void RefreshFuelList();
  // Reads the folder again as RefreshFuelList() does, keeping the selected fuel selected:
  // F5, and what another program changed in the folder.
  void Reread();
  // Shows the fuels already read that the filters let through, keeping the selected one
  // selected while it is shown; no file is read.
  void ApplyFilters();
  // How many fuels the list shows, and how many the folder holds.
  int ShownCount() const { return static_cast<int>(ListBox2.size()); }
  int FuelCount() const { return static_cast<int>(catalog_.Entries().size()); }
  // Files changed in the folder within this many milliseconds are read in one rescan.
  static constexpr int kRescanDelayMs = 300;

  const std::filesystem::path& LibraryFolder() const { return library_folder_; }
  // Why the listed folder could not be read at the last reading, naming the folder; empty
  // when it was read.
  const QString& FolderProblem() const { return folder_problem_; }
  const std::filesystem::path& ListedFolder() const { return listed_folder_; }
  // Lists another folder, as choosing it in the folder tree does.
  void SetListedFolder(const std::filesystem::path& folder);

  // The selected line, or -1.
  int SelectedRow() const;
  // The fuel name of the selected line; empty when none is selected.
  QString SelectedName() const;
  // The file of the selected line.
  std::optional<std::filesystem::path> SelectedPath() const;
  // Selects a line (-1: none) without opening its fuel.
  void SelectRow(int row);
  // Selects the line of `path`, or none when the list does not show it.
  void SelectPath(const std::filesystem::path& path);
  // Makes the list the active window with the keyboard focus on its lines.
  void TakeFocus();
  // The tab in front (0 "Список топлива", 1 "Настройка базы") and bringing one to the
  // front.
  int CurrentTab() const;
  void ShowTab(int index);
  // Deletes the file of the selected line and rebuilds the list, selecting the line that
  // took its place. Returns the reason of a failure, empty when the file was deleted.
  QString DeleteSelected();

  // The controls.
  QTabWidget* PageControl1 = nullptr;
  QWidget* TabSheet1 = nullptr;  // "Список топлива"
  QWidget* TabSheet2 = nullptr;  // "Настройка базы"
  QListWidget* ListBox1 = nullptr;
  QLabel* FolderLabel = nullptr;  // the folder listed, above the list
  QLabel* CountLabel = nullptr;   // "показано 5 из 7" while a filter hides fuels
  QComboBox* DriveComboBox1 = nullptr;
  QTreeView* DirectoryListBox1 = nullptr;
  // Hidden lists: the "*.fll" files of the listed folder, and the file of each line of
  // ListBox1 at the same position.
  std::vector<std::filesystem::path> FileListBox1;
  std::vector<std::filesystem::path> ListBox2;

 signals:
  // The user chose a line: a click, Enter or a double click.
  void FuelChosen();
  // The user moved the selection with the keyboard to another line.
  void SelectionMoved();
  // Whether a line is selected may have changed, by the user or by the program.
  void SelectionChanged();
  // The user pressed Delete in the list.
  void DeleteRequested();

 protected:
  // Keeps the folder's path elided to the width of its label.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildListTab();
  void BuildFolderTab();
  void DriveComboBox1Change(int index);
  void ShowFolderInTree(const std::filesystem::path& folder);
  // The list from the catalog, then the folder and the count above and below it.
  void ShowList();
  void WatchListedFolder();
  void ShowFolderName();

  const TypeFilters& filters_;
  std::filesystem::path library_folder_;
  std::filesystem::path listed_folder_;
  QFileSystemModel* folder_model_ = nullptr;
  std::unique_ptr<QAbstractFileIconProvider> folder_icons_;  // outlives folder_model_
  bool rebuilding_ = false;
  QString folder_problem_;
  FuelCatalog catalog_;
  QFileSystemWatcher* watcher_ = nullptr;
  QTimer* rescan_timer_ = nullptr;  // one rescan for a burst of changes
};

}  // namespace library
