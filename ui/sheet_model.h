// The Qt item model of one grid sheet. It only translates: cell texts, hints, font
// colours and list items out to the views, typed texts and list choices in to the
// sheet's input cells; it keeps no copy of a cell and follows every change of the sheet.
#pragma once

#include <QAbstractTableModel>

#include "sheets/sheet.h"

namespace ui {

class SheetModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  // The item texts of a list cell (QStringList); empty for other cells.
  static constexpr int kItemsRole = Qt::UserRole + 1;

  // The model follows `sheet`, which must outlive it.
  explicit SheetModel(sheets::Sheet& sheet, QObject* parent = nullptr);
  ~SheetModel() override;

  sheets::Sheet& Sheet() const { return sheet_; }

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  // Stores an edited text as the input cell's text, repaired as a typed number; for a
  // list cell the edit value is the index of the chosen item. Other cells refuse edits, and
  // so does a numbers-only sheet a text that is no number (CellRefused).
  bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
  // Whether the sheet's cells are record values themselves (the record view), so a text
  // that is no number is refused as it is typed: there is no other copy to restore it from.
  void SetNumbersOnly(bool numbers_only) { numbers_only_ = numbers_only; }
  Qt::ItemFlags flags(const QModelIndex& index) const override;

 signals:
  // The merged areas, column widths or decimal separator may have changed.
  void SheetLayoutChanged();
  // A view stored an edit into a cell (the user typed or chose something).
  void CellEdited(int col, int row);
  // A typed text was refused; `text` says why, for the user.
  void CellRefused(const QString& text);

 private:
  // One dataChanged per change of the sheet (a held batch is one change).
  void OnSheetChanged(const sheets::SheetChange& change);
  QVariant AlignmentOf(int col, int row) const;

  sheets::Sheet& sheet_;
  int listener_ = -1;
  bool numbers_only_ = false;
};

}  // namespace ui
