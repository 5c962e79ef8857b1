// The model search, port and speed both device dialogs share, and what each adds to OK.
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <gtest/gtest.h>

#include "windows/devices/rig_dialog.h"
#include "windows/devices/rotor_dialog.h"

namespace rdz::test {
namespace {

TEST(DeviceDialog, SearchPortAndSpeedGiveOnlyWhatADeviceCanUse) {
  const std::vector<DeviceModel> models = {{1, "Hamlib", "Dummy"}, {2, "Hamlib", "NET rigctl"}, {3081, "Icom", "IC-9700"}};
  RigConfig second;
  second.settings.uplink = UplinkWay::SecondRadio;
  RotorDialog rotor(models, RotorConfig{});
  RigDialog rig(models, second);
  for (DeviceDialog* d : std::initializer_list<DeviceDialog*>{&rotor, &rig}) {
    const QPushButton* ok = d->Buttons->button(QDialogButtonBox::Ok);
    EXPECT_EQ(d->Models->currentItem(), nullptr);  // no model in use
    d->Filter->setText(QStringLiteral("icom 9700"));
    EXPECT_TRUE(d->Models->item(0)->isHidden());
    EXPECT_FALSE(d->Models->item(2)->isHidden());
    d->Models->setCurrentRow(2);
    for (const auto& [port, complete] : std::vector<std::pair<const char*, bool>>{
             {"", false}, {"  ", false}, {"/dev/tty USB0", false}, {" /dev/ttyUSB0 ", true}}) {
      d->Port->setText(QString::fromLatin1(port));
      EXPECT_EQ(d->Complete(), complete) << port;
      EXPECT_EQ(ok->isEnabled(), complete && d == &rotor) << port;  // the second radio is not named yet
    }
    for (const auto& [speed, read] : std::vector<std::pair<const char*, int>>{
             {"9600", 9600}, {"", 0}, {"-9600", 0}, {"fast", 0}}) {
      d->Speed->setEditText(QString::fromLatin1(speed));
      EXPECT_EQ(d->Address(), (DeviceAddress{3081, "/dev/ttyUSB0", read})) << speed;
    }
  }
  rig.SecondRadio->setText(QStringLiteral("2 localhost:4533"));
  EXPECT_TRUE(rig.Buttons->button(QDialogButtonBox::Ok)->isEnabled());
  EXPECT_EQ(rig.Result().transmitter, (DeviceAddress{2, "localhost:4533", 0}));
}

}  // namespace
}  // namespace rdz::test
