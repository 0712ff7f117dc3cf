// FuelInputs and the undo step over them.
#include "ui/fuel_undo.h"

#include "calc/cycle.h"

namespace ui {

namespace {

// The sheets the user types into, and the volume units that follow the type.
template <typename Doc>
auto InputSheets(Doc& doc) {
  return std::array{&doc.XLSheet10, &doc.XLSheet1_1, &doc.XLSheet1_2, &doc.XLSheet3, &doc.XLSheet4,
                    &doc.XLSheet5,  &doc.XLSheet13,  &doc.XLSheet15,  &doc.XLSheet2};
}

}  // namespace

FuelInputs TakeFuelInputs(const calc::FuelDocument& doc) {
  FuelInputs inputs{
      .name = doc.ComboBox1,
      .type = doc.ComboBox3,
      .gas_sheets = doc.GasSheetsShown,
      .check_box1 = doc.CheckBox1,
      .check_box2 = doc.CheckBox2,
      .norms_1973 = doc.RadioButton1,
      .cells = {},
  };
  for (const sheets::Sheet* sheet : InputSheets(doc)) {
    for (int row = 0; row < sheet->RowCount(); ++row) {
      for (int col = 0; col < sheet->ColCount(); ++col) {
        inputs.cells.push_back(sheet->At(col, row).value);
      }
    }
  }
  return inputs;
}

void RestoreFuelInputs(calc::FuelDocument& doc, const FuelInputs& inputs) {
  doc.ComboBox1 = inputs.name;
  doc.ComboBox3 = inputs.type;
  doc.GasSheetsShown = inputs.gas_sheets;
  doc.CheckBox1 = inputs.check_box1;
  doc.CheckBox2 = inputs.check_box2;
  doc.RadioButton1 = inputs.norms_1973;
  std::size_t i = 0;
  for (sheets::Sheet* sheet : InputSheets(doc)) {
    for (int row = 0; row < sheet->RowCount(); ++row) {
      for (int col = 0; col < sheet->ColCount(); ++col) {
        if (i < inputs.cells.size()) sheet->SetValue(col, row, inputs.cells[i]);
        ++i;
      }
    }
  }
  calc::MarkInputCells(doc);
}

FuelEditCommand::FuelEditCommand(const QString& text, FuelInputs before, FuelInputs after,
                                 std::function<void(const FuelInputs&)> apply, Kind kind,
                                 int session)
    : QUndoCommand(text),
      before_(std::move(before)),
      after_(std::move(after)),
      apply_(std::move(apply)),
      kind_(kind),
      session_(session) {}

void FuelEditCommand::undo() { apply_(before_); }

void FuelEditCommand::redo() {
  // The first redo is the push of a step the user has just made.
  if (!pushed_) {
    pushed_ = true;
    return;
  }
  apply_(after_);
}

bool FuelEditCommand::mergeWith(const QUndoCommand* other) {
  const auto* next = dynamic_cast<const FuelEditCommand*>(other);
  if (next == nullptr || next->kind_ != kind_ || next->session_ != session_) return false;
  after_ = next->after_;
  return true;
}

}  // namespace ui
