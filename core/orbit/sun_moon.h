#pragma once
#include <optional>
#include <string_view>

namespace rdz {

// The two bodies the rotor can follow besides satellites.
enum class SkyBody { Sun, Moon };

// "Sun" or "Moon".
const char* BodyName(SkyBody body);
// "SUN", "moon", ... in any case; nothing for any other word.
std::optional<SkyBody> BodyNamed(std::string_view word);

// Geocentric apparent place: right ascension and declination in degrees on the
// true equator and equinox of date, distance in km.
struct Equatorial {
  double rightAscension = 0;
  double declination = 0;
  double distance = 0;
};

// Meeus' low-accuracy solar theory (about 0.01 degrees) and his truncated
// ELP-2000/82 lunar series (about 10" in longitude), at a UTC instant in
// Unix seconds.
Equatorial SunPosition(double unixSeconds);
Equatorial MoonPosition(double unixSeconds);
Equatorial BodyPosition(SkyBody body, double unixSeconds);

}  // namespace rdz
