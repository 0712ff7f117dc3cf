// SheetModelPool: one model per sheet.
#include "ui/sheet_model_pool.h"

namespace ui {

SheetModelPool::~SheetModelPool() = default;

SheetModel* SheetModelPool::ModelFor(sheets::Sheet& sheet) {
  std::unique_ptr<SheetModel>& model = models_[&sheet];
  if (model == nullptr) {
    model = std::make_unique<SheetModel>(sheet);
    connect(model.get(), &SheetModel::CellEdited, this,
            [this, &sheet] { emit CellEdited(&sheet); });
    connect(model.get(), &SheetModel::CellRefused, this, &SheetModelPool::CellRefused);
  }
  return model.get();
}

}  // namespace ui
