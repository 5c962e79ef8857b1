#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace rdz {

// The calls the element download is written against: the four of the desktop's
// Internet library, with their arguments and results (a handle of 0 is a
// failure), plus the answer's status and the cause of a failure, which that
// library gives through calls of its own.
class InternetLibrary {
 public:
  using Handle = std::uintptr_t;

  static constexpr unsigned long kPreconfigAccess = 0;    // the system's proxy settings
  static constexpr unsigned long kFlagReload = 0x80000000;  // from the server, never a cache

  virtual ~InternetLibrary() = default;

  virtual Handle InternetOpenA(const char* agent, unsigned long accessType, const char* proxy,
                               const char* proxyBypass, unsigned long flags) = 0;
  virtual Handle InternetOpenUrlA(Handle root, const char* url, const char* headers,
                                  unsigned long headersLength, unsigned long flags,
                                  std::uintptr_t context) = 0;
  // Fills up to toRead bytes of buffer; bytesRead is 0 at the end of the body or on failure.
  virtual bool InternetReadFile(Handle request, char* buffer, unsigned long toRead,
                                unsigned long& bytesRead) = 0;
  virtual bool InternetCloseHandle(Handle handle) = 0;

  // The HTTP status of the answer to request (the last one, after redirects); 0 when none came.
  virtual int HttpStatusCode(Handle request) = 0;
  // Why the last call failed or the last read ended early, in a few words
  // ("connection refused", "timed out"); empty when nothing went wrong.
  virtual std::string LastFailure() const = 0;
  // Ends the transfer under way as soon as it can; every later call fails.
  // The one call that may come from another thread.
  virtual void Cancel() noexcept = 0;
};

// A fresh library for each download, so that a cancelled one never affects the next.
using InternetFactory = std::function<std::shared_ptr<InternetLibrary>()>;

}  // namespace rdz
