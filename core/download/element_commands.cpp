#include "core/download/element_commands.h"

#include "core/base/windows_drive_path.h"

#include <algorithm>
#include <system_error>
#include <vector>

namespace rdz {

namespace {

// What a program without an Internet library receives: nothing.
class NoInternet final : public InternetLibrary {
 public:
  Handle InternetOpenA(const char*, unsigned long, const char*, const char*, unsigned long) override {
    return 0;
  }
  Handle InternetOpenUrlA(Handle, const char*, const char*, unsigned long, unsigned long,
                          std::uintptr_t) override {
    return 0;
  }
  bool InternetReadFile(Handle, char*, unsigned long, unsigned long& read) override {
    read = 0;
    return false;
  }
  bool InternetCloseHandle(Handle) override { return false; }
  int HttpStatusCode(Handle) override { return 0; }
  std::string LastFailure() const override { return "no network"; }
  void Cancel() noexcept override {}
};

}  // namespace

ElementCommands::ElementCommands(TrackerState& state, ElementCommandView& view, Services services,
                                 Loader loader)
    : state_(state), view_(view), services_(std::move(services)), loader_(std::move(loader)) {}

ElementCommands::~ElementCommands() { Cancel(); }

void ElementCommands::Reload() {
  if (busy_) return;
  view_.BlankTable();
  state_.ElementFileName = kElementFileName;
  services_.messages.Show(kReloadText, kProgramName);
  loader_(services_.programDir, state_);
  view_.RefreshTable();
  services_.events.LetPendingEventsRun();
}

bool ElementCommands::AnsweredFromDisk(const ElementDownload& download) {
  if (download.group == nullptr) return false;
  const auto now = services_.now();
  const auto spacing = std::chrono::seconds(kGroupRequestSpacingSeconds);
  const std::filesystem::path file = services_.programDir / download.fileName;
  auto last = groupAsked_.find(download.group) != groupAsked_.end()
                  ? groupAsked_[download.group]
                  : std::chrono::system_clock::time_point::min();
  std::error_code error;
  const auto written = std::filesystem::last_write_time(file, error);
  const bool onDisk = !error;
  if (onDisk) {
    last = std::max(last, std::chrono::time_point_cast<std::chrono::system_clock::duration>(
                              std::chrono::file_clock::to_sys(written)));
  }
  // A time in the future (a clock set wrong, a copied file) is no recent request.
  if (last > now || last == std::chrono::system_clock::time_point::min() || now - last >= spacing) {
    return false;
  }

  const std::string name = std::string("[.../") + download.fileName + "]";
  if (!onDisk) {
    services_.messages.Show("ATTENTION: " + std::string(download.group) +
                                " was asked for less than two hours ago; try again later.",
                            kProgramName, MessageIcon::Exclamation);
    return true;
  }
  view_.BlankTable();
  services_.messages.Show("Less than two hours since " + std::string(download.group) +
                              " was fetched: shown from " + name + " on disk, not downloaded again.",
                          kProgramName);
  state_.ElementFileName = download.fileName;
  loader_(services_.programDir, state_);
  view_.RefreshTable();
  return true;
}

void ElementCommands::Download(const ElementDownload& download) {
  if (busy_) return;
  if (AnsweredFromDisk(download)) return;
  if (download.group != nullptr) groupAsked_[download.group] = services_.now();
  busy_ = true;
  if (download.content == DownloadContent::ElementSets) view_.BlankTable();
  services_.messages.Show(download.waitingText, kProgramName);

  // Everything the transfer needs is copied now: the table and config.txt may change meanwhile.
  std::vector<std::string> urls = ElementSetUrls(state_.Config->keys, download);
  DownloadRequest request{download, urls.front(), services_.programDir,
                          {state_.Station, state_.Time.Utc},
                          std::nullopt, {urls.begin() + 1, urls.end()}};
  if (download.fixedCopy) request.secondCopy = WindowsDrivePath(kFixedCopyPath);
  if (services_.internet) transfer_ = services_.internet();
  if (!transfer_) transfer_ = std::make_shared<NoInternet>();
  view_.ShowDownloadRunning(request.url);

  auto result = std::make_shared<DownloadResult>();
  auto work = [internet = transfer_, request, result] {
    *result = DownloadElementFile(*internet, request);
  };
  auto done = [this, alive = std::weak_ptr<int>(alive_), download, result] {
    if (alive.lock()) Finish(download, *result);
  };
  StartOrRun(services_.background, std::move(work), std::move(done));
}

void ElementCommands::Cancel() {
  if (transfer_) transfer_->Cancel();
}

void ElementCommands::Finish(const ElementDownload& download, const DownloadResult& result) {
  transfer_.reset();
  view_.ShowDownloadEnded();
  services_.messages.Show(result.message, kProgramName, result.icon);
  // A refused file leaves the table on the sets of the file it came from.
  if (result.written && download.content == DownloadContent::Transmitters) {
    view_.TransmittersChanged();
  } else if (result.written) {
    state_.ElementFileName = download.fileName;
    loader_(services_.programDir, state_);
  }
  view_.RefreshTable();
  busy_ = false;
}

}  // namespace rdz
