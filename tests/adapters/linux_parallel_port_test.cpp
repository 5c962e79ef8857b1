// The LPT1 adapter where no usable port exists, as on every test machine.
#include <gtest/gtest.h>

#include "core/temp_dir.h"
#include "platform/parport/linux_parallel_port.h"
#include "core/rotor/kv250.h"

namespace rdz {
namespace {

// No device node, and a file that is not a parallel port: the writes vanish
// and the port says why, naming the device.
TEST(LinuxParallelPort, UnusableDeviceDropsItsWritesAndSaysWhy) {
  test::TempDir dir;
  dir.Write("not-a-port", "");
  for (const auto& device : {dir.path() / "parport9", dir.path() / "not-a-port"}) {
    LinuxParallelPort port(device.string(), false);
    SendTracker(10.0, 20.0, port);
    EXPECT_EQ(port.Unusable().rfind(device.string() + ": ", 0), 0u) << port.Unusable();
  }
}

}  // namespace
}  // namespace rdz
