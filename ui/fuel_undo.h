// Undo and redo of the fuel's input: a step holds what the user had set before and after
// one action (the name, the type, the switches and the cells of the input sheets), and
// undoing it puts the earlier input back for the window to recompute.
#pragma once

#include <QUndoCommand>
#include <functional>
#include <string>
#include <vector>

#include "calc/fuel_document.h"

namespace ui {

// What the user sets of one fuel. The cells are every cell of the sheets that hold input
// (results included, which the recalculation writes again anyway), in a fixed order.
struct FuelInputs {
  std::string name;
  int type = 0;
  bool gas_sheets = false;
  bool check_box1 = false;
  bool check_box2 = false;
  bool norms_1973 = false;
  std::vector<sheets::CellValue> cells;

  bool operator==(const FuelInputs& other) const = default;
};

FuelInputs TakeFuelInputs(const calc::FuelDocument& doc);
// Writes `inputs` back into `doc` and marks its input cells again; computes nothing.
void RestoreFuelInputs(calc::FuelDocument& doc, const FuelInputs& inputs);

// One undo step. Redo after the first push and undo call `apply` with the input after
// or before the step; the window recomputes the document from it.
class FuelEditCommand : public QUndoCommand {
 public:
  // Steps of one kind and one `session` (the typing of one name) merge into one.
  enum Kind { kOther = -1, kName = 1 };

  FuelEditCommand(const QString& text, FuelInputs before, FuelInputs after,
                  std::function<void(const FuelInputs&)> apply, Kind kind = kOther,
                  int session = 0);

  void undo() override;
  void redo() override;
  int id() const override { return kind_; }
  bool mergeWith(const QUndoCommand* other) override;

 private:
  FuelInputs before_;
  FuelInputs after_;
  std::function<void(const FuelInputs&)> apply_;
  Kind kind_;
  int session_;
  bool pushed_ = false;
};

}  // namespace ui
