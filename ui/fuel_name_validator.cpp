// FuelNameValidator: a round trip through Windows-1251 tells which characters it holds.
#include "ui/fuel_name_validator.h"

#include <string>

#include "fuel/fuel_file.h"

namespace ui {

QString CharactersOutsideCp1251(const QString& text) {
  QString outside;
  for (qsizetype i = 0; i < text.size();) {
    // One character may be two UTF-16 units (an emoji).
    const qsizetype length = text[i].isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
    const QString character = text.mid(i, length);
    const std::string utf8 = character.toStdString();
    if (fuel::Cp1251ToUtf8(fuel::Utf8ToCp1251(utf8)) != utf8 && !outside.contains(character)) {
      outside += character;
    }
    i += length;
  }
  return outside;
}

QValidator::State FuelNameValidator::validate(QString& input, int& /*pos*/) const {
  const QString outside = CharactersOutsideCp1251(input);
  if (outside.isEmpty()) return Acceptable;
  QStringList quoted;
  for (qsizetype i = 0; i < outside.size(); i += outside[i].isHighSurrogate() ? 2 : 1) {
    quoted << QStringLiteral("«%1»").arg(outside.mid(i, outside[i].isHighSurrogate() ? 2 : 1));
  }
  hint_ = QStringLiteral(
              "Символ %1 нельзя сохранить в файле топлива: имя записывается в кодировке "
              "Windows-1251 (русские и латинские буквы, цифры, знаки препинания).")
              .arg(quoted.join(QStringLiteral(", ")));
  return Invalid;
}

}  // namespace ui
