// The window program: the services over Qt, the shared tracker state and the main window.
#include <QApplication>
#include <iostream>

#include "download/curl_internet.h"
#include "mainwindow/frm_track.h"
#include "orbit/tracker_state.h"
#include "platform/program_directory.h"
#include "platform/qt/qt_services.h"
#include "platform/sntp/udp_sntp_client.h"
#include "rotor/linux_parallel_port.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  app.setApplicationName(QStringLiteral("RodeDizevad"));
  app.setDesktopFileName(QStringLiteral("org.example.rodedizevad"));

  const rdz::ProgramDirectory programDir = rdz::PrepareProgramDirectory();
  if (!programDir.problem.empty()) std::cerr << "rodedizevad: " << programDir.problem << "\n";

  rdz::qt::QtClock clock;
  rdz::qt::QtMessageBox messages;
  rdz::qt::QtSound sound;
  rdz::qt::QtEventLoop events;
  rdz::LinuxParallelPort port;
  rdz::CurlInternet internet;
  rdz::UdpSntpClient sntp;
  const rdz::Services services{clock, messages, sound, events, programDir.dir, port, &internet, &sntp};

  rdz::TrackerState state;
  rdz::FrmTrack window(state, services);
  messages.SetParent(&window);
  window.Load();
  return QApplication::exec();
}
