// What the windows say about files: why a file could not be read or written, in the
// user's words, and what a load found missing from a fuel file that is not whole.
#pragma once

#include <QString>
#include <string_view>

namespace fuel {
class FileError;
struct FuelFileContent;
}  // namespace fuel

namespace ui {

// The reason of `error` for a message box: in Russian for a folder, a FIFO, a device or a
// socket where a file belongs and for the system's reasons that Qt words ("Нет свободного
// места на устройстве"); the system's own text otherwise.
QString FileErrorReason(const fuel::FileError& error);

// Writes `bytes` as the file `path` through fuel::WriteFileAtomically, so a failure leaves
// the old file whole. Returns an empty text, or "Не удалось записать файл <path>" and the
// reason on a second line.
QString WriteWholeFile(const QString& path, std::string_view bytes);

// What a load read of a fuel file that is not whole, e.g. "Файл топлива неполный:
// прочитано 3 числа из 50", with "нет строки с именем" for a file without its name line.
QString IncompleteFuelText(const fuel::FuelFileContent& content);

}  // namespace ui
