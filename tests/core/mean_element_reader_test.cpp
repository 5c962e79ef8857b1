#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "orbit/element_text.h"
#include "orbit/omm_reader.h"
#include "orbit/tle_reader.h"
#include "orbit/sgp4/sgp4.h"

namespace {

using rdz::ElementFormat;
using rdz::ReadMeanElementText;

// Vanguard 1 as in python3-sgp4's sample_omm files, written here as a TLE.
const std::string kLine1 = "1 00005U 58002B   20287.20333880 -.00000016  00000-0 -22483-4 0  9998";
const std::string kLine2 = "2 00005  34.2443 225.5254 1845686 162.2516 205.2356 10.84869164218149";
const std::string kJson =
    R"([{"OBJECT_NAME":"VANGUARD 1","OBJECT_ID":"1958-002B","EPOCH":"2020-10-13T04:52:48.472320",
"MEAN_MOTION":10.84869164,"ECCENTRICITY":0.1845686,"INCLINATION":34.2443,"RA_OF_ASC_NODE":225.5254,
"ARG_OF_PERICENTER":162.2516,"MEAN_ANOMALY":205.2356,"EPHEMERIS_TYPE":0,"CLASSIFICATION_TYPE":"U",
"NORAD_CAT_ID":5,"ELEMENT_SET_NO":999,"REV_AT_EPOCH":21814,"BSTAR":-2.2483e-5,
"MEAN_MOTION_DOT":-1.6e-7,"MEAN_MOTION_DDOT":0,"EXTRA":{"a":[1,2]}}])";

std::string Slurp(const std::filesystem::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

TEST(MeanElementReader, EveryFormatGivesTheSamePropagation) {
  const std::filesystem::path dir = "/usr/lib/python3/dist-packages/sgp4";
  if (!std::filesystem::exists(dir / "sample_omm.csv"))
    GTEST_SKIP() << "python3-sgp4's sample_omm.csv / .xml not installed in " << dir;
  const struct {
    std::string text;
    ElementFormat format;
  } kCases[] = {
      {"0 VANGUARD 1\r\n" + kLine1 + "\r\n" + kLine2 + "\r\n", ElementFormat::Tle},
      {"VANGUARD 1\n" + kLine1 + "\n" + kLine2, ElementFormat::Tle},
      {Slurp(dir / "sample_omm.csv"), ElementFormat::OmmCsv},
      {Slurp(dir / "sample_omm.xml"), ElementFormat::OmmXml},
      {kJson, ElementFormat::OmmJson},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.text.substr(0, 40));
    const auto file = ReadMeanElementText(c.text);
    EXPECT_EQ(file.Format, c.format);
    ASSERT_EQ(file.Sets.size(), 1u);
    EXPECT_EQ(file.Skipped(), 0);
    const auto& set = file.Sets[0];
    EXPECT_EQ(set.Name, "VANGUARD 1");
    EXPECT_EQ(set.CatalogNumber, 5u);
    EXPECT_EQ(set.EpochRev, 21814);
    EXPECT_EQ(set.Epoch, (rdz::CivilTime{2020, 10, 13, 4, 52, 48}));
    EXPECT_NEAR(set.EpochSecondFraction, 0.47232, 1e-4);
    // Reference: the TLE itself, whose epoch is exact to the day's eighth decimal.
    static const auto ref = ReadMeanElementText("\n" + kLine1 + "\n" + kLine2 + "\n").Sets.at(0);
    EXPECT_NEAR(set.EpochDays1950, ref.EpochDays1950, 1e-9);
    const rdz::sgp4::Propagator model(rdz::ToSgp4Elements(set));
    for (const double t : {0.0, 1440.0, -4000.0}) {
      const auto s = model.At(t);
      ASSERT_EQ(s.error, rdz::sgp4::Error::None);
      const auto r = rdz::sgp4::Propagator(rdz::ToSgp4Elements(ref)).At(t);
      for (int j = 0; j < 3; ++j) EXPECT_NEAR(s.position[j], r.position[j], 1e-3) << t;
    }
  }
}

TEST(MeanElementReader, CatalogNumbersBeyondFiveDigits) {
  const std::string alpha5 =
      "1 A0001U 58002B   20287.20333880 -.00000016  00000-0 -22483-4 0  9994\n"
      "2 A0001  34.2443 225.5254 1845686 162.2516 205.2356 10.84869164218145\n";
  const auto tle = ReadMeanElementText(alpha5);
  ASSERT_EQ(tle.Sets.size(), 1u);
  EXPECT_EQ(tle.Sets[0].CatalogNumber, 100001u);
  EXPECT_EQ(tle.Sets[0].Name, "A0001");

  const struct {
    const char* field;
    std::uint32_t number;  // 0: refused
  } kTle[] = {{"Z9999", 339999}, {"J0000", 180000}, {"P1234", 231234}, {"H9999", 179999},
              {"I0001", 0},      {"O0001", 0},      {"a0001", 0},      {"A 001", 0}};
  for (const auto& c : kTle)
    EXPECT_EQ(rdz::ReadTleCatalogNumber(c.field).value_or(0), c.number) << c.field;

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
  EXPECT_EQ(csv.Sets[0].CatalogNumber, 270001u);
  EXPECT_EQ(csv.Sets[0].Epoch, (rdz::CivilTime{2026, 5, 3, 1, 2, 3}));
  EXPECT_EQ(csv.Sets[1].CatalogNumber, 123456789u);
  EXPECT_EQ(csv.SkippedMalformed, 1);
  EXPECT_EQ(csv.SkippedIncomplete, 1);
}

TEST(MeanElementReader, BadSetsAreCountedAndTheRestRead) {
  std::string corrupt = kLine2;
  corrupt[20] = '6';  // one digit changed, checksum left
  const auto tle = ReadMeanElementText("SAT A\r" + kLine1 + "\r" + kLine2 + "\r" + "SAT B\r\n" +
                                       kLine1 + "\r\n" + corrupt + "\r\n" + "0 SAT C\n" + kLine1 +
                                       "\n" + "SAT D\n" + kLine1 + "\n" + kLine2 + "\n" +
                                       kLine1.substr(0, 60) + "\n" + kLine2 + "\n");
  ASSERT_EQ(tle.Sets.size(), 2u);
  EXPECT_EQ(tle.Sets[0].Name, "SAT A");
  EXPECT_EQ(tle.Sets[1].Name, "SAT D");
  EXPECT_EQ(tle.SkippedBadChecksum, 1);
  EXPECT_EQ(tle.SkippedIncomplete, 2);

  const auto xml = ReadMeanElementText(
      "<?xml version=\"1.0\"?><ndm><!-- two sets --><omm><OBJECT_NAME>OPEN</OBJECT_NAME>"
      "<omm><OBJECT_NAME>A&amp;B</OBJECT_NAME>"
      "<NORAD_CAT_ID>7</NORAD_CAT_ID><EPOCH>2026-02-29T00:00:00</EPOCH><MEAN_MOTION>1</MEAN_MOTION>"
      "<ECCENTRICITY>0</ECCENTRICITY><INCLINATION>0</INCLINATION><RA_OF_ASC_NODE>0</RA_OF_ASC_NODE>"
      "<ARG_OF_PERICENTER>0</ARG_OF_PERICENTER><MEAN_ANOMALY>0</MEAN_ANOMALY></omm>"
      "<omm><OBJECT_NAME>A&amp;B</OBJECT_NAME><NORAD_CAT_ID>8</NORAD_CAT_ID>"
      "<EPOCH>2024-02-29T23:59:59.999</EPOCH><MEAN_MOTION>1</MEAN_MOTION>"
      "<ECCENTRICITY>0</ECCENTRICITY><INCLINATION>0</INCLINATION><RA_OF_ASC_NODE>0</RA_OF_ASC_NODE>"
      "<ARG_OF_PERICENTER>0</ARG_OF_PERICENTER><MEAN_ANOMALY>0</MEAN_ANOMALY></omm>"
      "<omm><OBJECT_NAME>NO EPOCH</OBJECT_NAME></omm><omm><OBJECT_NAME>CUT");
  ASSERT_EQ(xml.Sets.size(), 1u);
  EXPECT_EQ(xml.Sets[0].Name, "A&B");
  EXPECT_EQ(xml.Sets[0].CatalogNumber, 8u);
  EXPECT_EQ(xml.SkippedMalformed, 1);   // 29 February 2026 does not exist
  EXPECT_EQ(xml.SkippedIncomplete, 3);  // not closed; no epoch; cut off

  const auto json = ReadMeanElementText(kJson.substr(0, kJson.size() - 1) + ",{\"OBJECT_NAME\":");
  EXPECT_EQ(json.Sets.size(), 1u);
  EXPECT_EQ(json.SkippedIncomplete, 1);
}

TEST(MeanElementReader, FormatIsTakenFromTheContent) {
  const struct {
    std::string text;
    ElementFormat format;
  } kCases[] = {
      {"\xEF\xBB\xBF  <?xml version=\"1.0\"?><ndm/>", ElementFormat::OmmXml},
      {"\n[]", ElementFormat::OmmJson},
      {"OBJECT_NAME,OBJECT_ID,EPOCH,MEAN_MOTION\n", ElementFormat::OmmCsv},
      {"ISS\n" + kLine1 + "\n" + kLine2, ElementFormat::Tle},
      {"Satellite: AO-10\r\nCatalog number: 14129\r\n", ElementFormat::Amsat},
      {"hello\n1 2\n", ElementFormat::Unknown},
      {"", ElementFormat::Unknown},
  };
  for (const auto& c : kCases) {
    const auto file = ReadMeanElementText(c.text);
    EXPECT_EQ(file.Format, c.format) << c.text;
    EXPECT_EQ(file.Sets.size(), c.format == ElementFormat::Tle ? 1u : 0u);
  }
}

}  // namespace
