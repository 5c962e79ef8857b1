#include "core/download/element_download.h"

#include <memory>
#include <optional>
#include <string_view>
#include <utility>

#include "core/download/read_url.h"
#include "core/load/element_loader.h"
#include "core/orbit/engine.h"
#include "core/orbit/sgp4_model.h"
#include "core/base/atomic_file.h"
#include "core/base/crlf_text.h"
#include "core/base/text_lines.h"

namespace rdz {

namespace {

std::string Shown(const ElementDownload& d) { return std::string("[.../") + d.fileName + "]"; }

bool ForTransmitters(const DownloadRequest& r) {
  return r.download.content == DownloadContent::Transmitters;
}

DownloadResult Refusal(const DownloadRequest& r, const std::string& cause) {
  return {false,
          std::string("ATTENTION: no ") + (ForTransmitters(r) ? "transponders" : "element sets") +
              " received from " + r.url + " (" + cause + ") - " +
              Shown(r.download) + " not changed.",
          MessageIcon::Exclamation};
}

// A partial answer (206) is a piece of the file, not the file.
bool IsWholeSuccess(int status) { return status >= 200 && status <= 299 && status != 206; }

// Why an answer cannot be the provider's file; empty when it may be.
std::string AnswerFault(const UrlReading& reading, std::size_t bodySize, bool only200) {
  if (reading.status != 0 && (only200 ? reading.status != 200 : !IsWholeSuccess(reading.status))) {
    return "HTTP " + std::to_string(reading.status);
  }
  if (bodySize > kMaxBodyBytes) return "more than 16 MiB";
  if (!reading.failure.empty()) return reading.failure;
  if (!reading.complete) return "the transfer did not complete";
  if (reading.status == 0) return "no HTTP answer";
  return {};
}

}  // namespace


std::string CelestrakGroupUrl(const char* group) {
  std::string url = kCelestrakGroupUrl;
  url.replace(url.find("%s"), 2, group);
  return url;
}

std::vector<std::string> ElementSetUrls(const StationKeys& keys, const ElementDownload& download) {
  if (download.content == DownloadContent::Transmitters) {
    return {keys.TRANSPONDERURL.value_or(kTransmitterListUrl)};
  }
  if (download.group != nullptr) {
    const std::pair<const char*, const std::optional<std::string>*> configured[] = {
        {"GEOURL", &keys.GEOURL}, {"GPSURL", &keys.GPSURL}, {"MILURL", &keys.MILURL},
        {"LEOURL", &keys.LEOURL}, {"SHUTTLEURL", &keys.SHUTTLEURL}};
    for (const auto& [key, url] : configured) {
      if (download.urlKey != nullptr && std::string_view(key) == download.urlKey && *url) return {**url};
    }
    return {CelestrakGroupUrl(download.group)};
  }
  if (keys.KEPURL) return {*keys.KEPURL};
  return {kBuiltInElementSetUrl, kAmsatTleUrl, CelestrakGroupUrl("amateur")};
}

bool HoldsUsableElementSets(std::string_view text, const ElementCheck& check) {
  // The same reading as a load, in any of the formats it recognises.
  const ElementSetsRead read = ReadElementSets(text);
  if (!check.utc) return read.counts.read > read.counts.Unusable();
  const EngineContext engine = SetupEngine(check.station);
  for (const ElementSet& sat : read.sets) {
    if (!sat.Fault.empty()) continue;
    const bool usable = sat.Mean ? Sgp4Model(*sat.Mean, sat.Alat, sat.Alon).At(engine, *check.utc).has_value()
                                 : KeplerModel(sat).At(engine, *check.utc).has_value();
    if (usable) return true;
  }
  return false;
}

DownloadResult StoreElementDownload(std::string_view body, const DownloadRequest& request) {
  if (body.size() > kMaxBodyBytes) return Refusal(request, "more than 16 MiB");
  std::string why;
  if (!SingleByteText(body, &why)) return Refusal(request, why);
  const std::string text = CrLfText(body);
  if (ForTransmitters(request)) {
    if (ReadTransmitterList(text).entries.empty()) return Refusal(request, "no transponder list");
  } else if (!HoldsUsableElementSets(text, request.check)) {
    return Refusal(request, "not an element file");
  }
  const WriteOutcome written = WriteFileAtomically(request.programDir / request.download.fileName, text);
  if (!written.ok) {
    return {false,
            "ATTENTION: " + Shown(request.download) + " could not be written (" + written.reason +
                ") and was not changed.",
            MessageIcon::Exclamation};
  }
  // The second copy is a convenience for one particular set-up: its absence is no failure.
  if (request.secondCopy) WriteFileAtomically(*request.secondCopy, text);
  if (ForTransmitters(request)) {
    return {true, "OK, new transponder list with " + Shown(request.download) + " downloaded.",
            MessageIcon::None};
  }
  return {true,
          std::string("OK, new Internet kepler data with ") + Shown(request.download) +
              " downloadet....",
          MessageIcon::None};
}

DownloadResult DownloadElementFile(InternetLibrary& internet, const DownloadRequest& request) {
  std::vector<std::string> urls{request.url};
  urls.insert(urls.end(), request.fallbacks.begin(), request.fallbacks.end());
  std::string failures;
  for (const std::string& url : urls) {
    DownloadRequest one = request;
    one.url = url;
    UrlReading reading;
    const std::string body = ReadUrl(internet, url, &reading);
    const std::string fault = AnswerFault(reading, body.size(), request.download.group != nullptr);
    DownloadResult result = fault.empty() ? StoreElementDownload(body, one) : Refusal(one, fault);
    if (result.written) {
      if (&url != &urls.front()) result.message += " (from " + url + ")";
      return result;
    }
    failures += (failures.empty() ? "" : "\n") + result.message;
    if (reading.failure == "cancelled") break;  // the user stopped the whole download
  }
  return {false, failures, MessageIcon::Exclamation};
}

}  // namespace rdz
