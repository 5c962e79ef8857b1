#pragma once
#include <filesystem>

#include "platform/background_work.h"
#include "platform/internet_library.h"
#include "platform/clock.h"
#include "platform/event_loop.h"
#include "platform/gps_position.h"
#include "platform/message_box.h"
#include "platform/notifier.h"
#include "platform/rotor.h"
#include "platform/sntp.h"
#include "platform/sound.h"
#include "platform/parallel_port.h"
#include "platform/rig.h"

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
