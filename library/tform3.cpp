// TForm3: building the fuel list and choosing a fuel.
#include "library/tform3.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QFile>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QFileSystemWatcher>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QScreen>
#include <QStorageInfo>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QTreeView>
#include <QVBoxLayout>
#include <algorithm>
#include <system_error>

#include "library/fuel_folder.h"
#include "library/library_folder.h"
#include "library/qt_paths.h"

namespace library {

namespace {
constexpr int kWidth = 218;
constexpr int kScreenMargin = 30;  // kept free below the window

// The folder tree's icons and type names: a folder's as QFileIconProvider gives them,
// none for a file. The tree shows folders only, but its model looks at every file of an
// expanded folder, and the stock provider reads each file to find its type: half a
// second at start-up for a library of 1,000 fuels.
class FolderIconProvider : public QFileIconProvider {
 public:
  QIcon icon(IconType type) const override { return QFileIconProvider::icon(type); }
  QIcon icon(const QFileInfo& info) const override {
    return info.isDir() ? QFileIconProvider::icon(info) : QIcon();
  }
  QString type(const QFileInfo& info) const override {
    return info.isDir() ? QFileIconProvider::type(info) : QString();
  }
};

}  // namespace

TForm3::TForm3(const std::filesystem::path& program_dir, const std::filesystem::path& fallback_dir,
               const TypeFilters& filters, QWidget* parent)
    : QWidget(parent, Qt::Tool), filters_(filters) {
  setWindowTitle(QStringLiteral("Pyrana v1.5"));
  watcher_ = new QFileSystemWatcher(this);
  rescan_timer_ = new QTimer(this);
  rescan_timer_->setSingleShot(true);
  rescan_timer_->setInterval(kRescanDelayMs);
  connect(watcher_, &QFileSystemWatcher::directoryChanged, rescan_timer_,
          qOverload<>(&QTimer::start));
  connect(watcher_, &QFileSystemWatcher::fileChanged, rescan_timer_, qOverload<>(&QTimer::start));
  connect(rescan_timer_, &QTimer::timeout, this, &TForm3::Reread);
  PageControl1 = new QTabWidget(this);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(2, 2, 2, 2);
  layout->addWidget(PageControl1);
  BuildListTab();
  BuildFolderTab();

  library_folder_ = PrepareLibraryFolder(program_dir, fallback_dir);
  listed_folder_ = library_folder_;
  ShowFolderInTree(listed_folder_);
  RefreshFuelList();
}

TForm3::~TForm3() {
  // The model, and its view with it, goes before the icon provider it uses.
  delete DirectoryListBox1;
  delete folder_model_;
}

void TForm3::BuildListTab() {
  TabSheet1 = new QWidget;
  FolderLabel = new QLabel(TabSheet1);
  FolderLabel->setTextFormat(Qt::PlainText);
  FolderLabel->setMinimumWidth(40);
  FolderLabel->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
  FolderLabel->installEventFilter(this);
  ListBox1 = new QListWidget(TabSheet1);
  ListBox1->setSelectionMode(QAbstractItemView::SingleSelection);
  ListBox1->setUniformItemSizes(true);  // 10,000 lines are laid out at once
  CountLabel = new QLabel(TabSheet1);
  CountLabel->setTextFormat(Qt::PlainText);
  auto* layout = new QVBoxLayout(TabSheet1);
  layout->setContentsMargins(2, 2, 2, 2);
  layout->setSpacing(2);
  layout->addWidget(FolderLabel);
  layout->addWidget(ListBox1, 1);
  layout->addWidget(CountLabel);
  PageControl1->addTab(TabSheet1, QStringLiteral("Список топлива"));

  // Delete in the list deletes the selected fuel, after the usual question.
  auto* delete_key = new QAction(ListBox1);
  delete_key->setShortcut(QKeySequence::Delete);
  delete_key->setShortcutContext(Qt::WidgetShortcut);
  ListBox1->addAction(delete_key);
  connect(delete_key, &QAction::triggered, this, [this] {
    if (SelectedRow() >= 0) emit DeleteRequested();
  });

  // A line is chosen by a mouse click, Enter or a double click; moving the selection with
  // the keyboard is told apart. The press of a click moves the selection too, so that
  // move waits for the click.
  connect(ListBox1, &QListWidget::currentRowChanged, this, [this](int row) {
    if (rebuilding_ || row < 0 || QApplication::mouseButtons() != Qt::NoButton) return;
    if (SelectedRow() >= 0) emit SelectionMoved();
  });
  connect(ListBox1, &QListWidget::itemSelectionChanged, this, &TForm3::SelectionChanged);
  const auto chosen = [this] {
    if (SelectedRow() >= 0) emit FuelChosen();
  };
  connect(ListBox1, &QListWidget::itemClicked, this, chosen);
  connect(ListBox1, &QListWidget::itemActivated, this, chosen);
}

void TForm3::BuildFolderTab() {
  TabSheet2 = new QWidget;
  DriveComboBox1 = new QComboBox(TabSheet2);
  QStringList drives{QStringLiteral("/")};
  for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
    if (volume.isValid() && volume.isReady() && !drives.contains(volume.rootPath())) {
      drives << volume.rootPath();
    }
  }
  for (const QFileInfo& drive : QDir::drives()) {
    if (!drives.contains(drive.absoluteFilePath())) drives << drive.absoluteFilePath();
  }
  drives.sort();
  DriveComboBox1->addItems(drives);
  DriveComboBox1->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  DriveComboBox1->setMinimumContentsLength(8);

  folder_model_ = new QFileSystemModel(this);
  folder_icons_ = std::make_unique<FolderIconProvider>();
  folder_model_->setIconProvider(folder_icons_.get());
  folder_model_->setFilter(QDir::Dirs | QDir::Drives | QDir::NoDotAndDotDot);
  folder_model_->setRootPath(QString());
  DirectoryListBox1 = new QTreeView(TabSheet2);
  DirectoryListBox1->setModel(folder_model_);
  DirectoryListBox1->setHeaderHidden(true);
  for (int col = 1; col < folder_model_->columnCount(); ++col) DirectoryListBox1->hideColumn(col);

  auto* layout = new QVBoxLayout(TabSheet2);
  layout->setContentsMargins(2, 2, 2, 2);
  layout->addWidget(DriveComboBox1);
  layout->addWidget(DirectoryListBox1, 1);
  PageControl1->addTab(TabSheet2, QStringLiteral("Настройка базы"));

  connect(DriveComboBox1, &QComboBox::activated, this, &TForm3::DriveComboBox1Change);
  connect(DirectoryListBox1->selectionModel(), &QItemSelectionModel::currentChanged, this,
          [this](const QModelIndex& current) {
            if (!current.isValid()) return;
            SetListedFolder(ToPath(folder_model_->filePath(current)));
          });
}

void TForm3::PlaceBelow(const QWidget& main_window) {
  const QRect main_frame = main_window.frameGeometry();
  const QScreen* screen =
      main_window.screen() ? main_window.screen() : QApplication::primaryScreen();
  const int screen_height = screen ? screen->geometry().height() : 768;
  move(0, main_frame.top() + main_frame.height() + 1);
  // 218 pixels, or as wide as the tab captions need in the fonts in use.
  const int width = std::max(kWidth, PageControl1->tabBar()->sizeHint().width() +
                                         2 * layout()->contentsMargins().left() + 4);
  resize(width, std::max(100, screen_height - main_frame.height() - kScreenMargin));
}

void TForm3::RefreshFuelList() {
  rescan_timer_->stop();
  catalog_.Scan(listed_folder_);
  const std::string problem = library::FolderProblem(listed_folder_);
  folder_problem_ = problem.empty()
                        ? QString()
                        : QStringLiteral("Папка базы топлива %1 не читается: %2.")
                              .arg(ToQString(listed_folder_), QString::fromStdString(problem));
  FileListBox1.clear();
  for (const FuelEntry& entry : catalog_.Entries()) FileListBox1.push_back(entry.path);
  ShowList();
  SelectRow(-1);
  WatchListedFolder();
}

void TForm3::Reread() {
  const std::optional<std::filesystem::path> selected = SelectedPath();
  RefreshFuelList();
  if (selected) SelectPath(*selected);
}

void TForm3::ApplyFilters() {
  const std::optional<std::filesystem::path> selected = SelectedPath();
  ShowList();
  SelectPath(selected.value_or(std::filesystem::path()));
}

void TForm3::ShowList() {
  rebuilding_ = true;
  const std::vector<std::size_t> shown = catalog_.Shown(filters_);
  QStringList names;
  names.reserve(static_cast<qsizetype>(shown.size()));
  ListBox2.clear();
  ListBox2.reserve(shown.size());
  for (const std::size_t i : shown) {
    const FuelEntry& entry = catalog_.Entries()[i];
    names << QString::fromStdString(entry.name);
    ListBox2.push_back(entry.path);
  }
  ListBox1->clear();
  ListBox1->addItems(names);
  ListBox1->setCurrentRow(-1);
  rebuilding_ = false;

  FolderLabel->setToolTip(QStringLiteral("Папка базы топлива: %1").arg(ToQString(listed_folder_)));
  ShowFolderName();
  const int total = FuelCount();
  const bool filtered = ShownCount() < total;
  CountLabel->setText(filtered ? QStringLiteral("показано %1 из %2").arg(ShownCount()).arg(total)
                               : QStringLiteral("топлив в папке: %1").arg(total));
  if (!folder_problem_.isEmpty()) CountLabel->setText(QStringLiteral("папка не читается"));
  QFont font = CountLabel->font();
  font.setBold(filtered);
  CountLabel->setFont(font);
  CountLabel->setToolTip(!folder_problem_.isEmpty() ? folder_problem_
                         : filtered ? QStringLiteral("Часть топлив скрыта фильтрами сортировки")
                                    : QString());
}

void TForm3::ShowFolderName() {
  // The middle of a long path gives way; the whole path is in the tooltip.
  FolderLabel->setText(FolderLabel->fontMetrics().elidedText(
      ToQString(listed_folder_), Qt::ElideMiddle, std::max(40, FolderLabel->width())));
}

bool TForm3::eventFilter(QObject* watched, QEvent* event) {
  if (watched == FolderLabel && event->type() == QEvent::Resize) ShowFolderName();
  return QWidget::eventFilter(watched, event);
}

void TForm3::WatchListedFolder() {
  if (!watcher_->directories().isEmpty()) watcher_->removePaths(watcher_->directories());
  if (!watcher_->files().isEmpty()) watcher_->removePaths(watcher_->files());
  const QString folder = ToQString(listed_folder_);
  if (!QFileInfo(folder).isDir()) return;
  watcher_->addPath(folder);
  // A file rewritten in place changes nothing in its folder; the files themselves are
  // watched too while their number leaves the system enough watches to spare.
  constexpr std::size_t kMostWatchedFiles = 2000;
  if (FileListBox1.size() <= kMostWatchedFiles) {
    QStringList files;
    for (const std::filesystem::path& path : FileListBox1) files << ToQString(path);
    if (!files.isEmpty()) watcher_->addPaths(files);
  }
}

void TForm3::SetListedFolder(const std::filesystem::path& folder) {
  if (folder == listed_folder_) return;
  listed_folder_ = folder;
  ShowFolderInTree(folder);
  RefreshFuelList();
}

int TForm3::CurrentTab() const { return PageControl1->currentIndex(); }

void TForm3::ShowTab(int index) {
  if (index >= 0 && index < PageControl1->count()) PageControl1->setCurrentIndex(index);
}

int TForm3::SelectedRow() const {
  const QList<QListWidgetItem*> selected = ListBox1->selectedItems();
  return selected.isEmpty() ? -1 : ListBox1->row(selected.constFirst());
}

std::optional<std::filesystem::path> TForm3::SelectedPath() const {
  const int row = SelectedRow();
  if (row < 0 || row >= static_cast<int>(ListBox2.size())) return std::nullopt;
  return ListBox2[static_cast<std::size_t>(row)];
}

void TForm3::SelectRow(int row) {
  rebuilding_ = true;
  ListBox1->setCurrentRow(row);
  if (row < 0) ListBox1->clearSelection();
  rebuilding_ = false;
}

QString TForm3::SelectedName() const {
  const int row = SelectedRow();
  return row < 0 ? QString() : ListBox1->item(row)->text();
}

void TForm3::SelectPath(const std::filesystem::path& path) {
  const auto found = std::find(ListBox2.begin(), ListBox2.end(), path);
  SelectRow(found == ListBox2.end() || path.empty() ? -1
                                                    : static_cast<int>(found - ListBox2.begin()));
}

void TForm3::TakeFocus() {
  activateWindow();
  ListBox1->setFocus();
}

QString TForm3::DeleteSelected() {
  const int row = SelectedRow();
  const std::optional<std::filesystem::path> path = SelectedPath();
  if (!path) return QStringLiteral("файл не выбран");
  QString reason;
  QFile file(ToQString(*path));
  // Qt words the system's reason.
  if (!file.remove()) reason = file.errorString();
  RefreshFuelList();
  if (row < ListBox1->count()) SelectRow(row);
  return reason;
}

void TForm3::DriveComboBox1Change(int index) {
  SetListedFolder(ToPath(DriveComboBox1->itemText(index)));
}

void TForm3::ShowFolderInTree(const std::filesystem::path& folder) {
  const QModelIndex index = folder_model_->index(ToQString(folder));
  if (!index.isValid()) return;
  DirectoryListBox1->setCurrentIndex(index);
  DirectoryListBox1->scrollTo(index);
  DirectoryListBox1->expand(index);
}

}  // namespace library
