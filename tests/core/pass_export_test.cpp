// The pass list as CSV lines and as a calendar.
#include <gtest/gtest.h>

#include <algorithm>

#include "core/passes/pass_export.h"
#include "core/passes/pass_time.h"

namespace rdz {
namespace {

PassRow Row(const std::string& name, std::int64_t aos, double aosAz, double maxEl, double losAz) {
  PassRow r;
  r.number = 7, r.name = name;
  r.pass.aos = {aos, aosAz, 0.01};
  r.pass.tca = {aos + 300, 123.45, maxEl};
  r.pass.los = {aos + 611, losAz, 0.02};
  return r;
}

const std::int64_t kNewYear = UnixSeconds({2027, 1, 1, 0, 0, 0});

TEST(PassExport, CsvLinesCarryUtcTimesOneDecimalAndQuotedNames) {
  const std::string csv = PassesCsv({Row("AO-07", kNewYear - 5, 359.96, 45.04, -0.0),
                                     Row("A,\"B\"", kNewYear, 0.04, 0.04, 12.25)}, "\r\n");
  EXPECT_EQ(csv.substr(csv.find("\r\n") + 2),  // 12.25 is 12.2499...
            "AO-07,2026-12-31T23:59:55Z,0.0,2027-01-01T00:04:55Z,123.5,45.0,2027-01-01T00:10:06Z,0.0,611\r\n"
            "\"A,\"\"B\"\"\",2027-01-01T00:00:00Z,0.0,2027-01-01T00:05:00Z,123.5,0.0,2027-01-01T00:10:11Z,12.2,611\r\n");
}

// Content lines of a calendar, unfolded.
std::vector<std::string> Unfolded(const std::string& ics) {
  std::vector<std::string> lines;
  std::size_t at = 0;
  while (at < ics.size()) {
    const std::size_t end = ics.find("\r\n", at);
    EXPECT_NE(end, std::string::npos) << "every line ends with CR LF";
    if (end == std::string::npos) break;
    const std::string line = ics.substr(at, end - at);
    EXPECT_LE(line.size(), 75u) << line;
    EXPECT_EQ(line.find('\n'), std::string::npos);
    if (!line.empty() && line[0] == ' ') lines.back() += line.substr(1);
    else lines.push_back(line);
    at = end + 2;
  }
  return lines;
}

TEST(PassExport, CalendarFoldsLongLinesBetweenCharactersAndEscapesItsText) {
  // A Latin-1 name long enough to be folded inside its two-byte characters;
  // in the UID it makes a long plain line.
  const std::string name = "SAT;" + std::string(80, '\xE9') + std::string(80, 'x');
  const std::string ics = PassesCalendar({Row(name, kNewYear, 10, 44.5, 20)}, kNewYear - 86400);
  const auto lines = Unfolded(ics);
  std::string utf8;
  for (int i = 0; i < 80; ++i) utf8 += "\xC3\xA9";
  for (const std::string& want : {"SUMMARY:SAT\\;" + utf8 + std::string(80, 'x') + " pass\\, max 44\xC2\xB0",  // 44.5 to even
                                  std::string("DTSTART:20270101T000000Z"), std::string("DTEND:20270101T001011Z"),
                                  std::string("DTSTAMP:20261231T000000Z")}) {
    EXPECT_NE(std::find(lines.begin(), lines.end(), want), lines.end()) << want;
  }
  EXPECT_EQ(lines.front() + "|" + lines.back(), "BEGIN:VCALENDAR|END:VCALENDAR");
}

}  // namespace
}  // namespace rdz
