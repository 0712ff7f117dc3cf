// A grid sheet: a fixed table of cells addressed (column, row) from 0 over the whole
// sheet, with merged areas and column widths for display and a change notification.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "sheets/cell.h"

namespace sheets {

// A rectangle of cells shown as one (display only).
struct MergedArea {
  int col = 0;
  int row = 0;
  int col_count = 1;
  int row_count = 1;
  // What is shown between the texts of the cells of the area's first row; empty where the
  // layout cut one word over two cells.
  std::string separator = {};
};

// What changed in a sheet: the rectangle of cells first..last (inclusive), and whether
// the layout (merged areas, column widths, decimal separator) changed too, in which case
// the rectangle is the whole sheet.
struct SheetChange {
  int first_col = 0;
  int first_row = 0;
  int last_col = 0;
  int last_row = 0;
  bool layout = false;

  bool IsSingleCell() const { return first_col == last_col && first_row == last_row; }
};

class Sheet {
 public:
  // Called once per change, or once per held batch of changes.
  using Listener = std::function<void(const SheetChange& change)>;

  Sheet(int col_count, int row_count, char decimal_separator = '.');

  int ColCount() const { return col_count_; }
  int RowCount() const { return row_count_; }
  char DecimalSeparator() const { return decimal_separator_; }
  void SetDecimalSeparator(char separator);

  // The cell at (col, row); throws std::out_of_range outside the sheet.
  const Cell& At(int col, int row) const;

  // The value as text: a text unchanged, a number in the general format with the
  // decimal separator, a list cell's selected item, empty for an empty cell.
  std::string Text(int col, int row) const;
  // Text parsed as a floating-point number (ParseFloat with the sheet's separator),
  // nullopt when it does not parse. The sheet keeps the result until the cell is written
  // or the decimal separator changes, so a cell read again costs no parse (and a sheet is
  // read by one thread at a time).
  std::optional<long double> ParsedNumber(int col, int row) const;
  // ParsedNumber narrowed to single precision; throws ConvertError when it does not parse
  // and MathError when it does not fit a single.
  float Number(int col, int row) const;
  // The value as a whole number: a list cell's index, a whole number, or the text parsed
  // as one; throws ConvertError otherwise.
  std::int64_t Integer(int col, int row) const;
  // Whether Text() parses as a number.
  bool IsNumber(int col, int row) const;
  // What a view shows: the origin of a merged area shows the texts of the cells of the
  // area's first row joined by the area's separator, the other cells of the area show
  // nothing, any other cell its Text().
  std::string DisplayText(int col, int row) const;
  // The merged area that contains (col, row), or nullptr.
  const MergedArea* AreaAt(int col, int row) const;

  // Each setter notifies the listeners only when it changes something shown: a value
  // stored as another kind with the same text is not told.
  void SetValue(int col, int row, CellValue value);
  void SetText(int col, int row, std::string text) { SetValue(col, row, std::move(text)); }
  void SetInteger(int col, int row, std::int64_t value) { SetValue(col, row, value); }
  void SetSingle(int col, int row, float value) { SetValue(col, row, value); }
  void SetDouble(int col, int row, double value) { SetValue(col, row, value); }
  void Clear(int col, int row) { SetValue(col, row, std::monostate{}); }
  void SetFontColor(int col, int row, int color);
  void SetHint(int col, int row, std::string hint);
  // Makes the cell a list cell showing item `selected`.
  void SetItems(int col, int row, std::vector<std::string> items, int selected = 0);
  // Marks the cell as one the user types into (see Cell::input).
  void SetInput(int col, int row, bool input);

  void Merge(MergedArea area);
  const std::vector<MergedArea>& MergedAreas() const { return merged_; }
  void SetColumnWidth(int col, int width);
  int ColumnWidth(int col) const;

  // Registers a listener; returns a handle for RemoveListener.
  int AddListener(Listener listener);
  void RemoveListener(int handle);

  // While held (holds nest), changes are gathered instead of told; the last release
  // tells the listeners once, with one rectangle covering every change made meanwhile.
  void HoldNotifications();
  void ReleaseNotifications();

 private:
  Cell& MutableAt(int col, int row);
  std::size_t IndexOf(int col, int row) const;
  // Forgets the parsed number of the cell (its text is about to change).
  void Written(int col, int row);
  void Notify(int col, int row);
  void NotifyLayout();
  void Tell(const SheetChange& change);

  int col_count_;
  int row_count_;
  char decimal_separator_;
  std::vector<Cell> cells_;  // row-major

  // What ParsedNumber gave for a cell, kept until the cell's text may change.
  struct ParsedText {
    enum class State : unsigned char { kUnknown, kNotANumber, kNumber };
    State state = State::kUnknown;
    long double value = 0;
  };
  mutable std::vector<ParsedText> parsed_;  // parallel to cells_
  std::vector<MergedArea> merged_;
  std::vector<int> column_widths_;
  std::vector<std::pair<int, Listener>> listeners_;
  int next_listener_ = 0;
  int hold_depth_ = 0;
  bool pending_ = false;
  SheetChange pending_change_;
};

// Holds the notifications of a set of sheets for the lifetime of the object, so that one
// user action reaches each touched sheet's views as one change.
class NotificationHold {
 public:
  explicit NotificationHold(std::vector<Sheet*> sheets);
  ~NotificationHold();
  NotificationHold(const NotificationHold&) = delete;
  NotificationHold& operator=(const NotificationHold&) = delete;

 private:
  std::vector<Sheet*> sheets_;
};

}  // namespace sheets
