// AppSettings over QSettings in INI format.
#include "app/app_settings.h"

#include <QSettings>
#include <algorithm>
#include <utility>

namespace app {

namespace {

// The key of each filter and the member it sets.
const std::pair<const char*, bool library::TypeFilters::*> kFilterKeys[] = {
    {"solid", &library::TypeFilters::solid},
    {"anthracite", &library::TypeFilters::anthracite},
    {"stone_coal", &library::TypeFilters::stone_coal},
    {"brown_coal", &library::TypeFilters::brown_coal},
    {"peat", &library::TypeFilters::peat},
    {"shale", &library::TypeFilters::shale},
    {"liquid", &library::TypeFilters::liquid},
    {"gaseous", &library::TypeFilters::gaseous},
};

}  // namespace

AppSettings::AppSettings(const QString& file) {
  settings_ = file.isEmpty()
                  ? std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                                QStringLiteral("Pyrana"), QStringLiteral("pyrana"))
                  : std::make_unique<QSettings>(file, QSettings::IniFormat);
  readable_ = settings_->status() == QSettings::NoError;
  // A corrupt file is replaced by good settings at the next Sync().
  if (!readable_) settings_->clear();
}

AppSettings::~AppSettings() = default;

std::optional<QRect> AppSettings::Geometry(const QString& window) const {
  if (!readable_) return std::nullopt;
  const QVariant value = settings_->value(window + QStringLiteral("/geometry"));
  if (value.typeId() != QMetaType::QRect) return std::nullopt;
  const QRect rect = value.toRect();
  if (!rect.isValid()) return std::nullopt;
  return rect;
}

void AppSettings::SetGeometry(const QString& window, const QRect& geometry) {
  settings_->setValue(window + QStringLiteral("/geometry"), geometry);
}

int AppSettings::Tab(const QString& window) const {
  if (!readable_) return -1;
  bool ok = false;
  const int tab = settings_->value(window + QStringLiteral("/tab")).toInt(&ok);
  return ok && tab >= 0 ? tab : -1;
}

void AppSettings::SetTab(const QString& window, int tab) {
  settings_->setValue(window + QStringLiteral("/tab"), tab);
}

QByteArray AppSettings::Dividers(const QString& window) const {
  if (!readable_) return {};
  const QVariant value = settings_->value(window + QStringLiteral("/dividers"));
  return value.typeId() == QMetaType::QByteArray ? value.toByteArray() : QByteArray();
}

void AppSettings::SetDividers(const QString& window, const QByteArray& state) {
  settings_->setValue(window + QStringLiteral("/dividers"), state);
}

library::TypeFilters AppSettings::Filters() const {
  library::TypeFilters filters;
  if (!readable_) return filters;
  for (const auto& [key, member] : kFilterKeys) {
    const QString text =
        settings_->value(QStringLiteral("filters/") + QLatin1String(key)).toString();
    if (text == QStringLiteral("false")) filters.*member = false;
  }
  return filters;
}

void AppSettings::SetFilters(const library::TypeFilters& filters) {
  for (const auto& [key, member] : kFilterKeys) {
    settings_->setValue(QStringLiteral("filters/") + QLatin1String(key), filters.*member);
  }
}

void AppSettings::Sync() { settings_->sync(); }

std::optional<QRect> FitToScreen(const QRect& saved, const QRect& screen) {
  if (!saved.isValid() || !screen.isValid()) return std::nullopt;
  QRect fitted(saved.topLeft(), QSize(std::min(saved.width(), screen.width()),
                                      std::min(saved.height(), screen.height())));
  fitted.moveLeft(std::clamp(fitted.left(), screen.left(), screen.right() - fitted.width() + 1));
  fitted.moveTop(std::clamp(fitted.top(), screen.top(), screen.bottom() - fitted.height() + 1));
  return fitted;
}

}  // namespace app
