#include "windows/main/table_row.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>
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

int TableRow::Gap() const { return std::max(3, fontMetrics().horizontalAdvance(QLatin1Char('0')) / 2); }

QSize TableRow::sizeHint() const {
  const QFontMetrics fm = fontMetrics();
  const int columns = static_cast<int>(kRowColumnWidths.size());
  const int w = fm.horizontalAdvance(QString(kRowChars, QLatin1Char('0'))) + (columns - 1) * Gap();
  return {w + 2 * kMargin, fm.height() + 2};
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
    const int charW = fontMetrics().horizontalAdvance(QLatin1Char('0'));
    int x = room.left();
    for (std::size_t i = 0; i < fields.size(); ++i) {
      const int w = kRowColumnWidths[i] * charW;
      const QString field = qt::ToQString(std::string(fields[i]));
      painter.drawText(QRect(x, room.top(), w, room.height()), Qt::AlignLeft | Qt::AlignVCenter, field);
      x += w + Gap();
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
