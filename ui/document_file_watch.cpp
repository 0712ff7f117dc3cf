// Watching the document's file: a file watch that is set again after each replacement,
// and a watch on its folder that sees the file come back after a deletion.
#include "ui/document_file_watch.h"

#include <sys/stat.h>

#include <QFileSystemWatcher>
#include <QTimer>

#include "library/qt_paths.h"

namespace ui {

namespace {

constexpr int kSettleMs = 150;

DocumentFileWatch::Stamp StampOf(const std::filesystem::path& path) {
  DocumentFileWatch::Stamp stamp;
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) return stamp;
  stamp.exists = true;
  stamp.device = st.st_dev;
  stamp.inode = st.st_ino;
  stamp.size = static_cast<unsigned long long>(st.st_size);
  stamp.modified_s = st.st_mtim.tv_sec;
  stamp.modified_ns = st.st_mtim.tv_nsec;
  stamp.changed_s = st.st_ctim.tv_sec;
  stamp.changed_ns = st.st_ctim.tv_nsec;
  return stamp;
}

}  // namespace

DocumentFileWatch::DocumentFileWatch(QObject* parent)
    : QObject(parent), watcher_(new QFileSystemWatcher(this)), settle_(new QTimer(this)) {
  settle_->setSingleShot(true);
  settle_->setInterval(kSettleMs);
  const auto settle = [this] { settle_->start(); };
  connect(watcher_, &QFileSystemWatcher::fileChanged, this, settle);
  connect(watcher_, &QFileSystemWatcher::directoryChanged, this, settle);
  connect(settle_, &QTimer::timeout, this, &DocumentFileWatch::Check);
}

void DocumentFileWatch::Watch(const std::filesystem::path& path) {
  const QStringList watched = watcher_->files() + watcher_->directories();
  if (!watched.isEmpty()) watcher_->removePaths(watched);
  settle_->stop();
  path_ = path;
  stamp_ = {};
  if (path_.empty()) return;
  stamp_ = StampOf(path_);
  const std::filesystem::path folder = path_.parent_path();
  watcher_->addPath(library::ToQString(folder.empty() ? std::filesystem::path(".") : folder));
  Rewatch();
}

void DocumentFileWatch::Rewatch() {
  const QString file = library::ToQString(path_);
  if (watcher_->files().contains(file)) watcher_->removePath(file);
  if (stamp_.exists) watcher_->addPath(file);
}

void DocumentFileWatch::Check() {
  if (checking_) {
    check_again_ = true;
    return;
  }
  checking_ = true;
  do {
    check_again_ = false;
    CheckOnce();
  } while (check_again_);
  checking_ = false;
}

void DocumentFileWatch::CheckOnce() {
  if (path_.empty()) return;
  const Stamp now = StampOf(path_);
  if (now == stamp_) return;
  const bool same_file =
      now.exists && stamp_.exists && now.device == stamp_.device && now.inode == stamp_.inode;
  stamp_ = now;
  if (!same_file) Rewatch();
  if (now.exists) {
    emit Changed();
  } else {
    emit Deleted();
  }
}

}  // namespace ui
