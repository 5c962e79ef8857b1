#pragma once
#include <cstdint>
#include <string>

namespace rdz {

// The four calls the element download is written against, with the arguments
// and results of the desktop's Internet library. A handle of 0 is a failure.
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
};

}  // namespace rdz
