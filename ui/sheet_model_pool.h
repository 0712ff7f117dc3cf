// The models of one document's sheets: one SheetModel per sheet, shared by every grid
// that shows the sheet, so two grids over one sheet always show the same cells.
#pragma once

#include <QObject>
#include <map>
#include <memory>

#include "sheets/sheet.h"
#include "ui/sheet_model.h"

namespace ui {

class SheetModelPool : public QObject {
  Q_OBJECT

 public:
  using QObject::QObject;
  ~SheetModelPool() override;

  // The model of `sheet`, created on first use; `sheet` must outlive the pool.
  SheetModel* ModelFor(sheets::Sheet& sheet);

 signals:
  // A view stored an edit into a cell of `sheet`, one of the pool's sheets.
  void CellEdited(const sheets::Sheet* sheet);
  // A view's edit was refused; `text` says why.
  void CellRefused(const QString& text);

 private:
  std::map<const sheets::Sheet*, std::unique_ptr<SheetModel>> models_;
};

}  // namespace ui
