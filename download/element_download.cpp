#include "download/element_download.h"

#include <memory>

#include "download/read_url.h"
#include "orbit/element_loader.h"
#include "platform/atomic_file.h"
#include "platform/text_lines.h"
#include "platform/windows_drive_path.h"

namespace rdz {

namespace {

std::string Shown(const ElementDownload& d) { return std::string("[.../") + d.fileName + "]"; }

DownloadResult Refusal(const std::string& url, const ElementDownload& d, const char* why) {
  return {false,
          "ATTENTION: no element sets received from " + url + why + " - " + Shown(d) +
              " not changed.",
          MessageIcon::Exclamation};
}

bool HoldsElementSets(const std::string& text) {
  auto table = std::make_unique<ElementTable>();
  return ReadElementBlocks(SplitTextLines(text), *table) > 0;
}

}  // namespace

std::string ElementFileText(std::string_view body) {
  std::string text;
  text.reserve(body.size() + body.size() / 32 + 2);
  for (const char c : body) {
    if (c == '\n') text += '\r';
    text += c;
  }
  text += "\r\n";
  return text;
}

DownloadResult StoreElementDownload(std::string_view body, const std::string& url,
                                    const std::filesystem::path& programDir,
                                    const ElementDownload& download,
                                    const std::optional<std::filesystem::path>& secondCopy) {
  if (body.size() > kMaxBodyBytes) return Refusal(url, download, " (more than 16 MiB)");
  const std::string text = ElementFileText(body);
  if (!HoldsElementSets(text)) return Refusal(url, download, "");
  if (!WriteFileAtomically(programDir / download.fileName, text).ok) {
    return {false, "ATTENTION: " + Shown(download) + " could not be written and was not changed.",
            MessageIcon::Exclamation};
  }
  // The second copy is a convenience for one particular set-up: its absence is no failure.
  if (secondCopy) WriteFileAtomically(*secondCopy, text);
  return {true,
          std::string("OK, new Internet kepler data with ") + Shown(download) + " downloadet....",
          MessageIcon::None};
}

DownloadResult DownloadElementFile(InternetLibrary& internet, const std::string& url,
                                   const std::filesystem::path& programDir,
                                   const ElementDownload& download) {
  bool complete = false;
  const std::string body = ReadUrl(internet, url, &complete);
  // Blocks that arrived before the connection broke off are not the provider's file.
  if (!complete && body.size() <= kMaxBodyBytes) {
    return Refusal(url, download, " (the transfer did not complete)");
  }
  const auto secondCopy =
      download.fixedCopy ? WindowsDrivePath(kFixedCopyPath) : std::optional<std::filesystem::path>{};
  return StoreElementDownload(body, url, programDir, download, secondCopy);
}

}  // namespace rdz
