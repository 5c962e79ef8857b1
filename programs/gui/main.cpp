// The window program: the services over Qt, the shared tracker state and the main window.
#include <QApplication>
#include <iostream>
#include <string>
#include <string_view>

#include "core/base/version.h"

#include "windows/main/frm_track.h"
#include "core/load/tracker_state.h"
#include "platform/curl/curl_internet.h"
#include "core/base/executable_directory.h"
#include "platform/hamlib/hamlib_library.h"
#include "core/base/program_directory.h"
#include "platform/qt/qt_background_work.h"
#include "platform/qt/qt_services.h"
#include "platform/parport/linux_parallel_port.h"
#include "platform/sntp/udp_sntp_client.h"
#include "core/ports/system_clock.h"
#ifdef RDZ_HAVE_GPSD
#include "platform/gpsd/gpsd_position.h"
#endif

namespace {

// The manual page is made from --help and --version; neither needs a display.
constexpr const char* kHelp =
    "Usage: rodedizevad [--help|--version]\n"
    "Shows in real time where the amateur radio satellites stand as seen from your\n"
    "station: a live table of up to 60 satellites, their passes, a world map and\n"
    "the sky, with a KV250 or Hamlib antenna rotor and a Hamlib radio kept on the\n"
    "satellite. It reads the element sets from amateur.txt and the station and\n"
    "settings from config.txt in the program directory.\n"
    "\n"
    "Options:\n"
    "  --help     this text\n"
    "  --version  the program's version\n";

}  // namespace

int main(int argc, char** argv) {
  const std::string_view first = argc > 1 ? argv[1] : "";
  if (first == "--help" || first == "--version") {
    std::cout << (first == "--help" ? std::string(kHelp) : std::string("rodedizevad ") + rdz::kProgramVersion + "\n");
    return 0;
  }
  QApplication app(argc, argv);
  app.setApplicationName(QStringLiteral("RodeDizevad"));
  app.setDesktopFileName(QStringLiteral("org.example.rodedizevad"));

  const rdz::ProgramDirectory programDir = rdz::PrepareProgramDirectory();
  if (!programDir.problem.empty()) std::cerr << "rodedizevad: " << programDir.problem << "\n";

  rdz::SystemClock clock;  // with the zone offset that TxtUtc starts from
  rdz::qt::QtMessageBox messages;
  rdz::qt::QtSound sound;
  rdz::qt::QtEventLoop events;
  rdz::UdpSntpClient sntp;
  rdz::qt::QtBackgroundWork background;  // outlives the window, which cancels its download
  rdz::HamlibRotorLibrary rotors;
  rdz::HamlibRigLibrary rigs;
  rdz::Services services{clock,
                               messages,
                               sound,
                               events,
                               programDir.dir,
                               &rdz::LinuxLpt,
                               [] { return std::make_shared<rdz::CurlInternet>(); },
                               &background,
                               &rotors,
                               &sntp,
                               &rigs};
#ifdef RDZ_HAVE_GPSD
  services.gps = [] { return rdz::ReadGpsd("localhost", "2947", std::chrono::seconds(10)); };
#endif

  rdz::TrackerState state;
  rdz::FrmTrack window(state, services);
  messages.SetParent(&window);
  window.Load();
  return QApplication::exec();
}
