#pragma once
#include <string>
#include <string_view>

namespace rdz {

// Text as the program writes it: CR LF and a lone LF both end a line with
// CR LF, a lone CR stays as it is (the reader ends a line there too), and
// one CR LF more closes the text.
std::string CrLfText(std::string_view text);

}  // namespace rdz
