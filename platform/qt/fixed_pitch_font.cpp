#include "platform/qt/fixed_pitch_font.h"

#include <QFontDatabase>
#include <QStringList>

namespace rdz::qt {

QFont FixedPitchFont(double pointSize) {
  const QStringList families = QFontDatabase::families();
  QFont font;
  if (families.contains(QStringLiteral("Courier New"))) {
    font = QFont(QStringLiteral("Courier New"));
  } else if (families.contains(QStringLiteral("Liberation Mono"))) {
    font = QFont(QStringLiteral("Liberation Mono"));
  } else {
    font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  }
  font.setStyleHint(QFont::TypeWriter);
  font.setFixedPitch(true);
  font.setPointSizeF(pointSize);
  return font;
}

}  // namespace rdz::qt
