// The cell editor of the grids: a drop-down list for a list cell, a line edit otherwise.
// An input list cell is drawn as a drop-down box, so that it is seen to offer a choice.
#pragma once

#include <QStyledItemDelegate>

namespace ui {

class ListCellDelegate : public QStyledItemDelegate {
  Q_OBJECT

 public:
  using QStyledItemDelegate::QStyledItemDelegate;

  // Whether `index` is a list cell the user may choose in.
  static bool IsInputList(const QModelIndex& index);

  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override;
  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                        const QModelIndex& index) const override;
  void setEditorData(QWidget* editor, const QModelIndex& index) const override;
  void setModelData(QWidget* editor, QAbstractItemModel* model,
                    const QModelIndex& index) const override;
};

}  // namespace ui
