// What a routine did with a typed text it could not read as a number: refused it, or
// took a documented fallback instead. The window only shows these lines.
#pragma once

#include <string>
#include <vector>

#include "sheets/sheet.h"

namespace calc {

// The cell, the text found in it and what was done instead of reading it.
struct InputNotice {
  const sheets::Sheet* sheet = nullptr;
  int col = 0;
  int row = 0;
  std::string typed;
  std::string done;  // "значение не изменено", "принят коэффициент избытка воздуха 1", …
};

using InputNotices = std::vector<InputNotice>;

// What a refused record value says: the cell keeps the value it had.
inline constexpr const char* kValueKept = "значение не изменено";

// «typed» — не число, done
std::string NoticeText(const InputNotice& notice);

// Every notice's text, joined with "; "; empty when there are none.
std::string NoticesText(const InputNotices& notices);

}  // namespace calc
