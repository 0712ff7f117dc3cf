// DocumentFileWatch: the document's file on disk, watched for another program's change,
// replacement or deletion; what the window itself wrote or read is not news.
#pragma once

#include <QObject>
#include <filesystem>

class QFileSystemWatcher;
class QTimer;

namespace ui {

class DocumentFileWatch : public QObject {
  Q_OBJECT

 public:
  explicit DocumentFileWatch(QObject* parent = nullptr);

  // Watches `path` from now on, taking the file as it is on disk now as the document's;
  // an empty path watches nothing.
  void Watch(const std::filesystem::path& path);

  // The state of a file on disk: which file it is and when and how it was last written.
  struct Stamp {
    bool exists = false;
    unsigned long long device = 0, inode = 0, size = 0;
    long long modified_s = 0, modified_ns = 0, changed_s = 0, changed_ns = 0;
    bool operator==(const Stamp&) const = default;
  };

 signals:
  // The file now holds something other than what the document was read from or saved as.
  void Changed();
  // The file is gone (deleted, or renamed away).
  void Deleted();

 private:
  // Compares the file with the last stamp; tells what changed, once per change. A check
  // asked for while a handler of the last one runs (a question on the screen) follows it.
  void Check();
  void CheckOnce();
  // Watches the file anew: after a replacement the old watch follows the old file.
  void Rewatch();

  QFileSystemWatcher* watcher_;
  // A file is looked at once the notices about it have stopped for a moment, so that a
  // program still writing it is not caught half way.
  QTimer* settle_;
  std::filesystem::path path_;
  Stamp stamp_;
  bool checking_ = false;
  bool check_again_ = false;
};

}  // namespace ui
