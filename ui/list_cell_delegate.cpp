// ListCellDelegate: a combo box over the items of a list cell.
#include "ui/list_cell_delegate.h"

#include <QComboBox>

#include "ui/sheet_model.h"

namespace ui {

QWidget* ListCellDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                        const QModelIndex& index) const {
  const QStringList items = index.data(SheetModel::kItemsRole).toStringList();
  if (items.isEmpty()) return QStyledItemDelegate::createEditor(parent, option, index);
  auto* combo = new QComboBox(parent);
  combo->addItems(items);
  // A choice ends the edit at once, as a drop-down list cell does.
  connect(combo, &QComboBox::activated, this, [this, combo] {
    auto* self = const_cast<ListCellDelegate*>(this);
    emit self->commitData(combo);
    emit self->closeEditor(combo);
  });
  return combo;
}

void ListCellDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
  if (auto* combo = qobject_cast<QComboBox*>(editor)) {
    combo->setCurrentIndex(index.data(Qt::EditRole).toInt());
    return;
  }
  QStyledItemDelegate::setEditorData(editor, index);
}

void ListCellDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                    const QModelIndex& index) const {
  if (auto* combo = qobject_cast<QComboBox*>(editor)) {
    model->setData(index, combo->currentIndex(), Qt::EditRole);
    return;
  }
  QStyledItemDelegate::setModelData(editor, model, index);
}

}  // namespace ui
