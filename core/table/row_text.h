#pragma once
#include <string>

#include "core/orbit/sat_state.h"

namespace rdz {

inline constexpr const char* kTableHeader =
    "SATNAME    AZ  EL  MA   HGT RANGE ILL  SQ  LA  LO     RN";

// Shown after the name in the row of a satellite that cannot be computed.
inline constexpr const char* kFailedRowMarker = "   ERROR";

// The fields of one live-table row, each right-aligned in its width.
struct RowFields {
  std::string name, az, el, ma, hgt, range, ill, sq, la, lo, rn;
};

RowFields FormatRowFields(const std::string& name, const SatState& s);
std::string RowText(const RowFields& fields);
std::string FormatRowText(const std::string& name, const SatState& s);
std::string FailedRowText(const std::string& name);

}  // namespace rdz
