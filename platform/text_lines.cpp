#include "platform/text_lines.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <exception>

#include "platform/os_reason.h"

namespace rdz {

namespace {

// Closes the descriptor however the read ends.
class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  ~Descriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  int get() const { return fd_; }

 private:
  int fd_;
};

std::optional<std::string> ReadWhole(const std::filesystem::path& path, std::string& why) {
  // Non-blocking, so a FIFO without a writer opens at once and is then refused.
  const Descriptor fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
  if (fd.get() < 0) {
    why = OsReason(errno);
    return std::nullopt;
  }
  struct stat st {};
  if (::fstat(fd.get(), &st) != 0) {
    why = OsReason(errno);
    return std::nullopt;
  }
  if (!S_ISREG(st.st_mode)) {
    why = kNotARegularFile;
    return std::nullopt;
  }
  std::string text;
  text.reserve(static_cast<std::size_t>(st.st_size));
  char buffer[65536];
  for (;;) {
    const ssize_t n = ::read(fd.get(), buffer, sizeof buffer);
    if (n == 0) return text;
    if (n < 0) {
      if (errno == EINTR) continue;
      why = OsReason(errno);
      return std::nullopt;
    }
    text.append(buffer, static_cast<std::size_t>(n));
  }
}

}  // namespace

std::vector<std::string> SplitTextLines(std::string_view text) {
  std::vector<std::string> lines;
  std::size_t begin = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\r') continue;
    lines.emplace_back(text.substr(begin, i - begin));
    if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
    begin = i + 1;
  }
  if (begin < text.size()) lines.emplace_back(text.substr(begin));
  return lines;
}

std::optional<std::string> ReadTextFile(const std::filesystem::path& path, std::string* reason) {
  std::string why;
  try {
    if (auto text = ReadWhole(path, why)) return text;
  } catch (const std::exception&) {  // bad_alloc or length_error: more than memory holds
    why = "file too large";
  }
  if (reason != nullptr) *reason = why;
  return std::nullopt;
}

std::optional<std::vector<std::string>> ReadTextLines(const std::filesystem::path& path,
                                                      std::string* reason) {
  const auto text = ReadTextFile(path, reason);
  if (!text) return std::nullopt;
  try {
    return SplitTextLines(*text);
  } catch (const std::exception&) {
    if (reason != nullptr) *reason = "file too large";
    return std::nullopt;
  }
}

std::string_view TrimBlanks(std::string_view text, std::string_view blanks) {
  const auto first = text.find_first_not_of(blanks);
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

}  // namespace rdz
