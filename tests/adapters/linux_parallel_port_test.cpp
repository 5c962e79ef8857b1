// The LPT1 adapter where no usable port exists, as on every test machine.
#include <gtest/gtest.h>

#include <algorithm>

#include "core/temp_dir.h"
#include "platform/parport/linux_parallel_port.h"
#include "rotor/kv250.h"

namespace rdz {
namespace {

// No device node, and a file that is not a parallel port: the writes vanish
// and one line, naming the device, says why.
TEST(LinuxParallelPort, UnusableDeviceFailsSilentlyAndSaysSoOnce) {
  test::TempDir dir;
  dir.Write("not-a-port", "");
  for (const auto& device : {dir.path() / "parport9", dir.path() / "not-a-port"}) {
    testing::internal::CaptureStderr();
    {
      LinuxParallelPort port(device.string(), false);
      SendTracker(10.0, 20.0, port);
      SendTracker(0.0, 0.0, port);
    }
    const std::string report = testing::internal::GetCapturedStderr();
    EXPECT_EQ(std::count(report.begin(), report.end(), '\n'), 1) << report;
    EXPECT_NE(report.find(device.string()), std::string::npos) << report;
  }
}

}  // namespace
}  // namespace rdz
