#include "window/window_fixture.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPalette>
#include <chrono>
#include <thread>

#include "core/load/settings_in_use.h"
#include "core/load/element_loader.h"
#include "core/orbit/engine.h"
#include "platform/qt/qt_text.h"
#include "core/base/text_lines.h"

namespace rdz::test {

std::vector<ElementSet> SampleSatellites() {
  auto table = std::make_unique<ElementTable>();
  const int count = ReadElementBlocks(SplitTextLines(SampleElements()), *table);
  std::vector<ElementSet> sats;
  for (int k = 1; k <= count; ++k) sats.push_back((*table)[k]);
  return sats;
}

FrmTrack::ElementLoader LoaderOf(std::vector<ElementSet> satellites) {
  return [satellites](const std::filesystem::path&, TrackerState& st) {
    for (std::size_t i = 0; i < satellites.size(); ++i) {
      st.Elements[static_cast<int>(i) + 1] = satellites[i];
    }
    st.SatCount = static_cast<int>(satellites.size());
    UseSettings(st, SettingsFromBytes(SampleFile("config.txt")));
    return LoadOutcome::Loaded;
  };
}

QColor Background(const QWidget* w) { return w->palette().color(QPalette::Window); }
QColor Foreground(const QWidget* w) { return w->palette().color(QPalette::WindowText); }

void WindowTest::WriteSampleFiles() {
  dir.Write("amateur.txt", SampleElements());
  dir.Write("config.txt", SampleFile("config.txt"));
}

void WindowTest::MakeForm(FrmTrack::ElementLoader loader, InternetFactory internet) {
  const Services services{clock, messages, sound, events, dir.path(), ports ? ports : port.Ports(), std::move(internet),
                          &background, rotors, nullptr, rigs};
  form = std::make_unique<FrmTrack>(state, services, std::move(loader));
  // Ticks come from the test, never from the wall clock.
  form->Timer1.SetEnabled(false);
}

void WindowTest::StartAtUtc(const CivilTime& utc) {
  clock.now = AddSeconds(utc, 3600);
  form->Load();
  WaitForTransmitters();
}

void WindowTest::StartWithSampleFiles() {
  WriteSampleFiles();
  MakeForm();
  StartAtUtc({2026, 5, 11, 12, 0, 0});
}

void WindowTest::Tick(int seconds) {
  clock.now = AddSeconds(clock.now, seconds);
  form->Timer1Tick();
}

void WindowTest::Close(QWidget* window) {
  window->close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void WindowTest::WaitForTransmitters() {
  const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(30);
  while (form->TransmittersReading() && std::chrono::steady_clock::now() < end) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
  }
}

bool WindowTest::PumpUntil(const std::function<bool()>& done, double seconds) {
  const auto end = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
  while (!done() && std::chrono::steady_clock::now() < end) {
    QCoreApplication::processEvents();
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  return done();
}

void WindowTest::TickWhileEngaged(const std::function<bool()>& engaged, const std::function<void()>& deviceTick) {
  std::string shown = qt::FromQString(Label("LblPCTime")->text());
  for (int i = 0; i < 30 && engaged(); ++i) {
    clock.now = AddSeconds(clock.now, 1);
    const auto before = std::chrono::steady_clock::now();
    form->Timer1Tick();
    deviceTick();
    EXPECT_LT(std::chrono::steady_clock::now() - before, std::chrono::milliseconds(1000));
    const std::string now = qt::FromQString(Label("LblPCTime")->text());
    EXPECT_NE(now, shown);
    shown = now;
    PumpUntil([] { return false; }, 0.3);
  }
}

std::string WindowTest::RowText(int row) const {
  return qt::FromQString(Row(static_cast<std::size_t>(row))->text());
}

}  // namespace rdz::test
