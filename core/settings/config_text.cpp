#include "core/settings/config_text.h"

#include <system_error>

#include "core/settings/settings.h"
#include "core/base/atomic_file.h"
#include "core/base/text_lines.h"

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

EditorText ReadConfigForEditor(const std::filesystem::path& programDir) {
  std::string reason;
  bool missing = false;
  const auto bytes = ReadConfigBytes(programDir, &reason, &missing);
  // Anything but a missing file that cannot be read, a folder or a FIFO
  // included, is never taken for an empty file: the editor would save over it.
  if (!bytes) return {missing, {}, missing ? std::string() : reason, {}};
  return {true, EditorTextFromLines(SplitTextLines(*bytes)), {}, *bytes};
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
