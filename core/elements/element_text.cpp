#include "core/elements/element_text.h"

#include "core/elements/element_fields.h"
#include "core/elements/omm_reader.h"
#include "core/elements/tle_reader.h"
#include "core/base/text_lines.h"

namespace rdz {
namespace {

// UTF-16 text holds no sets the readers could find.
std::string_view SingleByteOrNothing(std::string_view text) {
  return SingleByteText(text).value_or(std::string_view());
}

bool IsCsvHeader(std::string_view line) {
  return line.find(',') != line.npos && line.find("EPOCH") != line.npos &&
         line.find("MEAN_MOTION") != line.npos;
}

}  // namespace

ElementFormat DetectElementFormat(std::string_view text) {
  text = SingleByteOrNothing(text);
  const std::string_view body = TrimField(text);
  if (body.starts_with('<')) return ElementFormat::OmmXml;
  if (body.starts_with('[') || body.starts_with('{')) return ElementFormat::OmmJson;
  const auto lines = SplitTextLines(body);
  if (!lines.empty() && IsCsvHeader(lines.front())) return ElementFormat::OmmCsv;
  if (LooksLikeTle(lines)) return ElementFormat::Tle;
  for (const auto& line : lines)
    if (line.starts_with("Satellite:")) return ElementFormat::Amsat;
  return ElementFormat::Unknown;
}

MeanElementFile ReadMeanElementText(std::string_view text) {
  text = SingleByteOrNothing(text);
  MeanElementFile file;
  file.Format = DetectElementFormat(text);
  switch (file.Format) {
    case ElementFormat::Tle: ReadTleLines(SplitTextLines(text), file); break;
    case ElementFormat::OmmCsv: ReadOmmCsv(SplitTextLines(text), file); break;
    case ElementFormat::OmmXml: ReadOmmXml(text, file); break;
    case ElementFormat::OmmJson: ReadOmmJson(text, file); break;
    case ElementFormat::Amsat:
    case ElementFormat::Unknown: break;
  }
  return file;
}

}  // namespace rdz
