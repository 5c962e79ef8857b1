#pragma once
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace rdz {

// Where the line that starts at `begin` ends: CR LF, LF and a lone CR each end
// a line. `end` is where its text stops, `next` where the following line starts.
struct LineEnd {
  std::size_t end, next;
};
LineEnd FindLineEnd(std::string_view text, std::size_t begin);

// Splits single-byte text into lines as above. Text after the last line end is
// a last line of its own.
std::vector<std::string> SplitTextLines(std::string_view text);

inline constexpr const char* kUtf16Refused = "UTF-16 text is not supported";

// The text of a file's bytes: a UTF-8 byte-order mark is dropped; UTF-16 (told
// by its byte-order mark, or by zero bytes beside ASCII) gives nothing, with
// kUtf16Refused in `reason`.
std::optional<std::string_view> SingleByteText(std::string_view bytes, std::string* reason = nullptr);

// Reads a whole regular file's text as above. Nothing when the file is missing,
// is no regular file, cannot be read or is UTF-16; `reason` then gets the
// system's few words. Never throws.
std::optional<std::string> ReadTextFile(const std::filesystem::path& path, std::string* reason = nullptr);

// Reads a whole regular file and splits it as above. Nothing when the file is
// missing, is no regular file (a folder, a FIFO: never waited on) or cannot be
// read; `reason` then gets the system's few words for why. Never throws.
std::optional<std::vector<std::string>> ReadTextLines(const std::filesystem::path& path,
                                                      std::string* reason = nullptr);

// The text without the given characters at either end.
std::string_view TrimBlanks(std::string_view text, std::string_view blanks = " ");

}  // namespace rdz
