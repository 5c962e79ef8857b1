#pragma once
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace rdz {

// Splits single-byte text into lines. A line ends at CR or at CR LF; a lone LF
// stays inside the line. Text after the last line end is a last line of its own.
std::vector<std::string> SplitTextLines(std::string_view text);

// Reads a whole regular file's bytes. Nothing when the file is missing, is no
// regular file or cannot be read; `reason` then gets the system's few words.
// Never throws.
std::optional<std::string> ReadTextFile(const std::filesystem::path& path, std::string* reason = nullptr);

// Reads a whole regular file and splits it as above. Nothing when the file is
// missing, is no regular file (a folder, a FIFO: never waited on) or cannot be
// read; `reason` then gets the system's few words for why. Never throws.
std::optional<std::vector<std::string>> ReadTextLines(const std::filesystem::path& path,
                                                      std::string* reason = nullptr);

// The text without the given characters at either end.
std::string_view TrimBlanks(std::string_view text, std::string_view blanks = " ");

}  // namespace rdz
