// What the window tests share: message boxes and the save dialog answered from a script,
// fuel files in a temporary program folder, and typing into a grid cell.
#pragma once

#include <QAbstractItemView>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QList>
#include <QPrinter>
#include <QStringList>
#include <QTest>
#include <array>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "fuel/fuel_file.h"
#include "ui/dialogs.h"
#include "ui/sheet_model.h"
#include "ui/txl_grid.h"

namespace test {

// Answers every message box and file dialog from queued answers, and records each
// request. A message box with no answer queued gets Cancel.
class ScriptedDialogs : public ui::Dialogs {
 public:
  struct MessageCall {
    QString text;
    QString caption;
    QMessageBox::StandardButtons buttons;
    QMessageBox::Icon icon;
  };

  QMessageBox::StandardButton Message(QWidget* /*parent*/, const QString& text,
                                      const QString& caption, QMessageBox::StandardButtons buttons,
                                      QMessageBox::Icon icon) override {
    messages.append({text, caption, buttons, icon});
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

  // The print dialog: prints into `print_to_pdf` as a PDF file when that is set, otherwise
  // cancels.
  bool PrintSetup(QWidget* /*parent*/, QPrinter& printer) override {
    ++print_dialogs;
    if (print_to_pdf.isEmpty()) return false;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(print_to_pdf);
    return true;
  }
  // The preview paints into `print_to_pdf` as the preview dialog paints its pages.
  void PrintPreview(QWidget* /*parent*/, QPrinter& printer,
                    const std::function<void(QPrinter&)>& paint) override {
    ++previews;
    if (print_to_pdf.isEmpty()) return;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(print_to_pdf);
    paint(printer);
  }

  QList<MessageCall> messages;
  QList<ui::SaveDialogRequest> save_requests;
  QList<QMessageBox::StandardButton> answers;
  QStringList save_answers;  // an empty text cancels the dialog
  QList<ui::OpenDialogRequest> open_requests;
  QStringList open_answers;  // an empty text cancels the dialog
  QString print_to_pdf;
  int print_dialogs = 0;
  int previews = 0;
};

// Writes a fuel file: `name` (UTF-8) and fifty values with `values_front` first and
// `type` as value 15.
inline std::filesystem::path WriteFuel(const std::filesystem::path& path, const std::string& name,
                                       float type, std::initializer_list<float> values_front = {}) {
  std::array<float, fuel::kRecordSize> values{};
  std::size_t i = 0;
  for (float value : values_front) values[i++] = value;
  values[fuel::kTypeRow] = type;
  std::filesystem::create_directories(path.parent_path());
  fuel::WriteFuelFile(path, fuel::Utf8ToCp1251(name), values);
  return path;
}

inline std::string ReadBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

// Key presses as the keyboard sends them: each to the widget that has the focus then (the
// grid for the first key, the cell editor it opens for the rest), or to `start` when no
// widget has the focus.
inline void TypeKeys(QWidget& start, const QString& text) {
  for (const QChar ch : text) {
    QWidget* focus = QApplication::focusWidget();
    QTest::keyClick(focus != nullptr ? focus : &start, ch.toLatin1() != 0 ? ch.toLatin1() : '?');
  }
}

// Characters typed into `widget` as a keyboard layout sends them, one key event with its
// text each (a character outside the Basic Multilingual Plane is one key too).
inline void TypeText(QWidget& widget, const QString& text) {
  for (qsizetype i = 0; i < text.size();) {
    const qsizetype length = text[i].isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
    const QString character = text.mid(i, length);
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, character);
    QApplication::sendEvent(&widget, &press);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, character);
    QApplication::sendEvent(&widget, &release);
    i += length;
  }
}

inline void PressKey(QWidget& start, Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
  QWidget* focus = QApplication::focusWidget();
  QTest::keyClick(focus != nullptr ? focus : &start, key, modifiers);
}

// Selects (col, row) and types `text` over it, as the user does, then confirms with
// `commit` (Enter, Tab, an arrow key). The grid's window must be active. Returns whether
// an editor opened and was closed again (Tab opens the next cell's editor).
inline bool TypeIntoCell(ui::TXLGrid& grid, int col, int row, const QString& text,
                         Qt::Key commit = Qt::Key_Return) {
  const QModelIndex index = grid.model()->index(row, col);
  grid.setFocus();
  grid.setCurrentIndex(index);
  TypeKeys(*grid.viewport(), text);
  if (!grid.IsEditing()) return false;
  PressKey(*grid.viewport(), commit);
  // The editor is committed and closed from the event queue.
  return QTest::qWaitFor([&] { return grid.indexWidget(index) == nullptr; }, 1000);
}

}  // namespace test
