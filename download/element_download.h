#pragma once
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "download/internet_library.h"
#include "platform/message_box.h"

namespace rdz {

inline constexpr const char* kFixedCopyPath = "d:\\prog\\radio\\dude\\amateur.txt";

// One of the two download commands: the file it writes and the box shown
// before the network is waited for.
struct ElementDownload {
  const char* fileName;
  const char* waitingText;
  bool fixedCopy;  // also writes kFixedCopyPath, where that drive exists
};

inline constexpr ElementDownload kNewFileDownload{
    "amateur1.txt", "ATTENTION: Waiting INTERNET network and create new file amateur1.txt", false};
inline constexpr ElementDownload kUpdateDownload{
    "amateur.txt", "ATTENTION: Waiting INTERNET network and UPDATE new file amateur.txt", true};

// What the command tells the user, and whether the file now holds new
// element sets (then it is loaded; otherwise the table keeps what it showed).
struct DownloadResult {
  bool written = false;
  std::string message;
  MessageIcon icon = MessageIcon::None;
};

// The body as an element file: every LF becomes CR LF, then one CR LF more.
std::string ElementFileText(std::string_view body);

// Checks the body and writes the element file (and the second copy, when
// given; its failure is ignored). A body without a complete "Satellite:"
// block, or one larger than kMaxBodyBytes, leaves every file as it was.
DownloadResult StoreElementDownload(std::string_view body, const std::string& url,
                                    const std::filesystem::path& programDir,
                                    const ElementDownload& download,
                                    const std::optional<std::filesystem::path>& secondCopy);

// Fetches the URL and stores it as above; a body that did not arrive to its
// end leaves every file as it was too.
DownloadResult DownloadElementFile(InternetLibrary& internet, const std::string& url,
                                   const std::filesystem::path& programDir,
                                   const ElementDownload& download);

}  // namespace rdz
