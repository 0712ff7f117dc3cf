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
      return QString::fromStdString(sheet_.DisplayText(col, row));
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
      return AlignmentOf(col, row);
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
  // The origin of a merged area shows the texts of the cells it covers.
  const sheets::MergedArea* area = sheet_.AreaAt(col, row);
  if (area != nullptr && (area->col != col || area->row != row)) {
    const QModelIndex origin = index(area->row, area->col);
    emit dataChanged(origin, origin);
  }
}

// A heading written for its merged area is centred in it; a heading that the layout
// pieced together from several cells reads on from the left, as its pieces did.
QVariant SheetModel::AlignmentOf(int col, int row) const {
  const sheets::MergedArea* area = sheet_.AreaAt(col, row);
  if (area == nullptr) return {};
  int pieces = 0;
  for (int c = area->col; c < area->col + area->col_count; ++c) {
    if (!sheet_.Text(c, area->row).empty()) ++pieces;
  }
  if (pieces > 1) return QVariant::fromValue(Qt::Alignment(Qt::AlignLeft | Qt::AlignVCenter));
  return QVariant::fromValue(Qt::Alignment(Qt::AlignCenter));
}

}  // namespace ui
