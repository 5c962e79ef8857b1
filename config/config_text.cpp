#include "config/config_text.h"

#include <system_error>

#include "platform/atomic_file.h"
#include "platform/text_lines.h"

namespace rdz {

std::string EditorTextFromLines(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) {
    if (line.empty()) continue;
    text += line;
    text += "\r\n";
  }
  return text;
}

EditorText ReadConfigForEditor(const std::filesystem::path& file) {
  std::error_code ec;
  if (std::filesystem::status(file, ec).type() == std::filesystem::file_type::not_found) {
    return {true, {}, {}};
  }
  // Anything else that cannot be read, a folder or a FIFO included, is never
  // taken for an empty file: the editor would save over it.
  std::string reason;
  const auto lines = ReadTextLines(file, &reason);
  if (!lines) return {false, {}, reason};
  return {true, EditorTextFromLines(*lines), {}};
}

std::string ConfigFileBytes(std::string_view editorText) {
  std::string bytes;
  bytes.reserve(editorText.size() + editorText.size() / 16 + 2);
  for (std::size_t i = 0; i < editorText.size(); ++i) {
    const char c = editorText[i];
    if (c == '\n' && (i == 0 || editorText[i - 1] != '\r')) bytes += '\r';
    bytes += c;
  }
  bytes += "\r\n";
  return bytes;
}

WriteOutcome SaveConfigFromEditor(const std::filesystem::path& file, std::string_view editorText) {
  return WriteFileAtomically(file, ConfigFileBytes(editorText));
}

}  // namespace rdz
