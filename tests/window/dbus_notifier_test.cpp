// Notifications over a real D-Bus daemon of the test's own, where a stand-in
// for the desktop's notification service takes the call; without the
// service, and without a bus, the fallback shows the message instead.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVirtualObject>
#include <QProcess>
#include <QStandardPaths>
#include <chrono>

#include "platform/qt/dbus_notifier.h"

namespace rdz::qt {
namespace {

// Answers Notify with an id and keeps its summary and body.
class NotificationService final : public QDBusVirtualObject {
 public:
  QStringList calls;
  QString introspect(const QString&) const override { return {}; }
  bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override {
    if (message.member() != QStringLiteral("Notify") || message.arguments().size() != 8) return false;
    calls << message.arguments()[3].toString() + "|" + message.arguments()[4].toString();
    connection.send(message.createReply(QVariant::fromValue(7u)));
    return true;
  }
};

bool Pump(const std::function<bool()>& done, double seconds = 10) {
  const auto end = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
  while (!done() && std::chrono::steady_clock::now() < end) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
  return done();
}

TEST(DbusNotifier, CallsTheNotificationServiceOrFallsBack) {
  const QString daemon = QStandardPaths::findExecutable(QStringLiteral("dbus-daemon"));
  if (daemon.isEmpty()) GTEST_SKIP() << "no dbus-daemon";
  QProcess bus;
  bus.start(daemon, {QStringLiteral("--session"), QStringLiteral("--nofork"), QStringLiteral("--print-address")});
  ASSERT_TRUE(bus.waitForReadyRead(10000));
  const QString address = QString::fromLatin1(bus.readLine()).trimmed();
  ASSERT_TRUE(address.startsWith(QStringLiteral("unix:"))) << address.toStdString();

  QDBusConnection client = QDBusConnection::connectToBus(address, QStringLiteral("notifier-client"));
  ASSERT_TRUE(client.isConnected());
  std::vector<std::string> fallen;
  const auto fallback = [&](const std::string& s, const std::string& b) { fallen.push_back(s + "|" + b); };
  DbusNotifier notifier(fallback, client);

  // No service yet: the call fails and the message goes to the fallback.
  notifier.Notify("AO-07: AOS", "12:00:00 UTC");
  ASSERT_TRUE(Pump([&] { return !fallen.empty(); }));
  EXPECT_EQ(fallen[0], "AO-07: AOS|12:00:00 UTC");

  QDBusConnection server = QDBusConnection::connectToBus(address, QStringLiteral("notifier-server"));
  NotificationService service;
  ASSERT_TRUE(server.registerVirtualObject(QStringLiteral("/org/freedesktop/Notifications"), &service));
  ASSERT_TRUE(server.registerService(QStringLiteral("org.freedesktop.Notifications")));
  notifier.Notify("AO-07: LOS", "12:10:00 UTC");
  ASSERT_TRUE(Pump([&] { return !service.calls.empty(); }));
  EXPECT_EQ(service.calls.front().toStdString(), "AO-07: LOS|12:10:00 UTC");
  Pump([] { return false; }, 0.3);  // the reply arrives and is no failure
  EXPECT_EQ(fallen.size(), 1u);

  // No bus at all: at once.
  DbusNotifier alone(fallback, QDBusConnection(QStringLiteral("none")));
  alone.Notify("x", "y");
  EXPECT_EQ(fallen.back(), "x|y");

  QDBusConnection::disconnectFromBus(QStringLiteral("notifier-server"));
  QDBusConnection::disconnectFromBus(QStringLiteral("notifier-client"));
  bus.terminate();
  bus.waitForFinished(5000);
}

}  // namespace
}  // namespace rdz::qt
