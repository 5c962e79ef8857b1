#pragma once
// Texts of the main window's menu boxes.

namespace rdz {

inline constexpr const char* kAnnouncementTitle = "RODEdizevad";
inline constexpr const char* kAnnouncementText =
    "news at https://rodedizevad.example.org implemented soon on VELK2000";
inline constexpr const char* kSingleSatText = "Implemented on config for a single sat!";
inline constexpr const char* kInformationText =
    "RodeDizevad v0.05beta - amateur satellite tracker, map image courtesy of NASA\r\n"
    "\r\n"
    "Real time of the orbital satellites\r\n"
    "with automatic kepler reading from file or Internet!\r\n"
    "\r\n"
    "Questions and reports: https://rodedizevad.example.org";

}  // namespace rdz
