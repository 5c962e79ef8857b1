#include "windows/main/table_row.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>
#include <cmath>
#include <numeric>

#include "core/table/row_columns.h"
#include "platform/qt/qt_text.h"

namespace rdz {

namespace {

constexpr int kMargin = 3;
constexpr int kRowChars = std::accumulate(kRowColumnWidths.begin(), kRowColumnWidths.end(), 0);

}  // namespace

TableRow::TableRow(const QString& text, QWidget* parent) : QLabel(text, parent) {
  setTextFormat(Qt::PlainText);
}

qreal TableRow::Gap(std::size_t column) const {
  // Half a character between columns, a whole one before LA and LO, whose
  // values fill their columns with a sign.
  const qreal charW = QFontMetricsF(font()).horizontalAdvance(QLatin1Char('0'));
  if (column >= 8 && column <= 9) return charW;
  return compact_ ? 0 : charW / 2;
}

void TableRow::SetCompact(bool compact) {
  if (compact_ == compact) return;
  compact_ = compact;
  updateGeometry();
  update();
}

QSize TableRow::sizeHint() const {
  qreal w = QFontMetricsF(font()).horizontalAdvance(QLatin1Char('0')) * kRowChars;
  for (std::size_t c = 1; c < kRowColumnWidths.size(); ++c) w += Gap(c);
  return {static_cast<int>(std::ceil(w)) + 2 * kMargin, fontMetrics().height() + 2};
}

void TableRow::SetCursor(bool on) {
  if (cursor_ == on) return;
  cursor_ = on;
  update();
}

void TableRow::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setPen(palette().color(QPalette::WindowText));
  const QString shown = text();
  const std::string row = qt::FromQString(shown);
  const std::vector<std::string_view> fields = RowColumns(row);
  const QRect room = rect().adjusted(kMargin, 0, -kMargin, 0);
  if (fields.empty()) {
    painter.drawText(room, Qt::AlignLeft | Qt::AlignVCenter, shown);
  } else {
    const qreal charW = QFontMetricsF(font()).horizontalAdvance(QLatin1Char('0'));
    qreal x = room.left();
    for (std::size_t i = 0; i < fields.size(); ++i) {
      if (i > 0) x += Gap(i);
      const qreal w = kRowColumnWidths[i] * charW;
      const QString field = qt::ToQString(std::string(fields[i]));
      painter.drawText(QRectF(x, room.top(), w, room.height()), Qt::AlignLeft | Qt::AlignVCenter, field);
      x += w;
    }
  }
  if (cursor_) {
    QStyleOptionFocusRect focus;
    focus.initFrom(this);
    focus.rect = rect();
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
  }
}

void TableRow::mousePressEvent(QMouseEvent* event) {
  emit pressed();
  QLabel::mousePressEvent(event);
}

void TableRow::mouseDoubleClickEvent(QMouseEvent*) { emit doubleClicked(); }

}  // namespace rdz
