#include "platform/gpsd/gpsd_position.h"

#include <gps.h>

#include <algorithm>
#include <cerrno>
#include <cmath>

namespace rdz {

GpsReading ReadGpsd(const std::string& host, const std::string& port, std::chrono::milliseconds limit) {
  gps_data_t data{};
  if (gps_open(host.c_str(), port.c_str(), &data) != 0) {
    return {std::nullopt, std::string("gpsd at ") + host + ":" + port + ": " + gps_errstr(errno)};
  }
  gps_stream(&data, WATCH_ENABLE | WATCH_JSON, nullptr);
  auto end = std::chrono::steady_clock::now() + limit;
  GpsReading reading{std::nullopt, "gpsd reported no fix within " + std::to_string(limit.count() / 1000) + " s"};
  while (std::chrono::steady_clock::now() < end) {
    if (!gps_waiting(&data, 250000)) continue;
    if (gps_read(&data, nullptr, 0) == -1) {
      if (!reading.fix) reading.reason = "gpsd closed the connection";
      break;
    }
    const gps_fix_t& f = data.fix;
    if (f.mode < MODE_2D || !std::isfinite(f.latitude) || !std::isfinite(f.longitude)) continue;
    GpsFix fix{f.latitude, f.longitude, std::nullopt};
    if (f.mode >= MODE_3D && std::isfinite(f.altMSL)) fix.height = f.altMSL;
    // A receiver often reports the position before the height: a 2D fix
    // waits a little for the 3D one.
    if (!reading.fix) end = std::min(end, std::chrono::steady_clock::now() + std::chrono::seconds(3));
    reading = {fix, ""};
    if (fix.height) break;
  }
  gps_stream(&data, WATCH_DISABLE, nullptr);
  gps_close(&data);
  return reading;
}

}  // namespace rdz
