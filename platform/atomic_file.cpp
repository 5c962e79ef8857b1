#include "platform/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <cstring>
#include <cstdlib>
#include <string>

namespace rdz {
namespace {

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

// The existing file's permissions, so a replaced file keeps them.
mode_t ModeToKeep(const std::filesystem::path& path) {
  struct stat st {};
  if (::stat(path.c_str(), &st) == 0) return st.st_mode & 07777;
  return 0644;
}

}  // namespace

WriteOutcome WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes) {
  const auto failed = [] {
    std::string reason = std::strerror(errno);
    if (!reason.empty()) reason[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(reason[0])));
    return WriteOutcome{false, reason};
  };
  const std::filesystem::path folder = path.has_parent_path() ? path.parent_path() : ".";
  std::string temp = (folder / ("." + path.filename().string() + ".XXXXXX")).string();
  const int fd = ::mkstemp(temp.data());
  if (fd < 0) return failed();
  const bool written = WriteAll(fd, bytes) && ::fchmod(fd, ModeToKeep(path)) == 0 && ::fsync(fd) == 0;
  const bool closed = ::close(fd) == 0;
  if (!written || !closed || ::rename(temp.c_str(), path.c_str()) != 0) {
    const WriteOutcome outcome = failed();
    ::unlink(temp.c_str());
    return outcome;
  }
  return {true, {}};
}

}  // namespace rdz
