#include "download/element_commands.h"

#include "platform/windows_drive_path.h"

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

void ElementCommands::Download(const ElementDownload& download) {
  if (busy_) return;
  busy_ = true;
  view_.BlankTable();
  services_.messages.Show(download.waitingText, kProgramName);

  // Everything the transfer needs is copied now: the table and config.txt may change meanwhile.
  DownloadRequest request{download, ElementSetUrl(services_.programDir), services_.programDir,
                          {state_.Station, ParseDateTime(state_.UtcDateText, state_.UtcTimeText)},
                          std::nullopt};
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
  if (services_.background != nullptr) {
    services_.background->Start(std::move(work), std::move(done));
  } else {
    work();
    done();
  }
}

void ElementCommands::Cancel() {
  if (transfer_) transfer_->Cancel();
}

void ElementCommands::Finish(const ElementDownload& download, const DownloadResult& result) {
  transfer_.reset();
  view_.ShowDownloadEnded();
  services_.messages.Show(result.message, kProgramName, result.icon);
  // A refused file leaves the table on the sets of the file it came from.
  if (result.written) {
    state_.ElementFileName = download.fileName;
    loader_(services_.programDir, state_);
  }
  view_.RefreshTable();
  busy_ = false;
}

}  // namespace rdz
