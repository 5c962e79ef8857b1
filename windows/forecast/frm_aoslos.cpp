#include "windows/forecast/frm_aoslos.h"

#include <QCloseEvent>
#include <QFontMetrics>
#include <algorithm>
#include <QTextCursor>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "core/forecast/forecast_text.h"
#include "platform/qt/qt_text.h"
#include "platform/qt/twips.h"

namespace rdz {

namespace {

// The box breaks lines itself; CR LF pairs become its line breaks.
QString BoxText(const std::string& piece) {
  QString text = qt::ToQString(piece);
  text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
  return text;
}

}  // namespace

FrmAOSLOS::FrmAOSLOS(QWidget* parent) : QWidget(parent, Qt::Window) {
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(QString::fromLatin1(kForecastCaption));
  TxtAOSLOS = new QPlainTextEdit(this);
  QFont font(QStringLiteral("MS Sans Serif"));
  font.setStyleHint(QFont::SansSerif);
  font.setPointSizeF(8.5);
  TxtAOSLOS->setFont(font);
  // Tab stops every 720 twips, widened where the font that stands in for MS
  // Sans Serif is too wide for a field such as "AZ:  360" to fit between two.
  const int field = QFontMetrics(font).horizontalAdvance(QStringLiteral("AZ:  360    "));
  TxtAOSLOS->setTabStopDistance(std::max(qt::Twips(this, 720), field));
  TxtAOSLOS->setPlainText(QStringLiteral("AOS LOS"));
  // The box fills the client area, also when the user resizes the window.
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(TxtAOSLOS);
  resize(qt::Twips(this, 7695), qt::Twips(this, 6045));
  repaintTimer_.setSingleShot(true);
  repaintTimer_.setInterval(kRepaintMs);
  QObject::connect(&repaintTimer_, &QTimer::timeout, TxtAOSLOS,
                   [this] { TxtAOSLOS->setUpdatesEnabled(true); });
}

void FrmAOSLOS::Load(const std::string& name) {
  text_ = ForecastTitle(name);
  TxtAOSLOS->setPlainText(BoxText(text_));
  setWindowTitle(QString::fromLatin1(kForecastCaption) + QLatin1Char(' ') + qt::ToQString(name));
  show();
}

void FrmAOSLOS::Append(const std::string& piece) {
  text_ += piece;
  QTextCursor end(TxtAOSLOS->document());
  end.movePosition(QTextCursor::End);
  end.insertText(BoxText(piece));
  // Pending events run after every line; repainting the box each time would
  // cost more than the forecast itself. It is repainted at most every
  // kRepaintMs while it grows, and always once at the end.
  if (repaintTimer_.isActive()) {
    TxtAOSLOS->setUpdatesEnabled(false);
  } else {
    TxtAOSLOS->setUpdatesEnabled(true);
    repaintTimer_.start();
  }
}

void FrmAOSLOS::closeEvent(QCloseEvent* event) {
  event->accept();
  if (onClosed_) onClosed_();
}

}  // namespace rdz
