// SheetModel: cells to item data and back.
#include "ui/sheet_model.h"

#include <QBrush>
#include <QColor>
#include <QStringList>
#include <algorithm>

#include "calc/decimal_fix.h"

namespace ui {

namespace {

const QColor kReadOnlyBackground(0xF2, 0xF2, 0xF2);

// A font colour value of the sheet is a blue-green-red number: 255 is red.
QColor ColorOf(int value) {
  return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

}  // namespace

SheetModel::SheetModel(sheets::Sheet& sheet, QObject* parent)
    : QAbstractTableModel(parent), sheet_(sheet) {
  listener_ =
      sheet_.AddListener([this](const sheets::SheetChange& change) { OnSheetChanged(change); });
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
    case Qt::BackgroundRole:
      // Labels, units, headings and results read as the window's text, inputs as fields.
      if (cell.input) return {};
      return QBrush(kReadOnlyBackground);
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
  if (!sheet_.At(col, row).input) return false;
  if (sheet_.At(col, row).IsList()) {
    bool ok = false;
    const int selected = value.toInt(&ok);
    if (!ok || selected < 0 || selected >= static_cast<int>(sheet_.At(col, row).items.size())) {
      return false;
    }
    sheet_.SetInteger(col, row, selected);
  } else if (numbers_only_) {
    if (const auto refused =
            calc::CommitNumberText(sheet_, col, row, value.toString().toStdString())) {
      emit CellRefused(QString::fromStdString(calc::NoticeText(*refused)));
      return false;
    }
  } else {
    sheet_.SetText(col, row, value.toString().toStdString());
    // A number typed with the other decimal separator or with digit-group spaces is
    // repaired as it is committed, before anything reads it.
    calc::FixDecimalSeparator(sheet_, col, row);
  }
  emit CellEdited(col, row);
  return true;
}

Qt::ItemFlags SheetModel::flags(const QModelIndex& index) const {
  if (!checkIndex(index, CheckIndexOption::IndexIsValid)) return Qt::NoItemFlags;
  Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
  if (sheet_.At(index.column(), index.row()).input) flags |= Qt::ItemIsEditable;
  return flags;
}

void SheetModel::OnSheetChanged(const sheets::SheetChange& change) {
  int first_col = change.first_col;
  int first_row = change.first_row;
  // The origin of a merged area shows the texts of the cells it covers.
  for (const sheets::MergedArea& area : sheet_.MergedAreas()) {
    const bool overlaps =
        area.col <= change.last_col && area.col + area.col_count - 1 >= change.first_col &&
        area.row <= change.last_row && area.row + area.row_count - 1 >= change.first_row;
    if (overlaps) {
      first_col = std::min(first_col, area.col);
      first_row = std::min(first_row, area.row);
    }
  }
  emit dataChanged(index(first_row, first_col), index(change.last_row, change.last_col));
  if (change.layout) emit SheetLayoutChanged();
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
