#pragma once
#include <QTimer>
#include <QWidget>

namespace rdz {

// ImgAZEL: a small dish sending waves, animated only while it is shown so a
// hidden picture costs nothing.
class TrackingPicture final : public QWidget {
  Q_OBJECT

 public:
  explicit TrackingPicture(QWidget* parent = nullptr);
  QSize sizeHint() const override { return {40, 40}; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  QTimer frames_;
  int frame_ = 0;
};

}  // namespace rdz
