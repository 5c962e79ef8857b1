#pragma once
#include <QFont>

namespace rdz::qt {

// Courier New where installed; Liberation Mono has the same metrics and
// stands in for it; otherwise whatever fixed-pitch font the system names.
QFont FixedPitchFont(double pointSize);

}  // namespace rdz::qt
