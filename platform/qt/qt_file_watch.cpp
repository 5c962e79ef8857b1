#include "platform/qt/qt_file_watch.h"

namespace rdz::qt {

namespace {
// Editors write in pieces; one look after the last piece is enough.
constexpr int kQuietMs = 250;
}

QtFileWatch::QtFileWatch(std::filesystem::path file, std::function<void()> changed)
    : file_(std::move(file)), changed_(std::move(changed)) {
  quiet_.setSingleShot(true);
  quiet_.setInterval(kQuietMs);
  QObject::connect(&quiet_, &QTimer::timeout, [this] {
    Rewatch();
    changed_();
  });
  const auto touched = [this] { quiet_.start(); };
  QObject::connect(&watcher_, &QFileSystemWatcher::fileChanged, touched);
  // A file replaced through a rename is a new file: only its folder sees it come.
  QObject::connect(&watcher_, &QFileSystemWatcher::directoryChanged, touched);
  watcher_.addPath(QString::fromStdString(file_.parent_path().string()));
  Rewatch();
}

void QtFileWatch::Rewatch() {
  const QString path = QString::fromStdString(file_.string());
  if (!watcher_.files().contains(path)) watcher_.addPath(path);
}

}  // namespace rdz::qt
