// The grid view of the document window: shows one sheet through its SheetModel, which
// can be replaced while the program runs, and reports the two grid events as signals.
#pragma once

#include <QPointer>
#include <QTableView>

namespace ui {

class SheetModel;

class TXLGrid : public QTableView {
  Q_OBJECT

 public:
  explicit TXLGrid(QWidget* parent = nullptr);
  // A grid showing the sheet of `model` from the start.
  TXLGrid(SheetModel* model, QWidget* parent);
  ~TXLGrid() override;

  // Shows the sheet of `model` (spans of its merged areas, its column widths).
  void SetSheetModel(SheetModel* model);
  SheetModel* Model() const { return model_; }

  // Whether the cells' hints are shown as tooltips.
  void SetShowHints(bool show) { show_hints_ = show; }
  bool ShowHints() const { return show_hints_; }

  // Opens the cell editor of `index`, as a double click does.
  using QTableView::edit;
  // Whether a cell editor is open.
  bool IsEditing() const { return state() == QAbstractItemView::EditingState; }

  // The selected range (or the current cell) as tab-separated lines of the shown texts,
  // numbers with the sheet's decimal separator, as a spreadsheet takes them.
  QString SelectionText() const;
  // Ctrl+C: SelectionText() to the clipboard.
  void CopySelection();
  // Ctrl+V: tab-separated lines of the clipboard into the input cells from the current cell
  // on, cell for cell; other cells, cells outside the sheet and empty fields are skipped.
  // Each number is repaired as a typed one; the edit cycle then runs once
  // (EditModeChanged). Returns how many cells took a value.
  int Paste();
  // Delete: empties the selected input cells (list cells keep their item); the edit cycle
  // then runs once. Returns how many cells were emptied.
  int ClearSelection();

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 signals:
  // A cell editor opened or closed; when it closed, the typed text is already stored.
  void EditModeChanged();
  // The keyboard focus went from this grid (or its cell editor) to another control of
  // the same window. When the focus leaves while a cell is being edited, the typed text
  // is stored first, then Exit comes, then EditModeChanged: a number typed with the other
  // decimal separator is repaired before the edit cycle reads it.
  void Exit();

 protected:
  // Typing over a cell replaces its text; F2 or a double click edits the text with the
  // cursor at its end.
  bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override;
  // A change repaints the cells that changed and leaves an open editor's text alone.
  void dataChanged(const QModelIndex& top_left, const QModelIndex& bottom_right,
                   const QList<int>& roles = QList<int>()) override;
  // Tab and Shift+Tab go to the next and previous input cell.
  QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
  // Enter commits a cell editor and goes to the next input cell down.
  void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;
  // Copy, paste and Delete; Enter outside an editor goes to the next input cell down too.
  void keyPressEvent(QKeyEvent* event) override;
  bool viewportEvent(QEvent* event) override;
  // A click on a list cell opens its drop-down.
  void mousePressEvent(QMouseEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  void ApplySheetLayout();
  void UpdateSelectedCells();
  void WidenForCell(int col, int row);
  void OnDataChanged(const QModelIndex& top_left, const QModelIndex& bottom_right);
  void OnFocusChanged(QWidget* old, QWidget* now);
  bool Contains(const QWidget* widget) const;
  // The next input cell below `index` in its column; `index` when there is none.
  QModelIndex InputCellBelow(const QModelIndex& index) const;

  QPointer<SheetModel> model_;
  QList<QMetaObject::Connection> model_connections_;
  QPointer<QWidget> exit_reported_for_;
  QMetaObject::Connection focus_connection_;  // where the focus went when closeEditor sent Exit
  bool show_hints_ = true;
  bool widen_when_shown_ = false;  // texts changed while hidden, not yet measured
};

}  // namespace ui
