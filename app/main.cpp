// The window program: the services over Qt, the shared tracker state and the main window.
#include <QApplication>
#include <iostream>

#include "mainwindow/frm_track.h"
#include "orbit/tracker_state.h"
#include "platform/curl/curl_internet.h"
#include "platform/executable_directory.h"
#include "platform/hamlib/hamlib_rig.h"
#include "platform/hamlib/hamlib_rotor.h"
#include "platform/program_directory.h"
#include "platform/qt/qt_background_work.h"
#include "platform/qt/qt_services.h"
#include "platform/parport/linux_parallel_port.h"
#include "platform/sntp/udp_sntp_client.h"
#include "platform/system_clock.h"
#ifdef RDZ_HAVE_GPSD
#include "platform/gpsd/gpsd_position.h"
#endif

int main(int argc, char** argv) {
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
