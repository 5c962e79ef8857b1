#include "core/elements/element_formats.h"

#include <array>

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

template <void (*Read)(const std::vector<std::string>&, MeanElementFile&)>
void ReadMeanLines(std::string_view text, MeanElementFile& file) {
  Read(SplitTextLines(text), file);
}

void ReadAmsatText(std::string_view text, KeplerSets& out) { ReadAmsatSets(SplitTextLines(text), out); }

// In the order the formats are told apart: the first that recognises a text
// reads it. A new format is a reader and a row here.
constexpr std::array<ElementFormatRow, 6> kFormats{{
    {ElementFormat::OmmXml, "omm xml", [](FormatProbe& t) { return t.Body().starts_with('<'); },
     ReadOmmXml, nullptr},
    {ElementFormat::OmmJson, "omm json",
     [](FormatProbe& t) { return t.Body().starts_with('[') || t.Body().starts_with('{'); },
     ReadOmmJson, nullptr},
    {ElementFormat::OmmCsv, "omm csv", [](FormatProbe& t) { return LooksLikeOmmCsv(t.Lines()); },
     ReadMeanLines<ReadOmmCsv>, nullptr},
    {ElementFormat::Tle, "tle", [](FormatProbe& t) { return LooksLikeTle(t.Lines()); },
     ReadMeanLines<ReadTleLines>, nullptr},
    {ElementFormat::Amsat, "amsat", [](FormatProbe& t) { return LooksLikeAmsat(t.Lines()); },
     nullptr, ReadAmsatText},
    // Recognised by none: still searched for AMSAT blocks, the program's first format.
    {ElementFormat::Unknown, "unknown format", nullptr, nullptr, ReadAmsatText},
}};

}  // namespace

const std::vector<std::string>& FormatProbe::Lines() {
  if (!lines_) lines_ = SplitTextLines(body_);
  return *lines_;
}

const ElementFormatRow& RecogniseElementFormat(std::string_view text) {
  FormatProbe probe(TrimField(SingleByteOrNothing(text)));
  for (const ElementFormatRow& row : kFormats) {
    if (row.recognises != nullptr && row.recognises(probe)) return row;
  }
  return kFormats.back();
}

const char* ElementFormatWord(ElementFormat format) {
  for (const ElementFormatRow& row : kFormats) {
    if (row.format == format) return row.word;
  }
  return kFormats.back().word;
}

ElementFormat DetectElementFormat(std::string_view text) { return RecogniseElementFormat(text).format; }

MeanElementFile ReadMeanElementText(std::string_view text) {
  text = SingleByteOrNothing(text);
  MeanElementFile file;
  const ElementFormatRow& format = RecogniseElementFormat(text);
  file.Format = format.format;
  if (format.readMean != nullptr) format.readMean(text, file);
  return file;
}

}  // namespace rdz
