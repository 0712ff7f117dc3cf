// The fuel name field takes only what a fuel file can hold: its name line is written in
// Windows-1251, so a character outside that code page ("α", an emoji) is refused as it is
// typed or pasted, instead of being saved as "?".
#pragma once

#include <QValidator>

namespace ui {

// The characters of `text` that Windows-1251 has no code for, each once, in order.
QString CharactersOutsideCp1251(const QString& text);

class FuelNameValidator : public QValidator {
  Q_OBJECT

 public:
  using QValidator::QValidator;

  State validate(QString& input, int& pos) const override;

  // The hint for the characters refused last; empty before any refusal.
  QString RefusalHint() const { return hint_; }

 private:
  mutable QString hint_;
};

}  // namespace ui
