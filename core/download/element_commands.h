#pragma once
#include <chrono>
#include <filesystem>
#include <map>
#include <functional>
#include <memory>
#include <string>

#include "core/download/element_download.h"
#include "core/load/element_loader.h"
#include "core/load/tracker_state.h"
#include "core/ports/background_work.h"
#include "core/ports/event_loop.h"
#include "core/ports/internet_library.h"
#include "core/ports/message_box.h"

namespace rdz {

inline constexpr const char* kReloadText =
    "OK, new kepler data from Amsat file [.../amateur.txt] loadet....";

// What the element commands change in the main window.
class ElementCommandView {
 public:
  virtual ~ElementCommandView() = default;
  virtual void BlankTable() = 0;    // every row "NO SAT..."
  virtual void RefreshTable() = 0;  // one pass of the live table
  // From the start of a transfer to its end, with a way to cancel it.
  virtual void ShowDownloadRunning(const std::string& url) = 0;
  virtual void ShowDownloadEnded() = 0;
  // A new transmitter list has been written: the transponders are read again.
  virtual void TransmittersChanged() {}
};

// The reload of amateur.txt, the two AMSAT downloads, the group downloads and
// the transmitter list. A download's transfer runs
// as background work; until it has ended, and its result has been shown and
// loaded, every element command is refused.
class ElementCommands {
 public:
  using Loader = std::function<LoadOutcome(const std::filesystem::path&, TrackerState&)>;

  struct Services {
    MessageBox& messages;
    EventLoop& events;
    std::filesystem::path programDir;
    InternetFactory internet;              // none: nothing arrives
    BackgroundWork* background = nullptr;  // none: the transfer runs at once
    std::function<std::chrono::system_clock::time_point()> now = [] {
      return std::chrono::system_clock::now();
    };
  };

  ElementCommands(TrackerState& state, ElementCommandView& view, Services services, Loader loader);
  // A download still running is cancelled and its end is not shown.
  ~ElementCommands();
  ElementCommands(const ElementCommands&) = delete;
  ElementCommands& operator=(const ElementCommands&) = delete;

  bool Busy() const { return busy_; }
  void Reload();
  void Download(const ElementDownload& download);
  void Cancel();

 private:
  void Finish(const ElementDownload& download, const DownloadResult& result);
  // A group asked for less than two hours ago: its file on disk is shown instead.
  bool AnsweredFromDisk(const ElementDownload& download);

  TrackerState& state_;
  ElementCommandView& view_;
  Services services_;
  Loader loader_;
  bool busy_ = false;
  std::shared_ptr<InternetLibrary> transfer_;  // the running download's library
  std::shared_ptr<int> alive_ = std::make_shared<int>();  // lets a late end see we are gone
  std::map<std::string, std::chrono::system_clock::time_point> groupAsked_;
};

}  // namespace rdz
