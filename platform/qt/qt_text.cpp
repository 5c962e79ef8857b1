#include "platform/qt/qt_text.h"

#include <QLocale>

namespace rdz::qt {

QString ToQString(const std::string& text) {
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

std::string FromQString(const QString& text) { return text.toLatin1().toStdString(); }

QString PlainToolTip(const QString& text) {
  if (text.isEmpty()) return text;  // no tip at all
  return QStringLiteral("<p style='white-space:pre'>") + text.toHtmlEscaped() + QStringLiteral("</p>");
}

std::optional<double> ReadUserNumber(const QString& text) {
  // Group separators are refused: in a locale where "." groups thousands,
  // "0.5" must not be read as 5.
  QLocale user;
  user.setNumberOptions(user.numberOptions() | QLocale::RejectGroupSeparator);
  bool ok = false;
  double value = user.toDouble(text, &ok);
  if (ok) return value;
  QLocale c = QLocale::c();
  c.setNumberOptions(QLocale::RejectGroupSeparator);
  value = c.toDouble(text, &ok);
  if (ok) return value;
  return std::nullopt;
}

}  // namespace rdz::qt
