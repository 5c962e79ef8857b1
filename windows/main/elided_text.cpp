#include "windows/main/elided_text.h"

#include <QEvent>
#include <QHelpEvent>
#include <QLabel>
#include <QPainter>
#include <QStyle>
#include <QToolTip>

#include "platform/qt/qt_text.h"

namespace rdz {

namespace {

class ElidedPainter final : public QObject {
 public:
  explicit ElidedPainter(QLabel* label) : QObject(label), label_(label) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched != label_) return false;
    if (event->type() == QEvent::Paint) {
      QPainter painter(label_);
      const QRect room = label_->contentsRect();
      const QString shown = label_->fontMetrics().elidedText(label_->text(), Qt::ElideRight, room.width());
      // Quiet: grey as a disabled text of the parent, whatever colour the label's own style sheet gives.
      const bool quiet = label_->property("quiet").toBool() && label_->parentWidget() != nullptr;
      painter.setPen(quiet ? label_->parentWidget()->palette().color(QPalette::Disabled, QPalette::WindowText)
                           : label_->palette().color(QPalette::WindowText));
      painter.drawText(room, static_cast<int>(label_->alignment()), shown);
      return true;
    }
    if (event->type() == QEvent::ToolTip && label_->toolTip().isEmpty()) {
      QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), qt::PlainToolTip(label_->text()), label_);
      return true;
    }
    return false;
  }

 private:
  QLabel* label_;
};

}  // namespace

void ElideText(QLabel* label) {
  label->setTextFormat(Qt::PlainText);
  label->setWordWrap(false);
  label->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
  label->installEventFilter(new ElidedPainter(label));
}

}  // namespace rdz
