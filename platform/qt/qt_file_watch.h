#pragma once
#include <QFileSystemWatcher>
#include <QTimer>
#include <filesystem>
#include <functional>

namespace rdz::qt {

// Calls `changed` once a file has changed on disk and then stayed quiet for a
// moment: written in place, replaced through a rename, made or removed. What
// changed is for the caller to find out; a call may find nothing new.
class QtFileWatch final {
 public:
  QtFileWatch(std::filesystem::path file, std::function<void()> changed);

 private:
  void Rewatch();

  std::filesystem::path file_;
  std::function<void()> changed_;
  QFileSystemWatcher watcher_;
  QTimer quiet_;
};

}  // namespace rdz::qt
