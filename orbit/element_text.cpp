#include "orbit/element_text.h"

#include <fstream>
#include <sstream>

#include "orbit/element_fields.h"
#include "orbit/omm_reader.h"
#include "orbit/tle_reader.h"

namespace rdz {
namespace {

std::string_view WithoutByteOrderMark(std::string_view text) {
  if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
  return text;
}

bool IsCsvHeader(std::string_view line) {
  return line.find(',') != line.npos && line.find("EPOCH") != line.npos &&
         line.find("MEAN_MOTION") != line.npos;
}

}  // namespace

std::vector<std::string> SplitAnyLines(std::string_view text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\r' && text[i] != '\n') continue;
    lines.emplace_back(text.substr(start, i - start));
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    start = i + 1;
  }
  if (start < text.size()) lines.emplace_back(text.substr(start));
  return lines;
}

ElementFormat DetectElementFormat(std::string_view text) {
  text = WithoutByteOrderMark(text);
  const std::string_view body = TrimField(text);
  if (body.starts_with('<')) return ElementFormat::OmmXml;
  if (body.starts_with('[') || body.starts_with('{')) return ElementFormat::OmmJson;
  const auto lines = SplitAnyLines(body);
  if (!lines.empty() && IsCsvHeader(lines.front())) return ElementFormat::OmmCsv;
  if (LooksLikeTle(lines)) return ElementFormat::Tle;
  for (const auto& line : lines)
    if (line.starts_with("Satellite:")) return ElementFormat::Amsat;
  return ElementFormat::Unknown;
}

MeanElementFile ReadMeanElementText(std::string_view text) {
  text = WithoutByteOrderMark(text);
  MeanElementFile file;
  file.Format = DetectElementFormat(text);
  switch (file.Format) {
    case ElementFormat::Tle: ReadTleLines(SplitAnyLines(text), file); break;
    case ElementFormat::OmmCsv: ReadOmmCsv(SplitAnyLines(text), file); break;
    case ElementFormat::OmmXml: ReadOmmXml(text, file); break;
    case ElementFormat::OmmJson: ReadOmmJson(text, file); break;
    case ElementFormat::Amsat:
    case ElementFormat::Unknown: break;
  }
  return file;
}

std::optional<MeanElementFile> ReadMeanElementFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::ostringstream text;
  text << in.rdbuf();
  if (in.bad()) return std::nullopt;
  return ReadMeanElementText(text.str());
}

}  // namespace rdz
