#pragma once
#include <string>

namespace rdz {

// A rotor or radio model the device library knows.
struct DeviceModel {
  int model = 0;
  std::string maker;
  std::string name;
};

}  // namespace rdz
