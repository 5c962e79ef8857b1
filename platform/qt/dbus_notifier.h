#pragma once
#include <QDBusConnection>
#include <QObject>
#include <functional>

#include "core/ports/notifier.h"

namespace rdz::qt {

// The freedesktop notification service on the session bus, called without
// waiting; where there is no bus or the call fails, `fallback` shows the
// message instead (on this thread, later).
class DbusNotifier final : public QObject, public Notifier {
 public:
  using Fallback = std::function<void(const std::string& summary, const std::string& body)>;
  explicit DbusNotifier(Fallback fallback, QDBusConnection bus = QDBusConnection::sessionBus(),
                        QObject* parent = nullptr);
  void Notify(const std::string& summary, const std::string& body) override;

 private:
  Fallback fallback_;
  QDBusConnection bus_;
};

}  // namespace rdz::qt
