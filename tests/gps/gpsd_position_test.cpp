// The station's position from a real gpsd, fed by gpsfake with a short NMEA log.
#include <gtest/gtest.h>

#include "core/local_server.h"
#include "platform/gpsd/gpsd_position.h"

namespace rdz {
namespace {

TEST(Gpsd, FixFromARealGpsdAndWhyThereIsNoneWithoutOne) {
  std::string port;
  {
    test::LocalServer gpsd(RDZ_GPS_FIXTURES "/gpsfake_server.py", {RDZ_GPS_FIXTURES "/station.nmea"});
    port = std::to_string(gpsd.port());
    const GpsReading r = ReadGpsd("127.0.0.1", port, std::chrono::seconds(30));
    ASSERT_TRUE(r.fix) << r.reason;
    EXPECT_NEAR(r.fix->latitude, 45.479167, 1e-6);  // 45 28.7500 N
    EXPECT_NEAR(r.fix->longitude, 9.1875, 1e-6);    // 9 11.2500 E
    EXPECT_NEAR(r.fix->height.value_or(0), 123.4, 1e-6);
  }
  const GpsReading none = ReadGpsd("127.0.0.1", port, std::chrono::seconds(2));
  EXPECT_FALSE(none.fix);
  EXPECT_EQ(none.reason.find("gpsd at 127.0.0.1:" + port + ": "), 0u) << none.reason;
}

}  // namespace
}  // namespace rdz
