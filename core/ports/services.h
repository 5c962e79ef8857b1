#pragma once
#include <filesystem>

#include "core/ports/background_work.h"
#include "core/ports/internet_library.h"
#include "core/ports/clock.h"
#include "core/ports/event_loop.h"
#include "core/base/gps_position.h"
#include "core/ports/message_box.h"
#include "core/ports/notifier.h"
#include "core/ports/rotor.h"
#include "core/ports/sntp.h"
#include "core/ports/sound.h"
#include "core/ports/parallel_port.h"
#include "core/ports/rig.h"

namespace rdz {

// What the windows need from the world outside the program, handed to them by
// the application (or by a test) rather than reached through globals.
struct Services {
  Clock& clock;
  MessageBox& messages;
  Sound& sound;
  EventLoop& events;
  std::filesystem::path programDir;  // where amateur.txt and config.txt live
  ParallelPorts ports;                // LPT1 and LPT2, where a KV250 listens; none: nowhere
  InternetFactory internet;             // HTTP for the element download; none: nothing arrives
  BackgroundWork* background = nullptr;  // none: work runs at once on the calling thread
  RotorLibrary* rotors = nullptr;         // Hamlib rotors; none: "Other" lists no models
  SntpClient* sntp = nullptr;            // the clock check's time server; none: no check
  RigLibrary* rigs = nullptr;            // Hamlib radios; none: "Radio" lists no models
  Notifier* notifier = nullptr;          // desktop notifications; none: alerts show a box
  GpsSource gps{};                       // the station's position; none: no "From GPS"
};

}  // namespace rdz
