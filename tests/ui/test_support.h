// What the window tests share: message boxes and file dialogs answered from a script, fuel
// files in a temporary folder, the document window over them and typing into its grids.
#pragma once

#include <QApplication>
#include <QLineEdit>
#include <QPrinter>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <array>
#include <cerrno>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "calc/fuel_document.h"
#include "fuel/atomic_file.h"
#include "fuel/fuel_file.h"
#include "library/qt_paths.h"
#include "support/example_fuels.h"
#include "support/temp_dir.h"
#include "ui/dialogs.h"
#include "ui/sheet_model.h"
#include "ui/tform2.h"
#include "ui/txl_grid.h"

namespace test {

// Answers every message box and file dialog from queued answers and records each request.
// A message box with no answer queued gets Cancel; an empty file name cancels a dialog.
class ScriptedDialogs : public ui::Dialogs {
 public:
  struct MessageCall {
    QString text;
    QString caption;
    QMessageBox::Icon icon;
  };

  QMessageBox::StandardButton Message(QWidget* /*parent*/, const QString& text,
                                      const QString& caption, QMessageBox::StandardButtons,
                                      QMessageBox::Icon icon) override {
    messages.append({text, caption, icon});
    if (while_asking) while_asking();
    return answers.isEmpty() ? QMessageBox::Cancel : answers.takeFirst();
  }
  QString SaveFileName(QWidget* /*parent*/, const ui::SaveDialogRequest& request) override {
    save_requests.append(request);
    return save_answers.isEmpty() ? QString() : save_answers.takeFirst();
  }
  QString OpenFileName(QWidget* /*parent*/, const ui::OpenDialogRequest& request) override {
    open_requests.append(request);
    return open_answers.isEmpty() ? QString() : open_answers.takeFirst();
  }
  // Printing goes into `print_to_pdf` as a PDF file; unset, printing cancels. No preview.
  bool PrintSetup(QWidget* /*parent*/, QPrinter& printer) override {
    ++print_dialogs;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(print_to_pdf);
    return !print_to_pdf.isEmpty();
  }
  void PrintPreview(QWidget*, QPrinter&, const std::function<void(QPrinter&)>&) override {}

  // Every message said since the last call, as "caption: text", one after the other.
  QString Said() {
    QStringList said;
    for (const MessageCall& m : messages) said << m.caption + QStringLiteral(": ") + m.text;
    messages.clear();
    return said.join(QStringLiteral("\n\n"));
  }

  QList<MessageCall> messages;
  QList<QMessageBox::StandardButton> answers;
  std::function<void()> while_asking;  // runs while a message box is up
  QList<ui::SaveDialogRequest> save_requests;
  QStringList save_answers;
  QList<ui::OpenDialogRequest> open_requests;
  QStringList open_answers;
  QString print_to_pdf;
  int print_dialogs = 0;
};

// Writes a fuel file: `name` (UTF-8) and fifty values, `front` first and `type` as the
// type row.
template <typename Values = std::initializer_list<float>>
std::filesystem::path WriteFuel(const std::filesystem::path& path, const std::string& name,
                                float type, const Values& front = {}) {
  std::array<float, fuel::kRecordSize> values{};
  std::copy(front.begin(), front.end(), values.begin());
  values[fuel::kTypeRow] = type;
  std::filesystem::create_directories(path.parent_path());
  fuel::WriteFuelFile(path, fuel::Utf8ToCp1251(name), values);
  return path;
}

// While it lives every file write fails as on a full disk.
struct FullDisk {
  fuel::WriteCall real = fuel::SetWriteCallForTesting([](int, const void*, std::size_t) {
    errno = ENOSPC;
    return ssize_t{-1};
  });
  ~FullDisk() { fuel::SetWriteCallForTesting(real); }
};

// A key as the keyboard sends it: to the widget that has the focus, else to `start`.
inline void PressKey(QWidget& start, Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
  QWidget* focus = QApplication::focusWidget();
  QTest::keyClick(focus != nullptr ? focus : &start, key, modifiers);
}
// One key event with its text per character, as a keyboard layout sends them.
inline void TypeKeys(QWidget& start, const QString& text) {
  for (const char32_t code : text.toUcs4()) {
    QWidget* target = QApplication::focusWidget() != nullptr ? QApplication::focusWidget() : &start;
    if (code < 0x80) {  // the key of an ASCII character, with its key code
      QTest::keyClick(target, static_cast<char>(code));
    } else {  // a Cyrillic letter: its text, as a keyboard layout gives it
      QTest::sendKeyEvent(QTest::Click, target, Qt::Key_unknown, QString::fromUcs4(&code, 1),
                          Qt::NoModifier);
    }
  }
}

// Selects (col, row) of a grid in the active window and types `text` over it; then confirms
// with `commit` (Enter, Tab, an arrow key) or, given `leave_to`, moves the focus there with
// the editor still open. Whether an editor opened and was closed again.
inline bool TypeIntoCell(ui::TXLGrid& grid, int col, int row, const QString& text,
                         Qt::Key commit = Qt::Key_Return, QWidget* leave_to = nullptr) {
  const QModelIndex index = grid.model()->index(row, col);
  grid.setFocus();
  grid.setCurrentIndex(index);
  TypeKeys(*grid.viewport(), text);
  if (!grid.IsEditing()) return false;
  if (leave_to != nullptr) {
    leave_to->setFocus();
  } else {
    PressKey(*grid.viewport(), commit);
  }
  // The editor is committed and closed from the event queue.
  return QTest::qWaitFor([&] { return grid.indexWidget(index) == nullptr; }, 1000);
}

inline QString Shown(const ui::TXLGrid& grid, int col, int row) {
  return grid.model()->index(row, col).data().toString();
}

using SheetOf = sheets::Sheet calc::FuelDocument::*;

// The first cell of `sheets` in which `shown` differs from `reference`, for the failure
// message; empty when every cell agrees.
inline QString FirstDifference(const calc::FuelDocument& shown, const calc::FuelDocument& reference,
                               std::initializer_list<SheetOf> sheets) {
  int n = 0;
  for (SheetOf sheet : sheets) {
    const sheets::Sheet &a = shown.*sheet, &b = reference.*sheet;
    for (int row = 0; row < a.RowCount(); ++row) {
      for (int col = 0; col < a.ColCount(); ++col) {
        if (a.Text(col, row) == b.Text(col, row)) continue;
        return QString::fromStdString("sheet " + std::to_string(n) + " (" + std::to_string(col) +
                                      ", " + std::to_string(row) + "): '" + a.Text(col, row) +
                                      "' against '" + b.Text(col, row) + "'");
      }
    }
    ++n;
  }
  return {};
}

// The document window over a temporary fuel folder, its dialogs answered from a script.
struct DocumentWindow {
  QTemporaryDir temp;
  std::filesystem::path fuel_dir = library::ToPath(temp.path()) / "Fuel";
  ScriptedDialogs dialogs;
  std::unique_ptr<ui::TForm2> form;

  DocumentWindow() { std::filesystem::create_directories(fuel_dir); }
  std::filesystem::path Fuel(const std::string& file) const { return fuel_dir / file; }
  QString Path(const std::string& file) const { return library::ToQString(Fuel(file)); }
  bool Load(const std::string& file) { return form->LoadFuel(Fuel(file)); }
  const calc::FuelDocument& Doc() const { return form->Document(); }
  // Shows the window as the active one, saving into the fuel folder.
  bool Show() {
    form = std::make_unique<ui::TForm2>(dialogs);
    form->SetSaveFolder([this] { return fuel_dir; });
    form->show();
    QApplication::setActiveWindow(form.get());
    return QTest::qWaitForWindowActive(form.get());
  }
};

}  // namespace test
