// The station dialog and the locator in the main window; the mask in the sky view.
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "windows/editor/station_dialog.h"
#include "windows/sky/sky_mask.h"
#include "windows/sky/sky_picture.h"
#include "platform/qt/qt_text.h"
#include "window/window_fixture.h"

namespace rdz::test {
namespace {

using StationWindow = WindowTest;

TEST_F(StationWindow, DialogRefusesFieldByFieldThenWritesTheStationThatIsInUseAtOnce) {
  StartWithSampleFiles();
  EXPECT_EQ(Label("LblLocator")->text(), "JN46LM");
  const std::string before = dir.Read("config.txt");
  form->Menus.MnuStation->trigger();
  auto* dialog = form->findChild<StationDialog*>();
  ASSERT_TRUE(dialog && dialog->isVisible());
  EXPECT_FALSE(dialog->CmdGps);  // no GPS source
  EXPECT_EQ(dialog->TxtLatitude->text() + " " + dialog->TxtLongitude->text() + " " + dialog->TxtHeight->text(),
            "46.5 8.95 420");

  // A locator typed gives its centre; a position typed gives its locator.
  dialog->TxtLocator->clear();
  QTest::keyClicks(dialog->TxtLocator, QStringLiteral("jn45fl"));
  EXPECT_EQ(dialog->TxtLatitude->text() + " " + dialog->TxtLongitude->text(), "45.479167 8.458333");
  dialog->TxtLongitude->clear();
  QTest::keyClicks(dialog->TxtLongitude, QStringLiteral("9 12 E"));
  EXPECT_EQ(dialog->TxtLocator->text(), "JN45OL");

  // Refused: the dialog stays and names the field; accepted: written and in use at once.
  dialog->TxtLatitude->setText(QStringLiteral("91"));
  dialog->Buttons->button(QDialogButtonBox::Ok)->click();
  EXPECT_TRUE(dialog->isVisible() && dialog->LblLatitudeRefused->isVisibleTo(dialog));
  EXPECT_EQ(dir.Read("config.txt"), before);
  dialog->TxtLatitude->setText(QStringLiteral("45 29"));
  dialog->TxtHeight->setText(QStringLiteral("250"));
  dialog->TxtName->setText(QStringLiteral("Roof shack"));
  dialog->Buttons->button(QDialogButtonBox::Ok)->click();
  QCoreApplication::processEvents();
  EXPECT_NE(dir.Read("config.txt").find("LOCATOR = JN45OL\r\nSTATION = Roof shack\r\n"), std::string::npos);
  EXPECT_TRUE(state.Station.LA == 45.483333 && state.Station.LO == 9.2 && state.Station.HT == 250);
  EXPECT_EQ(Label("LblLocator")->text(), "Roof shack  JN45OL");
}

// "From GPS" fills the position, the height and the locator, or says why not.
TEST(StationDialogGps, FillsTheFieldsFromAFixOrShowsWhyThereIsNone) {
  FakeMessageBox messages;
  GpsReading answer{GpsFix{45.479167, 9.1875, 123.4}, ""};
  StationDialog dialog(SettingsFromBytes(""), "/nonexistent", messages, [&] { return answer; });
  dialog.CmdGps->click();
  EXPECT_EQ(dialog.TxtLatitude->text() + " " + dialog.TxtLongitude->text() + " " + dialog.TxtHeight->text() + " " +
                dialog.TxtLocator->text(),
            "45.479167 9.187500 123.4 JN45OL");
  answer = {std::nullopt, "gpsd at localhost:2947: connection refused"};
  dialog.CmdGps->click();
  EXPECT_EQ(dialog.LblGps->text(), "gpsd at localhost:2947: connection refused");
}

TEST(SkyMask, WhatTheMaskHidesIsShaded) {
  SkyScene scene;
  scene.utc = {2026, 5, 11, 12, 0, 0};
  const auto at = [](const QImage& image, double az, double el) {
    const QSizeF size(image.size());
    const SkyXY xy = SkyPoint({az, el});
    const QPointF c = SkyCentre(size);
    const double r = SkyRadius(size);
    return image.pixelColor(static_cast<int>(c.x() + xy.x * r), static_cast<int>(c.y() + xy.y * r));
  };
  SkyPainter painter;
  const QImage flat = painter.Render(scene, 400);
  scene.horizon = HorizonMask({{0, 5}, {90, 15}, {180, 2}, {270, 10}});
  const QImage masked = painter.Render(scene, 400);
  // Hidden: 8 degrees up at azimuth 60 (mask 11.7); open at 200 (mask 3.8).
  EXPECT_EQ(at(flat, 60, 8), skycolour::kBackground);
  EXPECT_NE(at(masked, 60, 8), skycolour::kBackground);
  EXPECT_EQ(at(masked, 200, 8), skycolour::kBackground);
}

}  // namespace
}  // namespace rdz::test
