#pragma once
#include <atomic>
#include <chrono>
#include <map>
#include <memory>
#include <string>

#include "core/ports/internet_library.h"

namespace rdz {

// How long a download may take before it is given up, so that the window,
// which waits for it, can never hang for good.
struct InternetTimeLimits {
  std::chrono::milliseconds connect{20000};
  std::chrono::milliseconds total{120000};
};

// The Internet library over libcurl: HTTP and HTTPS only, redirects followed
// (never from https to http), certificates verified, the system's proxy settings, no cache. The body is
// pulled from the network as it is read, so memory stays small whatever the
// server sends. A cancel takes effect within a tenth of a second.
class CurlInternet final : public InternetLibrary {
 public:
  // `trustedCertificates`: a PEM file of authorities to trust instead of the system's.
  explicit CurlInternet(InternetTimeLimits limits = {}, std::string trustedCertificates = {});
  ~CurlInternet() override;
  CurlInternet(const CurlInternet&) = delete;
  CurlInternet& operator=(const CurlInternet&) = delete;

  Handle InternetOpenA(const char* agent, unsigned long accessType, const char* proxy,
                       const char* proxyBypass, unsigned long flags) override;
  Handle InternetOpenUrlA(Handle root, const char* url, const char* headers,
                          unsigned long headersLength, unsigned long flags,
                          std::uintptr_t context) override;
  bool InternetReadFile(Handle request, char* buffer, unsigned long toRead,
                        unsigned long& bytesRead) override;
  bool InternetCloseHandle(Handle handle) override;
  int HttpStatusCode(Handle request) override;
  std::string LastFailure() const override;
  void Cancel() noexcept override;

 private:
  struct Session;
  struct Transfer;

  // Keeps the cause when a transfer ended in failure.
  void NoteEnd(const Transfer& t);

  InternetTimeLimits limits_;
  std::string trustedCertificates_;
  std::atomic<bool> cancelled_{false};
  std::string lastFailure_;
  Handle next_ = 1;
  std::map<Handle, std::unique_ptr<Session>> sessions_;
  std::map<Handle, std::unique_ptr<Transfer>> transfers_;
};

}  // namespace rdz
