#pragma once
#include <gtest/gtest.h>

#include <QColor>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QLineEdit>
#include <QListWidget>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/temp_dir.h"
#include "windows/main/frm_track.h"
#include "windows/main/passband_bar.h"
#include "core/load/tracker_state.h"
#include "platform/qt/qt_background_work.h"
#include "core/ports/services.h"
#include "core/rotor/recording_port.h"

namespace rdz::test {

// A clock the test sets; it never moves by itself. A zone only where `offset` is set.
struct FakeClock final : Clock {
  CivilTime now{2026, 5, 11, 12, 0, 0};
  std::optional<std::int64_t> offset;
  std::function<void()> onRead;
  CivilTime Now() override {
    if (onRead) onRead();
    return now;
  }
  std::optional<std::int64_t> UtcOffsetSeconds() override { return offset; }
};

// Records the boxes, each also as "title|text", instead of waiting for a user;
// a question takes the next of `answers`, else its last choice.
struct FakeMessageBox final : MessageBox {
  std::vector<std::string> shown, boxes, asked;
  std::vector<int> answers;
  void Show(const std::string& text, const std::string& title, MessageIcon) override {
    shown.push_back(text);
    boxes.push_back(title + "|" + text);
  }
  int Ask(const std::string& text, const std::string&, const std::vector<std::string>& choices) override {
    asked.push_back(text);
    if (answers.empty()) return static_cast<int>(choices.size()) - 1;
    const int answer = answers.front();
    answers.erase(answers.begin());
    return answer;
  }
};

struct FakeSound final : Sound {
  int plays = 0;
  void PlayClosingSound() override { ++plays; }
};

struct FakeEventLoop final : EventLoop {
  int runs = 0;
  std::function<void()> onRun;  // stands for what the user does meanwhile
  void LetPendingEventsRun() override {
    ++runs;
    if (onRun) onRun();
  }
};

// The sample satellites, in file order (entry k at index k - 1).
std::vector<ElementSet> SampleSatellites();

// A loader that puts the given satellites into the table, with the sample station.
FrmTrack::ElementLoader LoaderOf(std::vector<ElementSet> satellites);

QColor Background(const QWidget* w);
QColor Foreground(const QWidget* w);

// Filters a device dialog's models down to one, takes it with `port`, and OK.
template <class DeviceDialog>
void ChooseModel(DeviceDialog* dialog, const char* filter, const std::string& port) {
  ASSERT_TRUE(dialog);
  dialog->Filter->setText(QString::fromLatin1(filter));
  int shown = 0;
  for (int i = 0; i < dialog->Models->count(); ++i) {
    if (dialog->Models->item(i)->isHidden()) continue;
    dialog->Models->setCurrentItem(dialog->Models->item(i));
    ++shown;
  }
  ASSERT_EQ(shown, 1) << filter;
  dialog->Port->setText(QString::fromStdString(port));
  dialog->accept();
}

class WindowTest : public ::testing::Test {
 protected:
  // The program directory holding the sample amateur.txt and config.txt.
  void WriteSampleFiles();
  void MakeForm(FrmTrack::ElementLoader loader = &LoadElements, InternetFactory internet = {});
  // Start-up, then the clock at a local time with TxtUtc's "1": UTC one hour earlier.
  void StartAtUtc(const CivilTime& utc);
  // The sample files, the real loader, started at 11/05/2026 12:00:00 UTC.
  void StartWithSampleFiles();
  // The clock `seconds` on, then one tick.
  void Tick(int seconds);
  // Closing deletes the window once events run.
  static void Close(QWidget* window);
  std::string RowText(int row) const;
  // The main window's controls, by the names the panels give them.
  template <class T = QWidget>
  T* Control(const QString& name) const {
    T* found = form->findChild<T*>(name);
    EXPECT_NE(found, nullptr) << name.toStdString();
    return found;
  }
  QLabel* Label(const char* name) const { return Control<QLabel>(QString::fromLatin1(name)); }
  QPushButton* Button(const char* name) const { return Control<QPushButton>(QString::fromLatin1(name)); }
  QLabel* Row(std::size_t row) const { return Control<QLabel>(QStringLiteral("LblSat(%1)").arg(row)); }
  QRadioButton* Option(std::size_t option) const {
    return Control<QRadioButton>(QStringLiteral("Option1(%1)").arg(option));
  }
  QPushButton* Stop(std::size_t index) const { return Control<QPushButton>(QStringLiteral("CmdStop(%1)").arg(index)); }
  // Lets the background read of transmitters.json arrive.
  void WaitForTransmitters();
  // Lets a device's answers arrive until `done` or `seconds` pass.
  static bool PumpUntil(const std::function<bool()>& done, double seconds);
  // A second a tick while the device is `engaged`: each tick is quick and the clock moves on.
  void TickWhileEngaged(const std::function<bool()>& engaged, const std::function<void()>& deviceTick);

  TempDir dir;
  FakeClock clock;
  FakeMessageBox messages;
  FakeSound sound;
  FakeEventLoop events;
  RecordingPort port;
  ParallelPorts ports;  // set before MakeForm for other ports than `port`
  RotorLibrary* rotors = nullptr;  // set before MakeForm for a Hamlib rotor
  RigLibrary* rigs = nullptr;      // set before MakeForm for a Hamlib radio
  TrackerState state;
  qt::QtBackgroundWork background;
  std::unique_ptr<FrmTrack> form;
};

}  // namespace rdz::test
