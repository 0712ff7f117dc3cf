// TForm2's undo steps and modified mark: one step per edit of the fuel's inputs, the
// base the next step starts from, and whether the document differs from its file.
#include <QUndoStack>

#include "calc/cycle.h"
#include "calc/fuel_io.h"
#include "ui/tform2.h"
#include "ui/tform2_run.h"

namespace ui {

void TForm2::RecordUndoStep(const QString& text, FuelEditCommand::Kind kind) {
  if (applying_undo_) return;
  FuelInputs now = TakeFuelInputs(doc_);
  if (now == undo_base_) return;
  undo_stack_->push(new FuelEditCommand(
      text, undo_base_, now, [this](const FuelInputs& inputs) { ApplyFuelInputs(inputs); }, kind,
      name_session_));
  undo_base_ = std::move(now);
}

void TForm2::ApplyFuelInputs(const FuelInputs& inputs) {
  const bool norms_1973 = doc_.RadioButton1;
  applying_undo_ = true;
  RunFuelCycle([&] {
    RestoreFuelInputs(doc_, inputs);
    calc::XLGrid1EditModeChanged(doc_);
  });
  applying_undo_ = false;
  if (doc_.RadioButton1 != norms_1973) ShowNormsPages(doc_.RadioButton1);
  undo_base_ = TakeFuelInputs(doc_);
}

void TForm2::ForgetUndoSteps() {
  undo_stack_->clear();
  undo_base_ = TakeFuelInputs(doc_);
  ++name_session_;
  // The document as it is now is what its file holds (or a new fuel's starting point).
  file_bytes_ = calc::SaveBytes(doc_);
  SetModified(false);
  emit UndoStateChanged();
}

void TForm2::Undo() {
  if (!undo_stack_->canUndo()) return;
  ++name_session_;
  undo_stack_->undo();
}

void TForm2::Redo() {
  if (!undo_stack_->canRedo()) return;
  ++name_session_;
  undo_stack_->redo();
}

bool TForm2::CanUndo() const { return undo_stack_->canUndo(); }

bool TForm2::CanRedo() const { return undo_stack_->canRedo(); }

void TForm2::NameEdited(const QString& text) {
  const std::string name = text.toStdString();
  if (name == doc_.ComboBox1) return;
  doc_.ComboBox1 = name;
  UpdateModified();
  RecordUndoStep(QStringLiteral("имя топлива"), FuelEditCommand::kName);
  ShowCaption();
}

void TForm2::SetModified(bool modified) {
  if (modified_ == modified) return;
  modified_ = modified;
  ShowCaption();
}

void TForm2::UpdateModified() { SetModified(calc::SaveBytes(doc_) != file_bytes_); }

}  // namespace ui
