#pragma once
#include <QLabel>

namespace rdz {

// One line of the live table (LblSat) or its heading (Label3, Label4) in a
// fixed-pitch font. The text stays the row text as it is; the painting sets
// the columns a little apart, so that a longitude of four characters does
// not run into the latitude before it.
class TableRow final : public QLabel {
  Q_OBJECT

 public:
  explicit TableRow(const QString& text, QWidget* parent = nullptr);
  QSize sizeHint() const override;
  QSize minimumSizeHint() const override { return sizeHint(); }
  // The keyboard's row: marked while the table has the focus.
  void SetCursor(bool on);
  // Compact: only LA and LO set apart, for a window too narrow for every gap.
  void SetCompact(bool compact);

 signals:
  void pressed();
  void doubleClicked();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  // The room before `column`, in pixels.
  qreal Gap(std::size_t column) const;
  bool cursor_ = false;
  bool compact_ = false;
};

}  // namespace rdz
