#include "platform/curl/curl_internet.h"

#include <curl/curl.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstring>
#include <mutex>
#include <string>
#include <string_view>
#include <utility>

namespace rdz {

namespace {

std::string NoCase(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return out;
}

}  // namespace

struct CurlInternet::Session {
  std::string agent;
};

struct CurlInternet::Transfer {
  Handle root = 0;
  const std::atomic<bool>* cancelled = nullptr;
  CURLM* multi = nullptr;
  CURL* easy = nullptr;
  curl_slist* headers = nullptr;
  std::string pending;  // arrived, not yet read
  std::size_t offset = 0;
  bool done = false;
  bool downgraded = false;  // an https answer sent the transfer on to plain http
  CURLcode result = CURLE_OK;

  ~Transfer() {
    if (multi != nullptr && easy != nullptr) curl_multi_remove_handle(multi, easy);
    if (easy != nullptr) curl_easy_cleanup(easy);
    if (multi != nullptr) curl_multi_cleanup(multi);
    curl_slist_free_all(headers);
  }

  std::size_t Available() const { return pending.size() - offset; }

  void End(CURLcode code) {
    done = true;
    result = code;
  }

  // Lets the transfer run until `wanted` bytes wait or it has ended.
  void RunUntil(std::size_t wanted) {
    while (!done && Available() < wanted) {
      if (cancelled->load()) {
        End(CURLE_ABORTED_BY_CALLBACK);
        break;
      }
      // Drop what was read before more arrives, so the buffer holds one piece, not the body.
      pending.erase(0, offset);
      offset = 0;
      int running = 0;
      if (curl_multi_perform(multi, &running) != CURLM_OK) {
        End(CURLE_FAILED_INIT);
        break;
      }
      int left = 0;
      while (CURLMsg* msg = curl_multi_info_read(multi, &left)) {
        if (msg->msg == CURLMSG_DONE) End(msg->data.result);
      }
      // The short wait bounds how long a cancel goes unnoticed.
      if (!done && Available() < wanted) curl_multi_poll(multi, nullptr, 0, 100, nullptr);
    }
  }

  // The cause of a failed transfer in a few words.
  std::string Failure() const {
    if (downgraded) return "redirect from https to http refused";
    switch (result) {
      case CURLE_OK:
        return {};
      case CURLE_ABORTED_BY_CALLBACK:
        return "cancelled";
      case CURLE_OPERATION_TIMEDOUT:
        return "timed out";
      case CURLE_TOO_MANY_REDIRECTS:
        return "too many redirects";
      case CURLE_COULDNT_RESOLVE_HOST:
        return "host not found";
      case CURLE_COULDNT_RESOLVE_PROXY:
        return "proxy not found";
      case CURLE_PEER_FAILED_VERIFICATION:
        return "the server's certificate is not trusted";
      case CURLE_PARTIAL_FILE:
      case CURLE_RECV_ERROR:
        return "the transfer did not complete";
      case CURLE_COULDNT_CONNECT: {
        long os = 0;
        curl_easy_getinfo(easy, CURLINFO_OS_ERRNO, &os);
        if (os == ECONNREFUSED) return "connection refused";
        if (os == ENETUNREACH || os == EHOSTUNREACH) return "host unreachable";
        return "could not connect";
      }
      default:
        break;
    }
    std::string text = curl_easy_strerror(result);
    if (!text.empty()) text[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(text[0])));
    return text;
  }

  // A redirect may never leave https for plain http, wherever in a chain it comes.
  static std::size_t Header(char* data, std::size_t size, std::size_t count, void* self) {
    auto* t = static_cast<Transfer*>(self);
    const std::string_view line(data, size * count);
    long code = 0;
    const char* scheme = nullptr;
    curl_easy_getinfo(t->easy, CURLINFO_RESPONSE_CODE, &code);
    curl_easy_getinfo(t->easy, CURLINFO_SCHEME, &scheme);
    std::string header = NoCase(line);
    std::erase_if(header, [](char c) { return c == ' ' || c == '\t'; });
    if (code >= 300 && code <= 399 && scheme != nullptr && NoCase(scheme) == "https" &&
        header.starts_with("location:http:")) {
      t->downgraded = true;
      return 0;  // ends the transfer before the redirect is followed
    }
    return size * count;
  }

  static std::size_t Write(char* data, std::size_t size, std::size_t count, void* self) {
    static_cast<Transfer*>(self)->pending.append(data, size * count);
    return size * count;
  }
};

namespace {

void InitialiseCurlOnce() {
  static std::once_flag once;
  std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

}  // namespace

CurlInternet::CurlInternet(InternetTimeLimits limits, std::string trustedCertificates)
    : limits_(limits), trustedCertificates_(std::move(trustedCertificates)) {
  InitialiseCurlOnce();
}

CurlInternet::~CurlInternet() = default;

void CurlInternet::NoteEnd(const Transfer& t) {
  if (t.done && t.result != CURLE_OK) lastFailure_ = t.Failure();
}

InternetLibrary::Handle CurlInternet::InternetOpenA(const char* agent, unsigned long, const char*,
                                                    const char*, unsigned long) {
  if (cancelled_) {
    lastFailure_ = "cancelled";
    return 0;
  }
  auto session = std::make_unique<Session>();
  session->agent = agent != nullptr ? agent : "";
  const Handle h = next_++;
  sessions_[h] = std::move(session);
  return h;
}

InternetLibrary::Handle CurlInternet::InternetOpenUrlA(Handle root, const char* url, const char*,
                                                       unsigned long, unsigned long flags,
                                                       std::uintptr_t) {
  const auto session = sessions_.find(root);
  if (session == sessions_.end() || url == nullptr) return 0;
  auto t = std::make_unique<Transfer>();
  t->root = root;
  t->cancelled = &cancelled_;
  t->multi = curl_multi_init();
  t->easy = curl_easy_init();
  if (t->multi == nullptr || t->easy == nullptr) return 0;
  CURL* e = t->easy;
  curl_easy_setopt(e, CURLOPT_URL, url);
  curl_easy_setopt(e, CURLOPT_USERAGENT, session->second->agent.c_str());
  // The provider moves its files and sends plain HTTP on to HTTPS.
  curl_easy_setopt(e, CURLOPT_FOLLOWLOCATION, 1L);
  curl_easy_setopt(e, CURLOPT_MAXREDIRS, 10L);
  curl_easy_setopt(e, CURLOPT_PROTOCOLS_STR, "http,https");
  curl_easy_setopt(e, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
  curl_easy_setopt(e, CURLOPT_SSL_VERIFYPEER, 1L);
  curl_easy_setopt(e, CURLOPT_SSL_VERIFYHOST, 2L);
  curl_easy_setopt(e, CURLOPT_CONNECTTIMEOUT_MS, static_cast<long>(limits_.connect.count()));
  curl_easy_setopt(e, CURLOPT_TIMEOUT_MS, static_cast<long>(limits_.total.count()));
  curl_easy_setopt(e, CURLOPT_NOSIGNAL, 1L);
  if ((flags & kFlagReload) != 0) {
    // Ask every cache on the way for a fresh copy.
    t->headers = curl_slist_append(t->headers, "Cache-Control: no-cache");
    t->headers = curl_slist_append(t->headers, "Pragma: no-cache");
    curl_easy_setopt(e, CURLOPT_HTTPHEADER, t->headers);
  }
  if (!trustedCertificates_.empty()) curl_easy_setopt(e, CURLOPT_CAINFO, trustedCertificates_.c_str());
  curl_easy_setopt(e, CURLOPT_HEADERFUNCTION, &Transfer::Header);
  curl_easy_setopt(e, CURLOPT_HEADERDATA, t.get());
  curl_easy_setopt(e, CURLOPT_WRITEFUNCTION, &Transfer::Write);
  curl_easy_setopt(e, CURLOPT_WRITEDATA, t.get());
  if (curl_multi_add_handle(t->multi, e) != CURLM_OK) return 0;

  // Like the desktop library, opening waits for the answer to begin; an
  // address that cannot be reached fails here.
  t->RunUntil(1);
  NoteEnd(*t);
  if (t->done && t->result != CURLE_OK && t->Available() == 0) return 0;
  const Handle h = next_++;
  transfers_[h] = std::move(t);
  return h;
}

bool CurlInternet::InternetReadFile(Handle request, char* buffer, unsigned long toRead,
                                    unsigned long& bytesRead) {
  bytesRead = 0;
  const auto it = transfers_.find(request);
  if (it == transfers_.end() || buffer == nullptr) return false;
  Transfer& t = *it->second;
  t.RunUntil(toRead);
  NoteEnd(t);
  const std::size_t n = std::min<std::size_t>(toRead, t.Available());
  std::memcpy(buffer, t.pending.data() + t.offset, n);
  t.offset += n;
  if (t.offset == t.pending.size()) {
    t.pending.clear();
    t.offset = 0;
  }
  bytesRead = static_cast<unsigned long>(n);
  return n > 0 || t.result == CURLE_OK;
}

bool CurlInternet::InternetCloseHandle(Handle handle) {
  if (transfers_.erase(handle) > 0) return true;
  if (sessions_.erase(handle) == 0) return false;
  // Closing a root handle closes what was opened on it.
  std::erase_if(transfers_, [handle](const auto& entry) { return entry.second->root == handle; });
  return true;
}

int CurlInternet::HttpStatusCode(Handle request) {
  const auto it = transfers_.find(request);
  if (it == transfers_.end()) return 0;
  long code = 0;
  curl_easy_getinfo(it->second->easy, CURLINFO_RESPONSE_CODE, &code);
  return static_cast<int>(code);
}

std::string CurlInternet::LastFailure() const { return lastFailure_; }

void CurlInternet::Cancel() noexcept { cancelled_ = true; }

}  // namespace rdz
