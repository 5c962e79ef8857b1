// The model, port and speed fields both device dialogs share.
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QWidget>
#include <gtest/gtest.h>

#include "windows/devices/connection_fields.h"

namespace rdz::test {
namespace {

TEST(ConnectionFields, SearchPortAndSpeedGiveOnlyWhatADeviceCanUse) {
  QWidget parent;
  int changes = 0;
  const std::vector<DeviceModel> models = {{1, "Hamlib", "Dummy"}, {2, "Hamlib", "NET rigctl"}, {3081, "Icom", "IC-9700"}};
  ConnectionFields f = ConnectionFields::Make(&parent, models, std::nullopt, "", 0, QString(), [&] { ++changes; });
  EXPECT_FALSE(f.Complete());  // no model, no port

  f.filter->setText(QStringLiteral("icom 9700"));
  EXPECT_TRUE(f.models->item(0)->isHidden());
  EXPECT_FALSE(f.models->item(2)->isHidden());
  f.models->setCurrentRow(2);
  EXPECT_EQ(f.Model(), 3081);
  for (const auto& [port, complete] : std::vector<std::pair<const char*, bool>>{
           {"", false}, {"  ", false}, {"/dev/tty USB0", false}, {" /dev/ttyUSB0 ", true}}) {
    f.port->setText(QString::fromLatin1(port));
    EXPECT_EQ(f.Complete(), complete) << port;
  }
  EXPECT_EQ(f.Port(), "/dev/ttyUSB0");
  EXPECT_EQ(changes, 4);  // the model and each port that differs from the one before

  for (const auto& [speed, read] : std::vector<std::pair<const char*, int>>{
           {"9600", 9600}, {"", 0}, {"-9600", 0}, {"fast", 0}}) {
    f.speed->setEditText(QString::fromLatin1(speed));
    EXPECT_EQ(f.Speed(), read) << speed;
  }
}

}  // namespace
}  // namespace rdz::test
