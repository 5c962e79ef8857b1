#pragma once
#include <QString>
#include <optional>
#include <string>

namespace rdz::qt {

// The program's texts are single-byte; names from element files are taken as Latin-1.
QString ToQString(const std::string& text);
std::string FromQString(const QString& text);

// A tool tip shows rich text when it looks like markup; this one shows the text as it is.
QString PlainToolTip(const QString& text);

// A number typed by the user: first in the user's own number format (the
// default locale, so "0,5" where the comma is the decimal point), then with
// "." as the decimal point, so "0.5" works everywhere. Nothing for other text.
std::optional<double> ReadUserNumber(const QString& text);

}  // namespace rdz::qt
