#include "core/base/text_lines.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <exception>

#include "core/base/os_reason.h"

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

LineEnd FindLineEnd(std::string_view text, std::size_t begin) {
  const std::size_t end = std::min(text.find_first_of("\r\n", begin), text.size());
  std::size_t next = end == text.size() ? end : end + 1;
  if (text.substr(end).starts_with("\r\n")) ++next;
  return {end, next};
}

std::vector<std::string> SplitTextLines(std::string_view text) {
  std::vector<std::string> lines;
  for (std::size_t begin = 0; begin < text.size();) {
    const LineEnd line = FindLineEnd(text, begin);
    lines.emplace_back(text.substr(begin, line.end - begin));
    begin = line.next;
  }
  return lines;
}

std::optional<std::string_view> SingleByteText(std::string_view bytes, std::string* reason) {
  if (bytes.starts_with("\xEF\xBB\xBF")) return bytes.substr(3);
  bool utf16 = bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF");
  // Without a mark: ASCII in UTF-16 has a zero byte beside each of its first characters.
  if (!utf16 && bytes.size() >= 4) {
    const bool big = bytes[0] == '\0' && bytes[2] == '\0' && bytes[1] != '\0' && bytes[3] != '\0';
    const bool little = bytes[1] == '\0' && bytes[3] == '\0' && bytes[0] != '\0' && bytes[2] != '\0';
    utf16 = big || little;
  }
  if (!utf16) return bytes;
  if (reason != nullptr) *reason = kUtf16Refused;
  return std::nullopt;
}

std::optional<std::string> ReadTextFile(const std::filesystem::path& path, std::string* reason) {
  std::string why;
  try {
    if (auto bytes = ReadWhole(path, why)) {
      if (const auto text = SingleByteText(*bytes, &why)) {
        bytes->erase(0, bytes->size() - text->size());
        return bytes;
      }
    }
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
