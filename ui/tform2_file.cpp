// TForm2's file flows: load, new, save and save as (asking a name and before replacing),
// the file changed or deleted on disk, and the unsaved-edits question before closing.
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QUndoStack>
#include <optional>

#include "calc/cycle.h"
#include "calc/fuel_io.h"
#include "fuel/fuel_file.h"
#include "library/qt_paths.h"
#include "ui/dialogs.h"
#include "ui/document_file_watch.h"
#include "ui/file_messages.h"
#include "ui/tform2.h"
#include "ui/tform2_run.h"

namespace ui {

bool TForm2::LoadFuel(const std::filesystem::path& path) {
  // Watched from before the reading, so that a change while it reads is not missed.
  file_watch_->Watch(path);
  std::optional<fuel::FuelFileContent> content;
  std::optional<fuel::FileError> failure;
  // The edit cycle after the load stores the record as every later edit will (the
  // type as a whole number, say), so the first edit starts from the same values.
  RunFuelCycle([&] {
    try {
      content = calc::ReadLibraryFuel(doc_, path);
    } catch (const fuel::FileError& error) {
      failure = error;
    }
    calc::XLGrid1EditModeChanged(doc_);
  });
  // A fuel read only in part is saved under a name the user chooses.
  const bool whole = content && content->Complete();
  file_path_ = whole ? path : std::filesystem::path();
  if (!whole) file_watch_->Watch({});
  ForgetUndoSteps();
  ShowCaption();
  if (failure) {
    dialogs_.Message(this,
                     QStringLiteral("Ошибка чтения !\n%1\n%2")
                         .arg(QDir::toNativeSeparators(library::ToQString(failure->path())),
                              FileErrorReason(*failure)),
                     QStringLiteral("Ошибка"), QMessageBox::Ok | QMessageBox::Cancel,
                     QMessageBox::Critical);
  } else if (content && !whole) {
    dialogs_.Message(this, IncompleteFuelText(*content), QStringLiteral("Внимание !"),
                     QMessageBox::Ok, QMessageBox::Warning);
  }
  return whole;
}

void TForm2::NewFuel() {
  RunFuelCycle([&] { calc::NewFuel(doc_); });
  file_path_.clear();
  file_watch_->Watch({});
  doc_.Caption.clear();
  ForgetUndoSteps();
  ShowCaption();
}

bool TForm2::Save() {
  if (file_path_.empty()) return SaveAs();
  const bool written = WriteFile(library::ToQString(file_path_));
  emit SaveFinished();
  return written;
}

bool TForm2::SaveAs() {
  const QString chosen = AskSavePath();
  const bool written = !chosen.isEmpty() && WriteFile(chosen);
  emit SaveFinished();
  return written;
}

QString TForm2::AskSavePath() {
  // The fuel's name as the file name, without the characters no file name may hold.
  QString name = QString::fromStdString(doc_.ComboBox1);
  name.replace(QRegularExpression(QStringLiteral("[\\\\/:*?\"<>|]")), QStringLiteral("_"));
  name = name.trimmed();
  if (name.isEmpty()) name = QStringLiteral("Топливо");
  const QString folder = save_folder_ ? library::ToQString(save_folder_()) : QString();
  QString proposed = QDir(folder).filePath(name + QStringLiteral(".fll"));
  for (;;) {
    const SaveDialogRequest request{
        .title = QStringLiteral("Сохранить файл топлива"),
        .folder = proposed,
        .filter = QStringLiteral("Файл топлива (*.fll)"),
        .default_suffix = QStringLiteral("fll"),
    };
    QString chosen = dialogs_.SaveFileName(this, request);
    if (chosen.isEmpty()) return {};
    if (QFileInfo(chosen).suffix().isEmpty()) chosen += QStringLiteral(".fll");
    if (!QFileInfo::exists(chosen)) return chosen;
    const QMessageBox::StandardButton answer = dialogs_.Message(
        this,
        QStringLiteral("Файл %1 уже существует.\nЗаменить его?")
            .arg(QDir::toNativeSeparators(chosen)),
        QStringLiteral("Внимание !"), QMessageBox::Yes | QMessageBox::No, QMessageBox::Warning);
    if (answer == QMessageBox::Yes) return chosen;
    proposed = chosen;  // No: another name
  }
}

bool TForm2::WriteFile(const QString& path) {
  const std::filesystem::path target = library::ToPath(path);
  std::string bytes;
  try {
    bytes = calc::SaveFuel(doc_, target);
  } catch (const fuel::FileError& error) {
    // Nothing of the old file is touched; the edits stay unsaved.
    dialogs_.Message(this,
                     QStringLiteral("Не удалось сохранить файл %1\n%2")
                         .arg(QDir::toNativeSeparators(path), FileErrorReason(error)),
                     QStringLiteral("Ошибка"), QMessageBox::Ok, QMessageBox::Critical);
    return false;
  } catch (const std::exception& error) {
    // A record value that is not a number: the conversion's own text; nothing is written.
    ReportFailure(dialogs_, this, error);
    return false;
  }
  file_path_ = target;
  file_watch_->Watch(file_path_);  // what was just written is the document's
  doc_.Caption = file_path_.string();
  undo_stack_->setClean();
  ShowSaved(bytes);
  return true;
}

void TForm2::FileChangedOnDisk() {
  const QString file = QDir::toNativeSeparators(library::ToQString(file_path_));
  if (modified_) {
    const QMessageBox::StandardButton answer = dialogs_.Message(
        this,
        QStringLiteral("Файл %1 изменен на диске другой программой.\n"
                       "Да — загрузить файл с диска (ваши изменения будут потеряны).\n"
                       "Нет — оставить ваши изменения.")
            .arg(file),
        QStringLiteral("Внимание !"), QMessageBox::Yes | QMessageBox::No, QMessageBox::Question);
    if (answer != QMessageBox::Yes) {
      ShowStatus(QStringLiteral("Файл изменен на диске; ваши изменения оставлены"));
      return;
    }
  }
  const std::filesystem::path path = file_path_;  // the load sets file_path_ anew
  if (LoadFuel(path)) {
    ShowStatus(QStringLiteral("Файл изменен на диске и загружен заново"));
  }
}

void TForm2::FileDeletedOnDisk() {
  ShowStatus(QStringLiteral("Файл удален с диска; «Сохранить» запишет его снова"));
}

void TForm2::ShowSaved(const std::string& bytes) {
  file_bytes_ = bytes;
  std::vector<calc::RoundedValue> rounded;
  RunFuelCycle([&] { rounded = calc::RoundRecordAsSaved(doc_); });
  // The rounding is no step of its own: the next edit starts from the values saved.
  undo_base_ = TakeFuelInputs(doc_);
  if (!rounded.empty()) ShowStatus(QString::fromStdString(calc::RoundedValuesText(rounded)));
}

bool TForm2::MayDiscardEdits() {
  if (!modified_) return true;
  const QMessageBox::StandardButton answer = dialogs_.Message(
      this,
      QStringLiteral("Сохранить изменения топлива \"%1\"?")
          .arg(QString::fromStdString(doc_.ComboBox1)),
      QStringLiteral("Внимание !"), QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
      QMessageBox::Warning);
  if (answer == QMessageBox::No) return true;
  if (answer != QMessageBox::Yes) return false;
  bool saved = false;
  RunGuarded(dialogs_, this, [&] { saved = Save(); });
  return saved;
}

void TForm2::closeEvent(QCloseEvent* event) {
  if (!MayDiscardEdits()) {
    event->ignore();
    return;
  }
  event->accept();
  emit FormClosed();
}

}  // namespace ui
