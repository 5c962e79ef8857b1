#include "core/passes/pass_export.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "core/passes/pass_time.h"

namespace rdz {

namespace {

// Names come from single-byte files: read them as Latin-1, drop control bytes.
std::string Utf8FromLatin1(std::string_view text) {
  std::string out;
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || byte == 0x7F) continue;
    if (byte < 0x80) {
      out += c;
    } else {
      out += static_cast<char>(0xC0 | (byte >> 6));
      out += static_cast<char>(0x80 | (byte & 0x3F));
    }
  }
  return out;
}

std::string CsvField(const std::string& text) {
  if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
  std::string out = "\"";
  for (const char c : text) {
    if (c == '"') out += '"';
    out += c;
  }
  return out + "\"";
}

// Escapes of the calendar's TEXT values.
std::string CalendarText(std::string_view text) {
  std::string out;
  for (const char c : text) {
    if (c == '\n') {
      out += "\\n";
      continue;
    }
    if (c == '\\' || c == ';' || c == ',') out += '\\';
    out += c;
  }
  return out;
}

// A content line cut into pieces of at most 75 octets, never inside a UTF-8
// character; each continuation starts with a blank.
std::string Folded(std::string_view line) {
  std::string out;
  std::size_t width = 75;
  while (line.size() > width) {
    std::size_t cut = width;
    while (cut > 0 && (static_cast<unsigned char>(line[cut]) & 0xC0) == 0x80) --cut;
    out.append(line.substr(0, cut));
    out += "\r\n ";
    line.remove_prefix(cut);
    width = 74;
  }
  out.append(line);
  return out + "\r\n";
}

std::string UidPart(const std::string& name) {
  std::string out;
  for (const char c : name) {
    const bool plain = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
                       c == '-';
    out += plain ? c : '_';
  }
  return out;
}

}  // namespace

std::string Angle1(double degrees) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%.1f", degrees);
  // A value that rounds to zero from below must not show as "-0.0".
  if (std::string_view(buffer) == "-0.0") return "0.0";
  return buffer;
}

std::string Azimuth1(double degrees) { return degrees >= 359.95 ? "0.0" : Angle1(degrees); }

std::string PassesCsv(const std::vector<PassRow>& rows, std::string_view lineEnd, bool catalog) {
  std::string out = catalog ? std::string("catalog,") + kPassCsvHeader : std::string(kPassCsvHeader);
  out += lineEnd;
  for (const PassRow& r : rows) {
    const Pass& p = r.pass;
    if (catalog) out += std::to_string(r.catalog) + ",";
    out += CsvField(r.name) + "," + IsoUtc(p.aos.time) + "," + Azimuth1(p.aos.azimuth) + "," +
           IsoUtc(p.tca.time) + "," + Azimuth1(p.tca.azimuth) + "," + Angle1(p.tca.elevation) +
           "," + IsoUtc(p.los.time) + "," + Azimuth1(p.los.azimuth) + "," +
           std::to_string(p.Duration());
    out += lineEnd;
  }
  return out;
}

std::string PassSummary(const PassRow& row) {
  const double top = std::nearbyint(row.pass.tca.elevation);
  char degrees[16];
  std::snprintf(degrees, sizeof degrees, "%.0f", top == 0 ? 0.0 : top);
  return Utf8FromLatin1(row.name) + " pass, max " + degrees + "\xC2\xB0";
}

std::string PassesCalendar(const std::vector<PassRow>& rows, std::int64_t stamp) {
  std::string out = Folded("BEGIN:VCALENDAR");
  out += Folded("VERSION:2.0");
  out += Folded("PRODID:-//RodeDizevad//Passes//EN");
  out += Folded("CALSCALE:GREGORIAN");
  out += Folded("METHOD:PUBLISH");
  for (const PassRow& r : rows) {
    const Pass& p = r.pass;
    const std::string description =
        "AOS " + IsoUtc(p.aos.time) + " az " + Azimuth1(p.aos.azimuth) + "\nhighest " +
        IsoUtc(p.tca.time) + " az " + Azimuth1(p.tca.azimuth) + " el " + Angle1(p.tca.elevation) +
        "\nLOS " + IsoUtc(p.los.time) + " az " + Azimuth1(p.los.azimuth) + "\nduration " +
        std::to_string(p.Duration()) + " s";
    out += Folded("BEGIN:VEVENT");
    out += Folded("UID:" + std::to_string(p.aos.time) + "-" + std::to_string(r.number) + "-" +
                  UidPart(r.name) + "@passes.rodedizevad");
    out += Folded("DTSTAMP:" + CalendarUtc(stamp));
    out += Folded("DTSTART:" + CalendarUtc(p.aos.time));
    // An event must end after it starts, even a pass of one second.
    out += Folded("DTEND:" + CalendarUtc(std::max(p.los.time, p.aos.time + 1)));
    out += Folded("SUMMARY:" + CalendarText(PassSummary(r)));
    out += Folded("DESCRIPTION:" + CalendarText(description));
    out += Folded("TRANSP:TRANSPARENT");
    out += Folded("END:VEVENT");
  }
  out += Folded("END:VCALENDAR");
  return out;
}

}  // namespace rdz
