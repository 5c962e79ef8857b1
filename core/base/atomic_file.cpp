#include "core/base/atomic_file.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <optional>
#include <string_view>

#include "core/base/os_reason.h"

namespace rdz {
namespace {

namespace fs = std::filesystem;

constexpr int kMaxLinkHops = 40;  // as the kernel's own limit
constexpr std::size_t kTempSuffixLength = 6;  // mkstemp's XXXXXX

WriteOutcome Failed(std::string reason) { return {false, std::move(reason)}; }

WriteOutcome FromErrno(int err) { return Failed(OsReason(err)); }

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

// The file a chain of symbolic links ends at (the path itself when it is no
// link); the end need not exist. Relative links count from the link's folder.
std::optional<fs::path> FollowLinks(fs::path path, int& err) {
  for (int hop = 0; hop < kMaxLinkHops; ++hop) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return path;
    std::error_code ec;
    const fs::path to = fs::read_symlink(path, ec);
    if (ec) {
      err = ec.value();
      return std::nullopt;
    }
    path = to.is_absolute() ? to : path.parent_path() / to;
  }
  err = ELOOP;
  return std::nullopt;
}

// The mode bits count even for root, whom access() would let write anything:
// a file the user made read-only is a refusal, not a permission question.
bool ReadOnly(const fs::path& path, const struct stat& st) {
  if ((st.st_mode & 0222) == 0) return true;
  if (st.st_uid == ::geteuid() && (st.st_mode & S_IWUSR) == 0) return true;
  return ::access(path.c_str(), W_OK) != 0 && (errno == EACCES || errno == EROFS);
}

// ".NAME.PID.XXXXXX": the process that writes a temporary is in its name.
std::optional<pid_t> TemporaryWriter(const std::string& name, const std::string& target) {
  const std::string prefix = "." + target + ".";
  if (!name.starts_with(prefix)) return std::nullopt;
  const std::string_view rest = std::string_view(name).substr(prefix.size());
  const auto dot = rest.find('.');
  if (dot == 0 || dot == std::string_view::npos || rest.size() - dot - 1 != kTempSuffixLength) {
    return std::nullopt;
  }
  long pid = 0;
  for (const char c : rest.substr(0, dot)) {
    if (c < '0' || c > '9' || pid > 99999999) return std::nullopt;
    pid = pid * 10 + (c - '0');
  }
  for (const char c : rest.substr(dot + 1)) {
    if (!std::isalnum(static_cast<unsigned char>(c))) return std::nullopt;
  }
  return static_cast<pid_t>(pid);
}

// Leftovers of writes that were killed before their rename; another running
// writer's temporary, this program's own included, stays.
void RemoveStaleTemporaries(const fs::path& folder, const std::string& target) {
  std::error_code ec;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    const auto writer = TemporaryWriter(it->path().filename().string(), target);
    if (!writer || *writer == ::getpid() || it->symlink_status(ec).type() != fs::file_type::regular) {
      continue;
    }
    if (::kill(*writer, 0) != 0 && errno == ESRCH) fs::remove(it->path(), ec);
  }
}

}  // namespace

WriteOutcome WriteFileAtomically(const fs::path& path, std::string_view bytes) {
  int err = 0;
  const std::optional<fs::path> target = FollowLinks(path, err);
  if (!target) return FromErrno(err);

  mode_t mode = 0644;
  struct stat st {};
  if (::stat(target->c_str(), &st) == 0) {
    if (!S_ISREG(st.st_mode)) return Failed(kNotARegularFile);
    if (ReadOnly(*target, st)) return Failed("file is read-only");
    mode = st.st_mode & 07777;
  } else if (errno != ENOENT) {
    return FromErrno(errno);
  } else if (*target != path) {
    // Writing would create a file wherever the link points.
    return Failed("the link's target does not exist");
  }

  const fs::path folder = target->has_parent_path() ? target->parent_path() : ".";
  const std::string name = target->filename().string();
  RemoveStaleTemporaries(folder, name);

  std::string temp = (folder / ("." + name + "." + std::to_string(::getpid()) + ".XXXXXX")).string();
  const int fd = ::mkstemp(temp.data());
  if (fd < 0) return FromErrno(errno);
  bool ok = WriteAll(fd, bytes) && ::fchmod(fd, mode) == 0 && ::fsync(fd) == 0;
  err = ok ? 0 : errno;
  if (::close(fd) != 0 && ok) {
    ok = false;
    err = errno;
  }
  if (ok && ::rename(temp.c_str(), target->c_str()) != 0) {
    ok = false;
    err = errno;
  }
  if (!ok) {
    ::unlink(temp.c_str());
    return FromErrno(err);
  }
  // The rename is only durable once the folder itself is on disk.
  const int dirFd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
  if (dirFd >= 0) {
    ::fsync(dirFd);
    ::close(dirFd);
  }
  return {true, {}};
}

}  // namespace rdz
