#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/elements/amsat_reader.h"
#include "core/elements/mean_elements.h"

namespace rdz {

// An element text as the formats are told apart: trimmed, split into lines
// once, when a format first asks for them.
class FormatProbe {
 public:
  explicit FormatProbe(std::string_view body) : body_(body) {}
  std::string_view Body() const { return body_; }
  const std::vector<std::string>& Lines();

 private:
  std::string_view body_;
  std::optional<std::vector<std::string>> lines_;
};

// One element format: its word in the load summary, how its texts are
// recognised, and its reader. A format gives either SGP4 mean elements
// (readMean) or entries for the program's own model (readKepler).
struct ElementFormatRow {
  ElementFormat format;
  const char* word;
  bool (*recognises)(FormatProbe& text);
  void (*readMean)(std::string_view text, MeanElementFile& file);
  void (*readKepler)(std::string_view text, KeplerSets& out);
};

// The row of the first format, in the table's order, that recognises the
// text; the row of ElementFormat::Unknown when none does.
const ElementFormatRow& RecogniseElementFormat(std::string_view text);

// "tle", "omm csv", ..., "unknown format".
const char* ElementFormatWord(ElementFormat format);

// What an element text is, judged by its content alone.
ElementFormat DetectElementFormat(std::string_view text);

// Reads a TLE or OMM text. An AMSAT or unknown text gives no sets, only its format.
MeanElementFile ReadMeanElementText(std::string_view text);

}  // namespace rdz
