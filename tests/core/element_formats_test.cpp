#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <sstream>
#include <string>
#include <tuple>

#include "programs/cli/cli.h"
#include "core/fake_internet.h"
#include "core/temp_dir.h"
#include "core/table/element_age.h"
#include "core/load/element_loader.h"
#include "core/load/settings_in_use.h"
#include "core/elements/element_formats.h"
#include "core/orbit/engine.h"
#include "core/table/live_table.h"
#include "core/orbit/sgp4_model.h"
#include "core/elements/tle_reader.h"
#include "core/base/crlf_text.h"

namespace rdz {
namespace {

// Vanguard 1 (python3-sgp4's sample set) in each format the readers recognise.
const std::string kLine1 = "1 00005U 58002B   20287.20333880 -.00000016  00000-0 -22483-4 0  9998";
const std::string kLine2 = "2 00005  34.2443 225.5254 1845686 162.2516 205.2356 10.84869164218149";
const char* kCsvHeader =
    "OBJECT_NAME,OBJECT_ID,EPOCH,MEAN_MOTION,ECCENTRICITY,INCLINATION,RA_OF_ASC_NODE,"
    "ARG_OF_PERICENTER,MEAN_ANOMALY,EPHEMERIS_TYPE,CLASSIFICATION_TYPE,NORAD_CAT_ID,"
    "ELEMENT_SET_NO,REV_AT_EPOCH,BSTAR,MEAN_MOTION_DOT,MEAN_MOTION_DDOT";
const std::string kJson =
    R"([{"OBJECT_NAME":"VANGUARD 1","OBJECT_ID":"1958-002B","EPOCH":"2020-10-13T04:52:48.472320",
"MEAN_MOTION":10.84869164,"ECCENTRICITY":0.1845686,"INCLINATION":34.2443,"RA_OF_ASC_NODE":225.5254,
"ARG_OF_PERICENTER":162.2516,"MEAN_ANOMALY":205.2356,"EPHEMERIS_TYPE":0,"CLASSIFICATION_TYPE":"U",
"NORAD_CAT_ID":5,"ELEMENT_SET_NO":999,"REV_AT_EPOCH":21814,"BSTAR":-2.2483e-5,
"MEAN_MOTION_DOT":-1.6e-7,"MEAN_MOTION_DDOT":0,"EXTRA":{"a":[1,2]}}])";
const std::filesystem::path kSgp4SampleXml = "/usr/lib/python3/dist-packages/sgp4/sample_omm.xml";

std::string CsvRow(const std::string& name, unsigned catalog) {
  return name + ",1958-002B,2020-10-13T04:52:48.472320,10.84869164,.1845686,34.2443,225.5254,"
                "162.2516,205.2356,0,U," + std::to_string(catalog) + ",999,21814,-.22483E-4,-1.6E-7,0";
}

const CivilTime kLater{2020, 10, 14, 12, 0, 0};

struct Loaded {
  LoadReport report;
  TrackerState state;
};

// amateur.txt and config.txt as the folder holds them, over what the table held.
Loaded Load(const test::TempDir& dir, TrackerState state = {}) {
  state.ElementFileName = "amateur.txt";
  UseSettings(state, ReadSettings(dir.path()));
  LoadReport report = LoadElements(dir.path(), state);
  return {std::move(report), std::move(state)};
}

Loaded Load(const std::string& elements, const std::string& config = "LA = 46.5\r\nLO = 8.95\r\n") {
  test::TempDir dir;
  dir.Write("amateur.txt", elements);
  dir.Write("config.txt", config);
  return Load(dir);
}

TEST(ElementFormats, EveryFormatFillsTheTableWithAnSgp4Entry) {
  if (!std::filesystem::exists(kSgp4SampleXml)) GTEST_SKIP() << kSgp4SampleXml << " missing";
  std::ifstream xml(kSgp4SampleXml);
  const std::string tle3 = "0 VANGUARD 1\r\n" + kLine1 + "\r\n" + kLine2 + "\r\n";
  const std::string tle2 = kLine1 + "\n" + kLine2;
  const struct {
    std::string text;
    ElementFormat format;
    const char* name;
  } kCases[] = {
      {tle3, ElementFormat::Tle, "VANGUARD "},
      {tle2, ElementFormat::Tle, "00005    "},
      {std::string(kCsvHeader) + "\r" + CsvRow("VANGUARD 1", 5) + "\r", ElementFormat::OmmCsv, "VANGUARD "},
      {{std::istreambuf_iterator<char>(xml), {}}, ElementFormat::OmmXml, "VANGUARD "},
      {kJson, ElementFormat::OmmJson, "VANGUARD "},
  };
  const Loaded reference = Load(tle3);
  const EngineContext engine = SetupEngine(reference.state.Station);
  const auto expected = reference.state.Models.at(0)->At(engine, kLater);
  ASSERT_TRUE(expected);
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.text.substr(0, 30));
    // The attitude line names the set as the table shows it, trimmed.
    const Loaded l = Load(c.text, std::string("LA = 46.5\r\nLO = 8.95\r\n") + c.name + " ALAT(10) ALON(200)\r\n");
    EXPECT_TRUE(l.report.outcome == LoadOutcome::Loaded && l.report.counts.format == c.format);
    ASSERT_EQ(l.state.SatCount, 1);
    const ElementSet& sat = l.state.Elements[1];
    EXPECT_EQ(sat.Name, c.name);
    EXPECT_EQ(std::tuple(sat.CatalogNumber, std::string(ModelName(sat)), sat.Alat, sat.Alon),
              std::tuple(5u, std::string("sgp4"), 10.0, 200.0));
    const auto p = l.state.Models.at(0)->At(engine, kLater);
    ASSERT_TRUE(p);
    EXPECT_NEAR(p->raw.azimuth, expected->raw.azimuth, 1e-6);
    EXPECT_NEAR(p->raw.range, expected->raw.range, 1e-5);
    EXPECT_EQ(p->state.RN, expected->state.RN);
  }
}

TEST(ElementFormats, SatsPicksInFileOrderAndEverySetIsAccountedFor) {
  std::string csv = std::string(kCsvHeader) + "\n";
  for (unsigned n = 1; n <= 85; ++n) csv += CsvRow("SAT " + std::to_string(n), 100000 + n) + "\n";
  csv += "BROKEN,1958-002B,not a date,10.8,.18,34,225,162,205,0,U,99,999,1,0,0,0\n";

  const Loaded all = Load(csv);
  EXPECT_EQ(all.state.SatCount, 80);
  EXPECT_EQ(all.state.Elements[80].Name, "SAT 80   ");
  EXPECT_EQ(all.state.LoadSummary,  // the counts as the report holds them
            "Elements (omm csv): 85 read, 1 skipped (1 malformed), 5 left out (table holds 80)");

  const Loaded picked = Load(csv, "SATS = sat 84, 100003 ,SAT 2,nothing\r\n");
  ASSERT_EQ(picked.state.SatCount, 3);
  EXPECT_EQ(picked.state.Elements[1].Name + picked.state.Elements[3].Name, "SAT 2    SAT 84   ");
  EXPECT_EQ(picked.state.Elements[2].CatalogNumber, 100003u);
  EXPECT_EQ(std::pair(picked.report.counts.notSelected, picked.report.counts.leftOut), std::pair(82, 0));

  // The same key picks AMSAT sets, by the whole name too.
  const Loaded amsat = Load(test::SampleElements(), "SATS = 22825, css (tianhe-1)\r\n");
  ASSERT_EQ(amsat.state.SatCount, 2);
  EXPECT_EQ(amsat.state.Elements[1].Name, "AO-27    ");
}

TEST(ElementFormats, CliListsEachEntryWithItsAge) {
  test::TempDir dir;
  dir.Write("v.txt", "0 VANGUARD 1\n" + kLine1 + "\n" + kLine2 + "\n");
  dir.Write("amateur.txt", test::SampleElements());
  std::ostringstream out, err;
  ASSERT_EQ(RunCli({"elements", "--file", "v.txt", "17/10/2020", "16:52:48"}, dir.path(), out, err), 0);
  EXPECT_EQ(out.str(), "1 VANGUARD  5 tle sgp4 2020-10-13T04:52:48Z 4.5\n");
  std::ostringstream amsat;
  ASSERT_EQ(RunCli({"elements", "21/05/2026", "00:40:43"}, dir.path(), amsat, err), 0);
  EXPECT_EQ(amsat.str().rfind("1 AO-07     7530 amsat plan13 2026-05-11T00:40:43Z 10.0\n", 0), 0u);
}

// The warning appears once simulated time passes the newest epoch by AGEWARN days.
TEST(ElementFormats, AgeWarningCrossesItsThresholdInSimulatedTime) {
  Loaded l = Load(test::SampleElements(), "AGEWARN = 3\r\n");
  ASSERT_EQ(l.state.AGEWARN, 3);
  double newest = -1e9;
  for (int k = 1; k <= l.state.SatCount; ++k) newest = std::max(newest, EpochOf(l.state.Elements[k])->days1950);
  const CivilTime start{2026, 5, 12, 0, 0, 0};
  const double startDays = Days1950(start, 0);
  const auto secondsToThreshold = static_cast<std::int64_t>((newest + 3 - startDays) * 86400);
  for (const auto& [offset, warned] : {std::pair{std::int64_t{0}, false}, {secondsToThreshold - 60, false},
                                       {secondsToThreshold + 60, true}}) {
    l.state.Time.Utc = AddSeconds(start, offset);
    const auto texts = ElementAgeAt(l.state, 2, *l.state.Time.Utc);
    EXPECT_EQ(!texts.warning.empty(), warned) << offset;
    EXPECT_EQ(texts.selected.rfind("AO-27 age ", 0), 0u);
  }
  l.state.SatCount = kTableRows + 1;  // a full table: the tracker-off option names no set
  EXPECT_EQ(ElementAgeAt(l.state, kTableRows, start).selected, "");
  l.state.ElementFileName = "geo.txt";
  EXPECT_NE(ElementAgeAt(l.state, -1, AddSeconds(start, secondsToThreshold + 60))
                .warning.find("GEO Kepler Internet"), std::string::npos);
}

// Alpha-5 through a whole file is the catalog passes' case; here the field itself.
TEST(MeanElementReader, CatalogNumbersBeyondFiveDigits) {
  const std::pair<const char*, std::uint32_t> kTle[] = {  // 0: refused
      {"Z9999", 339999}, {"J0000", 180000}, {"P1234", 231234}, {"H9999", 179999},
      {"I0001", 0},      {"O0001", 0},      {"a0001", 0},      {"A 001", 0}};
  for (const auto& [field, number] : kTle) EXPECT_EQ(ReadTleCatalogNumber(field).value_or(0), number) << field;

  const std::string header =
      "OBJECT_NAME,OBJECT_ID,EPOCH,MEAN_MOTION,ECCENTRICITY,INCLINATION,RA_OF_ASC_NODE,"
      "ARG_OF_PERICENTER,MEAN_ANOMALY,NORAD_CAT_ID,BSTAR\r\n";
  const std::string row = ",2026-123T01:02:03.5Z,15.5,.001,51.6,10,20,30,";
  const auto csv = ReadMeanElementText(header + "\"NEW, SAT\",2026-001A" + row + "270001,1e-4\r\n" +
                                       "BIG,X" + row + "123456789,0\r\n" +
                                       "TOO BIG,X" + row + "1234567890,0\r\n" +
                                       "SHORT,X,2026-05-03T01:02:03\r\n");
  ASSERT_EQ(csv.Sets.size(), 2u);
  EXPECT_EQ(csv.Sets[0].Name, "NEW, SAT");
  EXPECT_EQ(csv.Sets[0].Epoch, (CivilTime{2026, 5, 3, 1, 2, 3}));
  EXPECT_EQ((std::vector<std::uint32_t>{csv.Sets[0].CatalogNumber, csv.Sets[1].CatalogNumber}), (std::vector<std::uint32_t>{270001u, 123456789u}));
  EXPECT_EQ(std::pair(csv.SkippedMalformed, csv.SkippedIncomplete), std::pair(1, 1));
}

TEST(MeanElementReader, BadSetsAreCountedAndTheRestRead) {
  std::string corrupt = kLine2;
  corrupt[20] = '6';  // one digit changed, checksum left
  const auto tle = ReadMeanElementText("SAT A\r" + kLine1 + "\r" + kLine2 + "\r" + "SAT B\r\n" +
                                       kLine1 + "\r\n" + corrupt + "\r\n" + "0 SAT C\n" + kLine1 +
                                       "\n" + "SAT D\n" + kLine1 + "\n" + kLine2 + "\n" +
                                       kLine1.substr(0, 60) + "\n" + kLine2 + "\n");
  ASSERT_EQ(tle.Sets.size(), 2u);
  EXPECT_EQ(tle.Sets[0].Name + tle.Sets[1].Name, "SAT ASAT D");
  EXPECT_EQ(std::pair(tle.SkippedBadChecksum, tle.SkippedIncomplete), std::pair(1, 2));

  const auto omm = [](const char* id, const char* epoch) {
    return std::string("<omm><OBJECT_NAME>A&amp;B</OBJECT_NAME><NORAD_CAT_ID>") + id + "</NORAD_CAT_ID><EPOCH>" +
           epoch + "</EPOCH><MEAN_MOTION>1</MEAN_MOTION><ECCENTRICITY>0</ECCENTRICITY><INCLINATION>0</INCLINATION>"
           "<RA_OF_ASC_NODE>0</RA_OF_ASC_NODE><ARG_OF_PERICENTER>0</ARG_OF_PERICENTER><MEAN_ANOMALY>0</MEAN_ANOMALY></omm>";
  };
  const auto xml = ReadMeanElementText("<?xml version=\"1.0\"?><ndm><!-- two sets --><omm><OBJECT_NAME>OPEN</OBJECT_NAME>" +
                                       omm("7", "2026-02-29T00:00:00") + omm("8", "2024-02-29T23:59:59.999") +
                                       "<omm><OBJECT_NAME>NO EPOCH</OBJECT_NAME></omm><omm><OBJECT_NAME>CUT");
  ASSERT_EQ(xml.Sets.size(), 1u);
  EXPECT_TRUE(xml.Sets[0].Name == "A&B" && xml.Sets[0].CatalogNumber == 8u);
  // 29 February 2026 does not exist; not closed, no epoch, cut off.
  EXPECT_EQ(std::pair(xml.SkippedMalformed, xml.SkippedIncomplete), std::pair(1, 3));
  const auto json = ReadMeanElementText(kJson.substr(0, kJson.size() - 1) + ",{\"OBJECT_NAME\":");
  EXPECT_EQ(std::pair(json.Sets.size(), json.SkippedIncomplete), std::pair(std::size_t{1}, 1));
}

// A TLE set and each format's whole set: the first test.
TEST(MeanElementReader, FormatIsTakenFromTheContent) {
  const std::pair<std::string, ElementFormat> kCases[] = {
      {"\xEF\xBB\xBF  <?xml version=\"1.0\"?><ndm/>", ElementFormat::OmmXml}, {"\n[]", ElementFormat::OmmJson},
      {"{}", ElementFormat::OmmJson}, {"hello\n1 2\n", ElementFormat::Unknown}, {"", ElementFormat::Unknown}};
  for (const auto& [text, format] : kCases) EXPECT_EQ(ReadMeanElementText(text).Format, format) << text;
}

// One block in the provider's layout with CR LF line ends.
std::string Block(const std::string& name) { return CrLfText(test::Block(name)); }

std::string Blocks(int count) {
  std::string text = test::CrLf({"TO ALL RADIO AMATEURS BT", ""});
  for (int i = 1; i <= count; ++i) text += Block("SAT-" + std::to_string(i));
  return text;
}

// Names are cut or padded to nine characters from the fixed column 12.
TEST(ElementFile, ReadsEveryFieldFromItsColumnAndEachAttitudeByTrimmedName) {
  test::TempDir dir;
  dir.Write("amateur.txt", Block("AO-07") + Block("UO-11") + Block("AO-0") + Block("VERYLONGNAME12") +
                               CrLfText(test::Block("AO-10").replace(10, 1, "")));
  dir.Write("config.txt", test::CrLf({"UO-11 ALAT(5) ALON(6)", "AO-07 ALAT(-45) ALON(210)"}));
  const auto [report, state] = Load(dir);
  EXPECT_EQ(report.outcome, LoadOutcome::Loaded);
  ASSERT_EQ(state.SatCount, 5);
  const ElementSet& s = state.Elements[1];
  EXPECT_EQ(s.Name + state.Elements[4].Name + state.Elements[5].Name, "AO-07    VERYLONGNO-10     ");
  EXPECT_EQ((std::vector{s.EpochYear, s.EpochDay, s.Inclination, s.Raan, s.Eccentricity,
                         s.ArgPerigee, s.MeanAnomaly, s.MeanMotion, s.DecayRate, s.EpochRev,
                         s.SemiAxis, s.Alat, s.Alon}),
            (std::vector{2026.0, 131.02828537, 101.9918, 143.8856, 0.0012125, 200.3561, 181.7211,
                         12.53697443, -3.4e-07, 35586.0, 0.0, -45.0, 210.0}));
  EXPECT_EQ(state.Elements[2].Alat, 5);
  EXPECT_EQ(state.Elements[3].Alat, -45);  // the line begins with "AO-0" too
}

// Elements that describe no orbit keep their row, never computed; the summary says why.
TEST(ElementFile, ImplausibleElementsMakeTheSetFailWithItsReason) {
  const std::pair<std::string, std::string> cases[] = {
      {"26131.02828537|26000.5", "epoch day outside 1..366"}, {"26131.02828537|26367.0", "epoch day outside 1..366"},
      {"101.9918|999.9999", "inclination outside 0..180"},    {"0.0012125|1.0", "eccentricity outside 0..1"},
      {"143.8856|-43.8856", "RAAN outside 0..360"},           {"181.7211|1e999", "a field that is no finite number"},
      {"35586|-301757", "negative revolution number"}};
  test::TempDir dir;
  const EngineContext engine = SetupEngine({});
  for (const auto& [change, why] : cases) {
    std::string bad = Block("BAD");
    const auto bar = change.find('|');
    bad.replace(bad.find(change.substr(0, bar)), bar, change.substr(bar + 1));
    dir.Write("amateur.txt", Block("AO-07") + bad);
    const auto [report, state] = Load(dir);
    EXPECT_EQ(state.LoadSummary, "Elements (amsat): 2 read, 1 unusable (1 " + why + ")");
    EXPECT_TRUE(state.Models.at(0)->At(engine, CivilTime{2026, 5, 11, 12, 0, 0})) << why;
    EXPECT_FALSE(state.Models.at(1)->At(engine, CivilTime{2026, 5, 11, 12, 0, 0})) << why;
  }
}

// Without a usable set, or without the file (a folder stands in its place),
// the table keeps what it had and the summary says why.
TEST(ElementFile, AFileWithoutAUsableSetChangesNothing) {
  test::TempDir dir;
  dir.Write("amateur.txt", Blocks(3));
  const TrackerState loaded = Load(dir).state;
  const std::string cutShort = "no usable element set (Elements (amsat): 0 read, 1 skipped (1 cut short))";
  const std::pair<std::string, std::string> cases[] = {
      {" \r\n\n", "the file is empty"},
      {"no satellites\r\n", "no usable element set (Elements (unknown format): 0 read)"},
      {test::Block("X", "-1"), "no usable element set (Elements (amsat): 1 read, 1 unusable (1 mean motion not above 0))"},
      {Block("AO-07").substr(0, Block("AO-07").find("Epoch rev")), cutShort},
      {"", "not a regular file"}};
  for (const auto& [text, why] : cases) {
    std::filesystem::remove(dir.path() / "amateur.txt");
    if (text.empty()) std::filesystem::create_directory(dir.path() / "amateur.txt");
    else dir.Write("amateur.txt", text);
    const auto [report, state] = Load(dir, loaded);
    EXPECT_TRUE(report.outcome == LoadOutcome::MissingElementFile && report.file == "amateur.txt");
    EXPECT_TRUE(state.LoadFailed && state.Models.size() == 3u);
    EXPECT_EQ(state.LoadSummary, "amateur.txt: " + why + " - the 3 sets loaded before are kept");
  }
  std::filesystem::remove(dir.path() / "amateur.txt");
  dir.Write("amateur.txt", Block("AO-07").substr(0, 80));
  EXPECT_EQ(Load(dir).state.LoadSummary, "amateur.txt: " + cutShort);
  dir.Write("amateur.txt", Blocks(1));
  const TrackerState one = Load(dir).state;
  dir.Write("amateur.txt", " \r\n");
  EXPECT_EQ(Load(dir, one).state.LoadSummary, "amateur.txt: the file is empty - the 1 set loaded before is kept");
}

// Without config.txt (a folder stands in its place) every satellite has the default attitude.
TEST(ElementFile, AnUnreadableConfigFileIsMissing) {
  test::TempDir dir;
  dir.Write("amateur.txt", Blocks(5));
  std::filesystem::create_directories(dir.path() / "config.txt" / "x");
  TrackerState earlier;
  earlier.Elements[5].Alat = 7;
  const auto [report, state] = Load(dir, earlier);
  EXPECT_TRUE(report.outcome == LoadOutcome::MissingConfigFile);
  EXPECT_EQ(report.file + ": " + report.reason, "config.txt: not a regular file");
  EXPECT_EQ(std::pair(state.Elements[5].Alat, state.Elements[5].Alon), std::pair(0.0, 180.0));
}

}  // namespace
}  // namespace rdz
