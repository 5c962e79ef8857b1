#pragma once
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "core/base/atomic_file.h"

namespace rdz {

// config.txt as the editor shows it: every non-empty line followed by CR LF,
// in file order. Empty lines are dropped; every other line is kept.
std::string EditorTextFromLines(const std::vector<std::string>& lines);

struct EditorText {
  bool readable = true;  // false: the file exists but could not be read
  std::string text;      // lines joined as above
  std::string reason;    // when not readable: why
  std::string bytes;     // the file as read, to tell later whether it changed on disk
};

// config.txt in the program directory. A missing file is readable and empty
// (saving creates it); a file that exists but cannot be read (not a regular
// file, an I/O error) is not readable.
EditorText ReadConfigForEditor(const std::filesystem::path& programDir);

// The bytes the editor writes: its text with each lone LF as CR LF (the text
// box separates lines with LF), followed by one CR LF.
std::string ConfigFileBytes(std::string_view editorText);

// Replaces the file atomically with ConfigFileBytes(editorText). When not
// ok the old file is untouched and the outcome says why.
WriteOutcome SaveConfigFromEditor(const std::filesystem::path& file, std::string_view editorText);

}  // namespace rdz
