#pragma once
#include <filesystem>
#include <string>
#include <vector>

namespace rdz {

// Where the element sets come from unless config.txt says otherwise.
inline constexpr const char* kBuiltInElementSetUrl =
    "http://www.amsat.org/amsat/ftp/keps/current/amsat.all";

// The address of the last "KEPURL = " line that names one (the rest of the
// line, blanks around it dropped, up to a stray LF); the built-in address
// when no line does.
std::string ElementSetUrlOf(const std::vector<std::string>& configLines);

// As above, from config.txt in the program directory as it is now; the
// built-in address when the file cannot be read.
std::string ElementSetUrl(const std::filesystem::path& programDir);

}  // namespace rdz
