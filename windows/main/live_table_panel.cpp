#include "windows/main/live_table_panel.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QRadioButton>
#include <QScrollBar>

#include "core/table/row_text.h"
#include "platform/qt/fixed_pitch_font.h"
#include "platform/qt/qt_services.h"
#include "platform/qt/qt_text.h"
#include "windows/main/table_row.h"

namespace rdz {

namespace {

constexpr int kRowsPerHalf = kTableRows / 2;
constexpr double kSmallestPoint = 8.25;
constexpr double kLargestPoint = 13.5;

}  // namespace

LiveTablePanel::LiveTablePanel(QWidget* parent) : QScrollArea(parent) {
  setObjectName(QStringLiteral("LiveTable"));
  setFocusPolicy(Qt::StrongFocus);
  setFrameShape(QFrame::NoFrame);
  setWidgetResizable(true);
  setToolTip(QStringLiteral("Up/Down: choose a row   Space or Enter: track it   Ctrl+Enter: its passes"));
  content_ = new QWidget;
  grid_ = new QGridLayout(content_);
  grid_->setContentsMargins(4, 2, 4, 2);
  grid_->setVerticalSpacing(0);
  grid_->setHorizontalSpacing(4);

  const QString header = QString::fromLatin1(kTableHeader);
  Label3 = new TableRow(header, content_);
  Label4 = new TableRow(header, content_);
  Label8 = new QLabel(QStringLiteral("TR"), content_);
  Label9 = new QLabel(QStringLiteral("TR"), content_);
  for (auto [w, name] : {std::pair<QWidget*, const char*>{Label3, "Label3"}, {Label4, "Label4"},
                         {Label8, "Label8"}, {Label9, "Label9"}}) {
    w->setObjectName(QString::fromLatin1(name));
  }
  Option1Group = new QButtonGroup(this);
  Option1Group->setExclusive(true);
  QPalette rowPalette = palette();
  rowPalette.setColor(QPalette::Window, rowPalette.color(QPalette::Button));
  rowPalette.setColor(QPalette::WindowText, rowPalette.color(QPalette::ButtonText));
  for (int i = 0; i <= kTableRows; ++i) {
    auto* option = new QRadioButton(i == kTrackerOffOption ? QStringLiteral("Antenna Tracker OFF") : QString(),
                                    content_);
    option->setObjectName(QStringLiteral("Option1(%1)").arg(i));
    // The keyboard works the table as a whole; a tab stop per button would be 61 stops.
    option->setFocusPolicy(Qt::NoFocus);
    Option1Group->addButton(option, i);
    Option1[static_cast<std::size_t>(i)] = option;
    if (i == kTrackerOffOption) break;
    auto* row = new TableRow(QStringLiteral("NO SAT"), content_);
    row->setObjectName(QStringLiteral("LblSat(%1)").arg(i));
    row->setAutoFillBackground(true);
    row->setPalette(rowPalette);
    connect(row, &TableRow::pressed, this, [this, i] {
      setFocus(Qt::MouseFocusReason);  // the keys go on from the row clicked
      MoveCursor(i);
    });
    connect(row, &TableRow::doubleClicked, this, [this, i] { emit forecastRequested(i); });
    LblSat[static_cast<std::size_t>(i)] = row;
  }
  Option1[kTrackerOffOption]->setChecked(true);
  connect(Option1Group, &QButtonGroup::idClicked, this, [this](int i) {
    if (i < kTableRows) {
      setFocus(Qt::MouseFocusReason);
      MoveCursor(i);
    }
    emit optionClicked(i);
  });
  connect(Option1Group, &QButtonGroup::idToggled, this, [this](int i, bool on) {
    if (on) emit optionChosen(i);
  });
  pointSize_ = kSmallestPoint;
  for (TableRow* r : LblSat) r->setFont(qt::FixedPitchFont(pointSize_));
  QFont bold = qt::FixedPitchFont(pointSize_);
  bold.setBold(true);
  for (QWidget* w : {static_cast<QWidget*>(Label3), static_cast<QWidget*>(Label4), static_cast<QWidget*>(Label8),
                     static_cast<QWidget*>(Label9)}) {
    w->setFont(bold);
  }
  Arrange();
  setWidget(content_);
}

void LiveTablePanel::Arrange() {
  grid_->addWidget(Label3, 0, 0);
  grid_->addWidget(Label8, 0, 1);
  grid_->addWidget(Label4, 0, 3);
  grid_->addWidget(Label9, 0, 4);
  for (int i = 0; i < kTableRows; ++i) {
    const int column = (i / kRowsPerHalf) * 3;
    const int line = 1 + i % kRowsPerHalf;
    grid_->addWidget(LblSat[static_cast<std::size_t>(i)], line, column);
    grid_->addWidget(Option1[static_cast<std::size_t>(i)], line, column + 1);
  }
  // Extra room goes between and after the halves, never into a row.
  for (int c = 0; c < 6; ++c) grid_->setColumnStretch(c, c == 2 || c == 5 ? 1 : 0);
  grid_->setColumnMinimumWidth(2, 12);
  grid_->setRowStretch(kTableRows + 1, 1);
}

void LiveTablePanel::FitFont() {
  // The largest font with which both halves fit the room without scrolling.
  const QSize room = maximumViewportSize();
  const auto probe = [&](double points, bool compact) {
    TableRow row(QString(), nullptr);
    row.setFont(qt::FixedPitchFont(points));
    row.SetCompact(compact);
    return row.sizeHint();
  };
  const int optionW = Option1[0]->sizeHint().width();
  const auto widthOf = [&](double points, bool compact) {
    return 2 * (probe(points, compact).width() + optionW) + 12 + 4 * 4 + 8;
  };
  const auto heightOf = [&](double points) {
    return (kRowsPerHalf + 1) * std::max(probe(points, false).height(), Option1[0]->sizeHint().height()) + 4;
  };
  // Too narrow for the gaps between every column: LA and LO keep theirs.
  const bool scrolls = heightOf(kSmallestPoint) > room.height();
  const int roomW = room.width() - (scrolls ? verticalScrollBar()->sizeHint().width() : 0);
  const bool compact = widthOf(kSmallestPoint, false) > roomW;
  for (TableRow* r : LblSat) r->SetCompact(compact);
  Label3->SetCompact(compact);
  Label4->SetCompact(compact);
  double points = kSmallestPoint;
  while (points + 0.75 <= kLargestPoint && widthOf(points + 0.75, false) <= room.width() &&
         heightOf(points + 0.75) <= room.height()) {
    points += 0.75;
  }
  if (points == pointSize_) return;
  pointSize_ = points;
  const QFont rowFont = qt::FixedPitchFont(points);
  QFont headFont = rowFont;
  headFont.setBold(true);
  for (TableRow* r : LblSat) r->setFont(rowFont);
  for (QWidget* w : {static_cast<QWidget*>(Label3), static_cast<QWidget*>(Label4), static_cast<QWidget*>(Label8),
                     static_cast<QWidget*>(Label9)}) {
    w->setFont(headFont);
  }
}

void LiveTablePanel::resizeEvent(QResizeEvent* event) {
  QScrollArea::resizeEvent(event);
  FitFont();
}

void LiveTablePanel::ShowRow(int row, const std::string& text, RowColours colours) {
  TableRow* label = LblSat[static_cast<std::size_t>(row)];
  label->setText(qt::ToQString(text));  // QLabel ignores an unchanged text
  RowColours& shown = colours_[static_cast<std::size_t>(row)];
  if (shown == colours) return;
  QPalette p = label->palette();
  p.setColor(QPalette::Window, qt::ToQColor(colours.background, palette()));
  p.setColor(QPalette::WindowText, qt::ToQColor(colours.text, palette()));
  label->setPalette(p);
  shown = colours;
}

std::string LiveTablePanel::RowText(int row) const {
  return qt::FromQString(LblSat[static_cast<std::size_t>(row)]->text());
}

int LiveTablePanel::CheckedOption() const { return Option1Group->checkedId(); }

void LiveTablePanel::Check(int option) { Option1[static_cast<std::size_t>(option)]->setChecked(true); }

void LiveTablePanel::Click(int option) { Option1[static_cast<std::size_t>(option)]->click(); }

void LiveTablePanel::MoveCursor(int row) {
  row = std::clamp(row, 0, kTableRows - 1);
  LblSat[static_cast<std::size_t>(cursor_)]->SetCursor(false);
  cursor_ = row;
  LblSat[static_cast<std::size_t>(cursor_)]->SetCursor(hasFocus());
  ensureWidgetVisible(LblSat[static_cast<std::size_t>(cursor_)], 0, 8);
}

void LiveTablePanel::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Up:
      MoveCursor(cursor_ - 1);
      return;
    case Qt::Key_Down:
      MoveCursor(cursor_ + 1);
      return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      if (event->modifiers() & Qt::ControlModifier) {
        emit forecastRequested(cursor_);
        return;
      }
      [[fallthrough]];
    case Qt::Key_Space:
      Click(cursor_);
      return;
    default:
      QScrollArea::keyPressEvent(event);
  }
}

void LiveTablePanel::focusInEvent(QFocusEvent* event) {
  QScrollArea::focusInEvent(event);
  // The cursor starts on the tracked row.
  const int checked = CheckedOption();
  if (checked >= 0 && checked < kTableRows) cursor_ = checked;
  MoveCursor(cursor_);
}

void LiveTablePanel::focusOutEvent(QFocusEvent* event) {
  QScrollArea::focusOutEvent(event);
  LblSat[static_cast<std::size_t>(cursor_)]->SetCursor(false);
}

}  // namespace rdz
