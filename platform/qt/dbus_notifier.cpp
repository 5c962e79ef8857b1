#include "platform/qt/dbus_notifier.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QVariantMap>

namespace rdz::qt {

DbusNotifier::DbusNotifier(Fallback fallback, QDBusConnection bus, QObject* parent)
    : QObject(parent), fallback_(std::move(fallback)), bus_(std::move(bus)) {}

void DbusNotifier::Notify(const std::string& summary, const std::string& body) {
  if (!bus_.isConnected()) {
    fallback_(summary, body);
    return;
  }
  QDBusMessage call = QDBusMessage::createMethodCall(
      QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("/org/freedesktop/Notifications"),
      QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("Notify"));
  call << QStringLiteral("RodeDizevad") << 0u << QString() << QString::fromStdString(summary)
       << QString::fromStdString(body) << QStringList() << QVariantMap() << -1;
  auto* watcher = new QDBusPendingCallWatcher(bus_.asyncCall(call), this);
  QObject::connect(watcher, &QDBusPendingCallWatcher::finished, this,
                   [this, watcher, summary, body](QDBusPendingCallWatcher*) {
                     if (watcher->isError()) fallback_(summary, body);
                     watcher->deleteLater();
                   });
}

}  // namespace rdz::qt
