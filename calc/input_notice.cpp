// The user's lines for refused and replaced typed texts.
#include "calc/input_notice.h"

namespace calc {

std::string NoticeText(const InputNotice& notice) {
  return "«" + notice.typed + "» — не число, " + notice.done;
}

std::string NoticesText(const InputNotices& notices) {
  std::string text;
  for (const InputNotice& notice : notices) {
    if (!text.empty()) text += "; ";
    text += NoticeText(notice);
  }
  return text;
}

}  // namespace calc
