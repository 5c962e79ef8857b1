#include "core/rigctld.h"

#include <poll.h>
#include <unistd.h>

namespace rdz::test {

namespace {

// One command and its one-line answer. The connection stays open until the
// answer is in, and is tried again: rigctld now and then drops a second
// client's connection unanswered.
std::string AskLine(int port, const std::string& command) {
  std::string text;
  for (int attempt = 0; attempt < 5 && text.empty(); ++attempt) {
    const int s = Connect(port);
    const std::string line = command + "\n";
    if (s >= 0 && write(s, line.data(), line.size()) == static_cast<ssize_t>(line.size())) {
      pollfd p{s, POLLIN, 0};
      char buffer[256];
      ssize_t n = 0;
      while (text.find('\n') == std::string::npos && poll(&p, 1, 2000) > 0 &&
             (n = read(s, buffer, sizeof buffer)) > 0) {
        text.append(buffer, static_cast<std::size_t>(n));
      }
    }
    if (s >= 0) close(s);
  }
  return text.substr(0, text.find('\n'));
}

double Number(const std::string& text) {
  try {
    return std::stod(text);
  } catch (...) {
    return 0;
  }
}

}  // namespace

double Rigctld::Frequency() const { return Number(AskLine(port(), "f")); }

double Rigctld::SplitFrequency() const { return Number(AskLine(port(), "i")); }

bool Rigctld::Tune(double hz) const {
  return AskLine(port(), "F " + std::to_string(static_cast<long long>(hz))) == "RPRT 0";
}

}  // namespace rdz::test
