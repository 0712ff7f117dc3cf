// SheetModel: cells to item data and back.
#include "ui/sheet_model.h"

#include <QBrush>
#include <QColor>
#include <QStringList>

namespace ui {

namespace {

// A font colour value of the sheet is a blue-green-red number: 255 is red.
QColor ColorOf(int value) {
  return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

}  // namespace

SheetModel::SheetModel(sheets::Sheet& sheet, QObject* parent)
    : QAbstractTableModel(parent), sheet_(sheet) {
  listener_ = sheet_.AddListener([this](int col, int row) { OnSheetChanged(col, row); });
}

SheetModel::~SheetModel() { sheet_.RemoveListener(listener_); }

int SheetModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : sheet_.RowCount();
}

int SheetModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : sheet_.ColCount();
}

QVariant SheetModel::data(const QModelIndex& index, int role) const {
  if (!checkIndex(index, CheckIndexOption::IndexIsValid)) return {};
  const int col = index.column();
  const int row = index.row();
  const sheets::Cell& cell = sheet_.At(col, row);
  switch (role) {
    case Qt::DisplayRole:
      return QString::fromStdString(sheet_.Text(col, row));
    case Qt::EditRole:
      if (cell.IsList()) {
        const auto* selected = std::get_if<std::int64_t>(&cell.value);
        return selected ? static_cast<int>(*selected) : -1;
      }
      return QString::fromStdString(sheet_.Text(col, row));
    case Qt::ToolTipRole:
      if (cell.hint.empty()) return {};
      return QString::fromStdString(cell.hint);
    case Qt::ForegroundRole:
      if (cell.font_color == sheets::kBlack) return {};
      return QBrush(ColorOf(cell.font_color));
    case Qt::TextAlignmentRole:
      if (InMergedArea(col, row)) return QVariant::fromValue(Qt::Alignment(Qt::AlignCenter));
      return {};
    case kItemsRole: {
      QStringList items;
      for (const std::string& item : cell.items) items << QString::fromStdString(item);
      return items;
    }
    default:
      return {};
  }
}

bool SheetModel::setData(const QModelIndex& index, const QVariant& value, int role) {
  if (role != Qt::EditRole || !checkIndex(index, CheckIndexOption::IndexIsValid)) return false;
  const int col = index.column();
  const int row = index.row();
  if (sheet_.At(col, row).IsList()) {
    bool ok = false;
    const int selected = value.toInt(&ok);
    if (!ok || selected < 0 || selected >= static_cast<int>(sheet_.At(col, row).items.size())) {
      return false;
    }
    sheet_.SetInteger(col, row, selected);
  } else {
    sheet_.SetText(col, row, value.toString().toStdString());
  }
  emit CellEdited(col, row);
  return true;
}

Qt::ItemFlags SheetModel::flags(const QModelIndex& index) const {
  if (!index.isValid()) return Qt::NoItemFlags;
  return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable | Qt::ItemNeverHasChildren;
}

void SheetModel::OnSheetChanged(int col, int row) {
  if (col < 0 || row < 0) {
    emit dataChanged(index(0, 0), index(sheet_.RowCount() - 1, sheet_.ColCount() - 1));
    emit SheetLayoutChanged();
    return;
  }
  const QModelIndex changed = index(row, col);
  emit dataChanged(changed, changed);
}

bool SheetModel::InMergedArea(int col, int row) const {
  for (const sheets::MergedArea& area : sheet_.MergedAreas()) {
    if (col >= area.col && col < area.col + area.col_count && row >= area.row &&
        row < area.row + area.row_count) {
      return true;
    }
  }
  return false;
}

}  // namespace ui
