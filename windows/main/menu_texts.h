#pragma once
// Texts of the main window's menu boxes.
#include <filesystem>
#include <string>

namespace rdz {

inline constexpr const char* kAnnouncementTitle = "RODEdizevad";
inline constexpr const char* kSingleSatText = "Implemented on config for a single sat!";
inline constexpr const char* kInformationText =
    "RodeDizevad v0.05beta - amateur satellite tracker, map image courtesy of NASA\r\n"
    "\r\n"
    "Real time of the orbital satellites\r\n"
    "with automatic kepler reading from file or Internet!\r\n"
    "\r\n"
    "Questions and reports: https://rodedizevad.example.org";
// The information box, naming the folder that holds the user's files.
inline std::string InformationText(const std::filesystem::path& programDir) {
  return std::string(kInformationText) + "\r\n\r\nProgram directory: " + programDir.string();
}

}  // namespace rdz
