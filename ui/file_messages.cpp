// The texts of the windows' messages about files.
#include "ui/file_messages.h"

#include <QDir>
#include <QtGlobal>

#include "fuel/atomic_file.h"
#include "fuel/fuel_file.h"
#include "library/qt_paths.h"

namespace ui {

namespace {

// "число", "числа" or "чисел", as a count of `n` takes it.
QString NumbersWord(int n) {
  const int tens = n % 100;
  const int ones = n % 10;
  if (ones == 1 && tens != 11) return QStringLiteral("число");
  if (ones >= 2 && ones <= 4 && (tens < 12 || tens > 14)) return QStringLiteral("числа");
  return QStringLiteral("чисел");
}

}  // namespace

QString FileErrorReason(const fuel::FileError& error) {
  switch (error.kind()) {
    case fuel::FileKind::kFolder:
      return QStringLiteral("это папка, а не файл");
    case fuel::FileKind::kFifo:
      return QStringLiteral("это не обычный файл, а канал (FIFO)");
    case fuel::FileKind::kDevice:
      return QStringLiteral("это не обычный файл, а устройство");
    case fuel::FileKind::kSocket:
      return QStringLiteral("это не обычный файл, а сокет");
    case fuel::FileKind::kOther:
      return QStringLiteral("это не обычный файл");
    case fuel::FileKind::kRegular:
      break;
  }
  if (error.error_code() != 0) return qt_error_string(error.error_code());
  return QString::fromStdString(error.reason());
}

QString WriteWholeFile(const QString& path, std::string_view bytes) {
  try {
    fuel::WriteFileAtomically(library::ToPath(path), bytes);
  } catch (const fuel::FileError& error) {
    return QStringLiteral("Не удалось записать файл %1\n%2")
        .arg(QDir::toNativeSeparators(path), FileErrorReason(error));
  }
  return {};
}

QString IncompleteFuelText(const fuel::FuelFileContent& content) {
  const int read = content.numbers_read;
  return QStringLiteral("Файл топлива неполный: %1прочитано %2 %3 из %4")
      .arg(content.name_line.complete ? QString() : QStringLiteral("нет строки с именем, "))
      .arg(read)
      .arg(NumbersWord(read))
      .arg(static_cast<int>(content.values.size()));
}

}  // namespace ui
