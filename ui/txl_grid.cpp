// TXLGrid: the table view, its events and the sheet layout on screen.
#include "ui/txl_grid.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QScrollBar>
#include <QStringList>
#include <QStyle>
#include <QTimer>
#include <algorithm>

#include "ui/list_cell_delegate.h"
#include "ui/sheet_model.h"

namespace ui {

namespace {
constexpr int kCellPadding = 10;  // room left and right of a cell's text
}

TXLGrid::TXLGrid(QWidget* parent) : QTableView(parent) {
  setItemDelegate(new ListCellDelegate(this));
  horizontalHeader()->hide();
  verticalHeader()->hide();
  verticalHeader()->setMinimumSectionSize(fontMetrics().height() + 2);
  verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
  setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                  QAbstractItemView::AnyKeyPressed);
  setSelectionMode(QAbstractItemView::ContiguousSelection);
  setWordWrap(true);
  setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
  focus_connection_ = connect(qApp, &QApplication::focusChanged, this, &TXLGrid::OnFocusChanged);
}

TXLGrid::TXLGrid(SheetModel* model, QWidget* parent) : TXLGrid(parent) { SetSheetModel(model); }

// The focus leaves a grid that is being destroyed; that is no exit to report.
TXLGrid::~TXLGrid() { disconnect(focus_connection_); }

void TXLGrid::SetSheetModel(SheetModel* model) {
  for (const QMetaObject::Connection& connection : model_connections_) disconnect(connection);
  model_connections_.clear();
  model_ = model;
  setModel(model);
  if (model != nullptr) {
    model_connections_ << connect(model, &SheetModel::SheetLayoutChanged, this,
                                  &TXLGrid::ApplySheetLayout);
    model_connections_ << connect(model, &SheetModel::dataChanged, this, &TXLGrid::OnDataChanged);
  }
  ApplySheetLayout();
}

QSize TXLGrid::sizeHint() const {
  if (model_ == nullptr) return QTableView::sizeHint();
  const QMargins margins = contentsMargins();
  int width = margins.left() + margins.right();
  for (int col = 0; col < model_->columnCount(); ++col) width += columnWidth(col);
  int height = margins.top() + margins.bottom();
  for (int row = 0; row < model_->rowCount(); ++row) height += rowHeight(row);
  if (horizontalScrollBarPolicy() == Qt::ScrollBarAlwaysOn) {
    height += horizontalScrollBar()->sizeHint().height();
  }
  if (verticalScrollBarPolicy() == Qt::ScrollBarAlwaysOn) {
    width += verticalScrollBar()->sizeHint().width();
  }
  return {width, height};
}

QSize TXLGrid::minimumSizeHint() const {
  const QSize full = sizeHint();
  return {std::min(full.width(), 120), std::min(full.height(), 60)};
}

bool TXLGrid::edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) {
  const bool was_editing = state() == QAbstractItemView::EditingState;
  const bool result = QTableView::edit(index, trigger, event);
  if (!was_editing && state() == QAbstractItemView::EditingState) {
    if (trigger == EditKeyPressed || trigger == DoubleClicked) {
      if (auto* line = qobject_cast<QLineEdit*>(indexWidget(index))) {
        line->deselect();
        line->end(false);
      }
      // A list cell opens with its items in sight, once the click is over.
      if (auto* combo = qobject_cast<QComboBox*>(indexWidget(index))) {
        QTimer::singleShot(0, combo, &QComboBox::showPopup);
      }
    }
    emit EditModeChanged();
  }
  return result;
}

void TXLGrid::mousePressEvent(QMouseEvent* event) {
  QTableView::mousePressEvent(event);
  // One click opens a list cell's drop-down, as it does a drop-down box.
  const QModelIndex index = indexAt(event->position().toPoint());
  if (event->button() == Qt::LeftButton && event->modifiers() == Qt::NoModifier && !IsEditing() &&
      ListCellDelegate::IsInputList(index) && index == currentIndex()) {
    edit(index, DoubleClicked, event);
  }
}

void TXLGrid::dataChanged(const QModelIndex& top_left, const QModelIndex& bottom_right,
                          const QList<int>& /*roles*/) {
  // Not QAbstractItemView's: it writes a changed cell into an open editor, throwing away
  // what the user is typing, and repaints the whole grid for a change of several cells.
  // The cells of a change form a rectangle: its corner cells' union covers it.
  if (!isVisible()) return;  // a grid being shown paints everything anyway
  viewport()->update(visualRect(top_left).united(visualRect(bottom_right)));
}

QModelIndex TXLGrid::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) {
  if ((action != MoveNext && action != MovePrevious) || model_ == nullptr) {
    return QTableView::moveCursor(action, modifiers);
  }
  const int cols = model_->columnCount();
  const int cells = cols * model_->rowCount();
  const QModelIndex current = currentIndex();
  const int start = current.isValid() ? current.row() * cols + current.column() : -1;
  const int step = action == MoveNext ? 1 : -1;
  for (int i = 1; i <= cells; ++i) {
    const int cell = ((start + step * i) % cells + cells) % cells;
    const QModelIndex candidate = model_->index(cell / cols, cell % cols);
    if ((model_->flags(candidate) & Qt::ItemIsEditable) && !isIndexHidden(candidate)) {
      return candidate;
    }
  }
  return current;
}

QModelIndex TXLGrid::InputCellBelow(const QModelIndex& index) const {
  if (model_ == nullptr || !index.isValid()) return index;
  for (int row = index.row() + rowSpan(index.row(), index.column()); row < model_->rowCount();
       ++row) {
    const QModelIndex candidate = model_->index(row, index.column());
    if ((model_->flags(candidate) & Qt::ItemIsEditable) && !isIndexHidden(candidate)) {
      return candidate;
    }
  }
  return index;
}

void TXLGrid::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) {
  const bool was_editing = state() == QAbstractItemView::EditingState;
  QTableView::closeEditor(editor, hint);
  if (!was_editing || state() == QAbstractItemView::EditingState) return;
  // The delegate closes an editor confirmed with Enter with this hint.
  if (hint == QAbstractItemDelegate::SubmitModelCache && hasFocus()) {
    setCurrentIndex(InputCellBelow(currentIndex()));
  }
  QWidget* focus = QApplication::focusWidget();
  if (focus != nullptr && !Contains(focus) && focus->window() == window()) {
    exit_reported_for_ = focus;
    emit Exit();
  }
  emit EditModeChanged();
}

void TXLGrid::keyPressEvent(QKeyEvent* event) {
  if (event->matches(QKeySequence::Copy)) {
    CopySelection();
    event->accept();
    return;
  }
  if (event->matches(QKeySequence::Paste)) {
    Paste();
    event->accept();
    return;
  }
  if (event->key() == Qt::Key_Delete && event->modifiers() == Qt::NoModifier && !IsEditing()) {
    ClearSelection();
    event->accept();
    return;
  }
  const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
  if (enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier && !IsEditing()) {
    setCurrentIndex(InputCellBelow(currentIndex()));
    event->accept();
    return;
  }
  QTableView::keyPressEvent(event);
}

QString TXLGrid::SelectionText() const {
  if (model_ == nullptr) return {};
  QModelIndexList indexes = selectionModel()->selectedIndexes();
  if (indexes.isEmpty() && currentIndex().isValid()) indexes << currentIndex();
  if (indexes.isEmpty()) return {};
  int top = indexes.first().row();
  int bottom = top;
  int left = indexes.first().column();
  int right = left;
  for (const QModelIndex& index : indexes) {
    top = std::min(top, index.row());
    bottom = std::max(bottom, index.row() + rowSpan(index.row(), index.column()) - 1);
    left = std::min(left, index.column());
    right = std::max(right, index.column() + columnSpan(index.row(), index.column()) - 1);
  }
  QStringList lines;
  for (int row = top; row <= bottom; ++row) {
    QStringList fields;
    for (int col = left; col <= right; ++col) {
      QString text = model_->index(row, col).data(Qt::DisplayRole).toString().trimmed();
      // A tab or a line break inside a text would split it into two cells.
      text.replace(QLatin1Char('\t'), QLatin1Char(' '))
          .replace(QLatin1Char('\n'), QLatin1Char(' '));
      fields << text;
    }
    lines << fields.join(QLatin1Char('\t'));
  }
  return lines.join(QLatin1Char('\n'));
}

void TXLGrid::CopySelection() {
  const QString text = SelectionText();
  if (!text.isEmpty()) QApplication::clipboard()->setText(text);
}

int TXLGrid::Paste() {
  const QModelIndex start = currentIndex();
  if (model_ == nullptr || !start.isValid()) return 0;
  QString text = QApplication::clipboard()->text();
  text.remove(QLatin1Char('\r'));
  if (text.endsWith(QLatin1Char('\n'))) text.chop(1);
  if (text.isEmpty()) return 0;
  const QStringList lines = text.split(QLatin1Char('\n'));
  int pasted = 0;
  for (int i = 0; i < lines.size(); ++i) {
    const QStringList fields = lines[i].split(QLatin1Char('\t'));
    for (int j = 0; j < fields.size(); ++j) {
      const QModelIndex target = model_->index(start.row() + i, start.column() + j);
      const QString field = fields[j].trimmed();
      if (!target.isValid() || field.isEmpty() || isIndexHidden(target) ||
          !(model_->flags(target) & Qt::ItemIsEditable)) {
        continue;
      }
      // A list cell takes the item of that text.
      const QStringList items = target.data(SheetModel::kItemsRole).toStringList();
      QVariant value = field;
      if (!items.isEmpty()) {
        const auto found = std::find_if(items.begin(), items.end(), [&](const QString& item) {
          return item.trimmed().compare(field, Qt::CaseInsensitive) == 0;
        });
        if (found == items.end()) continue;
        value = static_cast<int>(found - items.begin());
      }
      if (model_->setData(target, value)) ++pasted;
    }
  }
  // A paste is one edit: the cycle runs once for all of it.
  if (pasted > 0) emit EditModeChanged();
  return pasted;
}

int TXLGrid::ClearSelection() {
  if (model_ == nullptr || selectionModel() == nullptr) return 0;
  QModelIndexList indexes = selectionModel()->selectedIndexes();
  if (indexes.isEmpty() && currentIndex().isValid()) indexes << currentIndex();
  int cleared = 0;
  for (const QModelIndex& index : indexes) {
    // A list cell always holds one of its items.
    if (!(model_->flags(index) & Qt::ItemIsEditable) ||
        !index.data(SheetModel::kItemsRole).toStringList().isEmpty() ||
        index.data(Qt::EditRole).toString().isEmpty()) {
      continue;
    }
    if (model_->setData(index, QString())) ++cleared;
  }
  // One edit, as a paste is.
  if (cleared > 0) emit EditModeChanged();
  return cleared;
}

bool TXLGrid::viewportEvent(QEvent* event) {
  if (event->type() == QEvent::ToolTip && !show_hints_) return true;
  return QTableView::viewportEvent(event);
}

// QAbstractItemView repaints the whole grid when the focus comes or goes, which happens
// at every edit as the cell editor closes; only the selected and current cells look
// different with or without the focus.
void TXLGrid::focusInEvent(QFocusEvent* /*event*/) { UpdateSelectedCells(); }

void TXLGrid::focusOutEvent(QFocusEvent* /*event*/) { UpdateSelectedCells(); }

void TXLGrid::UpdateSelectedCells() {
  if (currentIndex().isValid()) {
    setAttribute(Qt::WA_InputMethodEnabled, bool(currentIndex().flags() & Qt::ItemIsEditable));
    update(currentIndex());
  }
  if (selectionModel() == nullptr) return;
  for (const QModelIndex& index : selectionModel()->selectedIndexes()) update(index);
}

void TXLGrid::showEvent(QShowEvent* event) {
  if (widen_when_shown_ && model_ != nullptr) {
    widen_when_shown_ = false;
    for (int row = 0; row < model_->rowCount(); ++row) {
      for (int col = 0; col < model_->columnCount(); ++col) WidenForCell(col, row);
    }
  }
  QTableView::showEvent(event);
}

void TXLGrid::ApplySheetLayout() {
  clearSpans();
  if (model_ == nullptr) return;
  const sheets::Sheet& sheet = model_->Sheet();
  for (const sheets::MergedArea& area : sheet.MergedAreas()) {
    setSpan(area.row, area.col, area.row_count, area.col_count);
  }
  for (int col = 0; col < sheet.ColCount(); ++col) setColumnWidth(col, sheet.ColumnWidth(col));
  for (int row = 0; row < sheet.RowCount(); ++row) {
    for (int col = 0; col < sheet.ColCount(); ++col) WidenForCell(col, row);
  }
  updateGeometry();
}

// A column is at least as wide as the texts of its single cells, so that no number or
// label is cut off; a merged area's text wraps inside its area instead.
void TXLGrid::WidenForCell(int col, int row) {
  if (columnSpan(row, col) > 1 || rowSpan(row, col) > 1) return;
  const QString text = model_->index(row, col).data(Qt::DisplayRole).toString();
  if (text.isEmpty()) return;
  int needed = fontMetrics().horizontalAdvance(text) + kCellPadding;
  // A drop-down's arrow takes room beside its text.
  if (ListCellDelegate::IsInputList(model_->index(row, col))) {
    needed += style()->pixelMetric(QStyle::PM_ScrollBarExtent) + kCellPadding;
  }
  if (needed > columnWidth(col)) {
    setColumnWidth(col, needed);
    updateGeometry();
  }
}

void TXLGrid::OnDataChanged(const QModelIndex& top_left, const QModelIndex& bottom_right) {
  // Measuring texts is costly: a hidden grid measures them all when it is shown.
  if (!isVisible()) {
    widen_when_shown_ = true;
    return;
  }
  for (int row = top_left.row(); row <= bottom_right.row(); ++row) {
    for (int col = top_left.column(); col <= bottom_right.column(); ++col) WidenForCell(col, row);
  }
}

void TXLGrid::OnFocusChanged(QWidget* old, QWidget* now) {
  if (old == nullptr || now == nullptr || !Contains(old) || Contains(now)) return;
  const bool reported = now == exit_reported_for_;
  exit_reported_for_ = nullptr;
  if (reported || now->window() != window()) return;
  emit Exit();
}

bool TXLGrid::Contains(const QWidget* widget) const {
  return widget == this || isAncestorOf(widget);
}

}  // namespace ui
