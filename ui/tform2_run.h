// How the document window runs a handler: with the sheets' notifications held, failures
// reported, then the modified mark and the window brought up to date; a fuel handler runs
// the design after it, and an edit records an undo step. For tform2*.cpp only.
#pragma once

#include <utility>

#include "calc/design.h"
#include "sheets/sheet.h"
#include "ui/dialogs.h"
#include "ui/tform2.h"

namespace ui {

template <typename Handler>
void TForm2::Run(Handler&& handler) {
  {
    const sheets::NotificationHold hold(doc_.Sheets());
    RunGuarded(dialogs_, this, std::forward<Handler>(handler));
  }
  UpdateModified();
  ShowDocument();
}

template <typename Handler>
void TForm2::RunFuelCycle(Handler&& handler) {
  Run([&] {
    handler();
    calc::RecalcDesign(doc_);
  });
}

template <typename Handler>
void TForm2::RunEdit(const QString& text, Handler&& handler) {
  Run(std::forward<Handler>(handler));
  RecordUndoStep(text);
}

template <typename Handler>
void TForm2::RunFuelEdit(const QString& text, Handler&& handler) {
  RunFuelCycle(std::forward<Handler>(handler));
  RecordUndoStep(text);
}

}  // namespace ui
