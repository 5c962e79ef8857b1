#pragma once
#include <memory>
#include <string>
#include <vector>

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

// How a rotor or radio is reached: a Hamlib model number and its port, which
// is a serial device (with speed), a parallel port, or host:port for a
// rotctld or rigctld.
struct DeviceAddress {
  int model = 0;
  std::string port;
  int speed = 0;  // serial baud rate; 0 leaves the model's default
  friend bool operator==(const DeviceAddress&, const DeviceAddress&) = default;
};

// Makes rotors or radios and lists the models that can be made.
template <class Device>
class DeviceLibrary {
 public:
  virtual ~DeviceLibrary() = default;
  // Not opened yet; nothing when the model is unknown.
  virtual std::unique_ptr<Device> Make(const DeviceAddress& address, int timeoutMs) = 0;
  // Sorted by maker, then name.
  virtual std::vector<DeviceModel> Models() = 0;
  // The model's name as the library gives it; empty when unknown.
  virtual std::string ModelName(int model) = 0;
};

}  // namespace rdz
