#pragma once
#include <string>

namespace rdz {

// The answer to one device call: ok, or the device library's reason.
struct DeviceCall {
  bool ok = true;
  std::string error;
};

// A rotor or radio model the device library knows.
struct DeviceModel {
  int model = 0;
  std::string maker;
  std::string name;
};

}  // namespace rdz
