#pragma once
#include <ostream>
#include <string>
#include <vector>

namespace rdz {

// `kv250 AZ EL`: the bytes one rotor transfer writes for that direction,
// space-separated on one line. Touches no port. `args` starts with "kv250".
int RunKv250(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace rdz
