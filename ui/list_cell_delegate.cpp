// ListCellDelegate: a combo box over the items of a list cell.
#include "ui/list_cell_delegate.h"

#include <QApplication>
#include <QComboBox>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionComboBox>

#include "ui/sheet_model.h"

namespace ui {

bool ListCellDelegate::IsInputList(const QModelIndex& index) {
  return (index.flags() & Qt::ItemIsEditable) &&
         !index.data(SheetModel::kItemsRole).toStringList().isEmpty();
}

void ListCellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                             const QModelIndex& index) const {
  if (!IsInputList(index)) {
    QStyledItemDelegate::paint(painter, option, index);
    return;
  }
  QStyleOptionViewItem cell = option;
  initStyleOption(&cell, index);
  QStyle* style = option.widget != nullptr ? option.widget->style() : QApplication::style();
  style->drawPrimitive(QStyle::PE_PanelItemViewItem, &cell, painter, option.widget);
  QStyleOptionComboBox box;
  box.QStyleOption::operator=(option);
  box.rect = option.rect.adjusted(1, 1, -1, -1);
  box.state = (option.state & ~QStyle::State_Selected) | QStyle::State_Enabled;
  box.currentText = cell.text.trimmed();
  box.frame = true;
  box.editable = false;
  style->drawComplexControl(QStyle::CC_ComboBox, &box, painter, option.widget);
  style->drawControl(QStyle::CE_ComboBoxLabel, &box, painter, option.widget);
}

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
