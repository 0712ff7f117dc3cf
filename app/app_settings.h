// What the program keeps between runs: where its windows were and how large, the tab in
// front, and the fuel list's type filters. A missing, unreadable or corrupt settings file,
// or a value of the wrong kind, gives the defaults.
#pragma once

#include <QByteArray>
#include <QRect>
#include <QString>
#include <memory>
#include <optional>

#include "library/type_filters.h"

class QSettings;

namespace app {

class AppSettings {
 public:
  // The settings in the INI file `file`; with an empty name, the user's settings of the
  // program.
  explicit AppSettings(const QString& file);
  ~AppSettings();

  // Whether the file was read (or is not there yet); when not, every value is the default.
  bool Readable() const { return readable_; }

  std::optional<QRect> Geometry(const QString& window) const;
  void SetGeometry(const QString& window, const QRect& geometry);
  // The tab in front; -1 when none was kept.
  int Tab(const QString& window) const;
  void SetTab(const QString& window, int tab);
  // The dividers of a window's pages as the window gave them; empty when none were kept.
  QByteArray Dividers(const QString& window) const;
  void SetDividers(const QString& window, const QByteArray& state);
  // The filters as kept, each missing or unreadable one on.
  library::TypeFilters Filters() const;
  void SetFilters(const library::TypeFilters& filters);

  // Writes what was set to the file.
  void Sync();

 private:
  std::unique_ptr<QSettings> settings_;
  bool readable_ = false;
};

// `saved` moved and, when needed, shrunk to lie inside `screen` (a place kept from a larger
// screen is moved in); nothing when it is empty.
std::optional<QRect> FitToScreen(const QRect& saved, const QRect& screen);

}  // namespace app
