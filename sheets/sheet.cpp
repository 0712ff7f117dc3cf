// A grid sheet: cell storage, the text and number views of a cell, and notification.
#include "sheets/sheet.h"

#include <algorithm>
#include <stdexcept>
#include <string>
#include <utility>

#include "sheets/errors.h"
#include "sheets/numbers.h"

namespace sheets {

namespace {
constexpr int kDefaultColumnWidth = 64;
}

Sheet::Sheet(int col_count, int row_count, char decimal_separator)
    : col_count_(col_count),
      row_count_(row_count),
      decimal_separator_(decimal_separator),
      cells_(static_cast<std::size_t>(col_count) * static_cast<std::size_t>(row_count)),
      parsed_(cells_.size()),
      column_widths_(static_cast<std::size_t>(col_count), kDefaultColumnWidth) {
  if (col_count <= 0 || row_count <= 0) throw std::invalid_argument("empty sheet");
}

void Sheet::SetDecimalSeparator(char separator) {
  if (separator == decimal_separator_) return;
  decimal_separator_ = separator;
  std::fill(parsed_.begin(), parsed_.end(), ParsedText{});
  NotifyLayout();
}

std::size_t Sheet::IndexOf(int col, int row) const {
  if (col < 0 || col >= col_count_ || row < 0 || row >= row_count_) {
    throw std::out_of_range("cell (" + std::to_string(col) + ", " + std::to_string(row) +
                            ") is outside the sheet");
  }
  return static_cast<std::size_t>(row) * static_cast<std::size_t>(col_count_) +
         static_cast<std::size_t>(col);
}

const Cell& Sheet::At(int col, int row) const { return cells_[IndexOf(col, row)]; }

Cell& Sheet::MutableAt(int col, int row) {
  return const_cast<Cell&>(std::as_const(*this).At(col, row));
}

std::string Sheet::Text(int col, int row) const {
  const Cell& cell = At(col, row);
  if (cell.IsList()) {
    if (const auto* index = std::get_if<std::int64_t>(&cell.value)) {
      if (*index >= 0 && *index < static_cast<std::int64_t>(cell.items.size())) {
        return cell.items[static_cast<std::size_t>(*index)];
      }
      return {};
    }
  }
  struct Visitor {
    char separator;
    std::string operator()(std::monostate) const { return {}; }
    std::string operator()(const std::string& text) const { return text; }
    std::string operator()(std::int64_t value) const { return std::to_string(value); }
    std::string operator()(float value) const { return FormatSingle(value, separator); }
    std::string operator()(double value) const { return FormatGeneral(value, separator); }
  };
  return std::visit(Visitor{decimal_separator_}, cell.value);
}

std::optional<long double> Sheet::ParsedNumber(int col, int row) const {
  ParsedText& parsed = parsed_[IndexOf(col, row)];
  if (parsed.state == ParsedText::State::kUnknown) {
    const std::optional<long double> value = ParseFloat(Text(col, row), decimal_separator_);
    parsed.state = value ? ParsedText::State::kNumber : ParsedText::State::kNotANumber;
    parsed.value = value.value_or(0);
  }
  if (parsed.state == ParsedText::State::kNotANumber) return std::nullopt;
  return parsed.value;
}

float Sheet::Number(int col, int row) const {
  const std::optional<long double> value = ParsedNumber(col, row);
  if (!value) {
    throw ConvertError(NotAFloatMessage(Text(col, row)), "Sheet::Number, " + CellName(col, row));
  }
  try {
    return ToSingle(*value);
  } catch (Error& error) {
    error.Within("Sheet::Number, " + CellName(col, row));
    throw;
  }
}

bool Sheet::IsNumber(int col, int row) const { return ParsedNumber(col, row).has_value(); }

std::string Sheet::DisplayText(int col, int row) const {
  const MergedArea* area = AreaAt(col, row);
  if (area == nullptr) return Text(col, row);
  if (col != area->col || row != area->row) return {};
  std::string shown;
  for (int c = area->col; c < area->col + area->col_count; ++c) {
    const std::string text = Text(c, row);
    if (text.empty()) continue;
    if (!shown.empty()) shown += area->separator;
    shown += text;
  }
  return shown;
}

const MergedArea* Sheet::AreaAt(int col, int row) const {
  for (const MergedArea& area : merged_) {
    if (col >= area.col && col < area.col + area.col_count && row >= area.row &&
        row < area.row + area.row_count) {
      return &area;
    }
  }
  return nullptr;
}

std::int64_t Sheet::Integer(int col, int row) const {
  const Cell& cell = At(col, row);
  if (const auto* value = std::get_if<std::int64_t>(&cell.value)) return *value;
  const std::string text = Text(col, row);
  if (auto value = ParseInteger(text)) return *value;
  throw ConvertError("'" + text + "' is not a valid integer value",
                     "Sheet::Integer, " + CellName(col, row));
}

void Sheet::SetValue(int col, int row, CellValue value) {
  Cell& cell = MutableAt(col, row);
  if (cell.value == value) return;
  // Another kind of value may read the same ("1" typed, the number 1 stored): no change
  // to tell. Values of one kind that differ always read differently enough to tell.
  const bool same_kind = cell.value.index() == value.index();
  const std::string before = same_kind ? std::string() : Text(col, row);
  Written(col, row);
  cell.value = std::move(value);
  if (same_kind || Text(col, row) != before) Notify(col, row);
}

void Sheet::SetFontColor(int col, int row, int color) {
  Cell& cell = MutableAt(col, row);
  if (cell.font_color == color) return;
  cell.font_color = color;
  Notify(col, row);
}

void Sheet::SetHint(int col, int row, std::string hint) {
  Cell& cell = MutableAt(col, row);
  if (cell.hint == hint) return;
  cell.hint = std::move(hint);
  Notify(col, row);
}

void Sheet::SetItems(int col, int row, std::vector<std::string> items, int selected) {
  Cell& cell = MutableAt(col, row);
  const CellValue value = std::int64_t{selected};
  if (cell.items == items && cell.value == value) return;
  Written(col, row);
  cell.items = std::move(items);
  cell.value = value;
  Notify(col, row);
}

void Sheet::SetInput(int col, int row, bool input) {
  Cell& cell = MutableAt(col, row);
  if (cell.input == input) return;
  cell.input = input;
  Notify(col, row);
}

void Sheet::Merge(MergedArea area) {
  At(area.col, area.row);
  At(area.col + area.col_count - 1, area.row + area.row_count - 1);
  merged_.push_back(area);
  NotifyLayout();
}

void Sheet::SetColumnWidth(int col, int width) {
  At(col, 0);
  int& current = column_widths_[static_cast<std::size_t>(col)];
  if (current == width) return;
  current = width;
  NotifyLayout();
}

int Sheet::ColumnWidth(int col) const {
  At(col, 0);
  return column_widths_[static_cast<std::size_t>(col)];
}

int Sheet::AddListener(Listener listener) {
  listeners_.emplace_back(next_listener_, std::move(listener));
  return next_listener_++;
}

void Sheet::RemoveListener(int handle) {
  std::erase_if(listeners_, [handle](const auto& entry) { return entry.first == handle; });
}

void Sheet::Written(int col, int row) { parsed_[IndexOf(col, row)] = ParsedText{}; }

void Sheet::Notify(int col, int row) {
  Tell({.first_col = col, .first_row = row, .last_col = col, .last_row = row});
}

void Sheet::NotifyLayout() {
  Tell({.first_col = 0,
        .first_row = 0,
        .last_col = col_count_ - 1,
        .last_row = row_count_ - 1,
        .layout = true});
}

void Sheet::Tell(const SheetChange& change) {
  if (hold_depth_ > 0) {
    if (!pending_) {
      pending_change_ = change;
      pending_ = true;
      return;
    }
    SheetChange& all = pending_change_;
    all.first_col = std::min(all.first_col, change.first_col);
    all.first_row = std::min(all.first_row, change.first_row);
    all.last_col = std::max(all.last_col, change.last_col);
    all.last_row = std::max(all.last_row, change.last_row);
    all.layout = all.layout || change.layout;
    return;
  }
  for (const auto& [handle, listener] : listeners_) listener(change);
}

void Sheet::HoldNotifications() { ++hold_depth_; }

void Sheet::ReleaseNotifications() {
  if (hold_depth_ == 0 || --hold_depth_ > 0 || !pending_) return;
  pending_ = false;
  Tell(pending_change_);
}

NotificationHold::NotificationHold(std::vector<Sheet*> sheets) : sheets_(std::move(sheets)) {
  for (Sheet* sheet : sheets_) sheet->HoldNotifications();
}

NotificationHold::~NotificationHold() {
  for (Sheet* sheet : sheets_) sheet->ReleaseNotifications();
}

}  // namespace sheets
